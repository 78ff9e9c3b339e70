#include "platform/qt/qt_font.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace trelvix {

namespace {

// The cell height a record of height 0 gets: a 10-point cell at 96 dpi, as the recording canvas
// and the program's default font use.
constexpr int defaultPixelSize = 13;

// The face every Linux installation of the program has (fonts-dejavu-core).
const char* const fallbackFace = "DejaVu Sans";

} // namespace

QFont qFontFromRecord(const FontRecord& record)
{
  QFont font;
  font.setStyleHint(QFont::SansSerif);
  const QString face = QString::fromLatin1(record.face());
  QStringList families;
  if (!face.isEmpty()) {
    families << face;
  }
  families << QString::fromLatin1(fallbackFace);
  font.setFamilies(families);

  const int height = std::abs(static_cast<int>(record.height));
  font.setPixelSize(height == 0 ? defaultPixelSize : height);

  // Font weights run 100 (thin) .. 900 (black) on the same scale as QFont::Weight; 0 means
  // "don't care", which a device context draws as normal.
  const int weight = record.weight <= 0 ? static_cast<int>(QFont::Normal)
                                        : std::clamp(static_cast<int>(record.weight), 1, 1000);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(record.italic != 0);
  font.setUnderline(record.underline != 0);
  font.setStrikeOut(record.strikeOut != 0);
  return font;
}

} // namespace trelvix
