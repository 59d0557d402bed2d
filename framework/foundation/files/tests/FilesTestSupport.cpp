#include "framework/foundation/files/tests/FilesTestSupport.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace NSFilesTest {
namespace {

std::atomic<int> gScratchCount{0};

std::vector<WIN32_FIND_DATAA> EntriesOf(const std::string& folderPath)
{
    std::vector<WIN32_FIND_DATAA> entries;
    WIN32_FIND_DATAA found = {};
    const HANDLE search = ::FindFirstFileA((folderPath + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            entries.push_back(found);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return entries;
}

} // namespace

CScratchFolder::CScratchFolder()
{
    char temp[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp)
        throw std::runtime_error("no temporary folder");
    std::string base(temp, length);
    if (base.back() != '\\')
        base += '\\';
    // Every test program of a run makes its folders in the one temporary folder of the shared Wine prefix.
    // A long name there gets a short name that is only a 15-bit hash, which Wine does not keep unique: a
    // short path through it can lead into another program's folder with the same hash, and
    // GetShortPathNameA then fails. A name that is itself a short name (8.3, upper case) has no hashed
    // one, and process id and count keep it unique.
    char name[16] = {};
    std::snprintf(name, sizeof name, "DV%06lX.%03X", static_cast<unsigned long>(::GetCurrentProcessId() & 0xFFFFFF),
                  static_cast<unsigned>(++gScratchCount & 0xFFF));
    mPath = base + name + "\\";
    RemoveTree(mPath);
    if (!::CreateDirectoryA(mPath.c_str(), nullptr))
        throw std::runtime_error("cannot make " + mPath);
}

CScratchFolder::~CScratchFolder()
{
    RemoveTree(mPath);
}

void WriteWholeFile(const std::string& path, const std::string& contents)
{
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string ReadWholeFile(const std::string& path)
{
    const HANDLE file =
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string contents;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        contents.append(buffer, read);
    ::CloseHandle(file);
    return contents;
}

std::string ListFolder(const std::string& folderPath)
{
    std::vector<std::string> names;
    for (const WIN32_FIND_DATAA& entry : EntriesOf(folderPath))
        names.push_back(entry.cFileName);
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : " ") + name;
    return list;
}

void RemoveTree(const std::string& path)
{
    for (const WIN32_FIND_DATAA& entry : EntriesOf(path)) {
        const std::string child = path + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(child + "\\");
        } else {
            ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(child.c_str());
        }
    }
    ::RemoveDirectoryA(path.c_str());
}

} // namespace NSFilesTest
