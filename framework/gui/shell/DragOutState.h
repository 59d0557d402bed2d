#pragma once

// A drag of data out of a view: its outline, the view that started it (which tracks the mouse while the
// state lives) and the items dragged, each with its own outline and its data in one or more flavours.

#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/RulingString.h"
#include "framework/gui/regions/Region.h"

#include <memory>
#include <vector>

namespace NSTramvell {

class CView;

class CDragOutItem
{
public:
    struct CFlavourEntry
    {
        CClippingType mFlavour;
        COwnedMemoryMedia mData;
    };

    explicit CDragOutItem(const CRegion& region);
    CDragOutItem(const CDragOutItem&) = delete;
    CDragOutItem& operator=(const CDragOutItem&) = delete;
    virtual ~CDragOutItem();

    // Keeps a copy of the data.
    void AddFlavour(const CClippingType& flavour, CMedia& data);
    const CRegion& GetRegion() const { return mRegion; }
    const std::vector<CFlavourEntry>& GetFlavours() const { return mFlavours; }
    bool IsMarked() const { return mMarked; }
    void SetMarked(bool marked) { mMarked = marked; }

private:
    CRegion mRegion;
    std::vector<CFlavourEntry> mFlavours;
    bool mMarked = false;
};

class CDragOutState
{
public:
    // The source starts tracking the mouse.
    CDragOutState(CView& source, const CRegion& outline);
    // Deletes the items last to first, then the source stops tracking.
    ~CDragOutState();
    CDragOutState(const CDragOutState&) = delete;
    CDragOutState& operator=(const CDragOutState&) = delete;

    void AddItem(std::unique_ptr<CDragOutItem> item);
    const CRegion& GetOutline() const { return mOutline; }
    CView& GetSource() const { return mSource; }
    std::size_t GetItemCount() const { return mItems.size(); }
    CDragOutItem& GetItem(std::size_t index) const { return *mItems.at(index); }

private:
    CRegion mOutline;
    CView& mSource;   // borrowed: the view outlives its drag
    std::vector<std::unique_ptr<CDragOutItem>> mItems;
};

} // namespace NSTramvell
