#pragma once

// Reading and writing the preference file in a folder (the application's per-user data folder).

#include "app/preferences/PreferenceFile.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {
class CDirSpec;
class CFileSpec;
}

inline constexpr std::int32_t kPreferenceFileFound = 42;
inline constexpr std::int32_t kPreferenceFileMissing = 43;
inline constexpr std::int32_t kPreferenceFileUnreadable = 45;

// 42 with the file read into out; 43 when there is no such file; 45 when it cannot be read, after
// deleting it so that the next start does not meet it again (a deletion that fails throws instead).
// Out of memory passes on. out is null unless the result is 42.
std::int32_t LoadPreferenceFile(const NSTramvell::CDirSpec& folder, const std::string& name,
                                std::unique_ptr<CLuvexPreferenceFile>& out);
std::unique_ptr<CLuvexPreferenceFile> ReadPreferenceFile(const NSTramvell::CFileSpec& file);
// Writes beside an existing file and replaces it only when the whole file was written; failures throw
// and leave the old file as it was.
void SavePreferenceFile(const CLuvexPreferenceFile& preferences, const NSTramvell::CDirSpec& folder,
                        const std::string& name);

// The same in the application's per-user data folder; XBase without an application.
std::int32_t LoadPreferenceFile(const std::string& name, std::unique_ptr<CLuvexPreferenceFile>& out);
void SavePreferenceFile(const CLuvexPreferenceFile& preferences, const std::string& name);
