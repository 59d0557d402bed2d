#include "framework/foundation/modules/Version.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <cstring>

namespace NSTramvell {
namespace {

constexpr std::int32_t kStampVersionOffset = 4;
constexpr std::int32_t kStampTextOffset = 9;

std::string TwoDigits(unsigned value)
{
    std::string text = std::to_string(value);
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

// Nothing for a release; otherwise the stage's letters followed by its number ("Dev7", "a1", "b3").
std::string StageSuffix(EVersionStage stage, unsigned stageNumber)
{
    switch (stage) {
    case EVersionStage::kDevelopment:
        return "Dev" + std::to_string(stageNumber);
    case EVersionStage::kAlpha:
        return "a" + std::to_string(stageNumber);
    case EVersionStage::kBeta:
        return "b" + std::to_string(stageNumber);
    case EVersionStage::kRelease:
        break;
    }
    return std::string();
}

std::string MajorMinorBugfixWithStage(unsigned major, unsigned minor, unsigned bugfix, EVersionStage stage,
                                      unsigned stageNumber)
{
    std::string text = std::to_string(major) + "." + std::to_string(minor);
    if (bugfix != 0)
        text += "." + std::to_string(bugfix);
    return text + StageSuffix(stage, stageNumber);
}

// The first three parts in order; the first that differs decides.
template <typename TVersion>
bool IsAtLeastByThreeParts(const TVersion& version, const TVersion& other)
{
    if (version.GetMajor() != other.GetMajor())
        return version.GetMajor() > other.GetMajor();
    if (version.GetMinor() != other.GetMinor())
        return version.GetMinor() > other.GetMinor();
    return version.GetBugfix() >= other.GetBugfix();
}

} // namespace

// ---- CVersion ----

CVersion::CVersion() = default;

CVersion::CVersion(std::uint8_t major, std::uint8_t minor)
    : mMajor(major)
    , mMinor(minor)
{
}

CVersion::CVersion(std::uint8_t major, std::uint8_t minor, std::uint8_t bugfix)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
{
}

CVersion::CVersion(std::uint8_t major, std::uint8_t minor, std::uint8_t bugfix, std::uint8_t stageNumber,
                   EVersionStage stage)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
    , mStageNumber(stageNumber)
    , mStage(stage)
{
}

CVersion::CVersion(CMedia& media)
{
    std::uint8_t stored[kStoredSizeInBytes];
    media.Read(kStoredSizeInBytes, stored);
    if (!ReadFromBuffer(stored))
        throw XBadFormat();
}

CVersion::CVersion(const CVersion& other) = default;
CVersion& CVersion::operator=(const CVersion& other) = default;
CVersion::~CVersion() = default;

void CVersion::SetMajorMinor(const std::uint8_t* pair)
{
    mMajor = pair[0];
    mMinor = pair[1];
    mBugfix = 0;
    mStage = EVersionStage::kRelease;
}

void CVersion::GetMajorMinorPair(std::uint8_t* pair) const
{
    pair[0] = mMajor;
    pair[1] = mMinor;
}

std::uint16_t CVersion::GetMajorMinor() const
{
    return static_cast<std::uint16_t>(mMajor * 256u + mMinor);
}

std::uint32_t CVersion::GetNumber() const
{
    return GetMajorMinor() * 256u + mBugfix;
}

bool CVersion::operator>=(const CVersion& other) const
{
    return GetNumber() >= other.GetNumber();
}

bool CVersion::operator<=(const CVersion& other) const
{
    return GetNumber() <= other.GetNumber();
}

bool CVersion::operator==(const CVersion& other) const
{
    return GetNumber() == other.GetNumber();
}

bool CVersion::IsInRange(const CVersion& minimum, const CVersion& maximum) const
{
    return *this >= minimum && mMajor <= maximum.mMajor;
}

bool CVersion::IsSameMajor(const CVersion& other) const
{
    return mMajor == other.mMajor;
}

std::string CVersion::GetText(int format) const
{
    const std::string major = std::to_string(mMajor);
    switch (format) {
    case kTextMajorMinor:
        return major + "." + std::to_string(mMinor);
    case kTextMajorMinorTwoDigits:
        return major + "." + TwoDigits(mMinor);
    case kTextMajorMinorBugfix:
        return major + "." + std::to_string(mMinor) + "." + std::to_string(mBugfix);
    case kTextMajorMinorBugfixTwoDigits:
        return major + "." + TwoDigits(mMinor) + "." + TwoDigits(mBugfix);
    case kTextWithStage:
        return MajorMinorBugfixWithStage(mMajor, mMinor, mBugfix, mStage, mStageNumber);
    default:
        return std::string();
    }
}

void CVersion::WriteToBuffer(std::uint8_t* buffer) const
{
    buffer[0] = kStoredMarker;
    buffer[1] = mMajor;
    buffer[2] = mMinor;
    buffer[3] = mBugfix;
    buffer[4] = 0;
}

bool CVersion::ReadFromBuffer(const std::uint8_t* buffer)
{
    if (buffer[0] != kStoredMarker)
        return false;
    mMajor = buffer[1];
    mMinor = buffer[2];
    mBugfix = buffer[3];
    return true;
}

void CVersion::Write(CMedia& media) const
{
    std::uint8_t stored[kStoredSizeInBytes];
    WriteToBuffer(stored);
    media.Write(kStoredSizeInBytes, stored);
}

// ---- CFileVersion ----

CFileVersion::CFileVersion() = default;

CFileVersion::CFileVersion(std::uint16_t major, std::uint16_t minor)
    : mMajor(major)
    , mMinor(minor)
{
}

CFileVersion::CFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
{
}

CFileVersion::CFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix,
                           std::uint16_t fourthPart)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
    , mFourthPart(fourthPart)
{
}

CFileVersion::CFileVersion(const CFileVersion& other) = default;
CFileVersion& CFileVersion::operator=(const CFileVersion& other) = default;
CFileVersion::~CFileVersion() = default;

bool CFileVersion::operator>=(const CFileVersion& other) const
{
    return IsAtLeastByThreeParts(*this, other);
}

bool CFileVersion::IsInRange(const CFileVersion& minimum, const CFileVersion& maximum) const
{
    return *this >= minimum && mMajor <= maximum.mMajor;
}

bool CFileVersion::IsSameMajor(const CFileVersion& other) const
{
    return mMajor == other.mMajor;
}

std::string CFileVersion::GetText() const
{
    return std::to_string(mMajor) + "." + std::to_string(mMinor) + "." + std::to_string(mBugfix) + "." +
           std::to_string(mFourthPart);
}

// ---- CTramvellFileVersion ----

CTramvellFileVersion::CTramvellFileVersion() = default;

CTramvellFileVersion::CTramvellFileVersion(const CFileVersion& fileVersion)
    : mMajor(fileVersion.GetMajor())
    , mMinor(fileVersion.GetMinor())
    , mBugfix(fileVersion.GetBugfix())
{
}

CTramvellFileVersion::CTramvellFileVersion(std::uint16_t major, std::uint16_t minor)
    : mMajor(major)
    , mMinor(minor)
{
}

CTramvellFileVersion::CTramvellFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
{
}

CTramvellFileVersion::CTramvellFileVersion(std::uint16_t major, std::uint16_t minor, std::uint16_t bugfix,
                                           std::uint16_t stageNumber, EVersionStage stage,
                                           std::uint16_t buildNumber)
    : mMajor(major)
    , mMinor(minor)
    , mBugfix(bugfix)
    , mStageNumber(stageNumber)
    , mStage(stage)
    , mBuildNumber(buildNumber)
{
}

CTramvellFileVersion::CTramvellFileVersion(const CTramvellFileVersion& other) = default;
CTramvellFileVersion& CTramvellFileVersion::operator=(const CTramvellFileVersion& other) = default;
CTramvellFileVersion::~CTramvellFileVersion() = default;

bool CTramvellFileVersion::operator>=(const CTramvellFileVersion& other) const
{
    return IsAtLeastByThreeParts(*this, other);
}

bool CTramvellFileVersion::IsInRange(const CTramvellFileVersion& minimum,
                                     const CTramvellFileVersion& maximum) const
{
    return *this >= minimum && mMajor <= maximum.mMajor;
}

bool CTramvellFileVersion::IsSameMajor(const CTramvellFileVersion& other) const
{
    return mMajor == other.mMajor;
}

std::string CTramvellFileVersion::GetText() const
{
    return MajorMinorBugfixWithStage(mMajor, mMinor, mBugfix, mStage, mStageNumber) + " build " +
           std::to_string(mBuildNumber);
}

// ---- CVersionStamp ----

CVersionStamp::CVersionStamp(std::uint32_t signature, const CVersion& version, const std::string& text)
    : mSignature(signature)
    , mVersion(version)
    , mText(text)
{
}

CVersionStamp::CVersionStamp(const std::uint8_t* block)
{
    ReadFromBlock(block);
}

CVersionStamp::CVersionStamp(CMedia& media)
{
    std::uint8_t block[kBlockSizeInBytes];
    media.Read(kBlockSizeInBytes, block);
    ReadFromBlock(block);
}

void CVersionStamp::ReadFromBlock(const std::uint8_t* block)
{
    mSignature = ReadBigEndian32(block);
    mVersion.ReadFromBuffer(block + kStampVersionOffset);
    // A block written by another program need not hold a zero byte: the text then ends with the block.
    const std::uint8_t* text = block + kStampTextOffset;
    const std::uint8_t* const end = block + kBlockSizeInBytes;
    mText.clear();
    for (; text != end && *text != 0; ++text) {
        mText.push_back(static_cast<char>(*text));
        if (*text == '\r')
            mText.push_back('\n');
    }
}

void CVersionStamp::WriteToBuffer(std::uint8_t* block) const
{
    std::memset(block, 0, kBlockSizeInBytes);
    WriteBigEndian32(block, mSignature);
    mVersion.WriteToBuffer(block + kStampVersionOffset);
    std::uint8_t* text = block + kStampTextOffset;
    std::size_t written = 0;
    for (const char c : mText) {
        if (written == kMaximumTextLength)
            break;
        if (c == '\n')
            continue;
        text[written++] = static_cast<std::uint8_t>(c);
    }
}

void CVersionStamp::Write(CMedia& media) const
{
    std::uint8_t block[kBlockSizeInBytes];
    WriteToBuffer(block);
    media.Write(kBlockSizeInBytes, block);
}

// ---- Stage flags ----

namespace NSVersionInternal {

void DecodeStageFlags(std::uint16_t flags, EVersionStage& stage, std::uint16_t& stageNumber)
{
    const std::uint16_t low = flags & 0xFFu;
    switch (flags >> 8) {
    case 1:
        stage = EVersionStage::kDevelopment;
        stageNumber = low;
        break;
    case 2:
        stage = EVersionStage::kAlpha;
        stageNumber = low;
        break;
    case 4:
        stage = EVersionStage::kBeta;
        stageNumber = low;
        break;
    case 8:
        stage = EVersionStage::kRelease;
        stageNumber = low;
        break;
    default:
        stage = EVersionStage::kRelease;
        stageNumber = 0;
        break;
    }
}

bool IsMissingVersionBlockError(std::uint32_t code)
{
    switch (code) {
    case 2:     // file not found
    case 3:     // path not found
    case 1812:  // the image has no resource section (Wine answers so)
    case 1813:  // no resource of that type
    case 1814:  // no resource of that name
        return true;
    default:
        return false;
    }
}

} // namespace NSVersionInternal

} // namespace NSTramvell
