#pragma once

#include <QIcon>
#include <QSize>

namespace trelvix {

/// Size of one bond-type picture, in device-independent pixels.
inline constexpr QSize bondPictureSize(40, 28);

/// The number of bond-type pictures of the bond editor.
inline constexpr int bondPictureCount = 9;

/// Bond-type picture index (1..9): single, double, triple, transition single, transition double,
/// transition triple, wedge, hashed wedge, and the wavy bond that has no type to set.
QIcon bondPicture(int index, qreal devicePixelRatio);

} // namespace trelvix
