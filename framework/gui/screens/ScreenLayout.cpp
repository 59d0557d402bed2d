#include "framework/gui/screens/ScreenLayout.h"

#include <algorithm>
#include <utility>

namespace NSTramvell {
namespace {

void ShrinkAndPullInside(CRect& rect, const CRect& bound) noexcept
{
    rect.LimitSize(bound.GetWidth(), bound.GetHeight());
    rect.PullInside(bound);
}

} // namespace

CScreenLayout::CScreenLayout(std::vector<CMonitorRecord> monitors, const CMonitorRecord& oneScreen)
    : mMonitors(std::move(monitors))
{
    const bool unusable = mMonitors.empty() || std::any_of(mMonitors.begin(), mMonitors.end(), [](const auto& m) {
                              return m.mMonitor.IsEmpty() || m.mWorkArea.IsEmpty();
                          });
    if (unusable)
        mMonitors.assign(1, oneScreen);
}

std::uint16_t CScreenLayout::GetPrimaryIndex() const noexcept
{
    for (std::size_t i = 0; i < mMonitors.size(); ++i) {
        if (mMonitors[i].mIsPrimary)
            return static_cast<std::uint16_t>(i);
    }
    return 0;
}

std::int64_t CScreenLayout::GetOverlap(const CRect& rect, std::uint16_t index) const
{
    CRect common = rect;
    if (!common.Intersect(GetMonitor(index).mWorkArea))
        return 0;
    return std::int64_t{common.GetWidth()} * common.GetHeight();
}

std::uint16_t CScreenLayout::FindBestMonitor(const CRect& rect) const
{
    std::uint16_t best = 0;
    std::int64_t bestOverlap = GetOverlap(rect, 0);
    for (std::uint16_t i = 1; i < GetMonitorCount(); ++i) {
        const std::int64_t overlap = GetOverlap(rect, i);
        if (overlap > bestOverlap) {
            best = i;
            bestOverlap = overlap;
        }
    }
    return best;
}

CRect CScreenLayout::MoveOntoBestMonitor(const CRect& rect) const
{
    CRect moved = rect;
    moved.PullInside(GetMonitor(FindBestMonitor(rect)).mWorkArea);
    return moved;
}

CRect CScreenLayout::FitOnBestMonitor(const CRect& rect) const
{
    CRect fitted = rect;
    ShrinkAndPullInside(fitted, GetMonitor(FindBestMonitor(rect)).mWorkArea);
    return fitted;
}

CRect CScreenLayout::FitRect(const CRect& rect) const
{
    CRect bound = mMonitors.front().mWorkArea;
    for (const CMonitorRecord& monitor : mMonitors)
        bound.Union(monitor.mWorkArea);
    CRect fitted = rect;
    ShrinkAndPullInside(fitted, bound);

    // What of the rectangle lies on some monitor; between monitors of different sizes the united bound
    // still has corners that no monitor shows.
    bool anyVisible = false;
    CRect visibleBounds;
    for (const CMonitorRecord& monitor : mMonitors) {
        CRect piece = fitted;
        if (!piece.Intersect(monitor.mMonitor))
            continue;
        if (anyVisible)
            visibleBounds.Union(piece);
        else
            visibleBounds = piece;
        anyVisible = true;
    }
    if (!anyVisible)
        ShrinkAndPullInside(fitted, GetPrimary().mWorkArea);
    else if (visibleBounds.GetSize() != fitted.GetSize())
        fitted = FitOnBestMonitor(fitted);
    return fitted;
}

} // namespace NSTramvell
