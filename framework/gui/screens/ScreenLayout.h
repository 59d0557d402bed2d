#pragma once

// The screen as a list of monitors, and the placement rules that keep windows and dialogs where the user
// can see them. The arithmetic is platform-free; win32/Screens.cpp reads the monitors from the system.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

struct CMonitorRecord
{
    CRect mMonitor;
    CRect mWorkArea;  // the monitor without task bars
    std::int32_t mDepthInBits = 0;
    bool mIsPrimary = false;
};

class CScreenLayout
{
public:
    // The monitors in the system's order. An empty list, or one with a record the system could not fill
    // (an empty monitor rectangle), gives way to oneScreen: a window placed on a zero-size screen would
    // shrink to nothing.
    CScreenLayout(std::vector<CMonitorRecord> monitors, const CMonitorRecord& oneScreen);

    std::uint16_t GetMonitorCount() const noexcept { return static_cast<std::uint16_t>(mMonitors.size()); }
    // index below GetMonitorCount.
    const CMonitorRecord& GetMonitor(std::uint16_t index) const { return mMonitors.at(index); }
    // The first monitor flagged primary, 0 when none is.
    std::uint16_t GetPrimaryIndex() const noexcept;
    const CMonitorRecord& GetPrimary() const { return GetMonitor(GetPrimaryIndex()); }

    // The area of rect that lies in the monitor's work area.
    std::int64_t GetOverlap(const CRect& rect, std::uint16_t index) const;
    // The monitor whose work area holds most of rect; ties go to the lower index.
    std::uint16_t FindBestMonitor(const CRect& rect) const;
    // rect moved, size kept, into the best monitor's work area.
    CRect MoveOntoBestMonitor(const CRect& rect) const;
    // rect shrunk to the best monitor's work area, then moved into it.
    CRect FitOnBestMonitor(const CRect& rect) const;
    // rect moved, and shrunk where it must be, so that all of it lies on a monitor.
    CRect FitRect(const CRect& rect) const;

private:
    std::vector<CMonitorRecord> mMonitors;
};

// The system's monitors as they are now (win32/Screens.cpp).
CScreenLayout GetScreenLayout();
CRect FitRectOnScreen(const CRect& rect);

} // namespace NSTramvell
