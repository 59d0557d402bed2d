#include "akai/parsers/tests/fuzz/FuzzAkaiFile.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/KeyGroup.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "framework/foundation/core/Exceptions.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace NSFuzzTargets {

namespace {

// The record sizes the callers name: 7 for the 150-byte records, 8 for the 192-byte ones.
constexpr std::int32_t kHeaderFormats[] = {7, 8};

// The fuzzer's bytes as one Akai file, borrowed for one run. Reads past the end fail as a file's do.
class CFuzzedAkaiFile final : public NSAkaiParser::IAkaiFileMedia
{
public:
    CFuzzedAkaiFile(const std::uint8_t* data, std::size_t size) : mData(data), mSize(size) {}

    std::uint64_t GetSize() override { return mSize; }

    void ReadAt(std::uint64_t position, std::uint64_t length, void* buffer) override
    {
        if (position > mSize || length > mSize - position) {
            throw NSTramvell::XBadFormat();
        }
        if (length > 0) {
            std::memcpy(buffer, mData + position, static_cast<std::size_t>(length));
        }
    }

private:
    const std::uint8_t* mData;
    std::uint64_t mSize;
};

void UseKeyGroup(const NSAkaiParser::IKeyGroup& keyGroup)
{
    static_cast<void>(keyGroup.GetTuneCents());
    static_cast<void>(keyGroup.GetSampleParameters());
}

void ParseProgram(NSAkaiParser::IAkaiFileMedia& file, std::int32_t headerFormat, std::vector<std::string>& reports)
{
    const std::unique_ptr<NSAkaiParser::IAkaiProgram> program =
        NSAkaiParser::CreateAkaiProgram(file, headerFormat, reports);
    static_cast<void>(program->GetName());
    static_cast<void>(program->GetKeyTemperament());
    for (const NSAkaiParser::IKeyGroup* keyGroup : program->GetKeyGroups()) {
        UseKeyGroup(*keyGroup);
    }
}

void ParseSample(NSAkaiParser::IAkaiFileMedia& file, std::int32_t headerFormat, std::vector<std::string>& reports)
{
    const std::unique_ptr<NSAkaiParser::IAkaiSample> sample =
        NSAkaiParser::CreateAkaiSample(file, headerFormat, reports, "SINE");
    static_cast<void>(sample->GetLoops());
    const NSAkaiParser::CSampleData* data = sample->GetSampleData();
    // The play range and the data must agree, or a writer would read past the data.
    if (data == nullptr || sample->GetSampleLength() != data->size() || sample->GetSampleEnd() > data->size() ||
        sample->GetSampleStart() > sample->GetSampleEnd()) {
        std::abort();
    }
}

// The application installs the parsers' texts at start-up; these are the ones the parser tests run with.
void InstallParserStringsOnce()
{
    static const bool installed = [] {
        NSAkaiTestSupport::InstallParserStrings();
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

int FuzzAkaiFile(const std::uint8_t* data, std::size_t size)
{
    InstallParserStringsOnce();
    CFuzzedAkaiFile file(data, size);
    // A damaged program leaves thousands of reports; one list kept from run to run grows only once. It
    // is emptied before the run ends, so that the run frees all it allocates and the fuzzer sees no leak
    // to look for.
    static std::vector<std::string> reports;
    for (const std::int32_t headerFormat : kHeaderFormats) {
        try {
            ParseProgram(file, headerFormat, reports);
        } catch (const NSTramvell::XBase&) {
        }
        try {
            UseKeyGroup(NSAkaiParserImplementation::CKeyGroup(file, headerFormat, reports, 0, 0));
        } catch (const NSTramvell::XBase&) {
        }
        try {
            ParseSample(file, headerFormat, reports);
        } catch (const NSTramvell::XBase&) {
        }
        reports.clear();
    }
    return 0;
}

} // namespace NSFuzzTargets
