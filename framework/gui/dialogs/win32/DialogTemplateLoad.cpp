#include "framework/gui/dialogs/DialogTemplate.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {

CDialogTemplate CDialogTemplate::Load(std::uint16_t resourceId)
{
    const CABCCodeModule* module = CABCCodeModule::GetCurrent();
    if (module == nullptr)
        throw XBase();
    const std::unique_ptr<COwnedMemoryMedia> resource = module->GetResourceFile().LoadResource("DLOG", resourceId);
    const LONG units = GetWindowTable().GetDialogBaseUnits();
    const CPoint baseUnits(units & 0xFFFF, (units >> 16) & 0xFFFF);
    return ParseDialogTemplate(resource->GetBuffer(), static_cast<std::size_t>(resource->GetSize()), baseUnits);
}

} // namespace NSTramvell
