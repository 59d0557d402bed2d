#include "framework/gui/drawing/Format.h"

namespace NSTramvell {

CABCFormat::~CABCFormat() = default;

} // namespace NSTramvell
