#pragma once

// A fresh folder in the temporary folder for one test, removed with everything in it at the end.

#include "framework/foundation/files/FileSpec.h"

#include <string>
#include <vector>

namespace NSConversionTestSupport {

class CTestFolder
{
public:
    CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;
    ~CTestFolder();

    const NSTramvell::CDirSpec& Spec() const { return mSpec; }
    // The folder's path with forward slashes, for the standard library.
    std::string Path() const;

private:
    NSTramvell::CDirSpec mSpec;
};

// Every file and folder below the folder, as paths relative to it with "/" between names, sorted.
std::vector<std::string> ListTree(const std::string& folder);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace NSConversionTestSupport
