#pragma once

// Keys and characters as the window layer hands them to windows, views and menus: a record of the
// framework's own, with the framework's key codes instead of the platform's virtual keys, and the
// native message kept beside it so that an unhandled key can still get the platform's default.

#include "framework/gui/input/ModifierKeys.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

// What a key event reports.
enum EKeyEventKind : std::uint32_t
{
    kKeyDown = 10,
    kKeyRepeat = 11,
    kKeyUp = 12,
    kNoKeyEvent = 13,
};

// The framework key codes the program tests by name; TranslateVirtualKey gives the whole range 1 to 111.
enum EKeyCode : std::uint32_t
{
    kKeyNone = 0,
    kKeyEscape = 1,
    kKeyF4 = 5,
    kKeyTab = 33,
    kKeyReturn = 46,
    kKeyDelete = 86,
    kKeyArrowLeft = 90,
    kKeyArrowRight = 92,
    kKeyEnter = 110,
};

// The native message numbers a key event is built from.
inline constexpr std::uint32_t kKeyDownMessage = 256;
inline constexpr std::uint32_t kKeyUpMessage = 257;
inline constexpr std::uint32_t kCharacterMessage = 258;

class CKeyEvent
{
public:
    CKeyEvent() noexcept = default;
    CKeyEvent(const CModifierKeys& modifiers, std::uint32_t keyCode, std::uint32_t kind, std::uint32_t time,
              std::uint8_t character) noexcept;
    // From a key-down, key-up or character message; any other message gives a key-up without a key.
    CKeyEvent(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam, std::uint32_t time,
              const CModifierKeys& modifiers) noexcept;

    const CModifierKeys& GetModifiers() const noexcept { return mModifiers; }
    std::uint32_t GetKeyCode() const noexcept { return mKeyCode; }
    std::uint32_t GetKind() const noexcept { return mKind; }
    std::uint32_t GetTime() const noexcept { return mTime; }
    std::uint8_t GetCharacter() const noexcept { return mCharacter; }
    bool HasCharacter() const noexcept { return mCharacter != 0; }
    std::uint32_t GetNativeMessage() const noexcept { return mMessage; }
    std::uintptr_t GetNativeWParam() const noexcept { return mWParam; }
    std::intptr_t GetNativeLParam() const noexcept { return mLParam; }
    bool IsEscape() const noexcept { return (mKind == kKeyDown || mKind == kKeyRepeat) && mKeyCode == kKeyEscape; }

    // The character the key types without Shift, as the keyboard layout maps the virtual key; 0 for a
    // dead key or one that types nothing.
    std::uint32_t GetUnshiftedCharacter() const;

private:
    CModifierKeys mModifiers;
    std::uint32_t mKeyCode = kKeyNone;
    std::uint32_t mKind = kNoKeyEvent;
    std::uint32_t mTime = 0;
    std::uint8_t mCharacter = 0;
    std::uint32_t mMessage = 0;
    std::uintptr_t mWParam = 0;
    std::intptr_t mLParam = 0;
};

// The framework key code of a virtual key; bit 24 of lParam (the extended-key flag) tells the keypad's
// Enter and slash from the main block's. 0 for keys the framework has no code for.
std::uint32_t TranslateVirtualKey(std::uintptr_t virtualKey, std::intptr_t lParam) noexcept;
// The display name of a framework key code; "ESC" for a code without a name of its own, "" outside 1 to 111.
std::string GetKeyName(std::uint32_t keyCode);
// The layout's answer for a virtual key (mapping kind 2) turned into a character: a dead key is 0.
std::uint32_t CharacterFromKeyMapping(std::uint32_t mapped) noexcept;

bool IsReturnKey(const CKeyEvent& event) noexcept;
bool IsEscapeKey(const CKeyEvent& event) noexcept;

namespace NSKeyPlatform {
// The platform's mapping of a virtual key to its unshifted character (mapping kind 2).
std::uint32_t MapVirtualKeyToCharacter(std::uint32_t virtualKey);
} // namespace NSKeyPlatform

} // namespace NSTramvell
