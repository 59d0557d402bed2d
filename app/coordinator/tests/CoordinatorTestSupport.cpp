#include "app/coordinator/tests/CoordinatorTestSupport.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringManager.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace NSCoordinatorTests {
namespace {

std::string ReadBuiltScript()
{
#ifdef _WIN32
    const std::string path = std::string("Z:") + DRAVIM_STRING_TABLE_SCRIPT;
#else
    const std::string path = DRAVIM_STRING_TABLE_SCRIPT;
#endif
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

struct CScopedProgramStrings::CResources : NSTramvell::IStringResourceReader
{
    bool HasStringResource(const NSTramvell::CResourceKey& key) override
    {
        return key.GetType().GetString() == "SSTR" && key.GetNumber() == 128;
    }
    std::unique_ptr<NSTramvell::CMedia> ReadStringResource(const NSTramvell::CResourceKey& key) override
    {
        if (!HasStringResource(key))
            throw NSTramvell::XBase();
        return std::make_unique<NSTramvell::COwnedMemoryMedia>(static_cast<std::int32_t>(script.size()),
                                                               script.data());
    }

    std::string script = ReadBuiltScript();
};

CScopedProgramStrings::CScopedProgramStrings()
    : mResources(std::make_unique<CResources>())
{
    NSTramvell::CreateStringManager(*mResources);
}

CScopedProgramStrings::~CScopedProgramStrings()
{
    NSTramvell::DestroyStringManager();
}

std::string ProgramText(std::uint32_t entry)
{
    return NSTramvell::GetString(static_cast<std::int32_t>(401280000 + entry));
}

void CRecordingHost::SetProgress(std::int32_t done, std::int32_t total)
{
    progress.emplace_back(done, total);
    if (failIndeterminateProgress && done == -1)
        failIndeterminateProgress();
}

std::uint32_t CRecordingHost::ShowAlert(std::uint32_t alert, const std::string& parameter)
{
    alerts.push_back({alert, parameter});
    if (alertAnswers.empty())
        return NSConversionCoordinator::kButton1;
    const std::uint32_t answer = alertAnswers.front();
    alertAnswers.pop_front();
    return answer;
}

std::uint32_t CRecordingHost::RunConversionErrorDialog(const std::string& message)
{
    dialogMessages.push_back(message);
    if (dialogAnswers.empty())
        return NSConversionCoordinator::kErrorDialogIgnore;
    const std::uint32_t answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

} // namespace NSCoordinatorTests
