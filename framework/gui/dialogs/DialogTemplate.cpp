#include "framework/gui/dialogs/DialogTemplate.h"

#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace NSTramvell {

namespace {

constexpr std::uint32_t kFontStyleBit = 0x40;
constexpr std::uint16_t kOrdinalMarker = 0xFFFF;
constexpr std::size_t kHeaderFixedSize = 18;
constexpr std::size_t kItemFixedSize = 18;

constexpr std::uint16_t kButtonOrdinal = 0x80;
constexpr std::uint16_t kEditOrdinal = 0x81;
constexpr std::uint16_t kStaticOrdinal = 0x82;
constexpr std::uint16_t kListBoxOrdinal = 0x83;
constexpr std::uint16_t kScrollBarOrdinal = 0x84;
constexpr std::uint16_t kComboBoxOrdinal = 0x85;

// A class or menu field, or an item's title: none, an ordinal, or a name.
struct CNameOrOrdinal
{
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    std::string name;
};

// Reads little-endian words from the template and never past its end.
class CTemplateReader
{
public:
    CTemplateReader(const std::uint8_t* data, std::size_t length) : mData(data), mLength(length) {}

    std::size_t GetPosition() const { return mPosition; }
    void Require(std::size_t count) const
    {
        if (count > mLength - mPosition)
            throw XBadFormat();
    }
    void Skip(std::size_t count)
    {
        Require(count);
        mPosition += count;
    }
    void AlignToFour()
    {
        const std::size_t aligned = (mPosition + 3) & ~std::size_t(3);
        Skip(aligned - mPosition);
    }
    std::uint16_t ReadWord()
    {
        Require(2);
        const std::uint16_t value = static_cast<std::uint16_t>(mData[mPosition] | mData[mPosition + 1] << 8);
        mPosition += 2;
        return value;
    }
    std::int16_t ReadSignedWord() { return static_cast<std::int16_t>(ReadWord()); }
    std::uint32_t ReadLong()
    {
        const std::uint32_t low = ReadWord();
        return low | std::uint32_t(ReadWord()) << 16;
    }
    // A zero-terminated string of 16-bit units, each narrowed to its low byte.
    std::string ReadString()
    {
        std::string text;
        for (std::uint16_t unit = ReadWord(); unit != 0; unit = ReadWord())
            text.push_back(static_cast<char>(unit & 0xFF));
        return text;
    }
    // The first word decides: 0 none, 0xFFFF an ordinal follows, anything else starts a name.
    CNameOrOrdinal ReadNameOrOrdinal()
    {
        CNameOrOrdinal field;
        Require(2);
        const std::uint16_t first = static_cast<std::uint16_t>(mData[mPosition] | mData[mPosition + 1] << 8);
        if (first == kOrdinalMarker) {
            mPosition += 2;
            field.isOrdinal = true;
            field.ordinal = ReadWord();
        } else {
            field.name = ReadString();
        }
        return field;
    }

private:
    const std::uint8_t* mData;
    std::size_t mLength;
    std::size_t mPosition = 0;
};

CRect DialogUnitsToPixels(std::int16_t x, std::int16_t y, std::int16_t cx, std::int16_t cy, const CPoint& units)
{
    const std::int32_t left = units.GetX() * x / 4;
    const std::int32_t top = units.GetY() * y / 8;
    return CRect(left, top, left + units.GetX() * cx / 4, top + units.GetY() * cy / 8);
}

std::string ToUpper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

CDialogItem ReadItem(CTemplateReader& reader, const CPoint& units)
{
    const std::uint32_t style = reader.ReadLong();
    reader.Skip(4);   // extended style
    const std::int16_t x = reader.ReadSignedWord();
    const std::int16_t y = reader.ReadSignedWord();
    const std::int16_t cx = reader.ReadSignedWord();
    const std::int16_t cy = reader.ReadSignedWord();
    const std::uint16_t id = reader.ReadWord();
    const CNameOrOrdinal itemClass = reader.ReadNameOrOrdinal();
    const CNameOrOrdinal title = reader.ReadNameOrOrdinal();
    // The creation data's size counts its own count word.
    const std::uint16_t creationDataSize = reader.ReadWord();
    if (creationDataSize > 2)
        reader.Skip(creationDataSize - 2);

    const std::uint32_t kind = itemClass.isOrdinal ? ClassifyDialogItem(itemClass.ordinal, style)
                                                   : ClassifyDialogItem(itemClass.name, style);
    return CDialogItem(id, kind, DialogUnitsToPixels(x, y, cx, cy, units), title.isOrdinal ? "" : title.name);
}

} // namespace

CDialogItem::CDialogItem(std::uint16_t id, std::uint32_t kind, const CRect& frame, std::string text)
    : mId(id)
    , mKind(kind)
    , mFrame(frame)
    , mText(std::move(text))
{
}

CDialogTemplate::CDialogTemplate(const CPoint& size, std::string title, std::vector<CDialogItem> items)
    : mSize(size)
    , mTitle(std::move(title))
    , mItems(std::move(items))
{
}

CDialogItem CDialogTemplate::FindItem(std::uint16_t id) const
{
    const auto found =
        std::find_if(mItems.begin(), mItems.end(), [id](const CDialogItem& item) { return item.GetId() == id; });
    if (found == mItems.end())
        throw XNotFound();
    return *found;
}

CRect CDialogTemplate::GetItemRect(std::uint16_t id) const
{
    return FindItem(id).GetRect();
}

std::string CDialogTemplate::GetItemText(std::uint16_t id) const
{
    return FindItem(id).GetText();
}

std::uint32_t ClassifyDialogItem(std::uint16_t classOrdinal, std::uint32_t style)
{
    const std::uint32_t nibble = style & 0xF;
    switch (classOrdinal) {
    case kButtonOrdinal:
        if (nibble == 2)
            return kDialogItemCheckBox;
        if (nibble == 4 || nibble == 5)
            return kDialogItemRadioButton;
        if (nibble == 7)
            return kDialogItemGroupBox;
        return kDialogItemButton;
    case kEditOrdinal:
        return kDialogItemEdit;
    case kStaticOrdinal:
        if (nibble == 3)
            return kDialogItemIcon;
        if (nibble == 7)
            return kDialogItemFrame;
        return kDialogItemStatic;
    case kListBoxOrdinal:
        return kDialogItemStatic;
    case kScrollBarOrdinal:
        return kDialogItemScrollBar;
    case kComboBoxOrdinal:
        return kDialogItemComboBox;
    default:
        return kDialogItemUnknown;
    }
}

std::uint32_t ClassifyDialogItem(const std::string& className, std::uint32_t style)
{
    // The resource compiler may write a predefined class by name, and in upper case.
    static const std::array<std::pair<const char*, std::uint16_t>, 6> kPredefined{{{"BUTTON", kButtonOrdinal},
        {"EDIT", kEditOrdinal}, {"STATIC", kStaticOrdinal}, {"LISTBOX", kListBoxOrdinal},
        {"SCROLLBAR", kScrollBarOrdinal}, {"COMBOBOX", kComboBoxOrdinal}}};
    const std::string upper = ToUpper(className);
    for (const auto& [name, ordinal] : kPredefined) {
        if (upper == name)
            return ClassifyDialogItem(ordinal, style);
    }
    if (upper.empty() || upper == "MSCTLS_PROGRESS32" || upper == "MSCTLS_UPDOWN32")
        return kDialogItemCustom;
    if (upper == "MSCTLS_TRACKBAR32")
        return kDialogItemTrackBar;
    return kDialogItemStatic;
}

CDialogTemplate ParseDialogTemplate(const std::uint8_t* data, std::size_t length, const CPoint& baseUnits)
{
    CTemplateReader reader(data, length);
    reader.Require(4);
    if (data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF)
        throw XUnsupportedFormat();
    reader.Require(kHeaderFixedSize);

    const std::uint32_t style = reader.ReadLong();
    reader.Skip(4);   // extended style
    const std::uint16_t itemCount = reader.ReadWord();
    const std::int16_t x = reader.ReadSignedWord();
    const std::int16_t y = reader.ReadSignedWord();
    const std::int16_t cx = reader.ReadSignedWord();
    const std::int16_t cy = reader.ReadSignedWord();
    reader.ReadNameOrOrdinal();   // menu
    reader.ReadNameOrOrdinal();   // class
    std::string title = reader.ReadString();
    CPoint units = baseUnits;
    if ((style & kFontStyleBit) != 0) {
        reader.Skip(2);   // point size
        reader.ReadString();
        units = CPoint(kFontBaseUnitX, kFontBaseUnitY);
    }

    // Each item needs at least its fixed part: a count beyond the data fails before anything is reserved.
    if (itemCount > (length - reader.GetPosition()) / kItemFixedSize + 1)
        throw XBadFormat();
    std::vector<CDialogItem> items;
    items.reserve(itemCount);
    for (std::uint16_t i = 0; i < itemCount; ++i) {
        reader.AlignToFour();
        items.push_back(ReadItem(reader, units));
    }
    const CRect frame = DialogUnitsToPixels(x, y, cx, cy, units);
    return CDialogTemplate(frame.GetSize(), std::move(title), std::move(items));
}

} // namespace NSTramvell
