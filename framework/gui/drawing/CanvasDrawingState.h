#pragma once

// What a canvas wants its next drawing call to use (text, fill and line colour, font) and the platform
// objects made for it. The state makes a new object on every application and keeps one of each kind
// selected; at its end it selects back what each first application displaced and deletes its own.
// Deciding whether an application is needed at all is the canvas's business.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/drawing/NativeHandles.h"
#include "framework/gui/regions/Color.h"

#include <cstdint>

namespace NSTramvell {

class CCanvasDrawingState
{
public:
    // Borrows the context (its owner outlives the state); sets transparent text on it and selects the
    // stock white fill and black one-pixel pen.
    explicit CCanvasDrawingState(HDC context);
    ~CCanvasDrawingState();
    CCanvasDrawingState(const CCanvasDrawingState&) = delete;
    CCanvasDrawingState& operator=(const CCanvasDrawingState&) = delete;

    HDC GetHandle() const noexcept { return mContext; }

    const CColor& GetTextColor() const noexcept { return mTextColor; }
    void SetTextColor(const CColor& color) noexcept { mTextColor = color; }
    const CColor& GetFillColor() const noexcept { return mFillColor; }
    void SetFillColor(const CColor& color) noexcept { mFillColor = color; }
    const CColor& GetLineColor() const noexcept { return mLineColor; }
    void SetLineColor(const CColor& color) noexcept { mLineColor = color; }
    const CFontSpec& GetFontSpec() const noexcept { return mFontSpec; }
    void SetFontSpec(const CFontSpec& font) { mFontSpec = font; }

    void ApplyTextColor();
    // XOutOfMemory when the platform makes no fill or pen, XBase for no font; the context keeps what it
    // had in each case.
    void ApplyFillColor();
    void ApplyLineColor();
    void ApplyFont();

    // The state's own objects, null before their first application.
    HGDIOBJ GetOwnFill() const noexcept { return mOwnFill; }
    bool HasOwnFill() const noexcept { return mOwnFill != nullptr; }
    bool HasOwnPen() const noexcept { return mOwnPen != nullptr; }
    bool HasOwnFont() const noexcept { return mOwnFont != nullptr; }

    // Metrics of the font last applied; zero before the first.
    std::int32_t GetFontHeight() const noexcept { return mFontHeight; }
    std::int32_t GetFontAscent() const noexcept { return mFontAscent; }

private:
    void Replace(HGDIOBJ made, HGDIOBJ& own, HGDIOBJ& initial) noexcept;

    HDC mContext;              // borrowed from the canvas's owner
    HGDIOBJ mInitialPen = nullptr;
    HGDIOBJ mInitialFill = nullptr;
    HGDIOBJ mInitialFont = nullptr;
    CColor mTextColor;
    CColor mFillColor;
    CColor mLineColor;
    CFontSpec mFontSpec;
    std::int32_t mFontHeight = 0;
    std::int32_t mFontAscent = 0;
    HGDIOBJ mOwnFill = nullptr;   // owned while set
    HGDIOBJ mOwnPen = nullptr;    // owned while set
    HGDIOBJ mOwnFont = nullptr;   // owned while set
};

// Earlier views name the same state by its older name.
using CDrawingContext = CCanvasDrawingState;

} // namespace NSTramvell
