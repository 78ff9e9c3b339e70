#pragma once

#include <string>
#include <utility>
#include <vector>

namespace trelvix {

/// One atom of a molecule on its way between a file and the document.
struct AtomRecord
{
  int element = 6;
  int charge = 0;
  /// Hydrogens the atom carries without drawing them (shown as "OH", "NH2" ...).
  int hydrogens = 0;
  /// Coordinates: Ångström in files (y up), drawing units once placed (y down).
  double x = 0, y = 0, z = 0;
};

/// How a single bond is drawn as a wedge; its point (narrow end) is at atom a.
enum class Wedge
{
  None,
  Solid,
  Hashed,
};

/// One bond: the two atoms by position, its type code (2 single, 4 double, 6 triple,
/// 0 coordinate from a to b), the aromatic mark, and its wedge.
struct BondRecord
{
  int a = 0;
  int b = 0;
  int code = 2;
  bool aromatic = false;
  Wedge wedge = Wedge::None;
};

/// A structure-data file's data items of one record: (name, value) in the file's order, a value
/// of several lines joined by '\n'.
using DataItems = std::vector<std::pair<std::string, std::string>>;

/// A molecule: its atoms and bonds, its name, its data items, and how many of its coordinates
/// the source gave (0: none, 2: x and y, 3: x, y and z).
struct MoleculeRecord
{
  std::string name;
  DataItems data;
  std::vector<AtomRecord> atoms;
  std::vector<BondRecord> bonds;
  int dimensions = 0;
};

} // namespace trelvix
