#include "tests/fuzz/SeedFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace NSFuzzTargets {

void WriteSeedFile(const std::filesystem::path& folder, const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::uint8_t> ReadSourceFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace NSFuzzTargets
