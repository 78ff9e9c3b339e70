#pragma once

namespace trelvix {

class tStructure;
class tXY;

/// Tidies the 3D geometry of structure by rule (tStructure::clean calls it once the core is
/// initialised): the terminal neighbours of every free element atom move to idealised trigonal or
/// tetrahedral places; then the document's bonds to terminal atoms get their ideal lengths. No
/// energy is evaluated.
void cleanGeometry(tStructure& structure);

/// The placement steps of the geometry clean-up; every placed atom ends one bond length (the
/// bond-length scale) from the centre, and only the target moves.

/// Puts target beside a and b around centre: on the bisecting plane of the a-centre-b angle,
/// 60 degrees from the direction opposite the bisector, on the side the order (a, b) selects.
/// False (nothing moved) when the two references are nearly parallel or cancel.
bool PlaceBeside(tXY& target, const tXY& a, const tXY& centre, const tXY& b);

/// Puts target opposite the three references around centre.
void PlaceOpposite(tXY& target, const tXY& centre, const tXY& r1, const tXY& r2, const tXY& r3);

/// Puts up to three targets (nullptr skips one) on the tetrahedral cone around the centre-ref
/// bond, 120 degrees apart, at the distance of ref.
void PlaceStar(const tXY& centre, tXY* t1, tXY* t2, tXY* t3, const tXY& ref);

} // namespace trelvix
