#include "framework/foundation/platform/Int64.h"

#include "framework/foundation/core/ByteOrder.h"

namespace NSTramvell {

void CInt64::Set(std::uint32_t low, std::int32_t high)
{
    mLow = low;
    mHigh = high;
}

void CInt64::Get(CInt64& destination) const
{
    destination = *this;
}

bool CInt64::operator==(const CInt64& other) const
{
    return mLow == other.mLow && mHigh == other.mHigh;
}

bool CInt64::operator<(const CInt64& other) const
{
    if (mHigh != other.mHigh)
        return mHigh < other.mHigh;
    return mLow < other.mLow;
}

bool CInt64::operator<=(const CInt64& other) const
{
    return !(other < *this);
}

bool CInt64::operator>(const CInt64& other) const
{
    return other < *this;
}

bool CInt64::operator>=(const CInt64& other) const
{
    return !(*this < other);
}

void CInt64::WriteBigEndian(std::uint8_t* destination) const
{
    WriteBigEndian32(destination, static_cast<std::uint32_t>(mHigh));
    WriteBigEndian32(destination + 4, mLow);
}

void CInt64::ReadBigEndian(const std::uint8_t* source)
{
    mHigh = static_cast<std::int32_t>(ReadBigEndian32(source));
    mLow = ReadBigEndian32(source + 4);
}

} // namespace NSTramvell
