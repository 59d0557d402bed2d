#include "framework/foundation/records/BitVector.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/Version.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>

namespace NSTramvell {
namespace {

// The record's own code; the framework's trace-server signature has the same four characters.
const CFourCharCode& GetBitVectorCode()
{
    static const CFourCharCode kCode("SBOy");
    return kCode;
}

const CVersion& GetBitVectorVersion()
{
    static const CVersion kVersion(1, 0, 0);
    return kVersion;
}

} // namespace

void WriteBitVector(CMedia& media, const std::vector<bool>& vector)
{
    media.WriteBigEndian32(GetBitVectorCode().GetFourCharCode());
    GetBitVectorVersion().Write(media);
    media.WriteBigEndian32(static_cast<std::uint32_t>(vector.size()));
    std::vector<std::uint8_t> elements(vector.begin(), vector.end());
    if (!elements.empty())
        media.Write(static_cast<std::int32_t>(elements.size()), elements.data());
}

void ReadBitVector(CMedia& media, std::vector<bool>& vector)
{
    if (media.ReadBigEndian32() != GetBitVectorCode().GetFourCharCode())
        throw XBadFormat();
    if (!CVersion(media).IsSameMajor(GetBitVectorVersion()))
        throw XBadFormat();
    const std::uint32_t count = media.ReadBigEndian32();
    const std::int64_t remaining = std::int64_t{media.GetSize()} - media.GetPosition();
    if (std::int64_t{count} > remaining)
        throw XRead();
    std::vector<std::uint8_t> elements(count);
    if (count != 0)
        media.Read(static_cast<std::int32_t>(count), elements.data());
    std::vector<bool> read(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (elements[i] > 1)
            throw XBadFormat();
        read[i] = elements[i] == 1;
    }
    vector.swap(read);
}

} // namespace NSTramvell
