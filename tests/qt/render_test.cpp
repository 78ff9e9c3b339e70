#include "document/arrows.h"
#include "document/drawing.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/qt_font.h"
#include "platform/scripted_shell.h"
#include "render/render_file.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

/// The window's page of width × height pixels in the format.
PictureOptions pageOptions(RenderFormat format, int width, int height)
{
  return { .format = format, .page = true, .pageWidth = width, .pageHeight = height };
}

/// An oxygen at (100, 80) and an arrow from (110, 30) to its tip at (150, 30), in a current
/// document drawn in Color Spheres.
class RenderTest : public ::testing::Test
{
protected:
  RenderTest()
  {
    setCurrentShell(&shell);
    setCurrentDrawing(&doc);
    doc.Atoms.Add(new tAtm(8, 100, 80, 0));
    auto* arrow = new tArrow(0, black, tArrow::fullHead, 1);
    arrow->Atoms.At(0)->setRXYZ(150, 30, 0);
    arrow->Atoms.At(1)->setRXYZ(110, 30, 0);
    arrow->update();
    doc.AddSymbol(arrow);
    doc.viewMode = 10;
  }
  ~RenderTest() override
  {
    setCurrentDrawing(nullptr);
    setCurrentShell(nullptr);
  }

  std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }

  ModelDefaultsScope defaults;
  ScriptedShell shell;
  tDrawing doc;
  QTemporaryDir dir;
};

TEST_F(RenderTest, PngShowsTheOxygenSphereAtFullShadeInItsCentre)
{
  ASSERT_TRUE(dir.isValid());
  ASSERT_EQ(writePicture(doc, path("o.png"), pageOptions(RenderFormat::Png, 200, 160)), "");
  const QImage image(QString::fromStdString(path("o.png")));
  ASSERT_EQ(image.size(), QSize(200, 160));
  // Oxygen is 0x0000FF: the innermost disc, in the full colour, covers the atom's centre.
  EXPECT_EQ(image.pixel(100, 80), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
  // The arrow's filled head: tip (150, 30), base 28 / 4 = 7 back at x 143, 4 pixels either side.
  EXPECT_EQ(image.pixel(146, 30), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(146, 25), qRgb(255, 255, 255));
}

TEST_F(RenderTest, FormulaCharactersAreSpacedByTheirDrawnWidths)
{
  // A formula "WW" alone on the page, in Normal view: its two characters stand side by side,
  // each as wide as the font draws it, whatever the headless shell's own text metric says.
  doc.viewMode = 0;
  setCurrentDrawing(nullptr);
  tDrawing page;
  setCurrentDrawing(&page);
  auto* formula = new tFormula(40, 40, "WW");
  page.Atoms.Add(formula);
  page.Labels.Add(formula);
  ASSERT_EQ(writePicture(page, path("w.png"), pageOptions(RenderFormat::Png, 120, 80)), "");
  const QImage image(QString::fromStdString(path("w.png")));
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(right, left);
  const QFontMetrics metrics(qFontFromRecord(formula->font));
  // Two W's of the drawn font, less the bearings at the two outer edges (a pixel or two).
  EXPECT_GE(right - left + 1, 2 * metrics.horizontalAdvance(QLatin1Char('W')) - 4);
  setCurrentDrawing(&doc);
}

TEST_F(RenderTest, SvgParsesAndDrawsSpheresAsShapes)
{
  ASSERT_TRUE(dir.isValid());
  ASSERT_EQ(writePicture(doc, path("o.svg"), pageOptions(RenderFormat::Svg, 200, 160)), "");
  QFile file(QString::fromStdString(path("o.svg")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  QXmlStreamReader xml(text);
  int images = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("image"))
      ++images;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(images, 0); // a vector file gets the discs themselves, not a cached picture
  EXPECT_TRUE(QSvgRenderer(text).isValid());
}

TEST_F(RenderTest, AFileThatCannotBeWrittenSaysWhyAndLeavesNoFile)
{
  ASSERT_TRUE(dir.isValid());
  const std::string missing = path("no/such/dir/o.png");
  EXPECT_EQ(writePicture(doc, missing, pageOptions(RenderFormat::Png, 200, 160)),
            "Cannot write " + missing + ": No such file or directory");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
}

TEST_F(RenderTest, AnOverflowWhileDrawingWritesNothingOverTheOldFile)
{
  // A stereo view moves the model about its frame in 16-bit screen arithmetic: an atom at
  // 70 000 pixels cannot be drawn there.
  ASSERT_TRUE(dir.isValid());
  doc.Atoms.Add(new tAtm(6, 70000, 80, 0));
  doc.viewMode = 110;
  QFile old(QString::fromStdString(path("o.png")));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  for (const RenderFormat format : { RenderFormat::Png, RenderFormat::Svg })
    EXPECT_EQ(writePicture(doc, path("o.png"), pageOptions(format, 200, 160)),
              "Arithmetic overflow");
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old"));
  EXPECT_TRUE(renderImage(doc, 200, 160).isNull());
}

/// The inked pixels of a framed PNG: inside, and on its outermost rows and columns (the margin,
/// which must stay white).
struct Ink
{
  int inside = 0;
  int onEdge = 0;
};

Ink inkOf(const Picture& picture)
{
  QImage image;
  Ink ink;
  if (!image.loadFromData(picture.bytes, "PNG"))
    return ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) >= 224)
        continue;
      const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
      ++(edge ? ink.onEdge : ink.inside);
    }
  }
  return ink;
}

TEST_F(RenderTest, AFramedPictureHoldsTheWholeTextOfItsLabels)
{
  // Labels hang right and down from their points and formulas spread from theirs: the frame of
  // the points alone would cut the texts off.
  doc.viewMode = 0;
  auto* label = new tLAtm(120, 140, "WWWWWW label");
  doc.Atoms.Add(label);
  doc.Labels.Add(label);
  auto* formula = new tFormula(40, 20, "SO4-2");
  formula->textDirection = -1;
  doc.Atoms.Add(formula);
  doc.Labels.Add(formula);
  const Picture picture = makePicture(doc, PictureOptions{});
  ASSERT_EQ(picture.message, "");
  const Ink ink = inkOf(picture);
  EXPECT_GT(ink.inside, 0);
  EXPECT_EQ(ink.onEdge, 0);
}

TEST_F(RenderTest, AFramedPictureHoldsTheWholeSphereOfItsOutermostAtom)
{
  // An iodine below the oxygen is the lowest point; in Color Spheres its sphere (radius
  // round(round(1.33 × 28 / 1.53) × 1.1) = 26 pixels) reaches further than the half-bond margin
  // of 14.
  ASSERT_EQ(doc.viewMode, 10);
  doc.Atoms.Add(new tAtm(53, 100, 130, 0));
  const Picture picture = makePicture(doc, PictureOptions{});
  ASSERT_EQ(picture.message, "");
  const Ink ink = inkOf(picture);
  EXPECT_GT(ink.inside, 0);
  EXPECT_EQ(ink.onEdge, 0);
}

TEST_F(RenderTest, AFramedPictureHoldsTheWholeSymbolOfItsOutermostAtomWhateverTheMargin)
{
  // A nitrogen written with its three hydrogens at the right: "NH3" reaches about two and a half
  // letters (some 25 pixels) past its centre, further than the half-bond margin of 14; with no
  // margin at all even the oxygen's "O" would lose its outer half.
  tDrawing letters;
  letters.Atoms.Add(new tAtm(8, 100, 80, 1));
  letters.Atoms.Add(new tAtm(7, 200, 80, 2));
  for (const std::optional<int> margin : { std::optional<int>{}, std::optional<int>{ 0 } }) {
    SCOPED_TRACE(margin ? "no margin" : "the default margin");
    PictureOptions options;
    options.margin = margin;
    const Picture picture = makePicture(letters, options);
    ASSERT_EQ(picture.message, "");
    const Ink ink = inkOf(picture);
    EXPECT_GT(ink.inside, 0);
    EXPECT_EQ(ink.onEdge, 0);
  }
}

TEST_F(RenderTest, WithoutAtomsThereIsNoFrameToDraw)
{
  const tDrawing empty;
  for (const RenderFormat format : { RenderFormat::Png, RenderFormat::Svg, RenderFormat::Pdf })
    EXPECT_EQ(makePicture(empty, { .format = format }).message, "Nothing to draw");
}

/// A shell whose main canvas is an image, as the window's back buffer is.
class ImageShell : public ScriptedShell
{
public:
  ImageShell(int width, int height)
    : m_canvas(width, height)
  {
  }
  Canvas& mainCanvas() override { return m_canvas; }
  const QImage& image() const { return m_canvas.image(); }

private:
  ImageCanvas m_canvas;
};

TEST_F(RenderTest, APictureEqualsTheWindowsDrawingWhateverTheMainCanvas)
{
  // Labels, formulas and atom symbols measure their characters on the canvas they are drawn on:
  // a picture made while the main canvas is the headless recorder is the window's own drawing.
  doc.viewMode = 0;
  auto* formula = new tFormula(40, 120, "SO4-2");
  doc.Atoms.Add(formula);
  doc.Labels.Add(formula);
  auto* label = new tLAtm(120, 140, "WWW label");
  doc.Atoms.Add(label);
  doc.Labels.Add(label);
  const QImage picture = renderImage(doc, 200, 160);

  ImageShell window(200, 160);
  setCurrentShell(&window);
  doc.Repaint();
  setCurrentShell(&shell);
  EXPECT_EQ(picture, window.image().convertToFormat(picture.format()));
}

} // namespace
} // namespace trelvix
