#include "model/base_fragment.h"
#include "model_fixture.h"

namespace trelvix {
namespace {

using FragmentBaseTest = ModelTest;

TEST_F(FragmentBaseTest, MolesCaptionByPhaseAndAmount)
{
  struct Case
  {
    std::uint8_t phase;
    double amount;
    const char* text;
  };
  const Case cases[] = {
    { 0, 2.0, "  2.0" },
    { 0, 0.0, "(g)" },
    { 0, 0.01, "(g)" },
    { 1, 3.0, "(s)" },
    { 1, 0.0, "solvent" },
    { 2, 1.75, "  1.8(l)" },
    { 3, 12.0, " 12.0(g)" },
    { 4, 2.0, "  2.0(sol)" },
    { 4, 0.01, "solvent" },
    { 5, 9.0, "solvent" },
    { 6, 1.0, "" },
    { 2, 123456789.0, "123456789.0(l)" },
    { 4, 1e12, "1000000000000.0(" }, // cut to 16 characters
  };
  tbasefragment f;
  for (const Case& c : cases) {
    f.phase = c.phase;
    f.amount = c.amount;
    EXPECT_EQ(f.molesCaption(), c.text) << int(c.phase) << " " << c.amount;
  }
}

TEST_F(FragmentBaseTest, PrintmolesDrawsUnderTheFrame)
{
  tbasefragment f;
  f.frameRect = Rect{ 10, 20, 110, 60 };
  f.phase = 4;
  f.amount = 2.0;
  shell.canvas().setTextAlign(TextAlign{ HAlign::Center, VAlign::Bottom });
  f.printmoles(shell.canvas());
  ASSERT_EQ(shell.canvas().ops().size(), 1u);
  const CanvasOp& op = shell.canvas().ops()[0];
  EXPECT_EQ(op.kind, CanvasOp::Kind::Text);
  EXPECT_EQ(op.text, "  2.0(sol)");
  EXPECT_EQ(op.points[0], (Point{ 10, 60 + 5 }));
  EXPECT_EQ(op.align, (TextAlign{ HAlign::Left, VAlign::Top }));
  EXPECT_EQ(op.font, modelDefaults().font);
  EXPECT_EQ(f.molesText.str(), "  2.0(sol)");
  EXPECT_EQ(shell.canvas().textAlign(), (TextAlign{ HAlign::Center, VAlign::Bottom }));
}

TEST_F(FragmentBaseTest, ClearingVanDerWaalsParameters)
{
  tbasefragment f;
  f.phase = 3;
  f.parameterFlag = 1;
  f.amount = 4;
  f.solute.fill(7);
  f.clearVDWparms();
  EXPECT_EQ(f.phase, 0);
  EXPECT_EQ(f.parameterFlag, 0);
  EXPECT_EQ(f.amount, 1.0);
  for (int i = 0; i < 13; ++i)
    EXPECT_EQ(f.solute[static_cast<std::size_t>(i)], i < 8 ? 0.0 : 1.0) << "p" << i + 1;
}

TEST_F(FragmentBaseTest, HeadingLayoutAndRoundTrip)
{
  tbasefragment f;
  f.symbolKind = 102;
  f.settings = { 1, 2, 3, 4, 5 };
  f.corners = { -10, 20, -30, 40 };
  f.frameRect.left = 0x1234;
  f.valueA = 0xA1A2A3A4;
  f.valueB = 0xB1B2B3B4;
  f.flagBytes = { 0x0F, 0xF0 };
  f.amount = 2.5;
  for (int i = 0; i < 13; ++i)
    f.solute[static_cast<std::size_t>(i)] = i + 1; // p_k = k
  f.phase = 4;
  f.parameterFlag = 1;

  BinaryWriter out;
  f.write3dheading(out);
  ASSERT_EQ(out.size(), 2u + 3 + 16 + 2 + 4 + 2 + 4 + 14 * 8 + 2);
  const auto& r = out.data();
  EXPECT_EQ(r[0], 102);
  EXPECT_EQ(r[2], 1);
  EXPECT_EQ(r[4], 3);
  // Corner words travel as pairs starting at words 0, 2, 1 and 3, then the frame's low word.
  const std::vector<std::uint8_t> corners = { 0xF6, 0xFF, 0x14, 0x00, 0xE2, 0xFF, 0x28, 0x00,
                                              0x14, 0x00, 0xE2, 0xFF, 0x28, 0x00, 0x34, 0x12 };
  EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 5, r.begin() + 21), corners);
  EXPECT_EQ(r[21], 4);
  EXPECT_EQ(r[22], 5);
  EXPECT_EQ(r[23], 0xA4);
  EXPECT_EQ(r[27], 0xF0); // the second flag byte first
  EXPECT_EQ(r[28], 0x0F);
  BinaryReader realsAt(std::vector<std::uint8_t>(r.begin() + 33, r.end()));
  EXPECT_EQ(realsAt.f64(), 2.5);
  const double order[] = { 1, 2, 3, 4, 5, 6, 9, 10, 11, 7, 8, 12, 13 };
  for (double p : order)
    EXPECT_EQ(realsAt.f64(), p);
  EXPECT_EQ(realsAt.u8(), 4);
  EXPECT_EQ(realsAt.u8(), 1);

  BinaryReader in(r);
  tbasefragment g;
  g.Read3dheading(in);
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
  EXPECT_EQ(g.symbolKind, 102);
  EXPECT_EQ(g.settings, f.settings);
  EXPECT_EQ(g.corners, f.corners);
  EXPECT_EQ(g.valueA, f.valueA);
  EXPECT_EQ(g.valueB, f.valueB);
  EXPECT_EQ(g.flagBytes, f.flagBytes);
  EXPECT_EQ(g.amount, 2.5);
  EXPECT_EQ(g.solute, f.solute);
  EXPECT_EQ(g.phase, 4);
  EXPECT_EQ(g.parameterFlag, 1);
}

} // namespace
} // namespace trelvix

namespace trelvix {
namespace {

TEST_F(FragmentBaseTest, FragmentDataRecordLayout)
{
  tbasefragment f;
  f.symbolKind = 104;
  f.settings = { 1, 3, 2, 0, 5 };
  f.valueA = 0x000000FF;
  f.valueC = 0x00FF0000;
  f.frameRect = Rect{ -2, 10, 300, 70000 }; // only the low 16 bits travel
  f.flagBytes = { 7, 9 };
  FragmentDataRecord r;
  f.getdata(r, 3, 2);
  FragmentDataRecord expected{};
  const std::uint8_t head[] = { 104, 0, 1, 3, 2, 0, 5 };
  std::copy(std::begin(head), std::end(head), expected.begin());
  const std::uint8_t tail[] = {
    0xFF, 0,    0,    0, // first colour
    0,    0,    0xFF, 0, // second colour
    0xFE, 0xFF,          // left -2
    10,   0,             // top
    0x2C, 0x01,          // right 300
    0x70, 0x11,          // bottom 70000 = 0x11170
    7,    9,             // flag bytes
    3,    0,    2,    0, // atom and bond counts
  };
  std::copy(std::begin(tail), std::end(tail), expected.begin() + 31);
  EXPECT_EQ(r, expected);

  tbasefragment g;
  g.AssignData(expected);
  EXPECT_EQ(g.symbolKind, 104);
  EXPECT_EQ(g.settings, f.settings);
  EXPECT_EQ(g.valueA, f.valueA);
  EXPECT_EQ(g.valueC, f.valueC);
  EXPECT_EQ(g.flagBytes, f.flagBytes);
}

} // namespace
} // namespace trelvix
