#pragma once

// A description of the machine (operating system, processors, memory, name), storable as a 512-byte
// block, and the texts that report it. GetSystemDescription and DescribeSystem ask the platform; the
// record, its block and the formatting do not.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NSTramvell {

class CMedia;

// Operating-system kinds of CSystemInfo::GetOSKind.
constexpr std::uint32_t kOSKindUnknown = 0;
constexpr std::uint32_t kOSKindMacOS = 1;
constexpr std::uint32_t kOSKindWin32s = 2;
constexpr std::uint32_t kOSKindWindows95 = 3;
constexpr std::uint32_t kOSKindWindows95Later = 4;
constexpr std::uint32_t kOSKindWindows98 = 5;
constexpr std::uint32_t kOSKindWindowsNT3 = 6;
constexpr std::uint32_t kOSKindWindowsNT4 = 7;
constexpr std::uint32_t kOSKindWindows2000 = 8;
constexpr std::uint32_t kOSKindWindowsXP = 9;
constexpr std::uint32_t kOSKindWindowsServer2003 = 10;
constexpr std::uint32_t kOSKindWindowsNT6OrLater = 11;

class CSystemInfo
{
public:
    static constexpr std::uint32_t kStoredMagic = 0xF0CA4CA6;
    static constexpr std::int32_t kStoredSizeInBytes = 512;
    static constexpr std::size_t kMaxNameLength = 63;
    static constexpr std::size_t kMaxVersionTextLength = 127;

    CSystemInfo();

    std::uint32_t GetOSKind() const { return mOSKind; }
    void SetOSKind(std::uint32_t kind) { mOSKind = kind; }
    void GetOSVersion(std::uint32_t& major, std::uint32_t& minor, std::uint32_t& build) const;
    void SetOSVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build);
    std::uint32_t GetProcessorType() const { return mProcessorType; }
    void SetProcessorType(std::uint32_t code) { mProcessorType = code; }
    std::uint32_t GetProcessorCount() const { return mProcessorCount; }
    void SetProcessorCount(std::uint32_t count) { mProcessorCount = count; }
    std::uint16_t GetProcessorValue() const { return mProcessorValue; }
    void SetProcessorValue(std::uint16_t value) { mProcessorValue = value; }
    std::uint32_t GetMemorySize() const { return mMemorySizeInBytes; }
    void SetMemorySize(std::uint32_t sizeInBytes) { mMemorySizeInBytes = sizeInBytes; }
    std::uint32_t GetSecondSize() const { return mSecondSizeInBytes; }
    void SetSecondSize(std::uint32_t sizeInBytes) { mSecondSizeInBytes = sizeInBytes; }
    std::uint32_t GetThirdSize() const { return mThirdSizeInBytes; }
    void SetThirdSize(std::uint32_t sizeInBytes) { mThirdSizeInBytes = sizeInBytes; }
    bool GetFlag() const { return mFlag; }
    void SetFlag(bool flag) { mFlag = flag; }
    const std::string& GetName() const { return mName; }
    // Cut to kMaxNameLength characters, as the block holds them.
    void SetName(const std::string& name);
    const std::string& GetVersionText() const { return mVersionText; }
    void SetVersionText(const std::string& text);

    // The 512-byte block at the media's position. The block has no room for the flag: it reads back false.
    void Write(CMedia& media) const;
    // A block whose magic differs throws XBadFormat and leaves the record as it was.
    void Read(CMedia& media);

private:
    std::uint32_t mOSKind = kOSKindUnknown;
    std::uint32_t mMajor = 0;
    std::uint32_t mMinor = 0;
    std::uint32_t mBuild = 0;
    std::uint32_t mProcessorType = 0;
    std::uint32_t mProcessorCount = 1;
    std::uint16_t mProcessorValue = 0;
    std::uint32_t mMemorySizeInBytes = 0;
    std::uint32_t mSecondSizeInBytes = 0;
    std::uint32_t mThirdSizeInBytes = 0;
    bool mFlag = false;
    std::string mName;
    std::string mVersionText;
};

// What the platform keeps on one processor; a value it lacks is an empty text.
struct CProcessorDescription
{
    std::string mIdentifier;
    std::string mUpdateStatus;   // a number as decimal text
    std::string mVendor;
};

// The name of the operating system from its kind and version; kind 0 and kinds without a name give the
// fallback.
std::string FormatOSName(std::uint32_t kind, std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                         const std::string& fallback);
// "1 byte", "1023 bytes", "1.0 kB", "1.5 MB", "4.0 GB".
std::string FormatByteSize(std::uint32_t sizeInBytes);
// value / step rounded to the nearest whole number, halves away from zero, times step.
double RoundToMultiple(double value, double step);
// The report lines: the OS name and version text, each processor's three texts, the flag and the memory.
std::vector<std::string> ComposeSystemReport(const CSystemInfo& info,
                                             const std::vector<CProcessorDescription>& processors);

// These ask the platform. GetSystemDescription throws XBase when the OS version query fails.
std::unique_ptr<CSystemInfo> GetSystemDescription();
CProcessorDescription GetProcessorDescription(std::uint32_t processorIndex);
// Describes at most 64 processors, whatever count the record claims.
std::vector<std::string> DescribeSystem(const CSystemInfo& info);

} // namespace NSTramvell
