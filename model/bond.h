#pragma once

#include "model/link.h"

namespace trelvix {

class tAtoms;

/// The bond of a structure: finds its atoms by position in the document's atom list when read,
/// and keeps the cis/trans reference of its double bond.
class tbond : public tLink
{
public:
  using tLink::tLink;

  /// The type change, then setn1n2 against the atom list of the document in force (none without
  /// a document).
  void ddouble() override;
  void reson() override;

  using tLink::print;
  /// Recomputes the line offsets (DXY) of a resonance or double bond, then draws as tLink does.
  void print(Canvas& canvas) override;

  /// The cis/trans reference of a resonance or double bond (codes 3 and 4; other codes return at
  /// once). Recomputes the line offsets (DXY) and rebuilds both atoms' neighbour lists. With two
  /// neighbours at each end, the neighbour of each atom other than the partner is the reference;
  /// with three or more at either end, the pair of heavy neighbours (one at each end, in list
  /// order) with the greatest sum of stored hybridisations wins, the first found on a tie. No
  /// reference is taken from a hydrogen or a text atom, from a pair whose hybridisations sum to
  /// 0 or less, or from a pair that shares a ring with the bond (in the document's bonds). For the
  /// reference n1 (at atom 1) and n2 (at atom 2): index1, index2 := their positions in atomList
  /// (-1 when absent), and with c = (atom 1 - n1) x (atom 2 - n2) in 3D, cisTrans := -1 when c
  /// points against the offset vector, else +1; with three or more neighbours a c at right angles
  /// to the offset also gives -1. Without a reference the fields stay as they were.
  void setn1n2(const tAtoms& atomList);

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
