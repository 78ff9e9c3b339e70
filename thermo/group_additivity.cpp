// Benson's group additivity on a species graph: the groups, the ring and ortho corrections, and
// the entropy of symmetry and optical isomers.
#include "thermo/group_additivity.h"

#include "thermo/group_values.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

namespace trelvix {

namespace {

constexpr double calPerKcal = 1000;
// Automorphism searches stop here; a species with more is beyond this estimate.
constexpr long maxAutomorphisms = 100000;
// The integral of Cp and Cp/T is exact on the straight pieces between these.
constexpr std::array<double, 6> knots = groupTemperatures;

// The written order of neighbour types in a group key; the first seven are the centres a methyl
// may sit on and still be C-(C)(H)3.
constexpr std::array<std::string_view, 13> typeOrder{ "C",  "Cd",  "Ct", "Cb", "CO", "O", "N",
                                                      "CN", "NO2", "F",  "Cl", "Br", "I" };
constexpr std::size_t methylCentres = 7;
// The types that have no group of their own: their values are in the groups of the atom that
// carries them.
constexpr std::array<std::string_view, 6> carried{ "CN", "NO2", "F", "Cl", "Br", "I" };

// Half-bonds of a bond: an aromatic bond counts one and a half.
int halfBonds(const GraphBond& b)
{
  return b.order == 0 ? 3 : 2 * b.order;
}

int valence(int element)
{
  switch (element) {
    case 6:
      return 4;
    case 7:
      return 3;
    case 8:
      return 2;
    case 9:
    case 17:
    case 35:
    case 53:
      return 1;
    default:
      return 0;
  }
}

const char* halogenSymbol(int element)
{
  return element == 9 ? "F" : element == 17 ? "Cl" : element == 35 ? "Br" : "I";
}

bool isCarried(std::string_view type)
{
  return std::find(carried.begin(), carried.end(), type) != carried.end();
}

/// The sums of a species' groups and corrections; entropy and heat capacities only when every
/// group has them.
struct GroupSum
{
  double dH = 0;
  double S = 0;
  std::array<double, 6> cp{};
  bool complete = true;

  void add(const GroupValue& v)
  {
    dH += v.dH;
    S += v.S;
    for (std::size_t k = 0; k < cp.size(); ++k)
      cp[k] += v.cp[k];
  }
};

class GroupAnalysis
{
public:
  explicit GroupAnalysis(const SpeciesGraph& graph)
    : g_(graph)
  {
  }

  std::unique_ptr<GroupThermo> estimate()
  {
    std::optional<GroupSum> sum = groupSum();
    if (!sum || !sum->complete)
      return nullptr;
    const std::optional<double> symmetry = symmetryNumber();
    if (!symmetry)
      return nullptr;
    sum->S += tableR * (stereocentres() * std::log(2.0) - std::log(*symmetry));
    return std::make_unique<GroupThermo>(sum->dH * calPerKcal, sum->S, sum->cp);
  }

  std::optional<double> formationEnthalpy()
  {
    const std::optional<GroupSum> sum = groupSum();
    if (!sum)
      return std::nullopt;
    return sum->dH * calPerKcal;
  }

private:
  const SpeciesGraph& g_;
  SpeciesGraph work_;
  std::vector<std::string> type_;
  std::vector<std::vector<int>> rings_;
  std::vector<bool> inBenzene_;
  std::vector<bool> nitro_;
  std::vector<bool> nitroOxygen_;
  std::vector<int> orbit_;
  std::vector<long> labels_;
  std::vector<int> order_;
  std::vector<int> anchor_;
  std::vector<int> position_;

  int atomCount() const { return static_cast<int>(g_.atoms.size()); }

  // The groups, ring corrections and ortho corrections of the species; nullopt when one of them
  // is beyond the tables, even for its enthalpy.
  std::optional<GroupSum> groupSum()
  {
    if (g_.atoms.size() < 2)
      return std::nullopt;
    findNitroGroups();
    if (!closedShell())
      return std::nullopt;
    findRings();
    markBenzeneRings();
    if (!assignTypes() || !carriedByGroups())
      return std::nullopt;
    GroupSum sum;
    for (int i = 0; i < atomCount(); ++i) {
      if (type_[i].empty() || isCarried(type_[i]))
        continue;
      const std::string key = groupKey(i);
      if (const GroupValue* v = groupValue(key)) {
        sum.add(*v);
      } else if (const std::optional<double> dH = groupEnthalpy(key)) {
        sum.dH += *dH;
        sum.complete = false;
      } else {
        return std::nullopt;
      }
    }
    if (!addRingCorrections([&](const GroupValue& v) { sum.add(v); }))
      return std::nullopt;
    for (int k = orthoPairs(); k > 0; --k)
      sum.add(orthoCorrection());
    return sum;
  }

  // A nitrogen with a single bond to the rest of the species and two oxygens that have no other
  // bond: N(=O)=O as drawn, or [N+](=O)[O-] with its charges.
  void findNitroGroups()
  {
    nitro_.assign(g_.atoms.size(), false);
    nitroOxygen_.assign(g_.atoms.size(), false);
    for (int i = 0; i < atomCount(); ++i) {
      const GraphAtom& n = g_.atoms[i];
      if (n.element != 7 || n.hydrogens != 0 || g_.degree(i) != 3)
        continue;
      std::vector<int> oxygens, orders;
      int others = 0, chargeSum = n.charge;
      for (int j : g_.neighbours(i)) {
        const GraphAtom& o = g_.atoms[j];
        const int order = g_.bondBetween(i, j)->order;
        if (o.element == 8 && o.hydrogens == 0 && g_.degree(j) == 1) {
          oxygens.push_back(j);
          orders.push_back(order);
          chargeSum += o.charge;
        } else {
          others += order == 1 ? 1 : 2;
        }
      }
      if (oxygens.size() != 2 || others != 1 || chargeSum != 0)
        continue;
      std::sort(orders.begin(), orders.end());
      const bool drawn = n.charge == 0 && orders == std::vector<int>{ 2, 2 };
      const bool charged = n.charge == 1 && orders == std::vector<int>{ 1, 2 };
      if (!drawn && !charged)
        continue;
      nitro_[i] = true;
      for (int o : oxygens)
        nitroOxygen_[o] = true;
    }
  }

  // Only C, H, O, N and the halogens, uncharged but for a nitro group's own charges, every
  // valence filled.
  bool closedShell() const
  {
    for (int i = 0; i < atomCount(); ++i) {
      const GraphAtom& a = g_.atoms[i];
      if (nitro_[i] || nitroOxygen_[i])
        continue;
      if (valence(a.element) == 0 || a.charge != 0)
        return false;
      int half = 2 * a.hydrogens;
      for (int j : g_.neighbours(i))
        half += halfBonds(*g_.bondBetween(i, j));
      if (half != 2 * valence(a.element))
        return false;
    }
    return true;
  }

  // Every simple cycle of three to six atoms, each once.
  void findRings()
  {
    std::set<std::vector<int>> seen;
    std::vector<int> path;
    for (int start = 0; start < atomCount(); ++start) {
      path = { start };
      extendCycle(start, path, seen);
    }
  }

  void extendCycle(int start, std::vector<int>& path, std::set<std::vector<int>>& seen)
  {
    for (int next : g_.neighbours(path.back())) {
      if (next == start && path.size() >= 3) {
        std::vector<int> key = path;
        std::sort(key.begin(), key.end());
        if (seen.insert(key).second)
          rings_.push_back(path);
      } else if (next > start && path.size() < 6 &&
                 std::find(path.begin(), path.end(), next) == path.end()) {
        path.push_back(next);
        extendCycle(start, path, seen);
        path.pop_back();
      }
    }
  }

  int ringBondOrder(const std::vector<int>& ring, std::size_t k) const
  {
    return g_.bondBetween(ring[k], ring[(k + 1) % ring.size()])->order;
  }

  // Six atoms joined by aromatic bonds or by alternating single and double bonds: carbons, or
  // carbons and one nitrogen (a pyridine ring).
  void markBenzeneRings()
  {
    inBenzene_.assign(g_.atoms.size(), false);
    for (const std::vector<int>& ring : rings_) {
      if (ring.size() != 6)
        continue;
      bool aromatic = true, alternating = true;
      for (std::size_t k = 0; k < 6; ++k) {
        aromatic = aromatic && ringBondOrder(ring, k) == 0;
        alternating = alternating && ringBondOrder(ring, k) == (k % 2 == 0 ? 1 : 2);
      }
      bool shifted = true;
      for (std::size_t k = 0; k < 6; ++k)
        shifted = shifted && ringBondOrder(ring, k) == (k % 2 == 0 ? 2 : 1);
      const auto carbons =
        std::count_if(ring.begin(), ring.end(), [&](int i) { return g_.atoms[i].element == 6; });
      const auto nitrogens =
        std::count_if(ring.begin(), ring.end(), [&](int i) { return g_.atoms[i].element == 7; });
      if ((carbons == 6 || (carbons == 5 && nitrogens == 1)) &&
          (aromatic || alternating || shifted)) {
        for (int i : ring)
          inBenzene_[i] = true;
      }
    }
  }

  bool ringBond(int a, int b) const { return inBenzene_[a] && inBenzene_[b]; }

  bool assignTypes()
  {
    type_.assign(g_.atoms.size(), "");
    for (int i = 0; i < atomCount(); ++i) {
      const int z = g_.atoms[i].element;
      if (nitro_[i] || nitroOxygen_[i]) {
        type_[i] = nitro_[i] ? "NO2" : ""; // the oxygens belong to their nitrogen
        continue;
      }
      int doubles = 0, triples = 0, aromaticBonds = 0, doubleToO = 0, tripleToN = 0;
      for (int j : g_.neighbours(i)) {
        const int order = g_.bondBetween(i, j)->order;
        const int zj = g_.atoms[j].element;
        if (ringBond(i, j))
          ++aromaticBonds;
        else if (order == 0)
          return false; // aromatic outside a benzene or pyridine ring
        else if (order == 2) {
          ++doubles;
          doubleToO += zj == 8;
          if (zj == 7 || (z != 6 && zj != 6))
            return false;
        } else if (order == 3) {
          ++triples;
          tripleToN += zj == 7;
          if (!((z == 6 && (zj == 6 || zj == 7)) || (z == 7 && zj == 6)))
            return false;
        }
      }
      if (valence(z) == 1)
        type_[i] = g_.degree(i) == 1 ? halogenSymbol(z) : "";
      else if (z == 6 && inBenzene_[i])
        type_[i] = aromaticBonds == 2 ? "Cb" : "";
      else if (z == 7 && inBenzene_[i])
        type_[i] = aromaticBonds == 2 && g_.degree(i) == 2 ? "NI" : "";
      else if (z == 6 && tripleToN == 1)
        type_[i] = g_.degree(i) == 2 && g_.atoms[i].hydrogens == 0 ? "CN" : "";
      else if (z == 6)
        type_[i] = triples == 1                     ? "Ct"
                   : doubles == 2 && doubleToO == 0 ? "Ca"
                   : doubles == 1                   ? (doubleToO ? "CO" : "Cd")
                   : doubles == 0 && triples == 0   ? "C"
                                                    : "";
      else if (z == 8)
        type_[i] = doubles == 0 ? "O" : "-"; // the oxygen of a carbonyl belongs to its carbon
      else if (triples == 1)
        type_[i] = g_.degree(i) == 1 ? "-" : ""; // the nitrogen of a nitrile belongs to its CN
      else
        type_[i] = doubles == 0 && triples == 0 ? "N" : "";
      if (type_[i].empty())
        return false;
      if (type_[i] == "-")
        type_[i].clear();
    }
    return true;
  }

  // Each nitrile, nitro group and halogen is carried by a neighbour with a group of its own,
  // whose key names it; carried by another of its kind (cyanogen, ClCl) nothing would count it.
  bool carriedByGroups() const
  {
    for (int i = 0; i < atomCount(); ++i) {
      if (!isCarried(type_[i]))
        continue;
      for (int j : g_.neighbours(i)) {
        if (!nitroOxygen_[j] && g_.bondBetween(i, j)->order != 3 &&
            (type_[j].empty() || isCarried(type_[j])))
          return false;
      }
    }
    return true;
  }

  // The partner that a Cd, Ct, Cb, CO or Ca group does not write.
  bool isPartnerOf(int i, int j) const
  {
    const std::string& t = type_[i];
    const int order = g_.bondBetween(i, j)->order;
    if (t == "Cb")
      return ringBond(i, j);
    if (t == "Cd" || t == "CO")
      return order == 2;
    if (t == "Ct")
      return order == 3;
    return t == "Ca";
  }

  std::string groupKey(int i) const
  {
    if (type_[i] == "Ca")
      return "Ca";
    // Benson's pyridine nitrogen, N_I-(C_B): its ring partners are C_B groups.
    if (type_[i] == "NI")
      return "NI-(Cb)";
    std::vector<std::string_view> around;
    for (int j : g_.neighbours(i)) {
      if (!isPartnerOf(i, j))
        around.push_back(type_[j]);
    }
    const int h = g_.atoms[i].hydrogens;
    // Benson's convention: a methyl is C-(C)(H)3 whatever carbon, oxygen or nitrogen group it is
    // bonded to (not a nitrile, nitro group or halogen: those have groups of their own).
    const auto methylCentre = [](std::string_view t) {
      return std::find(typeOrder.begin(), typeOrder.begin() + methylCentres, t) !=
             typeOrder.begin() + methylCentres;
    };
    if (type_[i] == "C" && h == 3 && around.size() == 1 && methylCentre(around[0]))
      return "C-(C)(H)3";
    std::string key = type_[i] + "-";
    for (std::string_view t : typeOrder) {
      const auto n = std::count(around.begin(), around.end(), t);
      if (n > 0)
        key += "(" + std::string(t) + ")" + (n > 1 ? std::to_string(n) : "");
    }
    if (h > 0)
      key += "(H)" + (h > 1 ? std::to_string(h) : "");
    return key;
  }

  // One correction per ring that is not a benzene ring; none of them may share an atom with
  // another ring, and no ring may be larger than six atoms.
  template<class Add>
  bool addRingCorrections(const Add& add) const
  {
    const int cyclomatic =
      static_cast<int>(g_.bonds.size()) - atomCount() + 1; // the graph is one piece
    if (static_cast<int>(rings_.size()) != cyclomatic)
      return false;
    std::vector<int> ringsOfAtom(g_.atoms.size(), 0);
    for (const std::vector<int>& ring : rings_) {
      for (int i : ring)
        ++ringsOfAtom[i];
    }
    for (const std::vector<int>& ring : rings_) {
      if (std::any_of(ring.begin(), ring.end(), [&](int i) { return ringsOfAtom[i] > 1; }))
        return false;
      if (inBenzene_[ring[0]])
        continue;
      int hetero = 0, heteroCount = 0, doubles = 0;
      for (std::size_t k = 0; k < ring.size(); ++k) {
        const int z = g_.atoms[ring[k]].element;
        if (z != 6) {
          hetero = z;
          ++heteroCount;
        }
        doubles += ringBondOrder(ring, k) == 2;
      }
      const GroupValue* v =
        heteroCount > 1 ? nullptr : ringCorrection(int(ring.size()), hetero, doubles);
      if (!v)
        return false;
      add(*v);
    }
    return true;
  }

  // Neighbouring carbons of a benzene or pyridine ring that both carry a substituent.
  int orthoPairs() const
  {
    const auto substituted = [&](int i) {
      return g_.atoms[i].element == 6 && g_.atoms[i].hydrogens == 0;
    };
    int pairs = 0;
    for (const GraphBond& b : g_.bonds) {
      if (ringBond(b.a, b.b) && substituted(b.a) && substituted(b.b))
        ++pairs;
    }
    return pairs;
  }

  long label(int i) const
  {
    const GraphAtom& a = g_.atoms[i];
    return a.element * 100000L + a.hydrogens * 1000L + g_.degree(i) * 10L + inBenzene_[i];
  }

  // Every automorphism of the heavy-atom graph; the orbits of its atoms; nullopt past the cap.
  // The atoms are mapped in breadth-first order, so that each but the first of its piece has a
  // mapped neighbour and its candidates are that neighbour's image's neighbours: the search
  // costs the degrees along the way, not the atom count at every step.
  std::optional<long> automorphisms()
  {
    std::vector<int> map(g_.atoms.size(), -1);
    std::vector<bool> used(g_.atoms.size(), false);
    long count = 0;
    orbit_.resize(g_.atoms.size());
    labels_.resize(g_.atoms.size());
    for (int i = 0; i < atomCount(); ++i) {
      orbit_[i] = i;
      labels_[i] = label(i);
    }
    searchOrder();
    const bool complete = enumerate(map, used, 0, count);
    if (!complete)
      return std::nullopt;
    return count;
  }

  // The atoms in breadth-first order, piece by piece, and for each the earlier neighbour its
  // candidates come from (-1 for the first of a piece).
  void searchOrder()
  {
    order_.clear();
    anchor_.assign(g_.atoms.size(), -1);
    std::vector<bool> seen(g_.atoms.size(), false);
    for (int start = 0; start < atomCount(); ++start) {
      if (seen[start])
        continue;
      seen[start] = true;
      std::size_t head = order_.size();
      order_.push_back(start);
      while (head < order_.size()) {
        const int i = order_[head++];
        for (int j : g_.neighbours(i)) {
          if (!seen[j]) {
            seen[j] = true;
            anchor_[j] = i;
            order_.push_back(j);
          }
        }
      }
    }
    position_.assign(g_.atoms.size(), 0);
    for (std::size_t k = 0; k < order_.size(); ++k)
      position_[order_[k]] = static_cast<int>(k);
  }

  int root(int i)
  {
    while (orbit_[i] != i)
      i = orbit_[i] = orbit_[orbit_[i]];
    return i;
  }

  bool enumerate(std::vector<int>& map, std::vector<bool>& used, int step, long& count)
  {
    if (step == atomCount()) {
      ++count;
      for (int i = 0; i < atomCount(); ++i)
        orbit_[root(i)] = root(map[i]);
      return count <= maxAutomorphisms;
    }
    const int next = order_[step];
    const auto tryCandidate = [&](int c) {
      if (used[c] || labels_[c] != labels_[next])
        return true;
      for (int j : g_.neighbours(next)) {
        if (position_[j] < step) {
          const GraphBond* b = g_.bondBetween(map[j], c);
          if (!b || b->order != g_.bondBetween(j, next)->order)
            return true;
        }
      }
      map[next] = c;
      used[c] = true;
      if (!enumerate(map, used, step + 1, count))
        return false;
      used[c] = false;
      return true;
    };
    if (anchor_[next] >= 0) {
      for (int c : g_.neighbours(map[anchor_[next]])) {
        if (!tryCandidate(c))
          return false;
      }
    } else {
      for (int c = 0; c < atomCount(); ++c) {
        if (!tryCandidate(c))
          return false;
      }
    }
    return true;
  }

  // How many of a centre's heavy neighbours lie in each orbit.
  std::vector<int> orbitCounts(int i)
  {
    std::map<int, int> heavy;
    for (int j : g_.neighbours(i))
      ++heavy[root(j)];
    std::vector<int> counts;
    for (const auto& [orbit, n] : heavy)
      counts.push_back(n);
    return counts;
  }

  bool tetrahedral(int i) const { return type_[i] == "C" || type_[i] == "N" || type_[i] == "O"; }

  // Whether the equal heavy branches of a tetrahedral centre can only be exchanged by a
  // reflection: three or four equal branches, or two beside two different substituents (its
  // hydrogens and lone pairs being the substituents the graph does not hold).
  bool reflectsBranches(int i)
  {
    const std::vector<int> counts = orbitCounts(i);
    const int largest = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    if (largest >= 3)
      return true;
    if (largest < 2)
      return false;
    const int lonePairs = g_.atoms[i].element == 7 ? 1 : g_.atoms[i].element == 8 ? 2 : 0;
    const bool otherPairEqual = std::count(counts.begin(), counts.end(), 2) == 2 ||
                                g_.atoms[i].hydrogens == 2 || lonePairs == 2;
    return !otherPairEqual;
  }

  // The symmetry number: the automorphisms of the heavy atoms, halved for each tetrahedral centre
  // that only a reflection maps onto itself, times three for each methyl and each tert-butyl top.
  std::optional<double> symmetryNumber()
  {
    const std::optional<long> count = automorphisms();
    if (!count)
      return std::nullopt;
    double sigma = static_cast<double>(*count);
    for (int i = 0; i < atomCount(); ++i) {
      if (tetrahedral(i) && reflectsBranches(i))
        sigma /= 2;
      if (isMethylRotor(i))
        sigma *= 3;
      int methyls = 0;
      for (int j : g_.neighbours(i))
        methyls += isMethylRotor(j);
      if (type_[i] == "C" && methyls == 3 && g_.degree(i) == 4)
        sigma *= 3;
    }
    return sigma;
  }

  bool isMethylRotor(int i) const
  {
    return type_[i] == "C" && g_.atoms[i].hydrogens == 3 && g_.degree(i) == 1;
  }

  // Carbons with four different substituents.
  int stereocentres()
  {
    int count = 0;
    for (int i = 0; i < atomCount(); ++i) {
      if (type_[i] != "C" || g_.atoms[i].hydrogens > 1 || g_.degree(i) + g_.atoms[i].hydrogens != 4)
        continue;
      const std::vector<int> counts = orbitCounts(i);
      if (static_cast<int>(counts.size()) == g_.degree(i) &&
          std::all_of(counts.begin(), counts.end(), [](int n) { return n == 1; }))
        ++count;
    }
    return count;
  }
};

} // namespace

GroupThermo::GroupThermo(double dHf298, double S298, const std::array<double, 6>& cp)
  : dHf298_(dHf298)
  , S298_(S298)
  , cp_(cp)
{
}

double GroupThermo::heatCapacity(double T) const
{
  if (T <= knots.front())
    return cp_.front();
  for (std::size_t k = 1; k < knots.size(); ++k) {
    if (T <= knots[k])
      return cp_[k - 1] + (cp_[k] - cp_[k - 1]) * (T - knots[k - 1]) / (knots[k] - knots[k - 1]);
  }
  return cp_.back();
}

namespace {

// The reference temperature, the knots between it and T, and T, in rising order.
std::vector<double> cutsFromReference(double T)
{
  const double from = std::min(referenceT, T), to = std::max(referenceT, T);
  std::vector<double> cuts{ from };
  for (double k : knots) {
    if (k > from && k < to)
      cuts.push_back(k);
  }
  cuts.push_back(to);
  return cuts;
}

} // namespace

// Cp is a + b T on each piece between knots (b = 0 beyond the ends), so both integrals are
// exact: a dT + b/2 d(T²) and a ln(T2/T1) + b dT.
double GroupThermo::heatFromReference(double T) const
{
  double sum = 0;
  const std::vector<double> cuts = cutsFromReference(T);
  for (std::size_t k = 1; k < cuts.size(); ++k)
    sum += (heatCapacity(cuts[k - 1]) + heatCapacity(cuts[k])) / 2 * (cuts[k] - cuts[k - 1]);
  return T >= referenceT ? sum : -sum;
}

double GroupThermo::entropyFromReference(double T) const
{
  double sum = 0;
  const std::vector<double> cuts = cutsFromReference(T);
  for (std::size_t k = 1; k < cuts.size(); ++k) {
    const double t1 = cuts[k - 1], t2 = cuts[k];
    if (t2 <= t1)
      continue;
    const double b = (heatCapacity(t2) - heatCapacity(t1)) / (t2 - t1);
    const double a = heatCapacity(t1) - b * t1;
    sum += a * std::log(t2 / t1) + b * (t2 - t1);
  }
  return T >= referenceT ? sum : -sum;
}

double GroupThermo::enthalpy(double T) const
{
  return dHf298_ + heatFromReference(T);
}

double GroupThermo::entropy(double T) const
{
  return S298_ + entropyFromReference(T);
}

bool GroupThermo::covers(double T) const
{
  return T >= 200 && T <= 1500;
}

std::unique_ptr<GroupThermo> groupAdditivity(const SpeciesGraph& graph)
{
  return GroupAnalysis(graph).estimate();
}

std::optional<double> groupFormationEnthalpy(const SpeciesGraph& graph)
{
  return GroupAnalysis(graph).formationEnthalpy();
}

GroupEnthalpyThermo::GroupEnthalpyThermo(double dHf298,
                                         std::shared_ptr<const SpeciesThermo> entropySource)
  : dHf298_(dHf298)
  , source_(std::move(entropySource))
{
}

double GroupEnthalpyThermo::enthalpy(double T) const
{
  return dHf298_ + source_->enthalpy(T) - source_->enthalpy(referenceT);
}

double GroupEnthalpyThermo::entropy(double T) const
{
  return source_->entropy(T);
}

double GroupEnthalpyThermo::heatCapacity(double T) const
{
  return source_->heatCapacity(T);
}

bool GroupEnthalpyThermo::covers(double T) const
{
  return source_->covers(T) && source_->covers(referenceT);
}

} // namespace trelvix
