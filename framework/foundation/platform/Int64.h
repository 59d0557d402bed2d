#pragma once

#include <cstdint>

namespace NSTramvell {

// A signed 64-bit value kept as two words, low word first (unsigned), high word signed: the framework's
// type for file sizes, volume sizes and positions. Stored as 8 bytes, big-endian.
class CInt64
{
public:
    constexpr CInt64() = default;
    constexpr CInt64(std::uint32_t low, std::int32_t high)
        : mLow(low)
        , mHigh(high)
    {
    }

    void Set(std::uint32_t low, std::int32_t high);
    void Get(CInt64& destination) const;
    std::uint32_t GetLow() const { return mLow; }
    std::int32_t GetHigh() const { return mHigh; }

    bool operator==(const CInt64& other) const;
    bool operator<(const CInt64& other) const;
    bool operator<=(const CInt64& other) const;
    bool operator>(const CInt64& other) const;
    bool operator>=(const CInt64& other) const;

    // The high word, then the low word, each as a big-endian 32-bit value.
    void WriteBigEndian(std::uint8_t* destination) const;
    void ReadBigEndian(const std::uint8_t* source);

private:
    std::uint32_t mLow = 0;
    std::int32_t mHigh = 0;
};

} // namespace NSTramvell
