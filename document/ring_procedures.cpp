// The Ring menu's Fuse, Branch and Join items and the Benzene menu's Fuse and Branch.
#include "document/ring_procedures.h"

#include "document/drawing.h"
#include "document/placing_procedures.h"
#include "document/templates.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <memory>

namespace trelvix {

namespace {

// The tilt of a fused ring out of the plane of the ring it shares a bond with, degrees.
double fuseAngle(int n)
{
  return n <= 5 ? 54 : 27;
}

// The tilt of a ring joined to an atom.
constexpr double joinAngle = 30;

std::unique_ptr<tRing> makeRing(int n)
{
  return n == 0 ? std::make_unique<tBenzene>() : std::make_unique<tRing>(n);
}

// Builds a ring of size n (0: a benzene) onto target; in 3D mode a plain ring then takes its
// chair shape, tilted out of the plane of the ring it was fused to.
void fuseOnto(int n, tLink& target, double x, double y)
{
  placePiece(makeRing(n), [&](tStructure& piece) {
    auto& ring = static_cast<tRing&>(piece);
    if (ring.Fuse(target, x, y) && n != 0 && modelDefaults().DrawMode3D)
      ring.fusechair(fuseAngle(n));
  });
}

void fuseRing(int n, const char* noBonds, double x, double y)
{
  if (CurrentDrawing->Bonds.NBonds() == 0) {
    showMessage(noBonds, "", MessageIcon::Information);
    return;
  }
  if (tLink* target = bondUnder(x, y))
    fuseOnto(n, *target, x, y);
}

// An ethyl branch on the atom under the pointer, the ring fused onto its outer bond: the ring
// hangs on one bond from the atom. The branch's own piece is dropped; its atoms and bonds stay.
void branchRing(int n, double x, double y)
{
  if (CurrentDrawing->Atoms.NAtoms() == 0) {
    showMessage("No Atoms to link", "", MessageIcon::Information);
    return;
  }
  tLink* outer = nullptr;
  tStructure* branch = nullptr;
  placePiece(std::make_unique<tChain>(2), [&](tStructure& piece) {
    auto& chain = static_cast<tChain&>(piece);
    if (chain.link(x, y)) {
      outer = chain.templateBonds[1];
      branch = &chain;
    }
  });
  if (!outer)
    return;
  CurrentDrawing->RemoveGroup(branch);
  const tXY* tip = outer->Atm2;
  fuseOnto(n, *outer, tip->x3, tip->y3);
}

// A ring containing the atom under the pointer. A chain end (an atom with one neighbour) closes
// into a ring that takes in its last bond; any other atom becomes the one atom the new ring
// shares with the drawing.
void joinRing(int n, double x, double y)
{
  if (CurrentDrawing->Atoms.NAtoms() == 0) {
    // The ring needs an atom to join; the message of a link into an empty drawing.
    showMessage("No Target Atoms!", "", MessageIcon::None);
    return;
  }
  auto* picked = dynamic_cast<tAtm*>(CurrentDrawing->GetAtom(x, y));
  if (!picked || !picked->isatom())
    return;
  const std::unique_ptr<tbonds> bonds = picked->GetAttachedBonds();
  if (bonds->Count() == 1 && bonds->At(0)->Atm1->isatom() && bonds->At(0)->Atm2->isatom()) {
    tLink& last = *bonds->At(0);
    placePiece(makeRing(n), [&](tStructure& piece) {
      auto& ring = static_cast<tRing&>(piece);
      if (ring.Fuse(last, x, y) && modelDefaults().DrawMode3D)
        ring.fusechair(n <= 5 ? fuseAngle(n) : joinAngle);
    });
    return;
  }
  placePiece(makeRing(n), [&](tStructure& piece) {
    auto& ring = static_cast<tRing&>(piece);
    ring.Join(*picked, x, y);
    if (modelDefaults().DrawMode3D)
      ring.joinchair(joinAngle);
  });
}

} // namespace

bool ringProcedure(int code, double x, double y)
{
  if (!CurrentDrawing)
    return false;
  if (code >= 201 && code <= 208)
    fuseRing(code - 198, "No bonds to fuse", x, y);
  else if (code >= 301 && code <= 308)
    branchRing(code - 298, x, y);
  else if (code >= 401 && code <= 408)
    joinRing(code - 398, x, y);
  else if (code == 702)
    fuseRing(0, "No Bonds to Fuse", x, y);
  else if (code == 704)
    branchRing(0, x, y);
  else
    return false;
  return true;
}

} // namespace trelvix
