#pragma once

#include "model/base_object.h"
#include "platform/binary_io.h"
#include "platform/canvas.h"
#include "platform/short_string.h"

#include <array>
#include <cstdint>
#include <string>

namespace trelvix {

/// Size of the fragment data record that heads every structure section of the document file.
inline constexpr std::size_t fragmentDataSize = 53;
using FragmentDataRecord = std::array<std::uint8_t, fragmentDataSize>;

/// The stored attributes of a molecule fragment: its kind, frame, energies, amount and phase,
/// and the van der Waals and solution parameters of the substance.
class tbasefragment : public tbaseobject
{
public:
  static constexpr std::uint16_t structureKind = 100;

  /// Phases of the substance, as printmoles writes them.
  enum Phase : std::uint8_t
  {
    Gas = 0,
    Solid = 1,
    Liquid = 2,
    GasAmount = 3,
    Solution = 4,
    Solvent = 5
  };

  std::uint16_t symbolKind = structureKind; ///< 100 for a structure, else a graphic symbol kind
  std::uint8_t view3d = 0;
  /// Carried into and out of the group editor; their meaning is the editor's own.
  std::array<std::uint8_t, 5> settings{};
  std::uint32_t valueA = 0;
  std::uint32_t valueC = 0; ///< not stored in files
  std::uint32_t valueB = 0;
  /// x min, x max, y min, y max of the atoms, rounded.
  std::array<std::int16_t, 4> corners{};
  Rect frameRect; ///< the frame: bounding box in pixels
  std::array<std::uint8_t, 2> flagBytes{};
  double strainEnergy = 0;   ///< cal/mol
  double startingEnergy = 0; ///< cal/mol
  double amount = 1.0;       ///< moles
  /// Solute parameters p1..p13 (index 0 is p1).
  std::array<double, 13> solute{};
  double jumpX = 0, jumpY = 0;
  std::uint8_t phase = Gas; ///< 0..5
  ShortString<32> energyText;
  ShortString<32> molesText;
  std::uint8_t parameterFlag = 0;
  std::uint8_t energyTextFlag = 0;
  std::uint8_t molesFlag = 0;

  tbasefragment();

  std::int32_t BoxWidth() const { return frameRect.right - frameRect.left; }
  std::int32_t BoxHeight() const { return frameRect.bottom - frameRect.top; }

  /// The 53-byte fragment data record: kind, the five settings, the two colours (value A and
  /// value C), the frame's low words, the two flag bytes and the given atom and bond counts.
  void getdata(FragmentDataRecord& record, std::uint16_t atomCount, std::uint16_t bondCount) const;
  /// Takes kind, settings, colours and flag bytes from the record (the frame is recomputed from
  /// the atoms and the counts belong to the section).
  void AssignData(const FragmentDataRecord& record);

  /// The 147-byte fragment heading of the document's 3D sections.
  virtual void Read3dheading(BinaryReader& in);
  virtual void write3dheading(BinaryWriter& out) const;

  /// Phase and parameter flag 0, amount 1.0, p1..p8 0.0, p9..p13 1.0.
  void clearVDWparms();

  /// The state-and-amount text printmoles draws: by phase, with amounts of 0.01 or less counting
  /// as none; at most 16 characters; empty for a phase above 5.
  std::string molesCaption() const;

  /// Draws molesCaption under the frame (top-left at frame left, frame bottom + 5) in the
  /// document's message font, and keeps it as the moles text.
  void printmoles(Canvas& canvas);
};

} // namespace trelvix
