#pragma once

#include "document/structure.h"
#include "model/atom_host.h"
#include "platform/font_record.h"
#include "platform/short_string.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace trelvix {

class tLAtm;
class tSymbol;
class tSymbols;

/// The document: every atom, bond, piece, symbol and label the user sees, with its comments and
/// reaction report. It owns all of them. One document is current at a time (CurrentDrawing);
/// while current it is the host the structure atoms ask for their neighbours.
class tDrawing
  : public tStructure
  , public AtomHost
{
public:
  /// The file format version the program writes.
  static constexpr std::uint16_t programVersion = 120;

  tDrawing();
  ~tDrawing() override;

  std::uint8_t savedFlag = 0; ///< 1 right after a load or a save; 0 after any edit
  /// Two computed-state flags the undo snapshot clears, and the report-present flag.
  std::array<std::uint8_t, 3> stateFlags{};
  static constexpr std::size_t reportFlag = 2;
  std::uint16_t version = programVersion;
  std::string title;  ///< at most 95 characters
  std::string author; ///< at most 95 characters
  std::string notes;  ///< at most 319 characters
  /// The six lines of the reaction report and, when it names the sources of its species, one
  /// more per source; owned through Atoms while the report exists.
  std::array<tLAtm*, 9> reportLines{};
  ShortString<79> fileName;
  tLink* bond = nullptr;
  tXY* m1 = nullptr;
  tXY* m2 = nullptr;
  std::unique_ptr<tSymbols> Symbols;
  /// The free text labels (also listed in Atoms).
  tAtoms Labels;
  /// The drawing bond length in pixels when the drawing was built or last loaded.
  std::uint16_t bondLength = 28;
  /// The view code of the document (0..19, 100..119 for the stereo pair).
  std::uint8_t viewMode = 0;
  FontRecord font;
  /// The piece open in the group editor, or nullptr; the program sets it while the editor shows.
  const tStructure* editedGroup = nullptr;

  // AtomHost: the document's lists and the building steps the atoms use.
  tAtoms& hostAtoms() override { return Atoms; }
  tbondlist& hostBonds() override { return Bonds; }
  void adopt(tAtm* atom, tbond* newBond) override;
  tAtm* addAtomAtOffset(tAtm& atom, int z, double dx, double dy) override;
  tAtm* linkHydrogenTowards(tAtm& atom, double x, double y) override;
  bool groupEditorShown() const override;
  bool isMemberOfEditedGroup(const tAtm* atom) const override;

  /// Atoms and frame recomputed; |ymax - ymin| and |xmax - xmin| in pixels.
  std::int32_t boxwidth();
  std::int32_t boxheight();
  /// The frame of the atoms widened to every symbol's frame.
  void frame() override;
  /// Shrinks the drawing to fit rect; a drawing that fits is never enlarged.
  void FitToFrame(const Rect& rect);
  void Color(Colour c);
  void ShowMoles(bool on);
  /// True when a reaction arrow (kinds 102..105) is among the symbols.
  bool isReaction() const;
  bool GroupAtom(const tXY* atom) const;
  /// Removes group from Groups and frees it; nothing when it is not a member.
  void RemoveGroup(tStructure* group);
  /// The piece (symbol) whose centre of gravity is nearest (x, y); the earlier of equals.
  tStructure* GetGroup(double x, double y) const;
  tSymbol* GetSymbol(double x, double y) const;
  /// Takes ownership of symbol and lists it by kind (a second reaction arrow goes in front);
  /// a symbol of a kind the document does not keep is freed.
  void AddSymbol(tSymbol* symbol);
  /// A new symbol of symbol's kind in target, made of target's objects at the positions symbol's
  /// objects have in this document; nullptr for kinds that make no symbol.
  tSymbol* CloneSymbol(const tSymbol& symbol, tDrawing& target) const;
  /// A copy of atom (an element atom in a piece of its own, or a label) moved by (dx, dy, dz),
  /// added to the document; it carries no atom number.
  tXY* duplicateAtom(const tXY& atom, double dx, double dy, double dz);
  /// A copy of symbol moved by (dx, dy), added to the document; nullptr for a kind the document
  /// does not keep.
  tSymbol* duplicateSymbol(const tSymbol& symbol, double dx, double dy);
  /// An independent copy of the document (the undo snapshot).
  std::unique_ptr<tDrawing> clone() const;
  /// Merges other into this document to the right of it; other is left empty.
  void Append(tDrawing& other);
  /// Writes the reaction report (six text lines) under the drawing, centred below the front
  /// reaction arrow, for T kelvin and P atmospheres; nothing without a reaction arrow.
  void CreateReport(double T, double P);
  void DestroyReport();
  bool hasReport() const { return stateFlags[reportFlag] != 0; }
  // Measurements (measurements.cpp). Each draws its object highlighted and its value beside it
  // on the main canvas, then gives the objects their colours back; the next redraw removes the
  // drawing. Each returns the value drawn, empty when it measured nothing.
  /// The length of the chemical bond whose midpoint is nearest (x, y) (kept in `bond`).
  std::string showbonddata(double x, double y);
  /// The distance measured by two presses: the first press takes the element atom at (x, y)
  /// into a1, the second into a2 and shows their distance; the same atom twice forgets both. A
  /// press on no atom changes nothing.
  std::string ShowAtomicDistance(tXY*& a1, tXY*& a2, double x, double y);
  /// A redraw in which the atoms and the bonds joining neighbours in the list show in the
  /// measurement colour, then text (when not empty) beside at (screen pixels).
  void showMeasurement(std::span<tXY* const> atoms, const std::string& text, Point at);

  void distributeprotons();
  void protonate3d() override;
  void Deprotonate();

  /// Draws the document on canvas as its view code chooses (0..19, 100..119 the stereo pair) with
  /// the energy message, then the mole counts when shown, then the graphic symbols in their own
  /// colours.
  void print(Canvas& canvas);
  using tStructure::print;
  /// The passes of one view code, then the labels; a stereo code draws the pair and puts the
  /// model back.
  void printView(Canvas& canvas, int view);
  /// The atom style of the balls, discs or spheres that view code draws (a stereo code as its
  /// single view), 0 when it draws none.
  static std::uint8_t figureStyleOfView(int view);
  /// A full redraw of the window: the main canvas (the window's back buffer) is filled white, the
  /// document printed on it, and the shell copies it to the window.
  void Repaint();
  /// Repaint. The depth order the 3D passes need is sorted by the passes themselves as they draw,
  /// so there is nothing to sort beforehand.
  void Refresh() { Repaint(); }
  /// print on the main canvas over what it shows (no clearing), then copied to the window: a
  /// quick redraw while the model moves.
  void Preview();

  /// Removes atom from the document and every piece, with its bonds; frees it. Pieces left
  /// without atoms are freed.
  void deleteAtom(tXY* atom);
  /// Removes bond from the document and every piece; frees it.
  void deleteBond(tLink* bond);
  /// Removes symbol with its points and strokes from the document; frees them.
  void deleteSymbol(tSymbol* symbol);

private:
  void printPasses(Canvas& canvas, int view);
};

/// Builds a new piece with build and hands it to the current document. When building fails half
/// way (an arithmetic overflow), the atoms and bonds the document did not take are freed with the
/// piece before the failure goes on; a piece the document did not list is freed too.
void placePiece(std::unique_ptr<tStructure> piece, const std::function<void(tStructure&)>& build);

/// The document being edited; set through setCurrentDrawing.
extern tDrawing* CurrentDrawing;
/// Makes drawing current (not owned): the atoms' host and the source of the message font.
void setCurrentDrawing(tDrawing* drawing);

} // namespace trelvix
