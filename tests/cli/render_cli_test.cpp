// The render command end to end: the drawing's frame by default, the page on request, PNG at a
// chosen resolution and background, PDF.
#include "cli_runner.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/bond.h"
#include "model/structure_atom.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

/// Two carbons bonded at (100, 80) and (170, 100). Their frame runs one pixel beyond the atoms'
/// centres: x 99..171, y 79..101, 72 × 22 pixels; with a margin of half a 28-pixel bond on each
/// side the picture is (72 + 28) × (22 + 28) = 100 × 50 drawing pixels.
class RenderCliTest : public CliRunTest
{
protected:
  static constexpr int frameWidth = 72 + 2 * 14;
  static constexpr int frameHeight = 22 + 2 * 14;

  RenderCliTest()
  {
    setCurrentDrawing(&doc);
    auto* left = new tAtm(6, 0, 0, 0);
    left->setRXYZ(100, 80, 0);
    auto* right = new tAtm(6, 0, 0, 0);
    right->setRXYZ(170, 100, 0);
    doc.Atoms.Add(left);
    doc.Atoms.Add(right);
    auto* bond = new tbond(left, right);
    bond->ssingle();
    doc.Bonds.Add(bond);
    auto* piece = new tStructure;
    piece->Atoms.AddAtoms(&doc.Atoms);
    piece->Bonds.AddBonds(&doc.Bonds);
    doc.Groups.Add(piece);
    document = (dir / "ethane.tvx").string();
    EXPECT_TRUE(saveDrawing(doc, document));
  }
  ~RenderCliTest() override { setCurrentDrawing(nullptr); }

  /// The PNG the render command writes with the given options, or a null image.
  QImage renderPng(const std::string& options)
  {
    const std::string png = (dir / "out.png").string();
    if (run("render '" + document + "' -o '" + png + "' " + options) != 0)
      return {};
    return QImage(QString::fromStdString(png));
  }

  tDrawing doc;
  std::string document;
};

TEST_F(RenderCliTest, PngIsTheFrameAtTheAskedResolution)
{
  struct Case
  {
    const char* options;
    int width;
    int height;
    int dotsPerMetre;
  };
  // 100 dpi is one pixel per drawing pixel; dots per metre = dpi / 0.0254.
  const Case cases[] = {
    { "", frameWidth, frameHeight, 3937 },
    { "--dpi 200", 2 * frameWidth, 2 * frameHeight, 7874 },
    { "--dpi 50", frameWidth / 2, frameHeight / 2, 1969 },
    { "--page --size 200x120", 200, 120, 3937 },
    { "--size 300x90", 300, 90, 3937 },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const QImage image = renderPng(c.options);
    ASSERT_FALSE(image.isNull()) << err;
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
    EXPECT_EQ(image.dotsPerMeterX(), c.dotsPerMetre);
    EXPECT_EQ(image.dotsPerMeterY(), c.dotsPerMetre);
  }
}

TEST_F(RenderCliTest, PngIsWhiteOrTransparentAroundTheDrawingAndSmoothAlongTheBond)
{
  const QImage white = renderPng("");
  ASSERT_FALSE(white.isNull()) << err;
  EXPECT_EQ(white.pixel(0, 0), qRgb(255, 255, 255));
  const QImage clear = renderPng("--transparent");
  ASSERT_FALSE(clear.isNull()) << err;
  EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);

  // The bond runs from (15, 15) to (85, 35) in the picture (the frame's corner (99, 79) lies at
  // the margin, 14 pixels in): at x = 50 its centre is at y = 15 + 35 * 20 / 70 = 25. A smoothed
  // line of one pixel shades the pixels it partly covers in greys between black and white.
  int greys = 0;
  int inked = 0;
  for (int y = 20; y <= 30; ++y) {
    const int grey = qGray(white.pixel(50, y));
    if (grey < 255)
      ++inked;
    if (grey > 16 && grey < 240)
      ++greys;
  }
  EXPECT_GE(inked, 1);
  EXPECT_GE(greys, 1);
}

TEST_F(RenderCliTest, PdfIsAPageTheSizeOfTheFrame)
{
  const std::string pdf = (dir / "out.pdf").string();
  ASSERT_EQ(run("render '" + document + "' -o '" + pdf + "'"), 0) << err;
  const std::string bytes = slurp(pdf);
  ASSERT_EQ(bytes.substr(0, 4), "%PDF");
  // 100 × 50 drawing pixels at 0.254 mm are 1 × 0.5 inch: 72 × 36 points.
  const QRegularExpression mediaBox(
    QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
  const QRegularExpressionMatch m = mediaBox.match(QString::fromLatin1(bytes));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_NEAR(m.captured(1).toDouble(), 72, 0.01);
  EXPECT_NEAR(m.captured(2).toDouble(), 36, 0.01);
}

TEST_F(RenderCliTest, BadPictureOptionsAreUsageErrors)
{
  const std::string png = (dir / "out.png").string();
  const std::string svg = (dir / "out.svg").string();
  for (const std::string& arguments : { "-o '" + png + "' --dpi 9",
                                        "-o '" + png + "' --dpi 1201",
                                        "-o '" + png + "' --dpi many",
                                        "-o '" + svg + "' --dpi 300",
                                        "-o '" + svg + "' --transparent" }) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(run("render '" + document + "' " + arguments), 2);
    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_FALSE(std::filesystem::exists(svg));
  }
}

} // namespace
} // namespace trelvix
