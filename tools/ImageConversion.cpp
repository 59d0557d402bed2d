#include "tools/ImageConversion.h"

#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/client/DiskImageDiskMedia.h"
#include "akai/parsers/ParserTexts.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/ConversionTexts.h"
#include "conversion/disc/AbortCause.h"
#include "conversion/disc/Converter.h"
#include "conversion/log/ErrorListener.h"
#include "conversion/disc/FolderUtilities.h"
#include "conversion/log/HTMLLog.h"
#include "conversion/log/Logger.h"
#include "conversion/disc/ProgressListener.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "tools/ConsoleProgress.h"
#include "tools/StandardOutput.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>

namespace NSImageConversion {
namespace {

std::int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void WriteToStandardOutput(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

class CPrintingListeners final : public NSProgressListener::IProgressListener, public NSErrorListener::IErrorListener
{
public:
    CPrintingListeners()
        : mProgress(WriteToStandardOutput,
                    IsStandardOutputAConsole() ? NSToolProgress::EProgressOutput::kConsole
                                               : NSToolProgress::EProgressOutput::kFile,
                    NowMs())
    {
    }

    std::uint32_t ReportProgress(std::uint32_t done, std::uint32_t total, const std::string& partitionName,
                                 const std::string& volumeName, const std::string& message,
                                 std::uint64_t bytesWritten) override
    {
        if (!message.empty())
            mItem = partitionName + " / " + volumeName + ": " + message;
        mBytesWritten = std::max(mBytesWritten, bytesWritten);
        mProgress.Update(NowMs(), done, total, mBytesWritten, mItem);
        return NSProgressListener::kGoOn;
    }
    void StartTiming() override {}

    std::uint32_t ReportError(std::string message) override
    {
        mProgress.PrintLine("Error: " + message);
        return NSErrorListener::kIgnoreError;
    }

    void Finish() { mProgress.Finish(NowMs(), mBytesWritten); }

private:
    NSToolProgress::CConsoleProgress mProgress;
    std::string mItem;
    std::uint64_t mBytesWritten = 0;
};

int Run(const std::string& imagePath, const std::string& outputPath, const CConversionRunner& runConversion)
{
    NSAkaiConversion::InstallConversionTexts();
    NSAkaiParser::InstallParserTexts();

    const NSTramvell::CFileSpec imageSpec(NSTramvell::MakeFullPath(imagePath));
    if (!NSTramvell::FileExists(imageSpec))
        return ReportBadUsage("The image does not exist.");
    CDiskImageDiskMedia image(imageSpec);
    if (!NSAkaiFileSystem::IsAkaiDisk(image))
        return ReportBadUsage("The image is no Akai disc.");

    NSTramvell::CDirSpec outputFolder(NSTramvell::MakeFullPath(outputPath));
    if (!NSTramvell::FolderExists(outputFolder))
        outputFolder = NSTramvell::CreateFolder(outputFolder.GetParentFolder(), outputFolder.GetFolderName());
    else if (!NSAkaiConversion::IsFolderEmpty(outputFolder))
        return ReportBadUsage("The output folder is not empty.");

    CPrintingListeners listeners;
    NSLoggerImplementation::CLogger logger;
    bool aborted = false;
    std::string cause;
    std::uint32_t result = NSAkaiConversion::kConversionCompleted;
    try {
        result = runConversion([&] {
            return NSAkaiConversion::ConvertDisk(listeners, listeners, logger, image, outputFolder,
                                                 NSAkaiConversion::kFolderOutput);
        });
    } catch (const std::exception& failure) {
        aborted = true;
        cause = NSAkaiConversion::AbortCause(&failure);
    }
    listeners.Finish();

    const std::string destinationName = outputFolder.GetFolderName().GetString();
    std::uint32_t endState = NSLogger::kLogCompleted;
    if (aborted)
        endState = NSLogger::kLogFailed;
    else if (result != NSAkaiConversion::kConversionCompleted)
        endState = NSLogger::kLogAbortedByUser;
    NSLoggerImplementation::CLogger::WriteHTMLLog(logger.GetTree(),
                                                  NSAkaiConversion::MakeLogFileSpec(outputFolder, destinationName),
                                                  destinationName, endState);
    if (aborted) {
        std::printf("The conversion was aborted %s.\n", cause.c_str());
        return kAborted;
    }
    std::printf("Conversion completed!\n");
    return kCompleted;
}

} // namespace

int ReportBadUsage(const char* why)
{
    std::fprintf(stderr, "%s\nusage: DravimImageConvert IMAGE OUTFOLDER\n", why);
    return kBadUsage;
}

std::uint32_t RunDirectly(const std::function<std::uint32_t()>& convert)
{
    return convert();
}

int ConvertImageFile(const std::string& imagePath, const std::string& outputPath,
                     const CConversionRunner& runConversion)
{
    // Written out at each shown state, so that a console gets each line in one piece.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 14);
    int exitCode = kAborted;
    try {
        exitCode = Run(imagePath, outputPath, runConversion);
    } catch (const std::exception& failure) {
        // Failures before the conversion texts were installed have no sentence to go into.
        std::printf("The conversion was aborted: %s\n", failure.what());
        exitCode = kAborted;
    }
    std::fflush(stdout);
    return exitCode;
}

} // namespace NSImageConversion
