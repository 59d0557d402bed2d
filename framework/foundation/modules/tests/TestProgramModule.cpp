#include "framework/foundation/modules/tests/TestProgramModule.h"

#include "framework/foundation/files/Folders.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSModuleTestSupport {

using namespace NSTramvell;

namespace {

class CTestProgramModule : public CABCCodeModule
{
public:
    explicit CTestProgramModule(const CCodeModuleInfo& info)
        : CABCCodeModule(info)
    {
    }
};

} // namespace

std::unique_ptr<CABCCodeModule> MakeTestProgramModule(const std::string& name)
{
    const CFileSpec program = GetProgramFileSpec();
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    return std::make_unique<CTestProgramModule>(
        CCodeModuleInfo(program.GetDirSpec(), name, OpenModule(program, instance), instance));
}

} // namespace NSModuleTestSupport
