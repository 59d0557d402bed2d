#include "libs/rawdisk/tests/FakeDrives.h"

#include "libs/rawdisk/win32/DeviceTable.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <sstream>

namespace NSBrakvelTest {

namespace {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorCRC = 23;
constexpr std::uint32_t kErrorSeek = 25;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;
constexpr std::uint32_t kErrorIoDevice = 1117;
constexpr std::uint32_t kDriveNoRootDirectory = 1;
constexpr std::size_t kGeometrySizeInBytes = 24;
constexpr std::size_t kTableOfContentsHeaderSizeInBytes = 4;
constexpr std::size_t kTrackEntrySizeInBytes = 8;

CFakeDrives* gCurrent = nullptr;

CFakeDrives& Current()
{
    return *gCurrent;
}

void PutLittleEndian(std::uint8_t* at, std::uint64_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

NSBrakvelImplementation::CDeviceTable MakeFakeTable()
{
    NSBrakvelImplementation::CDeviceTable table;
    table.GetLogicalDriveStringsA = [](DWORD bufferLength, LPSTR buffer) -> DWORD {
        return Current().GetLogicalDriveStrings(bufferLength, buffer);
    };
    table.GetDriveTypeA = [](LPCSTR rootPath) -> UINT { return Current().GetDriveType(rootPath); };
    table.CreateFileA = [](LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES,
                           DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE) -> HANDLE {
        return Current().CreateFile(path, access, shareMode, creationDisposition, flagsAndAttributes);
    };
    table.DeviceIoControl = [](HANDLE device, DWORD controlCode, LPVOID input, DWORD inputSize, LPVOID output,
                               DWORD outputSize, LPDWORD bytesReturned, LPOVERLAPPED) -> BOOL {
        std::uint32_t returned = 0;
        const bool succeeded = Current().DeviceIoControl(device, controlCode, input, inputSize, output,
                                                         outputSize, &returned);
        if (bytesReturned)
            *bytesReturned = returned;
        return succeeded;
    };
    table.SetFilePointer = [](HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod) -> DWORD {
        std::int32_t high = distanceHigh ? *distanceHigh : 0;
        const std::uint32_t low = Current().SetFilePointer(file, distance, distanceHigh ? &high : nullptr,
                                                           moveMethod);
        if (distanceHigh)
            *distanceHigh = high;
        return low;
    };
    table.ReadFile = [](HANDLE file, LPVOID buffer, DWORD length, LPDWORD bytesRead, LPOVERLAPPED) -> BOOL {
        std::uint32_t read = 0;
        const bool succeeded = Current().ReadFile(file, buffer, length, &read);
        if (bytesRead)
            *bytesRead = read;
        return succeeded;
    };
    table.CloseHandle = [](HANDLE handle) -> BOOL { return Current().CloseHandle(handle); };
    table.GetLastError = []() -> DWORD { return Current().GetLastError(); };
    return table;
}

} // namespace

CFakeDrive MakeCDROM(std::vector<std::uint8_t> image, std::uint32_t blockSizeInBytes)
{
    CFakeDrive drive;
    drive.bytesPerSector = blockSizeInBytes;
    drive.cylinders = static_cast<std::int64_t>(image.size() / blockSizeInBytes);
    drive.image = std::move(image);
    return drive;
}

std::vector<std::uint8_t> MakePatternImage(std::size_t sizeInBytes)
{
    std::vector<std::uint8_t> image(sizeInBytes);
    for (std::size_t i = 0; i < sizeInBytes; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + (i >> 11) * 13 + 1);
    return image;
}

CFakeDrives::CFakeDrives(TMisuseReporter reportMisuse)
    : mReportMisuse(std::move(reportMisuse))
{
    if (gCurrent)
        mReportMisuse("a second CFakeDrives while one is installed");
    gCurrent = this;
    mTable = std::make_unique<NSBrakvelImplementation::CScopedDeviceTable>(MakeFakeTable());
}

CFakeDrives::~CFakeDrives()
{
    mTable.reset();
    gCurrent = nullptr;
    for (const auto& [handle, open] : mOpenHandles)
        mReportMisuse("handle " + std::to_string(handle) + " of drive " + open.letter + ": still open");
}

void CFakeDrives::AddDrive(char letter, CFakeDrive drive)
{
    mDrives[letter] = std::move(drive);
}

CFakeDrive& CFakeDrives::Drive(char letter)
{
    return mDrives[letter];
}

std::vector<CFakeCall> CFakeDrives::GetCalls(EFakeCall function) const
{
    std::vector<CFakeCall> calls;
    std::copy_if(mCalls.begin(), mCalls.end(), std::back_inserter(calls),
                 [function](const CFakeCall& call) { return call.function == function; });
    return calls;
}

int CFakeDrives::GetOpenHandleCount() const
{
    return static_cast<int>(mOpenHandles.size());
}

std::string CFakeDrives::GetOpenDrives() const
{
    std::string letters;
    for (const auto& [handle, open] : mOpenHandles)
        letters += open.letter;
    std::sort(letters.begin(), letters.end());
    return letters;
}

char CFakeDrives::GetDriveOfHandle(void* handle) const
{
    const auto it = mOpenHandles.find(reinterpret_cast<std::uintptr_t>(handle));
    return it != mOpenHandles.end() ? it->second.letter : 0;
}

void CFakeDrives::InjectThrow(EFakeCall function, std::function<void()> thrower, std::uint32_t controlCode)
{
    mInjectedThrows.push_back({function, controlCode, std::move(thrower)});
}

void CFakeDrives::ThrowIfInjected(EFakeCall function, std::uint32_t controlCode)
{
    for (auto it = mInjectedThrows.begin(); it != mInjectedThrows.end(); ++it) {
        if (it->function == function && (it->controlCode == 0 || it->controlCode == controlCode)) {
            const std::function<void()> thrower = std::move(it->thrower);
            mInjectedThrows.erase(it);
            thrower();
            return;
        }
    }
}

CFakeDrives::COpenHandle* CFakeDrives::FindOpenHandle(void* handle)
{
    const auto it = mOpenHandles.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == mOpenHandles.end())
        return nullptr;
    return &it->second;
}

bool CFakeDrives::Fail(std::uint32_t error)
{
    mLastError = error;
    return false;
}

std::uint32_t CFakeDrives::GetLogicalDriveStrings(std::uint32_t bufferLength, char* buffer)
{
    CFakeCall call(EFakeCall::GetLogicalDriveStrings);
    call.length = bufferLength;
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::GetLogicalDriveStrings, 0);

    std::string strings;
    for (const auto& [letter, drive] : mDrives) {
        strings += letter;
        strings += ":\\";
        strings += '\0';
    }
    if (strings.empty())
        return 0;
    // The system counts the closing empty string when it asks for room, and not when it fills the buffer.
    if (strings.size() + 1 > bufferLength)
        return static_cast<std::uint32_t>(strings.size() + 1);
    std::memcpy(buffer, strings.data(), strings.size());
    buffer[strings.size()] = '\0';
    return static_cast<std::uint32_t>(strings.size());
}

std::uint32_t CFakeDrives::GetDriveType(const char* rootPath)
{
    CFakeCall call(EFakeCall::GetDriveType);
    call.path = rootPath;
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::GetDriveType, 0);

    const std::string root = rootPath;
    if (root.size() != 3 || root.substr(1) != ":\\" || !mDrives.count(root[0]))
        return kDriveNoRootDirectory;
    return mDrives[root[0]].driveType;
}

void* CFakeDrives::CreateFile(const char* path, std::uint32_t access, std::uint32_t shareMode,
                              std::uint32_t creationDisposition, std::uint32_t flagsAndAttributes)
{
    CFakeCall call(EFakeCall::CreateFile);
    call.path = path;
    call.access = access;
    call.shareMode = shareMode;
    call.creationDisposition = creationDisposition;
    call.flagsAndAttributes = flagsAndAttributes;
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::CreateFile, 0);

    const std::string devicePath = path;
    const std::string prefix = "\\\\.\\";
    if (devicePath.size() != prefix.size() + 2 || devicePath.compare(0, prefix.size(), prefix) != 0 ||
        devicePath.back() != ':' || !mDrives.count(devicePath[prefix.size()])) {
        Fail(kErrorFileNotFound);
        return INVALID_HANDLE_VALUE;
    }
    const char letter = devicePath[prefix.size()];
    CFakeDrive& drive = mDrives[letter];
    ++drive.openAttempts;
    if (drive.openError != 0 && drive.openAttempts > drive.opensBeforeError) {
        Fail(drive.openError);
        return INVALID_HANDLE_VALUE;
    }
    // The library opens drives exclusively: a second open of a drive still open is refused.
    for (const auto& [handle, open] : mOpenHandles) {
        if (open.letter == letter) {
            Fail(kErrorSharingViolation);
            return INVALID_HANDLE_VALUE;
        }
    }
    const std::uintptr_t handle = mNextHandle;
    mNextHandle += 4;
    mOpenHandles[handle] = {letter, 0};
    return reinterpret_cast<void*>(handle);
}

bool CFakeDrives::DeviceIoControl(void* handle, std::uint32_t controlCode, const void* input,
                                  std::uint32_t inputSize, void* output, std::uint32_t outputSize,
                                  std::uint32_t* bytesReturned)
{
    CFakeCall call(EFakeCall::DeviceIoControl);
    call.handle = reinterpret_cast<std::uintptr_t>(handle);
    call.controlCode = controlCode;
    if (input && inputSize != 0) {
        const auto* bytes = static_cast<const std::uint8_t*>(input);
        call.input.assign(bytes, bytes + inputSize);
    }
    call.hasOutput = output != nullptr;
    call.outputSize = outputSize;
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::DeviceIoControl, controlCode);

    *bytesReturned = 0;
    COpenHandle* open = FindOpenHandle(handle);
    if (!open) {
        std::ostringstream misuse;
        misuse << "DeviceIoControl " << std::hex << controlCode << " on a handle that is not open";
        mReportMisuse(misuse.str());
        return Fail(kErrorInvalidHandle);
    }
    CFakeDrive& drive = mDrives[open->letter];
    if (controlCode == kFakeReadTableOfContents)
        ++drive.tableOfContentsReads;
    const auto error = drive.controlErrors.find(controlCode);
    if (error != drive.controlErrors.end())
        return Fail(error->second);
    return AnswerControl(drive, controlCode, output, outputSize, bytesReturned);
}

bool CFakeDrives::AnswerControl(CFakeDrive& drive, std::uint32_t controlCode, void* output,
                                std::uint32_t outputSize, std::uint32_t* bytesReturned)
{
    auto* bytes = static_cast<std::uint8_t*>(output);
    switch (controlCode) {
    case kFakeCheckVerify:
        return drive.hasMedium || Fail(kErrorNotReady);
    case kFakeGetDriveGeometry:
        if (!drive.hasMedium)
            return Fail(kErrorNotReady);
        if (!bytes || outputSize < kGeometrySizeInBytes)
            return Fail(kErrorInsufficientBuffer);
        PutLittleEndian(bytes, static_cast<std::uint64_t>(drive.cylinders), 8);
        PutLittleEndian(bytes + 8, drive.mediaType, 4);
        PutLittleEndian(bytes + 12, drive.tracksPerCylinder, 4);
        PutLittleEndian(bytes + 16, drive.sectorsPerTrack, 4);
        PutLittleEndian(bytes + 20, drive.bytesPerSector, 4);
        *bytesReturned = kGeometrySizeInBytes;
        return true;
    case kFakeReadTableOfContents: {
        if (!drive.hasMedium)
            return Fail(kErrorNotReady);
        if (drive.failingTableOfContentsReads.count(drive.tableOfContentsReads))
            return Fail(kErrorIoDevice);
        const std::size_t size = kTableOfContentsHeaderSizeInBytes + kTrackEntrySizeInBytes * drive.tracks.size();
        if (!bytes || outputSize < size)
            return Fail(kErrorInsufficientBuffer);
        std::memset(bytes, 0, size);
        bytes[0] = static_cast<std::uint8_t>((size - 2) >> 8);
        bytes[1] = static_cast<std::uint8_t>(size - 2);
        bytes[2] = drive.firstTrack;
        bytes[3] = drive.lastTrack;
        for (std::size_t i = 0; i < drive.tracks.size(); ++i) {
            std::uint8_t* entry = bytes + kTableOfContentsHeaderSizeInBytes + kTrackEntrySizeInBytes * i;
            const CFakeTrack& track = drive.tracks[i];
            entry[1] = static_cast<std::uint8_t>(0x10 | (track.control & 0x0F));
            entry[2] = static_cast<std::uint8_t>(drive.firstTrack + i);
            entry[5] = track.minutes;
            entry[6] = track.seconds;
            entry[7] = track.frames;
        }
        *bytesReturned = static_cast<std::uint32_t>(size);
        return true;
    }
    case kFakeLockVolume:
    case kFakeDismountVolume:
    case kFakeMediaRemoval:
        return true;
    case kFakeEjectMedia:
        drive.hasMedium = false;
        return true;
    default:
        return Fail(kErrorInvalidFunction);
    }
}

std::uint32_t CFakeDrives::SetFilePointer(void* handle, std::int32_t distance, std::int32_t* distanceHigh,
                                          std::uint32_t moveMethod)
{
    CFakeCall call(EFakeCall::SetFilePointer);
    call.handle = reinterpret_cast<std::uintptr_t>(handle);
    call.seekDistance = distance;
    call.hasSeekHighPart = distanceHigh != nullptr;
    call.moveMethod = moveMethod;
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::SetFilePointer, 0);

    constexpr std::uint32_t kInvalidSetFilePointer = 0xFFFFFFFF;
    COpenHandle* open = FindOpenHandle(handle);
    if (!open) {
        mReportMisuse("SetFilePointer on a handle that is not open");
        Fail(kErrorInvalidHandle);
        return kInvalidSetFilePointer;
    }
    if (mDrives[open->letter].seekFails || moveMethod != FILE_BEGIN || distance < 0) {
        Fail(kErrorSeek);
        return kInvalidSetFilePointer;
    }
    open->position = static_cast<std::uint64_t>(distance);
    return static_cast<std::uint32_t>(distance);
}

bool CFakeDrives::ReadFile(void* handle, void* buffer, std::uint32_t length, std::uint32_t* bytesRead)
{
    CFakeCall call(EFakeCall::ReadFile);
    call.handle = reinterpret_cast<std::uintptr_t>(handle);
    call.length = length;
    call.bufferAddress = reinterpret_cast<std::uintptr_t>(buffer);
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::ReadFile, 0);

    *bytesRead = 0;
    COpenHandle* open = FindOpenHandle(handle);
    if (!open) {
        mReportMisuse("ReadFile on a handle that is not open");
        return Fail(kErrorInvalidHandle);
    }
    const CFakeDrive& drive = mDrives[open->letter];
    if (drive.readFails)
        return Fail(kErrorCRC);
    const std::uint64_t available = open->position < drive.image.size() ? drive.image.size() - open->position : 0;
    std::uint64_t count = std::min<std::uint64_t>(length, available);
    if (drive.readShort && count > 0)
        --count;
    if (count > 0)
        std::memcpy(buffer, drive.image.data() + open->position, static_cast<std::size_t>(count));
    open->position += count;
    *bytesRead = static_cast<std::uint32_t>(count);
    return true;
}

bool CFakeDrives::CloseHandle(void* handle)
{
    CFakeCall call(EFakeCall::CloseHandle);
    call.handle = reinterpret_cast<std::uintptr_t>(handle);
    mCalls.push_back(call);
    ThrowIfInjected(EFakeCall::CloseHandle, 0);

    if (mOpenHandles.erase(reinterpret_cast<std::uintptr_t>(handle)) == 0) {
        mReportMisuse("CloseHandle of handle " + std::to_string(call.handle) +
                      ", which is not open (a double close?)");
        return Fail(kErrorInvalidHandle);
    }
    return true;
}

} // namespace NSBrakvelTest
