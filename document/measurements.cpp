// The measurement drawing of the document: a bond's length and two atoms' distance, drawn
// beside the object on the window's canvas. Angles and torsions come from the force field's
// terms (mechanics/measurements.cpp) and are drawn the same way.
#include "document/measurements.h"

#include "document/drawing.h"
#include "model/link.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <array>
#include <cstdio>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

/// The value's text starts this many pixels right of and above its anchor point, clear of the
/// lines that meet there.
constexpr int textOffset = 5;

std::string fixed(double value, int decimals, const char* unit)
{
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f%s", decimals, value, unit);
  return buffer;
}

bool chemical(const tLink* b)
{
  return b->Atm1 && b->Atm2 && b->Atm1->isatom() && b->Atm2->isatom();
}

using AtomColours = std::vector<std::pair<tXY*, Colour>>;
using BondColours = std::vector<std::pair<tLink*, Colour>>;

void restoreColours(const AtomColours& atoms, const BondColours& bonds)
{
  for (auto it = bonds.rbegin(); it != bonds.rend(); ++it)
    it->first->color(it->second);
  for (auto it = atoms.rbegin(); it != atoms.rend(); ++it)
    it->first->Color(it->second);
}

} // namespace

std::string lengthText(double angstroms)
{
  return fixed(angstroms, 2, " Å");
}

std::string angleText(double radians)
{
  return fixed(radians * 180 / std::numbers::pi, 1, "°");
}

void tDrawing::showMeasurement(std::span<tXY* const> atoms, const std::string& text, Point at)
{
  // Colour the atoms and the bonds between list neighbours, remembering their own colours.
  AtomColours atomColours;
  BondColours bondColours;
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    atomColours.emplace_back(atoms[i], atoms[i]->Color(measureColour));
    if (i == 0)
      continue;
    for (tLink* b : Bonds) {
      if (b->partner(atoms[i - 1]) == atoms[i])
        bondColours.emplace_back(b, b->color(measureColour));
    }
  }
  Refresh();

  Shell& shell = currentShell();
  if (text.empty())
    return restoreColours(atomColours, bondColours);
  Canvas& canvas = shell.mainCanvas();
  const FontRecord oldFont = canvas.font();
  const Colour oldColour = canvas.textColour();
  const TextAlign oldAlign = canvas.textAlign();
  canvas.setFont(font);
  canvas.setTextColour(measureColour);
  canvas.setTextAlign(TextAlign{ HAlign::Left, VAlign::Bottom });
  canvas.text(Point{ at.x + textOffset, at.y - textOffset }, text);
  canvas.setFont(oldFont);
  canvas.setTextColour(oldColour);
  canvas.setTextAlign(oldAlign);
  shell.present();
  restoreColours(atomColours, bondColours);
}

std::string tDrawing::showbonddata(double x, double y)
{
  // Symbol strokes are bonds of the document too, but they have no length to report.
  tbondlist chemicalBonds;
  for (tLink* b : Bonds) {
    if (chemical(b))
      chemicalBonds.Add(b);
  }
  bond = GetBond(chemicalBonds, x, y);
  if (!bond)
    return {};
  const std::string text = lengthText(bond->Angstroms());
  const std::array<tXY*, 2> ends{ bond->Atm1, bond->Atm2 };
  showMeasurement(ends, text, bond->getcenter());
  return text;
}

std::string tDrawing::ShowAtomicDistance(tXY*& a1, tXY*& a2, double x, double y)
{
  tXY* hit = GetAtom(x, y);
  // Labels and symbol points have no place in the molecule to measure from.
  if (!hit || !hit->isatom())
    return {};
  if (!a1 || a2) {
    // A first press, or the first of a new pair after a distance was shown: the atom shows
    // chosen until the next redraw.
    a1 = hit;
    a2 = nullptr;
    const std::array<tXY*, 1> chosen{ a1 };
    showMeasurement(chosen, {}, Point{ a1->screenX, a1->screenY });
    return {};
  }
  if (hit == a1) {
    a1 = a2 = nullptr;
    return {};
  }
  a2 = hit;
  const std::string text = lengthText(a1->Angstroms(*a2));
  const std::array<tXY*, 2> ends{ a1, a2 };
  showMeasurement(
    ends, text, Point{ (a1->screenX + a2->screenX) / 2, (a1->screenY + a2->screenY) / 2 });
  return text;
}

} // namespace trelvix
