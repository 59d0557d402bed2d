#pragma once

// The mouse cursor and the program's busy state; the mouse's own state is the window layer's. The cursor
// changes only when it differs from the current one, so that setting it on every mouse move does not flicker.

#include <cstdint>

struct HICON__;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;

namespace NSTramvell {

// The program's own cursors, in its resources.
inline constexpr std::uint16_t kHorizontalSplitCursor = 10016;
inline constexpr std::uint16_t kVerticalSplitCursor = 10017;

void SetArrowCursor();
// One of the platform's own cursors, by its resource number.
void SetSystemCursor(std::int32_t cursorId);
void SetTextCursor();
void SetWatchCursor();
void SetBusyCursor();
void SetHorizontalSplitCursor();
void SetVerticalSplitCursor();
// A cursor of the current code module; one it lacks leaves the cursor as it is.
void SetApplicationCursor(std::uint16_t cursorId);
void SetCursorHandle(HCURSOR cursor);

// Nested busy state: the wait cursor from the first BeginBusy to the matching last EndBusy. Separate from
// the count that modal dialogs keep, which shows no cursor.
void BeginBusy();
// An EndBusy without a BeginBusy does nothing.
void EndBusy();

class CBusyCursor
{
public:
    CBusyCursor() { BeginBusy(); }
    ~CBusyCursor() { EndBusy(); }
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

// Lines to scroll for one wheel notch, as the user set it.
std::uint16_t GetWheelScrollAmount();
// Repaints every window with something pending before returning, so that a status change shows before
// long work goes on.
void UpdateWindowsNow();

} // namespace NSTramvell
