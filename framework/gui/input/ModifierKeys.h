#pragma once

// The modifier keys held when an input event was made: ten flag bytes, of which Caps Lock, Shift,
// Control and Alt are read from the keyboard and the rest are copies or combinations of them. Alt with
// Control is the alternate-graphics combination, so it is no command.

#include <array>
#include <cstdint>

namespace NSTramvell {

class CModifierKeys
{
public:
    static constexpr std::size_t kFlagCount = 10;

    constexpr CModifierKeys() noexcept : mFlags{} {}
    constexpr explicit CModifierKeys(const std::array<std::uint8_t, kFlagCount>& flags) noexcept : mFlags(flags) {}

    // The record for keys that are held as given.
    static CModifierKeys FromHeldKeys(bool capsLock, bool shift, bool control, bool alt) noexcept;
    // From the keyboard state as of the message being handled (window procedure, menu shortcuts).
    static void ReadForEvent(CModifierKeys& out);
    // From the keyboard state right now (menu commands, control views).
    static void ReadCurrent(CModifierKeys& out);

    std::uint8_t GetFlag(std::size_t index) const noexcept { return mFlags[index]; }
    bool IsCapsLockDown() const noexcept { return mFlags[0] != 0; }
    bool IsShiftDown() const noexcept { return mFlags[1] != 0 || mFlags[9] != 0; }
    bool IsCommandDown() const noexcept { return IsControlDown() && mFlags[5] == 0; }
    // Control whether or not Alt is held too.
    bool IsControlDown() const noexcept { return mFlags[2] != 0 || mFlags[8] != 0; }
    bool IsAltDown() const noexcept { return mFlags[4] != 0; }

    friend bool operator==(const CModifierKeys&, const CModifierKeys&) noexcept = default;

private:
    std::array<std::uint8_t, kFlagCount> mFlags;
};

} // namespace NSTramvell
