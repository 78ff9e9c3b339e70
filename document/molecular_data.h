#pragma once

#include <array>
#include <string>
#include <vector>

namespace trelvix {

class TFragment;

/// One element of a formula and how many atoms of it the molecule holds.
struct ElementCount
{
  int element = 0;
  int count = 0;
};

/// True when the molecule has a chemical atom (free labels, formulas and the points of symbols
/// are not atoms).
bool holdsMolecule(const TFragment& molecule);
/// Hydrogen atoms plus half the open valence (rounded down) of every main-group atom that carries
/// implicit hydrogens.
int hydrogenCount(const TFragment& molecule);
/// The elements of the molecule in formula order: carbon, nitrogen, oxygen, fluorine, phosphorus,
/// sulphur, chlorine, bromine and iodine first where enough entries precede them, the others in
/// the order the atoms are met (first atom, then last to second). Hydrogen is among them.
std::vector<ElementCount> formulaElements(const TFragment& molecule);

/// "C H4 O ": each element (hydrogen aside) with its count when 2 or more and a blank; after
/// carbon the hydrogens the same way.
std::string formulaText(const TFragment& molecule);
/// The formula weight with implicit hydrogens, "%10.3f".
std::string formulaWeightText(const TFragment& molecule);
/// "C 52.1 H 13.1 O 34.7 ": weight percent of each formula element, the hydrogens after carbon.
std::string compositionText(const TFragment& molecule);

/// The dipole moment in debye as the Dipole Moment command shows it ("%4.2fD").
std::string dipoleText(double debye, int width = 4);
/// Three principal moments, each "%6.<decimals>f", joined by separator.
std::string momentsText(const std::array<double, 3>& moments,
                        int decimals,
                        const std::string& separator);
/// The strain energy (cal/mol) in kilocalories, "%<width>.3f".
std::string strainText(double strainCalories, int width);

/// The Principal Moments command's text: each moment "%6.0f" followed by "amu-Å²", blank-separated.
std::string principalMomentsMessage(const std::array<double, 3>& moments);
/// The Strain Energy command's text: "%5.3f Kcal".
std::string strainMessage(double strainCalories);

} // namespace trelvix
