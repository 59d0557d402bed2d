#pragma once

// A font as views ask for it: face, size in pixels of a 96-dpi screen, three style flags and the
// character set that the platform font is made with.

#include <cstdint>
#include <string>
#include <utility>

namespace NSTramvell {

class CFontSpec
{
public:
    CFontSpec(std::string face, std::uint16_t size)
        : CFontSpec(std::move(face), size, 0, 0, 0)
    {
    }
    CFontSpec(std::string face, std::uint16_t size, std::uint8_t bold, std::uint8_t italic, std::uint8_t underline)
        : mFace(std::move(face))
        , mSize(size)
        , mBold(bold)
        , mItalic(italic)
        , mUnderline(underline)
        , mCharacterSet(0)
    {
    }

    const std::string& GetFace() const noexcept { return mFace; }
    void SetFace(const std::string& face) { mFace = face; }
    std::uint16_t GetSize() const noexcept { return mSize; }
    void SetSize(std::uint16_t size) noexcept { mSize = size; }
    std::uint8_t GetBold() const noexcept { return mBold; }
    void SetBold(std::uint8_t bold) noexcept { mBold = bold; }
    std::uint8_t GetItalic() const noexcept { return mItalic; }
    void SetItalic(std::uint8_t italic) noexcept { mItalic = italic; }
    std::uint8_t GetUnderline() const noexcept { return mUnderline; }
    void SetUnderline(std::uint8_t underline) noexcept { mUnderline = underline; }
    std::uint8_t GetCharacterSet() const noexcept { return mCharacterSet; }
    void SetCharacterSet(std::uint8_t characterSet) noexcept { mCharacterSet = characterSet; }

    // Stored descriptions compare without their character set; IsSameFont also counts it, for code
    // that decides whether a platform font made from one description serves the other.
    friend bool operator==(const CFontSpec& a, const CFontSpec& b) noexcept
    {
        return a.mFace == b.mFace && a.mSize == b.mSize && a.mBold == b.mBold && a.mItalic == b.mItalic &&
               a.mUnderline == b.mUnderline;
    }
    bool IsSameFont(const CFontSpec& other) const noexcept
    {
        return *this == other && mCharacterSet == other.mCharacterSet;
    }

private:
    std::string mFace;
    std::uint16_t mSize;
    std::uint8_t mBold;
    std::uint8_t mItalic;
    std::uint8_t mUnderline;
    std::uint8_t mCharacterSet;
};

} // namespace NSTramvell
