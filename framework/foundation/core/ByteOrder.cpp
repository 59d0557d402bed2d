#include "framework/foundation/core/ByteOrder.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace NSTramvell {

namespace {

constexpr std::int32_t kExtendedBias = 16383;
constexpr std::uint16_t kExtendedSignBit = 0x8000;
constexpr std::uint16_t kExtendedExponentMask = 0x7FFF;

// Truncates toward zero, saturated; a not-a-number value gives 0.
std::int32_t SaturateDouble(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::uint8_t* WriteGroups(std::uint32_t value, std::int32_t count, std::uint8_t* buffer, int bitsPerGroup)
{
    const std::uint32_t mask = (1u << bitsPerGroup) - 1;
    for (std::int32_t i = count - 1; i >= 0; --i) {
        buffer[i] = static_cast<std::uint8_t>(value & mask);
        value >>= bitsPerGroup;
    }
    return buffer + (count > 0 ? count : 0);
}

const std::uint8_t* ReadGroups(std::int32_t count, const std::uint8_t* buffer, std::uint32_t& value,
                               int bitsPerGroup)
{
    const std::uint32_t mask = (1u << bitsPerGroup) - 1;
    for (std::int32_t i = 0; i < count; ++i)
        value = (value << bitsPerGroup) | (buffer[i] & mask);
    return buffer + (count > 0 ? count : 0);
}

} // namespace

std::uint16_t ReadLittleEndian16(const std::uint8_t* buffer)
{
    return static_cast<std::uint16_t>(buffer[0] | (buffer[1] << 8));
}

std::uint32_t ReadLittleEndian24(const std::uint8_t* buffer)
{
    return buffer[0] | (buffer[1] << 8) | (static_cast<std::uint32_t>(buffer[2]) << 16);
}

std::int32_t ReadLittleEndian24Signed(const std::uint8_t* buffer)
{
    const std::uint32_t value = ReadLittleEndian24(buffer);
    return static_cast<std::int32_t>(value ^ 0x800000u) - 0x800000;
}

std::uint32_t ReadLittleEndian32(const std::uint8_t* buffer)
{
    return buffer[0] | (buffer[1] << 8) | (static_cast<std::uint32_t>(buffer[2]) << 16)
           | (static_cast<std::uint32_t>(buffer[3]) << 24);
}

std::uint16_t ReadBigEndian16(const std::uint8_t* buffer)
{
    return static_cast<std::uint16_t>((buffer[0] << 8) | buffer[1]);
}

std::uint32_t ReadBigEndian24(const std::uint8_t* buffer)
{
    return (static_cast<std::uint32_t>(buffer[0]) << 16) | (buffer[1] << 8) | buffer[2];
}

std::int32_t ReadBigEndian24Signed(const std::uint8_t* buffer)
{
    const std::uint32_t value = ReadBigEndian24(buffer);
    return static_cast<std::int32_t>(value ^ 0x800000u) - 0x800000;
}

std::uint32_t ReadBigEndian32(const std::uint8_t* buffer)
{
    return (static_cast<std::uint32_t>(buffer[0]) << 24) | (static_cast<std::uint32_t>(buffer[1]) << 16)
           | (buffer[2] << 8) | buffer[3];
}

void WriteLittleEndian16(std::uint8_t* buffer, std::uint16_t value)
{
    buffer[0] = static_cast<std::uint8_t>(value);
    buffer[1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteLittleEndian24(std::uint8_t* buffer, std::uint32_t value)
{
    buffer[0] = static_cast<std::uint8_t>(value);
    buffer[1] = static_cast<std::uint8_t>(value >> 8);
    buffer[2] = static_cast<std::uint8_t>(value >> 16);
}

void WriteLittleEndian24Signed(std::uint8_t* buffer, std::int32_t value)
{
    WriteLittleEndian24(buffer, static_cast<std::uint32_t>(value));
}

void WriteLittleEndian32(std::uint8_t* buffer, std::uint32_t value)
{
    buffer[0] = static_cast<std::uint8_t>(value);
    buffer[1] = static_cast<std::uint8_t>(value >> 8);
    buffer[2] = static_cast<std::uint8_t>(value >> 16);
    buffer[3] = static_cast<std::uint8_t>(value >> 24);
}

void WriteBigEndian16(std::uint8_t* buffer, std::uint16_t value)
{
    buffer[0] = static_cast<std::uint8_t>(value >> 8);
    buffer[1] = static_cast<std::uint8_t>(value);
}

void WriteBigEndian24(std::uint8_t* buffer, std::uint32_t value)
{
    buffer[0] = static_cast<std::uint8_t>(value >> 16);
    buffer[1] = static_cast<std::uint8_t>(value >> 8);
    buffer[2] = static_cast<std::uint8_t>(value);
}

void WriteBigEndian24Signed(std::uint8_t* buffer, std::int32_t value)
{
    WriteBigEndian24(buffer, static_cast<std::uint32_t>(value));
}

void WriteBigEndian32(std::uint8_t* buffer, std::uint32_t value)
{
    buffer[0] = static_cast<std::uint8_t>(value >> 24);
    buffer[1] = static_cast<std::uint8_t>(value >> 16);
    buffer[2] = static_cast<std::uint8_t>(value >> 8);
    buffer[3] = static_cast<std::uint8_t>(value);
}

std::uint32_t ReadBigEndianN(std::int32_t count, const std::uint8_t* buffer)
{
    std::uint32_t value = 0;
    for (std::int32_t i = 0; i < count; ++i)
        value = (value << 8) | buffer[i];
    return value;
}

std::uint32_t ReadLittleEndianN(std::int32_t count, const std::uint8_t* buffer)
{
    std::uint32_t value = 0;
    for (std::int32_t i = count - 1; i >= 0; --i)
        value = (value << 8) | buffer[i];
    return value;
}

std::uint8_t* WriteLittleEndianN(std::uint32_t value, std::int32_t count, std::uint8_t* buffer)
{
    for (std::int32_t i = 0; i < count; ++i) {
        *buffer++ = static_cast<std::uint8_t>(value);
        value >>= 8;
    }
    return buffer;
}

std::uint16_t SwapBytes16(std::uint16_t value)
{
    return static_cast<std::uint16_t>((value << 8) | (value >> 8));
}

std::uint32_t SwapBytes32(std::uint32_t value)
{
    return (value << 24) | ((value & 0xFF00u) << 8) | ((value >> 8) & 0xFF00u) | (value >> 24);
}

std::uint8_t* SwapBytes16InPlace(std::uint8_t* buffer)
{
    const std::uint8_t first = buffer[0];
    buffer[0] = buffer[1];
    buffer[1] = first;
    return buffer;
}

std::uint8_t* SwapBytes32InPlace(std::uint8_t* buffer)
{
    WriteLittleEndian32(buffer, ReadBigEndian32(buffer));
    return buffer;
}

std::uint16_t* SwapWordArray(std::uint16_t* words, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i, ++words)
        *words = SwapBytes16(*words);
    return words;
}

std::uint32_t MakeLong(std::uint16_t high, std::uint16_t low)
{
    return (static_cast<std::uint32_t>(high) << 16) | low;
}

std::uint16_t LowWord(std::uint32_t value) { return static_cast<std::uint16_t>(value); }
std::uint16_t HighWord(std::uint32_t value) { return static_cast<std::uint16_t>(value >> 16); }

std::uint16_t MakeWord(std::uint8_t high, std::uint8_t low)
{
    return static_cast<std::uint16_t>((high << 8) | low);
}

std::uint8_t LowByte(std::uint32_t value) { return static_cast<std::uint8_t>(value); }
std::uint8_t SecondByte(std::uint32_t value) { return static_cast<std::uint8_t>(value >> 8); }
std::uint8_t ThirdByte(std::uint32_t value) { return static_cast<std::uint8_t>(value >> 16); }
std::uint8_t HighByte(std::uint32_t value) { return static_cast<std::uint8_t>(value >> 24); }

void SplitLong(std::uint32_t value, std::uint8_t& b0, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3)
{
    b0 = HighByte(value);
    b1 = ThirdByte(value);
    b2 = SecondByte(value);
    b3 = LowByte(value);
}

void SplitWord(std::uint16_t value, std::uint8_t& high, std::uint8_t& low)
{
    high = static_cast<std::uint8_t>(value >> 8);
    low = static_cast<std::uint8_t>(value);
}

std::uint32_t MakeLongFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
{
    const std::uint8_t bytes[4] = {b0, b1, b2, b3};
    return ReadBigEndian32(bytes);
}

std::int64_t MakeInt64(std::int32_t high, std::uint32_t low)
{
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32) | low);
}

void SplitInt64(std::int64_t value, std::int32_t& high, std::uint32_t& low)
{
    const std::uint64_t bits = static_cast<std::uint64_t>(value);
    high = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32));
    low = static_cast<std::uint32_t>(bits);
}

std::uint8_t BoolToByte(bool flag) { return flag ? 1 : 0; }
bool ByteToBool(std::uint8_t value) { return value != 0; }

std::uint8_t HighNibble(std::uint8_t value) { return static_cast<std::uint8_t>(value >> 4); }
std::uint8_t LowNibble(std::uint8_t value) { return static_cast<std::uint8_t>(value & 15); }

std::uint8_t MakeByteFromNibbles(std::uint8_t high, std::uint8_t low)
{
    return static_cast<std::uint8_t>((high << 4) | low);
}

std::uint8_t BcdToBinary(std::uint8_t value)
{
    return static_cast<std::uint8_t>(HighNibble(value) * 10 + LowNibble(value));
}

const std::uint8_t* PackNibblePairs(const std::uint8_t* source, std::int32_t count, std::uint8_t* destination)
{
    for (std::int32_t i = 0; i < count; ++i, source += 2)
        destination[i] = MakeByteFromNibbles(LowNibble(source[0]), LowNibble(source[1]));
    return source;
}

std::uint8_t* UnpackNibblePairs(std::uint8_t* destination, std::int32_t count, const std::uint8_t* source)
{
    for (std::int32_t i = 0; i < count; ++i) {
        *destination++ = HighNibble(source[i]);
        *destination++ = LowNibble(source[i]);
    }
    return destination;
}

void SplitNibblesLowFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i) {
        destination[2 * i] = LowNibble(source[i]);
        destination[2 * i + 1] = HighNibble(source[i]);
    }
}

void JoinNibblesLowFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i)
        destination[i] = MakeByteFromNibbles(source[2 * i + 1], source[2 * i]);
}

void SplitNibblesHighFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count)
{
    UnpackNibblePairs(destination, count, source);
}

void JoinNibblesHighFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i)
        destination[i] = MakeByteFromNibbles(source[2 * i], source[2 * i + 1]);
}

std::uint8_t* WriteSevenBitGroups(std::uint32_t value, std::int32_t count, std::uint8_t* buffer)
{
    return WriteGroups(value, count, buffer, 7);
}

const std::uint8_t* ReadSevenBitGroups(std::int32_t count, const std::uint8_t* buffer, std::uint32_t& value)
{
    return ReadGroups(count, buffer, value, 7);
}

std::uint8_t* WriteFourBitGroups(std::uint32_t value, std::int32_t count, std::uint8_t* buffer)
{
    return WriteGroups(value, count, buffer, 4);
}

const std::uint8_t* ReadFourBitGroups(std::int32_t count, const std::uint8_t* buffer, std::uint32_t& value)
{
    return ReadGroups(count, buffer, value, 4);
}

void PackEightToSeven(std::uint8_t* destination, const std::uint8_t* source)
{
    std::uint8_t topBits = 0;
    for (int k = 0; k < 7; ++k) {
        destination[k] = static_cast<std::uint8_t>(source[k] & 127);
        if (source[k] & 128)
            topBits = static_cast<std::uint8_t>(topBits | (1 << (6 - k)));
    }
    destination[7] = topBits;
}

void UnpackSevenToEight(const std::uint8_t* source, std::uint8_t* destination)
{
    for (int k = 0; k < 7; ++k) {
        const bool topBit = (source[7] >> (6 - k)) & 1;
        destination[k] = static_cast<std::uint8_t>(source[k] | (topBit ? 128 : 0));
    }
}

std::int32_t PackedSevenBitSize(std::int32_t sizeInBytes)
{
    return sizeInBytes < 1 ? 0 : 8 * (sizeInBytes / 7 + (sizeInBytes % 7 != 0 ? 1 : 0));
}

void PackBufferEightToSeven(std::uint8_t* destination, const std::uint8_t* source, std::int32_t sizeInBytes)
{
    for (std::int32_t done = 0; done < sizeInBytes; done += 7, destination += 8) {
        std::uint8_t group[7] = {};
        std::memcpy(group, source + done, static_cast<std::size_t>(Min(7, sizeInBytes - done)));
        PackEightToSeven(destination, group);
    }
}

std::uint32_t BitMask(std::int32_t bit)
{
    return 1u << (bit & 31);
}

bool TestBit(std::uint32_t value, std::int32_t bit)
{
    return (value & BitMask(bit)) != 0;
}

std::int32_t CountBits(std::uint32_t value)
{
    std::int32_t count = 0;
    for (; value != 0; value &= value - 1)
        ++count;
    return count;
}

std::int32_t CountBitsInRange(std::uint32_t value, std::int32_t first, std::int32_t last)
{
    std::int32_t count = 0;
    for (std::int32_t bit = Max(first, 0); bit <= Min(last, 31); ++bit)
        count += TestBit(value, bit) ? 1 : 0;
    return count;
}

bool HasAtMostOneBit(std::uint32_t value)
{
    return (value & (value - 1)) == 0;
}

std::uint32_t FlagsToMask(const std::uint8_t* flags, std::int16_t count)
{
    std::uint32_t mask = 0;
    for (std::int16_t i = 0; i < count; ++i) {
        if (flags[i] != 0)
            mask |= BitMask(i);
    }
    return mask;
}

void MaskToFlags(std::uint32_t mask, std::uint8_t* flags, std::int16_t count)
{
    for (std::int16_t i = 0; i < count; ++i)
        flags[i] = TestBit(mask, i) ? 1 : 0;
}

std::uint8_t MakeByteFromBits(bool b7, bool b6, bool b5, bool b4, bool b3, bool b2, bool b1, bool b0)
{
    return static_cast<std::uint8_t>((b7 << 7) | (b6 << 6) | (b5 << 5) | (b4 << 4) | (b3 << 3) | (b2 << 2)
                                     | (b1 << 1) | (b0 ? 1 : 0));
}

bool ContainsByte(const std::uint8_t* buffer, std::int32_t length, std::uint8_t value)
{
    // The index is as wide as the length: a narrower one would wrap and never reach the end.
    for (std::int32_t i = 0; i < length; ++i) {
        if (buffer[i] == value)
            return true;
    }
    return false;
}

std::uint32_t ByteSum(const std::uint8_t* buffer, std::int32_t length)
{
    std::uint32_t sum = 0;
    for (std::int32_t i = 0; i < length; ++i)
        sum += buffer[i];
    return sum;
}

void ZeroFill(void* buffer, std::int32_t length)
{
    if (length > 0)
        std::memset(buffer, 0, static_cast<std::size_t>(length));
}

double ReadExtended80(const std::uint8_t* buffer)
{
    const std::uint16_t exponentWord = ReadBigEndian16(buffer);
    const std::uint32_t high = ReadBigEndian32(buffer + 2);
    const std::uint32_t low = ReadBigEndian32(buffer + 6);
    if (exponentWord == 0 && high == 0 && low == 0)
        return 0.0;
    // The mantissa in [0, 2) first, then the binary exponent, so that neither step leaves the range.
    const double mantissa = std::ldexp(static_cast<double>(high), -31) + std::ldexp(static_cast<double>(low), -63);
    const double magnitude = std::ldexp(mantissa, (exponentWord & kExtendedExponentMask) - kExtendedBias);
    return (exponentWord & kExtendedSignBit) != 0 ? -magnitude : magnitude;
}

void WriteExtended80(std::uint8_t* buffer, double value)
{
    if (value == 0.0) {
        ZeroFill(buffer, 10);
        return;
    }
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    std::uint16_t exponentWord;
    std::uint64_t mantissa;
    if (std::isnan(magnitude)) {
        exponentWord = kExtendedExponentMask;
        mantissa = 0xC000000000000000u;
    } else if (std::isinf(magnitude)) {
        exponentWord = kExtendedExponentMask;
        mantissa = 0x8000000000000000u;
    } else {
        // frexp gives the exact binary exponent, where a logarithm may round across a power of two.
        int binaryExponent = 0;
        const double fraction = std::frexp(magnitude, &binaryExponent); // in [0.5, 1)
        exponentWord = static_cast<std::uint16_t>(binaryExponent - 1 + kExtendedBias);
        // A double's 53 mantissa bits fit the 64 exactly, so the scaling loses nothing.
        mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    }
    if (negative)
        exponentWord = static_cast<std::uint16_t>(exponentWord | kExtendedSignBit);
    WriteBigEndian16(buffer, exponentWord);
    WriteBigEndian32(buffer + 2, static_cast<std::uint32_t>(mantissa >> 32));
    WriteBigEndian32(buffer + 6, static_cast<std::uint32_t>(mantissa));
}

std::int64_t Extended80ToInt64(const std::uint8_t* buffer)
{
    const double value = ReadExtended80(buffer);
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

void IntToExtended80(std::uint8_t* buffer, std::int32_t value)
{
    WriteExtended80(buffer, static_cast<double>(value));
}

void CopyStringToBuffer(std::uint8_t* buffer, std::int32_t length, const std::string& text)
{
    if (length < 0)
        return;
    ZeroFill(buffer, length + 1);
    std::int32_t written = 0;
    for (std::size_t i = 0; i < text.size() && written < length; ++i) {
        if (text[i] != '\n')
            buffer[written++] = static_cast<std::uint8_t>(text[i]);
    }
}

std::string MakeStringFromBuffer(const std::uint8_t* buffer, std::uint16_t length)
{
    return std::string(reinterpret_cast<const char*>(buffer), length);
}

std::string MakeStringFromText(const char* text)
{
    std::string result;
    for (; *text != '\0'; ++text) {
        result += *text;
        if (*text == '\r')
            result += '\n';
    }
    return result;
}

std::string MakeString(const char* text)
{
    return std::string(text);
}

std::int32_t SaturateToInt32(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t Min(std::int32_t a, std::int32_t b) { return a < b ? a : b; }
std::int32_t Max(std::int32_t a, std::int32_t b) { return a > b ? a : b; }

std::int32_t Abs(std::int32_t a)
{
    // Negated through unsigned arithmetic, so the most negative value comes back as itself.
    return a < 0 ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(a)) : a;
}

std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return value < low ? low : Min(value, high);
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    if (c == 0)
        return product == 0 ? 0 : SaturateToInt32(product > 0 ? std::numeric_limits<std::int64_t>::max()
                                                       : std::numeric_limits<std::int64_t>::min());
    return SaturateToInt32(product / c);
}

std::int32_t MulDivRoundUp(std::int32_t a, std::int32_t b, std::int32_t c)
{
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    if (c == 0)
        return MulDiv(a, b, c);
    if (product > 0 && c > 0)
        product += c - 1;
    else if (product < 0 && c < 0)
        product += c + 1;
    return SaturateToInt32(product / c);
}

std::int32_t MulDivRound(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return MulDiv(a, b, c);
    const std::uint32_t product = static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b);
    const std::int32_t rounded = static_cast<std::int32_t>(product + static_cast<std::uint32_t>(c >> 1));
    if (c == -1)
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(rounded));
    return rounded / c;
}

std::int32_t MulDivFloat(std::int32_t a, std::int32_t b, std::int32_t c)
{
    return SaturateDouble(static_cast<double>(a) * b / c);
}

std::int32_t MulDivFloatUp(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const double product = static_cast<double>(a) * b;
    const std::int32_t quotient = SaturateDouble(product / c);
    if (static_cast<double>(quotient) * c < product && quotient < std::numeric_limits<std::int32_t>::max())
        return quotient + 1;
    return quotient;
}

std::int32_t RoundDownToMultiple(std::int32_t x, std::int32_t step)
{
    if (step == 0 || step == -1)
        return x;
    const std::int32_t remainder = x % step;
    const std::int64_t result = static_cast<std::int64_t>(x) - remainder - (x < 0 && remainder != 0 ? step : 0);
    return SaturateToInt32(result);
}

std::int32_t RoundUpToMultiple(std::int32_t x, std::int32_t step)
{
    if (step == 0 || step == -1)
        return x;
    const std::int32_t remainder = x % step;
    const std::int64_t result = static_cast<std::int64_t>(x) - remainder + (x >= 0 && remainder != 0 ? step : 0);
    return SaturateToInt32(result);
}

std::int32_t RoundToNearestMultiple(std::int32_t x, std::int32_t step)
{
    if (x == 0 || step == 0 || step == -1)
        return x;
    const std::int64_t half = step / 2;
    if (x > 0) {
        const std::int64_t shifted = x + half;
        return SaturateToInt32(shifted - shifted % step);
    }
    const std::int64_t shifted = x - half;
    return SaturateToInt32(shifted - shifted % step);
}

std::int32_t DivRoundUp(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        b = 1;
    const std::int64_t wideA = a;
    if (a < 0 && b < 0)
        return SaturateToInt32((wideA + b + 1) / b);
    if (a > 0 && b > 0)
        return SaturateToInt32((wideA + b - 1) / b);
    return SaturateToInt32(wideA / b);
}

bool WithinTolerance(std::int32_t a, std::int32_t b, std::int32_t tolerance)
{
    const std::int64_t difference = static_cast<std::int64_t>(a) - b;
    return (difference < 0 ? -difference : difference) <= tolerance;
}

bool RangesOverlap(std::int32_t start1, std::int32_t end1, std::int32_t start2, std::int32_t end2)
{
    return end1 > start2 && end2 > start1;
}

double Interpolate(float x0, float y0, float x1, float y1, float x)
{
    if (x1 == x0)
        return y1;
    const double slope = (static_cast<double>(y1) - y0) / (static_cast<double>(x1) - x0);
    return y0 - x0 * slope + slope * x;
}

} // namespace NSTramvell
