#include "document_fixture.h"
#include "platform/recording_canvas.h"

namespace trelvix {
namespace {

class DrawingPrintTest : public DocumentTest
{
protected:
  DrawingPrintTest()
  {
    c = atom(6, 100, 100, 0);
    o = atom(8, 128, 100, 10);
    o->ChangeStyle(2, false);
    bond(c, o);
  }

  std::vector<CanvasOp::Kind> kinds() const
  {
    std::vector<CanvasOp::Kind> k;
    for (const CanvasOp& op : canvas.ops())
      k.push_back(op.kind);
    return k;
  }

  tAtm* c = nullptr;
  tAtm* o = nullptr;
  RecordingCanvas canvas;
};

TEST_F(DrawingPrintTest, NormalDrawsBondsBeforeAtoms)
{
  doc.viewMode = 0;
  doc.print(canvas);
  ASSERT_FALSE(canvas.ops().empty());
  const CanvasOp& first = canvas.ops()[0];
  EXPECT_EQ(first.kind, CanvasOp::Kind::Line);
  EXPECT_EQ(first.points[0], (Point{ 100, 100 }));
  EXPECT_EQ(first.points[1], (Point{ 128, 100 }));
  bool oxygenWritten = false;
  for (const CanvasOp& op : canvas.ops())
    oxygenWritten =
      oxygenWritten || (op.kind == CanvasOp::Kind::Text && op.text.find('O') != std::string::npos);
  EXPECT_TRUE(oxygenWritten);
}

TEST_F(DrawingPrintTest, LinesDrawOnlyTheBonds)
{
  doc.viewMode = 12;
  doc.print(canvas);
  for (CanvasOp::Kind k : kinds())
    EXPECT_TRUE(k == CanvasOp::Kind::Line || k == CanvasOp::Kind::Polygon ||
                k == CanvasOp::Kind::Polyline);
  EXPECT_FALSE(canvas.ops().empty());
}

TEST_F(DrawingPrintTest, SpheresAreDrawnFarthestFirst)
{
  doc.viewMode = 10; // Color Spheres
  doc.print(canvas);
  ASSERT_FALSE(canvas.ops().empty());
  // The carbon (z 0) lies behind the oxygen (z 10): its sphere comes first.
  const CanvasOp& first = canvas.ops()[0];
  ASSERT_EQ(first.kind, CanvasOp::Kind::Ellipse);
  EXPECT_LT((first.rect.left + first.rect.right) / 2, 114);
  EXPECT_EQ(c->style, 0); // the atoms keep their own styles
  EXPECT_EQ(o->style, 2);
}

TEST_F(DrawingPrintTest, LabelsAloneForTheEmptyStylesAndAlways)
{
  auto* label = new tLAtm(20, 20, "note");
  doc.Atoms.Add(label);
  doc.Labels.Add(label);
  doc.viewMode = 3;
  doc.print(canvas);
  ASSERT_FALSE(canvas.ops().empty());
  for (const CanvasOp& op : canvas.ops())
    EXPECT_EQ(op.kind, CanvasOp::Kind::Text);
}

TEST_F(DrawingPrintTest, StereoDrawsTwiceAndPutsTheModelBack)
{
  doc.viewMode = 10;
  doc.print(canvas);
  const std::size_t single = canvas.ops().size();
  canvas.clear();
  doc.viewMode = 110;
  doc.print(canvas);
  EXPECT_EQ(canvas.ops().size(), 2 * single);
  EXPECT_EQ(doc.viewMode, 110);
  EXPECT_NEAR(c->x3, 100, 1e-9);
  EXPECT_NEAR(c->z3, 0, 1e-9);
  EXPECT_NEAR(o->x3, 128, 1e-9);
  EXPECT_NEAR(o->z3, 10, 1e-9);
}

} // namespace
} // namespace trelvix
