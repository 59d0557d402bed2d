#pragma once

// Builds Akai program, keygroup and sample records for the parser tests: a record of 150 bytes
// (format 7) or 192 bytes (any other format) whose fields all lie in range, into which a test writes
// the bytes it cares about at explicit offsets. Written from the record layout alone, with its own
// character table, so that it shares no mistake with the parsers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiTestSupport {

constexpr std::int32_t kShortFormat = 7;
constexpr std::int32_t kLongFormat = 8;
std::size_t RecordSizeOf(std::int32_t format);  // 150 or 192

class CRecordBuilder
{
public:
    // Name "TEST PROGRAM", one keygroup.
    static CRecordBuilder ProgramHeader(std::int32_t format);
    // Blank zone names, every value 0.
    static CRecordBuilder KeyGroup(std::int32_t format);
    // Name "TEST SAMPLE", bandwidth 1, 44100 Hz, root note 60, no data and no loops.
    static CRecordBuilder SampleHeader(std::int32_t format);

    CRecordBuilder& Set8(std::size_t offset, std::int32_t value);         // the low 8 bits
    CRecordBuilder& Set16(std::size_t offset, std::int32_t value);        // little-endian, the low 16 bits
    CRecordBuilder& Set32(std::size_t offset, std::uint32_t value);       // little-endian
    CRecordBuilder& SetName(std::size_t offset, const std::string& text); // 12 bytes, blank-padded
    // Sets the 12 stored bytes of a name as they are, for names no text can give.
    CRecordBuilder& SetNameBytes(std::size_t offset, const std::vector<std::uint8_t>& stored);
    // A loop record of a sample header, slot 0 to 7.
    CRecordBuilder& SetLoop(std::size_t slot, std::uint32_t loopAt, std::uint32_t length, std::uint16_t dwellTime,
                            std::uint16_t lengthFraction = 0);
    // Appends 16-bit frames after the record, as sample data.
    CRecordBuilder& AppendFrames(const std::vector<std::int16_t>& frames);

    const std::vector<std::uint8_t>& Bytes() const { return mBytes; }

private:
    explicit CRecordBuilder(std::size_t sizeInBytes);

    std::vector<std::uint8_t> mBytes;
};

// The records one after the other, as in a program file.
std::vector<std::uint8_t> JoinRecords(const std::vector<std::vector<std::uint8_t>>& records);

} // namespace NSAkaiTestSupport
