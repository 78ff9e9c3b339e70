#pragma once

#include <vector>

namespace trelvix {

class tDrawing;
class tLink;
class tStructure;
class tXY;

/// The atoms reached from start through the document's bonds without crossing bond, start
/// first, in the order the walk finds them; empty when the bond lies in a ring (its other end is
/// reached too), since then nothing can turn about it alone.
std::vector<tXY*> sideOf(const tDrawing& doc, const tLink& bond, tXY* start);

/// The second line of a multiple bond to its next side: right (offsets 4, 1), centred (1, 1),
/// left (1, -1), right again. The sum of the offsets tells the side (5 right, 2 centred, 0 left
/// or not yet to one side); offsets of any other sum stay as they are.
void cycleBondSide(tLink& bond);

/// The pieces of the document, other than group itself, whose atoms all belong to group: what
/// fusing group into one structure makes needless. Pieces without atoms are not covered.
std::vector<tStructure*> piecesCoveredBy(const tDrawing& doc, const tStructure& group);

/// Whether a rubber band's edges count as inside it.
enum class BandEdges : bool
{
  Excluded,
  Included
};

/// What a rubber band encloses: a piece of the document, and whether it was made for the band.
struct BandGroup
{
  tStructure* group = nullptr; ///< nullptr when no element atom lies inside
  bool made = false;
};

/// The element atoms whose model positions (x3, y3) lie in the rectangle from (x1, y1) to
/// (x2, y2): the piece of the document that is exactly those atoms, else a new piece of them and
/// the bonds between them, in the document's order, added to the document's pieces (its lists
/// name the document's atoms and bonds, which stay the document's).
BandGroup encloseGroup(tDrawing& doc, double x1, double y1, double x2, double y2, BandEdges edges);

} // namespace trelvix
