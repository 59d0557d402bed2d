#include "framework/foundation/modules/tests/ModuleTestSupport.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSModuleTestSupport {

namespace {

std::string GetProgramPath()
{
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

} // namespace

std::string GetProgramFolder()
{
    const std::string path = GetProgramPath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string GetFixtureLibraryPath(const std::string& fixture)
{
    return GetProgramFolder() + "dravim_fixture_" + fixture + ".dll";
}

NSTramvell::CFileSpec GetFixtureLibrary(const std::string& fixture)
{
    return NSTramvell::CFileSpec(GetFixtureLibraryPath(fixture));
}

NSTramvell::CFileSpec GetProgramFile()
{
    return NSTramvell::CFileSpec(GetProgramPath());
}

NSTramvell::CModuleReference OpenProgramModule()
{
    return NSTramvell::OpenModule(GetProgramFile(), ::GetModuleHandleA(nullptr));
}

bool IsLibraryLoaded(const std::string& path)
{
    return ::GetModuleHandleA(path.c_str()) != nullptr;
}

} // namespace NSModuleTestSupport
