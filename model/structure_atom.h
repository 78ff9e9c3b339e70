#pragma once

#include "model/atom.h"

#include <memory>

namespace trelvix {

class tbonds;

/// The atom of a structure: a tXY with the list of its attached bonds.
class tAtm : public tXY
{
public:
  tAtm(int z, double x, double y, std::uint8_t style);
  ~tAtm() override;

  /// The attached bonds, rebuilt on demand from the document's bonds; owned.
  std::unique_ptr<tbonds> bonds;

  /// The 170-byte atom record of the document's 3D section.
  void Read3ddata(BinaryReader& in) override;
  void write3ddata(BinaryWriter& out) const override;
};

/// A symbol point: an invisible handle of a graphic symbol, never an element atom.
class tSXY : public tAtm
{
public:
  static constexpr std::uint8_t symbolPointKind = 255;
  tSXY(double x, double y);
  /// A symbol point keeps its style whatever is asked.
  std::uint8_t ChangeStyle(std::uint8_t newStyle, bool redraw) override;
};

} // namespace trelvix
