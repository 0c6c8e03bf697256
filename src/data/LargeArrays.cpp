#include "data/LargeArrays.h"

#include <cstdint>

#include <sys/mman.h>

namespace vellumark {

void* AllocateLarge(std::size_t bytes) {
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    if (bytes < kHugePage) return std::malloc(bytes + 1);
    if (bytes > SIZE_MAX - kHugePage) return nullptr;  // no rounding up past the largest size
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* room = std::aligned_alloc(kHugePage, rounded);
    if (room) ::madvise(room, rounded, MADV_HUGEPAGE);
    return room;
}

}  // namespace vellumark
