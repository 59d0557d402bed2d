#pragma once

// The boundary of Brakvel.dll, included by the library and by the program that uses it. Only plain
// values, interface pointers and status codes cross it; every call answers with a status code, and no
// exception leaves the library. The virtual operations keep their order: both sides index one vtable.

#include <cstdint>

namespace NSBrakvel {

constexpr int kBrakvelSuccess = 13751;
constexpr int kBrakvelOutOfMemory = 13752;
constexpr int kBrakvelInvalidArgument = 13753;
constexpr int kBrakvelInvariantCorrupt = 13754;
constexpr int kBrakvelIllegalCallSequence = 13755;
constexpr int kBrakvelFileError = 13756;
constexpr int kBrakvelDriveIsBusy = 13757;
constexpr int kBrakvelOtherFailure = 13758;

// One opened drive with a medium. The handle is held exclusively: while the volume lives, nobody
// else can open that drive. The caller owns it and frees it with delete, which runs inside the library.
class IVolume
{
public:
    // Locks, dismounts, allows removal and ejects. A second call gives kBrakvelIllegalCallSequence;
    // after a successful eject only the destructor may be called.
    virtual int Eject() = 0;
    // A yes/no property the program leaves a volume alone for; this library always answers no.
    virtual int GetFlag(bool* out) = 0;
    virtual int GetSize(std::int64_t* sizeInBytes) = 0;
    // A range that does not lie within the medium gives kBrakvelInvalidArgument and leaves the
    // destination untouched.
    virtual int Read(std::uint64_t offset, std::uint64_t length, void* destination) = 0;
    virtual ~IVolume() = default;
    virtual int Release() = 0;
};

// The drives that held a CD-ROM or removable medium when the iterator was made, last letter first.
// The caller owns it and frees it with delete.
class IVolumeIterator
{
public:
    // The next volume, owned by the caller, or null with kBrakvelSuccess when no drive is left. Drives
    // without a medium, or that cannot be opened, are skipped.
    virtual IVolume* Next(int* status) = 0;
    virtual ~IVolumeIterator() = default;
    virtual int Release() = 0;
};

} // namespace NSBrakvel

extern "C" {

// Null and a status other than kBrakvelSuccess when the drives cannot be listed.
NSBrakvel::IVolumeIterator* Brakvel_CreateVolumeIterator(int* status);
// Frees memory with the library's own deallocator.
void Brakvel_DeleteMemory(void* memory);
// The library keeps neither object and never calls back; both return kBrakvelSuccess.
int Brakvel_SetDebugger(void* debugger);
int Brakvel_SetDiskMountingFilter(void* filter);

} // extern "C"
