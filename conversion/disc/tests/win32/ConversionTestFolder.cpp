#include "conversion/disc/tests/win32/ConversionTestFolder.h"

#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/Folders.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace NSConversionTestSupport {

namespace {

NSTramvell::CDirSpec MakeFreshFolder()
{
    const NSTramvell::CDirSpec temp = NSTramvell::GetTempFolder();
    return NSTramvell::CreateFolder(temp, NSTramvell::CDirectoryName(NSTramvell::MakeRandomTempFileName().GetString()));
}

} // namespace

CTestFolder::CTestFolder() : mSpec(MakeFreshFolder())
{
}

CTestFolder::~CTestFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(Path(), ignored);
}

std::string CTestFolder::Path() const
{
    std::string path = mSpec.GetPath();
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::vector<std::string> ListTree(const std::string& folder)
{
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::string relative = std::filesystem::relative(entry.path(), folder).generic_string();
        entries.push_back(relative);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace NSConversionTestSupport
