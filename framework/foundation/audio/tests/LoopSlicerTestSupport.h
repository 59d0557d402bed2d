#pragma once

// Loop-slicer records in their stored form, for the loop-slicer tests.

#include "framework/foundation/audio/LoopSlicerFiles.h"
#include "framework/foundation/audio/tests/AudioTestSupport.h"
#include "framework/foundation/core/ByteOrder.h"

#include <cstdint>
#include <string>

namespace NSAudioTests {

// A sliced-loop record: magic, version, header values 0x01020304 and 0x0A0B0C0D, and sliceCount slices
// whose values are 3 * i, 3 * i + 1 and 3 * i + 2 plus 0x100000.
inline TBytes SlicedLoopRecord(std::uint32_t sliceCount, std::uint8_t minor = 0, std::uint32_t magic = 0xD1D1D1DA)
{
    TBytes record(1016, 0);
    NSTramvell::WriteBigEndian32(record.data(), magic);
    record[4] = 1;
    record[5] = minor;
    NSTramvell::WriteBigEndian32(record.data() + 6, 0x01020304);
    NSTramvell::WriteBigEndian16(record.data() + 10, static_cast<std::uint16_t>(sliceCount));
    NSTramvell::WriteBigEndian32(record.data() + 12, 0x0A0B0C0D);
    for (std::uint32_t i = 0; i < sliceCount; ++i) {
        for (std::uint32_t value = 0; value < 3; ++value)
            record = record + NSChunkTests::BigEndian(0x100000 + 3 * i + value);
    }
    return record;
}

inline TBytes ApplicationChunk(const std::string& signature, const TBytes& record)
{
    return IFFChunk("APPL", NSChunkTests::Text(signature) + record);
}

} // namespace NSAudioTests
