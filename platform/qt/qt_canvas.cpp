#include "platform/qt/qt_canvas.h"

#include "platform/qt/qt_font.h"
#include "platform/qt/sphere_pictures.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QStringDecoder>
#include <vector>

namespace trelvix {

namespace {

QColor qColour(Colour colour)
{
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A device context's dash patterns, in pixels (pen widths of a one-pixel pen).
QList<qreal> dashPattern(PenStyle style)
{
  switch (style) {
    case PenStyle::Dash:
      return { 18, 6 };
    case PenStyle::Dot:
      return { 3, 3 };
    case PenStyle::DashDot:
      return { 9, 6, 3, 6 };
    case PenStyle::DashDotDot:
      return { 9, 3, 3, 3, 3, 3 };
    case PenStyle::Solid:
    case PenStyle::Clear:
      break;
  }
  return {};
}

QPen qPen(const Pen& pen)
{
  if (pen.style == PenStyle::Clear) {
    return QPen(Qt::NoPen);
  }
  QPen q(qColour(pen.colour));
  const bool thin = pen.width <= 1;
  q.setWidth(pen.width <= 0 ? 0 : pen.width); // width 0: cosmetic, one pixel at any scale
  // A one-pixel pen with flat caps leaves out the end point, as a device context does; wider pens
  // are round at their ends and corners.
  q.setCapStyle(thin ? Qt::FlatCap : Qt::RoundCap);
  q.setJoinStyle(thin ? Qt::MiterJoin : Qt::RoundJoin);
  if (thin && pen.style != PenStyle::Solid) {
    q.setDashPattern(dashPattern(pen.style));
  }
  return q;
}

QBrush qBrush(const Brush& brush)
{
  return brush.style == BrushStyle::Solid ? QBrush(qColour(brush.colour)) : QBrush(Qt::NoBrush);
}

QPolygon qPolygon(std::span<const Point> points)
{
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) {
    polygon << QPoint(p.x, p.y);
  }
  return polygon;
}

bool hasRasterOps(const QPainter& painter)
{
  const QPaintEngine* engine = painter.paintEngine();
  return engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter)
  : m_painter(&painter)
{
}

QtCanvas::~QtCanvas() = default;

namespace {

// Characters an XML document cannot hold (controls but tab and line ends, U+FFFE, U+FFFF, a
// surrogate without its pair) become U+FFFD, so that every SVG of the text parses.
QString withXmlCharacters(QString text)
{
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                      QChar::isLowSurrogate(text[i + 1].unicode());
    if (pair) {
      ++i;
      continue;
    }
    const bool control = c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
    if (control || c == 0xFFFE || c == 0xFFFF || QChar::isSurrogate(c))
      text[i] = QChar::ReplacementCharacter;
  }
  return text;
}

} // namespace

QString QtCanvas::qText(std::string_view text)
{
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
  QString decoded = utf8.decode(bytes);
  if (utf8.hasError()) {
    return withXmlCharacters(QString::fromLatin1(bytes));
  }
  return withXmlCharacters(std::move(decoded));
}

bool QtCanvas::active() const
{
  return m_painter != nullptr && m_painter->isActive();
}

void QtCanvas::prepareFigure()
{
  QPainter& p = *m_painter;
  p.setPen(qPen(pen()));
  p.setBrush(qBrush(brush()));
  const bool notXor = rasterMode() == RasterMode::NotXor && hasRasterOps(p);
  p.setCompositionMode(notXor ? QPainter::RasterOp_NotSourceXorDestination
                              : QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::Antialiasing, m_antialiased && !notXor);
}

const QFont& QtCanvas::currentFont() const
{
  if (!m_fontValid || !(m_fontRecord == font()) || m_fontAntialiased != m_antialiased) {
    m_fontRecord = font();
    m_fontAntialiased = m_antialiased;
    m_font = qFontFromRecord(m_fontRecord);
    // Name only the face actually found, so that a vector file names the face its text was laid
    // out with rather than a missing one.
    m_font.setFamilies({ QFontInfo(m_font).family() });
    // The painter's text hint alone still lets the font engine blend glyph edges.
    m_font.setStyleStrategy(m_antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    m_fontValid = true;
  }
  return m_font;
}

QFontMetrics QtCanvas::metrics() const
{
  if (active() && m_painter->device() != nullptr) {
    return QFontMetrics(currentFont(), m_painter->device());
  }
  return QFontMetrics(currentFont());
}

void QtCanvas::line(Point from, Point to)
{
  if (!active()) {
    return;
  }
  prepareFigure();
  m_painter->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::polyline(std::span<const Point> points)
{
  if (!active() || points.size() < 2) {
    return;
  }
  prepareFigure();
  m_painter->drawPolyline(qPolygon(points));
}

void QtCanvas::polygon(std::span<const Point> points)
{
  if (!active() || points.size() < 2) {
    return;
  }
  prepareFigure();
  // Odd-even filling is a device context's default polygon fill mode.
  m_painter->drawPolygon(qPolygon(points), Qt::OddEvenFill);
}

void QtCanvas::ellipse(const Rect& box)
{
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (!active() || width <= 0 || height <= 0) {
    return;
  }
  prepareFigure();
  // A one-pixel outline of the rectangle (l, t, w - 1, h - 1) covers pixels l .. l + w - 1: the
  // right and bottom edges of the box stay outside, as on a device context.
  m_painter->drawEllipse(QRectF(box.left, box.top, width - 1, height - 1));
}

void QtCanvas::fillRect(const Rect& rect)
{
  if (!active() || brush().style == BrushStyle::Clear) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  m_painter->fillRect(QRect(rect.left, rect.top, width, height), qColour(brush().colour));
}

QPoint QtCanvas::textOrigin(Point at, std::string_view text) const
{
  const QFontMetrics fm = metrics();
  int x = at.x;
  switch (textAlign().horizontal) {
    case HAlign::Left:
      break;
    case HAlign::Center:
      x -= fm.horizontalAdvance(qText(text)) / 2;
      break;
    case HAlign::Right:
      x -= fm.horizontalAdvance(qText(text));
      break;
  }
  int y = at.y;
  switch (textAlign().vertical) {
    case VAlign::Top:
      y += fm.ascent();
      break;
    case VAlign::Baseline:
      break;
    case VAlign::Bottom:
      y -= fm.descent();
      break;
  }
  return QPoint(x, y);
}

void QtCanvas::text(Point at, std::string_view text)
{
  if (!active() || text.empty()) {
    return;
  }
  QPainter& p = *m_painter;
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::TextAntialiasing, m_antialiased);
  p.setRenderHint(QPainter::Antialiasing, m_antialiased);
  p.setBackgroundMode(Qt::TransparentMode);
  p.setFont(currentFont());
  p.setPen(QPen(qColour(textColour())));
  p.drawText(textOrigin(at, text), qText(text));
}

void QtCanvas::fillSurface(Colour colour)
{
  if (!active() || m_painter->device() == nullptr) {
    return;
  }
  const QPaintDevice& device = *m_painter->device();
  m_painter->save();
  m_painter->resetTransform();
  m_painter->setCompositionMode(QPainter::CompositionMode_Source);
  m_painter->fillRect(QRect(0, 0, device.width(), device.height()), qColour(colour));
  m_painter->restore();
}

bool QtCanvas::blitsPictures() const
{
  const QPaintDevice* device = m_painter->device();
  return device != nullptr && device->devType() == QInternal::Image &&
         m_painter->transform().type() <= QTransform::TxTranslate &&
         rasterMode() == RasterMode::Copy;
}

void QtCanvas::shadedSphere(Point centre, int r, Colour colour)
{
  if (!active()) {
    return;
  }
  if (r < 5 || r > SpherePictures::largestRadius || m_antialiased || !blitsPictures()) {
    Canvas::shadedSphere(centre, r, colour);
    return;
  }
  const QImage picture = SpherePictures::picture(r, colour);
  const int corner = r + SpherePictures::margin;
  m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  m_painter->drawImage(QPoint(centre.x - corner, centre.y - corner), picture);
}

TextExtent QtCanvas::textExtent(std::string_view text) const
{
  const QFontMetrics fm = metrics();
  return TextExtent{ fm.horizontalAdvance(qText(text)), fm.height() };
}

} // namespace trelvix
