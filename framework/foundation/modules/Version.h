#pragma once

// Version numbers of the program, of module files and of stored data. CVersion is the small value that
// stored records carry (five bytes: 0xBC, major, minor, bugfix, 0); CFileVersion and CTramvellFileVersion
// hold what a module's version resource says; CVersionStamp is the 256-byte block of a signature, a
// version and a text.

#include <cstddef>
#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia;
class CModuleReference;

enum class EVersionStage : std::uint32_t
{
    kDevelopment = 1,
    kAlpha = 2,
    kBeta = 3,
    kRelease = 4
};

class CVersion
{
public:
    static constexpr std::uint8_t kStoredMarker = 0xBC;
    static constexpr std::int32_t kStoredSizeInBytes = 5;

    // GetText formats.
    static constexpr int kTextMajorMinor = 10;                 // "1.5"
    static constexpr int kTextMajorMinorTwoDigits = 11;        // "1.05"
    static constexpr int kTextMajorMinorBugfix = 12;           // "1.5.2"
    static constexpr int kTextMajorMinorBugfixTwoDigits = 13;  // "1.05.02"
    static constexpr int kTextWithStage = 14;                  // "1.5", "1.5.2b3"

    CVersion();
    CVersion(std::uint8_t major, std::uint8_t minor);
    CVersion(std::uint8_t major, std::uint8_t minor, std::uint8_t bugfix);
    CVersion(std::uint8_t major, std::uint8_t minor, std::uint8_t bugfix, std::uint8_t stageNumber,
             EVersionStage stage);
    // Reads the stored form at the media's position; a first byte other than 0xBC throws XBadFormat.
    explicit CVersion(CMedia& media);
    CVersion(const CVersion& other);
    CVersion& operator=(const CVersion& other);
    virtual ~CVersion();

    // From {major, minor}: bugfix 0 and release; the stage number stays.
    void SetMajorMinor(const std::uint8_t* pair);
    void GetMajorMinorPair(std::uint8_t* pair) const;

    std::uint8_t GetMajor() const { return mMajor; }
    std::uint8_t GetMinor() const { return mMinor; }
    std::uint8_t GetBugfix() const { return mBugfix; }
    std::uint8_t GetStageNumber() const { return mStageNumber; }
    EVersionStage GetStage() const { return mStage; }
    // major * 256 + minor
    std::uint16_t GetMajorMinor() const;
    // (major * 256 + minor) * 256 + bugfix
    std::uint32_t GetNumber() const;

    // The comparisons look at GetNumber only; stage number and stage take no part.
    bool operator>=(const CVersion& other) const;
    bool operator<=(const CVersion& other) const;
    bool operator==(const CVersion& other) const;
    // At least minimum, and a major no later than maximum's (maximum's minor and bugfix do not count).
    bool IsInRange(const CVersion& minimum, const CVersion& maximum) const;
    bool IsSameMajor(const CVersion& other) const;

    // An unknown format gives an empty text.
    std::string GetText(int format) const;

    // The five stored bytes. Reading sets only major, minor and bugfix; it returns false and changes
    // nothing unless the first byte is 0xBC.
    void WriteToBuffer(std::uint8_t* buffer) const;
    bool ReadFromBuffer(const std::uint8_t* buffer);
    void Write(CMedia& media) const;

private:
    std::uint8_t mMajor = 0;
    std::uint8_t mMinor = 0;
    std::uint8_t mBugfix = 0;
    std::uint8_t mStageNumber = 0;
    EVersionStage mStage = EVersionStage::kRelease;
};

// The four 16-bit parts of a module's file version.
class CFileVersion
{
public:
    CFileVersion();
    CFileVersion(std::uint16_t major, std::uint16_t minor);
    CFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix);
    CFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix, std::uint16_t fourthPart);
    CFileVersion(const CFileVersion& other);
    CFileVersion& operator=(const CFileVersion& other);
    virtual ~CFileVersion();

    std::uint16_t GetMajor() const { return mMajor; }
    std::uint16_t GetMinor() const { return mMinor; }
    std::uint16_t GetBugfix() const { return mBugfix; }
    std::uint16_t GetFourthPart() const { return mFourthPart; }

    // Major, minor and bugfix in that order; the fourth part takes no part.
    bool operator>=(const CFileVersion& other) const;
    bool IsInRange(const CFileVersion& minimum, const CFileVersion& maximum) const;
    bool IsSameMajor(const CFileVersion& other) const;
    // "2.5.3.7"
    std::string GetText() const;

private:
    std::uint16_t mMajor = 0;
    std::uint16_t mMinor = 0;
    std::uint16_t mBugfix = 0;
    std::uint16_t mFourthPart = 0;
};

// A module version as the framework's own modules state it: the numbers, the development stage and the
// build number (from the version resource's "Build Number").
class CTramvellFileVersion
{
public:
    CTramvellFileVersion();
    // The first three parts; release, build 0.
    explicit CTramvellFileVersion(const CFileVersion& fileVersion);
    CTramvellFileVersion(std::uint16_t major, std::uint16_t minor);
    CTramvellFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix);
    CTramvellFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix, std::uint16_t stageNumber,
                         EVersionStage stage, std::uint16_t buildNumber);
    CTramvellFileVersion(const CTramvellFileVersion& other);
    CTramvellFileVersion& operator=(const CTramvellFileVersion& other);
    virtual ~CTramvellFileVersion();

    std::uint16_t GetMajor() const { return mMajor; }
    std::uint16_t GetMinor() const { return mMinor; }
    std::uint16_t GetBugfix() const { return mBugfix; }
    std::uint16_t GetStageNumber() const { return mStageNumber; }
    EVersionStage GetStage() const { return mStage; }
    std::uint16_t GetBuildNumber() const { return mBuildNumber; }

    // As CFileVersion: major, minor and bugfix only.
    bool operator>=(const CTramvellFileVersion& other) const;
    bool IsInRange(const CTramvellFileVersion& minimum, const CTramvellFileVersion& maximum) const;
    bool IsSameMajor(const CTramvellFileVersion& other) const;
    // "2.4b3 build 117"
    std::string GetText() const;

private:
    std::uint16_t mMajor = 0;
    std::uint16_t mMinor = 0;
    std::uint16_t mBugfix = 0;
    std::uint16_t mStageNumber = 0;
    EVersionStage mStage = EVersionStage::kRelease;
    std::uint16_t mBuildNumber = 0;
};

// A signature, a version and a text as one 256-byte block: the signature big-endian at 0, the stored
// version at 4, the text from 9 without its line feeds, at most 128 characters, zeros after it.
class CVersionStamp
{
public:
    static constexpr std::int32_t kBlockSizeInBytes = 256;
    static constexpr std::size_t kMaximumTextLength = 128;

    CVersionStamp(std::uint32_t signature, const CVersion& version, const std::string& text);
    // Parses a block: a wrong version marker leaves 0.0.0; the text ends at its first zero byte or at
    // the block's end, and every carriage return gets its line feed back.
    explicit CVersionStamp(const std::uint8_t* block);
    // Reads a block from the media's position.
    explicit CVersionStamp(CMedia& media);

    std::uint32_t GetSignature() const { return mSignature; }
    const CVersion& GetVersion() const { return mVersion; }
    const std::string& GetText() const { return mText; }

    void WriteToBuffer(std::uint8_t* block) const;
    void Write(CMedia& media) const;

private:
    void ReadFromBlock(const std::uint8_t* block);

    std::uint32_t mSignature = 0;
    CVersion mVersion;
    std::string mText;
};

// ---- The version resource of a module (Windows build only) ----

// What a module's version resource says. With a "Build Number" string the fourth part of the file
// version carries stage flags and is replaced by that number; without one it is kept and the module
// counts as a release.
struct CVersionFields
{
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t bugfix = 0;
    std::uint16_t fourthPart = 0;
    std::uint16_t stageNumber = 0;
    EVersionStage stage = EVersionStage::kRelease;
    // "ProductVersion", else "Product Version"; empty when the block has neither.
    std::string productVersion;
};

// Each reads the module's file name and its version block. A module without a version block (or whose
// file is gone) throws XFileNotFound; any other failure XBase.
CVersionFields ReadVersionFields(const CModuleReference& module);
CFileVersion GetModuleFileVersion(const CModuleReference& module);
CTramvellFileVersion GetModuleTramvellVersion(const CModuleReference& module);
std::string ReadProductVersion(const CModuleReference& module);
// One string of a version block in the first of its translations that has it non-empty; empty when none.
std::string QueryVersionString(const void* versionBlock, const std::string& key);

namespace NSVersionInternal {

// The fourth part of a file version as stage flags: the high byte names the stage (1 development,
// 2 alpha, 4 beta, 8 release, each numbered by the low byte; anything else release 0).
void DecodeStageFlags(std::uint16_t flags, EVersionStage& stage, std::uint16_t& stageNumber);

// The error codes of a failed version-size query that mean the module has no version block: the file
// is gone (2, 3) or it carries no version resource (1812, 1813, 1814).
bool IsMissingVersionBlockError(std::uint32_t code);

} // namespace NSVersionInternal

} // namespace NSTramvell
