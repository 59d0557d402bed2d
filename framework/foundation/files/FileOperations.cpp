// The platform-free half of the file operations: what an error code means.

#include "framework/foundation/files/FileOperations.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"

namespace NSTramvell {

void ThrowFileErrorFromCode(std::uint32_t code)
{
    switch (code) {
    case 2:
    case 3:
    case 15:
    case 21:
    case 1237:
        throw XFileNotFound();
    case 4:
        throw XOpenFailed();
    case 5:
    case 19:
    case 32:
    case 33:
        throw XFileLocked();
    case 8:
        throw XOutOfMemory();
    case 29:
        throw XWrite();
    case 30:
        throw XRead();
    case 39:
    case 112:
        throw XDiskFull();
    case 82:
        throw XCreateFailed();
    default:
        throw XFile();
    }
}

namespace NSFileOperationsInternal {

EExistence ExistenceFromErrorCode(std::uint32_t code)
{
    switch (code) {
    case 0:
    case 32:
    case 33:
        return EExistence::kExists;
    case 1237:
        return EExistence::kAskAgain;
    default:
        return EExistence::kMissing;
    }
}

} // namespace NSFileOperationsInternal

} // namespace NSTramvell
