#include "libs/rawdisk/Brakvel.h"

#include "libs/rawdisk/BrakvelExceptions.h"
#include "libs/rawdisk/VolumeIterator.h"

#include <new>

namespace {

int IgnoreCallerObject(void*)
{
    return NSBrakvel::kBrakvelSuccess;
}

} // namespace

extern "C" {

NSBrakvel::IVolumeIterator* Brakvel_CreateVolumeIterator(int* status)
{
    *status = NSBrakvel::kBrakvelSuccess;
    NSBrakvel::IVolumeIterator* iterator = nullptr;
    *status = NSBrakvelImplementation::CatchToStatus(
        [&] { iterator = new NSBrakvelImplementation::CVolumeIterator(true); });
    return iterator;
}

void Brakvel_DeleteMemory(void* memory)
{
    ::operator delete(memory);
}

int Brakvel_SetDebugger(void* debugger)
{
    return IgnoreCallerObject(debugger);
}

int Brakvel_SetDiskMountingFilter(void* filter)
{
    return IgnoreCallerObject(filter);
}

} // extern "C"
