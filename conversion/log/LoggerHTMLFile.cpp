// The file half of the logger, which needs the platform's files.

#include "conversion/log/Logger.h"

#include "conversion/log/HTMLLog.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileTypeDescription.h"

namespace NSLoggerImplementation {

void CLogger::WriteHTMLLog(const NSLogger::CLogTree& tree, const NSTramvell::CFileSpec& file,
                           const std::string& title, std::uint32_t endState)
{
    const std::string page = NSLogger::ComposeHTMLLog(tree, title, endState);
    NSTramvell::COpenFile output(file, NSTramvell::CMacCreatorCode("????"), NSTramvell::GetTextFileDescription());
    output.WriteAt(0, static_cast<std::int32_t>(page.size()), page.data());
}

} // namespace NSLoggerImplementation
