#include "framework/foundation/trace/Verify.h"

#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <new>

namespace NSTramvell {
namespace {

CVerifyHandlerInstaller* gCurrentInstaller = nullptr;

// Lowers the idle suspend count however the box ends.
class CIdleSuspension
{
public:
    CIdleSuspension() { GetIdleManager().Suspend(); }
    ~CIdleSuspension() { GetIdleManager().Resume(); }
    CIdleSuspension(const CIdleSuspension&) = delete;
    CIdleSuspension& operator=(const CIdleSuspension&) = delete;
};

} // namespace

void ShowVerifyFailure(const char* sourceFile, int line)
{
    try {
        const std::string message = NSVerifyInternal::MakeVerifyMessage(sourceFile, line);
        const std::string caption = GetVerifyProgramName();
        CIdleSuspension suspension;
        GetWindowTable().MessageBoxA(nullptr, message.c_str(), caption.c_str(), NSVerifyInternal::kVerifyBoxStyle);
    } catch (...) {
        // Reporting a failure must not become one: the box is lost, the program goes on.
    }
}

CVerifyHandlerInstaller::CVerifyHandlerInstaller(const std::string& programName)
    : mPreviousHandler(GetVerifyHandler())
{
    NSVerifyInternal::SetVerifyProgramName(programName);
    gCurrentInstaller = this;
    SetVerifyHandler(&ShowVerifyFailure);
}

CVerifyHandlerInstaller::~CVerifyHandlerInstaller()
{
    gCurrentInstaller = nullptr;
    SetVerifyHandler(mPreviousHandler);
}

CVerifyHandlerInstaller* GetCurrentVerifyInstaller()
{
    return gCurrentInstaller;
}

CStandardVerifyInstance::CStandardVerifyInstance(const std::string& programName)
    : mProgramName(programName)
    , mInstaller(nullptr)
{
    RegisterExitObject(this);
}

CStandardVerifyInstance::~CStandardVerifyInstance()
{
    if (gCurrentInstaller != nullptr)
        ReportVerifyFailure(__FILE__, __LINE__);
}

void CStandardVerifyInstance::Initialize()
{
    if (gCurrentInstaller != nullptr)
        ReportVerifyFailure(__FILE__, __LINE__);
    try {
        mInstaller = new CVerifyHandlerInstaller(mProgramName);
    } catch (const std::bad_alloc&) {
        mInstaller = nullptr;
    }
}

void CStandardVerifyInstance::Exit()
{
    delete mInstaller;
    mInstaller = nullptr;
}

} // namespace NSTramvell
