#include "framework/foundation/system/SystemInfo.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace NSTramvell {
namespace {

constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kOSKindOffset = 4;
constexpr std::size_t kMajorOffset = 5;
constexpr std::size_t kMinorOffset = 9;
constexpr std::size_t kBuildOffset = 13;
constexpr std::size_t kProcessorTypeOffset = 17;
constexpr std::size_t kProcessorCountOffset = 18;
constexpr std::size_t kProcessorValueOffset = 22;
constexpr std::size_t kMemorySizeOffset = 24;
constexpr std::size_t kSecondSizeOffset = 28;
constexpr std::size_t kThirdSizeOffset = 32;
constexpr std::size_t kNameOffset = 36;
constexpr std::size_t kVersionTextOffset = 100;

// A text field holds at most maxLength characters and a terminating 0; a stored field without a 0 byte
// still ends at its limit.
void PutText(std::uint8_t* field, const std::string& text, std::size_t maxLength)
{
    const std::size_t length = std::min(text.size(), maxLength);
    std::copy_n(text.begin(), length, field);
}

std::string TakeText(const std::uint8_t* field, std::size_t maxLength)
{
    const std::uint8_t* end = std::find(field, field + maxLength, std::uint8_t{0});
    return std::string(field, end);
}

template <typename... TArguments>
std::string Format(const char* format, TArguments... arguments)
{
    char text[128];
    std::snprintf(text, sizeof text, format, arguments...);
    return text;
}

} // namespace

CSystemInfo::CSystemInfo() = default;

void CSystemInfo::GetOSVersion(std::uint32_t& major, std::uint32_t& minor, std::uint32_t& build) const
{
    major = mMajor;
    minor = mMinor;
    build = mBuild;
}

void CSystemInfo::SetOSVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build)
{
    mMajor = major;
    mMinor = minor;
    mBuild = build;
}

void CSystemInfo::SetName(const std::string& name)
{
    mName = name.substr(0, kMaxNameLength);
}

void CSystemInfo::SetVersionText(const std::string& text)
{
    mVersionText = text.substr(0, kMaxVersionTextLength);
}

void CSystemInfo::Write(CMedia& media) const
{
    std::uint8_t block[kStoredSizeInBytes] = {};
    WriteBigEndian32(block + kMagicOffset, kStoredMagic);
    block[kOSKindOffset] = static_cast<std::uint8_t>(mOSKind);
    WriteBigEndian32(block + kMajorOffset, mMajor);
    WriteBigEndian32(block + kMinorOffset, mMinor);
    WriteBigEndian32(block + kBuildOffset, mBuild);
    block[kProcessorTypeOffset] = static_cast<std::uint8_t>(mProcessorType);
    WriteBigEndian32(block + kProcessorCountOffset, mProcessorCount);
    WriteBigEndian16(block + kProcessorValueOffset, mProcessorValue);
    WriteBigEndian32(block + kMemorySizeOffset, mMemorySizeInBytes);
    WriteBigEndian32(block + kSecondSizeOffset, mSecondSizeInBytes);
    WriteBigEndian32(block + kThirdSizeOffset, mThirdSizeInBytes);
    PutText(block + kNameOffset, mName, kMaxNameLength);
    PutText(block + kVersionTextOffset, mVersionText, kMaxVersionTextLength);
    media.Write(kStoredSizeInBytes, block);
}

void CSystemInfo::Read(CMedia& media)
{
    std::uint8_t block[kStoredSizeInBytes];
    media.Read(kStoredSizeInBytes, block);
    if (ReadBigEndian32(block + kMagicOffset) != kStoredMagic)
        throw XBadFormat();
    CSystemInfo read;
    read.mOSKind = block[kOSKindOffset];
    read.mMajor = ReadBigEndian32(block + kMajorOffset);
    read.mMinor = ReadBigEndian32(block + kMinorOffset);
    read.mBuild = ReadBigEndian32(block + kBuildOffset);
    read.mProcessorType = block[kProcessorTypeOffset];
    read.mProcessorCount = ReadBigEndian32(block + kProcessorCountOffset);
    read.mProcessorValue = ReadBigEndian16(block + kProcessorValueOffset);
    read.mMemorySizeInBytes = ReadBigEndian32(block + kMemorySizeOffset);
    read.mSecondSizeInBytes = ReadBigEndian32(block + kSecondSizeOffset);
    read.mThirdSizeInBytes = ReadBigEndian32(block + kThirdSizeOffset);
    read.mName = TakeText(block + kNameOffset, kMaxNameLength);
    read.mVersionText = TakeText(block + kVersionTextOffset, kMaxVersionTextLength);
    *this = read;
}

std::string FormatOSName(std::uint32_t kind, std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                         const std::string& fallback)
{
    const int majorValue = static_cast<int>(major);
    const int minorValue = static_cast<int>(minor);
    const int buildValue = static_cast<int>(build);
    switch (kind) {
    case kOSKindMacOS: return Format("MacOS %d.%d.%d", majorValue, minorValue, buildValue);
    case kOSKindWin32s: return Format("Microsoft Win32s %d.%03d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindows95:
    case kOSKindWindows95Later:
        return Format("Microsoft Windows 95 %d.%03d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindows98:
        return Format("Microsoft Windows 98 %d.%03d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindowsNT3:
    case kOSKindWindowsNT4:
        return Format("Microsoft Windows NT %d.%02d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindows2000:
        return Format("Microsoft Windows 2000 %d.%02d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindowsXP:
        return Format("Microsoft Windows XP %d.%02d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindowsServer2003:
        return Format("Microsoft Windows Server 2003 %d.%02d (Build %d)", majorValue, minorValue, buildValue);
    case kOSKindWindowsNT6OrLater:
        return Format("Microsoft Windows %d.%02d (Build %d)", majorValue, minorValue, buildValue);
    default: return fallback;
    }
}

double RoundToMultiple(double value, double step)
{
    return std::round(value / step) * step;
}

std::string FormatByteSize(std::uint32_t sizeInBytes)
{
    const double size = sizeInBytes;
    const struct
    {
        double unit;
        const char* format;
    } kUnits[] = {{1073741824.0, "%.1f GB"}, {1048576.0, "%.1f MB"}, {1024.0, "%.1f kB"}};
    for (const auto& unit : kUnits)
        if (size >= unit.unit)
            return Format(unit.format, RoundToMultiple(size / unit.unit, 0.1));
    if (sizeInBytes == 1)
        return "1 byte";
    return Format("%d bytes", static_cast<int>(sizeInBytes));
}

std::vector<std::string> ComposeSystemReport(const CSystemInfo& info,
                                             const std::vector<CProcessorDescription>& processors)
{
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    info.GetOSVersion(major, minor, build);
    std::vector<std::string> lines;
    lines.push_back(FormatOSName(info.GetOSKind(), major, minor, build, "Unknown OS") + " " + info.GetVersionText());
    for (const CProcessorDescription& processor : processors) {
        lines.push_back(processor.mIdentifier);
        lines.push_back(processor.mUpdateStatus);
        lines.push_back(processor.mVendor);
    }
    lines.push_back(info.GetFlag() ? "on" : "off");
    lines.push_back(FormatByteSize(info.GetMemorySize()));
    return lines;
}

} // namespace NSTramvell
