#pragma once

// FakeDrives stands in for the system behind the raw-disk library's device table: a set of drives by
// letter, each with a type, a medium, a geometry, a table of contents, image bytes and fault switches.
// While a CFakeDrives lives, every device call of the library reaches it, and it logs each call. It reports
// a double close, a call with a handle that is not open, and a handle still open when it goes: in a test
// (the default constructor, brakvel_fake_drives) as a failure of the running test, elsewhere (the stand-in
// library the program's end-to-end tests load) to the reporter it is given. One CFakeDrives at a time.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace NSBrakvelImplementation {
class CScopedDeviceTable;
}

namespace NSBrakvelTest {

// Drive types and system errors as the system reports them.
constexpr std::uint32_t kDriveRemovable = 2;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kDriveCDROM = 5;
constexpr std::uint32_t kErrorInvalidFunction = 1;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorNotReady = 21;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr std::uint32_t kErrorLockViolation = 33;

// The device control codes the fake answers.
constexpr std::uint32_t kFakeCheckVerify = 0x2D4800;
constexpr std::uint32_t kFakeLockVolume = 0x90018;
constexpr std::uint32_t kFakeDismountVolume = 0x90020;
constexpr std::uint32_t kFakeMediaRemoval = 0x2D4804;
constexpr std::uint32_t kFakeEjectMedia = 0x2D4808;
constexpr std::uint32_t kFakeGetDriveGeometry = 0x70000;
constexpr std::uint32_t kFakeReadTableOfContents = 0x24000;

enum class EFakeCall
{
    GetLogicalDriveStrings,
    GetDriveType,
    CreateFile,
    DeviceIoControl,
    SetFilePointer,
    ReadFile,
    CloseHandle,
};

// One track entry of the table of contents: the control nibble (4 = data) and the start as
// minutes, seconds and frames.
struct CFakeTrack
{
    std::uint8_t control;
    std::uint8_t minutes;
    std::uint8_t seconds;
    std::uint8_t frames;
};

struct CFakeDrive
{
    std::uint32_t driveType = kDriveCDROM;
    // Without a medium, check-verify, geometry and table-of-contents requests fail "not ready".
    bool hasMedium = true;
    // The system error of a failing open, 0 when every open succeeds; opensBeforeError opens succeed
    // first (1: the medium test opens the drive, the volume's own open fails).
    std::uint32_t openError = 0;
    int opensBeforeError = 0;

    // The geometry record.
    std::int64_t cylinders = 0;
    std::uint32_t mediaType = 11;
    std::uint32_t tracksPerCylinder = 1;
    std::uint32_t sectorsPerTrack = 1;
    std::uint32_t bytesPerSector = 2048;

    // The table of contents; by default one data track at 00:02:00.
    std::uint8_t firstTrack = 1;
    std::uint8_t lastTrack = 1;
    std::vector<CFakeTrack> tracks{{4, 0, 2, 0}};

    // What ReadFile delivers from position 0 on; past its end reads come back short.
    std::vector<std::uint8_t> image;

    // Faults: a control code that fails with the given system error; the table-of-contents reads that
    // fail, counted from 1 over the drive's life; seek and read failures; a read one byte short.
    std::map<std::uint32_t, std::uint32_t> controlErrors;
    std::set<int> failingTableOfContentsReads;
    bool seekFails = false;
    bool readFails = false;
    bool readShort = false;

    // Kept by the fake.
    int openAttempts = 0;
    int tableOfContentsReads = 0;
};

// A CD-ROM drive with a medium whose geometry covers the image exactly (one sector per cylinder).
CFakeDrive MakeCDROM(std::vector<std::uint8_t> image, std::uint32_t blockSizeInBytes = 2048);
// Bytes that differ from block to block and within a block, so a misplaced copy shows.
std::vector<std::uint8_t> MakePatternImage(std::size_t sizeInBytes);

// One logged call. Fields that a function does not have stay 0 or empty.
struct CFakeCall
{
    explicit CFakeCall(EFakeCall called) : function(called) {}

    EFakeCall function;
    std::uintptr_t handle = 0;
    std::string path;                 // CreateFile's path, GetDriveType's root
    std::uint32_t access = 0;
    std::uint32_t shareMode = 0;
    std::uint32_t creationDisposition = 0;
    std::uint32_t flagsAndAttributes = 0;
    std::uint32_t controlCode = 0;
    std::vector<std::uint8_t> input;  // DeviceIoControl's input bytes
    bool hasOutput = false;           // DeviceIoControl was given an output buffer
    std::uint32_t outputSize = 0;
    std::int32_t seekDistance = 0;
    bool hasSeekHighPart = false;
    std::uint32_t moveMethod = 0;
    std::uint32_t length = 0;         // ReadFile's length, GetLogicalDriveStrings' buffer length
    std::uintptr_t bufferAddress = 0; // ReadFile's buffer
};

class CFakeDrives
{
public:
    using TMisuseReporter = std::function<void(const std::string& misuse)>;

    // Fails the running test on misuse.
    CFakeDrives();
    explicit CFakeDrives(TMisuseReporter reportMisuse);
    CFakeDrives(const CFakeDrives&) = delete;
    CFakeDrives& operator=(const CFakeDrives&) = delete;
    ~CFakeDrives();

    void AddDrive(char letter, CFakeDrive drive);
    CFakeDrive& Drive(char letter);

    const std::vector<CFakeCall>& GetCalls() const { return mCalls; }
    std::vector<CFakeCall> GetCalls(EFakeCall function) const;
    void ClearCalls() { mCalls.clear(); }
    int GetOpenHandleCount() const;
    // The letters of the drives with an open handle, in letter order.
    std::string GetOpenDrives() const;
    // The letter of the drive an open handle belongs to; 0 for a handle that is not open.
    char GetDriveOfHandle(void* handle) const;

    // The next call of function (with that control code, when one is given) runs thrower instead.
    void InjectThrow(EFakeCall function, std::function<void()> thrower, std::uint32_t controlCode = 0);

    // The device table's entries land here.
    std::uint32_t GetLogicalDriveStrings(std::uint32_t bufferLength, char* buffer);
    std::uint32_t GetDriveType(const char* rootPath);
    void* CreateFile(const char* path, std::uint32_t access, std::uint32_t shareMode,
                     std::uint32_t creationDisposition, std::uint32_t flagsAndAttributes);
    bool DeviceIoControl(void* handle, std::uint32_t controlCode, const void* input, std::uint32_t inputSize,
                         void* output, std::uint32_t outputSize, std::uint32_t* bytesReturned);
    std::uint32_t SetFilePointer(void* handle, std::int32_t distance, std::int32_t* distanceHigh,
                                 std::uint32_t moveMethod);
    bool ReadFile(void* handle, void* buffer, std::uint32_t length, std::uint32_t* bytesRead);
    bool CloseHandle(void* handle);
    std::uint32_t GetLastError() const { return mLastError; }

private:
    struct COpenHandle
    {
        char letter;
        std::uint64_t position;
    };

    void ThrowIfInjected(EFakeCall function, std::uint32_t controlCode);
    COpenHandle* FindOpenHandle(void* handle);
    bool Fail(std::uint32_t error);
    bool AnswerControl(CFakeDrive& drive, std::uint32_t controlCode, void* output, std::uint32_t outputSize,
                       std::uint32_t* bytesReturned);

    std::map<char, CFakeDrive> mDrives;
    std::map<std::uintptr_t, COpenHandle> mOpenHandles;
    std::uintptr_t mNextHandle = 0x1000;
    std::vector<CFakeCall> mCalls;
    std::uint32_t mLastError = 0;
    struct CInjectedThrow
    {
        EFakeCall function;
        std::uint32_t controlCode;
        std::function<void()> thrower;
    };
    std::vector<CInjectedThrow> mInjectedThrows;
    TMisuseReporter mReportMisuse;
    std::unique_ptr<NSBrakvelImplementation::CScopedDeviceTable> mTable;
};

} // namespace NSBrakvelTest
