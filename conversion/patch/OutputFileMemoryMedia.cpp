#include "conversion/patch/OutputFileMemoryMedia.h"

#include "framework/foundation/core/Exceptions.h"

namespace NSConverter {

IOutputFileMedia::~IOutputFileMedia() = default;

} // namespace NSConverter

namespace NSConverterImplementation {

COutputFileMemoryMedia::COutputFileMemoryMedia(std::int32_t capacityInBytes)
    : NSTramvell::COwnedMemoryMedia(capacityInBytes)
{
}

COutputFileMemoryMedia::~COutputFileMemoryMedia() = default;

std::int64_t COutputFileMemoryMedia::GetOutputSize() const
{
    return NSTramvell::COwnedMemoryMedia::GetSize();
}

void COutputFileMemoryMedia::ReadOutput(std::int64_t position, std::int64_t length, void* destination)
{
    // The media counts in 32 bits; cutting a wider request down would read the wrong bytes.
    const std::int64_t size = GetOutputSize();
    if (position < 0 || length < 0 || position > size || length > size - position)
        throw NSTramvell::XRead();
    NSTramvell::COwnedMemoryMedia::ReadAt(static_cast<std::int32_t>(position), static_cast<std::int32_t>(length),
                                          destination);
}

} // namespace NSConverterImplementation
