#pragma once
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// Storage for decoded pixels. Growing it leaves the new bytes uninitialised:
// every reader writes each byte of a picture it accepts, and the zero fill a
// plain vector would do first costs a whole extra pass over a large image.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <typename U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}

    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using PixelBuffer = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;
