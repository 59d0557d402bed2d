// The drawing state: which objects it makes, selects back and deletes, and how it fails.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/CanvasDrawingState.h"

#include <gtest/gtest.h>

#include <set>

using NSTramvell::CCanvasDrawingState;
using NSTramvell::CColor;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

std::set<HGDIOBJ> gLive;       // objects made through the table and not yet deleted
int gDeletions = 0;
COLORREF gTextColor = 0;
decltype(NSTramvell::CWindowTable::CreateSolidBrush) gRealCreateBrush = nullptr;
decltype(NSTramvell::CWindowTable::CreatePen) gRealCreatePen = nullptr;
decltype(NSTramvell::CWindowTable::CreateFontIndirectA) gRealCreateFont = nullptr;
decltype(NSTramvell::CWindowTable::DeleteObject) gRealDelete = nullptr;

HGDIOBJ Made(HGDIOBJ object)
{
    gLive.insert(object);
    return object;
}

// Tracks every fill, pen and font the state makes and every object it deletes, passing them on.
class CTrackedObjects
{
public:
    CTrackedObjects()
        : mBrush((gRealCreateBrush = GetWindowTable().CreateSolidBrush, GetWindowTable().CreateSolidBrush),
                 [](COLORREF c) { return static_cast<HBRUSH>(Made(gRealCreateBrush(c))); })
        , mPen((gRealCreatePen = GetWindowTable().CreatePen, GetWindowTable().CreatePen),
               [](int s, int w, COLORREF c) { return static_cast<HPEN>(Made(gRealCreatePen(s, w, c))); })
        , mFont((gRealCreateFont = GetWindowTable().CreateFontIndirectA, GetWindowTable().CreateFontIndirectA),
                [](const LOGFONTA* f) { return static_cast<HFONT>(Made(gRealCreateFont(f))); })
        , mDelete((gRealDelete = GetWindowTable().DeleteObject, GetWindowTable().DeleteObject), [](HGDIOBJ o) {
            ++gDeletions;
            gLive.erase(o);
            return gRealDelete(o);
        })
    {
        gLive.clear();
        gDeletions = 0;
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateSolidBrush)> mBrush;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreatePen)> mPen;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateFontIndirectA)> mFont;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DeleteObject)> mDelete;
};

// A memory context with one pixel of its own.
class CMemoryContext
{
public:
    CMemoryContext() : mContext(::CreateCompatibleDC(nullptr)) {}
    ~CMemoryContext() { ::DeleteDC(mContext); }
    HDC Get() const { return mContext; }

private:
    HDC mContext;
};

} // namespace

TEST(CCanvasDrawingState, ReplacesItsOwnFillAndGivesBackTheInitialOne)
{
    CTrackedObjects tracked;
    CMemoryContext context;
    {
        CCanvasDrawingState state(context.Get());
        state.SetFillColor(CColor(1, 2, 3));
        state.ApplyFillColor();
        const HGDIOBJ first = state.GetOwnFill();
        state.ApplyFillColor();
        EXPECT_EQ(gLive.count(first), 0u);
        EXPECT_EQ(gLive.size(), 1u);
        EXPECT_EQ(::GetCurrentObject(context.Get(), OBJ_BRUSH), state.GetOwnFill());
    }
    EXPECT_TRUE(gLive.empty());
    EXPECT_EQ(::GetCurrentObject(context.Get(), OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH));
}

TEST(CCanvasDrawingState, GivesBackEveryKindAndDeletesNothingItDidNotMake)
{
    CTrackedObjects tracked;
    CMemoryContext context;
    const HGDIOBJ contextFont = ::GetCurrentObject(context.Get(), OBJ_FONT);
    { CCanvasDrawingState untouched(context.Get()); }
    EXPECT_EQ(gDeletions, 0);
    EXPECT_EQ(::GetCurrentObject(context.Get(), OBJ_PEN), ::GetStockObject(BLACK_PEN));

    {
        CCanvasDrawingState state(context.Get());
        state.ApplyLineColor();
        state.ApplyFont();
        EXPECT_GT(state.GetFontHeight(), 0);
    }
    EXPECT_TRUE(gLive.empty());
    EXPECT_EQ(::GetCurrentObject(context.Get(), OBJ_PEN), ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(::GetCurrentObject(context.Get(), OBJ_FONT), contextFont);
}

TEST(CCanvasDrawingState, KeepsAtMostOneObjectOfEachKindAlive)
{
    CTrackedObjects tracked;
    CMemoryContext context;
    {
        CCanvasDrawingState state(context.Get());
        for (int i = 0; i < 10000; ++i) {
            state.SetFillColor(CColor(static_cast<std::uint8_t>(i), 0, 0));
            state.ApplyFillColor();
            state.ApplyLineColor();
            if (i % 10 == 0)
                state.ApplyFont();
        }
        EXPECT_EQ(gLive.size(), 3u);
    }
    EXPECT_TRUE(gLive.empty());
}

TEST(CCanvasDrawingState, PassesColoursPaletteRelative)
{
    CMemoryContext context;
    CScopedTableEntry textColor(GetWindowTable().SetTextColor, [](HDC, COLORREF c) {
        gTextColor = c;
        return COLORREF{0};
    });
    CCanvasDrawingState state(context.Get());
    state.SetTextColor(CColor(0x12, 0x34, 0x56));
    state.ApplyTextColor();
    EXPECT_EQ(gTextColor, 0x02563412u);
}

TEST(CCanvasDrawingState, RefusesObjectsThePlatformCouldNotMake)
{
    CTrackedObjects tracked;
    CMemoryContext context;
    CCanvasDrawingState state(context.Get());
    state.ApplyFillColor();
    const HGDIOBJ fill = state.GetOwnFill();
    {
        CScopedTableEntry noBrush(GetWindowTable().CreateSolidBrush, [](COLORREF) { return HBRUSH{}; });
        CScopedTableEntry noPen(GetWindowTable().CreatePen, [](int, int, COLORREF) { return HPEN{}; });
        CScopedTableEntry noFont(GetWindowTable().CreateFontIndirectA, [](const LOGFONTA*) { return HFONT{}; });
        EXPECT_THROW(state.ApplyFillColor(), NSTramvell::XOutOfMemory);
        EXPECT_THROW(state.ApplyLineColor(), NSTramvell::XOutOfMemory);
        EXPECT_THROW(state.ApplyFont(), NSTramvell::XBase);
    }
    EXPECT_EQ(state.GetOwnFill(), fill);
    EXPECT_EQ(::GetCurrentObject(context.Get(), OBJ_BRUSH), fill);
    EXPECT_FALSE(state.HasOwnPen());
    EXPECT_FALSE(state.HasOwnFont());
    EXPECT_EQ(gDeletions, 0);
}
