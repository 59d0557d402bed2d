// One conversion of a built disc through the coordinator, with a fake application that owns the
// coordinator as the program does: the files and log it leaves, the alerts, the Stop answers, the
// delete-or-keep decisions, the hand-over to the packer and the failures that must still end the
// conversion exactly once.

#include "app/coordinator/ConversionCoordinator.h"

#include "akai/client/BrakvelErrors.h"
#include "akai/client/VolumeHolder.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "app/coordinator/ConversionHost.h"
#include "app/coordinator/CoordinatorAnswers.h"
#include "app/coordinator/ScreenSaverPreventer.h"
#include "app/coordinator/tests/CoordinatorTestSupport.h"
#include "conversion/disc/AbortCause.h"
#include "conversion/disc/Converter.h"
#include "conversion/disc/tests/support/ConversionDiscMaker.h"
#include "conversion/disc/tests/support/ConversionFailingWrites.h"
#include "conversion/disc/tests/support/ConversionTexts.h"
#include "conversion/disc/tests/win32/ConversionTestFolder.h"
#include "conversion/packer/KapletPackerInterface.h"
#include "conversion/packer/tests/PackerFakeProtocol.h"
#include "conversion/packer/tests/PackerTestSupport.h"
#include "conversion/packer/win32/PackerTable.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "libs/rawdisk/Brakvel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <new>
#include <set>
#include <stdexcept>
#include <typeinfo>

namespace {

using namespace NSConversionCoordinator;
using NSCoordinatorTests::CRecordingHost;
using NSCoordinatorTests::CScopedProgramStrings;
using NSCoordinatorTests::CShownAlert;
using NSConversionTestSupport::CTestFolder;
using NSConversionTestSupport::ListTree;
using CAlerts = std::vector<CShownAlert>;

const std::string kUnexpectedError = "because there was an unexpected error";

// What a test sets for its disc and reads back after the coordinator has deleted it.
struct CVolumeState
{
    int readStatus = NSBrakvel::kBrakvelSuccess;
    int ejectStatus = NSBrakvel::kBrakvelSuccess;
    int ejects = 0;
    bool destroyed = false;
};

class CImageVolume final : public NSBrakvel::IVolume
{
public:
    CImageVolume(const std::vector<std::uint8_t>& bytes, CVolumeState& state) : mBytes(bytes), mState(state) {}
    ~CImageVolume() override { mState.destroyed = true; }

    int Eject() override
    {
        ++mState.ejects;
        return mState.ejectStatus;
    }
    int GetFlag(bool* out) override
    {
        *out = false;
        return NSBrakvel::kBrakvelSuccess;
    }
    int GetSize(std::int64_t* sizeInBytes) override
    {
        *sizeInBytes = static_cast<std::int64_t>(mBytes.size());
        return mState.readStatus;
    }
    int Read(std::uint64_t offset, std::uint64_t length, void* destination) override
    {
        if (mState.readStatus != NSBrakvel::kBrakvelSuccess)
            return mState.readStatus;
        if (offset > mBytes.size() || length > mBytes.size() - offset)
            return NSBrakvel::kBrakvelInvalidArgument;
        std::memcpy(destination, mBytes.data() + offset, static_cast<std::size_t>(length));
        return NSBrakvel::kBrakvelSuccess;
    }
    int Release() override
    {
        delete this;
        return NSBrakvel::kBrakvelSuccess;
    }

private:
    const std::vector<std::uint8_t>& mBytes;
    CVolumeState& mState;
};

const std::vector<std::uint8_t>& AcceptanceImage()
{
    static const std::vector<std::uint8_t> image = NSConversionTestSupport::MakeAcceptanceDisc().image.Bytes();
    return image;
}

std::string ReadText(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = NSConversionTestSupport::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> WavFiles(const std::string& path)
{
    std::vector<std::string> wavs;
    for (const std::string& entry : ListTree(path))
        if (entry.size() > 4 && entry.compare(entry.size() - 4, 4, ".wav") == 0)
            wavs.push_back(entry);
    return wavs;
}

// One conversion of the acceptance disc in a fresh folder, with an application that owns the coordinator
// and ends it as the program does: the field is emptied before the coordinator is deleted, so a second
// end only counts.
class CConversion : public CRecordingHost
{
public:
    // Into the empty folder "Conv".
    void StartInFolder()
    {
        const NSTramvell::CDirSpec conv = NSTramvell::CreateFolder(folder.Spec(), NSTramvell::CDirectoryName("Conv"));
        std::unique_ptr<NSBrakvel::CVolumeHolder> holder = MakeVolume();
        coordinator = std::make_unique<CConversionCoordinator>(
            *this, holder, nullptr, std::make_unique<NSTramvell::CDirSpec>(conv), NSAkaiConversion::kFolderOutput);
    }

    // Into the archive "Drums.kpl".
    void StartInArchive()
    {
        std::unique_ptr<NSBrakvel::CVolumeHolder> holder = MakeVolume();
        coordinator = std::make_unique<CConversionCoordinator>(
            *this, holder, std::make_unique<NSTramvell::CFileSpec>(folder.Spec().GetPath() + "Drums.kpl"), nullptr,
            NSAkaiConversion::kArchiveOutput);
    }

    std::unique_ptr<NSBrakvel::CVolumeHolder> MakeVolume()
    {
        return std::make_unique<NSBrakvel::CVolumeHolder>(new CImageVolume(AcceptanceImage(), volume), true);
    }

    // Runs to the end, which deletes the coordinator and with it the disc's volume, once.
    void Run()
    {
        coordinator->Run();
        EXPECT_EQ(coordinator, nullptr);
        EXPECT_EQ(deletions, 1);
        EXPECT_TRUE(volume.destroyed);
    }

    // Presses Stop in the first pump step at which the condition holds.
    void StopWhen(std::function<bool()> condition)
    {
        onPump = [this, condition] {
            if (!stopped && coordinator != nullptr && condition()) {
                stopped = true;
                coordinator->AskKeepPartialOutput();
            }
        };
    }

    void EndConversion() override
    {
        ++conversionEnds;
        std::unique_ptr<CConversionCoordinator> ending = std::move(coordinator);
        if (ending != nullptr)
            ++deletions;
        ending.reset();
        if (throwAfterFirstEnd && conversionEnds == 1)
            throw std::runtime_error("the window failed after the end");
    }

    std::string ConvPath() const { return folder.Path() + "Conv/"; }
    std::string TemporaryPath() const { return folder.Path() + "Drums Temp Folder/"; }
    bool Saw(const std::string& heading) const
    {
        return std::any_of(texts.begin(), texts.end(), [&](const auto& text) { return text.first == heading; });
    }

    CTestFolder folder;
    CVolumeState volume;
    std::unique_ptr<CConversionCoordinator> coordinator;
    int deletions = 0;
    bool stopped = false;
    bool throwAfterFirstEnd = false;
};

class ConversionCoordinator : public testing::Test
{
protected:
    void SetUp() override
    {
        NSTramvell::InitTimeBase();
        NSConversionTestSupport::InstallConversionTexts();
        NSAkaiParser::SetUIStrings(NSAkaiTestSupport::MakeParserStrings());
    }

    CScopedProgramStrings strings;
};

TEST_F(ConversionCoordinator, ConvertsTheDiscWritesTheLogAndReportsCompletion)
{
    CConversion conversion;
    conversion.StartInFolder();
    EXPECT_EQ(conversion.coordinator->GetDestinationName(), "Conv");
    conversion.Run();

    const std::vector<std::string> expected = {
        "Conv.htm", "Partition A", "Partition A/DRUMS", "Partition A/DRUMS/KICK.wav", "Partition A/DRUMS/KICK2.wav",
        "Partition A/DRUMS/KIT.mqp", "Partition A/EMPTY", "Partition A/PIANOS",
        "Partition A/PIANOS/GRAND PNO (S).wav", "Partition A/PIANOS/PIANO.mqp", "Partition A/PIANOS/PIANO2.mqp",
        "Partition A/PIANOS/STRINGS.wav", "Partition A/Volume 3", "Partition A/Volume 3/SOLO.wav", "Partition B",
        "Partition B/OTHERS"};
    EXPECT_EQ(ListTree(conversion.ConvPath()), expected);
    const std::string log = ReadText(conversion.ConvPath() + "Conv.htm");
    EXPECT_TRUE(Contains(log, "End of Log"));
    EXPECT_FALSE(Contains(log, "Fatal Error"));

    ASSERT_EQ(conversion.dialogMessages.size(), 3u);
    EXPECT_EQ(conversion.dialogMessages[0], "The sample BAD SAMPLE cannot be read, because it has a bad format.");
    EXPECT_EQ(conversion.alerts, (CAlerts{{kConversionCompletedAlert, ""}}));
    EXPECT_EQ(conversion.volume.ejects, 1);
    EXPECT_EQ(conversion.conversionEnds, 1);
    EXPECT_EQ(conversion.stopButtonDisablings, 1);
    EXPECT_EQ(conversion.quitRequests, 0);
    EXPECT_NE(std::find(conversion.progress.begin(), conversion.progress.end(), std::make_pair(-1, 100)),
              conversion.progress.end());
    EXPECT_EQ(conversion.texts.front().first, "Converting");
    EXPECT_TRUE(Contains(conversion.texts.front().second, "Destination: Conv\rBytes written: 0.0 kB\r"));
    EXPECT_EQ(conversion.texts.back().first, "Finishing");
    EXPECT_TRUE(Contains(conversion.texts.back().second, "\r\rFinished"));
    EXPECT_TRUE(conversion.Saw("Finishing"));
}

// Stop at the first report (nothing written) or once output exists, with each answer to the question:
// only an explicit Delete removes the files, the folder itself stays, and a stop shows no result alert.
TEST_F(ConversionCoordinator, StopKeepsOrDeletesAsAnswered)
{
    const struct
    {
        bool afterOutput;
        std::uint32_t answer;
        bool kept;
    } kCases[] = {{false, kButton1, false}, {true, kButton1, true}, {true, kButton2, false}, {true, kNoButton, true}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "after output " << c.afterOutput << ", answer " << c.answer);
        CConversion conversion;
        conversion.StartInFolder();
        conversion.alertAnswers = {c.answer};
        conversion.StopWhen([&] { return !c.afterOutput || conversion.coordinator->GetBytesWritten() > 0; });
        conversion.Run();

        const CAlerts question{{kNotAllConvertedAlert, ""}};
        EXPECT_EQ(conversion.alerts, c.afterOutput ? question : CAlerts{});
        if (c.kept) {
            EXPECT_FALSE(WavFiles(conversion.ConvPath()).empty());
            EXPECT_TRUE(Contains(ReadText(conversion.ConvPath() + "Conv.htm"), "Conversion aborted by user."));
        } else {
            EXPECT_TRUE(NSTramvell::FolderExists(conversion.folder.Spec().GetSubFolder("Conv")));
            EXPECT_EQ(ListTree(conversion.ConvPath()), std::vector<std::string>{});
        }
    }
}

// "Abort" in the error dialog after output exists asks delete-or-keep; Delete clears the folder, no log.
TEST_F(ConversionCoordinator, AbortFromTheErrorDialogDeletesOnlyWhenAsked)
{
    for (const std::uint32_t answer : {kButton1, kButton2, kNoButton}) {
        SCOPED_TRACE(answer);
        CConversion conversion;
        conversion.StartInFolder();
        conversion.dialogAnswers = {kErrorDialogIgnore, kErrorDialogIgnore, kErrorDialogAbort};
        conversion.alertAnswers = {answer};
        conversion.Run();

        EXPECT_EQ(conversion.dialogMessages.size(), 3u);
        EXPECT_EQ(conversion.alerts, (CAlerts{{kNotAllConvertedAlert, ""}}));
        if (answer == kButton2) {
            EXPECT_EQ(ListTree(conversion.ConvPath()), std::vector<std::string>{});
        } else {
            EXPECT_FALSE(WavFiles(conversion.ConvPath()).empty());
            EXPECT_TRUE(Contains(ReadText(conversion.ConvPath() + "Conv.htm"), "Conversion aborted by user."));
        }
    }
}

// The listener's answers on a coordinator that is not running: the error dialog's, Stop's through the
// next progress report, and the packer phases'.
TEST_F(ConversionCoordinator, ListenerAnswersFollowTheUsersChoice)
{
    const struct
    {
        std::uint64_t bytes;
        std::uint32_t dialog;
        std::uint32_t alert;
        std::uint32_t errorAnswer;
        std::uint32_t progressAnswerAfterStop;
    } kCases[] = {{0, kErrorDialogAbort, kButton2, 2, 20},       {4096, kErrorDialogAbort, kButton2, 3, 20},
                  {4096, kErrorDialogAbort, kButton1, 2, 19},    {4096, kErrorDialogAbort, kNoButton, 2, 19},
                  {4096, kErrorDialogIgnoreAll, kButton2, 1, 20}, {4096, kErrorDialogIgnore, kButton2, 0, 20}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.bytes << " bytes, dialog " << c.dialog << ", alert " << c.alert);
        CConversion conversion;
        conversion.StartInFolder();
        CConversionCoordinator& coordinator = *conversion.coordinator;
        EXPECT_EQ(coordinator.ReportProgress(1, 10, "P", "V", "m", c.bytes), 21u);
        conversion.dialogAnswers = {c.dialog};
        conversion.alertAnswers = {c.alert, c.alert};
        EXPECT_EQ(coordinator.ReportError("The sample X cannot be read."), c.errorAnswer);
        EXPECT_EQ(conversion.dialogMessages, std::vector<std::string>{"The sample X cannot be read."});

        EXPECT_EQ(coordinator.ReportPackerPhase(2345), 1234u);
        coordinator.AskKeepPartialOutput();
        EXPECT_EQ(coordinator.ReportProgress(2, 10, "P", "V", "m", 0), c.progressAnswerAfterStop);
        EXPECT_EQ(coordinator.ReportPackerPhase(2345), 1235u);
        EXPECT_EQ(coordinator.GetBytesWritten(), c.bytes);
    }
}

TEST_F(ConversionCoordinator, ProgressKeepsTheLastByteCountAndPumpsAfterTheTexts)
{
    CConversion conversion;
    conversion.StartInFolder();
    CConversionCoordinator& coordinator = *conversion.coordinator;
    std::size_t textsAtPump = 0;
    std::size_t progressAtPump = 0;
    conversion.onPump = [&] {
        textsAtPump = conversion.texts.size();
        progressAtPump = conversion.progress.size();
    };
    coordinator.StartTiming();
    coordinator.ReportProgress(0, 40, "Partition A", "DRUMS", "Writing sample KICK", 5120);
    coordinator.ReportProgress(3, 40, "Partition A", "DRUMS", "Writing program KIT", 0);

    EXPECT_EQ(conversion.texts.back(),
              std::make_pair(std::string("Converting"),
                             std::string("Destination: Conv\rBytes written: 5.0 kB\r\rPartition: Partition A\r"
                                         "Volume: DRUMS\r\rWriting program KIT\r\rEstimated time remaining: "
                                         "less than one minute")));
    EXPECT_EQ(conversion.progress.back(), std::make_pair(3, 40));
    EXPECT_EQ(textsAtPump, 2u);
    EXPECT_EQ(progressAtPump, 2u);
}

TEST_F(ConversionCoordinator, WaitingForThePackerDisablesStop)
{
    CConversion conversion;
    conversion.StartInFolder();
    EXPECT_EQ(conversion.coordinator->ReportPackerPhase(2346), 1234u);
    EXPECT_EQ(conversion.stopButtonDisablings, 1);
    EXPECT_EQ(conversion.texts.back().first, "Packing Kaplet");
    EXPECT_TRUE(Contains(conversion.texts.back().second, "Waiting for Kaplet Packer to finish...\r\r\r"));
    EXPECT_EQ(conversion.pumpSteps, 1);
    conversion.coordinator->ReportPackerPhase(2345);
    EXPECT_EQ(conversion.stopButtonDisablings, 1);
}

// The alert names the failure's kind where it has one.
TEST_F(ConversionCoordinator, AFailureWhileFinishingStillEndsTheConversion)
{
    const struct
    {
        const char* what;
        std::function<void()> fail;
        std::string cause;
    } kCases[] = {
        {"unexpected", [] { throw std::runtime_error("no progress bar"); }, kUnexpectedError},
        {"outside the standard family", [] { throw 42; }, kUnexpectedError},
        {"full disk", [] { throw XDiskFull(); }, "because the disk is full"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CConversion conversion;
        conversion.StartInFolder();
        conversion.failIndeterminateProgress = c.fail;
        conversion.Run();
        EXPECT_EQ(conversion.alerts, (CAlerts{{kConversionAbortedAlert, c.cause}}));
        EXPECT_EQ(conversion.conversionEnds, 1);
        EXPECT_FALSE(WavFiles(conversion.ConvPath()).empty());
    }
}

// A full disk when only the log is left to write: no page is left behind, and the files are the user's
// to keep or delete (an alert closed without a button keeps them).
TEST_F(ConversionCoordinator, ALogThatCannotBeWrittenLeavesNoFileAndAsksAboutTheOutput)
{
    for (const std::uint32_t answer : {kButton1, kButton2, kNoButton}) {
        SCOPED_TRACE(answer);
        CConversion conversion;
        conversion.StartInFolder();
        std::optional<NSConversionTestSupport::CScopedFailingWrites> full;
        conversion.onPump = [&] {
            if (!full && Contains(conversion.texts.back().second, "Writing log..."))
                full.emplace(0);
        };
        conversion.alertAnswers = {answer};
        conversion.Run();
        ASSERT_TRUE(full.has_value());
        EXPECT_TRUE(full->HasFailed());
        full.reset();
        EXPECT_EQ(conversion.alerts, (CAlerts{{kAbortedKeepFilesAlert, "because the disk is full"}}));
        const std::vector<std::string> tree = ListTree(conversion.ConvPath());
        EXPECT_EQ(std::find(tree.begin(), tree.end(), "Conv.htm"), tree.end());
        EXPECT_EQ(WavFiles(conversion.ConvPath()).empty(), answer == kButton2);
    }
}

TEST_F(ConversionCoordinator, AFailureAfterTheEndDeletesTheCoordinatorOnce)
{
    CConversion conversion;
    conversion.StartInFolder();
    conversion.throwAfterFirstEnd = true;
    conversion.Run();
    EXPECT_EQ(conversion.alerts,
              (CAlerts{{kConversionCompletedAlert, ""}, {kConversionAbortedAlert, kUnexpectedError}}));
    EXPECT_EQ(conversion.conversionEnds, 2);
}

// A device call that fails and a drive that is no longer ready (a disc pulled out) are one cause.
TEST_F(ConversionCoordinator, AnUnreadableDiscAbortsWithADiskError)
{
    for (const int status : {NSBrakvel::kBrakvelFileError, NSBrakvel::kBrakvelDriveIsBusy}) {
        SCOPED_TRACE(status);
        CConversion conversion;
        conversion.volume.readStatus = status;
        conversion.StartInFolder();
        conversion.Run();
        EXPECT_EQ(conversion.alerts, (CAlerts{{kConversionAbortedAlert, "because of a disk error"}}));
        EXPECT_EQ(ListTree(conversion.ConvPath()), std::vector<std::string>{"Conv.htm"});
        EXPECT_TRUE(Contains(ReadText(conversion.ConvPath() + "Conv.htm"), "Fatal Error"));
        EXPECT_EQ(conversion.conversionEnds, 1);
    }
}

// The disc stays in the drive: the user is asked to quit, the output is kept, no completion is claimed.
TEST_F(ConversionCoordinator, AFailedEjectKeepsTheOutputAndQuits)
{
    CConversion conversion;
    conversion.volume.ejectStatus = NSBrakvel::kBrakvelDriveIsBusy;
    conversion.StartInFolder();
    conversion.Run();
    EXPECT_EQ(conversion.alerts, (CAlerts{{kEjectFailedAlert, ""}}));
    EXPECT_EQ(conversion.quitRequests, 1);
    EXPECT_FALSE(WavFiles(conversion.ConvPath()).empty());
    EXPECT_TRUE(Contains(ReadText(conversion.ConvPath() + "Conv.htm"), "End of Log"));
    EXPECT_EQ(conversion.conversionEnds, 1);
}

TEST_F(ConversionCoordinator, ArchiveModeConvertsIntoAFreshNumberedTemporaryFolder)
{
    CConversion conversion;
    NSTramvell::CreateFolder(conversion.folder.Spec(), NSTramvell::CDirectoryName("Drums Temp Folder"));
    conversion.StartInArchive();
    EXPECT_EQ(conversion.coordinator->GetOutputFolder().GetPath(), conversion.folder.Spec().GetPath() + "Drums Temp Folder2\\");
    EXPECT_EQ(conversion.coordinator->GetDestinationName(), "Drums");
    EXPECT_EQ(ListTree(conversion.folder.Path()), (std::vector<std::string>{"Drums Temp Folder", "Drums Temp Folder2"}));
}

TEST_F(ConversionCoordinator, AConstructorThatFailsLeavesTheDiscWithTheCaller)
{
    CConversion conversion;
    std::unique_ptr<NSBrakvel::CVolumeHolder> holder = conversion.MakeVolume();
    const NSTramvell::CFileSpec archive(conversion.folder.Spec().GetPath() + "missing\\Drums.kpl");
    EXPECT_ANY_THROW(CConversionCoordinator(conversion, holder, std::make_unique<NSTramvell::CFileSpec>(archive),
                                            nullptr, NSAkaiConversion::kArchiveOutput));
    EXPECT_NE(holder, nullptr);
    EXPECT_FALSE(conversion.volume.destroyed);
}

// No packer is installed, so the hand-over fails: "Kaplet packing aborted!" is [Keep][Delete]. Keep (and
// a closed alert) leaves the temporary folder and writes the log beside the archive; Delete removes both.
TEST_F(ConversionCoordinator, AFailedHandOverKeepsOrDeletesTheTemporaryFolder)
{
    NSTramvell::CScopedTableEntry noPacker(NSKapletPackerInterface::GetPackerTable().RegOpenKeyExA,
                                           [](HKEY, LPCSTR, DWORD, REGSAM, PHKEY) -> LSTATUS { return ERROR_FILE_NOT_FOUND; });
    for (const std::uint32_t answer : {kButton1, kButton2, kNoButton}) {
        SCOPED_TRACE(answer);
        CConversion conversion;
        conversion.StartInArchive();
        conversion.alertAnswers = {answer};
        conversion.Run();

        EXPECT_EQ(conversion.alerts, (CAlerts{{kPackingAbortedAlert, ""}}));
        EXPECT_TRUE(conversion.Saw("Packing Kaplet"));
        if (answer == kButton1) {
            EXPECT_EQ(ListTree(conversion.folder.Path()), std::vector<std::string>{});
        } else {
            EXPECT_FALSE(WavFiles(conversion.TemporaryPath()).empty());
            EXPECT_TRUE(Contains(ReadText(conversion.folder.Path() + "Drums.htm"), "End of Log"));
        }
    }
}

// Stop while the packer is being started: the packer listener answers stop, the hand-over gives up.
TEST_F(ConversionCoordinator, StopWhileStartingThePackerEndsThePacking)
{
    CConversion conversion;
    conversion.StartInArchive();
    conversion.alertAnswers = {kButton1, kButton2};   // keep what was converted; keep the temporary folder
    conversion.StopWhen([&] { return !conversion.texts.empty() && conversion.texts.back().first == "Packing Kaplet"; });
    conversion.Run();

    EXPECT_EQ(conversion.alerts, (CAlerts{{kNotAllConvertedAlert, ""}, {kPackingAbortedAlert, ""}}));
    EXPECT_FALSE(WavFiles(conversion.TemporaryPath()).empty());
    EXPECT_TRUE(NSTramvell::FileExists(NSTramvell::CFileSpec(conversion.folder.Spec().GetPath() + "Drums.htm")));
}

// The packer accepts the job: the temporary folder goes, the log lies beside the archive, and the packer
// found the description and the splash picture beside the converted partitions.
TEST_F(ConversionCoordinator, AnAcceptedHandOverLeavesTheLogBesideTheArchive)
{
    const NSPackerTests::CTestProgramModule module;
    NSPackerTests::CPackerRegistryEntry registry;
    registry.SetPackerPath(NSPackerTests::GetFakePackerPath());
    const CTestFolder reportFolder;
    const std::string reportPath = reportFolder.Spec().GetPath() + "fake report.txt";
    const NSPackerTests::CFakePackerEnvironment fake({{NSPackerFake::kReportVariable, reportPath}});
    CConversion conversion;
    conversion.StartInArchive();
    conversion.Run();

    EXPECT_EQ(conversion.alerts, (CAlerts{{kConversionCompletedAlert, ""}}));
    EXPECT_EQ(ListTree(conversion.folder.Path()), std::vector<std::string>{"Drums.htm"});
    EXPECT_TRUE(Contains(ReadText(conversion.folder.Path() + "Drums.htm"), "End of Log"));
    for (const std::uint32_t processId : NSPackerTests::ReadFakeReport(reportPath).processIds)
        EXPECT_TRUE(NSPackerTests::CFakePackerProcess(processId).WaitForEnd(30000));

    const NSPackerTests::CFakeReport report = NSPackerTests::ReadFakeReport(reportPath);
    EXPECT_EQ(report.processIds.size(), 1u);
    EXPECT_EQ(report.listing, "INFO.TXT|Partition A|Partition B|Splash.jpg");
    const std::string info = "NAME=\"Drums\"\rURL=\"" + NSConversionTestSupport::ConversionText(1500) +
                             "\"\rCOMMENTS=\"" + NSConversionTestSupport::ConversionText(2000) + "\"\r";
    EXPECT_EQ(report.infoHex, NSPackerFake::ToHex(info));
    const std::string splash = NSPackerTests::GetSplashResourceBytes();
    ASSERT_FALSE(splash.empty());
    EXPECT_EQ(report.splash, NSPackerFake::FingerprintBytes(splash.data(), splash.size()));
}

// Stopped by the user and kept, then the disk fills up as the log is written: the alert names the full
// disk, and no log is left.
TEST_F(ConversionCoordinator, ALogThatDoesNotFitAfterAStopIsReportedWithItsCause)
{
    CConversion conversion;
    conversion.StartInFolder();
    conversion.alertAnswers = {kButton1};   // keep what was converted
    std::optional<NSConversionTestSupport::CScopedFailingWrites> full;
    conversion.onPump = [&] {
        if (!full && !conversion.texts.empty() && Contains(conversion.texts.back().second, "Writing log..."))
            full.emplace(0);
        if (!conversion.stopped && conversion.coordinator != nullptr && !WavFiles(conversion.ConvPath()).empty()) {
            conversion.stopped = true;
            conversion.coordinator->AskKeepPartialOutput();
        }
    };
    conversion.Run();
    ASSERT_TRUE(full.has_value());
    full.reset();

    EXPECT_EQ(conversion.alerts,
              (CAlerts{{kNotAllConvertedAlert, ""}, {kConversionAbortedAlert, "because the disk is full"}}));
    const std::vector<std::string> tree = ListTree(conversion.ConvPath());
    EXPECT_FALSE(WavFiles(conversion.ConvPath()).empty());
    EXPECT_EQ(std::find(tree.begin(), tree.end(), "Conv.htm"), tree.end());
}

// A packer that accepts and keeps its input: Stop still works while the hand-over waits for it to let go,
// and the conversion ends at once; deleting the temporary folder is not held up by the packer.
TEST_F(ConversionCoordinator, StopWhileThePackerHoldsItsInputEndsTheConversion)
{
    const NSPackerTests::CTestProgramModule module;
    NSPackerTests::CPackerRegistryEntry registry;
    registry.SetPackerPath(NSPackerTests::GetFakePackerPath());
    const CTestFolder reportFolder;
    const std::string reportPath = reportFolder.Spec().GetPath() + "fake report.txt";
    const NSPackerTests::CFakePackerEnvironment fake(
        {{NSPackerFake::kReportVariable, reportPath}, {NSPackerFake::kReadingVariable, "keep"}});
    const std::set<std::string> parameterFilesBefore = NSPackerTests::ListParameterFiles();
    CConversion conversion;
    conversion.StartInArchive();
    conversion.alertAnswers = {kButton1, kButton1};   // keep what was converted; delete the temporary folder
    conversion.StopWhen([&] {
        if (conversion.texts.empty() || conversion.texts.back().first != "Packing Kaplet")
            return false;
        const std::vector<std::uint32_t> messages = NSPackerTests::ReadFakeReport(reportPath).messages;
        return std::count(messages.begin(), messages.end(), NSKapletPackerInterface::kHandOverMessage) == 1;
    });
    conversion.Run();

    EXPECT_TRUE(conversion.stopped);
    EXPECT_EQ(conversion.alerts, (CAlerts{{kNotAllConvertedAlert, ""}, {kPackingAbortedAlert, ""}}));
    EXPECT_EQ(ListTree(conversion.folder.Path()), std::vector<std::string>{});
    for (const std::uint32_t processId : NSPackerTests::ReadFakeReport(reportPath).processIds)
        NSPackerTests::CFakePackerProcess(processId).Terminate();
    for (const std::string& name : NSPackerTests::ListParameterFiles()) {
        if (parameterFilesBefore.count(name) == 0)
            NSTramvell::DeleteFile(NSTramvell::CFileSpec(NSTramvell::GetTempFolder().GetPath() + name));
    }
}

// The cause is chosen by the most specific kind first: a full disk is a file error too.
TEST(AbortCause, NamesTheKindOfFailure)
{
    const std::bad_alloc noMemory;
    const XDiskFull diskFull;
    const XOpenFailed openFailed;
    const NSTramvell::XRead unreadable;
    const NSBrakvel::XFile deviceFailed;
    const NSBrakvel::XDriveIsBusy driveBusy;
    const NSBrakvel::XOutOfMemory libraryOutOfMemory;
    const NSBrakvel::XInvariantCorrupt libraryCorrupt;
    const NSBrakvel::XIllegalCallSequence libraryOutOfSequence;
    const NSTramvell::XNotFound notFound;
    const std::runtime_error other("other");
    const struct { const std::exception* failure; std::uint32_t id; } kCases[] = {
        {&noMemory, NSAkaiConversion::kAbortedOutOfMemoryId},   {&diskFull, NSAkaiConversion::kAbortedDiskFullId},
        {&openFailed, NSAkaiConversion::kAbortedDiskErrorId},   {&unreadable, NSAkaiConversion::kAbortedDiskErrorId},
        {&deviceFailed, NSAkaiConversion::kAbortedDiskErrorId}, {&driveBusy, NSAkaiConversion::kAbortedUnexpectedId},
        {&libraryOutOfMemory, NSAkaiConversion::kAbortedUnexpectedId},
        {&libraryCorrupt, NSAkaiConversion::kAbortedUnexpectedId},
        {&libraryOutOfSequence, NSAkaiConversion::kAbortedUnexpectedId},
        {&notFound, NSAkaiConversion::kAbortedUnexpectedId},    {&other, NSAkaiConversion::kAbortedUnexpectedId},
        {nullptr, NSAkaiConversion::kAbortedUnexpectedId}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.failure != nullptr ? typeid(*c.failure).name() : "none");
        EXPECT_EQ(NSAkaiConversion::GetAbortCauseId(c.failure), c.id);
    }
}

std::int64_t gExecutionStateCalls = 0;

TEST(CScreenSaverPreventer, KeepsTheDisplayAwakeEveryThirtySecondsWhileItLives)
{
    NSTramvell::CScopedTableEntry executionState(NSTramvell::GetKernelTable().SetThreadExecutionState,
                                                 [](EXECUTION_STATE) -> EXECUTION_STATE {
                                                     ++gExecutionStateCalls;
                                                     return ES_SYSTEM_REQUIRED;
                                                 });
    NSTramvell::InitTimeBase();
    gExecutionStateCalls = 0;
    ResetLastActivityClock();
    const std::int64_t second = NSTramvell::MicrosecondsToClock(1000000);
    const std::int64_t start = 1000 * second;
    {
        CScreenSaverPreventer preventer;
        NSTramvell::CIdleManager& idle = NSTramvell::GetIdleManager();
        idle.DoIdle(start);
        EXPECT_EQ(GetLastActivityClock(), start);
        idle.DoIdle(start + 20 * second);
        EXPECT_EQ(GetLastActivityClock(), start);
        idle.DoIdle(start + 30 * second);
        EXPECT_EQ(GetLastActivityClock(), start + 30 * second);
        EXPECT_EQ(gExecutionStateCalls, 2);
    }
    NSTramvell::GetIdleManager().DoIdle(start + 100 * second);
    EXPECT_EQ(gExecutionStateCalls, 2);
}

} // namespace
