// Files exchanged with readers and writers outside the framework. CTest runs a script that makes
// files with sox and lists their chunks before these tests, and checks the files these tests leave
// with python's chunk and wave modules, soxi and sndfile-info afterwards. The folder comes in
// DRAVIM_CHUNK_FILES.

#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/chunks/IFFFile.h"
#include "framework/foundation/chunks/IFFReader2.h"
#include "framework/foundation/chunks/RIFF.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/chunks/tests/ChunkTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace NSChunkTests;
using NSTramvell::CIFFChunkInfo;
using NSTramvell::COwnedMemoryMedia;

namespace {

std::string FilePath(const std::string& name)
{
    const char* folder = std::getenv("DRAVIM_CHUNK_FILES");
    if (folder == nullptr || *folder == '\0')
        ADD_FAILURE() << "DRAVIM_CHUNK_FILES names no folder; run these tests through CTest";
    return std::string(folder != nullptr ? folder : ".") + "/" + name;
}

void Save(const std::string& name, const COwnedMemoryMedia& media)
{
    std::ofstream file(FilePath(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
    ASSERT_TRUE(file.good()) << name;
}

COwnedMemoryMedia Load(const std::string& name)
{
    std::ifstream file(FilePath(name), std::ios::binary);
    EXPECT_TRUE(file.good()) << "missing " << name;
    const TBytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return MediaWith(bytes);
}

// A PCM "fmt " chunk's 16 bytes.
TBytes PCMFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * (bits / 8));
    TBytes format(16);
    NSTramvell::WriteLittleEndian16(format.data(), 1);
    NSTramvell::WriteLittleEndian16(format.data() + 2, channels);
    NSTramvell::WriteLittleEndian32(format.data() + 4, rate);
    NSTramvell::WriteLittleEndian32(format.data() + 8, rate * blockAlign);
    NSTramvell::WriteLittleEndian16(format.data() + 12, blockAlign);
    NSTramvell::WriteLittleEndian16(format.data() + 14, bits);
    return format;
}

void SaveWave(const std::string& name, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
              std::int32_t frames)
{
    COwnedMemoryMedia media;
    NSTramvell::RIFF_WRITER writer(media);
    writer.BeginFORM("RIFF", "WAVE");
    const TBytes format = PCMFormat(channels, rate, bits);
    writer.WriteChunk("fmt ", format.data(), static_cast<std::int32_t>(format.size()));
    const TBytes samples = Pattern(static_cast<std::size_t>(frames) * channels * (bits / 8));
    writer.BeginChunk("data");
    writer.Write(static_cast<std::int32_t>(samples.size()), samples.data());
    writer.EndChunk();
    writer.EndFORM();
    Save(name, media);
}

struct SChunkEntry
{
    std::string id;
    std::int32_t size;
    bool operator==(const SChunkEntry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SChunkEntry& entry)
{
    return out << "'" << entry.id << "' " << entry.size;
}

// What the sox script's own walk found: per file, the top group ("RIFF WAVE" ...) and its chunks.
struct SListedFile
{
    std::string groupId;
    std::string type;
    std::int32_t groupSize = -1;
    std::vector<SChunkEntry> chunks;
};

std::map<std::string, SListedFile> LoadSoxListing()
{
    std::map<std::string, SListedFile> files;
    std::ifstream listing(FilePath("sox-chunks.txt"));
    EXPECT_TRUE(listing.good()) << "missing sox-chunks.txt";
    std::string line;
    while (std::getline(listing, line)) {
        std::vector<std::string> fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, '|');)
            fields.push_back(field);
        if (fields.size() == 5 && fields[0] == "group")
            files[fields[1]] = SListedFile{fields[2], fields[3], std::stoi(fields[4]), {}};
        else if (fields.size() == 4 && fields[0] == "chunk")
            files[fields[1]].chunks.push_back({fields[2], std::stoi(fields[3])});
        else
            ADD_FAILURE() << "unreadable line: " << line;
    }
    return files;
}

template <typename TReader>
std::vector<SChunkEntry> Walk(TReader& reader)
{
    std::vector<SChunkEntry> chunks;
    CIFFChunkInfo chunk;
    for (bool found = reader.ReadFirstChunk(chunk); found; found = reader.ReadNextChunk(chunk, chunk))
        chunks.push_back({chunk.GetName(), chunk.GetSize()});
    return chunks;
}

// The first-generation reader finds every listed chunk with its size.
void ExpectFirstGenerationFinds(NSTramvell::CIFFReader& reader, const SListedFile& listed)
{
    for (const SChunkEntry& entry : listed.chunks) {
        SCOPED_TRACE(entry.id);
        std::int32_t size = -1;
        EXPECT_TRUE(reader.FindChunk(entry.id, size));
        EXPECT_EQ(size, entry.size);
    }
}

std::int32_t SizeOf(const SListedFile& listed, const std::string& id)
{
    for (const SChunkEntry& entry : listed.chunks) {
        if (entry.id == id)
            return entry.size;
    }
    return -1;
}

} // namespace

TEST(ChunkFiles, WritesFilesForTheIndependentReaders)
{
    COwnedMemoryMedia nested;
    {
        NSTramvell::CIFFFileWriter writer(nested, 0);
        writer.BeginFORM("TEST");
        writer.BeginCAT("ENTR");
        writer.BeginChunk("BODY");
        writer.GetMedia().Write(3, "bod");
        writer.EndChunk();
        writer.BeginChunk("PARM");
        writer.GetMedia().Write(4, "parm");
        writer.EndChunk();
        writer.EndChunk();
        writer.BeginLIST("INFO");
        writer.BeginChunk("NAME");
        writer.GetMedia().Write(5, "named");
        writer.EndChunk();
        writer.EndChunk();
        writer.BeginChunk("AUTH");
        writer.GetMedia().Write(1, "a");
    }
    EXPECT_EQ(nested.GetSize(), 84);
    Save("ours-nested.iff", nested);

    SaveWave("ours-stereo16.wav", 2, 44100, 16, 10);
    SaveWave("ours-mono8.wav", 1, 11025, 8, 7);
}

TEST(ChunkFiles, ReadsWavesMadeBySox)
{
    const std::map<std::string, SListedFile> listing = LoadSoxListing();
    const struct
    {
        const char* name;
        std::uint16_t formatTag;
        std::uint16_t channels;
        std::uint32_t rate;
        std::uint16_t bits;
        std::int32_t formatSize;
        std::int32_t dataSize;
    } kWaves[] = {{"sox-stereo16.wav", 1, 2, 44100, 16, 16, 441 * 4},
                  {"sox-mono24.wav", 0xFFFE, 1, 48000, 24, 40, 481 * 3}};
    for (const auto& wave : kWaves) {
        SCOPED_TRACE(wave.name);
        ASSERT_EQ(listing.count(wave.name), 1u);
        const SListedFile& listed = listing.at(wave.name);
        ASSERT_EQ(listed.groupId, "RIFF");
        EXPECT_EQ(SizeOf(listed, "fmt "), wave.formatSize);
        EXPECT_EQ(SizeOf(listed, "data"), wave.dataSize);
        COwnedMemoryMedia media = Load(wave.name);

        NSTramvell::RIFF_READER reader(media);
        ExpectFirstGenerationFinds(reader, listed);
        TBytes format(16);
        ASSERT_TRUE(reader.ReadChunk("fmt ", format.data(), 16));
        EXPECT_EQ(NSTramvell::ReadLittleEndian16(format.data()), wave.formatTag);
        EXPECT_EQ(NSTramvell::ReadLittleEndian16(format.data() + 2), wave.channels);
        EXPECT_EQ(NSTramvell::ReadLittleEndian32(format.data() + 4), wave.rate);
        EXPECT_EQ(NSTramvell::ReadLittleEndian16(format.data() + 14), wave.bits);

        EXPECT_TRUE(NSTramvell::CRIFFReader2::IsRIFFMedia(media));
        NSTramvell::CRIFFReader2 top(media);
        CIFFChunkInfo riff;
        ASSERT_TRUE(top.FindFORMChunk("WAVE", riff));
        EXPECT_EQ(riff.GetSize(), listed.groupSize);
        NSTramvell::CRIFFReader2 inside(top, riff);
        EXPECT_EQ(Walk(inside), listed.chunks);
    }
    // sox writes "fact" between an extensible "fmt " and "data".
    const SListedFile& mono = listing.at("sox-mono24.wav");
    ASSERT_EQ(mono.chunks.size(), 3u);
    EXPECT_EQ(mono.chunks[1], (SChunkEntry{"fact", 4}));
}

TEST(ChunkFiles, ReadsAIFFMadeBySox)
{
    const std::map<std::string, SListedFile> listing = LoadSoxListing();
    ASSERT_EQ(listing.count("sox-comment.aiff"), 1u);
    const SListedFile& listed = listing.at("sox-comment.aiff");
    ASSERT_EQ(listed.groupId, "FORM");
    ASSERT_FALSE(listed.chunks.empty());
    EXPECT_EQ(listed.chunks.front().id, "COMT");
    EXPECT_EQ(SizeOf(listed, "COMM"), 18);
    EXPECT_EQ(SizeOf(listed, "SSND"), 8 + 100 * 2);
    COwnedMemoryMedia media = Load("sox-comment.aiff");

    EXPECT_TRUE(NSTramvell::CIFFReader2::IsIFFMedia(media, 0));
    NSTramvell::CIFFReader2 top(media, 0);
    CIFFChunkInfo form;
    ASSERT_TRUE(top.FindFORMChunk("AIFF", form));
    EXPECT_EQ(form.GetSize(), listed.groupSize);
    NSTramvell::CIFFReader2 inside(top, form);
    EXPECT_EQ(Walk(inside), listed.chunks);

    NSTramvell::CIFFReader reader(media, "FORM");
    ExpectFirstGenerationFinds(reader, listed);
}
