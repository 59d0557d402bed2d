#pragma once

// The geometry of a drawn piano keyboard of 128 notes. Every note, black or white, owns a column of
// the key width; a black key fills the upper part of its column, and the white keys' lower parts
// reach under their black neighbours. Hit tests answer 127 when no key is hit.

#include <cstdint>

namespace NSTramvell {

class CPoint;
class CRect;

enum EPianoKeyKind : std::int32_t
{
    kWhiteKeyBlackOnRight = 19,
    kBlackKey = 20,
    kWhiteKeyBetweenBlack = 21,
    kWhiteKeyBlackOnLeft = 22,
};

constexpr std::uint8_t kNoKeyHit = 127;

EPianoKeyKind GetPianoKeyKind(std::uint8_t note) noexcept;
bool IsBlackKey(std::uint8_t note) noexcept;

// The key's two rectangles in a keyboard of the given key width; answers the key's kind.
EPianoKeyKind GetKeyRects(std::uint8_t note, const CRect& keyboard, std::int32_t keyWidth, CRect& upper,
                          CRect& lower) noexcept;
// The note whose key holds the point; kNoKeyHit (also note 127's own answer) for none, and for a key
// width below 1.
std::uint8_t FindKeyAt(const CPoint& point, const CRect& keyboard, std::int32_t keyWidth) noexcept;

} // namespace NSTramvell
