#include "framework/gui/input/KeyEvent.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

constexpr std::intptr_t kExtended = std::intptr_t{1} << 24;
constexpr std::intptr_t kWasDown = std::intptr_t{1} << 30;

} // namespace

TEST(TranslateVirtualKey, MapsTheTableAndTheExtendedFlag)
{
    const struct
    {
        std::uintptr_t virtualKey;
        std::intptr_t lParam;
        std::uint32_t code;
    } kCases[] = {
        {13, 0, 46},  {13, kExtended, 110}, {111, 0, 0},    {111, kExtended, 95}, {2, 0, 0},     {227, 0, 0},
        {3, 0, 18},   {19, 0, 18},          {27, 0, 1},     {112, 0, 2},          {126, 0, 16},  {127, 0, 0},
        {'1', 0, 20}, {'9', 0, 28},         {'0', 0, 29},   {'Q', 0, 34},         {'P', 0, 43},  {'A', 0, 48},
        {'L', 0, 56}, {'Z', 0, 62},         {'M', 0, 68},   {96, 0, 108},         {97, 0, 105},  {99, 0, 107},
        {100, 0, 101}, {103, 0, 97},        {105, 0, 99},   {106, 0, 96},         {107, 0, 104}, {109, 0, 100},
        {110, 0, 109}, {12, 0, 111},        {144, 0, 93},   {226, 0, 61},         {46, 0, 86},   {219, 0, 44},
        {221, 0, 44},  {9, 0, 33},          {32, 0, 77},    {39, 0, 92},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.virtualKey << " " << c.lParam);
        EXPECT_EQ(TranslateVirtualKey(c.virtualKey, c.lParam), c.code);
    }
}

TEST(GetKeyName, NamesCodesAndFallsBackToEscapeInsideTheRange)
{
    const struct
    {
        std::uint32_t code;
        const char* name;
    } kCases[] = {{0, ""},      {112, ""},         {1, "ESC"},           {32, "ESC"},      {31, "ESC"},
                  {82, "ESC"},  {2, "F1"},         {16, "F15"},          {29, "0"},        {34, "Q"},
                  {62, "Z"},    {46, "RETURN"},    {59, "Paragraph"},    {85, "Pg Up"},    {92, "Arrow right"},
                  {95, "KP /"}, {110, "KP Enter"}, {111, "KP Clear"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(GetKeyName(c.code), c.name);
    }
}

TEST(CKeyEvent, KindAndCodeFollowTheMessage)
{
    const CModifierKeys shift = CModifierKeys::FromHeldKeys(false, true, false, false);
    const struct
    {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        std::uint32_t kind;
        std::uint32_t code;
        std::uint8_t character;
    } kCases[] = {
        {256, 'A', 0, 10, 48, 0},         {256, 'A', kWasDown, 11, 48, 0}, {257, 13, kWasDown | kExtended, 12, 110, 0},
        {258, 'a', 0, 10, 0, 'a'},        {258, 0x1E1, kWasDown, 11, 0, 0xE1}, {258, 0, 0, 10, 0, 0},
        {0x104, 'A', 0, 12, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.message << " " << c.wParam);
        const CKeyEvent event(c.message, c.wParam, c.lParam, 77, shift);
        EXPECT_EQ(event.GetKind(), c.kind);
        EXPECT_EQ(event.GetKeyCode(), c.code);
        EXPECT_EQ(event.GetCharacter(), c.character);
        EXPECT_EQ(event.HasCharacter(), c.character != 0);
        EXPECT_EQ(event.GetNativeMessage(), c.message);
        EXPECT_EQ(event.GetNativeWParam(), c.wParam);
        EXPECT_EQ(event.GetNativeLParam(), c.lParam);
        EXPECT_EQ(event.GetTime(), 77u);
        EXPECT_EQ(event.GetModifiers(), shift);
    }
}

TEST(CKeyEvent, NativeWordsKeepPointerWidth)
{
    const std::intptr_t wideLParam = static_cast<std::intptr_t>(~std::uintptr_t{0} >> 1);  // bit 30 and above set
    const CKeyEvent event(kKeyDownMessage, 27, wideLParam, 0, CModifierKeys());
    EXPECT_EQ(event.GetNativeLParam(), wideLParam);
    EXPECT_TRUE(event.IsEscape());
    EXPECT_FALSE(IsEscapeKey(event));  // a repeat is no fresh Escape press
}

TEST(CharacterFromKeyMapping, DeadKeysTypeNothing)
{
    EXPECT_EQ(CharacterFromKeyMapping('C'), static_cast<std::uint32_t>('C'));
    EXPECT_EQ(CharacterFromKeyMapping(0x8000u | '^'), 0u);
    EXPECT_EQ(CharacterFromKeyMapping(0x80000000u | '^'), 0u);
    EXPECT_EQ(CharacterFromKeyMapping(0), 0u);
}

TEST(IsReturnKey, TakesBothReturnKeysOnlyWhenPressed)
{
    EXPECT_TRUE(IsReturnKey(CKeyEvent(CModifierKeys(), 46, kKeyDown, 0, 0)));
    EXPECT_TRUE(IsReturnKey(CKeyEvent(CModifierKeys(), 110, kKeyDown, 0, 0)));
    EXPECT_FALSE(IsReturnKey(CKeyEvent(CModifierKeys(), 46, kKeyUp, 0, 0)));
    EXPECT_FALSE(IsReturnKey(CKeyEvent(CModifierKeys(), 1, kKeyDown, 0, 0)));
}
