// The texts of the molecular data window and of the property commands: formula, formula weight,
// composition, dipole moment, principal moments and strain energy.
#include "document/molecular_data.h"

#include "model/atom.h"
#include "model/element_table.h"
#include "model/fragment.h"
#include "platform/fixed_text.h"

#include <algorithm>
#include <cstdio>

namespace trelvix {

namespace {

constexpr int hydrogen = 1;
constexpr int carbon = 6;

// The formula places these elements first, each at its own position when enough entries precede
// it: C, N, O, F, P, S, Cl, Br, I.
constexpr std::array<int, 9> leadingElements{ 6, 7, 8, 9, 15, 16, 17, 35, 53 };

std::string symbolOf(int z)
{
  return elementData(z).symbol;
}

bool isChemicalAtom(const tXY* atom)
{
  return atom->element > 0 && !atom->textFlag;
}

void countAtom(std::vector<ElementCount>& entries, const tXY* atom)
{
  if (!isChemicalAtom(atom))
    return;
  auto it = std::find_if(entries.begin(), entries.end(), [&](const ElementCount& e) {
    return e.element == atom->element;
  });
  if (it != entries.end())
    ++it->count;
  else
    entries.push_back({ atom->element, 1 });
}

// The formula elements with the hydrogens (of every source) folded into one entry: right after
// carbon, or first when there is no carbon, so that water reads "H2 O " rather than losing its
// hydrogens.
std::vector<ElementCount> entriesWithHydrogens(const TFragment& molecule)
{
  std::vector<ElementCount> entries;
  for (const ElementCount& e : formulaElements(molecule)) {
    if (e.element != hydrogen)
      entries.push_back(e);
  }
  const int hydrogens = hydrogenCount(molecule);
  if (hydrogens > 0) {
    auto at = std::find_if(
      entries.begin(), entries.end(), [](const ElementCount& e) { return e.element == carbon; });
    entries.insert(at == entries.end() ? entries.begin() : at + 1, { hydrogen, hydrogens });
  }
  return entries;
}

} // namespace

bool holdsMolecule(const TFragment& molecule)
{
  return std::any_of(molecule.Atoms.begin(), molecule.Atoms.end(), isChemicalAtom);
}

int hydrogenCount(const TFragment& molecule)
{
  int n = 0;
  for (const tXY* a : molecule.Atoms) {
    if (a->textFlag)
      continue;
    if (a->element == hydrogen)
      ++n;
    else if (countsImplicitHydrogens(a->element) && a->freeValence > 0)
      n += a->mult();
  }
  return n;
}

std::vector<ElementCount> formulaElements(const TFragment& molecule)
{
  std::vector<ElementCount> met;
  const tAtoms& atoms = molecule.Atoms;
  if (!atoms.empty()) {
    countAtom(met, atoms.At(0));
    for (int i = atoms.Count() - 1; i >= 1; --i)
      countAtom(met, atoms.At(i));
  }
  std::vector<ElementCount> ordered;
  for (const ElementCount& e : met) {
    const auto lead = std::find(leadingElements.begin(), leadingElements.end(), e.element);
    const auto position = static_cast<std::size_t>(lead - leadingElements.begin());
    if (lead != leadingElements.end() && ordered.size() > position)
      ordered.insert(ordered.begin() + static_cast<std::ptrdiff_t>(position), e);
    else
      ordered.push_back(e);
  }
  return ordered;
}

std::string formulaText(const TFragment& molecule)
{
  std::string text;
  for (const ElementCount& e : entriesWithHydrogens(molecule)) {
    text += symbolOf(e.element);
    if (e.count >= 2)
      text += std::to_string(e.count);
    text += ' ';
  }
  return text;
}

std::string formulaWeightText(const TFragment& molecule)
{
  return fixedText(molecule.getmw(), 10, 3).substr(0, 96);
}

std::string compositionText(const TFragment& molecule)
{
  const double weight = molecule.getmw();
  if (!(weight > 0))
    return {};
  std::string text;
  for (const ElementCount& e : entriesWithHydrogens(molecule)) {
    const double percent = e.count * elementData(e.element).weight * 100.0 / weight;
    text += symbolOf(e.element) + ' ' + fixedText(percent, 3, 1) + ' ';
  }
  return text;
}

std::string dipoleText(double debye, int width)
{
  return fixedText(debye, width, 2) + "D";
}

std::string momentsText(const std::array<double, 3>& moments,
                        int decimals,
                        const std::string& separator)
{
  return fixedText(moments[0], 6, decimals) + separator + fixedText(moments[1], 6, decimals) +
         separator + fixedText(moments[2], 6, decimals);
}

std::string strainText(double strainCalories, int width)
{
  return fixedText(strainCalories * 0.001, width, 3);
}

std::string principalMomentsMessage(const std::array<double, 3>& moments)
{
  return momentsText(moments, 0, "amu-Å² ") + "amu-Å²";
}

std::string strainMessage(double strainCalories)
{
  return strainText(strainCalories, 5) + " Kcal";
}

} // namespace trelvix
