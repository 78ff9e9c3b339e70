#include "platform/qt/image_canvas.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_font.h"
#include "platform/qt/svg_canvas.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

const QRgb whitePixel = qRgb(255, 255, 255);

// The smallest rectangle holding every pixel that is not white; empty when there is none.
struct Ink
{
  int left = 0;
  int top = 0;
  int right = -1; // inclusive
  int bottom = -1;
  bool empty() const { return right < left; }
};

Ink inkOf(const QImage& image)
{
  Ink ink{ image.width(), image.height(), -1, -1 };
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != whitePixel) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
  }
  return ink;
}

bool inked(const QImage& image, int x, int y)
{
  return image.pixel(x, y) != whitePixel;
}

TEST(QtCanvas, ColourHasRedInTheLowByte)
{
  const struct
  {
    Colour colour;
    QRgb pixel;
  } cases[] = {
    { 0x0000FF, qRgb(255, 0, 0) },          { 0x00FF00, qRgb(0, 255, 0) },
    { 0xFF0000, qRgb(0, 0, 255) },          { 0x123456, qRgb(0x56, 0x34, 0x12) },
    { 0x01123456, qRgb(0x56, 0x34, 0x12) }, // the high byte is not part of the colour
  };
  for (const auto& c : cases) {
    ImageCanvas canvas(10, 10);
    canvas.setBrush({ BrushStyle::Solid, c.colour });
    canvas.fillRect({ 2, 2, 8, 8 });
    EXPECT_EQ(canvas.image().pixel(5, 5), c.pixel) << std::hex << c.colour;
    EXPECT_EQ(canvas.image().pixel(1, 1), whitePixel);
  }
}

TEST(QtCanvas, FillRectCoversItsRectangleWithoutRightAndBottomEdges)
{
  ImageCanvas canvas(20, 20);
  canvas.setBrush({ BrushStyle::Solid, black });
  canvas.fillRect({ 3, 4, 13, 9 });
  const Ink ink = inkOf(canvas.image());
  EXPECT_EQ(ink.left, 3);
  EXPECT_EQ(ink.top, 4);
  EXPECT_EQ(ink.right, 13 - 1);
  EXPECT_EQ(ink.bottom, 9 - 1);

  // A clear brush fills nothing.
  canvas.setBrush({ BrushStyle::Clear, black });
  canvas.fillRect({ 15, 15, 19, 19 });
  EXPECT_EQ(canvas.image().pixel(16, 16), whitePixel);
}

TEST(QtCanvas, FilledEllipseIsInscribedInItsBox)
{
  ImageCanvas canvas(40, 40);
  canvas.setPen({ PenStyle::Solid, 1, black });
  canvas.setBrush({ BrushStyle::Solid, 0xFF0000 });
  canvas.ellipse({ 10, 10, 30, 30 });
  const QImage& image = canvas.image();
  EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 255)); // the centre has the brush colour
  EXPECT_EQ(image.pixel(5, 5), whitePixel);        // outside the box
  EXPECT_EQ(image.pixel(10, 10), whitePixel);      // the box's corner is outside the circle
  EXPECT_EQ(image.pixel(20, 10), qRgb(0, 0, 0));   // the outline at the top middle
  const Ink ink = inkOf(image);
  EXPECT_EQ(ink.left, 10);
  EXPECT_EQ(ink.top, 10);
  EXPECT_EQ(ink.right, 30 - 1); // right and bottom are exclusive
  EXPECT_EQ(ink.bottom, 30 - 1);
}

TEST(QtCanvas, ClearBrushOutlinesOnlyAndClearPenFillsOnly)
{
  ImageCanvas outlined(40, 40);
  outlined.setPen({ PenStyle::Solid, 1, black });
  outlined.setBrush({ BrushStyle::Clear, 0xFF0000 });
  outlined.ellipse({ 10, 10, 30, 30 });
  EXPECT_EQ(outlined.image().pixel(20, 20), whitePixel);
  EXPECT_EQ(outlined.image().pixel(20, 10), qRgb(0, 0, 0));

  ImageCanvas filled(40, 40);
  filled.setPen({ PenStyle::Clear, 1, black });
  filled.setBrush({ BrushStyle::Solid, 0x0000FF });
  const Point square[] = { { 10, 10 }, { 30, 10 }, { 30, 30 }, { 10, 30 } };
  filled.polygon(square);
  EXPECT_EQ(filled.image().pixel(20, 20), qRgb(255, 0, 0));
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const QRgb p = filled.image().pixel(x, y);
      ASSERT_TRUE(p == whitePixel || p == qRgb(255, 0, 0)) << x << "," << y;
    }
  }
}

TEST(QtCanvas, OnePixelLinesLeaveOutTheirEndPoint)
{
  for (const int width : { 0, 1 }) {
    ImageCanvas canvas(40, 40);
    canvas.setPen({ PenStyle::Solid, width, black });
    canvas.line({ 10, 5 }, { 20, 5 });
    const Ink ink = inkOf(canvas.image());
    EXPECT_EQ(ink.left, 10) << width;
    EXPECT_EQ(ink.right, 20 - 1) << width;
    EXPECT_EQ(ink.top, 5) << width;
    EXPECT_EQ(ink.bottom, 5) << width;
  }
}

TEST(QtCanvas, WidePenCoversItsWidthAcrossTheLine)
{
  ImageCanvas canvas(40, 40);
  canvas.setPen({ PenStyle::Solid, 3, black });
  canvas.line({ 10, 5 }, { 20, 5 });
  EXPECT_FALSE(inked(canvas.image(), 15, 5 - 2));
  EXPECT_TRUE(inked(canvas.image(), 15, 5 - 1));
  EXPECT_TRUE(inked(canvas.image(), 15, 5));
  EXPECT_TRUE(inked(canvas.image(), 15, 5 + 1));
  EXPECT_FALSE(inked(canvas.image(), 15, 5 + 2));
}

TEST(QtCanvas, DashedPensFollowTheDeviceContextPatterns)
{
  // Pixel x of a line from x = 0 is inked when x falls in an "on" run of the repeating pattern:
  // Dash 18 on 6 off, Dot 3-3, DashDot 9-6-3-6, DashDotDot 9-3-3-3-3-3.
  const struct
  {
    PenStyle style;
    std::vector<int> on;
    std::vector<int> off;
  } cases[] = {
    { PenStyle::Dash, { 0, 17, 24, 24 + 17 }, { 18, 23, 24 + 18 } },
    { PenStyle::Dot, { 0, 2, 6, 8 }, { 3, 5, 9 } },
    { PenStyle::DashDot, { 0, 8, 15, 17, 24 }, { 9, 14, 18, 23 } },
    { PenStyle::DashDotDot, { 0, 8, 12, 14, 18, 20, 24 }, { 9, 11, 15, 17, 21, 23 } },
    { PenStyle::Solid, { 0, 9, 18, 23 }, {} },
  };
  for (const auto& c : cases) {
    ImageCanvas canvas(70, 10);
    canvas.setPen({ c.style, 1, black });
    canvas.line({ 0, 5 }, { 60, 5 });
    for (const int x : c.on) {
      EXPECT_TRUE(inked(canvas.image(), x, 5)) << int(c.style) << " x " << x;
    }
    for (const int x : c.off) {
      EXPECT_FALSE(inked(canvas.image(), x, 5)) << int(c.style) << " x " << x;
    }
  }

  // Only thin pens are dashed: a wider one draws solid.
  ImageCanvas wide(70, 10);
  wide.setPen({ PenStyle::Dash, 2, black });
  wide.line({ 0, 5 }, { 60, 5 });
  EXPECT_TRUE(inked(wide.image(), 20, 5));

  // A clear pen draws nothing.
  ImageCanvas clear(70, 10);
  clear.setPen({ PenStyle::Clear, 1, black });
  clear.line({ 0, 5 }, { 60, 5 });
  EXPECT_TRUE(inkOf(clear.image()).empty());
}

TEST(QtCanvas, PolylineJoinsItsPointsWithoutClosing)
{
  ImageCanvas canvas(40, 40);
  const Point corner[] = { { 5, 5 }, { 25, 5 }, { 25, 25 } };
  canvas.polyline(corner);
  EXPECT_TRUE(inked(canvas.image(), 15, 5));
  EXPECT_TRUE(inked(canvas.image(), 25, 15));
  EXPECT_FALSE(inked(canvas.image(), 15, 15)); // on the diagonal a polygon would close with
}

TEST(QtCanvas, NotXorDrawnTwiceRestoresTheImage)
{
  ImageCanvas canvas(40, 40);
  canvas.setBrush({ BrushStyle::Solid, black });
  canvas.fillRect({ 20, 0, 40, 40 }); // the right half black
  const QImage before = canvas.image().copy();

  canvas.setRasterMode(RasterMode::NotXor);
  canvas.setPen({ PenStyle::Solid, 1, 0x777777 });
  canvas.line({ 5, 10 }, { 35, 10 });
  // NOT (0x77 XOR 0xFF) = 0x77 on white; NOT (0x77 XOR 0x00) = 0x88 on black.
  EXPECT_EQ(canvas.image().pixel(10, 10), qRgb(0x77, 0x77, 0x77));
  EXPECT_EQ(canvas.image().pixel(30, 10), qRgb(0x88, 0x88, 0x88));
  canvas.line({ 5, 10 }, { 35, 10 });
  EXPECT_EQ(canvas.image(), before);

  // The rubber band's rectangle, and a filled ellipse, come and go the same way.
  const Point band[] = { { 3, 3 }, { 30, 3 }, { 30, 30 }, { 3, 30 }, { 3, 3 } };
  canvas.polyline(band);
  EXPECT_NE(canvas.image(), before);
  canvas.polyline(band);
  EXPECT_EQ(canvas.image(), before);
  canvas.setBrush({ BrushStyle::Solid, 0x00FF00 });
  canvas.ellipse({ 8, 8, 33, 33 });
  EXPECT_NE(canvas.image(), before);
  canvas.ellipse({ 8, 8, 33, 33 });
  EXPECT_EQ(canvas.image(), before);

  // Back in copy mode the pen's colour is drawn as it is.
  canvas.setRasterMode(RasterMode::Copy);
  canvas.line({ 5, 10 }, { 35, 10 });
  EXPECT_EQ(canvas.image().pixel(30, 10), qRgb(0x77, 0x77, 0x77));
}

TEST(QtCanvas, AntialiasingBlendsEdgesExceptInNotXor)
{
  const auto edgeShades = [](const QImage& image) {
    int shades = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        shades += p != whitePixel && p != qRgb(0, 0, 0) ? 1 : 0;
      }
    }
    return shades;
  };
  ImageCanvas canvas(40, 40);
  canvas.setBrush({ BrushStyle::Solid, black });
  canvas.ellipse({ 10, 10, 30, 30 });
  EXPECT_EQ(edgeShades(canvas.image()), 0);

  ImageCanvas smooth(40, 40);
  smooth.setAntialiased(true);
  smooth.setBrush({ BrushStyle::Solid, black });
  smooth.ellipse({ 10, 10, 30, 30 });
  EXPECT_GT(edgeShades(smooth.image()), 0);

  const QImage before = smooth.image().copy();
  smooth.setRasterMode(RasterMode::NotXor);
  smooth.ellipse({ 5, 5, 35, 35 });
  smooth.ellipse({ 5, 5, 35, 35 });
  EXPECT_EQ(smooth.image(), before);
}

TEST(QtCanvas, FillRectAndTextCopyEvenInNotXor)
{
  ImageCanvas canvas(60, 30);
  canvas.setRasterMode(RasterMode::NotXor);
  canvas.setBrush({ BrushStyle::Solid, 0x0000FF });
  canvas.fillRect({ 0, 0, 10, 10 });
  EXPECT_EQ(canvas.image().pixel(5, 5), qRgb(255, 0, 0));
  canvas.setTextColour(0x0000FF);
  canvas.text({ 15, 5 }, "H");
  const Ink ink = inkOf(canvas.image().copy(15, 0, 45, 30));
  ASSERT_FALSE(ink.empty());
  EXPECT_EQ(canvas.image().pixel(15 + ink.left, ink.top), qRgb(255, 0, 0));
}

FontRecord testFont(int height)
{
  FontRecord font = defaultFontRecord();
  font.setFace("DejaVu Sans");
  font.height = static_cast<std::int16_t>(height);
  return font;
}

TEST(QtCanvas, TextExtentIsAdvanceAndFontHeight)
{
  ImageCanvas canvas(10, 10);
  canvas.setFont(testFont(20));
  const TextExtent h = canvas.textExtent("H");
  const TextExtent hhh = canvas.textExtent("HHH");
  EXPECT_GT(h.width, 0);
  EXPECT_EQ(hhh.width, 3 * h.width);
  EXPECT_EQ(hhh.height, h.height);
  // The height is ascent + descent, a little more than the 20-pixel em.
  EXPECT_GE(h.height, 20);
  EXPECT_LE(h.height, 20 * 3 / 2);
  EXPECT_EQ(canvas.textExtent("").width, 0);

  // A font twice as high measures about twice as much.
  canvas.setFont(testFont(-40));
  const TextExtent big = canvas.textExtent("H");
  EXPECT_GE(big.height, 2 * h.height - 2);
  EXPECT_LE(big.height, 2 * h.height + 2);
  EXPECT_GE(big.width, 2 * h.width - 2);
}

TEST(QtCanvas, TextOriginFollowsTheAlignment)
{
  ImageCanvas canvas(10, 10);
  canvas.setFont(testFont(20));
  const QFontMetrics fm(qFontFromRecord(testFont(20)));
  const int w = canvas.textExtent("HHH").width;
  const Point at{ 100, 50 };
  const struct
  {
    TextAlign align;
    QPoint origin;
  } cases[] = {
    { { HAlign::Left, VAlign::Top }, { 100, 50 + fm.ascent() } },
    { { HAlign::Center, VAlign::Top }, { 100 - w / 2, 50 + fm.ascent() } },
    { { HAlign::Right, VAlign::Top }, { 100 - w, 50 + fm.ascent() } },
    { { HAlign::Left, VAlign::Baseline }, { 100, 50 } },
    { { HAlign::Center, VAlign::Baseline }, { 100 - w / 2, 50 } },
    { { HAlign::Right, VAlign::Bottom }, { 100 - w, 50 - fm.descent() } },
  };
  for (const auto& c : cases) {
    canvas.setTextAlign(c.align);
    EXPECT_EQ(canvas.textOrigin(at, "HHH"), c.origin)
      << int(c.align.horizontal) << "," << int(c.align.vertical);
  }
}

TEST(QtCanvas, RenderedTextSitsWhereItsAlignmentPutsIt)
{
  const FontRecord font = testFont(20);
  const Point at{ 100, 40 };
  ImageCanvas probe(10, 10);
  probe.setFont(font);
  const TextExtent e = probe.textExtent("HHH");
  const QFontMetrics fm(qFontFromRecord(font));

  {
    // Left, top: the text lies in the box right of and below the anchor.
    ImageCanvas canvas(200, 80);
    canvas.setFont(font);
    canvas.setTextColour(0x0000FF);
    canvas.text(at, "HHH");
    const Ink ink = inkOf(canvas.image());
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, at.x);
    EXPECT_LT(ink.right, at.x + e.width);
    EXPECT_GE(ink.top, at.y);
    EXPECT_EQ(ink.bottom, at.y + fm.ascent() - 1); // "H" stands on the baseline
    // Not antialiased: every inked pixel has the text colour.
    for (int y = ink.top; y <= ink.bottom; ++y) {
      for (int x = ink.left; x <= ink.right; ++x) {
        const QRgb p = canvas.image().pixel(x, y);
        ASSERT_TRUE(p == whitePixel || p == qRgb(255, 0, 0)) << x << "," << y;
      }
    }
  }
  {
    // Centre, baseline: the ink is centred on the anchor and stands on it.
    ImageCanvas canvas(200, 80);
    canvas.setFont(font);
    canvas.setTextAlign({ HAlign::Center, VAlign::Baseline });
    canvas.text(at, "HHH");
    const Ink ink = inkOf(canvas.image());
    ASSERT_FALSE(ink.empty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, at.x, 2.0);
    EXPECT_EQ(ink.bottom, at.y - 1);
  }
  {
    // Right, bottom: the text lies left of and above the anchor.
    ImageCanvas canvas(200, 80);
    canvas.setFont(font);
    canvas.setTextAlign({ HAlign::Right, VAlign::Bottom });
    canvas.text(at, "HHH");
    const Ink ink = inkOf(canvas.image());
    ASSERT_FALSE(ink.empty());
    EXPECT_LT(ink.right, at.x);
    EXPECT_GE(ink.left, at.x - e.width);
    EXPECT_EQ(ink.bottom, at.y - fm.descent() - 1);
  }
}

TEST(QtCanvas, TextIsUtf8OrElseLatin1)
{
  const QString ring(QChar(0x00C5)); // Å
  EXPECT_EQ(QtCanvas::qText("\xC3\x85"), ring);
  EXPECT_EQ(QtCanvas::qText("\xC5"), ring);
  EXPECT_EQ(QtCanvas::qText("CH3"), QStringLiteral("CH3"));
}

TEST(QtCanvas, CharactersXmlCannotHoldAreReplaced)
{
  const QChar replaced = QChar::ReplacementCharacter;
  EXPECT_EQ(QtCanvas::qText("a\x01"
                            "b"),
            QStringLiteral("a") + replaced + QStringLiteral("b"));
  EXPECT_EQ(QtCanvas::qText("\xEF\xBF\xBE\xEF\xBF\xBF"), QString(2, replaced)); // U+FFFE, U+FFFF
  EXPECT_EQ(QtCanvas::qText("\x1F"), QString(replaced));
  EXPECT_EQ(QtCanvas::qText("\x7F\x1F"), QString(QChar(0x7F)) + replaced); // Latin-1 after all
  // Tab and line ends, and characters beyond the basic plane, are XML's own.
  EXPECT_EQ(QtCanvas::qText("\t\n\r"), QStringLiteral("\t\n\r"));
  EXPECT_EQ(QtCanvas::qText("\xF0\x9F\x98\x80").size(), 2); // U+1F600 as a surrogate pair
}

TEST(QtSvgCanvas, TextAndTitleWithControlCharactersStillParse)
{
  QByteArray svg;
  {
    SvgCanvas canvas(100, 40, "title\x01\xEF\xBF\xBE");
    canvas.text({ 10, 30 }, "C\x02H\x1B\xEF\xBF\xBF");
    ASSERT_TRUE(canvas.finish());
    svg = canvas.svg();
  }
  QXmlStreamReader xml(svg);
  while (!xml.atEnd())
    xml.readNext();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(svg.contains("C\xEF\xBF\xBDH")) << svg.toStdString();
}

TEST(QtCanvas, DrawsThroughTheCallersPainter)
{
  QImage image(20, 20, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    canvas.setBrush({ BrushStyle::Solid, 0x00FF00 });
    canvas.fillRect({ 0, 0, 5, 5 });
  }
  EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(7, 7), whitePixel);

  // Without an active painter the canvas draws nothing and still measures.
  QPainter idle;
  QtCanvas detached(idle);
  detached.line({ 0, 0 }, { 5, 5 });
  EXPECT_GT(detached.textExtent("H").width, 0);
}

TEST(QtFont, MissingFaceFallsBackToAnInstalledSansSerif)
{
  FontRecord record = defaultFontRecord();
  record.setFace("No Such Face Anywhere");
  const QFont font = qFontFromRecord(record);
  EXPECT_EQ(font.families(), QStringList({ "No Such Face Anywhere", "DejaVu Sans" }));
  EXPECT_EQ(font.styleHint(), QFont::SansSerif);
  const QString used = QFontInfo(font).family();
  EXPECT_TRUE(QFontDatabase::families().contains(used)) << used.toStdString();
  EXPECT_EQ(used, QStringLiteral("DejaVu Sans"));
}

TEST(QtFont, InstalledFaceIsUsed)
{
  FontRecord record = defaultFontRecord();
  record.setFace("DejaVu Sans Mono");
  EXPECT_EQ(QFontInfo(qFontFromRecord(record)).family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST(QtFont, HeightWeightAndStyles)
{
  const struct
  {
    std::int16_t height;
    std::int16_t weight;
    std::uint8_t italic, underline, strikeOut;
    int pixelSize;
    int qtWeight;
  } cases[] = {
    { 13, 400, 0, 0, 0, 13, QFont::Normal },   { -20, 700, 1, 0, 0, 20, QFont::Bold },
    { 0, 0, 0, 1, 0, 13, QFont::Normal }, // height 0: a 13-pixel cell; weight 0: "don't care"
    { 24, 100, 0, 0, 1, 24, QFont::Thin },     { -9, 900, 1, 1, 1, 9, QFont::Black },
    { 16, 600, 0, 0, 0, 16, QFont::DemiBold },
  };
  for (const auto& c : cases) {
    FontRecord record = defaultFontRecord();
    record.height = c.height;
    record.weight = c.weight;
    record.italic = c.italic;
    record.underline = c.underline;
    record.strikeOut = c.strikeOut;
    const QFont font = qFontFromRecord(record);
    EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.height;
    EXPECT_EQ(font.weight(), c.qtWeight) << c.weight;
    EXPECT_EQ(font.italic(), c.italic != 0);
    EXPECT_EQ(font.underline(), c.underline != 0);
    EXPECT_EQ(font.strikeOut(), c.strikeOut != 0);
  }
}

TEST(QtImageCanvas, StartsAsAWhiteArgbImage)
{
  ImageCanvas canvas(30, 20);
  EXPECT_EQ(canvas.image().size(), QSize(30, 20));
  EXPECT_EQ(canvas.image().format(), QImage::Format_ARGB32);
  EXPECT_TRUE(inkOf(canvas.image()).empty());
  EXPECT_FALSE(canvas.antialiased());
}

TEST(QtImageCanvas, EncodesAPngThatReadsBack)
{
  ImageCanvas canvas(30, 20);
  canvas.setBrush({ BrushStyle::Solid, 0x0000FF });
  canvas.fillRect({ 0, 0, 10, 10 });
  const QImage read = QImage::fromData(canvas.png(), "PNG");
  ASSERT_EQ(read.size(), QSize(30, 20));
  EXPECT_EQ(read.pixel(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(read.pixel(15, 15), whitePixel);

  EXPECT_TRUE(ImageCanvas(0, 10).png().isEmpty());
}

TEST(QtSvgCanvas, MakesAnSvgThatParses)
{
  QByteArray svg;
  {
    SvgCanvas canvas(120, 80, "Benzene & friends");
    canvas.setBrush({ BrushStyle::Solid, 0x0000FF });
    canvas.ellipse({ 10, 10, 50, 50 });
    canvas.setPen({ PenStyle::Dash, 1, 0x00FF00 });
    canvas.line({ 0, 70 }, { 100, 70 });
    canvas.setRasterMode(RasterMode::NotXor); // drawn normally: SVG has no raster operations
    canvas.setPen({ PenStyle::Solid, 0, 0x777777 });
    const Point band[] = { { 60, 10 }, { 110, 10 }, { 110, 60 }, { 60, 60 }, { 60, 10 } };
    canvas.polyline(band);
    canvas.setRasterMode(RasterMode::Copy);
    canvas.setTextAlign({ HAlign::Center, VAlign::Baseline });
    canvas.text({ 60, 75 }, "C6H6 <&>");
    EXPECT_GT(canvas.textExtent("C6H6").width, 0);
    EXPECT_TRUE(canvas.finish());
    EXPECT_TRUE(canvas.finish());
    canvas.line({ 0, 0 }, { 10, 10 }); // after finishing: nothing, no failure
    svg = canvas.svg();
  }

  QXmlStreamReader xml(svg);
  QString title;
  bool seenRoot = false;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      if (xml.name() == QLatin1String("svg")) {
        seenRoot = true;
        EXPECT_EQ(xml.attributes().value("viewBox").toString(), QStringLiteral("0 0 120 80"));
      } else if (xml.name() == QLatin1String("title")) {
        title = xml.readElementText();
      }
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(seenRoot);
  EXPECT_EQ(title, QStringLiteral("Benzene & friends"));
  EXPECT_TRUE(svg.contains("C6H6 &lt;&amp;&gt;"));
  // The text names the face it was laid out with, not the missing face of the record.
  const QString face = QFontInfo(qFontFromRecord(defaultFontRecord())).family();
  EXPECT_TRUE(svg.contains(("font-family=\"" + face + "\"").toUtf8())) << face.toStdString();
  EXPECT_FALSE(svg.contains("MS Sans Serif"));
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
}

} // namespace
} // namespace trelvix
