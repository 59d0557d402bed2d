#include "libs/rawdisk/BrakvelExceptions.h"

#include <new>
#include <stdexcept>

namespace NSBrakvelImplementation {

namespace {

const char kUnknownException[] = "Unknown exception";

} // namespace

XFile::~XFile() = default;
const char* XFile::what() const noexcept
{
    return kUnknownException;
}

XDriveIsBusy::~XDriveIsBusy() = default;
const char* XDriveIsBusy::what() const noexcept
{
    return kUnknownException;
}

XInvariantCorrupt::~XInvariantCorrupt() = default;
const char* XInvariantCorrupt::what() const noexcept
{
    return kUnknownException;
}

int ExceptionToBrakvelCode(const std::exception& exception) noexcept
{
    if (dynamic_cast<const std::bad_alloc*>(&exception))
        return NSBrakvel::kBrakvelOutOfMemory;
    if (dynamic_cast<const std::invalid_argument*>(&exception))
        return NSBrakvel::kBrakvelInvalidArgument;
    if (dynamic_cast<const XFile*>(&exception))
        return NSBrakvel::kBrakvelFileError;
    if (dynamic_cast<const XInvariantCorrupt*>(&exception))
        return NSBrakvel::kBrakvelInvariantCorrupt;
    if (dynamic_cast<const XDriveIsBusy*>(&exception))
        return NSBrakvel::kBrakvelDriveIsBusy;
    return NSBrakvel::kBrakvelOtherFailure;
}

} // namespace NSBrakvelImplementation
