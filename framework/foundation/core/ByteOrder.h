#pragma once

// Stateless helpers for stored bytes and small integer arithmetic: integers of 16, 24 and 32 bits in
// either byte order, the 80-bit extended number of the audio file formats, nibble and 7-bit packings,
// bit counts, fixed text buffers, and multiply-then-divide with a 64-bit intermediate. No function
// checks the length of a buffer it is given; the caller owns the buffer and its size.

#include <cstdint>
#include <string>

namespace NSTramvell {

// Byte order. Big-endian is most significant byte first (IFF, AIFF, MIDI); little-endian least
// significant first (RIFF, WAVE). 16-bit results are raw words: the caller takes them as signed or not.
std::uint16_t ReadLittleEndian16(const std::uint8_t* buffer);
std::uint32_t ReadLittleEndian24(const std::uint8_t* buffer);
std::int32_t ReadLittleEndian24Signed(const std::uint8_t* buffer);
std::uint32_t ReadLittleEndian32(const std::uint8_t* buffer);
std::uint16_t ReadBigEndian16(const std::uint8_t* buffer);
std::uint32_t ReadBigEndian24(const std::uint8_t* buffer);
std::int32_t ReadBigEndian24Signed(const std::uint8_t* buffer);
std::uint32_t ReadBigEndian32(const std::uint8_t* buffer);

void WriteLittleEndian16(std::uint8_t* buffer, std::uint16_t value);
void WriteLittleEndian24(std::uint8_t* buffer, std::uint32_t value);
void WriteLittleEndian24Signed(std::uint8_t* buffer, std::int32_t value);
void WriteLittleEndian32(std::uint8_t* buffer, std::uint32_t value);
void WriteBigEndian16(std::uint8_t* buffer, std::uint16_t value);
void WriteBigEndian24(std::uint8_t* buffer, std::uint32_t value);
void WriteBigEndian24Signed(std::uint8_t* buffer, std::int32_t value);
void WriteBigEndian32(std::uint8_t* buffer, std::uint32_t value);

// Folds count bytes into a 32-bit value (count 0 gives 0; bytes beyond four shift the first ones out).
std::uint32_t ReadBigEndianN(std::int32_t count, const std::uint8_t* buffer);
std::uint32_t ReadLittleEndianN(std::int32_t count, const std::uint8_t* buffer);
// Returns the pointer behind the last byte written.
std::uint8_t* WriteLittleEndianN(std::uint32_t value, std::int32_t count, std::uint8_t* buffer);

// Whole values.
std::uint16_t SwapBytes16(std::uint16_t value);
std::uint32_t SwapBytes32(std::uint32_t value);
std::uint8_t* SwapBytes16InPlace(std::uint8_t* buffer);
std::uint8_t* SwapBytes32InPlace(std::uint8_t* buffer);
// Returns the pointer behind the last word.
std::uint16_t* SwapWordArray(std::uint16_t* words, std::int32_t count);
std::uint32_t MakeLong(std::uint16_t high, std::uint16_t low);
std::uint16_t LowWord(std::uint32_t value);
std::uint16_t HighWord(std::uint32_t value);
std::uint16_t MakeWord(std::uint8_t high, std::uint8_t low);
std::uint8_t LowByte(std::uint32_t value);
std::uint8_t SecondByte(std::uint32_t value);
std::uint8_t ThirdByte(std::uint32_t value);
std::uint8_t HighByte(std::uint32_t value);
// b0 is the most significant byte.
void SplitLong(std::uint32_t value, std::uint8_t& b0, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3);
void SplitWord(std::uint16_t value, std::uint8_t& high, std::uint8_t& low);
std::uint32_t MakeLongFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
std::int64_t MakeInt64(std::int32_t high, std::uint32_t low);
void SplitInt64(std::int64_t value, std::int32_t& high, std::uint32_t& low);
std::uint8_t BoolToByte(bool flag);
bool ByteToBool(std::uint8_t value);

// Nibbles and small groups.
std::uint8_t HighNibble(std::uint8_t value);
std::uint8_t LowNibble(std::uint8_t value);
std::uint8_t MakeByteFromNibbles(std::uint8_t high, std::uint8_t low);
std::uint8_t BcdToBinary(std::uint8_t value);
// Makes count bytes of 2 * count source nibbles (high first); returns the source pointer behind the last pair.
const std::uint8_t* PackNibblePairs(const std::uint8_t* source, std::int32_t count, std::uint8_t* destination);
// Makes 2 * count nibble bytes (high first) of count source bytes; returns the destination pointer behind them.
std::uint8_t* UnpackNibblePairs(std::uint8_t* destination, std::int32_t count, const std::uint8_t* source);
// The Split functions read count bytes and write 2 * count; the Join functions write count bytes
// from 2 * count.
void SplitNibblesLowFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count);
void JoinNibblesLowFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count);
void SplitNibblesHighFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count);
void JoinNibblesHighFirst(std::uint8_t* destination, const std::uint8_t* source, std::int32_t count);
// Groups carry no continuation bit; the last byte holds the lowest bits. The readers fold into value
// without clearing it first. All return the pointer behind the group.
std::uint8_t* WriteSevenBitGroups(std::uint32_t value, std::int32_t count, std::uint8_t* buffer);
const std::uint8_t* ReadSevenBitGroups(std::int32_t count, const std::uint8_t* buffer, std::uint32_t& value);
std::uint8_t* WriteFourBitGroups(std::uint32_t value, std::int32_t count, std::uint8_t* buffer);
const std::uint8_t* ReadFourBitGroups(std::int32_t count, const std::uint8_t* buffer, std::uint32_t& value);
// 7 bytes into 8 seven-bit bytes: the top bits of the 7 gather in the eighth byte.
void PackEightToSeven(std::uint8_t* destination, const std::uint8_t* source);
void UnpackSevenToEight(const std::uint8_t* source, std::uint8_t* destination);
std::int32_t PackedSevenBitSize(std::int32_t sizeInBytes);
void PackBufferEightToSeven(std::uint8_t* destination, const std::uint8_t* source, std::int32_t sizeInBytes);

// Bits. Bit numbers are taken modulo 32.
std::uint32_t BitMask(std::int32_t bit);
bool TestBit(std::uint32_t value, std::int32_t bit);
std::int32_t CountBits(std::uint32_t value);
std::int32_t CountBitsInRange(std::uint32_t value, std::int32_t first, std::int32_t last);
bool HasAtMostOneBit(std::uint32_t value);
std::uint32_t FlagsToMask(const std::uint8_t* flags, std::int16_t count);
void MaskToFlags(std::uint32_t mask, std::uint8_t* flags, std::int16_t count);
std::uint8_t MakeByteFromBits(bool b7, bool b6, bool b5, bool b4, bool b3, bool b2, bool b1, bool b0);
bool ContainsByte(const std::uint8_t* buffer, std::int32_t length, std::uint8_t value);
std::uint32_t ByteSum(const std::uint8_t* buffer, std::int32_t length);
void ZeroFill(void* buffer, std::int32_t length);

// The 10-byte big-endian extended number: sign and 15-bit exponent (bias 16383), then a 64-bit
// mantissa with an explicit integer bit.
double ReadExtended80(const std::uint8_t* buffer);
void WriteExtended80(std::uint8_t* buffer, double value);
std::int64_t Extended80ToInt64(const std::uint8_t* buffer);
void IntToExtended80(std::uint8_t* buffer, std::int32_t value);

// Strings and fixed buffers.
// Clears length + 1 bytes, then copies the text without its line feeds, at most length characters.
void CopyStringToBuffer(std::uint8_t* buffer, std::int32_t length, const std::string& text);
std::string MakeStringFromBuffer(const std::uint8_t* buffer, std::uint16_t length);
// Adds a line feed after every carriage return.
std::string MakeStringFromText(const char* text);
std::string MakeString(const char* text);

// Signed 32-bit arithmetic.
// The value, or the nearer end of the 32-bit range.
std::int32_t SaturateToInt32(std::int64_t value);
std::int32_t Min(std::int32_t a, std::int32_t b);
std::int32_t Max(std::int32_t a, std::int32_t b);
std::int32_t Abs(std::int32_t a);
// low wins when low > high.
std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high);
// a * b / c with a 64-bit product, saturated to the 32-bit range.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);
std::int32_t MulDivRoundUp(std::int32_t a, std::int32_t b, std::int32_t c);
// (a * b + c / 2) / c in 32-bit arithmetic: the product wraps.
std::int32_t MulDivRound(std::int32_t a, std::int32_t b, std::int32_t c);
std::int32_t MulDivFloat(std::int32_t a, std::int32_t b, std::int32_t c);
std::int32_t MulDivFloatUp(std::int32_t a, std::int32_t b, std::int32_t c);
std::int32_t RoundDownToMultiple(std::int32_t x, std::int32_t step);
std::int32_t RoundUpToMultiple(std::int32_t x, std::int32_t step);
// Halves round away from zero.
std::int32_t RoundToNearestMultiple(std::int32_t x, std::int32_t step);
// b = 0 is taken as 1.
std::int32_t DivRoundUp(std::int32_t a, std::int32_t b);
bool WithinTolerance(std::int32_t a, std::int32_t b, std::int32_t tolerance);
// Half-open ranges [start, end).
bool RangesOverlap(std::int32_t start1, std::int32_t end1, std::int32_t start2, std::int32_t end2);
double Interpolate(float x0, float y0, float x1, float y1, float x);

} // namespace NSTramvell
