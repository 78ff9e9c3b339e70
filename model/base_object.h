#pragma once

#include "platform/canvas.h"

namespace trelvix {

/// The root of every drawable model object: the canvas it currently draws on.
class tbaseobject
{
public:
  virtual ~tbaseobject();

  /// The canvas the object draws on; not owned. Unset until the first drawing binds it.
  Canvas* canvas = nullptr;

  /// Binds canvas to the main window's canvas.
  void print();
  /// Binds canvas as print does and returns it.
  Canvas& canvasdc();

  /// Binds canvas, then sets the brush colour and style.
  void setbrush(BrushStyle style, Colour colour);
  /// Binds canvas, then sets pen colour, width and style: 0 solid, 1 dash, 2 dot, 3 dash-dot,
  /// 4 dash-dot-dot, 5 clear; any other style keeps the current pen style.
  void setpen(int style, std::int16_t width, Colour colour);
};

} // namespace trelvix
