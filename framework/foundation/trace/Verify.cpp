#include "framework/foundation/trace/Verify.h"

#include <cstdio>
#include <cstring>

namespace NSTramvell {
namespace {

TVerifyHandler gVerifyHandler = nullptr;
std::string gProgramName;

} // namespace

void SetVerifyHandler(TVerifyHandler handler)
{
    gVerifyHandler = handler;
}

TVerifyHandler GetVerifyHandler()
{
    return gVerifyHandler;
}

void ReportVerifyFailure(const char* sourceFile, int line)
{
    if (gVerifyHandler != nullptr)
        gVerifyHandler(sourceFile, line);
}

std::string GetVerifyProgramName()
{
    return gProgramName;
}

namespace NSVerifyInternal {

std::string MakeVerifyMessage(const char* sourceFile, int line)
{
    const char* const fileName = sourceFile == nullptr ? "" : sourceFile;
    if (std::strlen(fileName) > kLongestShownFileName)
        return kFileNameTooLongText;
    char message[512];
    const int length = std::snprintf(message, sizeof message, "%s(%d) : VERIFY failure", fileName, line);
    if (length < 0)
        return kFileNameTooLongText;
    return message;
}

void SetVerifyProgramName(const std::string& programName)
{
    gProgramName = programName;
}

} // namespace NSVerifyInternal

} // namespace NSTramvell
