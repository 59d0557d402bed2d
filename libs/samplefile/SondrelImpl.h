#pragma once

// The library object behind ISondrel: stateless, it makes frame readers and writers.

#include "libs/samplefile/LibraryMemory.h"
#include "libs/samplefile/Sondrel.h"

#include <cstdint>

namespace NSSondrel {

class CSondrelImpl : public ISondrel, public CLibraryAllocated
{
public:
    std::int32_t IsValid() const noexcept override;
    std::int32_t SetDebugger(IDebugger* debugger) noexcept override;
    IFrameReader* CreateFrameReader(IByteReader* source, std::int64_t sizeInBytes, FormatInfo* info,
                                    std::int32_t* status) noexcept override;
    IFrameWriter* CreateFrameWriter(IByteWriter* sink, const FormatInfo* info, std::int32_t* status) noexcept override;
};

// What Sondrel_Create does: the library object for the name "ISondrel", else null and an invalid-argument
// status. A null status pointer gives null.
ISondrel* CreateSondrel(const char* interfaceName, std::int32_t* status) noexcept;

} // namespace NSSondrel
