// The reaction report: six text lines under the drawing, centred below the front reaction arrow.
#include "document/report.h"

#include "document/arrows.h"
#include "document/drawing.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "platform/fixed_text.h"
#include "platform/shell.h"

#include <array>
#include <cstdio>
#include <vector>

namespace trelvix {

namespace {

ReactionDeltasSource g_source;

const tArrow* frontReactionArrow(const tDrawing& d)
{
  if (!d.Symbols)
    return nullptr;
  for (const tSymbol* s : *d.Symbols) {
    if (s->symbolKind >= 102 && s->symbolKind <= 105)
      return dynamic_cast<const tArrow*>(s);
  }
  return nullptr;
}

} // namespace

void setReactionDeltasSource(ReactionDeltasSource source)
{
  g_source = std::move(source);
}

std::array<std::string, 6> reportTexts(const ReactionDeltas& deltas, double T, double P)
{
  const double dG = deltas.dH - T * deltas.dS;
  // 1 / ln 10 and 1 / R with R = 1.98717 cal/(mol K).
  const double logK = 0.43429448190212877 * (0.5032282089604815 * -dG / T);
  return { "    Summary",
           "P = " + fixedText(P, 4, 1) + "  T =" + fixedText(T, 4, 0) + "K",
           "deltaG = " + fixedText(dG / 1000, 8, 1) + " Kcal",
           "deltaH = " + fixedText(deltas.dH / 1000, 8, 1) + " Kcal",
           "deltaS = " + fixedText(deltas.dS, 6, 2) + " cal/K",
           "logK   = " + fixedText(logK, 6, 3) };
}

void tDrawing::CreateReport(double T, double P)
{
  const tArrow* arrow = frontReactionArrow(*this);
  if (!arrow || T < 0)
    return;
  if (hasReport())
    DestroyReport();
  Color(black);
  frame();
  const ReactionDeltas deltas = g_source ? g_source(*this, *arrow, T, P) : ReactionDeltas{};
  std::vector<std::string> lines;
  for (const std::string& text : reportTexts(deltas, T, P))
    lines.push_back(text);
  for (std::size_t k = 0; k < deltas.sources.size() && lines.size() < reportLines.size(); ++k)
    lines.push_back(deltas.sources[k]);

  Canvas& canvas = currentShell().mainCanvas();
  const FontRecord oldFont = canvas.font();
  canvas.setFont(modelDefaults().font);
  const std::int32_t width = canvas.textExtent(lines[2]).width;
  // The height of "X" times 4/3, rounded as an integer multiply-divide does.
  const std::int32_t lineHeight = (canvas.textExtent("X").height * 4 + 1) / 3;
  canvas.setFont(oldFont);
  const std::int32_t x = (arrow->left() + arrow->right() - width) / 2;
  const std::int32_t y0 = Atoms.yMax();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    auto* line = new tLAtm(x, y0 + static_cast<std::int32_t>(k + 2) * lineHeight, lines[k]);
    line->font = modelDefaults().font;
    reportLines[k] = line;
    Atoms.Add(line);
  }
  stateFlags[reportFlag] = 1;
}

void tDrawing::DestroyReport()
{
  stateFlags[reportFlag] = 0;
  for (tLAtm*& line : reportLines) {
    if (line) {
      Atoms.Remove(line);
      delete line;
      line = nullptr;
    }
  }
}

} // namespace trelvix
