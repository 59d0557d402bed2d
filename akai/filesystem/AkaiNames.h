#pragma once

// Akai names and the field readers of the Akai parsers. An Akai disc stores every name as 12 bytes,
// each an index into a character table of its own, padded with blanks (code 10) on the right; every
// number in a header is little-endian.

#include <cstddef>
#include <cstdint>
#include <string>

namespace NSAkaiParser {
class IAkaiFileMedia;
}

namespace NSAkaiFileSystem {

constexpr std::size_t kAkaiNameLengthInBytes = 12;

// Decodes 12 stored bytes. A byte that is no Akai character becomes '~', which the table does not
// hold, so a decoded name with '~' marks a damaged or foreign name. Trailing blanks are removed.
std::string AkaiNameToString(const std::uint8_t* storedName);

// Encodes the first 12 characters of text, padded with blanks; a character the table does not hold
// is stored as the code of '+'.
void StringToAkaiName(const std::string& text, std::uint8_t* storedName);

} // namespace NSAkaiFileSystem

namespace NSAkaiParser {

// Each reader takes one field at a byte position of the file; a read the file cannot serve fails
// with the file's own exception.
std::uint8_t ReadHeaderByte(IAkaiFileMedia& file, std::uint64_t position);
std::int8_t ReadHeaderSignedByte(IAkaiFileMedia& file, std::uint64_t position);
std::uint16_t ReadHeaderWord(IAkaiFileMedia& file, std::uint64_t position);
std::uint32_t ReadHeaderLong(IAkaiFileMedia& file, std::uint64_t position);
std::string ReadAkaiName(IAkaiFileMedia& file, std::uint64_t position);

// Akai tunings carry a fine tune in 256ths of a semitone; the result is rounded to the nearest cent,
// halves away from zero.
std::int32_t TuneToCents(std::int8_t semitones, std::uint8_t fine);

} // namespace NSAkaiParser
