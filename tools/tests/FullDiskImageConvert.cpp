// The command-line converter on a disk that fills up, for the end-to-end check of a full disk:
// DRAVIM_TEST_FAIL_WRITES_AFTER_BYTES=N makes the conversion's file writes fail as on a full disk once
// N bytes are written; the HTML log is written afterwards as usual.
//     FullDiskImageConvert IMAGE OUTFOLDER

#include "conversion/disc/tests/support/ConversionFailingWrites.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "tools/ImageConversion.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
        return NSImageConversion::ReportBadUsage("Give an image file and an output folder.");
    const char* limit = std::getenv("DRAVIM_TEST_FAIL_WRITES_AFTER_BYTES");
    if (limit == nullptr || *limit == '\0')
        return NSImageConversion::ReportBadUsage("Set DRAVIM_TEST_FAIL_WRITES_AFTER_BYTES.");
    const std::uint64_t allowedBytes = std::strtoull(limit, nullptr, 10);
    NSTramvell::BindPlatformTables();
    const int exitCode = NSImageConversion::ConvertImageFile(
        argv[1], argv[2], [allowedBytes](const std::function<std::uint32_t()>& convert) {
            const NSConversionTestSupport::CScopedFailingWrites fullDisk(allowedBytes);
            return convert();
        });
    NSTramvell::ReleasePlatformTables();
    return exitCode;
}
