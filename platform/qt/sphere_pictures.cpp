#include "platform/qt/sphere_pictures.h"

#include "platform/qt/qt_canvas.h"
#include "platform/shaded_sphere.h"

#include <QPainter>
#include <mutex>
#include <unordered_map>

namespace trelvix {

namespace {

// Enough for every element at every depth of a large molecule; past it the pictures are dropped
// and made again as needed, so memory stays bounded (a few MB).
constexpr std::size_t mostPictures = 2048;

std::uint64_t keyOf(int r, Colour colour)
{
  return (static_cast<std::uint64_t>(r) << 32) | (colour & 0xFFFFFF);
}

QImage paintPicture(int r, Colour colour)
{
  const int side = 2 * (r + SpherePictures::margin);
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QtCanvas canvas(painter);
  const int centre = r + SpherePictures::margin;
  drawShadedDiscs(canvas, Point{ centre, centre }, r, colour);
  return image;
}

} // namespace

QImage SpherePictures::picture(int r, Colour colour)
{
  static std::mutex lock;
  static std::unordered_map<std::uint64_t, QImage> pictures;
  const std::uint64_t key = keyOf(r, colour);
  {
    const std::lock_guard guard(lock);
    const auto it = pictures.find(key);
    if (it != pictures.end())
      return it->second;
  }
  QImage made = paintPicture(r, colour);
  const std::lock_guard guard(lock);
  if (pictures.size() >= mostPictures)
    pictures.clear();
  pictures.emplace(key, made);
  return made;
}

} // namespace trelvix
