#include "model/label.h"
#include "model_fixture.h"
#include "platform/checked.h"

#include <string>

namespace trelvix {
namespace {

using LabelTest = ModelTest;

FontRecord fontOfHeight(std::int16_t height)
{
  FontRecord font = defaultFontRecord();
  font.height = height;
  font.setFace("Label Face");
  return font;
}

TEST_F(LabelTest, ConstructionStoresTheFieldsAndLendsItsFontToTheMainCanvas)
{
  const FontRecord before = shell.canvas().font();
  const FontRecord font = fontOfHeight(20);
  tLabel label(shell.canvas(), -1, tLabel::Backwards, 77, font, "SO4-2");

  EXPECT_EQ(label.direction, -1);
  EXPECT_EQ(label.layout, 2);
  EXPECT_EQ(label.value, 77);
  EXPECT_EQ(label.text.str(), "SO4-2");
  EXPECT_EQ(label.font, font);
  EXPECT_EQ(label.previousFont, before);
  EXPECT_EQ(shell.canvas().font(), font);
}

TEST_F(LabelTest, TextHeightIsMeasuredInTheLabelsFont)
{
  // The recording canvas's cell is |height| pixels high, 13 for a height of 0.
  struct Case
  {
    std::int16_t fontHeight;
    std::int32_t textHeight;
  };
  const Case cases[] = { { 20, 20 }, { -16, 16 }, { 0, 13 } };
  for (const Case& c : cases) {
    tLabel label(shell.canvas(), 1, tLabel::Forwards, 0, fontOfHeight(c.fontHeight), "CH4");
    EXPECT_EQ(label.textHeight, c.textHeight) << c.fontHeight;
  }
}

TEST_F(LabelTest, TextKeepsItsFirst64Characters)
{
  const std::string longText(70, 'x');
  tLabel label(shell.canvas(), 1, tLabel::Forwards, 0, fontOfHeight(13), longText);
  EXPECT_EQ(label.text.str(), std::string(64, 'x'));
}

TEST_F(LabelTest, ChangeSignNegatesAndTwiceRestores)
{
  for (const std::int8_t start : { std::int8_t{ 1 }, std::int8_t{ -1 } }) {
    tLabel label(shell.canvas(), start, tLabel::Forwards, 0, fontOfHeight(13), "CH4");
    label.ChangeSign();
    EXPECT_EQ(label.direction, -start);
    label.ChangeSign();
    EXPECT_EQ(label.direction, start);
  }
}

TEST_F(LabelTest, ChangeSignOfTheSmallestDirectionOverflows)
{
  tLabel label(shell.canvas(), -128, tLabel::Forwards, 0, fontOfHeight(13), "x");
  EXPECT_THROW(label.ChangeSign(), OverflowError);
  EXPECT_EQ(label.direction, -128);
}

} // namespace
} // namespace trelvix
