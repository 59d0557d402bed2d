#include "framework/gui/drawing/SmallValues.h"

namespace NSTramvell {

CABCFormat::~CABCFormat() = default;

} // namespace NSTramvell
