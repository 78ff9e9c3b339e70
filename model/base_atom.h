#pragma once

#include "model/base_object.h"
#include "platform/binary_io.h"
#include "platform/font_record.h"
#include "platform/short_string.h"

#include <cstdint>

namespace trelvix {

/// The stored attributes of an atom. Coordinates are in drawing units (pixels at zoom 1).
class tbaseatm : public tbaseobject
{
public:
  std::int32_t screenX = 0; ///< round(x3)
  std::int32_t screenY = 0; ///< round(y3)
  std::int32_t prevScreenX = 0;
  std::int32_t prevScreenY = 0;
  std::int16_t depth = 0; ///< round(z3)
  std::int16_t prevDepth = 0;
  std::int16_t neighbourCount = 0; ///< attached atoms, set when the neighbour list is rebuilt
  std::int16_t hydrogenChange = 0; ///< the last change given to ChangeH
  double x3 = 0, y3 = 0, z3 = 0;
  double savedX3 = 0, savedY3 = 0, savedZ3 = 0; ///< coordinates at the last update
  double partialCharge = 0;                     ///< elementary charges
  float atomicWeight = 0;                       ///< amu
  /// Half the free valence at the last element change, then moved by every bond type change;
  /// a nitro nitrogen takes it below zero, so it is signed (the files keep the same byte).
  std::int8_t pairCount = 0;
  std::int8_t freeValence = 0; ///< open valence in half-bonds; +100 may mark it
  std::int8_t charge = 0;      ///< formal charge, -9..+9
  std::int8_t element = 0;     ///< 0..103, 0 for a text atom
  std::uint8_t style = 0;      ///< display style code
  std::uint8_t textFlag = 0;   ///< non-zero: the atom stands for a text
  std::int8_t textDirection = 1;
  std::int16_t atomNumber = 0; ///< 0: not numbered
  std::int16_t hybridisation = 0;
  FontRecord font;
  std::uint8_t shiftFlag = 0; ///< 0 or 2: side on which hydrogens are written
  ShortString<64> symbol;
  Colour colour = black;
  Colour savedColour = black;
  std::uint8_t fixedFlag = 0; ///< non-zero: Move and MoveToXYZ leave the atom in place
  std::uint8_t testFlag = 0;

  /// The 164-byte stored-attribute record (atom number, hybridisation, flags, coordinates, text,
  /// font). Reading stops at the first short read; the reader then reports the failure.
  virtual void Read3ddata(BinaryReader& in);
  virtual void write3ddata(BinaryWriter& out) const;

protected:
  /// The fields both 3D atom records share, in their order: pair count, free valence, charge,
  /// element, style, shift flag, x3, y3, z3, the partial charge's low word, atomic weight, text
  /// direction, colour and symbol.
  void writeStateFields(BinaryWriter& out) const;
  void readStateFields(BinaryReader& in);
  /// The first four bytes of the partial charge as it lies in memory (the charge is recomputed
  /// before every use; the files keep only this much of it).
  std::uint32_t partialChargeLowWord() const;
  void setPartialChargeLowWord(std::uint32_t word);
};

} // namespace trelvix
