#pragma once

namespace trelvix {

// The building procedures the build-code table dispatches to. Each takes the code it was armed
// with and the press point (drawing units) and acts on the current document; true when the code
// is theirs.

/// 151..158 a ring of code − 148 atoms; 159 the boat, 161 the chair.
bool placeRing(int code, double x, double y);
/// 501..509: a straight chain of code − 499 carbons.
bool placeAlkane(int code, double x, double y);
/// 511 a carbon, 522 a hydrogen, linked to the atom under the point.
bool placeBranchElement(int code, double x, double y);
/// 523 (and 499): a methyl written CH3 linked to the atom under the point.
bool placeMethyl(int code, double x, double y);
/// 512..519 an alkyl branch of code − 510 carbons, 531 of ten.
bool placeAlkylBranch(int code, double x, double y);
/// The groups made of one linked atom (OH, NH2, the halogens, =O, =NH, =CH2, =S ...).
bool placeOneAtomGroup(int code, double x, double y);
/// 701: a benzene ring.
bool placeBenzene(int code, double x, double y);
/// 720..729: the arrows, the arcs and the triangle of the symbol palette.
bool placeSymbol(int code, double x, double y);

} // namespace trelvix
