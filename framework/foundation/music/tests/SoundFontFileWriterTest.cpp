#include "framework/foundation/music/SoundFontFileWriter.h"

#include "framework/foundation/chunks/tests/ChunkTestSupport.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace NSChunkTests;
using NSTramvell::COwnedMemoryMedia;
using NSTramvell::CSoundFontFileWriter;
using NSTramvell::CSoundFontSampleParamList;
using NSTramvell::CSoundFontSampleParams;

namespace {

using TChunks = std::vector<std::pair<std::string, TBytes>>;

TBytes LittleEndian16(std::uint16_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

// The plain chunks of the one list the media holds, after checking the list's header.
TChunks ChunksOfList(const COwnedMemoryMedia& media, const std::string& type)
{
    const TBytes bytes = ContentsOf(media);
    EXPECT_GE(bytes.size(), 12u);
    EXPECT_EQ(TBytes(bytes.begin(), bytes.begin() + 4), Text("LIST"));
    EXPECT_EQ(NSTramvell::ReadLittleEndian32(bytes.data() + 4), bytes.size() - 8);
    EXPECT_EQ(TBytes(bytes.begin() + 8, bytes.begin() + 12), Text(type));
    TChunks chunks;
    std::size_t position = 12;
    while (position + 8 <= bytes.size()) {
        const std::uint32_t size = NSTramvell::ReadLittleEndian32(bytes.data() + position + 4);
        const auto data = bytes.begin() + static_cast<std::ptrdiff_t>(position + 8);
        chunks.emplace_back(std::string(bytes.begin() + static_cast<std::ptrdiff_t>(position), data - 4),
                            TBytes(data, data + size));
        position += 8 + size + (size & 1);
    }
    EXPECT_EQ(position, bytes.size());
    return chunks;
}

const TBytes& Chunk(const TChunks& chunks, const std::string& id)
{
    for (const auto& chunk : chunks) {
        if (chunk.first == id)
            return chunk.second;
    }
    static const TBytes kMissing;
    ADD_FAILURE() << "no " << id;
    return kMissing;
}

CSoundFontSampleParams Sample(const std::string& name, std::int32_t type, std::uint32_t start)
{
    CSoundFontSampleParams sample;
    sample.name = name;
    sample.start = start;
    sample.end = start + 100;
    sample.sampleRate = 44100;
    sample.rootKey = 48;
    sample.topKey = 72;
    sample.sampleType = type;
    return sample;
}

TChunks PresetData(const std::string& name, const std::vector<CSoundFontSampleParams>& samples)
{
    CSoundFontSampleParamList list;
    for (const CSoundFontSampleParams& sample : samples)
        list.Append(sample);
    COwnedMemoryMedia media;
    CSoundFontFileWriter writer(media);
    writer.WritePresetData(name, list);
    return ChunksOfList(media, "pdta");
}

TBytes Name(const std::string& text)
{
    TBytes name = Text(text);
    name.resize(20, 0);
    return name;
}

// One shdr record's link and type.
std::pair<std::uint16_t, std::uint16_t> LinkAndType(const TBytes& headers, std::size_t index)
{
    const std::uint8_t* record = headers.data() + 46 * index;
    return {NSTramvell::ReadLittleEndian16(record + 42), NSTramvell::ReadLittleEndian16(record + 44)};
}

TEST(CSoundFontFileWriter, PresetDataOfALeftAndARightSample)
{
    const TChunks chunks = PresetData("A name longer than nineteen",
                                      {Sample("left", CSoundFontSampleParams::kLeftSample, 0),
                                       Sample("right", CSoundFontSampleParams::kRightSample, 146)});
    std::vector<std::string> order;
    for (const auto& chunk : chunks)
        order.push_back(chunk.first);
    EXPECT_EQ(order,
              (std::vector<std::string>{"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"}));

    const TBytes presetName = Name("A name longer than ");
    EXPECT_EQ(Chunk(chunks, "phdr"), presetName + Zeros(4) + LittleEndian16(0) + Zeros(12) + Name("EOP") + Zeros(4) +
                                         LittleEndian16(1) + Zeros(12));
    EXPECT_EQ(Chunk(chunks, "pbag"), (TBytes{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(Chunk(chunks, "pmod"), Zeros(10));
    EXPECT_EQ(Chunk(chunks, "pgen"), (TBytes{41, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Chunk(chunks, "inst"), presetName + LittleEndian16(0) + Name("EOI") + LittleEndian16(2));
    EXPECT_EQ(Chunk(chunks, "ibag"), (TBytes{0, 0, 0, 0, 3, 0, 0, 0, 6, 0, 0, 0}));
    EXPECT_EQ(Chunk(chunks, "imod"), Zeros(10));
    EXPECT_EQ(Chunk(chunks, "igen"), (TBytes{43, 0, 48, 72, 17, 0} + LittleEndian16(0xFE0C) + TBytes{53, 0, 0, 0} +
                                      TBytes{43, 0, 48, 72, 17, 0} + LittleEndian16(500) + TBytes{53, 0, 1, 0} +
                                      Zeros(4)));
    const TBytes& headers = Chunk(chunks, "shdr");
    ASSERT_EQ(headers.size(), 46u * 3);
    const TBytes right = Name("right") + LittleEndian(146) + LittleEndian(246) + LittleEndian(146) +
                         LittleEndian(246) + LittleEndian(44100) + TBytes{48, 0} + LittleEndian16(0) +
                         LittleEndian16(2);
    EXPECT_EQ(TBytes(headers.begin() + 46, headers.begin() + 92), right);
    EXPECT_EQ(LinkAndType(headers, 0), std::make_pair(std::uint16_t{1}, std::uint16_t{4}));
    EXPECT_EQ(TBytes(headers.begin() + 92, headers.end()), Name("EOS") + Zeros(26));
}

TEST(CSoundFontFileWriter, SidesPairFrontToBackAndALoneSideIsMono)
{
    using P = CSoundFontSampleParams;
    const struct {
        const char* what;
        std::vector<std::int32_t> types;
        std::vector<std::pair<int, int>> links; // link and stored type of each sample
    } kCases[] = {
        {"a trailing lone left", {P::kMonoSample, P::kLeftSample}, {{0, 1}, {0, 1}}},
        {"two pairs", {P::kRightSample, P::kLeftSample, P::kLeftSample, P::kRightSample},
         {{1, 2}, {0, 4}, {3, 4}, {2, 2}}},
        {"a pair and a lone right", {P::kLeftSample, P::kRightSample, P::kRightSample}, {{1, 4}, {0, 2}, {0, 1}}},
        {"monos only", {P::kMonoSample, P::kMonoSample}, {{0, 1}, {0, 1}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        std::vector<CSoundFontSampleParams> samples;
        for (const std::int32_t type : c.types)
            samples.push_back(Sample("s", type, static_cast<std::uint32_t>(samples.size() * 146)));
        const TChunks chunks = PresetData("bank", samples);
        const TBytes& headers = Chunk(chunks, "shdr");
        const TBytes& generators = Chunk(chunks, "igen");
        for (std::size_t i = 0; i < c.types.size(); ++i) {
            SCOPED_TRACE(i);
            const auto [link, type] = LinkAndType(headers, i);
            EXPECT_EQ(link, c.links[i].first);
            EXPECT_EQ(type, c.links[i].second);
            // The pan keeps the side the caller gave, also where the header says mono.
            const auto pan = static_cast<std::int16_t>(NSTramvell::ReadLittleEndian16(generators.data() + 12 * i + 6));
            EXPECT_EQ(pan, c.types[i] == P::kLeftSample ? -500 : (c.types[i] == P::kRightSample ? 500 : 0));
        }
    }
}

TEST(CSoundFontFileWriter, RefusesMoreSamplesThanSixteenBitIndicesReach)
{
    CSoundFontSampleParamList list;
    for (int i = 0; i < 0xFFFF / 3 + 1; ++i)
        list.Append(Sample("s", CSoundFontSampleParams::kMonoSample, 0));
    COwnedMemoryMedia media;
    CSoundFontFileWriter writer(media);
    EXPECT_THROW(writer.WritePresetData("bank", list), NSTramvell::XBase);
    EXPECT_EQ(media.GetSize(), 0);
    list.RemoveFirst();
    writer.WritePresetData("bank", list);
    EXPECT_GT(media.GetSize(), 46 * 0xFFFF / 3);
}

TEST(CSoundFontFileWriter, InfoTextsEndInZerosAndHaveEvenLengths)
{
    COwnedMemoryMedia media;
    CSoundFontFileWriter writer(media);
    writer.WriteInfoList("Drums", "", "engineer", std::string(300, 'c'), "", "");
    const TChunks chunks = ChunksOfList(media, "INFO");
    ASSERT_EQ(chunks.size(), 5u); // no date, copyright or comment
    EXPECT_EQ(chunks[0], std::make_pair(std::string("ifil"), TBytes{2, 0, 0, 0}));
    EXPECT_EQ(chunks[1], std::make_pair(std::string("isng"), Text("EMU8000") + Zeros(1)));
    EXPECT_EQ(chunks[2], std::make_pair(std::string("INAM"), Text("Drums") + Zeros(1)));
    EXPECT_EQ(chunks[3], std::make_pair(std::string("IENG"), Text("engineer") + Zeros(2)));
    EXPECT_EQ(chunks[4], std::make_pair(std::string("IPRD"), TBytes(255, 'c') + Zeros(1)));

    const struct { std::size_t length; std::size_t stored; } kLengths[] = {
        {1, 2}, {5, 6}, {6, 8}, {254, 256}, {255, 256}, {300, 256}};
    for (const auto& c : kLengths) {
        COwnedMemoryMedia one;
        CSoundFontFileWriter textWriter(one);
        textWriter.WriteInfoText("ICMT", std::string(c.length, 'x'));
        EXPECT_EQ(one.GetSize(), static_cast<std::int32_t>(8 + c.stored)) << c.length;
    }
}

TEST(CSoundFontFileWriter, ABankWithoutANameIsRefusedBeforeAnyByte)
{
    COwnedMemoryMedia media;
    CSoundFontFileWriter writer(media);
    EXPECT_THROW(writer.WriteInfoList("", "date", "", "", "", "comment"), NSTramvell::XBase);
    EXPECT_EQ(media.GetSize(), 0);
}

} // namespace
