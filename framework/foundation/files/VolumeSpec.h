#pragma once

// Value records of the volumes (drives) that the volume functions report, and a volume named by its root
// text ('C:\') with a stored form, so that a document can remember on which volume a file lived.

#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia;

// Volume kinds.
inline constexpr std::uint32_t kVolumeKindFloppy = 10;    // the roots 'A:\' and 'B:\'
inline constexpr std::uint32_t kVolumeKindFixed = 11;
inline constexpr std::uint32_t kVolumeKindRemovable = 12;
inline constexpr std::uint32_t kVolumeKindCDROM = 13;
inline constexpr std::uint32_t kVolumeKindRemote = 14;
inline constexpr std::uint32_t kVolumeKindOther = 15;     // a RAM disk or a kind the platform adds later

class CVolumeInfo
{
public:
    CVolumeInfo(std::uint32_t kind, bool nameKnown, bool isCDROM, const std::string& name);
    CVolumeInfo(const CVolumeInfo& other);
    CVolumeInfo& operator=(const CVolumeInfo& other);
    virtual ~CVolumeInfo();

    bool operator==(const CVolumeInfo& other) const;
    std::uint32_t GetKind() const { return mKind; }
    // The platform could report the volume's name.
    bool GetFlag1() const { return mNameKnown != 0; }
    // The kind is kVolumeKindCDROM.
    bool GetFlag2() const { return mIsCDROM != 0; }
    std::string GetName() const { return mName; }

private:
    std::uint32_t mKind;
    std::uint8_t mNameKnown;
    std::uint8_t mIsCDROM;
    std::string mName;
};

// A mounted volume's name, file system and space. The counts are in allocation units; the byte counts
// are 0 where the platform gives none.
class CMountedVolumeInfo
{
public:
    CMountedVolumeInfo(const CVolumeName& name, const std::string& fileSystemName, std::uint32_t freeUnits,
                       std::uint32_t totalUnits, std::uint64_t freeBytes, std::uint64_t totalBytes,
                       std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t serialNumber);
    CMountedVolumeInfo(const CMountedVolumeInfo& other);
    CMountedVolumeInfo& operator=(const CMountedVolumeInfo& other);
    virtual ~CMountedVolumeInfo();

    bool operator==(const CMountedVolumeInfo& other) const;
    CVolumeName GetName() const { return mName; }
    // The file system's name ("FAT32", "CDFS", ...).
    std::string GetText() const { return mFileSystemName; }
    std::uint32_t GetFreeUnits() const { return mFreeUnits; }
    std::uint32_t GetTotalUnits() const { return mTotalUnits; }
    std::uint64_t GetFreeBytes() const { return mFreeBytes; }
    std::uint64_t GetTotalBytes() const { return mTotalBytes; }
    std::uint32_t GetReserved1() const { return mReserved1; }
    std::uint32_t GetReserved2() const { return mReserved2; }
    std::uint32_t GetSerialNumber() const { return mSerialNumber; }

private:
    CVolumeName mName;
    std::string mFileSystemName;
    std::uint32_t mFreeUnits;
    std::uint32_t mTotalUnits;
    std::uint64_t mFreeBytes;
    std::uint64_t mTotalBytes;
    std::uint32_t mReserved1;
    std::uint32_t mReserved2;
    std::uint32_t mSerialNumber;
};

// A volume named by its root text. Stored form: magic 0x8081AAC6, format version 1.0 as the five bytes
// 0xBC 1 0 0 0, then the name as a stored path.
class CVolumeSpec
{
public:
    explicit CVolumeSpec(const std::string& name);
    // A wrong magic, version marker or major version throws XBadFormat.
    explicit CVolumeSpec(CMedia& media);
    CVolumeSpec(const CVolumeSpec& other);
    CVolumeSpec& operator=(const CVolumeSpec& other);
    virtual ~CVolumeSpec();

    std::string GetName() const { return mName; }
    // Names compared exactly (case counts).
    bool operator==(const CVolumeSpec& other) const;
    void Write(CMedia& media) const;

private:
    std::string mName;
};

// The name with every character from 9 to 31 and each of * ? < > " | \ / : replaced by '_'.
std::string MakeSafeVolumeName(const std::string& name);

} // namespace NSTramvell
