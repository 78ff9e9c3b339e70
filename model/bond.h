#pragma once

#include "model/link.h"

namespace trelvix {

class tAtoms;

/// The bond of a structure: finds its atoms by position in the document's atom list when read.
class tbond : public tLink
{
public:
  using tLink::tLink;

  /// Reads the 23-byte record and resolves both ends by position in atomList. False on a short
  /// read; an end whose position is outside the list is left nullptr for the caller to test.
  bool ReadData(BinaryReader& in, const tAtoms& atomList);

  /// The 19-byte bond record of the document's 3D section, ends as positions in atomList
  /// (-1 for an atom not in it).
  void Write3ddata(BinaryWriter& out, const tAtoms& atomList);
  /// Reads the 19-byte record; ends outside atomList are left nullptr. False on a short read.
  bool Read3ddata(BinaryReader& in, const tAtoms& atomList);
};

} // namespace trelvix
