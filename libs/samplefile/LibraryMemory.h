#pragma once

// Objects the library hands out are freed inside the library, by the library's own deallocator, when
// the caller deletes them through their first virtual slot.

#include <cstddef>

namespace NSSondrel {

// What Sondrel_DeleteMemory does.
void DeleteLibraryMemory(void* memory) noexcept;

class CLibraryAllocated
{
public:
    static void* operator new(std::size_t sizeInBytes);
    static void operator delete(void* memory) noexcept;
};

} // namespace NSSondrel
