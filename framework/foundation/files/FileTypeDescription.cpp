#include "framework/foundation/files/FileTypeDescription.h"

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <cstdint>

namespace NSTramvell {
namespace {

std::string MacFileTypeFromCode(std::uint32_t code)
{
    std::string type;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((code >> shift) & 0xFF);
        if (c == '\0')
            break;
        type += c;
    }
    return type;
}

} // namespace

std::string JoinExtensionList(const std::vector<std::string>& extensions)
{
    std::string list;
    for (const std::string& extension : extensions)
        list += extension + ";";
    if (!list.empty())
        list.pop_back();
    return list;
}

std::vector<std::string> SplitExtensionList(const std::string& extensionList)
{
    std::vector<std::string> extensions;
    std::size_t start = 0;
    while (start < extensionList.size()) {
        std::size_t end = extensionList.find(';', start);
        if (end == std::string::npos)
            end = extensionList.size();
        extensions.push_back(extensionList.substr(start, end - start));
        start = end + 1;
    }
    return extensions;
}

CFileTypeDescription::CFileTypeDescription(const std::string& description, const std::string& extensionList,
                                           const CMacFileTypeCode& macFileType)
    : mDescription(description)
    , mExtensions(SplitExtensionList(extensionList))
    , mMacFileType(macFileType)
{
}

CFileTypeDescription::CFileTypeDescription(CMedia& media)
    : mMacFileType("????")
{
    mDescription = ReadString(media);
    mExtensions = SplitExtensionList(ReadString(media));
    mMacFileType = CMacFileTypeCode(MacFileTypeFromCode(media.ReadBigEndian32()));
}

CFileTypeDescription::CFileTypeDescription(const CFileTypeDescription& other) = default;
CFileTypeDescription& CFileTypeDescription::operator=(const CFileTypeDescription& other) = default;
CFileTypeDescription::~CFileTypeDescription() = default;

std::string CFileTypeDescription::GetDescription() const
{
    return mDescription;
}

std::vector<std::string> CFileTypeDescription::GetExtensions() const
{
    return mExtensions;
}

CMacFileTypeCode CFileTypeDescription::GetMacFileType() const
{
    return mMacFileType;
}

void CFileTypeDescription::Write(CMedia& media) const
{
    WriteString(media, mDescription);
    WriteString(media, JoinExtensionList(mExtensions));
    media.WriteBigEndian32(mMacFileType.GetFourCharCode());
}

bool CFileTypeDescription::operator==(const CFileTypeDescription& other) const
{
    return mDescription == other.mDescription && mExtensions == other.mExtensions &&
           mMacFileType == other.mMacFileType;
}

bool CFileTypeDescription::HasExtension(const std::string& extension) const
{
    return std::any_of(mExtensions.begin(), mExtensions.end(),
                       [&](const std::string& own) { return CompareNoCase(own, extension) == 0; });
}

bool CFileTypeDescription::Matches(const CFileSpec& file) const
{
    return HasExtension(GetFileNameExtension(file.GetFileName().GetString()));
}

bool CFileTypeDescription::IsCompatible(const CFileTypeDescription& other) const
{
    if (mMacFileType == other.mMacFileType)
        return true;
    return std::any_of(mExtensions.begin(), mExtensions.end(),
                       [&](const std::string& own) { return other.HasExtension(own); });
}

// Function-local statics: made when first asked for, so no other static initialiser can meet one unmade.
const CFileTypeDescription& GetTextFileDescription()
{
    static const CFileTypeDescription description("Text File", ".txt;.doc", "TEXT");
    return description;
}

const CFileTypeDescription& GetBMPBitmapDescription()
{
    static const CFileTypeDescription description("BMP Bitmap", ".bmp", "BMP ");
    return description;
}

const CFileTypeDescription& GetJPEGBitmapDescription()
{
    static const CFileTypeDescription description("JPEG Bitmap", ".jpeg;.jpg", "JPEG");
    return description;
}

const CFileTypeDescription& GetWaveFileDescription()
{
    static const CFileTypeDescription description("Wave File", ".wav;.wave", "WAVE");
    return description;
}

const CFileTypeDescription& GetAudioIFFDescription()
{
    static const CFileTypeDescription description("Audio IFF", ".aif;.aiff", "AIFF");
    return description;
}

const CFileTypeDescription& GetStandardMIDIFileDescription()
{
    static const CFileTypeDescription description("Standard MIDI File", ".mid;.midi", "Midi");
    return description;
}

const CFileTypeDescription& GetUndefinedBinaryDescription()
{
    static const CFileTypeDescription description("Undefined Binary", ".bin", "BINA");
    return description;
}

const CFileTypeDescription& GetTemporaryFileDescription()
{
    static const CFileTypeDescription description("Temporary File", ".tmp", "TMP ");
    return description;
}

const CFileTypeDescription& GetJVQFileDescription()
{
    static const CFileTypeDescription description("JVQ1 File", ".jvq", "JVQ ");
    return description;
}

const CFileTypeDescription& GetFendrelFileDescription()
{
    static const CFileTypeDescription description("Fendrel 1.6/1.7 File", ".fnd", "FNDO");
    return description;
}

const CFileTypeDescription& GetSoundFontDescription()
{
    static const CFileTypeDescription description("SoundFont", ".sf2", "SFnt");
    return description;
}

} // namespace NSTramvell
