#pragma once

// Where the module tests find their test libraries (built beside the test program) and the program itself.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/ModuleReference.h"

#include <string>

namespace NSModuleTestSupport {

// The folder of the running test program, ending with a backslash.
std::string GetProgramFolder();
// "Versioned", "ProductSpace" or "Unversioned".
std::string GetFixtureLibraryPath(const std::string& fixture);
NSTramvell::CFileSpec GetFixtureLibrary(const std::string& fixture);
NSTramvell::CFileSpec GetProgramFile();
// The running program as a module record that the test does not own.
NSTramvell::CModuleReference OpenProgramModule();
// Whether the process has the library loaded at the moment.
bool IsLibraryLoaded(const std::string& path);

} // namespace NSModuleTestSupport
