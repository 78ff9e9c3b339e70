#pragma once

#include "platform/binary_io.h"
#include "platform/font_record.h"

namespace trelvix {

/// The face name as the files hold it: a 33-byte short string (length byte and the 32 bytes of the
/// name field as they lie in the record).
void writeFaceName(BinaryWriter& out, const FontRecord& font);
/// Reads the 33-byte face name back into the zero-terminated field.
void readFaceName(BinaryReader& in, FontRecord& font);

/// The five 16-bit integers then the eight bytes of the font, 18 bytes.
void writeFontFields(BinaryWriter& out, const FontRecord& font);
void readFontFields(BinaryReader& in, FontRecord& font);

} // namespace trelvix
