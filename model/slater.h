#pragma once

namespace trelvix {

/// Size of the outermost occupied orbital of element z with the given charge, by Slater's rules:
/// n*² × 0.5292 / Zeff in Ångström, where n* is the effective principal quantum number of the
/// outermost occupied shell (1, 2, 3, 3.7, 4.0, 4.2 for shells 1..6 and beyond) and Zeff the
/// effective nuclear charge that shell sees, at least 0.5.
double slaterOrbitalSize(int z, int charge);

/// Total orbital energy of element z with the given charge by Slater's rules, in calories per
/// mole (negative: bound electrons). Differences of it give ionisation energies.
double slaterElectronicEnergy(int z, int charge);

} // namespace trelvix
