#pragma once

// Dialog templates read as layouts: the framework never lets the platform build a dialog from a
// template; it reads the binary template itself into a size in pixels, a title and one record per item,
// and each view builds itself from the record of an item id. Only the standard (not the extended) form
// is read, and every read is bounded by the resource's length.

#include "framework/gui/drawing/FontRules.h"
#include "framework/gui/geometry/Point.h"
#include "framework/gui/geometry/Rect.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

// What an item is, by its class and the low nibble of its style.
enum EDialogItemKind : std::uint32_t
{
    kDialogItemUnknown = 0,
    kDialogItemButton = 1,
    kDialogItemRadioButton = 2,
    kDialogItemComboBox = 3,
    kDialogItemGroupBox = 4,
    kDialogItemCheckBox = 5,
    kDialogItemStatic = 6,
    kDialogItemEdit = 7,
    kDialogItemTrackBar = 8,
    kDialogItemFrame = 9,
    kDialogItemIcon = 10,
    kDialogItemScrollBar = 11,
    kDialogItemCustom = 12,
};

class CDialogItem
{
public:
    CDialogItem(std::uint16_t id, std::uint32_t kind, const CRect& frame, std::string text);

    std::uint16_t GetId() const { return mId; }
    std::uint32_t GetKind() const { return mKind; }
    CRect GetRect() const { return mFrame; }
    std::string GetText() const { return mText; }

private:
    std::uint16_t mId;
    std::uint32_t mKind;
    CRect mFrame;   // pixels, relative to the client area
    std::string mText;
};

class CDialogTemplate
{
public:
    CDialogTemplate(const CPoint& size, std::string title, std::vector<CDialogItem> items);

    // The "DLOG" resource of the number from the program module's resources, in the window system's
    // base units (6 × 13 for a template with a font). A missing resource throws the resource reader's
    // exception; a damaged one XBadFormat, an extended one XUnsupportedFormat.
    static CDialogTemplate Load(std::uint16_t resourceId);

    CPoint GetSize() const { return mSize; }
    std::string GetTitle() const { return mTitle; }
    const std::vector<CDialogItem>& GetItems() const { return mItems; }
    // The first item with the id; XNotFound when there is none.
    CDialogItem FindItem(std::uint16_t id) const;
    CRect GetItemRect(std::uint16_t id) const;
    std::string GetItemText(std::uint16_t id) const;

private:
    CPoint mSize;
    std::string mTitle;
    std::vector<CDialogItem> mItems;
};

// The base units that a template with a font uses, whatever the window system's are: the dialog font's,
// which the interface font is fitted to.
inline constexpr std::int32_t kFontBaseUnitX = kDialogFontBaseWidth;
inline constexpr std::int32_t kFontBaseUnitY = kDialogFontCellHeight;

// Reads a standard dialog template of `length` bytes; `baseUnits` (x horizontal, y vertical) convert
// dialog units unless the template names a font. Counts and strings that run past the end throw
// XBadFormat; the extended form throws XUnsupportedFormat.
CDialogTemplate ParseDialogTemplate(const std::uint8_t* data, std::size_t length, const CPoint& baseUnits);

// The kind of an item whose class is a predefined ordinal (0x80 button to 0x85 combo box, others
// unknown) or a class name (compared without regard to case; the predefined names count as their
// ordinals).
std::uint32_t ClassifyDialogItem(std::uint16_t classOrdinal, std::uint32_t style);
std::uint32_t ClassifyDialogItem(const std::string& className, std::uint32_t style);

} // namespace NSTramvell
