#include "conversion/disc/AbortCause.h"

#include "akai/client/BrakvelErrors.h"
#include "conversion/log/ConversionStrings.h"
#include "framework/foundation/core/Exceptions.h"

#include <new>

namespace NSAkaiConversion {
namespace {

bool IsRawDiskFailure(const std::exception* failure)
{
    return dynamic_cast<const NSBrakvel::XOutOfMemory*>(failure) != nullptr ||
           dynamic_cast<const NSBrakvel::XInvariantCorrupt*>(failure) != nullptr ||
           dynamic_cast<const NSBrakvel::XIllegalCallSequence*>(failure) != nullptr ||
           dynamic_cast<const NSBrakvel::XFile*>(failure) != nullptr ||
           dynamic_cast<const NSBrakvel::XDriveIsBusy*>(failure) != nullptr;
}

} // namespace

std::uint32_t GetAbortCauseId(const std::exception* failure)
{
    if (dynamic_cast<const std::bad_alloc*>(failure) != nullptr)
        return kAbortedOutOfMemoryId;
    if (dynamic_cast<const XDiskFull*>(failure) != nullptr)
        return kAbortedDiskFullId;
    if (dynamic_cast<const XFile*>(failure) != nullptr || dynamic_cast<const NSTramvell::XMedia*>(failure) != nullptr ||
        IsRawDiskFailure(failure))
        return kAbortedDiskErrorId;
    return kAbortedUnexpectedId;
}

std::string AbortCause(const std::exception* failure)
{
    return NSConverter::GetConversionString(GetAbortCauseId(failure));
}

} // namespace NSAkaiConversion
