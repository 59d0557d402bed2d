#pragma once

// System and program icons shown by views and dialogs. A CIconRef is a counted reference to an icon set
// (two sizes, closed and open, plain and highlighted) kept once in a process-wide cache, which exists
// from the first reference to the last release. User-interface thread only.

#include "framework/gui/geometry/Rect.h"
#include "framework/gui/regions/Region.h"

#include <cstdint>

struct HICON__;
typedef struct HICON__* HICON;

namespace NSTramvell {

class CABCCanvas;
class CDirSpec;
class CFileSpec;
class CShellItem;

// Eight owned icon handles: 0 small closed, 1 its highlight, 2 small open, 3 its highlight, 4 to 7 the
// same at the shell icon size. Copies duplicate every handle.
class CIconSet
{
public:
    static constexpr int kEntryCount = 8;

    CIconSet() = default;
    ~CIconSet();
    // XBase when a handle cannot be duplicated; the duplicates made so far are destroyed.
    CIconSet(const CIconSet& other);
    // The target stays as it was when a duplication fails.
    CIconSet& operator=(const CIconSet& other);

    HICON Get(int entry) const { return mHandles[entry]; }
    // Takes the handle over.
    void Set(int entry, HICON handle);

private:
    HICON mHandles[kEntryCount] = {};
};

// An icon resource of the program's own module.
struct CIconResourceId
{
    std::uint16_t id;
};

class CIconRef
{
public:
    // Stock kinds 0 to 17; XBase for others and for every failing platform request.
    explicit CIconRef(std::uint32_t stockKind);
    explicit CIconRef(CIconResourceId resource);
    // The shell's icons of a file or folder, cached by the icon the shell names for it.
    explicit CIconRef(const CFileSpec& file);
    explicit CIconRef(const CDirSpec& folder);
    // The same for any object of the shell's name space, named by its identifier list.
    explicit CIconRef(const CShellItem& item);
    CIconRef(const CIconRef& other);
    CIconRef& operator=(const CIconRef& other);
    ~CIconRef();

    // The small entry when the rectangle fits the small size, else the shell-size one; the word is not used.
    void Draw(CABCCanvas& canvas, const CRect& rect, std::uint32_t, bool highlighted, bool open) const;
    // Icons give no shape.
    CRegion GetRegion() const { return CRegion(); }

private:
    CIconSet* mSet;   // inside a cached record, counted
};

// (0, 0, small width, small height) and (0, 0, side, side) of the shell icon size.
CRect GetSmallIconRect();
CRect GetShellIconRect();

namespace NSIconCacheInternal {
// For tests: the records cached, -1 when there is no cache; and forgetting the icon sizes read.
std::int32_t GetCachedRecordCount();
void ForgetIconSizes();
} // namespace NSIconCacheInternal

} // namespace NSTramvell
