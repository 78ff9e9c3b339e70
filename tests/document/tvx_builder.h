#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace trelvix {

/// Writes document files byte by byte for the reader's tests, field by field as the format lays
/// them out, without any of the program's own writers.
class TvxBuilder
{
public:
  std::vector<std::uint8_t> bytes;

  TvxBuilder& u8(std::uint8_t v)
  {
    bytes.push_back(v);
    return *this;
  }
  TvxBuilder& u16(std::uint16_t v)
  {
    bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  TvxBuilder& raw(std::initializer_list<std::uint8_t> values)
  {
    bytes.insert(bytes.end(), values);
    return *this;
  }
  TvxBuilder& zeros(std::size_t n)
  {
    bytes.insert(bytes.end(), n, 0);
    return *this;
  }

  /// The 568-byte header: version, 1, bond length, a spare byte, a font of height 13 weight 400
  /// face "Arial", then the three texts.
  TvxBuilder& header(std::uint16_t version, std::uint16_t scale, const char* title = "")
  {
    u16(version).u8(1).u16(scale).u8(0);
    std::vector<std::uint8_t> font(50, 0);
    font[0] = 13;
    font[8] = 0x90;
    font[9] = 0x01;
    std::memcpy(font.data() + 18, "Arial", 5);
    bytes.insert(bytes.end(), font.begin(), font.end());
    text(title, 96).text("", 96).text("", 320);
    return *this;
  }

  TvxBuilder& text(const char* s, std::size_t size)
  {
    std::vector<std::uint8_t> field(size, 0);
    std::memcpy(field.data(), s, std::strlen(s));
    bytes.insert(bytes.end(), field.begin(), field.end());
    return *this;
  }

  /// A 346-byte atom record of the given kind (0 element atom, 1 label, 255 symbol point).
  TvxBuilder& atom(std::uint8_t kind,
                   std::int8_t element,
                   std::int16_t x,
                   std::int16_t y,
                   const char* symbol,
                   std::int16_t depth = 0,
                   std::int8_t freeValence = 0)
  {
    std::vector<std::uint8_t> r(346, 0);
    r[2] = kind;
    put16(r, 3, x);
    put16(r, 5, y);
    put16(r, 7, x);
    put16(r, 9, y);
    put16(r, 11, depth);
    r[15] = 13; // font height
    r[67] = static_cast<std::uint8_t>(std::strlen(symbol));
    std::memcpy(r.data() + 68, symbol, std::strlen(symbol));
    r[323] = 1; // text direction
    r[333] = static_cast<std::uint8_t>(freeValence);
    r[335] = static_cast<std::uint8_t>(element);
    r[342] = 2; // style
    bytes.insert(bytes.end(), r.begin(), r.end());
    return *this;
  }

  /// A 23-byte bond record between atom positions a and b.
  TvxBuilder& bond(std::uint8_t type, std::uint16_t a, std::uint16_t b)
  {
    std::vector<std::uint8_t> r(23, 0);
    r[0] = type == 2 ? 3 : 2;
    r[1] = type;
    r[10] = 1;
    r[11] = 1;
    r[16] = 1;
    r[17] = 1;
    put16(r, 18, static_cast<std::int16_t>(a));
    put16(r, 20, static_cast<std::int16_t>(b));
    r[22] = 1;
    bytes.insert(bytes.end(), r.begin(), r.end());
    return *this;
  }

  /// A structure section: the 53-byte fragment record of the kind, then the member positions.
  TvxBuilder& section(std::uint16_t kind,
                      std::initializer_list<std::uint16_t> atoms,
                      std::initializer_list<std::uint16_t> bonds)
  {
    std::vector<std::uint8_t> r(53, 0);
    put16(r, 0, static_cast<std::int16_t>(kind));
    put16(r, 49, static_cast<std::int16_t>(atoms.size()));
    put16(r, 51, static_cast<std::int16_t>(bonds.size()));
    bytes.insert(bytes.end(), r.begin(), r.end());
    u16(static_cast<std::uint16_t>(atoms.size()));
    for (std::uint16_t p : atoms)
      u16(p);
    u16(static_cast<std::uint16_t>(bonds.size()));
    for (std::uint16_t p : bonds)
      u16(p);
    return *this;
  }

  /// The 126-byte solute record: phase, flag, amount, thirteen reals, twelve zeros.
  TvxBuilder& solute(std::uint8_t phase, double amount)
  {
    u8(phase).u8(0);
    real64(amount);
    for (int i = 0; i < 13; ++i)
      real64(i < 8 ? 0.0 : 1.0);
    return zeros(12);
  }

  TvxBuilder& real64(double v)
  {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i)
      bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    return *this;
  }

private:
  static void put16(std::vector<std::uint8_t>& r, std::size_t at, std::int16_t v)
  {
    const auto u = static_cast<std::uint16_t>(v);
    r[at] = static_cast<std::uint8_t>(u & 0xFF);
    r[at + 1] = static_cast<std::uint8_t>(u >> 8);
  }
};

} // namespace trelvix
