// The file half of the logger, which needs the platform's files.

#include "conversion/log/Logger.h"

#include "conversion/log/HTMLLog.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileTypeDescription.h"

#include <memory>

namespace NSLoggerImplementation {

void CLogger::WriteHTMLLog(const NSLogger::CLogTree& tree, const NSTramvell::CFileSpec& file,
                           const std::string& title, std::uint32_t endState)
{
    const std::string page = NSLogger::ComposeHTMLLog(tree, title, endState);
    auto output = std::make_unique<NSTramvell::COpenFile>(file, NSTramvell::CMacCreatorCode("????"),
                                                          NSTramvell::GetTextFileDescription());
    try {
        output->WriteAt(0, static_cast<std::int32_t>(page.size()), page.data());
        output.reset();
    } catch (...) {
        // A page cut short (an empty one on a full disk) is no log; its own failure is what passes on.
        output.reset();
        try {
            NSTramvell::DeleteFile(file);
        } catch (const std::exception&) {
        }
        throw;
    }
}

} // namespace NSLoggerImplementation
