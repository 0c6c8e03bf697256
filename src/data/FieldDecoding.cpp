#include "data/FieldDecoding.h"

#include "data/Errors.h"

namespace vellumark {

std::int32_t BytesToLong(FieldBytes bytes) { return std::int32_t{bytes[0]} * 256 + bytes[1]; }

std::int16_t BytesToSignedInt(FieldBytes bytes) {
    if (bytes[0] >= 128) {
        const int magnitude = (bytes[0] - 128) * 256 + bytes[1];
        return static_cast<std::int16_t>(-magnitude);
    }
    return static_cast<std::int16_t>(bytes[0] * 256 + bytes[1]);
}

std::int16_t NarrowTo16(std::int32_t value, const char* field, const std::string& where) {
    if (value > 32767 || value < -32768) {
        throw DataError(where + ": the " + field + " " + std::to_string(value) +
                        " is larger than 32,767.");
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace vellumark
