#include "framework/gui/dialogs/tests/fuzz/FuzzDialogTemplate.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/dialogs/DialogTemplate.h"

#include <cstdlib>

namespace NSFuzzTargets {

namespace {

// Dialog units are 16-bit, so no pixel coordinate can pass 8 × 65536 with these units.
constexpr std::int32_t kCoordinateLimit = 8 * 65536 * 2;

bool Within(const NSTramvell::CRect& frame)
{
    for (const std::int32_t value : {frame.GetLeft(), frame.GetTop(), frame.GetRight(), frame.GetBottom()}) {
        if (value > kCoordinateLimit || value < -kCoordinateLimit)
            return false;
    }
    return true;
}

} // namespace

int FuzzDialogTemplate(const std::uint8_t* data, std::size_t size)
{
    for (const NSTramvell::CPoint units : {NSTramvell::CPoint(6, 13), NSTramvell::CPoint(8, 16)}) {
        try {
            const NSTramvell::CDialogTemplate parsed = NSTramvell::ParseDialogTemplate(data, size, units);
            for (const NSTramvell::CDialogItem& item : parsed.GetItems()) {
                if (!Within(item.GetRect()) || item.GetText().size() > size)
                    std::abort();
            }
        } catch (const NSTramvell::XMedia&) {
        }
    }
    return 0;
}

} // namespace NSFuzzTargets
