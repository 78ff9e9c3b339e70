#pragma once

#include "model/base_list.h"
#include "platform/canvas.h"

#include <memory>
#include <vector>

namespace trelvix {

class BondIndex;
class tLink;
class tXY;

/// The bonds of a fragment or of the whole document (not owned).
class tbondlist : public tBaseList<tLink>
{
public:
  tbondlist();
  ~tbondlist() override;

  /// The colour last given to every bond by Color.
  Colour colour = black;
  /// The bonds sorted by depth for drawing (get3dlist); owned.
  std::unique_ptr<tBaseList<tLink>> List3d;

  /// The bonds of the list with atom at one end or both, in list order, each as often as it is
  /// listed; through an index the list keeps, so the cost follows the atom's own bonds. Valid
  /// until the next call.
  const std::vector<tLink*>& bondsAt(const tXY* atom) const;

  void AddBonds(const tbondlist* list);
  /// Bonds whose visible flag is set.
  std::int16_t NBonds() const;
  void notbonds(std::uint8_t flag);
  void Aromatic(bool flag);
  void Color(Colour c);
  /// Sum of the type codes without the aromatic mark: twice the total bond order.
  int vTotal() const;
  void Widths(std::uint16_t w);
  /// Rebuilds List3d in ascending order of the bonds' top.
  void get3dlist();

private:
  mutable std::unique_ptr<BondIndex> m_index;
};

/// The bond list of a structure.
class tbonds : public tbondlist
{
public:
  std::int32_t frameValue = 0;

  /// DXY of every bond.
  void Update();
  /// Terminal atoms of visible bonds to branched atoms move to the ideal length RAB.
  void normalize();
  /// Terminal atoms of bonds to branched atoms move to (Radius 1 + Radius 2) / 1.54 scale units.
  void scaleXY();
  /// The hydrogen of every bond to hydrogen moves to the ideal length RAB.
  void ScaleXH();
  /// Running mean of the bond lengths, drawing units; 0 without bonds.
  double MeanLength() const;
  void setframe(std::int32_t value) { frameValue = value; }
  /// Frees every bond object of the list; the caller then empties the list.
  void freeall();
};

} // namespace trelvix
