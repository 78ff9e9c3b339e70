#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace trelvix {

/// The values of one group or correction: enthalpy (kcal/mol) and entropy (cal/(mol K)) at
/// 298.15 K, heat capacities (cal/(mol K)) at 300, 400, 500, 600, 800 and 1000 K.
struct GroupValue
{
  std::string_view key;
  double dH;
  double S;
  std::array<double, 6> cp;
};

/// Benson's group values, keyed "centre-(neighbour)n…(H)n" with the neighbours in the order C,
/// Cd, Ct, Cb, CO, O, N, CN, NO2, F, Cl, Br, I (a double-bond, triple-bond or ring partner of Cd,
/// Ct, Cb and CO is not written, as Benson writes them; CN and NO2 are the nitrile and nitro
/// groups taken whole). nullptr when the table has no such group or knows only its enthalpy.
const GroupValue* groupValue(std::string_view key);

/// The formation enthalpy (kcal/mol) of a group, from the full table or from the groups whose
/// entropy and heat capacities are not published; nullopt when neither has it.
std::optional<double> groupEnthalpy(std::string_view key);

/// The correction for a ring of size atoms that are not aromatic, with the given heteroatom (0
/// for a carbocycle) and number of double bonds in the ring; nullptr when there is none.
const GroupValue* ringCorrection(int size, int heteroatom, int doubleBonds);

/// The correction for two substituents on neighbouring atoms of a benzene ring.
const GroupValue& orthoCorrection();

} // namespace trelvix
