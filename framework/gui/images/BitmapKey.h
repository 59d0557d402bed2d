#pragma once

// The name of one picture the user interface shows: a bitmap resource id, a word that only tells keys
// apart, and flags for how the picture is made (masked, tinted, read as 32 bits). A plain value.

#include <cstdint>

namespace NSTramvell {

class CBitmapKey
{
public:
    explicit CBitmapKey(std::uint16_t resourceId, std::uint32_t variant = 0) noexcept
        : mResourceId(resourceId), mVariant(variant), mFlags(0)
    {
    }

    std::uint16_t GetResourceId() const noexcept { return mResourceId; }
    std::uint32_t GetVariant() const noexcept { return mVariant; }
    std::uint32_t SetVariant(std::uint32_t variant) noexcept { return mVariant = variant; }

    void SetMasked() noexcept { mFlags |= kMaskedFlag; }
    void Set32Bit() noexcept { mFlags |= k32BitFlag; }
    // Keeps the masked flag only: a tinted picture is never read as 32 bits.
    void SetTintColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) noexcept;
    // The toolbar's name for the tint: a masked picture averaged with the colour it stands on.
    void SetMaskColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) noexcept
    {
        SetTintColor(red, green, blue);
    }
    bool IsMasked() const noexcept { return (mFlags & kMaskedFlag) != 0; }
    bool HasTintColor() const noexcept { return (mFlags & kTintFlag) != 0; }
    bool Is32Bit() const noexcept { return (mFlags & k32BitFlag) != 0; }
    // The tint as 0x00RRGGBB.
    std::uint32_t GetTintRGB() const noexcept { return mFlags & kTintColorMask; }

    friend bool operator==(const CBitmapKey& a, const CBitmapKey& b) noexcept
    {
        return a.mResourceId == b.mResourceId && a.mVariant == b.mVariant && a.mFlags == b.mFlags;
    }

private:
    static constexpr std::uint32_t kMaskedFlag = 0x80000000u;
    static constexpr std::uint32_t kTintFlag = 0x40000000u;
    static constexpr std::uint32_t k32BitFlag = 0x20000000u;
    static constexpr std::uint32_t kTintColorMask = 0x00FFFFFFu;

    std::uint16_t mResourceId;
    std::uint32_t mVariant;
    std::uint32_t mFlags;
};

} // namespace NSTramvell
