// Drawing the whole document by its view code.
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/atom.h"
#include "model/atom_host.h"
#include "model/list_drawing.h"
#include "platform/checked.h"
#include "platform/shell.h"

#include <array>
#include <vector>

namespace trelvix {

namespace {

constexpr Colour rodGrey = 0x777777;

} // namespace

std::uint8_t tDrawing::figureStyleOfView(int view)
{
  // view code -> atom style, for the views that draw their atoms as figures
  static constexpr std::array<std::uint8_t, 20> styles{ 0,  0, 0, 0,  0,  4, 6,  0,  8,  9,
                                                        10, 7, 0, 11, 14, 6, 18, 17, 18, 18 };
  const int single = view % 100;
  return single >= 0 && single < static_cast<int>(styles.size()) ? styles[single] : 0;
}

void tDrawing::printPasses(Canvas& canvas, int view)
{
  switch (view) {
    case 0:
      printBonds(Bonds, canvas);
      printAtoms(Atoms, canvas);
      break;
    case 5:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    case 6:
    case 15:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      printBonds(Bonds, canvas);
      break;
    case 7:
      if (Atoms.colour == white)
        printBondRods(Bonds, canvas, white, 2);
      else
        printBonds3d(Bonds, canvas, 2);
      break;
    case 8:
      printBondRods(Bonds, canvas, rodGrey, 2);
      Atoms.Color(Atoms.colour);
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    case 9:
    case 10:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    case 11:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      printBonds3d(Bonds, canvas, 2);
      break;
    case 12:
      printBondRods(Bonds, canvas, black, 0);
      break;
    case 13:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    case 14:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    case 16:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      printBonds3d(Bonds, canvas, 2);
      break;
    case 17:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    case 18:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      printBonds(Bonds, canvas);
      printAtomsNoHC(Atoms, canvas);
      break;
    case 19:
      printAtoms3d(Atoms, canvas, figureStyleOfView(view));
      break;
    default:
      break; // 1 to 4: the labels alone
  }
}

void tDrawing::printView(Canvas& canvas, int view)
{
  if (view < 100) {
    printPasses(canvas, view);
    printLabels(Atoms, canvas, Atoms.colour);
    return;
  }
  // The stereo pair: the model drawn twice, turned 5 degrees each way about y, side by side;
  // then put back exactly where it was, reference positions included (the turns work from those,
  // so undoing the moves by moves and turns would leave them turned and drifting).
  struct Kept
  {
    tXY* atom;
    Vector3 now, saved;
  };
  std::vector<Kept> kept;
  kept.reserve(static_cast<std::size_t>(Atoms.Count()));
  for (tXY* a : Atoms)
    kept.push_back({ a, { a->x3, a->y3, a->z3 }, { a->savedX3, a->savedY3, a->savedZ3 } });
  const auto putBack = [&] {
    for (const Kept& k : kept) {
      tXY& a = *k.atom;
      a.x3 = k.now[0];
      a.y3 = k.now[1];
      a.z3 = k.now[2];
      a.savedX3 = k.saved[0];
      a.savedY3 = k.saved[1];
      a.savedZ3 = k.saved[2];
      a.update3d();
    }
    Bonds.Update();
    viewMode = static_cast<std::uint8_t>(view);
  };
  const int single = view - 100;
  viewMode = static_cast<std::uint8_t>(single);
  try {
    frame();
    const double w = BoxWidth();
    Move(-0.75 * w, 0, 0);
    Tilt(0, 5);
    printLabels(Atoms, canvas, Atoms.colour);
    printPasses(canvas, single);
    Move(1.5 * w, 0, 0);
    Tilt(0, -10);
    printPasses(canvas, single);
  } catch (const OverflowError&) {
    // A model too far off the page for the pair: it stays as it was, view included.
    putBack();
    throw;
  }
  putBack();
  printLabels(Atoms, canvas, Atoms.colour);
}

void tDrawing::print(Canvas& canvas)
{
  // What the atoms ask of their document while drawn (their bonds, for the carbons of CO2 and
  // nitriles) comes from this one, also when a copy is drawn for a picture.
  const AtomHostScope host(this);
  printView(canvas, viewMode);
  printenergy(canvas);
  if (molesFlag) {
    for (tStructure* g : Groups)
      g->printmoles(canvas);
  }
  // Symbols keep their own colours here: Color gives them the colour of the view when colours
  // change, and recolouring at every redraw would overwrite a colour given to one symbol (and
  // the red of a highlighted one).
  Symbols->print(canvas);
}

void tDrawing::Repaint()
{
  Shell& shell = currentShell();
  Canvas& buffer = shell.mainCanvas();
  buffer.fillSurface(white);
  print(buffer);
  shell.present();
}

void tDrawing::Preview()
{
  print(canvasdc());
  currentShell().present();
}

} // namespace trelvix
