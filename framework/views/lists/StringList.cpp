#include "framework/views/lists/StringList.h"

#include "framework/foundation/strings/ZeroTerminatedStrings.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {

CStringList::CStringList(std::uint16_t capacity, std::int32_t lineLength)
    : mCapacity(capacity), mLineLength(lineLength)
{
    if (capacity == 0)
        throw std::invalid_argument("string list without lines");
    if (lineLength < 0)
        throw std::invalid_argument("string list with a negative line length");
    mLines.reserve(capacity);
    for (std::uint16_t i = 0; i < capacity; ++i)
        mLines.emplace_back(static_cast<std::size_t>(lineLength) + 1, '\0');
}

void CStringList::AddLine(const std::string& text)
{
    std::vector<char>& line = mLines[static_cast<std::size_t>(mWritten % mCapacity)];
    CopyString(text.c_str(), line.data(), mLineLength);
    ++mWritten;
}

void CStringList::Clear()
{
    mWritten = 0;
    for (std::vector<char>& line : mLines)
        line[0] = '\0';
}

std::int32_t CStringList::GetLineCount() const
{
    return static_cast<std::int32_t>(std::min<std::int64_t>(mCapacity, mWritten));
}

std::string CStringList::GetLine(std::int32_t index) const
{
    if (index < 0 || index >= GetLineCount())
        throw std::out_of_range("string list line index");
    return std::string(mLines[static_cast<std::size_t>((mWritten - index - 1) % mCapacity)].data());
}

} // namespace NSTramvell
