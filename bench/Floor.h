#pragma once

#include "data/AppPaths.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace bench {

/// The whole of `path`, read at once into room of its size.
inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

/// The least any search does: both record files read whole, every two-byte
/// field decoded and summed. LineData.dat holds unsigned fields, WordMatrix.dat
/// sign-and-magnitude ones, high byte first.
inline std::int64_t ReadDecodeSum(const std::string& appPath) {
    std::int64_t sum = 0;
    for (const bool signedFields : {false, true}) {
        const char* file = signedFields ? vellumark::kWordMatrixFile : vellumark::kLineDataFile;
        const std::string bytes = ReadAll(vellumark::DataPath(appPath, file));
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        // Without a branch on the sign, which follows no pattern.
        const int signMask = signedFields ? 0x8000 : 0;
        for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
            const int field = p[k] << 8 | p[k + 1];
            const int negative = (field & signMask) >> 15;
            const int magnitude = field & ~signMask;
            sum += (magnitude ^ -negative) + negative;
        }
    }
    return sum;
}

}  // namespace bench
