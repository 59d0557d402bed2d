#pragma once

// Large blocks of memory that are kept for reuse when they are freed. A block of a few hundred kilobytes
// or more comes fresh from the system on every allocation, and each of its pages is cleared when it is
// first touched; a conversion makes such blocks for every file it reads and writes, so taking the next
// one from the pages of the last saves most of that work. Smaller blocks come from the heap as usual.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace NSTramvell {

// A block of at least sizeInBytes, not cleared: a kept block when one fits, else a new one. Throws
// std::bad_alloc.
std::uint8_t* TakeBlock(std::size_t sizeInBytes);
// Hands back a block from TakeBlock (null does nothing). A large one is kept for a later TakeBlock, the
// oldest kept ones making room while the kept blocks would pass their bounds; any other is freed.
void KeepBlock(std::uint8_t* block) noexcept;
// Frees every kept block, so that the memory a long task used is given back when it ends.
void ReleaseKeptBlocks() noexcept;
// The bytes and the number of the blocks kept now.
std::size_t GetKeptBytes() noexcept;
std::size_t GetKeptBlockCount() noexcept;

struct CKeptBlockDeleter
{
    void operator()(std::uint8_t* block) const noexcept { KeepBlock(block); }
};
using CKeptBlockPointer = std::unique_ptr<std::uint8_t[], CKeptBlockDeleter>;

// A standard allocator over the kept blocks. A container leaves the elements it makes without a value
// uninitialised, so a vector that a read fills right after it is sized is not cleared first.
template <typename T>
class CKeptBlockAllocator
{
public:
    using value_type = T;

    CKeptBlockAllocator() noexcept = default;
    template <typename U>
    CKeptBlockAllocator(const CKeptBlockAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        static_assert(alignof(T) <= alignof(std::max_align_t), "kept blocks have the heap's alignment");
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return reinterpret_cast<T*>(TakeBlock(count * sizeof(T)));
    }
    void deallocate(T* elements, std::size_t) noexcept { KeepBlock(reinterpret_cast<std::uint8_t*>(elements)); }

    template <typename U>
    void construct(U* element) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(element)) U;
    }
    template <typename U, typename... Arguments>
    void construct(U* element, Arguments&&... arguments)
    {
        ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
    }

    template <typename U>
    bool operator==(const CKeptBlockAllocator<U>&) const noexcept
    {
        return true;
    }
};

} // namespace NSTramvell
