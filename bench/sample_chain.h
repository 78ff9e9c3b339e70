#pragma once

#include "document/drawing.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "platform/scripted_shell.h"

namespace trelvix {

/// A headless shell and an empty document, both current while the object lives.
struct CurrentDocument
{
  ScriptedShell shell;
  tDrawing doc;

  CurrentDocument()
  {
    setCurrentShell(&shell);
    setCurrentDrawing(&doc);
  }
  ~CurrentDocument()
  {
    setCurrentDrawing(nullptr);
    setCurrentShell(nullptr);
  }
  CurrentDocument(const CurrentDocument&) = delete;
  CurrentDocument& operator=(const CurrentDocument&) = delete;
};

/// One atom of a sample chain: its element, its position, and whether a single bond joins it to
/// the atom before it.
struct ChainAtom
{
  int element = 6;
  double x = 0, y = 0, z = 0;
  bool bonded = true;
};

/// Adds n atoms as one new piece of doc, atom i as place(i) says.
template<class Place>
void addChain(tDrawing& doc, int n, Place place)
{
  auto* piece = new tStructure;
  tAtm* previous = nullptr;
  for (int i = 0; i < n; ++i) {
    const ChainAtom c = place(i);
    auto* a = new tAtm(c.element, c.x, c.y, 0);
    a->setRXYZ(c.x, c.y, c.z);
    doc.Atoms.Add(a);
    piece->Atoms.Add(a);
    if (previous && c.bonded) {
      auto* b = new tbond(previous, a);
      b->ssingle();
      doc.Bonds.Add(b);
      piece->Bonds.Add(b);
    }
    previous = a;
  }
  doc.Groups.Add(piece);
}

} // namespace trelvix
