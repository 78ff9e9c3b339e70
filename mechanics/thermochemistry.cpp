// From force field to thermochemistry: the levels of each species' partition function, its
// formation energy, and the energies the reaction report prints.
#include "mechanics/thermochemistry.h"

#include "document/drawing.h"
#include "document/report.h"
#include "mechanics/force_field.h"
#include "mechanics/partition_function.h"
#include "mechanics/reaction.h"
#include "mechanics/wilson_g.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/vector3.h"
#include "thermo/element_references.h"
#include "thermo/molecule_thermo.h"
#include "thermo/reference_table.h"
#include "thermo/structure_graph.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace trelvix {

namespace {

// Below this cosine of its ideal angle a bend is linear: two equal bends, one level of g = 2.
constexpr double linearCosine = -0.99;
// Torsions slower than this are free rotors, not oscillators.
constexpr double slowestTorsion = 1.0;

struct TermGeometry
{
  ForceField& field;
  double angstroms;

  double mass(int atom) const { return field.atom(atom)->AW(); }
  const Vector3& at(int atom) const { return field.positions()[atom]; }
  double length(int a, int b) const { return distance(at(a), at(b)) * angstroms; }
  // The valence angle at apex between the directions to a and b.
  double angle(int a, int apex, int b) const
  {
    return vectorAngle(minus(at(a), at(apex)), minus(at(b), at(apex)));
  }
};

// The bonds of the stretches that lie on a ring: every bond but the bridges of the bond graph
// (Tarjan's low links, walked without recursion).
std::vector<bool> ringStretches(const ForceField& field)
{
  const auto n = static_cast<std::size_t>(field.atomCount());
  const std::vector<tstretch>& stretches = field.stretches();
  std::vector<std::vector<std::pair<int, std::size_t>>> bonds(n); // (neighbour, stretch)
  for (std::size_t k = 0; k < stretches.size(); ++k) {
    const int a = stretches[k].atoms[0], b = stretches[k].atoms[1];
    bonds[static_cast<std::size_t>(a)].push_back({ b, k });
    bonds[static_cast<std::size_t>(b)].push_back({ a, k });
  }
  std::vector<bool> onRing(stretches.size(), true);
  std::vector<int> order(n, -1), low(n, 0);
  int next = 0;
  struct Frame
  {
    std::size_t atom;
    std::size_t via; // the stretch the walk came in by
    std::size_t edge = 0;
  };
  for (std::size_t root = 0; root < n; ++root) {
    if (order[root] >= 0)
      continue;
    std::vector<Frame> stack{ { root, stretches.size() } };
    order[root] = low[root] = next++;
    while (!stack.empty()) {
      Frame& f = stack.back();
      if (f.edge < bonds[f.atom].size()) {
        const auto [to, k] = bonds[f.atom][f.edge++];
        const auto t = static_cast<std::size_t>(to);
        if (k == f.via)
          continue;
        if (order[t] < 0) {
          order[t] = low[t] = next++;
          stack.push_back({ t, k });
        } else {
          low[f.atom] = std::min(low[f.atom], order[t]);
        }
        continue;
      }
      const Frame done = f;
      stack.pop_back();
      if (stack.empty())
        break;
      const std::size_t parent = stack.back().atom;
      low[parent] = std::min(low[parent], low[done.atom]);
      if (low[done.atom] > order[parent])
        onRing[done.via] = false; // a bridge
    }
  }
  return onRing;
}

// The atoms the terms hold all lie on one line.
bool linearField(const ForceField& field, const std::vector<int>& atoms)
{
  if (atoms.size() < 3)
    return true;
  const Vector3* xyz = field.positions();
  const Vector3& first = xyz[atoms[0]];
  const Vector3* axis = nullptr;
  for (const int a : atoms) {
    if (norm(minus(xyz[a], first)) > 1e-6) {
      axis = &xyz[a];
      break;
    }
  }
  if (!axis)
    return true;
  const Vector3 u = minus(*axis, first);
  for (const int a : atoms) {
    const Vector3 v = minus(xyz[a], first);
    if (norm(cross(u, v)) > 1e-3 * norm(u) * std::max(norm(v), 1.0))
      return false;
  }
  return true;
}

struct RingTerms
{
  std::vector<bool> bends;
  std::vector<bool> torsions;
};

// A ring's bends and torsions over-count its motions: each ring closes six internal coordinates
// that are not free. The structure's 3N − 6 modes (3N − 5 on a line) when its terms count more
// and some of them lie on rings; nullopt for every other structure, whose weights stay as they
// are.
std::optional<double> overCounted(const ForceField& field, const RingTerms& ring)
{
  std::vector<int> atoms;
  for (int i = 0; i < field.atomCount(); ++i) {
    if (field.inAnyTerm(i))
      atoms.push_back(i);
  }
  const double modes =
    3.0 * static_cast<double>(atoms.size()) - (linearField(field, atoms) ? 5 : 6);
  double count = static_cast<double>(field.stretches().size());
  bool anyOnRing = false;
  for (std::size_t k = 0; k < field.angles().size(); ++k) {
    const tangle& a = field.angles()[k];
    count += (std::cos(a.theta0) < linearCosine ? 2 : 1) * a.redundancy;
    anyOnRing = anyOnRing || ring.bends[k];
  }
  for (std::size_t k = 0; k < field.torques().size(); ++k) {
    count += field.torques()[k].redundancy;
    anyOnRing = anyOnRing || ring.torsions[k];
  }
  if (count - modes > 1e-9 && anyOnRing)
    return modes;
  return std::nullopt;
}

void insert(tPF& pf, std::int16_t g, double w, double nu)
{
  tNu level;
  level.g = g;
  level.w = w;
  level.nu = nu;
  pf.InsertFreq(level);
}

// Which bends and torsions belong to a ring: a bend at an atom of a ring (its angles share the
// ring's closure: in a three-ring the ring angles alone cannot absorb it), a torsion about a bond
// of a ring.
RingTerms ringTerms(const ForceField& field)
{
  const std::vector<bool> ringBond = ringStretches(field);
  std::map<std::pair<int, int>, bool> bondOnRing;
  std::vector<bool> atomOnRing(static_cast<std::size_t>(field.atomCount()), false);
  for (std::size_t k = 0; k < field.stretches().size(); ++k) {
    const auto& atoms = field.stretches()[k].atoms;
    bondOnRing[std::minmax(atoms[0], atoms[1])] = ringBond[k];
    if (ringBond[k])
      atomOnRing[static_cast<std::size_t>(atoms[0])] =
        atomOnRing[static_cast<std::size_t>(atoms[1])] = true;
  }
  const auto onRing = [&](int a, int b) {
    const auto found = bondOnRing.find(std::minmax(a, b));
    return found != bondOnRing.end() && found->second;
  };
  RingTerms ring;
  for (const tangle& a : field.angles())
    ring.bends.push_back(atomOnRing[static_cast<std::size_t>(a.atoms[2])]);
  for (const ttorque& t : field.torques())
    ring.torsions.push_back(onRing(t.atoms[1], t.atoms[2]));
  return ring;
}

// The levels of the terms, the ring terms' weights times factor.
void insertLevels(ForceField& field, tPF& pf, const RingTerms& ring, double factor)
{
  const TermGeometry geo{ field, angstromsPerUnit() };
  for (const tstretch& s : field.stretches()) {
    const double G = stretchGii(geo.mass(s.atoms[0]), geo.mass(s.atoms[1]));
    insert(pf, 1, 1.0, wavenumber(G, s.vibConstant));
  }
  for (std::size_t k = 0; k < field.angles().size(); ++k) {
    const tangle& a = field.angles()[k];
    const int end1 = a.atoms[0], end2 = a.atoms[1], apex = a.atoms[2];
    const double G = bendGii(geo.mass(end1),
                             geo.mass(end2),
                             geo.mass(apex),
                             geo.length(end1, apex),
                             geo.length(end2, apex),
                             a.cosine);
    const std::int16_t g = std::cos(a.theta0) < linearCosine ? 2 : 1;
    insert(pf, g, a.redundancy * (ring.bends[k] ? factor : 1), wavenumber(G, a.vibConstant));
  }
  for (std::size_t k = 0; k < field.torques().size(); ++k) {
    const ttorque& t = field.torques()[k];
    const auto& [a1, a2, a3, a4] = t.atoms;
    const std::optional<double> G = torsionGii({ geo.mass(a1),
                                                 geo.mass(a2),
                                                 geo.mass(a3),
                                                 geo.mass(a4),
                                                 geo.length(a1, a2),
                                                 geo.length(a2, a3),
                                                 geo.length(a3, a4),
                                                 geo.angle(a1, a2, a3),
                                                 geo.angle(a2, a3, a4) });
    const double nu = G ? wavenumber(*G, t.vibConstant) : 0.0;
    if (nu > slowestTorsion)
      insert(pf, 1, t.redundancy * (ring.torsions[k] ? factor : 1), nu);
  }
}

double modeCount(const tPF& pf)
{
  double count = 0;
  for (const tNu& l : pf.levels())
    count += l.g * l.w;
  return count;
}

} // namespace

void insertTermLevels(ForceField& field, tPF& pf)
{
  field.getvectors(); // the bends' cosines
  const RingTerms ring = ringTerms(field);
  const std::optional<double> modes = overCounted(field, ring);
  if (!modes) {
    insertLevels(field, pf, ring, 1);
    return;
  }
  // Levels merge by wavenumber alone, so the count of modes the levels hold is linear in the
  // ring terms' factor: two trial sets give the factor that leaves exactly the structure's modes.
  tPF full(pf.S), none(pf.S);
  insertLevels(field, full, ring, 1);
  insertLevels(field, none, ring, 0);
  const double fromRings = modeCount(full) - modeCount(none);
  const double factor =
    fromRings > 0 ? std::clamp((*modes - modeCount(none)) / fromRings, 0.0, 1.0) : 1.0;
  insertLevels(field, pf, ring, factor);
}

double totalStrainEnergy(tStructure& structure)
{
  ForceField field(structure);
  return field.strainEnergy();
}

void prepareThermochemistry(ReactionThermo& thermo)
{
  for (ReactionSpecies& sp : thermo.species()) {
    ForceField field(*sp.structure);
    sp.formationEnergy = field.formationEnergy();
    sp.pf = std::make_unique<tPF>(*sp.structure);
    insertTermLevels(field, *sp.pf);
  }
}

SpeciesFigures speciesFigures(tStructure& structure, double T)
{
  ReactionSpecies sp;
  sp.structure = &structure;
  ForceField field(structure);
  sp.formationEnergy = field.formationEnergy();
  sp.pf = std::make_unique<tPF>(structure);
  insertTermLevels(field, *sp.pf);
  findSpeciesSources(sp);

  SpeciesFigures f;
  const SpeciesGraph graph = structureGraph(structure);
  f.formula = hillFormula(graph);
  const ReferenceSpecies* identity = sp.condensedReference ? sp.condensedReference : sp.reference;
  f.identity = identity ? identity->name : std::string{};
  f.source = sourceText(sp.sourceAt(T));
  f.how = speciesSourceText(sp, T);
  const SpeciesThermo* thermo = sp.standardAt(T);
  if (!thermo)
    return f;
  f.S = thermo->entropy(T);
  f.Cp = thermo->heatCapacity(T);
  // The enthalpy on the formation basis less its value at 298.15 K is the heat content.
  if (thermo->covers(referenceT)) {
    f.heatContent = thermo->enthalpy(T) - thermo->enthalpy(referenceT);
    if (const std::optional<FormationValues> v = formationValues(*thermo, graph, referenceT))
      f.dHf298 = v->enthalpy;
  }
  if (const std::optional<FormationValues> v = formationValues(*thermo, graph, T)) {
    f.dHf = v->enthalpy;
    f.dGf = v->gibbs;
  }
  return f;
}

void installReactionReport(ThermoModel model)
{
  setReactionDeltasSource([model](tDrawing& drawing, const tArrow& arrow, double T, double P) {
    ReactionThermo thermo(drawing);
    prepareThermochemistry(thermo);
    if (model == ThermoModel::Best)
      findBetterSources(thermo);
    return ReactionDeltas{ deltaH(arrow, thermo, T, P),
                           deltaS(arrow, thermo, T, P),
                           model == ThermoModel::Best ? sourcesLines(thermo, T)
                                                      : std::vector<std::string>{} };
  });
}

} // namespace trelvix
