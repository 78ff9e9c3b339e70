// The heavy-atom graph of a species: read from SMILES, written as a formula, compared with
// another.
#include "thermo/molecule_graph.h"

#include "model/element_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace trelvix {

namespace {

// The normal valences of the organic subset, lowest first.
std::vector<int> normalValences(int z)
{
  switch (z) {
    case 5:
      return { 3 };
    case 6:
      return { 4 };
    case 7:
    case 15:
      return { 3, 5 };
    case 8:
      return { 2 };
    case 16:
      return { 2, 4, 6 };
    case 9:
    case 17:
    case 35:
    case 53:
      return { 1 };
    default:
      return {};
  }
}

struct ParsedAtom
{
  GraphAtom atom;
  bool bracket = false; // hydrogens given explicitly
};

class SmilesReader
{
public:
  explicit SmilesReader(std::string_view text)
    : s_(text)
  {
  }

  std::optional<SpeciesGraph> read()
  {
    int previous = -1;
    int pendingOrder = -1; // -1: none written
    std::vector<int> branches;
    std::map<int, std::pair<int, int>> openRings; // number -> atom, order written there
    while (i_ < s_.size()) {
      const char c = s_[i_];
      if (c == '(') {
        if (previous < 0)
          return std::nullopt;
        branches.push_back(previous);
        ++i_;
      } else if (c == ')') {
        if (branches.empty())
          return std::nullopt;
        previous = branches.back();
        branches.pop_back();
        ++i_;
      } else if (c == '-' || c == '=' || c == '#' || c == ':' || c == '/' || c == '\\') {
        pendingOrder = c == '=' ? 2 : c == '#' ? 3 : c == ':' ? 0 : 1;
        ++i_;
      } else if (c == '.') {
        previous = -1;
        ++i_;
      } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '%') {
        const std::optional<int> number = ringNumber();
        if (!number || previous < 0)
          return std::nullopt;
        if (auto open = openRings.find(*number); open != openRings.end()) {
          const int order = pendingOrder >= 0 ? pendingOrder : open->second.second;
          addBond(open->second.first, previous, order);
          openRings.erase(open);
        } else {
          openRings[*number] = { previous, pendingOrder };
        }
        pendingOrder = -1;
      } else {
        const int atom = readAtom();
        if (atom < 0)
          return std::nullopt;
        if (previous >= 0)
          addBond(previous, atom, pendingOrder);
        previous = atom;
        pendingOrder = -1;
      }
    }
    if (!branches.empty() || !openRings.empty() || atoms_.empty())
      return std::nullopt;
    return finish();
  }

private:
  std::string_view s_;
  std::size_t i_ = 0;
  std::vector<ParsedAtom> atoms_;
  std::vector<GraphBond> bonds_;

  std::optional<int> ringNumber()
  {
    if (s_[i_] != '%')
      return s_[i_++] - '0';
    if (i_ + 2 >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_ + 1])) ||
        !std::isdigit(static_cast<unsigned char>(s_[i_ + 2])))
      return std::nullopt;
    const int n = (s_[i_ + 1] - '0') * 10 + (s_[i_ + 2] - '0');
    i_ += 3;
    return n;
  }

  // An element symbol at the read position: a capital with an optional small letter when that
  // names an element, or one of the aromatic small forms.
  int readSymbol(bool& aromatic, bool inBracket)
  {
    aromatic = false;
    static constexpr std::array<std::pair<const char*, int>, 8> aromaticForms{ {
      { "se", 34 },
      { "as", 33 },
      { "b", 5 },
      { "c", 6 },
      { "n", 7 },
      { "o", 8 },
      { "p", 15 },
      { "s", 16 },
    } };
    for (const auto& [form, z] : aromaticForms) {
      const std::string_view f(form);
      if ((inBracket || f.size() == 1) && s_.substr(i_, f.size()) == f) {
        aromatic = true;
        i_ += f.size();
        return z;
      }
    }
    if (!std::isupper(static_cast<unsigned char>(s_[i_])))
      return 0;
    if (i_ + 1 < s_.size() && std::islower(static_cast<unsigned char>(s_[i_ + 1]))) {
      const std::string two(s_.substr(i_, 2));
      // Outside brackets only Cl and Br take two letters.
      const int z = elementBySymbol(two.c_str());
      if (z > 0 && (inBracket || two == "Cl" || two == "Br")) {
        i_ += 2;
        return z;
      }
    }
    const int z = elementBySymbol(std::string(1, s_[i_]).c_str());
    if (z > 0 && (inBracket || !normalValences(z).empty()))
      ++i_;
    else
      return 0;
    return z;
  }

  int readAtom()
  {
    ParsedAtom parsed;
    if (s_[i_] == '[') {
      ++i_;
      parsed.bracket = true;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
        ++i_; // isotope
      parsed.atom.element = readSymbol(parsed.atom.aromatic, true);
      if (parsed.atom.element == 0)
        return -1;
      while (i_ < s_.size() && s_[i_] == '@')
        ++i_;
      if (i_ < s_.size() && s_[i_] == 'H') {
        ++i_;
        parsed.atom.hydrogens = 1;
        if (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
          parsed.atom.hydrogens = s_[i_++] - '0';
      }
      while (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
        const int sign = s_[i_++] == '+' ? 1 : -1;
        if (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
          parsed.atom.charge += sign * (s_[i_++] - '0');
        else
          parsed.atom.charge += sign;
      }
      if (i_ < s_.size() && s_[i_] == ':') {
        ++i_;
        while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
          ++i_;
      }
      if (i_ >= s_.size() || s_[i_] != ']')
        return -1;
      ++i_;
    } else {
      parsed.atom.element = readSymbol(parsed.atom.aromatic, false);
      if (parsed.atom.element == 0)
        return -1;
    }
    atoms_.push_back(parsed);
    return static_cast<int>(atoms_.size()) - 1;
  }

  void addBond(int a, int b, int written)
  {
    const bool bothAromatic = atoms_[a].atom.aromatic && atoms_[b].atom.aromatic;
    const int order = written >= 0 ? written : bothAromatic ? 0 : 1;
    bonds_.push_back({ a, b, order });
  }

  // Hydrogens of the organic subset: the lowest normal valence that the bonds leave room for,
  // less the bonds; an aromatic atom gives one more to its ring unless it has three ring bonds.
  int implicitHydrogens(int i) const
  {
    int used = 0, count = 0;
    for (const GraphBond& b : bonds_) {
      if (b.a == i || b.b == i) {
        used += b.order == 0 ? 1 : b.order;
        ++count;
      }
    }
    const GraphAtom& atom = atoms_[i].atom;
    if (atom.aromatic && count >= 3)
      return 0;
    if (atom.aromatic)
      ++used;
    for (int v : normalValences(atom.element)) {
      if (v >= used)
        return v - used;
    }
    return 0;
  }

  // Hydrogen atoms written as atoms become hydrogens of the atom they are bonded to.
  SpeciesGraph finish() const
  {
    std::vector<int> hydrogens(atoms_.size(), 0);
    std::vector<bool> folded(atoms_.size(), false);
    for (std::size_t i = 0; i < atoms_.size(); ++i)
      hydrogens[i] = atoms_[i].bracket ? atoms_[i].atom.hydrogens : implicitHydrogens(int(i));
    for (const GraphBond& b : bonds_) {
      for (const auto& [h, other] : { std::pair{ b.a, b.b }, std::pair{ b.b, b.a } }) {
        if (atoms_[h].atom.element == 1 && !folded[h] && !folded[other] &&
            (atoms_[other].atom.element != 1 || h > other)) {
          folded[h] = true;
          ++hydrogens[other];
        }
      }
    }
    SpeciesGraph graph;
    std::vector<int> index(atoms_.size(), -1);
    for (std::size_t i = 0; i < atoms_.size(); ++i) {
      if (folded[i])
        continue;
      index[i] = static_cast<int>(graph.atoms.size());
      GraphAtom atom = atoms_[i].atom;
      atom.hydrogens = hydrogens[i];
      graph.atoms.push_back(atom);
    }
    for (const GraphBond& b : bonds_) {
      if (index[b.a] >= 0 && index[b.b] >= 0)
        graph.bonds.push_back({ index[b.a], index[b.b], b.order });
    }
    return graph;
  }
};

// What an atom must keep under any renumbering: element, hydrogens and number of bonds.
std::vector<long> atomLabels(const SpeciesGraph& g)
{
  std::vector<long> label(g.atoms.size());
  for (std::size_t i = 0; i < g.atoms.size(); ++i)
    label[i] = g.atoms[i].element * 1000L + g.atoms[i].hydrogens * 10L + g.degree(int(i));
  return label;
}

// Extends a partial mapping of a's atoms onto b's atoms, atom by atom in a's order.
bool extendMapping(const SpeciesGraph& a,
                   const SpeciesGraph& b,
                   const std::vector<long>& labelA,
                   const std::vector<long>& labelB,
                   std::vector<int>& map,
                   std::vector<bool>& used,
                   int next)
{
  if (next == static_cast<int>(a.atoms.size()))
    return true;
  for (int candidate = 0; candidate < static_cast<int>(b.atoms.size()); ++candidate) {
    if (used[candidate] || labelA[next] != labelB[candidate])
      continue;
    bool fits = true;
    for (int j : a.neighbours(next)) {
      if (j < next && !b.bondBetween(map[j], candidate)) {
        fits = false;
        break;
      }
    }
    if (!fits)
      continue;
    map[next] = candidate;
    used[candidate] = true;
    if (extendMapping(a, b, labelA, labelB, map, used, next + 1))
      return true;
    used[candidate] = false;
  }
  return false;
}

} // namespace

const SpeciesGraph::Adjacency& SpeciesGraph::adjacency() const
{
  Adjacency& a = adjacency_;
  if (a.atoms != atoms.size() || a.bonds != bonds.size() || a.neighbours.size() != atoms.size()) {
    a.neighbours.assign(atoms.size(), {});
    a.bondIndices.assign(atoms.size(), {});
    for (std::size_t k = 0; k < bonds.size(); ++k) {
      const GraphBond& b = bonds[k];
      if (b.a < 0 || b.b < 0 || b.a >= int(atoms.size()) || b.b >= int(atoms.size()))
        continue;
      a.neighbours[b.a].push_back(b.b);
      a.bondIndices[b.a].push_back(int(k));
      if (b.b != b.a) {
        a.neighbours[b.b].push_back(b.a);
        a.bondIndices[b.b].push_back(int(k));
      }
    }
    a.atoms = atoms.size();
    a.bonds = bonds.size();
  }
  return a;
}

const std::vector<int>& SpeciesGraph::neighbours(int i) const
{
  return adjacency().neighbours[i];
}

const GraphBond* SpeciesGraph::bondBetween(int a, int b) const
{
  const Adjacency& adj = adjacency();
  const std::vector<int>& around = adj.neighbours[a];
  for (std::size_t k = 0; k < around.size(); ++k) {
    if (around[k] == b)
      return &bonds[adj.bondIndices[a][k]];
  }
  return nullptr;
}

int SpeciesGraph::degree(int i) const
{
  return static_cast<int>(neighbours(i).size());
}

std::optional<SpeciesGraph> graphFromSmiles(std::string_view smiles)
{
  if (smiles.empty())
    return std::nullopt;
  return SmilesReader(smiles).read();
}

std::string hillFormula(const SpeciesGraph& graph)
{
  std::map<std::string, int> counts;
  for (const GraphAtom& a : graph.atoms) {
    counts[elementData(a.element).symbol] += 1;
    if (a.hydrogens > 0)
      counts["H"] += a.hydrogens;
  }
  std::string formula;
  const auto put = [&](const std::string& symbol) {
    const auto it = counts.find(symbol);
    if (it == counts.end())
      return;
    formula += symbol;
    if (it->second > 1)
      formula += std::to_string(it->second);
    counts.erase(it);
  };
  if (counts.count("C")) {
    put("C");
    put("H");
  }
  while (!counts.empty())
    put(counts.begin()->first);
  return formula;
}

bool sameConnectivity(const SpeciesGraph& a, const SpeciesGraph& b)
{
  if (a.atoms.size() != b.atoms.size() || a.bonds.size() != b.bonds.size())
    return false;
  const std::vector<long> labelA = atomLabels(a);
  const std::vector<long> labelB = atomLabels(b);
  std::vector<long> sortedA = labelA, sortedB = labelB;
  std::sort(sortedA.begin(), sortedA.end());
  std::sort(sortedB.begin(), sortedB.end());
  if (sortedA != sortedB)
    return false;
  std::vector<int> map(a.atoms.size(), -1);
  std::vector<bool> used(b.atoms.size(), false);
  return extendMapping(a, b, labelA, labelB, map, used, 0);
}

} // namespace trelvix
