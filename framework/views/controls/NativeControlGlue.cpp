// The platform-free half of the native-control glue: the class names, the registry and dialog units.

#include "framework/views/controls/NativeControlGlue.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace NSWinControlUtils {
namespace {

std::vector<IWinControlCallback*>& GetRegistry()
{
    static std::vector<IWinControlCallback*> registry;
    return registry;
}

} // namespace

const char* GetNativeControlClassName(std::int32_t kind)
{
    static constexpr const char* kClassNames[] = {"BUTTON", "BUTTON", "BUTTON", "BUTTON", "msctls_trackbar32",
                                                  "EDIT", "COMBOBOX", "msctls_progress32", "SCROLLBAR"};
    if (kind < 0 || kind >= static_cast<std::int32_t>(std::size(kClassNames)))
        return nullptr;
    return kClassNames[kind];
}

void RegisterNativeControlCallback(IWinControlCallback* callback)
{
    GetRegistry().push_back(callback);
}

void UnregisterNativeControlCallback(IWinControlCallback* callback)
{
    if (callback == nullptr)
        return;
    std::vector<IWinControlCallback*>& registry = GetRegistry();
    const auto found = std::find(registry.begin(), registry.end(), callback);
    if (found != registry.end())
        registry.erase(found);
}

IWinControlCallback* FindRegisteredCallback(HWND handle)
{
    for (IWinControlCallback* callback : GetRegistry()) {
        if (callback != nullptr && callback->GetNativeHandle() == handle)
            return callback;
    }
    return nullptr;
}

std::size_t GetRegisteredCallbackCount()
{
    return GetRegistry().size();
}

NSTramvell::CRect DialogUnitsToPixels(std::uint32_t baseUnits, std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height)
{
    // Widened before the product, so that no coordinate a template can hold overflows on the way.
    const std::int64_t horizontal = baseUnits & 0xFFFF;
    const std::int64_t vertical = baseUnits >> 16;
    const auto left = static_cast<std::int32_t>(x * horizontal / 4);
    const auto top = static_cast<std::int32_t>(y * vertical / 8);
    return NSTramvell::CRect(left, top, left + static_cast<std::int32_t>(width * horizontal / 4),
                             top + static_cast<std::int32_t>(height * vertical / 8));
}

} // namespace NSWinControlUtils
