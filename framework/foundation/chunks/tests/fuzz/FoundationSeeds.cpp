#include "framework/foundation/chunks/tests/fuzz/FoundationSeeds.h"

#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/chunks/IFFFile.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/chunks/RIFF.h"
#include "tests/fuzz/SeedFiles.h"

#include <cstring>
#include <string>

namespace NSFuzzTargets {

namespace {

std::vector<std::uint8_t> ContentsOf(const NSTramvell::COwnedMemoryMedia& media)
{
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

void WriteText(NSTramvell::CMedia& media, const std::string& text)
{
    media.Write(static_cast<std::int32_t>(text.size()), text.data());
}

// Chunks through the stacked writer: a FORM holding plain chunks of odd and even size, a LIST and a
// CAT holding a FORM.
std::vector<std::uint8_t> WriteStackedFile(int byteOrder, const char* formType)
{
    NSTramvell::COwnedMemoryMedia media;
    {
        NSTramvell::CIFFFileWriter writer(media, byteOrder);
        writer.BeginFORM(formType);
        writer.BeginChunk("fmt ");
        WriteText(writer.GetMedia(), std::string("\x01\x00\x01\x00\x44\xAC\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00", 16));
        writer.EndChunk();
        writer.BeginChunk("NAME");
        WriteText(writer.GetMedia(), "odd");
        writer.EndChunk();
        writer.BeginLIST("INFO");
        writer.BeginChunk("INAM");
        WriteText(writer.GetMedia(), "A name");
        writer.EndChunk();
        writer.EndChunk();
        writer.BeginCAT("PROG");
        writer.BeginFORM("PROG");
        writer.BeginChunk("data");
        WriteText(writer.GetMedia(), std::string(33, '\x5A'));
        writer.EndChunk();
        writer.EndChunk();
        writer.EndChunk();
        writer.CloseAll();
    }
    return ContentsOf(media);
}

// A WAVE file through the first generation's RIFF writer, with or without pad bytes.
std::vector<std::uint8_t> WriteFirstGenerationWave(bool padding)
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::RIFF_WRITER writer(media);
    if (!padding) {
        writer.DisablePadding();
    }
    writer.BeginFORM("RIFF", "WAVE");
    const std::uint8_t format[16] = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x22, 0x56, 0, 0, 1, 0, 8, 0};
    writer.WriteChunk("fmt ", format, sizeof format);
    std::uint8_t samples[41];
    for (std::size_t i = 0; i < sizeof samples; ++i) {
        samples[i] = static_cast<std::uint8_t>(128 + (i % 8) * 12);
    }
    writer.WriteChunk("data", samples, sizeof samples);
    std::uint8_t sampler[60] = {};
    sampler[12] = 60;    // root key
    sampler[28] = 1;     // one loop
    sampler[48] = 4;     // loop start
    sampler[52] = 36;    // loop end
    writer.WriteChunk("smpl", sampler, sizeof sampler);
    writer.EndFORM();
    return ContentsOf(media);
}

std::vector<std::uint8_t> WriteFirstGenerationForm()
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::CIFFWriter writer(media);
    writer.BeginFORM("FORM", "AIFF");
    const std::uint8_t common[18] = {0, 1, 0, 0, 0, 16, 0, 16, 0x40, 0x0E, 0xAC, 0x44};
    writer.WriteChunk("COMM", common, sizeof common);
    const std::uint8_t sound[13] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5};
    writer.WriteChunk("SSND", sound, sizeof sound);
    writer.EndFORM();
    return ContentsOf(media);
}

const char* const kScripts[] = {
    "1 {First entry}\r\n2 {Second entry}\r\n",
    "// A comment line\n10 {Ten}\n/* a block\n comment */ 11 {Eleven\\rwith a return}\n",
    "3 {Text broken\r\nover two lines}\n4 {}\n5{no blank}\n",
    "65535 {largest id}\n65536 {wraps}\n-1 {negative}\n",
    "7 {unterminated",
    "8 no braces }\n9 {ok}",
    "/* never closed\n1 {hidden}",
    "12 {nested {braces}} 13 {after}",
};

} // namespace

void WriteChunkFileSeeds(const std::filesystem::path& folder)
{
    WriteSeedFile(folder, "stacked-iff.bin", WriteStackedFile(0, "AIFF"));
    WriteSeedFile(folder, "stacked-riff.bin", WriteStackedFile(1, "WAVE"));
    WriteSeedFile(folder, "first-generation-wave.wav", WriteFirstGenerationWave(true));
    WriteSeedFile(folder, "first-generation-wave-unpadded.wav", WriteFirstGenerationWave(false));
    WriteSeedFile(folder, "first-generation-form.aiff", WriteFirstGenerationForm());
}

void WriteStringScriptSeeds(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& scriptFiles)
{
    int number = 0;
    for (const char* script : kScripts) {
        WriteSeedFile(folder, "script-" + std::to_string(++number) + ".txt",
                      std::vector<std::uint8_t>(script, script + std::strlen(script)));
    }
    for (const std::filesystem::path& path : scriptFiles) {
        WriteSeedFile(folder, "resource-" + path.filename().string(), ReadSourceFile(path));
    }
}

} // namespace NSFuzzTargets
