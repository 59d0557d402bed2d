#include "libs/samplefile/StatusMapping.h"

#include "framework/foundation/core/Exceptions.h"
#include "libs/samplefile/SondrelExceptions.h"

#include <new>
#include <stdexcept>

namespace NSSondrel {

std::int32_t StatusFromCurrentException() noexcept
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return kSondrelOutOfMemory;
    } catch (const std::invalid_argument&) {
        // Before logic_error, whose kind it is.
        return kSondrelInvalidArgument;
    } catch (const NSSondrelUtils::XInvariantCorrupt&) {
        return kSondrelInvariantCorrupt;
    } catch (const NSSondrelUtils::XSequenceError&) {
        return kSondrelSequenceError;
    } catch (const std::logic_error&) {
        return kSondrelLogicError;
    } catch (const NSSondrelUtils::XRead&) {
        return kSondrelReadFailure;
    } catch (const NSSondrelUtils::XWrite&) {
        return kSondrelWriteFailure;
    } catch (const NSSondrelUtils::XDiskFull&) {
        return kSondrelDiskFull;
    } catch (const NSSondrelUtils::XBadFormat&) {
        return kSondrelBadFormat;
    } catch (const NSSondrelUtils::XUnsupportedFormat&) {
        return kSondrelUnsupportedFormat;
    } catch (...) {
        return kSondrelOtherFailure;
    }
}

void RethrowAsSondrelException()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        throw NSSondrelUtils::XOutOfMemory();
    } catch (const NSSondrelUtils::XWAVE&) {
        throw;
    } catch (const NSTramvell::XRead&) {
        throw NSSondrelUtils::XRead();
    } catch (const NSTramvell::XWrite&) {
        throw NSSondrelUtils::XWrite();
    } catch (const NSTramvell::XPosition&) {
        // A position outside the stream means the file's own offsets or sizes are wrong.
        throw NSSondrelUtils::XBadFormat();
    } catch (const NSTramvell::XBadFormat&) {
        throw NSSondrelUtils::XBadFormat();
    } catch (const NSTramvell::XUnsupportedFormat&) {
        throw NSSondrelUtils::XUnsupportedFormat();
    } catch (const std::exception&) {
        throw std::exception();
    }
}

} // namespace NSSondrel
