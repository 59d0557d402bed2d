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
#include <optional>
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

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// A folder path that the platform cannot take counts as missing.
bool FolderPathExists(const std::string& path)
{
    try {
        return NSTramvell::FolderExists(NSTramvell::CDirSpec(path));
    } catch (const NSTramvell::XBase&) {
        return false;
    }
}

// The path without its final backslash (a drive root keeps it).
std::string WithoutFinalBackslash(std::string path)
{
    if (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

// Why the text cannot serve as the image; empty when it can.
std::string ImagePathProblem(const std::string& text, const std::string& fullPath)
{
    if (FolderPathExists(fullPath))
        return "The image " + Quoted(text) + " is a folder, not a file.";
    if (!NSTramvell::FileExists(NSTramvell::CFileSpec(fullPath)))
        return "The image " + Quoted(text) + " does not exist.";
    return std::string();
}

// Why the text cannot serve as the output folder; empty when it can (it exists, or its parent does).
std::string OutputPathProblem(const std::string& text, const std::string& fullPath)
{
    const std::string path = WithoutFinalBackslash(fullPath);
    if (FolderPathExists(path))
        return std::string();
    if (NSTramvell::FileExists(NSTramvell::CFileSpec(path)))
        return "The output folder " + Quoted(text) + " is a file.";
    const std::string drive = NSTramvell::GetDriveOfPath(path);
    if (drive.size() == 2 && !FolderPathExists(drive + "\\"))
        return "The output folder " + Quoted(text) + " is on drive " + drive + ", which does not exist.";
    const std::string::size_type lastBackslash = path.find_last_of('\\');
    const std::string parent = lastBackslash == std::string::npos ? std::string() : path.substr(0, lastBackslash + 1);
    if (!FolderPathExists(parent))
        return "The output folder " + Quoted(text) + " cannot be made: the folder " + Quoted(parent) +
               " does not exist.";
    return std::string();
}

// The absolute form of an argument, or why it has none.
bool MakeFullArgumentPath(const std::string& text, const char* what, std::string& fullPath, std::string& problem)
{
    if (text.empty()) {
        problem = std::string("The ") + what + " is an empty argument.";
        return false;
    }
    try {
        fullPath = NSTramvell::MakeFullPath(text);
        return true;
    } catch (const NSTramvell::XBase&) {
        problem = std::string("The ") + what + " " + Quoted(text) + " is no valid path, or a path that is too long.";
        return false;
    }
}

// What an item's sentence says when a file could not be stored (the output is full or cannot be written):
// the files after it would fail alike, so the conversion ends there with abortCauseId as its cause.
struct COutputFailure
{
    std::string itemName;
    bool isProgram = false;
    std::uint32_t abortCauseId = 0;
};

std::optional<COutputFailure> FindOutputFailure(const std::string& message)
{
    using namespace NSAkaiConversion;
    const struct { std::uint32_t causeId; std::uint32_t abortId; } kCauses[] = {
        {kDiskFullCauseId, kAbortedDiskFullId}, {kDiskErrorCauseId, kAbortedDiskErrorId}};
    for (const std::uint32_t sentenceId : {kSampleNotConvertedId, kProgramNotConvertedId}) {
        const std::string sentence = NSConverter::GetConversionString(sentenceId);
        const std::string::size_type name = sentence.find("^0");
        const std::string::size_type cause = sentence.find("^1");
        if (name == std::string::npos || cause == std::string::npos || cause < name)
            continue;
        const std::string head = sentence.substr(0, name);
        const std::string middle = sentence.substr(name + 2, cause - name - 2);
        const std::string tail = sentence.substr(cause + 2);
        for (const auto& c : kCauses) {
            const std::string ending = middle + NSConverter::GetConversionString(c.causeId) + tail;
            if (message.size() >= head.size() + ending.size() && message.compare(0, head.size(), head) == 0 &&
                message.compare(message.size() - ending.size(), ending.size(), ending) == 0) {
                return COutputFailure{message.substr(head.size(), message.size() - head.size() - ending.size()),
                                      sentenceId == kProgramNotConvertedId, c.abortId};
            }
        }
    }
    return std::nullopt;
}

class CPrintingListeners final : public NSProgressListener::IProgressListener, public NSErrorListener::IErrorListener
{
public:
    explicit CPrintingListeners(const NSTramvell::CDirSpec& outputFolder)
        : mOutputFolderPath(outputFolder.GetPath())
        , mProgress(WriteToStandardOutput,
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
        mPartitionFolderName = partitionName;
        mVolumeFolderName = volumeName;
        mBytesWritten = std::max(mBytesWritten, bytesWritten);
        mProgress.Update(NowMs(), done, total, mBytesWritten, mItem);
        return NSProgressListener::kGoOn;
    }
    void StartTiming() override {}

    std::uint32_t ReportError(std::string message) override
    {
        if (const std::optional<COutputFailure> failure = FindOutputFailure(message)) {
            mOutputFailureCauseId = failure->abortCauseId;
            mTooLongPath = FindTooLongPath(*failure);
            return NSErrorListener::kAbortKeepOutput;
        }
        mProgress.PrintLine("Error: " + message);
        return NSErrorListener::kIgnoreError;
    }

    void Finish() { mProgress.Finish(NowMs(), mBytesWritten); }

    // The abort cause of the output failure that ended the conversion; 0 when none did.
    std::uint32_t GetOutputFailureCauseId() const { return mOutputFailureCauseId; }
    // The failed file's path when that failure was a path longer than Windows takes; empty otherwise.
    const std::string& GetTooLongPath() const { return mTooLongPath; }

private:
    // Windows refuses a path of kMaximumPathLength characters or more as too long (Wine only a longer one),
    // and the item's sentence calls it a disk error, as any file that cannot be stored. The folders of the
    // partition and the volume are named as the progress names them, the file as its sentence does; a
    // program's file gets the patch extension.
    std::string FindTooLongPath(const COutputFailure& failure) const
    {
        if (failure.abortCauseId != NSAkaiConversion::kAbortedDiskErrorId)
            return std::string();
        std::string path = mOutputFolderPath + mPartitionFolderName + "\\" + mVolumeFolderName + "\\" +
                           failure.itemName;
        if (failure.isProgram)
            path += NSConverter::GetConversionString(NSAkaiConversion::kPatchFileExtensionId);
        return path.size() >= NSTramvell::kMaximumPathLength ? path : std::string();
    }

    const std::string mOutputFolderPath;  // ends with a backslash
    NSToolProgress::CConsoleProgress mProgress;
    std::string mItem;
    std::string mPartitionFolderName;
    std::string mVolumeFolderName;
    std::string mTooLongPath;
    std::uint64_t mBytesWritten = 0;
    std::uint32_t mOutputFailureCauseId = 0;
};

int Run(const std::string& imagePath, const std::string& outputPath, const CConversionRunner& runConversion)
{
    NSAkaiConversion::InstallConversionTexts();
    NSAkaiParser::InstallParserTexts();

    std::string imageFullPath;
    std::string outputFullPath;
    std::string problem;
    if (!MakeFullArgumentPath(imagePath, "image", imageFullPath, problem) ||
        !MakeFullArgumentPath(outputPath, "output folder", outputFullPath, problem))
        return ReportBadUsage(problem.c_str());
    problem = ImagePathProblem(imagePath, imageFullPath);
    if (problem.empty())
        problem = OutputPathProblem(outputPath, outputFullPath);
    if (!problem.empty())
        return ReportBadUsage(problem.c_str());

    const NSTramvell::CFileSpec imageSpec(imageFullPath);
    CDiskImageDiskMedia image(imageSpec);
    if (!NSAkaiFileSystem::IsAkaiDisk(image))
        return ReportBadUsage(("The image " + Quoted(imagePath) + " is no Akai disc.").c_str());

    NSTramvell::CDirSpec outputFolder(outputFullPath);
    const bool outputExisted = NSTramvell::FolderExists(outputFolder);
    if (outputExisted && !NSAkaiConversion::IsFolderEmpty(outputFolder))
        return ReportBadUsage(("The output folder " + Quoted(outputPath) + " is not empty.").c_str());

    CPrintingListeners listeners(outputFolder);
    NSLoggerImplementation::CLogger logger;
    bool aborted = false;
    std::string cause;
    std::uint32_t result = NSAkaiConversion::kConversionCompleted;
    try {
        if (!outputExisted)
            outputFolder = NSTramvell::CreateFolder(outputFolder.GetParentFolder(), outputFolder.GetFolderName());
        result = runConversion([&] {
            return NSAkaiConversion::ConvertDisk(listeners, listeners, logger, image, outputFolder,
                                                 NSAkaiConversion::kFolderOutput);
        });
    } catch (const std::exception& failure) {
        aborted = true;
        cause = NSAkaiConversion::AbortCause(&failure);
    }
    listeners.Finish();
    if (!aborted && listeners.GetOutputFailureCauseId() != 0) {
        aborted = true;
        cause = NSConverter::GetConversionString(listeners.GetOutputFailureCauseId());
        const std::string& tooLongPath = listeners.GetTooLongPath();
        if (!tooLongPath.empty())
            cause = "because the path " + Quoted(tooLongPath) + " is too long for Windows (" +
                    std::to_string(tooLongPath.size()) + " characters)";
    }

    if (NSTramvell::FolderExists(outputFolder)) {
        const std::string destinationName = outputFolder.GetFolderName().GetString();
        std::uint32_t endState = NSLogger::kLogCompleted;
        if (aborted)
            endState = NSLogger::kLogFailed;
        else if (result != NSAkaiConversion::kConversionCompleted)
            endState = NSLogger::kLogAbortedByUser;
        try {
            NSLoggerImplementation::CLogger::WriteHTMLLog(
                logger.GetTree(), NSAkaiConversion::MakeLogFileSpec(outputFolder, destinationName), destinationName,
                endState);
        } catch (const std::exception& failure) {
            // A conversion that ended already keeps the cause that ended it.
            if (!aborted)
                cause = NSAkaiConversion::AbortCause(&failure);
            aborted = true;
        }
    }
    if (aborted) {
        std::printf("The conversion was aborted %s (writing into %s).\n", cause.c_str(),
                    Quoted(outputFolder.GetPath()).c_str());
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
