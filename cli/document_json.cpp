#include "cli/document_json.h"

#include "document/drawing.h"
#include "document/symbol.h"
#include "exchange/canonical_smiles.h"
#include "model/atom.h"
#include "model/link.h"
#include "model/structure_atom.h"

#include <unordered_map>

namespace trelvix {

namespace {

using Json = nlohmann::ordered_json;

// -1 symbol point, 0 element atom, 1 text label, 2 formula.
int atomKind(const tXY& a)
{
  switch (a.textFlag) {
    case tSXY::symbolPointKind:
      return -1;
    case tLAtm::labelKind:
      return 1;
    case tFormula::formulaKind:
      return 2;
    default:
      return 0;
  }
}

Json atomJson(const tXY& a)
{
  return Json{ { "kind", atomKind(a) },
               { "element", a.element },
               { "symbol", a.symbol.str() },
               { "number", a.atomNumber },
               { "x", a.x3 },
               { "y", a.y3 },
               { "z", a.z3 },
               { "charge", a.charge },
               { "free_valence", a.freeValence },
               { "pair_count", a.pairCount },
               { "style", a.style },
               { "color", a.colour },
               { "text_direction", a.textDirection },
               { "shift", a.shiftFlag },
               { "font", Json{ { "face", a.font.face() }, { "height", a.font.height } } } };
}

template<class T>
std::unordered_map<const T*, int> positionsOf(const tBaseList<T>& list)
{
  std::unordered_map<const T*, int> positions;
  for (int i = 0; i < list.Count(); ++i)
    positions.emplace(list.At(i), i);
  return positions;
}

template<class T>
Json positionList(const tBaseList<T>& members, const std::unordered_map<const T*, int>& at)
{
  Json list = Json::array();
  for (const T* m : members) {
    if (const auto it = at.find(m); it != at.end())
      list.push_back(it->second);
  }
  return list;
}

} // namespace

Json documentJson(const tDrawing& d)
{
  const auto atomAt = positionsOf(d.Atoms);
  const auto bondAt = positionsOf(d.Bonds);
  Json atoms = Json::array();
  Json labels = Json::array();
  for (int i = 0; i < d.Atoms.Count(); ++i) {
    const tXY& a = *d.Atoms.At(i);
    atoms.push_back(atomJson(a));
    if (atomKind(a) == 1 || atomKind(a) == 2)
      labels.push_back(i);
  }
  Json bonds = Json::array();
  for (const tLink* b : d.Bonds) {
    bonds.push_back(Json{ { "a", atomAt.at(b->Atm1) },
                          { "b", atomAt.at(b->Atm2) },
                          { "type", b->typeCode },
                          { "share", b->hybShare },
                          { "line_style", b->lineStyle },
                          { "cis_trans", b->cisTrans },
                          { "offset", Json::array({ b->offsetX, b->offsetY }) },
                          { "flip", b->flipSide },
                          { "width", b->penWidth },
                          { "visible", b->visible },
                          { "color", b->colour } });
  }
  Json groups = Json::array();
  for (const tStructure* g : d.Groups) {
    groups.push_back(Json{ { "kind", g->symbolKind },
                           { "atoms", positionList(g->Atoms, atomAt) },
                           { "bonds", positionList(g->Bonds, bondAt) },
                           { "phase", g->phase },
                           { "amount", g->amount },
                           { "smiles", canonicalSmiles(*g) } });
  }
  Json symbols = Json::array();
  for (const tSymbol* s : *d.Symbols) {
    symbols.push_back(Json{ { "kind", s->symbolKind },
                            { "atoms", positionList(s->Atoms, atomAt) },
                            { "bonds", positionList(s->Bonds, bondAt) } });
  }
  return Json{ { "version", d.version },
               { "file_name", d.fileName.str() },
               { "title", d.title },
               { "author", d.author },
               { "notes", d.notes },
               { "bond_length", d.bondLength },
               { "view", d.viewMode },
               { "atoms", std::move(atoms) },
               { "bonds", std::move(bonds) },
               { "groups", std::move(groups) },
               { "symbols", std::move(symbols) },
               { "labels", std::move(labels) } };
}

} // namespace trelvix
