#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace vellumark {

/// Room for `bytes` bytes, not cleared, to be freed by std::free; from 2 MB on
/// in huge pages where the system gives them on request, so that a fresh
/// process fills megabytes with a few page faults rather than thousands.
/// Null when there is no room.
void* AllocateLarge(std::size_t bytes);

/// A vector's storage through AllocateLarge, for arrays of megabytes.
template <class T>
struct LargeArrayAllocator {
    using value_type = T;
    LargeArrayAllocator() = default;
    template <class U>
    LargeArrayAllocator(const LargeArrayAllocator<U>&) {}
    T* allocate(std::size_t n) {
        if (void* room = AllocateLarge(n * sizeof(T))) return static_cast<T*>(room);
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t) { std::free(p); }
    friend bool operator==(const LargeArrayAllocator&, const LargeArrayAllocator&) { return true; }
};

}  // namespace vellumark
