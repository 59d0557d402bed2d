// The stand-in raw-disk library of the program's end-to-end tests: the real library's code over fake
// drives whose discs are image files the test names in the environment. DRAVIM_TEST_DISC and
// DRAVIM_TEST_DISC2 are the images of the CD-ROM drives D: and E:; a drive holds its disc while the file
// exists and is "not ready" otherwise. Ejecting renames the file to "<name>.ejected" and appends a line
// to the file DRAVIM_TEST_DEVICE_LOG; DRAVIM_TEST_READ_DELAY_MS slows every read by that many milliseconds
// for each 64 KiB begun. Only the test build contains any of this: the shipping library is built without it.

#include "libs/rawdisk/tests/FakeDrives.h"
#include "libs/rawdisk/win32/DeviceTable.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using NSBrakvelImplementation::CDeviceTable;
using NSBrakvelImplementation::GetDeviceTable;
using NSBrakvelTest::CFakeDrives;

struct CImageDrive
{
    char letter;
    std::string path;
    bool loaded = false;
};

struct CStandIn
{
    std::unique_ptr<CFakeDrives> drives;
    CDeviceTable fakeTable{};   // the fake's own entries, which the stand-in's wrap
    std::vector<CImageDrive> images;
    std::string deviceLog;
    DWORD readDelayMs = 0;
};

CStandIn* gStandIn = nullptr;

constexpr DWORD kSlowedReadUnit = 64 * 1024;

std::string GetEnvironment(const char* name)
{
    char value[1024] = "";
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::uint8_t> ReadImage(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void AppendToDeviceLog(const std::string& line)
{
    if (gStandIn->deviceLog.empty())
        return;
    if (std::FILE* log = std::fopen(gStandIn->deviceLog.c_str(), "ab")) {
        std::fputs((line + "\n").c_str(), log);
        std::fclose(log);
    }
}

// Brings each drive's medium in line with its file before every device call: a disc appears when the
// test puts its image in place and goes when the file goes.
void Refresh()
{
    CFakeDrives& drives = *gStandIn->drives;
    drives.ClearCalls();   // nobody reads the log here, and a conversion makes many calls
    for (CImageDrive& image : gStandIn->images) {
        NSBrakvelTest::CFakeDrive& drive = drives.Drive(image.letter);
        const bool present = FileExists(image.path);
        if (present && !image.loaded) {
            drive = NSBrakvelTest::MakeCDROM(ReadImage(image.path));
            image.loaded = true;
        } else if (!present && image.loaded) {
            drive.hasMedium = false;
            drive.image.clear();
            image.loaded = false;
        }
        drive.hasMedium = present;
    }
}

CImageDrive* FindDriveOfHandle(HANDLE handle)
{
    const char letter = gStandIn->drives->GetDriveOfHandle(handle);
    for (CImageDrive& image : gStandIn->images)
        if (image.letter == letter)
            return &image;
    return nullptr;
}

CDeviceTable MakeStandInTable()
{
    CDeviceTable table;
    table.GetLogicalDriveStringsA = [](DWORD bufferLength, LPSTR buffer) -> DWORD {
        Refresh();
        return gStandIn->fakeTable.GetLogicalDriveStringsA(bufferLength, buffer);
    };
    table.GetDriveTypeA = [](LPCSTR rootPath) -> UINT {
        Refresh();
        return gStandIn->fakeTable.GetDriveTypeA(rootPath);
    };
    table.CreateFileA = [](LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                           DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) -> HANDLE {
        Refresh();
        return gStandIn->fakeTable.CreateFileA(path, access, shareMode, security, creationDisposition,
                                               flagsAndAttributes, templateFile);
    };
    table.DeviceIoControl = [](HANDLE device, DWORD controlCode, LPVOID input, DWORD inputSize, LPVOID output,
                               DWORD outputSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped) -> BOOL {
        Refresh();
        CImageDrive* image = FindDriveOfHandle(device);
        const BOOL answered = gStandIn->fakeTable.DeviceIoControl(device, controlCode, input, inputSize, output,
                                                                  outputSize, bytesReturned, overlapped);
        if (answered && controlCode == NSBrakvelTest::kFakeEjectMedia && image != nullptr && image->loaded) {
            ::MoveFileExA(image->path.c_str(), (image->path + ".ejected").c_str(), MOVEFILE_REPLACE_EXISTING);
            AppendToDeviceLog(std::string("eject ") + image->letter + ":");
            Refresh();
        }
        return answered;
    };
    table.SetFilePointer = [](HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod) -> DWORD {
        return gStandIn->fakeTable.SetFilePointer(file, distance, distanceHigh, moveMethod);
    };
    table.ReadFile = [](HANDLE file, LPVOID buffer, DWORD length, LPDWORD bytesRead,
                        LPOVERLAPPED overlapped) -> BOOL {
        // The delay goes by the bytes asked for, as a drive's does: a program that reads in fewer, larger
        // requests is slowed as much as one that reads in many small ones.
        if (gStandIn->readDelayMs > 0)
            ::Sleep(gStandIn->readDelayMs * (1 + (length > 0 ? (length - 1) / kSlowedReadUnit : 0)));
        return gStandIn->fakeTable.ReadFile(file, buffer, length, bytesRead, overlapped);
    };
    table.CloseHandle = [](HANDLE handle) -> BOOL { return gStandIn->fakeTable.CloseHandle(handle); };
    table.GetLastError = []() -> DWORD { return gStandIn->fakeTable.GetLastError(); };
    return table;
}

void Install()
{
    gStandIn = new CStandIn;
    gStandIn->drives = std::make_unique<CFakeDrives>(
        [](const std::string& misuse) { AppendToDeviceLog("misuse: " + misuse); });
    gStandIn->deviceLog = GetEnvironment("DRAVIM_TEST_DEVICE_LOG");
    const std::string delay = GetEnvironment("DRAVIM_TEST_READ_DELAY_MS");
    gStandIn->readDelayMs = delay.empty() ? 0 : static_cast<DWORD>(std::strtoul(delay.c_str(), nullptr, 10));
    const struct
    {
        const char* variable;
        char letter;
    } drives[] = {{"DRAVIM_TEST_DISC", 'D'}, {"DRAVIM_TEST_DISC2", 'E'}};
    for (const auto& drive : drives) {
        const std::string path = GetEnvironment(drive.variable);
        if (path.empty())
            continue;
        NSBrakvelTest::CFakeDrive empty = NSBrakvelTest::MakeCDROM({});
        empty.hasMedium = false;
        gStandIn->drives->AddDrive(drive.letter, std::move(empty));
        gStandIn->images.push_back({drive.letter, path});
    }
    gStandIn->fakeTable = GetDeviceTable();
    GetDeviceTable() = MakeStandInTable();
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    // The fake stays until the process goes: the program may still hold a drive open when it ends.
    if (reason == DLL_PROCESS_ATTACH)
        Install();
    return TRUE;
}
