#pragma once

#include "../model/model_fixture.h"
#include "document/drawing.h"
#include "model/bond.h"
#include "model/structure_atom.h"

#include <initializer_list>

namespace trelvix {

/// A fresh current document, with helpers that add objects it then owns.
class DocumentTest : public ModelTest
{
protected:
  DocumentTest() { setCurrentDrawing(&doc); }
  ~DocumentTest() override { setCurrentDrawing(nullptr); }

  tAtm* atom(int z, double x, double y, double zc = 0)
  {
    auto* a = new tAtm(z, x, y, 0);
    a->setRXYZ(x, y, zc);
    doc.Atoms.Add(a);
    return a;
  }

  tbond* bond(tXY* a, tXY* b, std::uint8_t code = SingleBond)
  {
    auto* link = new tbond(a, b);
    link->Change(code);
    doc.Bonds.Add(link);
    return link;
  }

  /// A piece of the document made of the given atoms and the document's bonds between them.
  tStructure* piece(std::initializer_list<tXY*> atoms)
  {
    auto* p = new tStructure;
    for (tXY* a : atoms)
      p->Atoms.Add(a);
    for (tLink* b : doc.Bonds) {
      if (p->Atoms.Contains(b->Atm1) && p->Atoms.Contains(b->Atm2))
        p->Bonds.Add(b);
    }
    doc.Groups.Add(p);
    return p;
  }

  tDrawing doc;
};

} // namespace trelvix
