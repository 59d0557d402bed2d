#include "libs/samplefile/LibraryMemory.h"

#include <new>

namespace NSSondrel {

void DeleteLibraryMemory(void* memory) noexcept
{
    ::operator delete(memory);
}

void* CLibraryAllocated::operator new(std::size_t sizeInBytes)
{
    return ::operator new(sizeInBytes);
}

void CLibraryAllocated::operator delete(void* memory) noexcept
{
    DeleteLibraryMemory(memory);
}

} // namespace NSSondrel
