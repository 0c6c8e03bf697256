#pragma once

#include "data/AppPaths.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace bench {

/// The least any search does: both record files read whole, every two-byte
/// field decoded and summed. LineData.dat holds unsigned fields, WordMatrix.dat
/// sign-and-magnitude ones, high byte first.
inline std::int64_t ReadDecodeSum(const std::string& appPath) {
    std::int64_t sum = 0;
    for (const bool signedFields : {false, true}) {
        const char* file = signedFields ? vellumark::kWordMatrixFile : vellumark::kLineDataFile;
        std::ifstream in(vellumark::DataPath(appPath, file), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
            const int field = p[k] << 8 | p[k + 1];
            sum += signedFields && (field & 0x8000) ? -(field & 0x7fff) : field;
        }
    }
    return sum;
}

}  // namespace bench
