#pragma once

// The one window procedure of the framework's window classes: platform messages become calls on the
// window, its views and the application; everything else gets the default processing of the window's
// kind. Nothing thrown inside leaves it. The messages it handles are one table, so the table can be
// walked as data.

#include "framework/gui/geometry/Point.h"

#include <cstddef>
#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;

namespace NSWindowProcedure {

// What one handler sees of the message.
struct CMessage
{
    std::int32_t kind;
    HWND handle;
    std::uint32_t message;
    std::uintptr_t first;
    std::intptr_t second;
    CABCWindow* window;   // the framework window of the handle; may be null
};

using THandler = std::intptr_t (*)(const CMessage& message);

struct CMessageRow
{
    std::uint32_t message;
    bool skippedWhileDisposing;   // a disposing window gets default processing instead
    THandler handler;
};

// The rows in message order; messages without a row go to the window's HandleOtherMessage.
const CMessageRow* GetMessageTable(std::size_t& count);
// One message through the table as the procedure dispatches it, exceptions passed on.
std::intptr_t Dispatch(const CMessage& message, bool disposing);

} // namespace NSWindowProcedure

inline constexpr std::uint32_t kDisposeRequestMessage = 0x422;
inline constexpr std::uint32_t kQuietMessage = 0x423;

std::intptr_t WindowProcedure(std::int32_t kind, HWND handle, std::uint32_t message, std::uintptr_t first,
                              std::intptr_t second);
std::intptr_t DefaultProcessing(std::int32_t kind, HWND handle, std::uint32_t message, std::uintptr_t first,
                                std::intptr_t second);

// Only handles registered here may be cleaned up through the dispose request; any process can post it,
// and closing an arbitrary number would close whatever handle reuses it.
void RegisterHandleForDisposal(void* handle);
void UnregisterHandleForDisposal(void* handle);

// The registered window whose native window (or one of its children) is at the screen point.
CABCWindow* FindWindowUnderPoint(const CPoint& screenPoint);

// The next (or previous) shown window after the active one that is no auxiliary and takes part in
// cycling is activated, wrapping round to the first (last) one.
void ActivateNextWindow();
void ActivatePreviousWindow();

// Disables every registered window but the one named (null: all), counted per window, so nested modal
// states enable a window only when the last one ends.
void EnterModalState(HWND keptEnabled);
void LeaveModalState(HWND keptEnabled);

} // namespace NSTramvell
