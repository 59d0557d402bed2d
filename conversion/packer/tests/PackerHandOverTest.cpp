#include "conversion/packer/KapletPackerInterface.h"

#include "conversion/log/ConversionStrings.h"
#include "conversion/packer/tests/PackerFakeProtocol.h"
#include "conversion/packer/tests/PackerTestSupport.h"
#include "conversion/packer/win32/PackerTable.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace NSKapletPackerInterface;
using NSPackerTests::CFakePackerEnvironment;
using NSPackerTests::CFakePackerProcess;
using NSPackerTests::CFakeReport;

const char kWebAddress[] = "http://www.quenholt.example/kaplet/";
const char kComment[] = "Created from an Akai disc with Quenholt Dravim.";
constexpr std::uint32_t kFakeEndTimeoutMs = 30000;

// The pause of the waiting rounds, counted and shortened to 100 ms: the bounded wait for the release of
// the parameter file still outlasts the late-reading fake's two seconds.
int gPackerPauses = 0;
int gOtherPauses = 0;

void FakePause(DWORD milliseconds)
{
    if (milliseconds == kWaitPauseMs) {
        ++gPackerPauses;
        ::Sleep(100);
    } else {
        ++gOtherPauses;
        ::Sleep(milliseconds);
    }
}

class CRecordingListener : public IKapletPackerProgressListener
{
public:
    std::uint32_t ReportPackerPhase(std::uint32_t phase) override
    {
        phases.push_back(phase);
        return answer ? answer(phases.size()) : kPackerGoOn;
    }

    std::size_t Count(std::uint32_t phase) const { return std::count(phases.begin(), phases.end(), phase); }

    std::vector<std::uint32_t> phases;
    // Given the number of the call (1 for the first); none answers "go on".
    std::function<std::uint32_t(std::size_t)> answer;
};

std::string BigEndian32(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

class PackFolderTest : public ::testing::Test
{
protected:
    PackFolderTest()
        : mConverted(mScratch.MakeSubFolder("Drums Temp Folder"))
        , mArchive(mScratch.GetFolder().GetPath() + "Drums.kpl")
        , mReportPath(mScratch.GetFolder().GetPath() + "fake report.txt")
        , mReportVariable({{NSPackerFake::kReportVariable, mReportPath}})
        , mPause(NSTramvell::GetKernelTable().Sleep, FakePause)
    {
        NSAkaiConversion::SetUIStrings({{kPackerWebAddressId, kWebAddress}, {kArchiveCommentId, kComment}});
        mRegistry.SetPackerPath(NSPackerTests::GetFakePackerPath());
        mScratch.WriteFile(mConverted, "Kit 1.wav", "RIFF sample");
        mScratch.WriteFile(mConverted, "Kit 1.mqp", "FORM patch");
        mParameterFilesBefore = NSPackerTests::ListParameterFiles();
        gPackerPauses = 0;
        gOtherPauses = 0;
    }

    // No fake that a test started, itself or through the hand-over, outlives it.
    void TearDown() override
    {
        for (const std::uint32_t processId : ReadReport().processIds)
            CFakePackerProcess(processId).Terminate();
    }

    CFakeReport ReadReport() const { return NSPackerTests::ReadFakeReport(mReportPath); }

    // The fakes the hand-over started quit by themselves after message 16.
    bool WaitForStartedFakesToQuit() const
    {
        bool allQuit = true;
        for (const std::uint32_t processId : ReadReport().processIds) {
            CFakePackerProcess fake(processId);
            allQuit = fake.WaitForEnd(kFakeEndTimeoutMs) && allQuit;
        }
        return allQuit;
    }

    std::string ExpectedInput() const
    {
        const std::string converted = mConverted.GetPath();
        const std::string archiveFolder = mScratch.GetFolder().GetPath();
        return BigEndian32(static_cast<std::uint32_t>(converted.size())) + converted +
               BigEndian32(static_cast<std::uint32_t>(archiveFolder.size())) + archiveFolder;
    }

    static std::string ExpectedInfoText()
    {
        return std::string("NAME=\"Drums\"\rURL=\"") + kWebAddress + "\"\rCOMMENTS=\"" + kComment + "\"\r";
    }

    // The parameter files that appeared in the temporary-files folder since the test began.
    std::set<std::string> NewParameterFiles() const
    {
        std::set<std::string> added;
        for (const std::string& name : NSPackerTests::ListParameterFiles()) {
            if (mParameterFilesBefore.count(name) == 0)
                added.insert(name);
        }
        return added;
    }

    // A packer that held its input has been ended: the parameter file it held can go.
    void DeleteParameterFilesLeftOver() const
    {
        for (const std::string& name : NewParameterFiles())
            NSTramvell::DeleteFile(NSTramvell::CFileSpec(NSTramvell::GetTempFolder().GetPath() + name));
    }

    // The converted files alone, and no parameter file left in the temporary-files folder.
    void ExpectNothingLeftBehind() const
    {
        EXPECT_EQ(NSPackerTests::ListNames(mConverted), (std::set<std::string>{"Kit 1.mqp", "Kit 1.wav"}));
        EXPECT_EQ(NSPackerTests::ListParameterFiles(), mParameterFilesBefore);
    }

    void ExpectInputFound(const CFakeReport& report) const
    {
        ASSERT_TRUE(report.inputHex.has_value());
        EXPECT_EQ(*report.inputHex, NSPackerFake::ToHex(ExpectedInput()));
        EXPECT_EQ(report.listing, "INFO.TXT|Kit 1.mqp|Kit 1.wav|Splash.jpg");
        EXPECT_EQ(report.infoHex, NSPackerFake::ToHex(ExpectedInfoText()));
        const std::string splash = NSPackerTests::GetSplashResourceBytes();
        ASSERT_FALSE(splash.empty());
        EXPECT_EQ(report.splash, NSPackerFake::FingerprintBytes(splash.data(), splash.size()));
    }

    NSPackerTests::CTestProgramModule mModule;
    NSPackerTests::CPackerRegistryEntry mRegistry;
    NSPackerTests::CScratchFolder mScratch;
    const NSTramvell::CDirSpec mConverted;
    const NSTramvell::CFileSpec mArchive;
    const std::string mReportPath;
    const CFakePackerEnvironment mReportVariable;
    const NSTramvell::CScopedTableEntry<decltype(NSTramvell::CKernelTable::Sleep)> mPause;
    std::set<std::string> mParameterFilesBefore;
    CRecordingListener mListener;
};

TEST_F(PackFolderTest, StartsThePackerAndHandsOverTheFolder)
{
    const CFakePackerEnvironment fake({{NSPackerFake::kWindowDelayVariable, "300"}});

    EXPECT_TRUE(PackFolder(mConverted, mArchive, &mListener));

    ExpectNothingLeftBehind();
    EXPECT_TRUE(WaitForStartedFakesToQuit());
    const CFakeReport report = ReadReport();
    EXPECT_EQ(report.processIds.size(), 1u);
    ExpectInputFound(report);
    EXPECT_EQ(report.messages, (std::vector<std::uint32_t>{kHandOverMessage, 16}));
    // Every report was of the start; the packer let go of its input before it answered.
    EXPECT_EQ(mListener.Count(kPackerStartingOrWaiting), mListener.phases.size());
    EXPECT_EQ(mListener.phases.size(), static_cast<std::size_t>(gPackerPauses) + 1);
}

TEST_F(PackFolderTest, ARunningPackerIsNeitherStartedNorClosed)
{
    const auto running = CFakePackerProcess::Start();
    ASSERT_NE(running, nullptr);

    EXPECT_TRUE(PackFolder(mConverted, mArchive, nullptr));

    EXPECT_EQ(gPackerPauses, 0);
    ExpectNothingLeftBehind();
    // Closing it here shows whether the hand-over had asked for it as well.
    const HWND window = FindPackerWindow(NSPackerTests::GetFakePackerPath());
    ASSERT_NE(window, nullptr);
    ::PostMessageA(window, 16, 0, 0);
    EXPECT_TRUE(running->WaitForEnd(kFakeEndTimeoutMs));
    const CFakeReport report = ReadReport();
    EXPECT_EQ(report.processIds, std::vector<std::uint32_t>{running->GetId()});
    ExpectInputFound(report);
    EXPECT_EQ(report.messages, (std::vector<std::uint32_t>{kHandOverMessage, 16}));
}

TEST_F(PackFolderTest, APackerThatReadsLateFindsAllOfItsInput)
{
    const CFakePackerEnvironment fake({{NSPackerFake::kReadingVariable, "late"}});

    EXPECT_TRUE(PackFolder(mConverted, mArchive, &mListener));

    EXPECT_TRUE(ReadReport().closing) << "returned while the packer still held its input";
    // The wait for the release went in rounds that let the user stop.
    EXPECT_GE(gPackerPauses, 1);
    EXPECT_EQ(mListener.Count(kPackerStartingOrWaiting), mListener.phases.size());
    ExpectNothingLeftBehind();
    EXPECT_TRUE(WaitForStartedFakesToQuit());
    const CFakeReport report = ReadReport();
    ExpectInputFound(report);
    EXPECT_EQ(report.messages, (std::vector<std::uint32_t>{kHandOverMessage, 16}));
}

TEST_F(PackFolderTest, ARefusalLeavesNothingBehind)
{
    const CFakePackerEnvironment fake({{NSPackerFake::kAnswerVariable, "0"}});

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    ExpectNothingLeftBehind();
    EXPECT_EQ(mListener.Count(kPackerFinishing), 0u);
    EXPECT_TRUE(WaitForStartedFakesToQuit());
    EXPECT_EQ(ReadReport().messages, (std::vector<std::uint32_t>{kHandOverMessage, 16}));
}

TEST_F(PackFolderTest, ARefusingPackerThatHoldsItsInputKeepsOnlyTheParameterFile)
{
    const CFakePackerEnvironment fake({{NSPackerFake::kAnswerVariable, "0"}, {NSPackerFake::kReadingVariable, "late"}});

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    EXPECT_EQ(NSPackerTests::ListNames(mConverted), (std::set<std::string>{"Kit 1.mqp", "Kit 1.wav"}));
    EXPECT_EQ(NewParameterFiles().size(), 1u);
    EXPECT_TRUE(WaitForStartedFakesToQuit());
    DeleteParameterFilesLeftOver();
}

// A packer that accepts and never lets go of its input (busy with another job, say) is waited for a
// bounded number of rounds; then the hand-over gives up and leaves the folder to the user's choice.
TEST_F(PackFolderTest, APackerThatKeepsItsInputIsWaitedForABoundedTime)
{
    const CFakePackerEnvironment fake({{NSPackerFake::kReadingVariable, "keep"}});

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    EXPECT_GE(gPackerPauses, static_cast<int>(kMaximumReleaseTries));
    EXPECT_EQ(mListener.phases.size(), static_cast<std::size_t>(gPackerPauses) + 1);
    EXPECT_EQ(mListener.Count(kPackerStartingOrWaiting), mListener.phases.size());
    EXPECT_EQ(NSPackerTests::ListNames(mConverted), (std::set<std::string>{"Kit 1.mqp", "Kit 1.wav"}));
    EXPECT_EQ(NewParameterFiles().size(), 1u);
    const CFakeReport report = ReadReport();
    EXPECT_FALSE(report.inputHex.has_value());
    EXPECT_EQ(report.messages, (std::vector<std::uint32_t>{kHandOverMessage, 16}));
    for (const std::uint32_t processId : report.processIds)
        CFakePackerProcess(processId).Terminate();
    DeleteParameterFilesLeftOver();
}

// Stop works while a packer that was already running holds its input: no round is waited out.
TEST_F(PackFolderTest, StopWhileARunningPackerHoldsItsInputEndsTheWait)
{
    const CFakePackerEnvironment fake({{NSPackerFake::kReadingVariable, "keep"}});
    const auto running = CFakePackerProcess::Start();
    ASSERT_NE(running, nullptr);
    mListener.answer = [](std::size_t call) { return call == 1 ? kPackerGoOn : kPackerStop; };

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    EXPECT_EQ(mListener.phases, (std::vector<std::uint32_t>{kPackerStartingOrWaiting, kPackerStartingOrWaiting}));
    EXPECT_EQ(gPackerPauses, 0);
    EXPECT_EQ(NSPackerTests::ListNames(mConverted), (std::set<std::string>{"Kit 1.mqp", "Kit 1.wav"}));
    EXPECT_EQ(ReadReport().messages, std::vector<std::uint32_t>{kHandOverMessage});
    running->Terminate();
    DeleteParameterFilesLeftOver();
}

BOOL FailToStartAProcess(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCSTR,
                         LPSTARTUPINFOA, LPPROCESS_INFORMATION)
{
    return FALSE;
}

TEST_F(PackFolderTest, APackerThatCannotBeStartedFailsAtOnce)
{
    const NSTramvell::CScopedTableEntry noStart(NSTramvell::GetKernelTable().CreateProcessA, FailToStartAProcess);

    EXPECT_THROW(PackFolder(mConverted, mArchive, &mListener), std::exception);

    EXPECT_EQ(gPackerPauses, 0);
    EXPECT_EQ(mListener.phases, std::vector<std::uint32_t>{kPackerStartingOrWaiting});
    ExpectNothingLeftBehind();
}

TEST_F(PackFolderTest, StopAtTheFirstReportStartsAndWritesNothing)
{
    mListener.answer = [](std::size_t) { return kPackerStop; };

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    EXPECT_EQ(mListener.phases, std::vector<std::uint32_t>{kPackerStartingOrWaiting});
    EXPECT_EQ(gPackerPauses, 0);
    EXPECT_TRUE(ReadReport().processIds.empty());
    ExpectNothingLeftBehind();
}

TEST_F(PackFolderTest, StopWhileWaitingForThePackerWritesNothing)
{
    // The stop comes once the started fake runs, so that its report names it for the clearing up.
    const std::string readyEvent = "DravimPackerStopTest-" + std::to_string(::GetCurrentProcessId());
    const HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, readyEvent.c_str());
    ASSERT_NE(ready, nullptr);
    const CFakePackerEnvironment fake(
        {{NSPackerFake::kWindowsVariable, "none"}, {NSPackerFake::kReadyEventVariable, readyEvent}});
    mListener.answer = [ready](std::size_t call) {
        if (call == 1)
            return kPackerGoOn;
        ::WaitForSingleObject(ready, kFakeEndTimeoutMs);
        return kPackerStop;
    };

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    ::CloseHandle(ready);
    EXPECT_EQ(mListener.phases, (std::vector<std::uint32_t>{kPackerStartingOrWaiting, kPackerStartingOrWaiting}));
    EXPECT_EQ(gPackerPauses, 0);
    EXPECT_EQ(ReadReport().processIds.size(), 1u);
    ExpectNothingLeftBehind();
}

TEST_F(PackFolderTest, WithoutARegistryEntryThePackerIsNotFoundAtOnce)
{
    mRegistry.RemoveKeys();

    EXPECT_FALSE(PackFolder(mConverted, mArchive, &mListener));

    EXPECT_EQ(mListener.phases, std::vector<std::uint32_t>{kPackerStartingOrWaiting});
    EXPECT_EQ(gPackerPauses, 0);
    EXPECT_TRUE(ReadReport().processIds.empty());
    ExpectNothingLeftBehind();
}

// The tries of the next test see only the packer it started, so that each of the many rounds is quick:
// its first pause waits until that packer runs and learns its process id from the report.
HANDLE gPackerReady = nullptr;
std::string gReportPath;
DWORD gStartedPackerId = 0;

void PauseUntilThePackerRuns(DWORD milliseconds)
{
    if (milliseconds == kWaitPauseMs)
        ++gPackerPauses;
    if (gStartedPackerId != 0)
        return;
    ::WaitForSingleObject(gPackerReady, kFakeEndTimeoutMs);
    const std::vector<std::uint32_t> processIds = NSPackerTests::ReadFakeReport(gReportPath).processIds;
    if (!processIds.empty())
        gStartedPackerId = processIds.front();
}

BOOL ListOnlyTheStartedPacker(DWORD* processIds, DWORD sizeInBytes, DWORD* filledInBytes)
{
    *filledInBytes = 0;
    if (gStartedPackerId != 0 && sizeInBytes >= sizeof(DWORD)) {
        processIds[0] = gStartedPackerId;
        *filledInBytes = sizeof(DWORD);
    }
    return TRUE;
}

TEST_F(PackFolderTest, APackerThatNeverShowsItsWindowIsNotFoundAfterAllTries)
{
    const std::string readyEvent = "DravimPackerNoWindowTest-" + std::to_string(::GetCurrentProcessId());
    gPackerReady = ::CreateEventA(nullptr, TRUE, FALSE, readyEvent.c_str());
    ASSERT_NE(gPackerReady, nullptr);
    gReportPath = mReportPath;
    gStartedPackerId = 0;
    const CFakePackerEnvironment fake(
        {{NSPackerFake::kWindowsVariable, "none"}, {NSPackerFake::kReadyEventVariable, readyEvent}});
    const NSTramvell::CScopedTableEntry pause(NSTramvell::GetKernelTable().Sleep, PauseUntilThePackerRuns);
    const NSTramvell::CScopedTableEntry processes(GetPackerTable().EnumProcesses, ListOnlyTheStartedPacker);

    bool packed = true;
    EXPECT_NO_THROW(packed = PackFolder(mConverted, mArchive, &mListener));

    EXPECT_FALSE(packed);
    EXPECT_EQ(gPackerPauses, static_cast<int>(kMaximumStartTries));
    EXPECT_EQ(mListener.Count(kPackerStartingOrWaiting), kMaximumStartTries + 1);
    EXPECT_EQ(mListener.phases.size(), kMaximumStartTries + 1);
    ExpectNothingLeftBehind();
    EXPECT_EQ(ReadReport().processIds.size(), 1u);
    ::CloseHandle(gPackerReady);
}

TEST_F(PackFolderTest, TheParameterFileHoldsBothFoldersAndIsNamedByThePlatform)
{
    const NSTramvell::CFileSpec parameterFile = WriteParameterFile(mConverted, mScratch.GetFolder());

    const std::string bytes = NSPackerTests::ReadWholeFile(parameterFile);
    NSTramvell::DeleteFile(parameterFile);
    EXPECT_EQ(bytes, ExpectedInput());
    EXPECT_TRUE(parameterFile.GetDirSpec() == NSTramvell::GetTempFolder());
    const std::string name = parameterFile.GetName();
    EXPECT_EQ(name.substr(0, 3), "Kap");
    EXPECT_TRUE(name.size() > 3 && name.find_first_not_of("0123456789ABCDEFabcdef", 3) == std::string::npos) << name;
    EXPECT_EQ(parameterFile.GetExtension(), ".tmp");
}

TEST_F(PackFolderTest, TheDescriptionFilesCarryTheArchiveNameAndTheSplashPicture)
{
    WriteArchiveInfoFiles(mConverted, NSTramvell::CFileName("Drums.kpl"));

    EXPECT_EQ(NSPackerTests::ReadWholeFile(NSTramvell::CFileSpec(mConverted.GetPath() + "INFO.TXT")),
              ExpectedInfoText());
    EXPECT_EQ(NSPackerTests::ReadWholeFile(NSTramvell::CFileSpec(mConverted.GetPath() + "Splash.jpg")),
              NSPackerTests::GetSplashResourceBytes());
    DeleteArchiveInfoFiles(mConverted);
    ExpectNothingLeftBehind();
}

} // namespace
