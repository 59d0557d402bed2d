#include "framework/foundation/files/VolumeSpec.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/core/Media.h"

#include <cstdint>
#include <string_view>

namespace NSTramvell {
namespace {

constexpr std::uint32_t kVolumeSpecMagic = 0x8081AAC6;
constexpr std::uint8_t kVersionMarker = 0xBC;
constexpr std::uint8_t kFormatMajor = 1;
constexpr std::uint8_t kFormatMinor = 0;
constexpr std::int32_t kStoredVersionSizeInBytes = 5;

} // namespace

CVolumeInfo::CVolumeInfo(std::uint32_t kind, bool nameKnown, bool isCDROM, const std::string& name)
    : mKind(kind)
    , mNameKnown(nameKnown ? 1 : 0)
    , mIsCDROM(isCDROM ? 1 : 0)
    , mName(name)
{
}

CVolumeInfo::CVolumeInfo(const CVolumeInfo& other) = default;
CVolumeInfo& CVolumeInfo::operator=(const CVolumeInfo& other) = default;
CVolumeInfo::~CVolumeInfo() = default;

bool CVolumeInfo::operator==(const CVolumeInfo& other) const
{
    return mKind == other.mKind && mNameKnown == other.mNameKnown && mIsCDROM == other.mIsCDROM &&
           mName == other.mName;
}

CMountedVolumeInfo::CMountedVolumeInfo(const CVolumeName& name, const std::string& fileSystemName,
                                       std::uint32_t freeUnits, std::uint32_t totalUnits, std::uint64_t freeBytes,
                                       std::uint64_t totalBytes, std::uint32_t reserved1, std::uint32_t reserved2,
                                       std::uint32_t serialNumber)
    : mName(name)
    , mFileSystemName(fileSystemName)
    , mFreeUnits(freeUnits)
    , mTotalUnits(totalUnits)
    , mFreeBytes(freeBytes)
    , mTotalBytes(totalBytes)
    , mReserved1(reserved1)
    , mReserved2(reserved2)
    , mSerialNumber(serialNumber)
{
}

CMountedVolumeInfo::CMountedVolumeInfo(const CMountedVolumeInfo& other) = default;
CMountedVolumeInfo& CMountedVolumeInfo::operator=(const CMountedVolumeInfo& other) = default;
CMountedVolumeInfo::~CMountedVolumeInfo() = default;

bool CMountedVolumeInfo::operator==(const CMountedVolumeInfo& other) const
{
    return mName == other.mName && mFileSystemName == other.mFileSystemName && mFreeUnits == other.mFreeUnits &&
           mTotalUnits == other.mTotalUnits && mFreeBytes == other.mFreeBytes && mTotalBytes == other.mTotalBytes &&
           mReserved1 == other.mReserved1 && mReserved2 == other.mReserved2 &&
           mSerialNumber == other.mSerialNumber;
}

CVolumeSpec::CVolumeSpec(const std::string& name)
    : mName(name)
{
}

CVolumeSpec::CVolumeSpec(CMedia& media)
{
    if (media.ReadBigEndian32() != kVolumeSpecMagic)
        throw XBadFormat();
    std::uint8_t version[kStoredVersionSizeInBytes];
    media.Read(kStoredVersionSizeInBytes, version);
    if (version[0] != kVersionMarker || version[1] != kFormatMajor)
        throw XBadFormat();
    mName = ReadPath(media);
}

CVolumeSpec::CVolumeSpec(const CVolumeSpec& other) = default;
CVolumeSpec& CVolumeSpec::operator=(const CVolumeSpec& other) = default;
CVolumeSpec::~CVolumeSpec() = default;

bool CVolumeSpec::operator==(const CVolumeSpec& other) const
{
    return mName == other.mName;
}

void CVolumeSpec::Write(CMedia& media) const
{
    media.WriteBigEndian32(kVolumeSpecMagic);
    const std::uint8_t version[kStoredVersionSizeInBytes] = {kVersionMarker, kFormatMajor, kFormatMinor, 0, 0};
    media.Write(kStoredVersionSizeInBytes, version);
    WritePath(media, mName);
}

std::string MakeSafeVolumeName(const std::string& name)
{
    constexpr std::string_view kForbidden = "*?<>\"|\\/:";
    std::string safe = name;
    for (char& c : safe) {
        const auto code = static_cast<unsigned char>(c);
        if ((code >= 9 && code <= 31) || kForbidden.find(c) != std::string_view::npos)
            c = '_';
    }
    return safe;
}

} // namespace NSTramvell
