#include "app/strings/UIStringTables.h"

#include "akai/filesystem/AkaiUIStrings.h"
#include "akai/parsers/ParserStrings.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/HTMLLog.h"
#include "conversion/patch/ConverterStrings.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/modules/ModuleReference.h"

namespace {

std::string ReadLogTemplate(const NSTramvell::CModuleReference& resources, std::uint16_t id)
{
    const std::uint32_t size = resources.GetResourceSize("SHTM", id);
    std::string text(size, '\0');
    std::uint32_t fullSize = 0;
    if (size > 0)
        resources.CopyResource("SHTM", id, text.data(), fullSize, size);
    return text;
}

} // namespace

void InstallUIStringTables()
{
    NSTramvell::CABCCodeModule* module = NSTramvell::CABCCodeModule::GetCurrent();
    if (module == nullptr)
        throw NSTramvell::XBase();
    const NSTramvell::CModuleReference resources = module->GetResourceFile();
    NSAkaiFileSystem::SetUIStrings(BuildFileSystemStrings());
    NSAkaiParser::SetUIStrings(BuildParserStrings());
    NSConverter::SetUIStrings(BuildConverterStrings());
    NSAkaiConversion::SetUIStrings(BuildConversionStrings());
    NSLogger::SetUIStrings(BuildLogStrings());
    NSLogger::SetHTMLTemplates(
        BuildLogTemplates([&resources](std::uint16_t id) { return ReadLogTemplate(resources, id); }));
}
