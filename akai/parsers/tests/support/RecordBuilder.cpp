#include "akai/parsers/tests/support/RecordBuilder.h"

#include <stdexcept>

namespace NSAkaiTestSupport {

namespace {

constexpr char kAkaiCharacters[] = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-.";
constexpr std::uint8_t kBlankCode = 10;
constexpr std::size_t kNameLength = 12;

std::uint8_t AkaiCode(char c)
{
    for (std::uint8_t code = 0; code < sizeof kAkaiCharacters - 1; ++code) {
        if (kAkaiCharacters[code] == c)
            return code;
    }
    throw std::invalid_argument("no Akai character");
}

} // namespace

std::size_t RecordSizeOf(std::int32_t format)
{
    return format == kShortFormat ? 150 : 192;
}

CRecordBuilder::CRecordBuilder(std::size_t sizeInBytes) : mBytes(sizeInBytes, 0)
{
}

CRecordBuilder CRecordBuilder::ProgramHeader(std::int32_t format)
{
    CRecordBuilder builder(RecordSizeOf(format));
    builder.SetName(3, "TEST PROGRAM").Set8(42, 1);
    return builder;
}

CRecordBuilder CRecordBuilder::KeyGroup(std::int32_t format)
{
    CRecordBuilder builder(RecordSizeOf(format));
    for (std::size_t zone = 0; zone < 4; ++zone)
        builder.SetName(34 + 24 * zone, "");
    return builder;
}

CRecordBuilder CRecordBuilder::SampleHeader(std::int32_t format)
{
    CRecordBuilder builder(RecordSizeOf(format));
    builder.Set8(1, 1).Set8(2, 60).SetName(3, "TEST SAMPLE").Set16(138, 44100);
    return builder;
}

CRecordBuilder& CRecordBuilder::Set8(std::size_t offset, std::int32_t value)
{
    mBytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    return *this;
}

CRecordBuilder& CRecordBuilder::Set16(std::size_t offset, std::int32_t value)
{
    Set8(offset, value);
    return Set8(offset + 1, value >> 8);
}

CRecordBuilder& CRecordBuilder::Set32(std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        Set8(offset + i, static_cast<std::int32_t>((value >> (8 * i)) & 0xFF));
    return *this;
}

CRecordBuilder& CRecordBuilder::SetName(std::size_t offset, const std::string& text)
{
    for (std::size_t i = 0; i < kNameLength; ++i)
        mBytes.at(offset + i) = i < text.size() ? AkaiCode(text[i]) : kBlankCode;
    return *this;
}

CRecordBuilder& CRecordBuilder::SetNameBytes(std::size_t offset, const std::vector<std::uint8_t>& stored)
{
    for (std::size_t i = 0; i < kNameLength; ++i)
        mBytes.at(offset + i) = i < stored.size() ? stored[i] : kBlankCode;
    return *this;
}

CRecordBuilder& CRecordBuilder::SetLoop(std::size_t slot, std::uint32_t loopAt, std::uint32_t length,
                                        std::uint16_t dwellTime, std::uint16_t lengthFraction)
{
    const std::size_t start = 38 + 12 * slot;
    Set32(start, loopAt);
    Set16(start + 4, lengthFraction);
    Set16(start + 6, static_cast<std::int32_t>(length & 0xFFFF));
    Set16(start + 8, static_cast<std::int32_t>(length >> 16));
    return Set16(start + 10, dwellTime);
}

CRecordBuilder& CRecordBuilder::AppendFrames(const std::vector<std::int16_t>& frames)
{
    for (const std::int16_t frame : frames) {
        const auto value = static_cast<std::uint16_t>(frame);
        mBytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        mBytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    return *this;
}

std::vector<std::uint8_t> JoinRecords(const std::vector<std::vector<std::uint8_t>>& records)
{
    std::vector<std::uint8_t> joined;
    for (const auto& record : records)
        joined.insert(joined.end(), record.begin(), record.end());
    return joined;
}

} // namespace NSAkaiTestSupport
