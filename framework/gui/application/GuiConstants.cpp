#include "framework/gui/application/GuiConstants.h"

namespace NSTramvell {

const CResourceType& GetDialogResourceType()
{
    static const CResourceType type("DLOG");
    return type;
}

const CResourceType& GetBitmapResourceType()
{
    static const CResourceType type("BMP ");
    return type;
}

const CResourceType& GetColorTableResourceType()
{
    static const CResourceType type("SCOL");
    return type;
}

} // namespace NSTramvell
