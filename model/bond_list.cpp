#include "model/bond_list.h"

#include "model/atom.h"
#include "model/bond_index.h"
#include "model/defaults.h"
#include "model/depth_sort.h"
#include "model/link.h"
#include "platform/checked.h"

#include <vector>

namespace trelvix {

namespace {

bool isTerminal(const tXY* a)
{
  return a->neighbourCount == 1;
}

// The end (1 or 2) that is terminal while the other end is branched, or 0.
int terminalEnd(const tLink& bond)
{
  if (isTerminal(bond.Atm1) && bond.Atm2->neighbourCount > 1)
    return 1;
  if (isTerminal(bond.Atm2) && bond.Atm1->neighbourCount > 1)
    return 2;
  return 0;
}

// Moves end so that the bond's length becomes target (drawing units).
void moveEndTo(tLink& bond, int end, double target)
{
  const double length = bond.RLength();
  if (end != 0 && length > 0)
    bond.extend(end, target / length);
}

bool hasBothEnds(const tLink* bond)
{
  return bond->Atm1 && bond->Atm2;
}

} // namespace

tbondlist::tbondlist()
  : List3d(std::make_unique<tBaseList<tLink>>())
{
}

tbondlist::~tbondlist() = default;

const std::vector<tLink*>& tbondlist::bondsAt(const tXY* atom) const
{
  if (!m_index)
    m_index = std::make_unique<BondIndex>();
  return m_index->bondsAt(*this, atom);
}

void tbondlist::AddBonds(const tbondlist* list)
{
  if (list)
    AddItems(*list);
}

std::int16_t tbondlist::NBonds() const
{
  long long n = 0;
  for (const tLink* b : *this)
    n += b->visible ? 1 : 0;
  return checkedNarrow<std::int16_t>(n);
}

void tbondlist::notbonds(std::uint8_t flag)
{
  for (tLink* b : *this)
    b->visible = flag;
}

void tbondlist::Aromatic(bool flag)
{
  for (tLink* b : *this)
    b->Aromatize(flag);
}

void tbondlist::Color(Colour c)
{
  colour = c;
  for (tLink* b : *this)
    b->colour = c;
}

int tbondlist::vTotal() const
{
  int total = 0;
  for (const tLink* b : *this)
    total += b->bondType();
  return total;
}

void tbondlist::Widths(std::uint16_t w)
{
  for (tLink* b : *this)
    b->width(w);
}

void tbondlist::get3dlist()
{
  std::vector<tLink*> sorted(begin(), end());
  depthSort(sorted, [](const tLink* b) { return b->top(); });
  List3d->deleteall();
  for (tLink* b : sorted)
    List3d->Add(b);
}

void tbonds::Update()
{
  for (tLink* b : *this)
    b->DXY();
}

void tbonds::normalize()
{
  for (tLink* b : *this) {
    if (b->visible && hasBothEnds(b) && terminalEnd(*b) != 0)
      b->normalize(0);
  }
}

void tbonds::scaleXY()
{
  // 0.6493506493506493 = 1/1.54: Ångström to scale lengths.
  for (tLink* b : *this) {
    if (!hasBothEnds(b))
      continue;
    const double target =
      (b->Atm1->Radius() + b->Atm2->Radius()) * 0.6493506493506493 * bondScale();
    moveEndTo(*b, terminalEnd(*b), target);
  }
}

void tbonds::ScaleXH()
{
  // The hydrogen is the end that moves; in H2 it is the second atom.
  for (tLink* b : *this) {
    if (!hasBothEnds(b))
      continue;
    const int end = b->Atm2->element == 1 ? 2 : b->Atm1->element == 1 ? 1 : 0;
    moveEndTo(*b, end, b->RAB());
  }
}

double tbonds::MeanLength() const
{
  double mean = 0;
  int k = 0;
  for (const tLink* b : *this) {
    ++k;
    mean = (b->RLength() + (k - 1) * mean) / k;
  }
  return mean;
}

void tbonds::freeall()
{
  for (tLink* b : *this)
    delete b;
}

} // namespace trelvix
