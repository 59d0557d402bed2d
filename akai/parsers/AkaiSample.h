#pragma once

// An Akai sample: a header with its play range, loops and tuning, followed by 16-bit data. Header
// format 7 has a 150-byte header; every other format a 192-byte one.

#include "akai/parsers/AkaiLoop.h"
#include "framework/foundation/core/KeptBlocks.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NSAkaiParser {

class IAkaiFileMedia;

// A sample's 16-bit data. A disc holds hundreds of megabytes of it, read volume by volume, so its storage
// comes from the framework's kept blocks: the next volume's samples take the pages of the last.
using CSampleData = std::vector<std::int16_t, NSTramvell::CKeptBlockAllocator<std::int16_t>>;

// A parsed sample; it owns its loops and data.
class IAkaiSample
{
public:
    virtual ~IAkaiSample() = default;
    virtual std::uint8_t GetMIDIRootNote() const = 0;
    virtual std::string GetName() const = 0;
    virtual std::int32_t GetLoopMode() const = 0;
    // After the correction for a rate that differs from the one the bandwidth implies.
    virtual std::int32_t GetTuneCents() const = 0;
    virtual std::uint32_t GetSampleLength() const = 0;
    virtual std::uint32_t GetSampleStart() const = 0;
    virtual std::uint32_t GetSampleEnd() const = 0;
    // The used loop slots in slot order, a copy.
    virtual std::vector<CAkaiLoop> GetLoops() const = 0;
    virtual std::uint16_t GetSampleRate() const = 0;
    virtual std::int8_t GetLoopTuneOffset() const = 0;
    // Valid while the sample lives.
    virtual const CSampleData* GetSampleData() const = 0;
};

// Parses a whole sample and reads its data. name is the sample's name as the directory gives it.
// Out-of-range values are corrected and reported into reports; more than 4 errors fail with
// NSTramvell::XBadFormat before any data is read. A failing read passes the file's exception.
std::unique_ptr<IAkaiSample> CreateAkaiSample(IAkaiFileMedia& file, std::int32_t headerFormat,
                                              std::vector<std::string>& reports, const std::string& name);

// Parses the 12-byte loop record at recordStart against the play range sampleStart..sampleEnd. Each
// correction adds 1 to loopErrorCount and is reported as "Loop n: ..." with n = slot + 1.
CAkaiLoop ParseLoop(IAkaiFileMedia& file, std::uint64_t recordStart, std::uint32_t sampleStart,
                    std::uint32_t sampleEnd, std::vector<std::string>& reports, std::int32_t& loopErrorCount,
                    std::int32_t slot);

// "Loop n: The parameter '<name>' was out of range." with n = slot + 1.
std::string MakeLoopMessage(std::uint32_t nameId, std::int32_t slot);

// A loop slot is empty when its dwell time is 0.
bool IsLoopSlotUsed(IAkaiFileMedia& file, std::uint64_t recordStart);

} // namespace NSAkaiParser

namespace NSAkaiParserImplementation {

class CHeaderReader;

// A sample parsed whole at construction and unchanged afterwards. The file is only read while it is
// built.
class CAkaiSample : public NSAkaiParser::IAkaiSample
{
public:
    CAkaiSample(NSAkaiParser::IAkaiFileMedia& file, std::vector<std::string>& reports, std::int32_t headerFormat,
                const std::string& name);

    std::uint8_t GetMIDIRootNote() const override { return mMIDIRootNote; }
    std::string GetName() const override { return mName; }
    std::int32_t GetLoopMode() const override { return mLoopMode; }
    std::int32_t GetTuneCents() const override { return mTuneCents; }
    std::uint32_t GetSampleLength() const override { return mSampleLength; }
    std::uint32_t GetSampleStart() const override { return mSampleStart; }
    std::uint32_t GetSampleEnd() const override { return mSampleEnd; }
    std::vector<NSAkaiParser::CAkaiLoop> GetLoops() const override { return mLoops; }
    std::uint16_t GetSampleRate() const override { return mSampleRate; }
    std::int8_t GetLoopTuneOffset() const override { return mLoopTuneOffset; }
    const NSAkaiParser::CSampleData* GetSampleData() const override { return &mSampleData; }

private:
    void ReadPlayRange(CHeaderReader& reader, NSAkaiParser::IAkaiFileMedia& file, std::uint64_t headerSize);
    void ReadLoops(CHeaderReader& reader, NSAkaiParser::IAkaiFileMedia& file, std::vector<std::string>& reports);
    void ReadRateAndCorrectTune(CHeaderReader& reader, NSAkaiParser::IAkaiFileMedia& file,
                                std::vector<std::string>& reports);
    void ReadData(NSAkaiParser::IAkaiFileMedia& file, std::uint64_t headerSize);

    std::uint8_t mMIDIRootNote = 0;
    std::string mName;
    std::int32_t mLoopMode = 0;
    std::int32_t mTuneCents = 0;
    std::uint32_t mSampleLength = 0;
    std::uint32_t mSampleStart = 0;
    std::uint32_t mSampleEnd = 0;
    std::vector<NSAkaiParser::CAkaiLoop> mLoops;
    std::uint16_t mSampleRate = 0;
    std::int8_t mLoopTuneOffset = 0;
    NSAkaiParser::CSampleData mSampleData;
};

} // namespace NSAkaiParserImplementation
