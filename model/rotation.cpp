#include "model/rotation.h"

#include <cmath>

namespace trelvix {

Matrix3 axisRotation(int axis, double angle)
{
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  switch (axis) {
    case 1:
      return { { { 1, 0, 0 }, { 0, c, -s }, { 0, s, c } } };
    case 2:
      return { { { c, 0, s }, { 0, 1, 0 }, { -s, 0, c } } };
    case 3:
      return { { { c, -s, 0 }, { s, c, 0 }, { 0, 0, 1 } } };
    default:
      return { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } };
  }
}

Vector3 operator*(const Matrix3& m, const Vector3& v)
{
  Vector3 r{};
  for (std::size_t i = 0; i < 3; ++i)
    r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
  return r;
}

} // namespace trelvix
