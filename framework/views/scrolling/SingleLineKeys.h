#pragma once

// Which keys a single-line edit leaves to its native control: backspace always, the editing and
// moving keys only as they go down or repeat.

namespace NSTramvell {

class CKeyEvent;

bool IsKeyForSingleLineControl(const CKeyEvent& event) noexcept;

} // namespace NSTramvell
