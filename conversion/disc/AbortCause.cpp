#include "conversion/disc/AbortCause.h"

#include "akai/client/BrakvelErrors.h"
#include "conversion/log/ConversionStrings.h"
#include "framework/foundation/core/Exceptions.h"

#include <new>

namespace NSAkaiConversion {
std::uint32_t GetAbortCauseId(const std::exception* failure)
{
    if (dynamic_cast<const std::bad_alloc*>(failure) != nullptr)
        return kAbortedOutOfMemoryId;
    if (dynamic_cast<const XDiskFull*>(failure) != nullptr)
        return kAbortedDiskFullId;
    // Of the raw-disk client's failures only a failed device call is the disc's fault; running out of its
    // memory, a broken invariant, a call out of order or a busy drive are not a disk error.
    if (dynamic_cast<const XFile*>(failure) != nullptr || dynamic_cast<const NSTramvell::XMedia*>(failure) != nullptr ||
        dynamic_cast<const NSBrakvel::XFile*>(failure) != nullptr)
        return kAbortedDiskErrorId;
    return kAbortedUnexpectedId;
}

std::string AbortCause(const std::exception* failure)
{
    return NSConverter::GetConversionString(GetAbortCauseId(failure));
}

} // namespace NSAkaiConversion
