#pragma once

// A history of text lines: IStringList is what views that show lines read, CStringList a ring of
// fixed-length lines in which the newest line overwrites the oldest once the ring is full.

#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

class IStringList
{
public:
    virtual ~IStringList() = default;
    virtual void AddLine(const std::string& text) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t GetLineCount() const = 0;
    // Counted back from the newest line, 0 being the newest.
    virtual std::string GetLine(std::int32_t index) const = 0;
};

class CStringList : public IStringList
{
public:
    // std::invalid_argument for a capacity of 0 or a negative line length: such a ring holds nothing.
    CStringList(std::uint16_t capacity, std::int32_t lineLength);

    // Keeps at most the line length's characters, up to the first NUL.
    void AddLine(const std::string& text) override;
    void Clear() override;
    std::int32_t GetLineCount() const override;
    // std::out_of_range for an index outside 0 .. line count - 1.
    std::string GetLine(std::int32_t index) const override;

private:
    std::uint16_t mCapacity;
    std::int64_t mWritten = 0;   // lines added since the last clear; 64-bit, so it never wraps
    std::int32_t mLineLength;
    std::vector<std::vector<char>> mLines;   // capacity buffers of line length + 1 bytes
};

} // namespace NSTramvell
