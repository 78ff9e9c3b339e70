// Drawn structures recognised in the reference table, hydrogens counted as the program counts
// them, by their graphs or by an installed canonical SMILES.
#include "../document/document_fixture.h"
#include "thermo/recognition.h"
#include "thermo/structure_graph.h"

namespace trelvix {
namespace {

class SpeciesRecognitionTest : public DocumentTest
{
protected:
  ~SpeciesRecognitionTest() override { setCanonicalSmiles(nullptr); }

  std::string nameOf(const tStructure* s)
  {
    const ReferenceSpecies* r = recogniseSpecies(*s);
    return r ? r->name : "";
  }

  // A ring of carbons, bond codes in turn from codes.
  tStructure* ring(const std::vector<std::uint8_t>& codes)
  {
    std::vector<tAtm*> atoms;
    for (std::size_t k = 0; k < codes.size(); ++k)
      atoms.push_back(atom(6, 300 + 20.0 * k, 0));
    for (std::size_t k = 0; k < codes.size(); ++k)
      bond(atoms[k], atoms[(k + 1) % codes.size()], codes[k]);
    auto* s = new tStructure;
    for (tAtm* a : atoms)
      s->Atoms.Add(a);
    for (tLink* b : doc.Bonds) {
      if (s->Atoms.Contains(b->Atm1))
        s->Bonds.Add(b);
    }
    doc.Groups.Add(s);
    return s;
  }
};

TEST_F(SpeciesRecognitionTest, ImplicitAndDrawnHydrogensCountAlike)
{
  // Methane as a bare carbon; water with one of its hydrogens drawn; ethanol with all drawn on
  // its oxygen.
  EXPECT_EQ(nameOf(piece({ atom(6, 0, 0) })), "methane");
  tAtm* o = atom(8, 100, 0);
  tAtm* h = atom(1, 110, 0);
  bond(o, h);
  EXPECT_EQ(nameOf(piece({ o, h })), "water");
  tAtm* c1 = atom(6, 200, 0);
  tAtm* c2 = atom(6, 220, 0);
  tAtm* oh = atom(8, 240, 0);
  tAtm* ho = atom(1, 250, 0);
  bond(c1, c2);
  bond(c2, oh);
  bond(oh, ho);
  const tStructure* ethanol = piece({ c1, c2, oh, ho });
  EXPECT_EQ(nameOf(ethanol), "ethanol");
  const SpeciesGraph g = structureGraph(*ethanol);
  ASSERT_EQ(g.atoms.size(), 3u);
  EXPECT_EQ(hillFormula(g), "C2H6O");
}

TEST_F(SpeciesRecognitionTest, BondOrdersAsDrawn)
{
  // A carbon doubly bonded to an oxygen keeps two hydrogens: formaldehyde. (A hand-drawn N=O
  // keeps one and is HNO, which the table lacks; the Add Molecule item NO has none.)
  tAtm* c = atom(6, 0, 0);
  tAtm* o = atom(8, 20, 0);
  bond(c, o, DoubleBond);
  EXPECT_EQ(nameOf(piece({ c, o })), "formaldehyde");
  tAtm* a = atom(6, 100, 0);
  tAtm* b = atom(6, 120, 0);
  bond(a, b, TripleBond);
  EXPECT_EQ(nameOf(piece({ a, b })), "acetylene");
  // Benzene with alternating bonds; cyclohexane with single ones.
  EXPECT_EQ(
    nameOf(ring({ SingleBond, DoubleBond, SingleBond, DoubleBond, SingleBond, DoubleBond })),
    "benzene");
  EXPECT_EQ(nameOf(ring(std::vector<std::uint8_t>(6, SingleBond))), "cyclohexane");
}

TEST_F(SpeciesRecognitionTest, IsomersTheGraphCannotTellNeedTheCanonicalSmiles)
{
  tAtm* a = atom(6, 0, 0);
  tAtm* b = atom(6, 20, 0);
  tAtm* c = atom(6, 40, 0);
  tAtm* d = atom(6, 60, 0);
  bond(a, b);
  bond(b, c, DoubleBond);
  bond(c, d);
  const tStructure* butene = piece({ a, b, c, d });
  EXPECT_EQ(nameOf(butene), ""); // cis or trans
  setCanonicalSmiles([](const tStructure&) { return std::string("C/C=C/C"); });
  EXPECT_EQ(nameOf(butene), "trans-2-butene");
  // A SMILES the table lacks leaves the graph to decide.
  setCanonicalSmiles([](const tStructure&) { return std::string("C[Ge]"); });
  EXPECT_EQ(nameOf(piece({ atom(6, 200, 0) })), "methane");
}

TEST_F(SpeciesRecognitionTest, WhatTheTableLacksIsNoSpecies)
{
  EXPECT_EQ(nameOf(piece({ atom(33, 0, 0) })), ""); // arsine
  tAtm* a = atom(6, 100, 0);
  tAtm* b = atom(17, 120, 0);
  tAtm* c = atom(6, 80, 0);
  bond(a, b);
  bond(a, c);
  EXPECT_EQ(nameOf(piece({ a, b, c })), ""); // chloroethane
}

} // namespace
} // namespace trelvix
