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

#include <cmath>

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

void insert(tPF& pf, std::int16_t g, double w, double nu)
{
  tNu level;
  level.g = g;
  level.w = w;
  level.nu = nu;
  pf.InsertFreq(level);
}

} // namespace

double totalStrainEnergy(tStructure& structure)
{
  ForceField field(structure);
  return field.strainEnergy();
}

void insertTermLevels(ForceField& field, tPF& pf)
{
  field.getvectors(); // the bends' cosines
  const TermGeometry geo{ field, angstromsPerUnit() };
  for (const tstretch& s : field.stretches()) {
    const double G = stretchGii(geo.mass(s.atoms[0]), geo.mass(s.atoms[1]));
    insert(pf, 1, 1.0, wavenumber(G, s.vibConstant));
  }
  for (const tangle& a : field.angles()) {
    const int end1 = a.atoms[0], end2 = a.atoms[1], apex = a.atoms[2];
    const double G = bendGii(geo.mass(end1),
                             geo.mass(end2),
                             geo.mass(apex),
                             geo.length(end1, apex),
                             geo.length(end2, apex),
                             a.cosine);
    const std::int16_t g = std::cos(a.theta0) < linearCosine ? 2 : 1;
    insert(pf, g, a.redundancy, wavenumber(G, a.vibConstant));
  }
  for (const ttorque& t : field.torques()) {
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
      insert(pf, 1, t.redundancy, nu);
  }
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
