#include "framework/gui/screens/ScreenLayout.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"

#include <exception>

namespace NSTramvell {
namespace {

std::int32_t GetDepthInBits(HDC dc)
{
    const CWindowTable& table = GetWindowTable();
    return table.GetDeviceCaps(dc, BITSPIXEL) * table.GetDeviceCaps(dc, PLANES);
}

struct CMonitorGathering
{
    std::vector<CMonitorRecord> records;
    bool stopped = false;
    std::exception_ptr error;
};

CMonitorRecord ReadMonitor(HMONITOR monitor)
{
    const CWindowTable& table = GetWindowTable();
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!table.GetMonitorInfoA(monitor, &info))
        return CMonitorRecord();  // empty: the layout then takes the one-screen road
    CMonitorRecord record;
    record.mMonitor = ToRect(info.rcMonitor);
    record.mWorkArea = ToRect(info.rcWork);
    record.mIsPrimary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    const HDC dc = table.CreateDCA(nullptr, info.szDevice, nullptr, nullptr);
    if (dc != nullptr) {
        record.mDepthInBits = GetDepthInBits(dc);
        table.DeleteDC(dc);
    }
    return record;
}

// No exception may unwind through the system's enumeration: it is carried out and thrown afterwards.
BOOL CALLBACK GatherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto& gathering = *reinterpret_cast<CMonitorGathering*>(data);
    try {
        gathering.records.push_back(ReadMonitor(monitor));
        if (gathering.records.back().mMonitor.IsEmpty()) {
            gathering.stopped = true;
            return FALSE;
        }
        return TRUE;
    } catch (...) {
        gathering.error = std::current_exception();
        gathering.stopped = true;
        return FALSE;
    }
}

std::vector<CMonitorRecord> GatherMonitors()
{
    CMonitorGathering gathering;
    const BOOL done =
        GetWindowTable().EnumDisplayMonitors(nullptr, nullptr, &GatherMonitor, reinterpret_cast<LPARAM>(&gathering));
    if (gathering.error)
        std::rethrow_exception(gathering.error);
    if (!done || gathering.stopped)
        return {};
    return gathering.records;
}

CMonitorRecord ReadOneScreen()
{
    const CWindowTable& table = GetWindowTable();
    const HDC screen = table.GetDC(nullptr);
    if (screen == nullptr)
        throw XOutOfMemory();
    CMonitorRecord record;
    record.mDepthInBits = GetDepthInBits(screen);
    table.ReleaseDC(nullptr, screen);
    RECT bounds{};
    table.GetWindowRect(table.GetDesktopWindow(), &bounds);
    record.mMonitor = ToRect(bounds);
    RECT workArea{};
    record.mWorkArea = table.SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0) ? ToRect(workArea) : record.mMonitor;
    record.mIsPrimary = true;
    return record;
}

} // namespace

CScreenLayout GetScreenLayout()
{
    return CScreenLayout(GatherMonitors(), ReadOneScreen());
}

CRect FitRectOnScreen(const CRect& rect)
{
    return GetScreenLayout().FitRect(rect);
}

} // namespace NSTramvell
