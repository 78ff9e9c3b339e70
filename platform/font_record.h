#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trelvix {

/// The 50-byte font description used by atoms, labels, the defaults and the document: five 16-bit
/// integers, eight bytes and a 32-character zero-terminated face name.
struct FontRecord
{
  static constexpr std::size_t packedSize = 50;
  static constexpr std::size_t faceSize = 32;

  std::int16_t height = 0; ///< character cell height in pixels; negative: character height
  std::int16_t width = 0;
  std::int16_t escapement = 0;
  std::int16_t orientation = 0;
  std::int16_t weight = 400;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::array<char, faceSize> faceName{};

  /// The face name up to its terminating zero (all 32 characters when there is none).
  std::string face() const;
  /// Sets the face name: at most 32 characters, the rest of the array zero.
  void setFace(std::string_view name);

  std::array<std::uint8_t, packedSize> pack() const;
  static FontRecord unpack(const std::array<std::uint8_t, packedSize>& bytes);

  bool operator==(const FontRecord&) const = default;
};

/// The font the program itself writes with at reset: "MS Sans Serif", a 10-point cell at 96 dpi
/// (height 13), weight 400, quality 2, pitch and family 2.
FontRecord defaultFontRecord();

} // namespace trelvix
