#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vellumark {

using FieldBytes = std::span<const std::uint8_t, 2>;

/// Unsigned two-byte field, high byte first: (0x01, 0x00) gives 256, (0xFF, 0xFF) 65,535.
inline std::int32_t BytesToLong(FieldBytes bytes) {
    return std::int32_t{bytes[0]} * 256 + bytes[1];
}

/// Sign-and-magnitude two-byte field: the high bit of the first byte is the sign.
/// (0x80, 0x05) gives -5; (0x80, 0x00) gives 0; (0xFF, 0xFF) gives -32,767.
inline std::int16_t BytesToSignedInt(FieldBytes bytes) {
    const int magnitude = (bytes[0] & 0x7F) * 256 + bytes[1];
    return static_cast<std::int16_t>(bytes[0] >= 128 ? -magnitude : magnitude);
}

/// Narrows a decoded field to 16 bits. A value above 32,767 throws a DataError
/// whose text is `where` followed by the field's name and value.
std::int16_t NarrowTo16(std::int32_t value, const char* field, const std::string& where);

}  // namespace vellumark
