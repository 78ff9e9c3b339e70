// Molecules of other programs become pieces of the document the way the building procedures
// make them: element atoms of the drawing's own kind, bonds whose type change keeps the valence
// bookkeeping, and the hydrogens set through the same change the H key makes.
#include "exchange/record_builder.h"

#include "document/drawing.h"
#include "document/hydrogen_writing.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/checked.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trelvix {

namespace {

struct Box
{
  double left = std::numeric_limits<double>::max();
  double top = std::numeric_limits<double>::max();
  double right = std::numeric_limits<double>::lowest();
  double bottom = std::numeric_limits<double>::lowest();
  double depth = 0; ///< mean z

  double width() const { return right - left; }
  double height() const { return bottom - top; }
};

Box boxOf(const MoleculeRecord& m)
{
  Box box;
  if (m.atoms.empty())
    return Box{ 0, 0, 0, 0, 0 };
  for (const AtomRecord& a : m.atoms) {
    box.left = std::min(box.left, a.x);
    box.right = std::max(box.right, a.x);
    box.top = std::min(box.top, a.y);
    box.bottom = std::max(box.bottom, a.y);
    box.depth += a.z;
  }
  box.depth /= static_cast<double>(m.atoms.size());
  return box;
}

// The side of a double bond's second line: where its other neighbours lie (inside a ring,
// towards the rest of the molecule), found from the molecule's own adjacency so that a large
// molecule costs no search through the document.
void chooseSecondLineSide(tLink& bond,
                          const MoleculeRecord& m,
                          const BondRecord& r,
                          const std::vector<std::vector<int>>& neighbours)
{
  const double midX =
    (m.atoms[static_cast<std::size_t>(r.a)].x + m.atoms[static_cast<std::size_t>(r.b)].x) / 2;
  const double midY =
    (m.atoms[static_cast<std::size_t>(r.a)].y + m.atoms[static_cast<std::size_t>(r.b)].y) / 2;
  double side = 0;
  for (const int end : { r.a, r.b }) {
    for (const int n : neighbours[static_cast<std::size_t>(end)]) {
      if (n == r.a || n == r.b)
        continue;
      const AtomRecord& other = m.atoms[static_cast<std::size_t>(n)];
      side += (other.x - midX) * bond.offsetX + (other.y - midY) * bond.offsetY;
    }
  }
  bond.cisTrans = static_cast<std::int8_t>(side < 0 ? -1 : 1);
}

tbond* makeBond(tXY* a, tXY* b, const BondRecord& r, bool terminal)
{
  auto* bond = new tbond(a, b);
  bond->Change(static_cast<std::uint8_t>(r.code));
  if (r.aromatic)
    bond->Aromatize(true);
  if (r.code == DoubleBond && terminal)
    bond->lineStyle = 4; // a double bond to an end atom (C=O) is drawn centred
  if (r.code == SingleBond && r.wedge != Wedge::None) {
    bond->lineStyle = r.wedge == Wedge::Solid ? 2 : 3;
    bond->flipSide = 2; // the point of the wedge at atom 1
    bond->ZoomDXDY();   // the hatched wedge takes its width from the offsets
  }
  return bond;
}

// The hydrogens the atom carries: first through the H key's change, as a user would set them;
// where the valence bookkeeping cannot hold that many (an ion beyond the element's valence),
// the open valence is set to exactly that many.
void setHydrogens(tXY& atom, int hydrogens)
{
  const int delta = hydrogens - atom.mult();
  if (delta != 0)
    atom.ChangeH(delta);
  if (carriesImplicitHydrogens(atom.element) && atom.mult() != hydrogens)
    atom.freeValence = checkedNarrow<std::int8_t>(2LL * hydrogens);
}

void buildPiece(tDrawing& doc, const MoleculeRecord& m, double dx, double dy, double dz)
{
  auto* piece = new tStructure();
  doc.Groups.Add(piece);
  piece->dataItems = m.data;
  std::vector<tAtm*> atoms;
  atoms.reserve(m.atoms.size());
  for (const AtomRecord& r : m.atoms) {
    auto* atom = new tAtm(r.element, r.x + dx, r.y + dy, r.element == 6 ? 0 : 2);
    doc.Atoms.Add(atom);
    piece->Atoms.Add(atom);
    atom->setRXYZ(r.x + dx, r.y + dy, r.z + dz);
    atom->setcharge(static_cast<std::int8_t>(r.charge));
    atoms.push_back(atom);
  }
  std::vector<std::vector<int>> neighbours(m.atoms.size());
  for (const BondRecord& r : m.bonds) {
    neighbours[static_cast<std::size_t>(r.a)].push_back(r.b);
    neighbours[static_cast<std::size_t>(r.b)].push_back(r.a);
  }
  std::vector<std::pair<tbond*, const BondRecord*>> doubles;
  for (const BondRecord& r : m.bonds) {
    const bool terminal = neighbours[static_cast<std::size_t>(r.a)].size() == 1 ||
                          neighbours[static_cast<std::size_t>(r.b)].size() == 1;
    tbond* bond = makeBond(
      atoms[static_cast<std::size_t>(r.a)], atoms[static_cast<std::size_t>(r.b)], r, terminal);
    doc.Bonds.Add(bond);
    piece->Bonds.Add(bond);
    if (bond->bondType() == ResonanceBond || bond->bondType() == DoubleBond)
      doubles.emplace_back(bond, &r);
  }
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    setHydrogens(*atoms[i], m.atoms[i].hydrogens);
    if (neighbours[i].empty())
      atoms[i]->ChangeStyle(2, false); // a lone atom always shows its symbol
  }
  piece->update();
  for (const auto& [bond, r] : doubles)
    chooseSecondLineSide(*bond, m, *r, neighbours);
  orientHydrogenLabels(*piece); // HO, H2N on the left; H2O, HCl alone
}

} // namespace

void toDrawingUnits(MoleculeRecord& molecule)
{
  // A 3D model keeps its lengths in ångström exactly; a flat drawing (a 2D molfile, a
  // depiction) is drawn at the bond-length scale.
  double factor = 1 / angstromsPerUnit();
  if (molecule.dimensions != 3 && !molecule.bonds.empty()) {
    double sum = 0;
    for (const BondRecord& b : molecule.bonds) {
      const AtomRecord& p = molecule.atoms[static_cast<std::size_t>(b.a)];
      const AtomRecord& q = molecule.atoms[static_cast<std::size_t>(b.b)];
      sum += std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y) +
                       (p.z - q.z) * (p.z - q.z));
    }
    const double mean = sum / static_cast<double>(molecule.bonds.size());
    if (mean > 1e-6)
      factor = bondScale() / mean;
  }
  for (AtomRecord& a : molecule.atoms) {
    a.x *= factor;
    a.y = 0.0 - a.y * factor;
    a.z = 0.0 - a.z * factor;
  }
}

std::unique_ptr<tDrawing> buildDrawing(const std::vector<MoleculeRecord>& molecules,
                                       bool sideBySide)
{
  tDrawing* previous = CurrentDrawing;
  auto doc = std::make_unique<tDrawing>();
  setCurrentDrawing(doc.get());
  struct Restore
  {
    tDrawing* drawing;
    ~Restore() { setCurrentDrawing(drawing); }
  } restore{ previous };
  if (!sideBySide) {
    for (const MoleculeRecord& m : molecules)
      buildPiece(*doc, m, 0, 0, 0);
    return doc;
  }

  // Rows about as wide as the whole set would be tall, so that many records stay within the
  // page coordinates a document file holds.
  const double margin = 2 * bondScale();
  std::vector<Box> boxes;
  boxes.reserve(molecules.size());
  double area = 0;
  double widest = 0;
  for (const MoleculeRecord& m : molecules) {
    boxes.push_back(boxOf(m));
    area += (boxes.back().width() + margin) * (boxes.back().height() + margin);
    widest = std::max(widest, boxes.back().width());
  }
  const double rowWidth = std::max(widest, std::sqrt(area));
  double x = margin;
  double y = margin;
  double rowHeight = 0;
  for (std::size_t i = 0; i < molecules.size(); ++i) {
    const Box& box = boxes[i];
    if (x > margin && x + box.width() > margin + rowWidth) {
      x = margin;
      y += rowHeight + margin;
      rowHeight = 0;
    }
    buildPiece(*doc, molecules[i], x - box.left, y - box.top, -box.depth);
    x += box.width() + margin;
    rowHeight = std::max(rowHeight, box.height());
  }
  return doc;
}

void mergeDrawing(tDrawing& target, tDrawing& source)
{
  for (tXY* a : source.Atoms)
    target.Atoms.Add(a);
  for (tLink* b : source.Bonds)
    target.Bonds.Add(b);
  for (tStructure* g : source.Groups)
    target.Groups.Add(g);
  source.Atoms.deleteall();
  source.Bonds.deleteall();
  source.Groups.deleteall();
}

} // namespace trelvix
