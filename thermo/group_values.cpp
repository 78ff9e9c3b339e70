// Benson's group values and corrections, as data.
//
// Groups: S. W. Benson, Thermochemical Kinetics, 2nd ed. (Wiley, 1976), appendix tables A.1-A.5
// (hydrocarbon, oxygen and nitrogen groups; ring and ortho corrections, enthalpy and entropy).
// The nitrogen groups beyond the amines (aromatic nitrogen, nitriles, nitro groups, amides) are
// those of its pp. 278-279, the aromatic halogens those of its p. 281.
// Heat-capacity ring corrections: the reference table's cyclic hydrocarbons (NASA Glenn
// polynomials) less the sums of their groups; heterocycles take those of the carbocycle of
// their size.
//
// Where Benson gives a group's enthalpy but not its heat capacities (and mostly not its entropy
// either), the group stands in the enthalpy-only table below: a species that needs one has its
// formation enthalpy from the groups and its entropy and heat capacity from elsewhere. Nothing
// is filled in for the numbers the tables do not give.
#include "thermo/group_values.h"

#include <algorithm>
#include <string>

namespace trelvix {

namespace {

constexpr GroupValue groups[] = {
  // Carbon with four single bonds.
  { "C-(C)(H)3", -10.20, 30.41, { 6.19, 7.84, 9.40, 10.79, 13.02, 14.77 } },
  { "C-(C)2(H)2", -4.93, 9.42, { 5.50, 6.95, 8.25, 9.35, 11.07, 12.34 } },
  { "C-(C)3(H)", -1.90, -12.07, { 4.54, 6.00, 7.17, 8.05, 9.31, 10.05 } },
  { "C-(C)4", 0.50, -35.10, { 4.37, 6.13, 7.36, 8.12, 8.77, 8.76 } },
  { "C-(C)(Cd)(H)2", -4.76, 9.80, { 5.12, 6.86, 8.32, 9.49, 11.22, 12.48 } },
  { "C-(Cd)2(H)2", -4.29, 10.20, { 4.70, 6.80, 8.40, 9.60, 11.30, 12.60 } },
  { "C-(C)2(Cd)(H)", -1.48, -11.69, { 4.16, 5.91, 7.34, 8.19, 9.46, 10.19 } },
  { "C-(C)3(Cd)", 1.68, -34.72, { 3.99, 6.04, 7.43, 8.26, 8.92, 8.96 } },
  { "C-(C)(Ct)(H)2", -4.73, 10.30, { 4.95, 6.56, 7.93, 9.08, 10.86, 12.19 } },
  { "C-(C)(Cb)(H)2", -4.86, 9.34, { 5.84, 7.61, 8.98, 9.99, 11.31, 12.28 } },
  { "C-(C)2(Cb)(H)", -0.98, -12.07, { 4.88, 6.66, 7.90, 8.75, 9.73, 10.25 } },
  { "C-(C)3(Cb)", 2.81, -35.18, { 4.37, 6.13, 7.36, 8.12, 8.77, 8.76 } },
  { "C-(C)(CO)(H)2", -5.20, 9.60, { 6.20, 7.70, 8.70, 9.50, 11.10, 12.20 } },
  { "C-(C)2(CO)(H)", -1.70, -12.00, { 6.20, 7.20, 7.90, 8.40, 9.10, 9.40 } },
  { "C-(C)(O)(H)2", -8.10, 9.80, { 4.99, 6.85, 8.30, 9.43, 11.11, 12.33 } },
  { "C-(C)2(O)(H)", -7.20, -11.00, { 4.80, 6.64, 8.10, 8.73, 9.81, 10.40 } },
  { "C-(C)3(O)", -6.60, -33.56, { 4.33, 6.19, 7.25, 7.70, 8.20, 8.24 } },
  { "C-(Cb)(O)(H)2", -8.10, 9.70, { 4.99, 6.85, 8.30, 9.43, 11.11, 12.33 } },
  { "C-(C)(N)(H)2", -6.60, 9.80, { 5.25, 6.90, 8.28, 9.39, 11.09, 12.34 } },
  { "C-(C)2(N)(H)", -5.20, -11.70, { 4.67, 6.32, 7.64, 8.39, 9.56, 10.23 } },
  { "C-(C)3(N)", -3.20, -34.10, { 4.35, 6.16, 7.31, 7.91, 8.49, 8.50 } },
  // Carbon of a C=C double bond, its partner not written.
  { "Cd-(H)2", 6.26, 27.61, { 5.10, 6.36, 7.51, 8.50, 10.07, 11.27 } },
  { "Cd-(C)(H)", 8.59, 7.97, { 4.16, 5.03, 5.81, 6.50, 7.65, 8.45 } },
  { "Cd-(C)2", 10.34, -12.70, { 4.10, 4.61, 4.99, 5.26, 5.80, 6.08 } },
  { "Cd-(Cd)(H)", 6.78, 6.38, { 4.46, 5.79, 6.75, 7.42, 8.35, 8.99 } },
  { "Cd-(C)(Cd)", 8.88, -14.60, { 4.40, 5.37, 5.93, 6.18, 6.50, 6.62 } },
  { "Cd-(Cb)(H)", 6.78, 6.40, { 4.46, 5.79, 6.75, 7.42, 8.35, 8.99 } },
  { "Cd-(C)(Cb)", 8.64, -14.60, { 4.40, 5.37, 5.93, 6.18, 6.50, 6.62 } },
  { "Cd-(Ct)(H)", 6.78, 6.38, { 4.46, 5.79, 6.75, 7.42, 8.35, 8.99 } },
  { "Cd-(O)(H)", 8.60, 6.20, { 4.75, 6.46, 7.64, 8.35, 9.10, 9.56 } },
  // Carbon of a C#C triple bond.
  { "Ct-(H)", 26.93, 24.70, { 5.27, 5.99, 6.49, 6.87, 7.47, 7.96 } },
  { "Ct-(C)", 27.55, 6.35, { 3.13, 3.48, 3.81, 4.09, 4.60, 4.92 } },
  { "Ct-(Cd)", 29.20, 6.43, { 2.57, 3.54, 3.50, 4.92, 5.34, 5.50 } },
  { "Ct-(Cb)", 29.20, 6.43, { 2.57, 3.54, 3.50, 4.92, 5.34, 5.50 } },
  // Carbon of a benzene ring, its ring partners not written.
  { "Cb-(H)", 3.30, 11.53, { 3.24, 4.44, 5.46, 6.30, 7.54, 8.41 } },
  { "Cb-(C)", 5.51, -7.69, { 2.67, 3.14, 3.68, 4.15, 4.96, 5.44 } },
  { "Cb-(Cd)", 5.68, -7.80, { 3.59, 3.97, 4.38, 4.72, 5.28, 5.61 } },
  { "Cb-(Ct)", 5.68, -7.80, { 3.59, 3.97, 4.38, 4.72, 5.28, 5.61 } },
  { "Cb-(Cb)", 4.96, -8.64, { 3.33, 4.22, 4.89, 5.27, 5.76, 5.95 } },
  { "Cb-(CO)", 3.70, -7.70, { 2.67, 3.14, 3.68, 4.15, 4.96, 5.44 } },
  { "Cb-(O)", -0.90, -10.20, { 3.90, 5.30, 6.20, 6.60, 6.90, 6.90 } },
  { "Cb-(N)", -0.50, -9.69, { 3.95, 5.21, 5.94, 6.32, 6.53, 6.56 } },
  // The central carbon of an allene.
  { "Ca", 34.20, 6.00, { 3.90, 4.40, 4.70, 5.00, 5.30, 5.50 } },
  // Carbonyl carbon, its oxygen not written.
  { "CO-(C)(H)", -29.10, 34.90, { 7.03, 7.87, 8.82, 9.68, 11.20, 12.20 } },
  { "CO-(C)2", -31.40, 15.00, { 5.59, 6.32, 7.09, 7.76, 8.89, 9.61 } },
  { "CO-(Cb)(H)", -29.10, 34.90, { 7.03, 7.87, 8.82, 9.68, 11.20, 12.20 } },
  { "CO-(C)(Cb)", -30.90, 15.00, { 5.59, 6.32, 7.09, 7.76, 8.89, 9.61 } },
  { "CO-(C)(O)", -35.10, 14.78, { 5.97, 6.70, 7.40, 8.02, 8.87, 9.36 } },
  { "CO-(O)(H)", -32.10, 34.93, { 7.03, 7.87, 8.82, 9.68, 11.20, 12.20 } },
  // Oxygen with two single bonds.
  { "O-(C)(H)", -37.88, 29.07, { 4.30, 4.50, 4.80, 5.20, 6.00, 6.60 } },
  { "O-(C)2", -23.20, 8.68, { 3.40, 3.70, 3.70, 3.80, 4.40, 4.60 } },
  { "O-(Cb)(H)", -37.90, 29.10, { 4.30, 4.50, 4.80, 5.20, 6.00, 6.60 } },
  { "O-(C)(Cb)", -22.60, 9.70, { 3.40, 3.70, 3.70, 3.80, 4.40, 4.60 } },
  { "O-(C)(Cd)", -31.30, 10.10, { 3.40, 3.70, 3.70, 3.80, 4.40, 4.60 } },
  { "O-(CO)(H)", -58.10, 24.52, { 3.81, 4.98, 5.80, 6.34, 7.19, 7.75 } },
  { "O-(C)(CO)", -43.10, 8.40, { 3.90, 4.31, 4.60, 4.84, 5.32, 5.80 } },
  // Amine nitrogen.
  { "N-(C)(H)2", 4.80, 29.71, { 5.72, 6.51, 7.32, 8.07, 9.41, 10.47 } },
  { "N-(C)2(H)", 15.40, 8.94, { 4.20, 5.21, 6.13, 6.83, 7.90, 8.65 } },
  { "N-(C)3", 24.40, -13.46, { 3.48, 4.56, 5.43, 5.97, 6.56, 6.67 } },
  { "N-(Cb)(H)2", 4.80, 29.71, { 5.72, 6.51, 7.32, 8.07, 9.41, 10.47 } },
  // Nitriles: the C#N taken whole as CN, on the carbon that carries it.
  { "C-(C)(CN)(H)2", 22.50, 40.20, { 11.10, 13.40, 15.50, 17.20, 19.70, 21.30 } },
  { "C-(C)2(CN)(H)", 25.80, 19.80, { 11.00, 12.70, 14.10, 15.40, 17.30, 18.60 } },
  { "Cd-(CN)(H)", 37.40, 36.58, { 9.80, 11.70, 13.30, 14.50, 16.30, 17.30 } },
  { "Ct-(CN)", 63.80, 35.40, { 10.30, 11.30, 12.10, 12.70, 13.60, 14.30 } },
  { "Cb-(CN)", 35.80, 20.50, { 9.80, 11.20, 12.30, 13.10, 14.20, 14.90 } },
  // Amides: the carbonyl carbon on nitrogen, and the nitrogen of a primary amide.
  { "CO-(N)(H)", -29.60, 34.93, { 7.03, 7.87, 8.82, 9.68, 11.16, 12.20 } },
  { "CO-(C)(N)", -32.80, 16.20, { 5.37, 6.17, 7.07, 7.66, 9.62, 11.19 } },
  { "N-(CO)(H)2", -14.90, 24.69, { 4.07, 5.74, 7.13, 8.29, 9.96, 11.22 } },
  // Halogens on a benzene ring (the carbon that carries them; the halogen has no group).
  { "Cb-(Cl)", -3.80, 18.90, { 7.40, 8.40, 9.20, 9.70, 10.20, 10.40 } },
  { "Cb-(I)", 24.00, 23.70, { 8.00, 8.90, 9.60, 9.90, 10.30, 10.50 } },
};

// Groups whose formation enthalpy (kcal/mol) Benson gives without heat capacities. The entropy
// he gives for some is noted; without the heat capacities it cannot serve above 298.15 K.
struct EnthalpyOnly
{
  std::string_view key;
  double dH;
};

constexpr EnthalpyOnly enthalpyOnlyGroups[] = {
  // The nitrogen of a pyridine ring, N_I-(C_B): its ring carbons are C_B groups like those of
  // benzene. With five Cb-(H) it gives pyridine 33.2 kcal/mol (measured 33.6, 140.4 kJ/mol).
  { "NI-(Cb)", 16.70 },
  // Nitro groups, NO2 taken whole, on the carbon (or oxygen, a nitrate) that carries them.
  { "C-(C)(NO2)(H)2", -15.10 }, // S 48.4
  { "C-(C)2(NO2)(H)", -15.80 }, // S 26.9
  { "C-(C)(NO2)2(H)", -14.90 },
  { "O-(C)(NO2)", -19.40 }, // S 48.5
  // Nitriles.
  { "C-(C)3(CN)", 29.00 }, // S -2.8
  { "Cd-(CN)2", 34.10 },
  // Secondary and tertiary amides and imides.
  { "N-(C)(CO)(H)", -4.40 }, // S 3.9
  { "N-(Cb)(CO)(H)", 0.40 },
  { "N-(CO)2(H)", -18.50 },
  { "N-(C)(CO)2", -5.90 },
  { "N-(Cb)(CO)2", -0.50 },
  // Fluorine and bromine on a benzene ring: enthalpies (and entropies, 16.1 and 21.6) as in
  // S. W. Benson et al., Chem. Rev. 69, 279 (1969); their heat capacities could not be checked
  // against the source here, so these two serve the enthalpy only.
  { "Cb-(F)", -42.80 },
  { "Cb-(Br)", 10.70 },
  // Amines on a benzene ring beyond the primary one.
  { "N-(C)(Cb)(H)", 14.90 },
  { "N-(C)2(Cb)", 26.20 },
  { "N-(Cb)2(H)", 16.30 },
};

// Ring corrections, keyed "size:heteroatom:double bonds".
constexpr GroupValue rings[] = {
  { "3:0:0", 27.60, 32.10, { -3.13, -2.88, -2.41, -1.97, -1.90, -1.75 } },
  { "4:0:0", 26.20, 29.80, { -5.02, -4.69, -3.95, -3.15, -2.54, -2.02 } },
  { "5:0:0", 6.30, 27.30, { -7.58, -6.80, -5.53, -4.23, -3.02, -2.09 } },
  { "6:0:0", 0.00, 18.80, { -7.64, -6.40, -4.53, -2.56, -0.16, 1.21 } },
  { "3:0:1", 53.70, 33.60, { -0.32, -0.76, -0.83, -0.83, -1.26, -1.46 } },
  { "4:0:1", 29.80, 29.00, { -3.07, -2.95, -2.40, -1.82, -1.62, -1.34 } },
  { "5:0:1", 5.90, 25.80, { -4.51, -4.18, -3.40, -2.59, -2.05, -1.53 } },
  { "6:0:1", 1.40, 21.50, { -5.15, -4.53, -3.47, -2.37, -1.38, -0.56 } },
  { "5:0:2", 6.00, 25.10, { -3.81, -3.98, -3.39, -2.62, -2.07, -1.61 } },
  { "3:8:0", 27.20, 31.40, { -3.13, -2.88, -2.41, -1.97, -1.90, -1.75 } },
  { "4:8:0", 25.70, 27.60, { -5.02, -4.69, -3.95, -3.15, -2.54, -2.02 } },
  { "5:8:0", 5.90, 27.20, { -7.58, -6.80, -5.53, -4.23, -3.02, -2.09 } },
  { "6:8:0", 0.50, 16.30, { -7.64, -6.40, -4.53, -2.56, -0.16, 1.21 } },
  { "3:7:0", 27.70, 31.60, { -3.13, -2.88, -2.41, -1.97, -1.90, -1.75 } },
  { "4:7:0", 26.20, 29.30, { -5.02, -4.69, -3.95, -3.15, -2.54, -2.02 } },
  { "5:7:0", 6.80, 26.70, { -7.58, -6.80, -5.53, -4.23, -3.02, -2.09 } },
  { "6:7:0", 1.00, 18.80, { -7.64, -6.40, -4.53, -2.56, -0.16, 1.21 } },
};

constexpr GroupValue ortho{ "ortho", 0.57, -1.61, { 1.12, 1.35, 1.30, 1.17, 0.88, 0.66 } };

template<class Table>
auto find(const Table& table, std::string_view key)
{
  const auto it =
    std::find_if(std::begin(table), std::end(table), [&](const auto& g) { return g.key == key; });
  return it == std::end(table) ? nullptr : &*it;
}

} // namespace

const GroupValue* groupValue(std::string_view key)
{
  return find(groups, key);
}

std::optional<double> groupEnthalpy(std::string_view key)
{
  if (const GroupValue* full = find(groups, key))
    return full->dH;
  if (const EnthalpyOnly* partial = find(enthalpyOnlyGroups, key))
    return partial->dH;
  return std::nullopt;
}

const GroupValue* ringCorrection(int size, int heteroatom, int doubleBonds)
{
  const std::string key =
    std::to_string(size) + ":" + std::to_string(heteroatom) + ":" + std::to_string(doubleBonds);
  return find(rings, key);
}

const GroupValue& orthoCorrection()
{
  return ortho;
}

} // namespace trelvix
