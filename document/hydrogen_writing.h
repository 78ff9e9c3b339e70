#pragma once

namespace trelvix {

class tStructure;
class tXY;

/// An atom written with its hydrogens that hangs on neighbour keeps them away from the bond:
/// after its symbol when the neighbour lies to its left ("OH", "NH2"), in front of it when to
/// its right. The one hydrogen of an O or S is put in front by turning the text round ("HO"), as
/// placing the group always did; more hydrogens or a longer symbol go in front as a group
/// ("H2N", "H3C", "HSe"), which turning the text round would spell backwards ("2HN").
void writeHydrogensAwayFrom(tXY& atom, const tXY& neighbour);

/// After the geometry changed (an optimisation, a turn, a molecule placed from another format),
/// every atom written with its hydrogens that hangs on one atom is written away from it again
/// (writeHydrogensAwayFrom), and a lone O, S, Se, Te or halogen puts its hydrogens first, as
/// chemists write H2O, H2S and HCl (CH4, NH3 and PH3 keep them after). Other atoms keep their
/// writing.
void orientHydrogenLabels(tStructure& structure);

} // namespace trelvix
