#include "framework/gui/input/KeyEvent.h"

#include <array>

namespace NSTramvell {
namespace {

constexpr std::intptr_t kExtendedKeyBit = std::intptr_t{1} << 24;
constexpr std::intptr_t kWasDownBit = std::intptr_t{1} << 30;
constexpr std::uintptr_t kLowestVirtualKey = 3;
constexpr std::uintptr_t kHighestVirtualKey = 226;
constexpr std::uint32_t kLastKeyCode = 111;
constexpr std::uintptr_t kReturnVirtualKey = 13;
constexpr std::uintptr_t kKeypadSlashVirtualKey = 111;
constexpr std::uint32_t kKeypadSlashCode = 95;

using CVirtualKeyTable = std::array<std::uint8_t, kHighestVirtualKey + 1>;

constexpr CVirtualKeyTable MakeVirtualKeyTable()
{
    CVirtualKeyTable table{};
    const auto map = [&table](std::uint8_t code, std::initializer_list<int> keys) {
        for (const int key : keys)
            table[static_cast<std::size_t>(key)] = code;
    };
    map(1, {27});
    for (int f = 0; f < 15; ++f)
        map(static_cast<std::uint8_t>(2 + f), {112 + f});
    map(17, {145});
    map(18, {3, 19});
    for (int digit = 1; digit <= 9; ++digit)
        map(static_cast<std::uint8_t>(19 + digit), {48 + digit});
    map(29, {48});
    map(30, {187});
    map(32, {8});
    map(33, {9});
    const char* const rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    const std::uint8_t rowStarts[] = {34, 48, 62};
    for (int row = 0; row < 3; ++row)
        for (int i = 0; rows[row][i] != '\0'; ++i)
            map(static_cast<std::uint8_t>(rowStarts[row] + i), {rows[row][i]});
    map(44, {219, 221});
    map(45, {186});
    map(kKeyReturn, {13});
    map(47, {20});
    map(58, {192, 222});
    map(59, {191, 220});
    map(60, {16});
    map(61, {226});
    map(69, {188});
    map(70, {190});
    map(71, {189});
    map(73, {17});
    map(74, {91});
    map(75, {18});
    map(77, {32});
    map(80, {92});
    map(81, {93});
    map(83, {45});
    map(84, {36});
    map(85, {33});
    map(86, {46});
    map(87, {35});
    map(88, {34});
    map(89, {38});
    map(90, {37});
    map(91, {40});
    map(92, {39});
    map(93, {144});
    map(96, {106});
    const int keypadDigits[] = {103, 104, 105, -1, 100, 101, 102, -1, 97, 98, 99};  // 7 8 9 - 4 5 6 + 1 2 3
    for (int i = 0; i < 11; ++i)
        if (keypadDigits[i] >= 0)
            map(static_cast<std::uint8_t>(97 + i), {keypadDigits[i]});
    map(100, {109});
    map(104, {107});
    map(108, {96});
    map(109, {110});
    map(111, {12});
    return table;
}

constexpr CVirtualKeyTable kVirtualKeyCodes = MakeVirtualKeyTable();

// Indexed by key code; null where a code has no name of its own.
constexpr std::array<const char*, kLastKeyCode + 1> kKeyNames = {
    nullptr, "ESC", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "F13", "F14",
    "F15", "Scrl Lck", "Pause", "Paragraph", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "+", nullptr,
    nullptr, "Tab", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", nullptr, nullptr, "RETURN", nullptr, "A",
    "S", "D", "F", "G", "H", "J", "K", "L", nullptr, nullptr, "Paragraph", "Shift", "<", "Z", "X", "C", "V",
    "B", "N", "M", ",", ".", "-", "Shift", nullptr, nullptr, nullptr, nullptr, "Space", nullptr, nullptr,
    nullptr, nullptr, nullptr, "Insert", "Home", "Pg Up", "Delete", "End", "Pg Down", "Arrow up",
    "Arrow left", "Arrow down", "Arrow right", "KP Delete", "KP =", "KP /", "KP *", "KP 7", "KP 8", "KP 9",
    "KP -", "KP 4", "KP 5", "KP 6", "KP +", "KP 1", "KP 2", "KP 3", "KP 0", "KP ,", "KP Enter", "KP Clear"};

} // namespace

CKeyEvent::CKeyEvent(const CModifierKeys& modifiers, std::uint32_t keyCode, std::uint32_t kind, std::uint32_t time,
                     std::uint8_t character) noexcept
    : mModifiers(modifiers), mKeyCode(keyCode), mKind(kind), mTime(time), mCharacter(character)
{
}

CKeyEvent::CKeyEvent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam, std::uint32_t time,
                     const CModifierKeys& modifiers) noexcept
    : mModifiers(modifiers), mKind(kKeyUp), mTime(time), mMessage(message), mWParam(wParam), mLParam(lParam)
{
    const std::uint32_t downKind = (lParam & kWasDownBit) != 0 ? kKeyRepeat : kKeyDown;
    switch (message) {
    case kKeyDownMessage:
        mKind = downKind;
        mKeyCode = TranslateVirtualKey(wParam, lParam);
        break;
    case kKeyUpMessage:
        mKeyCode = TranslateVirtualKey(wParam, lParam);
        break;
    case kCharacterMessage:
        mKind = downKind;
        mCharacter = static_cast<std::uint8_t>(wParam & 0xFF);
        break;
    default:
        break;
    }
}

std::uint32_t CKeyEvent::GetUnshiftedCharacter() const
{
    return CharacterFromKeyMapping(NSKeyPlatform::MapVirtualKeyToCharacter(static_cast<std::uint32_t>(mWParam)));
}

std::uint32_t TranslateVirtualKey(std::uintptr_t virtualKey, std::intptr_t lParam) noexcept
{
    if (virtualKey < kLowestVirtualKey || virtualKey > kHighestVirtualKey)
        return kKeyNone;
    const bool extended = (lParam & kExtendedKeyBit) != 0;
    if (virtualKey == kReturnVirtualKey)
        return extended ? kKeyEnter : kKeyReturn;
    if (virtualKey == kKeypadSlashVirtualKey)
        return extended ? kKeypadSlashCode : kKeyNone;
    return kVirtualKeyCodes[virtualKey];
}

std::string GetKeyName(std::uint32_t keyCode)
{
    if (keyCode < 1 || keyCode > kLastKeyCode)
        return std::string();
    const char* const name = kKeyNames[keyCode];
    return name != nullptr ? name : "ESC";
}

std::uint32_t CharacterFromKeyMapping(std::uint32_t mapped) noexcept
{
    // Layouts report a dead key in bit 15, newer systems in bit 31 as well.
    if ((mapped & 0x80008000u) != 0)
        return 0;
    return mapped & 0xFFFFu;
}

bool IsReturnKey(const CKeyEvent& event) noexcept
{
    return event.GetKind() == kKeyDown && (event.GetKeyCode() == kKeyEnter || event.GetKeyCode() == kKeyReturn);
}

bool IsEscapeKey(const CKeyEvent& event) noexcept
{
    return event.GetKind() == kKeyDown && event.GetKeyCode() == kKeyEscape;
}

} // namespace NSTramvell
