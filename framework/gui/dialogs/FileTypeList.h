#pragma once

// The file types a chooser offers, in the order it lists them, and the filter text the platform's file
// choosers read from them. The list owns copies of the descriptions.

#include "framework/foundation/chunks/LinkedList.h"
#include "framework/foundation/files/FileTypeDescription.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CFileSpec;

class CFileTypeList
{
public:
    CFileTypeList() = default;
    virtual ~CFileTypeList();

    std::uint16_t GetCount() const { return static_cast<std::uint16_t>(mTypes.GetCount()); }
    // Counted from the head; an index at or past the count throws std::out_of_range.
    const CFileTypeDescription& GetAt(std::uint16_t index) const { return mTypes.GetAt(index); }
    void Append(const CFileTypeDescription& type) { mTypes.Append(type); }
    void Clear() { mTypes.Clear(); }
    // The first type the file matches, or the first that has the name's extension; null when none does.
    const CFileTypeDescription* FindMatching(const CFileSpec& file) const;
    const CFileTypeDescription* FindByFileName(const std::string& fileName) const;
    // The first position (0-based) of a type equal to the given one; -1 when none is.
    std::int32_t FindPosition(const CFileTypeDescription& type) const;

    // Whether the filter ends with one entry for every type's extensions together.
    bool GetCombinedEntry() const { return mCombinedEntry; }
    void SetCombinedEntry(bool combinedEntry) { mCombinedEntry = combinedEntry; }

private:
    CLinkedList<CFileTypeDescription> mTypes;
    bool mCombinedEntry = false;
};

// "*.ext" for each extension, joined by ";".
std::string MakeFilterPattern(const CFileTypeDescription& type);

// For each type "<description> (<pattern>)", NUL, "<pattern>", NUL; then, when the list asks for it and
// holds two types or more, "All files (<every pattern>)", NUL, "<every pattern>", NUL; then the final NUL.
std::string BuildFileFilter(const CFileTypeList& types);

} // namespace NSTramvell
