#include "framework/gui/geometry/KeyboardGeometry.h"

#include "framework/gui/geometry/Rect.h"

namespace NSTramvell {

namespace {

constexpr EPianoKeyKind kOctaveKinds[12] = {
    kWhiteKeyBlackOnRight, kBlackKey, kWhiteKeyBetweenBlack, kBlackKey, kWhiteKeyBlackOnLeft,
    kWhiteKeyBlackOnRight, kBlackKey, kWhiteKeyBetweenBlack, kBlackKey, kWhiteKeyBetweenBlack,
    kBlackKey,             kWhiteKeyBlackOnLeft};

constexpr std::int32_t kHighestNote = 127;

} // namespace

EPianoKeyKind GetPianoKeyKind(std::uint8_t note) noexcept
{
    return kOctaveKinds[note % 12];
}

bool IsBlackKey(std::uint8_t note) noexcept
{
    return GetPianoKeyKind(note) == kBlackKey;
}

EPianoKeyKind GetKeyRects(std::uint8_t note, const CRect& keyboard, std::int32_t keyWidth, CRect& upper,
                          CRect& lower) noexcept
{
    const std::int32_t left = keyboard.GetLeft() + note * keyWidth;
    const std::int32_t blackHeight = keyboard.GetHeight() * 6 / 10;
    const std::int32_t middle = keyboard.GetTop() + blackHeight;
    const std::int32_t half = keyWidth / 2;
    const std::int32_t rest = keyWidth - half;
    upper = CRect(left, keyboard.GetTop(), left + keyWidth, middle);

    const EPianoKeyKind kind = GetPianoKeyKind(note);
    // A white key's lower part reaches under about half of each black neighbour's column.
    const std::int32_t underLeftNeighbour = half + 1;
    const std::int32_t underRightNeighbour = rest - 1;
    switch (kind) {
    case kWhiteKeyBlackOnRight:
        lower = CRect(left, middle, left + keyWidth + underRightNeighbour, keyboard.GetBottom());
        break;
    case kWhiteKeyBetweenBlack:
        lower = CRect(left - underLeftNeighbour, middle, left + keyWidth + underRightNeighbour, keyboard.GetBottom());
        break;
    case kWhiteKeyBlackOnLeft:
        lower = CRect(left - underLeftNeighbour, middle, left + keyWidth, keyboard.GetBottom());
        break;
    case kBlackKey:
        lower = CRect(left, middle, left + keyWidth - 1, keyboard.GetBottom());
        break;
    }
    return kind;
}

std::uint8_t FindKeyAt(const CPoint& point, const CRect& keyboard, std::int32_t keyWidth) noexcept
{
    if (keyWidth < 1)
        return kNoKeyHit;
    const auto column = static_cast<std::uint8_t>((point.GetX() - keyboard.GetLeft()) / keyWidth);
    // A white key's lower part reaches into the columns on both sides of its own.
    const std::int32_t first = column == 0 ? 0 : column - 1;
    for (std::int32_t candidate = first; candidate < first + 3; ++candidate) {
        const auto note = static_cast<std::uint8_t>(candidate > kHighestNote ? kHighestNote : candidate);
        CRect upper;
        CRect lower;
        GetKeyRects(note, keyboard, keyWidth, upper, lower);
        if (upper.Contains(point) || (!IsBlackKey(note) && lower.Contains(point)))
            return note;
    }
    return kNoKeyHit;
}

} // namespace NSTramvell
