#include "akai/filesystem/AkaiNames.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "framework/foundation/core/ByteOrder.h"

namespace NSAkaiFileSystem {

namespace {

constexpr char kAkaiCharacters[] = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-.";
constexpr std::uint8_t kAkaiCharacterCount = sizeof kAkaiCharacters - 1;
constexpr std::uint8_t kBlankCode = 10;
constexpr std::uint8_t kPlusCode = 38;
constexpr char kNoCharacter = '~';

std::uint8_t CharacterToCode(char character)
{
    for (std::uint8_t code = 0; code < kAkaiCharacterCount; ++code) {
        if (kAkaiCharacters[code] == character) {
            return code;
        }
    }
    return kPlusCode;
}

} // namespace

std::string AkaiNameToString(const std::uint8_t* storedName)
{
    std::string name(kAkaiNameLengthInBytes, kNoCharacter);
    for (std::size_t i = 0; i < kAkaiNameLengthInBytes; ++i) {
        if (storedName[i] < kAkaiCharacterCount) {
            name[i] = kAkaiCharacters[storedName[i]];
        }
    }
    const std::size_t lastCharacter = name.find_last_not_of(' ');
    name.erase(lastCharacter == std::string::npos ? 0 : lastCharacter + 1);
    return name;
}

void StringToAkaiName(const std::string& text, std::uint8_t* storedName)
{
    for (std::size_t i = 0; i < kAkaiNameLengthInBytes; ++i) {
        storedName[i] = i < text.size() ? CharacterToCode(text[i]) : kBlankCode;
    }
}

} // namespace NSAkaiFileSystem

namespace NSAkaiParser {

std::uint8_t ReadHeaderByte(IAkaiFileMedia& file, std::uint64_t position)
{
    std::uint8_t value = 0;
    file.ReadAt(position, 1, &value);
    return value;
}

std::int8_t ReadHeaderSignedByte(IAkaiFileMedia& file, std::uint64_t position)
{
    return static_cast<std::int8_t>(ReadHeaderByte(file, position));
}

std::uint16_t ReadHeaderWord(IAkaiFileMedia& file, std::uint64_t position)
{
    std::uint8_t bytes[2] = {};
    file.ReadAt(position, sizeof bytes, bytes);
    return NSTramvell::ReadLittleEndian16(bytes);
}

std::uint32_t ReadHeaderLong(IAkaiFileMedia& file, std::uint64_t position)
{
    std::uint8_t bytes[4] = {};
    file.ReadAt(position, sizeof bytes, bytes);
    return NSTramvell::ReadLittleEndian32(bytes);
}

std::string ReadAkaiName(IAkaiFileMedia& file, std::uint64_t position)
{
    std::uint8_t bytes[NSAkaiFileSystem::kAkaiNameLengthInBytes] = {};
    file.ReadAt(position, sizeof bytes, bytes);
    return NSAkaiFileSystem::AkaiNameToString(bytes);
}

std::int32_t TuneToCents(std::int8_t semitones, std::uint8_t fine)
{
    // Exact in integers: cents = (semitones * 256 + fine) * 100 / 256.
    const std::int32_t hundredthsTimes256 = (semitones * 256 + fine) * 100;
    if (hundredthsTimes256 >= 0) {
        return (hundredthsTimes256 + 128) / 256;
    }
    return -((-hundredthsTimes256 + 128) / 256);
}

} // namespace NSAkaiParser
