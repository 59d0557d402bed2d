#include "framework/foundation/music/SoundFontFileWriter.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace NSTramvell {

namespace {

using CRecords = std::vector<std::uint8_t>;
using CSampleList = CSoundFontSampleParamList;

constexpr std::size_t kNameLength = 20;
constexpr std::size_t kLongestName = kNameLength - 1;
constexpr std::size_t kLongestInfoText = 255;
constexpr std::size_t kModulatorLength = 10;
constexpr std::uint16_t kInstrumentOperator = 41;
constexpr std::uint16_t kKeyRangeOperator = 43;
constexpr std::uint16_t kPanOperator = 17;
constexpr std::uint16_t kSampleIdOperator = 53;
constexpr std::int16_t kLeftPan = -500;
constexpr std::int16_t kRightPan = 500;
constexpr std::uint16_t kGeneratorsPerZone = 3;
// Bag and generator indices are 16-bit: the terminal bag of the instrument is 3 × N.
constexpr std::size_t kMostSamples = 0xFFFF / kGeneratorsPerZone;

// Appends little-endian fields to a chunk's records.
class CRecordWriter
{
public:
    explicit CRecordWriter(CRecords& records) : mRecords(records) {}
    void Name(const std::string& name)
    {
        const std::size_t kept = std::min(name.size(), kLongestName);
        mRecords.insert(mRecords.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(kept));
        mRecords.insert(mRecords.end(), kNameLength - kept, 0);
    }
    void Word(std::uint16_t value)
    {
        std::uint8_t bytes[2];
        WriteLittleEndian16(bytes, value);
        mRecords.insert(mRecords.end(), bytes, bytes + 2);
    }
    void Long(std::uint32_t value)
    {
        std::uint8_t bytes[4];
        WriteLittleEndian32(bytes, value);
        mRecords.insert(mRecords.end(), bytes, bytes + 4);
    }
    void Bytes(std::uint8_t low, std::uint8_t high)
    {
        mRecords.push_back(low);
        mRecords.push_back(high);
    }
    void Zeros(std::size_t count) { mRecords.insert(mRecords.end(), count, 0); }

private:
    CRecords& mRecords;
};

void WriteRecords(CIFFWriter2& writer, const char* id, const CRecords& records)
{
    writer.WriteChunk(id, static_cast<std::int32_t>(records.size()), records.data());
}

CRecords PresetHeaders(const std::string& name)
{
    CRecords records;
    CRecordWriter out(records);
    const struct { const char* name; std::uint16_t bag; } kPresets[] = {{name.c_str(), 0}, {"EOP", 1}};
    for (const auto& preset : kPresets) {
        out.Name(preset.name);
        out.Word(0); // preset
        out.Word(0); // bank
        out.Word(preset.bag);
        out.Long(0); // library
        out.Long(0); // genre
        out.Long(0); // morphology
    }
    return records;
}

CRecords Bags(std::uint16_t zoneCount, std::uint16_t generatorsPerZone)
{
    CRecords records;
    CRecordWriter out(records);
    for (std::uint16_t zone = 0; zone <= zoneCount; ++zone) {
        out.Word(static_cast<std::uint16_t>(zone * generatorsPerZone));
        out.Word(0);
    }
    return records;
}

CRecords PresetGenerators()
{
    CRecords records;
    CRecordWriter out(records);
    out.Word(kInstrumentOperator);
    out.Word(0);
    out.Zeros(4); // terminal
    return records;
}

CRecords InstrumentHeaders(const std::string& name, std::uint16_t sampleCount)
{
    CRecords records;
    CRecordWriter out(records);
    out.Name(name);
    out.Word(0);
    out.Name("EOI");
    out.Word(sampleCount);
    return records;
}

std::int16_t PanOf(std::int32_t sampleType)
{
    if (sampleType == CSoundFontSampleParams::kLeftSample)
        return kLeftPan;
    if (sampleType == CSoundFontSampleParams::kRightSample)
        return kRightPan;
    return 0;
}

CRecords InstrumentGenerators(const CSampleList& samples)
{
    CRecords records;
    CRecordWriter out(records);
    std::uint16_t index = 0;
    for (const CSoundFontSampleParams& sample : samples) {
        out.Word(kKeyRangeOperator);
        out.Bytes(sample.rootKey, sample.topKey);
        out.Word(kPanOperator);
        out.Word(static_cast<std::uint16_t>(PanOf(sample.sampleType)));
        out.Word(kSampleIdOperator);
        out.Word(index++);
    }
    out.Zeros(4); // terminal
    return records;
}

struct CSampleLink
{
    std::uint16_t link = 0;
    std::int32_t type = CSoundFontSampleParams::kMonoSample;
};

// Pairs form front to back: a sample of a side links to the sample after it and that one back.
std::vector<CSampleLink> LinkSamples(const CSampleList& samples)
{
    std::vector<CSampleLink> links;
    for (const CSoundFontSampleParams& sample : samples)
        links.push_back({0, sample.sampleType});
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (links[i].type == CSoundFontSampleParams::kMonoSample)
            continue;
        if (i + 1 == links.size()) {
            // A link to index N would name the terminal record: the lone sample is played as mono.
            links[i].type = CSoundFontSampleParams::kMonoSample;
            break;
        }
        links[i].link = static_cast<std::uint16_t>(i + 1);
        links[i + 1].link = static_cast<std::uint16_t>(i);
        ++i;
    }
    return links;
}

CRecords SampleHeaders(const CSampleList& samples)
{
    CRecords records;
    CRecordWriter out(records);
    const std::vector<CSampleLink> links = LinkSamples(samples);
    std::size_t index = 0;
    for (const CSoundFontSampleParams& sample : samples) {
        out.Name(sample.name);
        out.Long(sample.start);
        out.Long(sample.end);
        out.Long(sample.start); // loop start
        out.Long(sample.end);   // loop end
        out.Long(sample.sampleRate);
        out.Bytes(sample.rootKey, 0); // original pitch, correction
        out.Word(links[index].link);
        out.Word(static_cast<std::uint16_t>(links[index].type));
        ++index;
    }
    out.Name("EOS");
    out.Zeros(26);
    return records;
}

} // namespace

CSoundFontFileWriter::CSoundFontFileWriter(CMedia& media) : CRIFFWriter2(media)
{
}

CSoundFontFileWriter::CSoundFontFileWriter(CIFFWriter2& parent, const CIFFChunkInfo& chunk)
    : CRIFFWriter2(parent, chunk)
{
}

CSoundFontFileWriter::~CSoundFontFileWriter() = default;

void CSoundFontFileWriter::WriteInfoText(const char* id, const std::string& text)
{
    const std::size_t length = std::min(text.size(), kLongestInfoText);
    if (length == 0)
        return;
    std::uint8_t stored[kLongestInfoText + 1] = {};
    std::memcpy(stored, text.data(), length);
    const std::size_t storedLength = length % 2 == 0 ? length + 2 : length + 1;
    WriteChunk(id, static_cast<std::int32_t>(storedLength), stored);
}

void CSoundFontFileWriter::WriteInfoList(std::string name, std::string creationDate, std::string engineer,
                                         std::string product, std::string copyright, std::string comment)
{
    if (name.empty())
        throw XBase();
    CIFFChunkInfo list;
    BeginLISTChunk(list, "INFO");
    {
        CSoundFontFileWriter info(*this, list);
        const std::uint8_t version[] = {2, 0, 0, 0}; // 2.0: major and minor, 16 bits each
        info.WriteChunk("ifil", sizeof version, version);
        const char engine[8] = "EMU8000";
        info.WriteChunk("isng", sizeof engine, engine);
        info.WriteInfoText("INAM", name);
        info.WriteInfoText("ICRD", creationDate);
        info.WriteInfoText("IENG", engineer);
        info.WriteInfoText("IPRD", product);
        info.WriteInfoText("ICOP", copyright);
        info.WriteInfoText("ICMT", comment);
    }
    EndChunk(list);
}

void CSoundFontFileWriter::WritePresetData(const std::string& name, const CSoundFontSampleParamList& samples)
{
    if (samples.GetCount() > kMostSamples)
        throw XBase();
    const auto sampleCount = static_cast<std::uint16_t>(samples.GetCount());
    const CRecords emptyModulator(kModulatorLength, 0);
    CIFFChunkInfo list;
    BeginLISTChunk(list, "pdta");
    {
        CRIFFWriter2 data(*this, list);
        WriteRecords(data, "phdr", PresetHeaders(name));
        WriteRecords(data, "pbag", Bags(1, 1));
        WriteRecords(data, "pmod", emptyModulator);
        WriteRecords(data, "pgen", PresetGenerators());
        WriteRecords(data, "inst", InstrumentHeaders(name, sampleCount));
        WriteRecords(data, "ibag", Bags(sampleCount, kGeneratorsPerZone));
        WriteRecords(data, "imod", emptyModulator);
        WriteRecords(data, "igen", InstrumentGenerators(samples));
        WriteRecords(data, "shdr", SampleHeaders(samples));
    }
    EndChunk(list);
}

} // namespace NSTramvell
