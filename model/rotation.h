#pragma once

#include <array>

namespace trelvix {

using Vector3 = std::array<double, 3>;
/// Row-major 3 x 3 matrix: m[row][column].
using Matrix3 = std::array<std::array<double, 3>, 3>;

/// The right-handed rotation by angle radians about axis 1 (x), 2 (y) or 3 (z):
/// about x: y' = y cos - z sin, z' = y sin + z cos; about y: x' = x cos + z sin,
/// z' = -x sin + z cos; about z: x' = x cos - y sin, y' = x sin + y cos.
/// Any other axis gives the identity.
Matrix3 axisRotation(int axis, double angle);

Vector3 operator*(const Matrix3& m, const Vector3& v);

} // namespace trelvix
