#pragma once

// Reporting a failed internal consistency check: a source file name and a line go to the process-wide
// verify handler, which the program sets to a message box titled with its own name for the whole run.
// Bad input is no such failure: it throws.

#include "framework/foundation/platform/InitializeExit.h"

#include <cstddef>
#include <string>

namespace NSTramvell {

using TVerifyHandler = void (*)(const char* sourceFile, int line);

void SetVerifyHandler(TVerifyHandler handler);
TVerifyHandler GetVerifyHandler();
// Calls the verify handler when one is set; without one the failure is ignored.
void ReportVerifyFailure(const char* sourceFile, int line);

// The caption of the verify box; set by CVerifyHandlerInstaller and kept after it is gone.
std::string GetVerifyProgramName();

// The message-box verify handler: "<file>(<line>) : VERIFY failure" under the program name, with a stop
// icon and one button, no owner window, idle processing suspended while it is up. It swallows every
// exception and does not call the handler installed before it.
void ShowVerifyFailure(const char* sourceFile, int line);

// Installs ShowVerifyFailure for its lifetime and puts the previous handler back when it ends.
class CVerifyHandlerInstaller
{
public:
    explicit CVerifyHandlerInstaller(const std::string& programName);
    ~CVerifyHandlerInstaller();
    CVerifyHandlerInstaller(const CVerifyHandlerInstaller&) = delete;
    CVerifyHandlerInstaller& operator=(const CVerifyHandlerInstaller&) = delete;

    TVerifyHandler GetPreviousHandler() const { return mPreviousHandler; }

private:
    TVerifyHandler mPreviousHandler;
};

CVerifyHandlerInstaller* GetCurrentVerifyInstaller();

// Registered with the init/exit registry on construction; owns an installer from Initialize to Exit. Two
// installers at once are themselves a verify failure.
class CStandardVerifyInstance : public IInitializeExit
{
public:
    explicit CStandardVerifyInstance(const std::string& programName);
    virtual ~CStandardVerifyInstance();
    void Initialize() override;
    void Exit() override;

private:
    std::string mProgramName;
    CVerifyHandlerInstaller* mInstaller;   // owned from Initialize to Exit
};

namespace NSVerifyInternal {

// A file name this long or longer is not shown.
inline constexpr std::size_t kLongestShownFileName = 487;
inline constexpr char kFileNameTooLongText[] = "VERIFY failure (filename to long)";
inline constexpr unsigned kVerifyBoxStyle = 16;

std::string MakeVerifyMessage(const char* sourceFile, int line);
void SetVerifyProgramName(const std::string& programName);

} // namespace NSVerifyInternal

} // namespace NSTramvell
