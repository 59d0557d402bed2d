#pragma once

// A fresh folder in the temporary folder for each test, removed with everything in it at the end, and
// whole-file reads and writes that go straight to Win32, beside the code under test.

#include "framework/foundation/files/FileSpec.h"

#include <string>

namespace NSFilesTest {

class CScratchFolder
{
public:
    CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    ~CScratchFolder();

    // The folder's path, ending with a backslash.
    const std::string& GetPath() const { return mPath; }
    NSTramvell::CDirSpec GetDirSpec() const { return NSTramvell::CDirSpec(mPath); }
    NSTramvell::CFileSpec GetFile(const std::string& name) const { return NSTramvell::CFileSpec(mPath + name); }

private:
    std::string mPath;
};

void WriteWholeFile(const std::string& path, const std::string& contents);
// The contents, or "<missing>" when the file cannot be opened.
std::string ReadWholeFile(const std::string& path);
// Names of the entries of a folder (without "." and ".."), sorted.
std::string ListFolder(const std::string& folderPath);
void RemoveTree(const std::string& path);

} // namespace NSFilesTest
