#pragma once

#include <QPixmap>
#include <QSize>

namespace trelvix {

/// Size of one group-editor picture, in device-independent pixels.
inline constexpr QSize groupPictureSize(32, 32);

/// The group editor's pictures over its sliders.
enum class GroupPicture
{
  Rotate, ///< a turn in the drawing plane
  Turn,   ///< a turn about the vertical axis
  Tilt,   ///< a turn about the horizontal axis
  Zoom,   ///< a small square growing into a large one
  Pivot   ///< a turn about a bond
};

QPixmap groupPicture(GroupPicture picture, qreal devicePixelRatio);

} // namespace trelvix
