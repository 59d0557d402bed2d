#pragma once

// Dialog templates written in the standard binary form, as the resource compiler writes a DIALOG
// statement, for the reader's tests and the fuzz target's seeds.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSDialogTest {

struct CItemSpec
{
    CItemSpec(std::uint32_t style_, std::int16_t x_, std::int16_t y_, std::int16_t cx_, std::int16_t cy_,
              std::uint16_t id_, std::string className_, std::uint16_t classOrdinal_, std::string text_,
              bool ordinalText_ = false)
        : style(style_), x(x_), y(y_), cx(cx_), cy(cy_), id(id_), className(std::move(className_))
        , classOrdinal(classOrdinal_), text(std::move(text_)), ordinalText(ordinalText_)
    {
    }

    std::uint32_t style;
    std::int16_t x, y, cx, cy;
    std::uint16_t id;
    std::string className;           // used when classOrdinal is 0
    std::uint16_t classOrdinal = 0;
    std::string text;
    bool ordinalText = false;        // the text field holds an ordinal (an icon's resource)
    std::vector<std::uint8_t> creationData;
};

class CTemplateBytes
{
public:
    void Byte(std::uint8_t value) { mBytes.push_back(value); }
    void Word(std::uint16_t value)
    {
        mBytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        mBytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void Long(std::uint32_t value)
    {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void String(const std::string& text)
    {
        for (const char c : text)
            Word(static_cast<unsigned char>(c));
        Word(0);
    }
    void AlignToFour()
    {
        while (mBytes.size() % 4 != 0)
            mBytes.push_back(0);
    }
    const std::vector<std::uint8_t>& Get() const { return mBytes; }

private:
    std::vector<std::uint8_t> mBytes;
};

inline std::vector<std::uint8_t> MakeTemplate(std::uint32_t style, std::int16_t cx, std::int16_t cy,
                                              const std::string& title, const std::vector<CItemSpec>& items)
{
    CTemplateBytes bytes;
    bytes.Long(style);
    bytes.Long(0);
    bytes.Word(static_cast<std::uint16_t>(items.size()));
    bytes.Word(0);
    bytes.Word(0);
    bytes.Word(static_cast<std::uint16_t>(cx));
    bytes.Word(static_cast<std::uint16_t>(cy));
    bytes.Word(0);   // no menu
    bytes.Word(0);   // no class
    bytes.String(title);
    if ((style & 0x40) != 0) {
        bytes.Word(8);
        bytes.String("MS Sans Serif");
    }
    for (const CItemSpec& item : items) {
        bytes.AlignToFour();
        bytes.Long(item.style);
        bytes.Long(0);
        for (const std::int16_t value : {item.x, item.y, item.cx, item.cy})
            bytes.Word(static_cast<std::uint16_t>(value));
        bytes.Word(item.id);
        if (item.classOrdinal != 0) {
            bytes.Word(0xFFFF);
            bytes.Word(item.classOrdinal);
        } else {
            bytes.String(item.className);
        }
        if (item.ordinalText) {
            bytes.Word(0xFFFF);
            bytes.Word(1);
        } else {
            bytes.String(item.text);
        }
        if (item.creationData.empty()) {
            bytes.Word(0);
        } else {
            bytes.Word(static_cast<std::uint16_t>(item.creationData.size() + 2));
            for (const std::uint8_t b : item.creationData)
                bytes.Byte(b);
        }
    }
    return bytes.Get();
}

// The alert box's template as the framework's resource script declares it (DS_SETFONT, the
// "MS Sans Serif" 8-point font, items by class name as the resource compiler writes them).
inline std::vector<std::uint8_t> MakeAlertTemplate()
{
    constexpr std::uint32_t kChild = 0x50000000;
    return MakeTemplate(0x80C00040, 190, 80, "",
                        {{kChild | 1, 10, 60, 54, 14, 1, "BUTTON", 0, "Button 1"},
                         {kChild, 68, 60, 54, 14, 2, "BUTTON", 0, "Button 2"},
                         {kChild, 126, 60, 54, 14, 3, "BUTTON", 0, "Button 3"},
                         {kChild, 37, 10, 143, 44, 4, "STATIC", 0, "Text"},
                         {kChild | 3, 10, 10, 20, 20, 5, "STATIC", 0, ""}});
}

} // namespace NSDialogTest
