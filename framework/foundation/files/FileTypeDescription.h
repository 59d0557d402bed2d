#pragma once

// One kind of file: a readable description, the extensions that mark it (each with its dot) and the Mac
// file-type code that stands for it where a platform keeps such codes. The framework's standard kinds are
// reached through the accessors below; the application makes its own.

#include "framework/foundation/strings/RulingString.h"

#include <string>
#include <vector>

namespace NSTramvell {

class CFileSpec;
class CMedia;

class CFileTypeDescription
{
public:
    // The extension list is split at every ';' ('a;;b' gives three, a trailing ';' adds none).
    CFileTypeDescription(const std::string& description, const std::string& extensionList,
                         const CMacFileTypeCode& macFileType);
    // Reads the stored form: description, joined extension list (stored strings), type code (big-endian).
    explicit CFileTypeDescription(CMedia& media);
    CFileTypeDescription(const CFileTypeDescription& other);
    CFileTypeDescription& operator=(const CFileTypeDescription& other);
    ~CFileTypeDescription();

    std::string GetDescription() const;
    std::vector<std::string> GetExtensions() const;
    CMacFileTypeCode GetMacFileType() const;

    void Write(CMedia& media) const;
    // Every member equal, byte by byte.
    bool operator==(const CFileTypeDescription& other) const;
    // The text equals one of the extensions, ignoring ASCII case.
    bool HasExtension(const std::string& extension) const;
    // The file's extension (by the 8-character rule) is one of ours.
    bool Matches(const CFileSpec& file) const;
    // Same type code, or an extension in common (ignoring case).
    bool IsCompatible(const CFileTypeDescription& other) const;

private:
    std::string mDescription;
    std::vector<std::string> mExtensions;
    CMacFileTypeCode mMacFileType;
};

// The extensions joined with ';' between them; SplitExtensionList is the reverse.
std::string JoinExtensionList(const std::vector<std::string>& extensions);
std::vector<std::string> SplitExtensionList(const std::string& extensionList);

// The framework's standard descriptions, each made on first use and kept until exit.
const CFileTypeDescription& GetTextFileDescription();        // "TEXT", ".txt;.doc"
const CFileTypeDescription& GetBMPBitmapDescription();       // "BMP ", ".bmp"
const CFileTypeDescription& GetJPEGBitmapDescription();      // "JPEG", ".jpeg;.jpg"
const CFileTypeDescription& GetWaveFileDescription();        // "WAVE", ".wav;.wave"
const CFileTypeDescription& GetAudioIFFDescription();        // "AIFF", ".aif;.aiff"
const CFileTypeDescription& GetStandardMIDIFileDescription(); // "Midi", ".mid;.midi"
const CFileTypeDescription& GetUndefinedBinaryDescription(); // "BINA", ".bin"
const CFileTypeDescription& GetTemporaryFileDescription();   // "TMP ", ".tmp"
const CFileTypeDescription& GetJVQFileDescription();         // "JVQ ", ".jvq"
const CFileTypeDescription& GetFendrelFileDescription();     // "FNDO", ".fnd"
const CFileTypeDescription& GetSoundFontDescription();       // "SFnt", ".sf2"

} // namespace NSTramvell
