#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vellumark {

// Rows and report entries are written through a pointer into room made for
// them beforehand: each Put returns the pointer past what it wrote.

inline char* Put(char* p, std::string_view bytes) {
    // An empty view may have no bytes at all, which memcpy must not be given.
    if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
    return p + bytes.size();
}

/// A number in decimal (room for 11 bytes); chapters, verses, anchors and
/// word positions are mostly one or two digits.
inline char* PutNumber(char* p, std::int32_t number) {
    if (number < 0 || number >= 100) return std::to_chars(p, p + 11, number).ptr;
    if (number >= 10) *p++ = static_cast<char>('0' + number / 10);
    *p++ = static_cast<char>('0' + number % 10);
    return p;
}

}  // namespace vellumark
