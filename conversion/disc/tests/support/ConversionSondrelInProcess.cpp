// The library's two exports for test programs that run the library's core in process (the native
// build has no DLL).

#include "libs/samplefile/LibraryMemory.h"
#include "libs/samplefile/Sondrel.h"
#include "libs/samplefile/SondrelImpl.h"

extern "C" NSSondrel::ISondrel* SONDREL_CDECL Sondrel_Create(const char* interfaceName, std::int32_t* status) noexcept
{
    return NSSondrel::CreateSondrel(interfaceName, status);
}

extern "C" void SONDREL_CDECL Sondrel_DeleteMemory(void* memory) noexcept
{
    NSSondrel::DeleteLibraryMemory(memory);
}
