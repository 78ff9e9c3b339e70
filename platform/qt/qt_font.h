#pragma once

#include "platform/font_record.h"

#include <QFont>

namespace trelvix {

/// The Qt font for a font record: the record's face, falling back to a sans-serif ("DejaVu Sans",
/// then whatever sans-serif the system has) when the face is missing; pixel size |height| (13 when
/// the height is 0); the weight on the same 1..1000 scale (0, "don't care", is normal);
/// italic, underline and strike-out when their bytes are non-zero. Width, escapement and
/// orientation are not applied: the program's texts are horizontal at their natural width.
QFont qFontFromRecord(const FontRecord& record);

} // namespace trelvix
