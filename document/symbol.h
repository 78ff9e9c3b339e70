#pragma once

#include "document/structure.h"
#include "model/base_list.h"
#include "model/rotation.h"
#include "platform/canvas.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace trelvix {

class tXY;

/// Kind codes of the graphic symbols (the fragment's symbolKind).
enum SymbolKind : std::uint16_t
{
  PlainSymbol = 101,
  ArrowSymbol = 102,
  DoubleArrowSymbol = 103,
  EquilibriumArrowSymbol = 104,
  EquilibriumArrow2Symbol = 105,
  TriangleSymbol = 106,
  ArcSymbol = 108,
  ArcArrowSymbol = 109
};

/// The outline a symbol class is built from: handle points in multiples of a unit length from the
/// origin (x to the right, y downwards) and strokes between two points given by their positions.
struct SymbolShape
{
  std::span<const std::array<double, 2>> points;
  std::span<const std::array<int, 2>> strokes;
};

/// A graphic symbol: a drawn shape that is not chemistry (reaction arrows, a triangle, an arc, a
/// curved arrow). Its atoms are invisible handle points (tSXY) and its bonds the strokes between
/// them; strokes are single bonds kept invisible (visible 0), so the document's bond drawing and
/// bond picking pass them by. Coordinates are drawing units, angles degrees.
///
/// Reference positions: every handle point keeps its position at the last update (savedX3,
/// savedY3, savedZ3, refreshed by updatexyz: Add, update, flip, a document's frame). Rotate and
/// Zoom compute the current position (x3, y3, z3) from the reference position and refresh only
/// the screen position (update3d), so repeated calls do not accumulate and Zoom(1) gives back the
/// reference shape whatever the current one; the next update makes the current shape the new
/// reference.
///
/// Look: the symbol keeps its look in the fragment data a copy of the document and the file
/// carry: the five settings bytes (SettingsByte) and the two colours (first colour in valueA,
/// second colour in valueC).
///
/// Ownership: a new symbol owns the points and strokes its constructor made; its destructor frees
/// whatever its Atoms and Bonds still hold. A document that adopts the symbol (AddSymbol, Add)
/// lists the same objects in its own lists and owns them from then on: it empties the symbol's
/// lists before freeing the symbol, and takes an object out of them before freeing that object
/// alone.
class tSymbol : public tStructure
{
public:
  /// What each of the fragment's five settings bytes holds for a symbol.
  enum SettingsByte : std::size_t
  {
    /// The direction sign, +1 or -1 (stored as 1 or 255); flip negates it. It also chooses the
    /// side on which a half arrow head is drawn.
    DirectionByte = 0,
    /// Pen style of the strokes: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear.
    PenStyleByte = 1,
    /// Line-width index 0..3, also given to every stroke's pen width.
    LineWidthByte = 2,
    /// The style byte; for arrows the head style.
    StyleByte = 3,
    /// symbolMark for every symbol.
    MarkByte = 4
  };
  static constexpr std::uint8_t symbolMark = 5;

  /// A plain symbol (kind 101) without points: pen style, both colours, style byte and
  /// line-width index as given, direction +1, no drag handle.
  tSymbol(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);
  /// Frees the strokes and points its lists still hold (none once a document has emptied them).
  ~tSymbol() override;

  /// The handle point being dragged; nullptr while the whole symbol is dragged. Not owned.
  tXY* DXY = nullptr;
  /// The pen style and line-width index kept while a drag draws thin solid strokes.
  std::uint8_t savedPenStyle = 0;
  std::uint8_t savedLineWidth = 0;

  // Look.
  std::uint8_t penStyle() const { return settings[PenStyleByte]; }
  void setPenStyle(std::uint8_t style) { settings[PenStyleByte] = style; }
  std::uint8_t lineWidth() const { return settings[LineWidthByte]; }
  /// Sets the line-width index (0..3) and gives it to every stroke.
  void setLineWidth(std::uint8_t width);
  std::uint8_t style() const { return settings[StyleByte]; }
  void setStyle(std::uint8_t style) { settings[StyleByte] = style; }
  /// +1 or -1.
  std::int8_t direction() const { return static_cast<std::int8_t>(settings[DirectionByte]); }
  Colour firstColour() const { return valueA; }
  /// The symbol's own colour, which it takes back after being erased or highlighted.
  Colour secondColour() const { return valueC; }

  /// True for the arrow kinds 102..105 and the curved arrow 109.
  bool isArrow() const;

  /// Moves every point by (dx, dy) and makes it the reference. With a current document: when the
  /// symbol is already among its Symbols, adds the points and strokes the document's lists miss;
  /// otherwise hands the symbol to AddSymbol, which adopts it (or frees it, when the document
  /// keeps no symbol of its kind: the object is then gone on return). Without a document the
  /// symbol only moves.
  void Add(double dx, double dy) override;

  /// The mean screen position of the points, in pixels (truncated); the origin without points.
  virtual Point center() const { return center0(); }
  virtual Point center0() const { return center9(); }
  /// The centre of gravity of the handle points' reference positions; the origin without points.
  Vector3 getsymbolcg() const;

  /// Mirrors the points about the mean of their positions (not the rounded screen centre, so a
  /// second mirror gives back the first shape exactly): mode 1 top to bottom (in y), mode 2 left
  /// to right (in x); the ends of every stroke swap; then update. Other modes do nothing.
  void Flip(int mode) override;
  /// Flip, then the direction sign is negated (modes 1 and 2 only).
  virtual void flip(int mode);
  /// Every handle point := c + (reference - c) x factor in x, y and z, c being getsymbolcg;
  /// screen positions follow; every stroke's offsets are recomputed.
  void Zoom(double factor) override;
  /// Turns every point from its reference position by angle degrees about centre (center0 when
  /// nullptr), in the page's axes (y downwards): x = c.x + (x0 - c.x) cos - (y0 - c.y) sin,
  /// y = c.y + (y0 - c.y) cos + (x0 - c.x) sin, so a positive angle turns clockwise on the page.
  /// z goes back to the reference z; screen positions follow.
  virtual void Rotate(const Point* centre, double angle);

  // Drawing (symbol_drawing.cpp), at the points' screen positions.
  /// The colour the symbol draws in: that of its strokes, which color sets (its first colour when
  /// it has none).
  Colour drawColour() const;
  using tStructure::print;
  /// The symbol's figure on canvas: a plain symbol and a triangle their strokes, the arrows their
  /// shafts and heads, an arc its curve. Pen and brush of the canvas are kept.
  virtual void print(Canvas& canvas);
  /// print on the main canvas, its raster mode kept.
  void show();
  /// Erases the symbol on a white page: color white, show, then color back to the second colour.
  void Hide();
  /// Hide, then show again: in red (highlightColour) when on, else in the symbol's own colour.
  /// The strokes keep the colour they are shown in.
  void Highlight(bool on);
  static constexpr Colour highlightColour = 0x0000FF;
  /// One arrow head at tip pointing away from before (arrowHead, arrows.h), in the style byte's
  /// head style and the symbol's colour: 0, 1 and 2 full heads (the triangle side1, tip, side2);
  /// 3, 4 and 5 half heads (base, tip and side1 when the direction sign is +1, side2 when it is
  /// -1). Styles 0 and 3 are filled; the others are outlines, the shaft showing through (1 and 2
  /// look alike, as do 4 and 5). Nothing when the two points coincide.
  void ShowHead(Canvas& canvas, Point tip, Point before) const;

protected:
  /// The strokes as lines from point to point, in the symbol's pen style (a triangle dash-dotted
  /// when so made) with each stroke's own width and colour; visible flags play no part.
  void printStrokes(Canvas& canvas) const;

  /// Adds the points and strokes of shape, scaled by unit (drawing units), after those the
  /// symbol already has. Points take the first colour; strokes are invisible single bonds with the
  /// symbol's colour and line width.
  void addShape(const SymbolShape& shape, double unit);
  /// Makes the symbol one of kind, its points and strokes those of shape at one bond length.
  void takeShape(SymbolKind kind, const SymbolShape& shape);
};

/// The document's graphic symbols (references; the document owns them).
class tSymbols : public tBaseList<tSymbol>
{
public:
  /// color(c) on every symbol, in list order.
  void color(Colour c);
  void hide();
  void highlight(bool on);
  /// Every symbol's figure on canvas, in list order.
  void print(Canvas& canvas);
  /// Every symbol on the main canvas.
  void show();
};

/// A new symbol of the class of kind, built at the origin with pen style 0, colour black, the
/// class's own style byte and the defaults' line width; nullptr for a kind without a class
/// (100, 101, 107 and any other code). The caller owns it.
std::unique_ptr<tSymbol> makeSymbol(std::uint16_t kind);

} // namespace trelvix
