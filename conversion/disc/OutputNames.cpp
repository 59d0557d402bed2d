#include "conversion/disc/OutputNames.h"

#include "conversion/log/ConversionStrings.h"
#include "conversion/log/HTMLLog.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/StringUtilities.h"

namespace NSAkaiConversionImplementation {
namespace {

constexpr int kLastLogFileNumber = 274;

} // namespace

NSTramvell::CDirectoryName MakeUniqueFolderName(const std::string& name, const CNameTaken& isTaken)
{
    NSTramvell::CDirectoryName candidate(name);
    for (unsigned long long n = 2; isTaken(candidate.GetString()); ++n)
        candidate = NSTramvell::CDirectoryName(name + std::to_string(n));
    return candidate;
}

NSTramvell::CFileName MakeUniqueFileName(const std::string& name, const CNameTaken& isTaken)
{
    NSTramvell::CFileName candidate(name);
    if (!isTaken(candidate.GetString()))
        return candidate;
    std::string stem;
    std::string extension;
    NSTramvell::SplitFileNameAndExtension(candidate.GetString(), stem, extension);
    for (unsigned long long n = 2;; ++n) {
        candidate = NSTramvell::CFileName(stem + std::to_string(n) + extension);
        if (!isTaken(candidate.GetString()))
            return candidate;
    }
}

std::string MakeVolumeFolderText(const std::string& decodedName, int volumeNumber)
{
    if (decodedName.find_first_not_of(' ') != std::string::npos)
        return decodedName;
    return NSTramvell::ReplaceParameters(NSConverter::GetConversionString(NSAkaiConversion::kBlankVolumeNameId),
                                         std::to_string(volumeNumber));
}

std::string MakePatchFileText(const std::string& programName)
{
    return programName + NSConverter::GetConversionString(NSAkaiConversion::kPatchFileExtensionId);
}

NSTramvell::CFileName MakeLogFileName(const std::string& destinationName, const CNameTaken& isTaken)
{
    const std::string pattern = NSLogger::GetLogString(NSLogger::kLogFileNameTextId);
    const std::string numberPattern = NSLogger::GetLogString(NSLogger::kLogFileNumberTextId);
    const auto build = [&](const std::string& suffix) {
        const std::string text = NSTramvell::ReplaceParameters(pattern, destinationName, suffix);
        NSTramvell::CFileName name(text);
        const std::size_t ruledLength = name.GetString().size();
        if (ruledLength < text.size() && text.size() - ruledLength < destinationName.size()) {
            const std::string cut = destinationName.substr(0, destinationName.size() - (text.size() - ruledLength));
            name = NSTramvell::CFileName(NSTramvell::ReplaceParameters(pattern, cut, suffix));
        }
        return name;
    };
    NSTramvell::CFileName name = build(std::string());
    for (int n = 2; isTaken(name.GetString()); ++n) {
        if (n > kLastLogFileNumber)
            throw XCreateFailed();
        name = build(NSTramvell::ReplaceParameters(numberPattern, std::to_string(n)));
    }
    return name;
}

} // namespace NSAkaiConversionImplementation
