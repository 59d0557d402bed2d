#pragma once

// The running test program as the current code module, for tests that need a main thread (the thread that
// makes it) and other threads that are not. The program must carry a version block.

#include "framework/foundation/modules/CodeModule.h"

#include <memory>
#include <string>

namespace NSModuleTestSupport {

std::unique_ptr<NSTramvell::CABCCodeModule> MakeTestProgramModule(const std::string& name);

} // namespace NSModuleTestSupport
