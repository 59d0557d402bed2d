#pragma once

// An Akai sample whose values a test sets directly.

#include "akai/parsers/AkaiSample.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSConversionTestSupport {

class CFakeSample final : public NSAkaiParser::IAkaiSample
{
public:
    std::uint8_t GetMIDIRootNote() const override { return rootNote; }
    std::string GetName() const override { return name; }
    std::int32_t GetLoopMode() const override { return loopMode; }
    std::int32_t GetTuneCents() const override { return tuneCents; }
    std::uint32_t GetSampleLength() const override { return static_cast<std::uint32_t>(data.size()); }
    std::uint32_t GetSampleStart() const override { return 0; }
    std::uint32_t GetSampleEnd() const override { return static_cast<std::uint32_t>(data.size()); }
    std::vector<NSAkaiParser::CAkaiLoop> GetLoops() const override { return loops; }
    std::uint16_t GetSampleRate() const override { return rate; }
    std::int8_t GetLoopTuneOffset() const override { return 0; }
    const NSAkaiParser::CSampleData* GetSampleData() const override { return &data; }

    std::string name = "SAMPLE";
    std::uint8_t rootNote = 60;
    std::int32_t loopMode = 0;
    std::int32_t tuneCents = 0;
    std::uint16_t rate = 44100;
    std::vector<NSAkaiParser::CAkaiLoop> loops;
    NSAkaiParser::CSampleData data;
};

} // namespace NSConversionTestSupport
