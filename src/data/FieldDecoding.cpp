#include "data/FieldDecoding.h"

#include "data/Errors.h"

namespace vellumark {

std::int16_t NarrowTo16(std::int32_t value, const char* field, const std::string& where) {
    if (value > 32767 || value < -32768) {
        throw DataError(where + ": the " + field + " " + std::to_string(value) +
                        " is larger than 32,767.");
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace vellumark
