#include "conversion/disc/DiscReadFailures.h"

#include "akai/client/BrakvelErrors.h"
#include "framework/foundation/core/Exceptions.h"

namespace NSAkaiConversion {

std::int64_t CDiscReadFailures::GetSize()
{
    try {
        return mDisc.GetSize();
    } catch (const NSBrakvel::XFile&) {
        throw NSTramvell::XRead();
    } catch (const NSBrakvel::XDriveIsBusy&) {
        throw NSTramvell::XRead();
    }
}

void CDiscReadFailures::ReadAt(std::int64_t position, std::int64_t length, void* buffer)
{
    try {
        mDisc.ReadAt(position, length, buffer);
    } catch (const NSBrakvel::XFile&) {
        throw NSTramvell::XRead();
    } catch (const NSBrakvel::XDriveIsBusy&) {
        throw NSTramvell::XRead();
    }
}

} // namespace NSAkaiConversion
