#pragma once

// Frame mode keeps the frame window's placement and its stay-on-top flag in the registry, under
// HKEY_CURRENT_USER\Software\Quenholt Software\<module name>.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace NSTramvell {

// The platform's window placement record, its first word its own length in bytes.
using TWindowPlacement = std::array<std::uint32_t, 11>;

struct CFrameSettings
{
    std::optional<TWindowPlacement> mPlacement;   // "MainFramePlacement"
    std::optional<bool> mStayOnTop;               // "StayOnTop"
};

// A missing value stays empty; a stored value of another size throws XBadFormat; a key that cannot be
// opened or made throws XBase.
CFrameSettings ReadFrameSettings(const std::string& moduleName);
void WriteFrameSettings(const std::string& moduleName, const TWindowPlacement& placement, bool stayOnTop);

} // namespace NSTramvell
