#include "akai/client/BrakvelErrors.h"

#include "libs/rawdisk/Brakvel.h"

#include <stdexcept>

namespace NSBrakvel {

XOutOfMemory::~XOutOfMemory() = default;
XInvariantCorrupt::~XInvariantCorrupt() = default;
XIllegalCallSequence::~XIllegalCallSequence() = default;
XFile::~XFile() = default;
XDriveIsBusy::~XDriveIsBusy() = default;

void ThrowOnError(int status)
{
    switch (status) {
    case kBrakvelSuccess:
        return;
    case kBrakvelOutOfMemory:
        throw XOutOfMemory();
    case kBrakvelInvalidArgument:
        throw std::invalid_argument("");
    case kBrakvelInvariantCorrupt:
        throw XInvariantCorrupt();
    case kBrakvelIllegalCallSequence:
        throw XIllegalCallSequence();
    case kBrakvelFileError:
        throw XFile();
    case kBrakvelDriveIsBusy:
        throw XDriveIsBusy();
    default:
        throw std::exception();
    }
}

} // namespace NSBrakvel
