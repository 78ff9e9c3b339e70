#include "platform/qt/image_canvas.h"
#include "platform/qt/sphere_pictures.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace trelvix {
namespace {

// The largest difference of one colour channel between two images of the same size.
int largestDifference(const QImage& a, const QImage& b)
{
  int worst = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      worst = std::max({ worst,
                         std::abs(qRed(p) - qRed(q)),
                         std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q)) });
    }
  }
  return worst;
}

// A page with something on it already: stripes of two colours.
void stripe(ImageCanvas& canvas)
{
  for (int x = 0; x < canvas.image().width(); x += 8) {
    canvas.setBrush(Brush{ BrushStyle::Solid, x % 16 == 0 ? 0x20C020u : 0x303030u });
    canvas.fillRect(Rect{ x, 0, x + 4, canvas.image().height() });
  }
}

TEST(SpherePictures, BlittedSphereIsTheFourDiscsPixelForPixel)
{
  const Colour colours[] = { 0x0000FF, 0x7F7F7F, 0xBFFFFF, 0x00FF7F };
  const int radii[] = { 5, 6, 13, 27, 64, SpherePictures::largestRadius };
  for (const bool antialiased : { false, true }) {
    for (const Colour colour : colours) {
      for (const int r : radii) {
        const int side = 2 * r + 20;
        ImageCanvas blitted(side, side);
        ImageCanvas drawn(side, side);
        for (ImageCanvas* canvas : { &blitted, &drawn }) {
          canvas->setAntialiased(antialiased);
          stripe(*canvas);
        }
        const Point centre{ r + 9, r + 11 };
        blitted.shadedSphere(centre, r, colour);
        drawn.Canvas::shadedSphere(centre, r, colour); // the four ellipses themselves
        EXPECT_EQ(largestDifference(blitted.image(), drawn.image()), 0)
          << "r " << r << " colour " << std::hex << colour << " antialiased " << antialiased;
      }
    }
  }
}

TEST(SpherePictures, OnePicturePerRadiusAndColour)
{
  const QImage first = SpherePictures::picture(12, 0x0000FF);
  EXPECT_EQ(first.size(),
            QSize(2 * (12 + SpherePictures::margin), 2 * (12 + SpherePictures::margin)));
  EXPECT_EQ(SpherePictures::picture(12, 0x0000FF).cacheKey(), first.cacheKey());
  EXPECT_NE(SpherePictures::picture(12, 0x0000FE).cacheKey(), first.cacheKey());
  EXPECT_NE(SpherePictures::picture(13, 0x0000FF).cacheKey(), first.cacheKey());
  // Outside the discs the picture is transparent.
  EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
  EXPECT_EQ(first.pixel(12 + SpherePictures::margin, 12 + SpherePictures::margin), qRgb(255, 0, 0));
}

} // namespace
} // namespace trelvix
