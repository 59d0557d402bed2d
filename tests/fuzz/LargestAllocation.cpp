#include "tests/fuzz/LargestAllocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace NSFuzzTargets {

namespace {

std::atomic<std::size_t> gLargestAllocation{0};

void NoteRequest(std::size_t sizeInBytes)
{
    std::size_t largest = gLargestAllocation.load(std::memory_order_relaxed);
    while (sizeInBytes > largest &&
           !gLargestAllocation.compare_exchange_weak(largest, sizeInBytes, std::memory_order_relaxed)) {
    }
}

} // namespace

void ForgetLargestAllocation()
{
    gLargestAllocation.store(0, std::memory_order_relaxed);
}

std::size_t GetLargestAllocation()
{
    return gLargestAllocation.load(std::memory_order_relaxed);
}

} // namespace NSFuzzTargets

namespace {

void* AllocateNoted(std::size_t sizeInBytes)
{
    NSFuzzTargets::NoteRequest(sizeInBytes);
    for (;;) {
        if (void* block = std::malloc(sizeInBytes == 0 ? 1 : sizeInBytes)) {
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

} // namespace

// Every plain form is replaced, not only the one the others call by default: a sanitizer runtime
// brings its own array and non-throwing forms, which would neither note the request nor free our blocks.
void* operator new(std::size_t sizeInBytes)
{
    return AllocateNoted(sizeInBytes);
}

void* operator new[](std::size_t sizeInBytes)
{
    return AllocateNoted(sizeInBytes);
}

void* operator new(std::size_t sizeInBytes, const std::nothrow_t&) noexcept
{
    try {
        return AllocateNoted(sizeInBytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t sizeInBytes, const std::nothrow_t&) noexcept
{
    try {
        return AllocateNoted(sizeInBytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
