#pragma once

#include "model/rotation.h"

#include <cmath>

namespace trelvix {

// The small vector arithmetic of the 3D geometry, drawing units.

inline Vector3 plus(const Vector3& a, const Vector3& b)
{
  return { a[0] + b[0], a[1] + b[1], a[2] + b[2] };
}

inline Vector3 minus(const Vector3& a, const Vector3& b)
{
  return { a[0] - b[0], a[1] - b[1], a[2] - b[2] };
}

inline Vector3 scaled(const Vector3& v, double f)
{
  return { v[0] * f, v[1] * f, v[2] * f };
}

inline double dot(const Vector3& a, const Vector3& b)
{
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline Vector3 cross(const Vector3& a, const Vector3& b)
{
  return { a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0] };
}

inline double norm(const Vector3& v)
{
  return std::sqrt(dot(v, v));
}

/// v / |v|, or the zero vector when |v| is at most 1e-18.
inline Vector3 unit(const Vector3& v)
{
  const double l = norm(v);
  return l <= 1e-18 ? Vector3{ 0, 0, 0 } : scaled(v, 1 / l);
}

} // namespace trelvix
