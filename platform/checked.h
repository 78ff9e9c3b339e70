#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace trelvix {

/// Raised when arithmetic on a narrow (8- or 16-bit) field leaves the field's range. The command
/// layer catches it, restores the document from its undo snapshot and reports
/// "Arithmetic overflow".
class OverflowError : public std::overflow_error
{
public:
  OverflowError()
    : std::overflow_error("Arithmetic overflow")
  {
  }
};

/// The value as a T, or OverflowError when it does not fit.
template<std::integral T>
T checkedNarrow(std::int64_t value)
{
  if (value < static_cast<std::int64_t>(std::numeric_limits<T>::min()) ||
      value > static_cast<std::int64_t>(std::numeric_limits<T>::max()))
    throw OverflowError();
  return static_cast<T>(value);
}

/// field + delta, stored back into the field; OverflowError (field unchanged) when it does not fit.
template<std::integral T>
T checkedAdd(T& field, std::int64_t delta)
{
  field = checkedNarrow<T>(static_cast<std::int64_t>(field) + delta);
  return field;
}

} // namespace trelvix
