// Writes a few valid documents made by the program as the fuzzer's starting corpus.
#include "document/drawing.h"
#include "document/file_format.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/structure_atom.h"
#include "platform/scripted_shell.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

using namespace trelvix;

tAtm* addAtom(tDrawing& d, int z, double x, double y, double zc)
{
  auto* a = new tAtm(z, x, y, z == 6 ? 0 : 2);
  a->setRXYZ(x, y, zc);
  d.Atoms.Add(a);
  return a;
}

void addBond(tDrawing& d, tXY* a, tXY* b, std::uint8_t code)
{
  auto* link = new tbond(a, b);
  link->Change(code);
  d.Bonds.Add(link);
}

void write(tDrawing& d, const std::string& path)
{
  const auto bytes = writeDrawing(d);
  std::ofstream(path, std::ios::binary)
    .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::cerr << "usage: make_seeds FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  ScriptedShell shell;
  setCurrentShell(&shell);
  {
    tDrawing d;
    setCurrentDrawing(&d);
    tAtm* c = addAtom(d, 6, 100, 100, 0);
    tAtm* o = addAtom(d, 8, 128, 100, 5);
    tAtm* n = addAtom(d, 7, 86, 124, -5);
    addBond(d, c, o, DoubleBond);
    addBond(d, c, n, SingleBond);
    auto* piece = new tStructure;
    piece->Atoms.AddAtoms(&d.Atoms);
    piece->Bonds.AddBonds(&d.Bonds);
    piece->phase = 2;
    d.Groups.Add(piece);
    auto* label = new tLAtm(40, 40, "amide");
    d.Atoms.Add(label);
    d.Labels.Add(label);
    d.title = "seed";
    write(d, folder + "/molecule.tvx");
    for (std::uint16_t kind : { 102, 104, 106, 108 }) {
      if (std::unique_ptr<tSymbol> s = makeSymbol(kind)) {
        s->Add(200, 100);
        s.release(); // the drawing owns it now
      }
    }
    write(d, folder + "/symbols.tvx");
    setCurrentDrawing(nullptr);
  }
  setCurrentShell(nullptr);
  return 0;
}
