#include "app/preferences/PreferenceFileStorage.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/SafeFileWriter.h"
#include "framework/gui/application/Application.h"

#include <new>

std::int32_t LoadPreferenceFile(const NSTramvell::CDirSpec& folder, const std::string& name,
                                std::unique_ptr<CLuvexPreferenceFile>& out)
{
    out.reset();
    const NSTramvell::CFileSpec file(folder.GetPath() + name);
    if (!NSTramvell::FileExists(file))
        return kPreferenceFileMissing;
    try {
        out = ReadPreferenceFile(file);
        return kPreferenceFileFound;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (...) {
        // Any other failure means the file is damaged or foreign; kept, it would fail every start.
    }
    NSTramvell::DeleteFile(file);
    return kPreferenceFileUnreadable;
}

std::unique_ptr<CLuvexPreferenceFile> ReadPreferenceFile(const NSTramvell::CFileSpec& file)
{
    NSTramvell::COpenFile media(file);
    return std::make_unique<CLuvexPreferenceFile>(media);
}

void SavePreferenceFile(const CLuvexPreferenceFile& preferences, const NSTramvell::CDirSpec& folder,
                        const std::string& name)
{
    NSTramvell::CSafeFileWriter writer(NSTramvell::CFileSpec(folder.GetPath() + name),
                                       NSPreferenceFile::kCreator, NSPreferenceFile::FileTypeDescription());
    preferences.Write(writer.GetMedia());
    writer.Commit();
}

namespace {

NSTramvell::CDirSpec GetPreferenceFolder()
{
    const NSTramvell::CApplication* application = NSTramvell::CApplication::GetApplication();
    if (application == nullptr)
        throw NSTramvell::XBase();
    return application->GetUserDataFolder();
}

} // namespace

std::int32_t LoadPreferenceFile(const std::string& name, std::unique_ptr<CLuvexPreferenceFile>& out)
{
    return LoadPreferenceFile(GetPreferenceFolder(), name, out);
}

void SavePreferenceFile(const CLuvexPreferenceFile& preferences, const std::string& name)
{
    SavePreferenceFile(preferences, GetPreferenceFolder(), name);
}
