// The command-line converter: a disc image file into an output folder, with the HTML log.
//     DravimImageConvert IMAGE OUTFOLDER
// Exit 0: completed; 1: aborted; 2: bad usage (see tools/ImageConversion.h).

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "tools/ImageConversion.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return NSImageConversion::ReportBadUsage("Give an image file and an output folder.");
    NSTramvell::BindPlatformTables();
    const int exitCode = NSImageConversion::ConvertImageFile(argv[1], argv[2]);
    NSTramvell::ReleasePlatformTables();
    return exitCode;
}
