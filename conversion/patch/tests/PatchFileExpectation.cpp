#include "conversion/patch/tests/PatchFileExpectation.h"

#include "conversion/patch/OutputFileMemoryMedia.h"
#include "tests/support/HostPath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace NSPatchTests {
namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string StringList(const std::vector<std::string>& texts)
{
    std::string list = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        list += (i == 0 ? "" : ", ") + Quoted(texts[i]);
    return list + "]";
}

// A file in the folder that CTest names.
std::string OutputPath(const std::string& fileName)
{
    const char* folder = std::getenv("DRAVIM_PATCH_FILES");
    if (folder == nullptr || *folder == '\0') {
        ADD_FAILURE() << "DRAVIM_PATCH_FILES names no folder; run these tests through CTest";
        return fileName;
    }
    return NSTestSupport::HostPath(std::string(folder) + "/" + fileName);
}

void WriteFile(const std::string& path, const void* bytes, std::size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    EXPECT_TRUE(file.good()) << "cannot write " << path;
}

} // namespace

std::int32_t CZoneExpectation::Put(const std::string& field, std::int32_t value)
{
    mFields.emplace_back(field, value);
    return value;
}

std::string CPatchExpectation::ToJson() const
{
    std::ostringstream json;
    json << "{\n  \"program\": " << Quoted(programName) << ",\n  \"references\": " << StringList(references)
         << ",\n  \"slots\": " << StringList(slots) << ",\n  \"parameters\": [";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        json << (i == 0 ? "" : ", ") << "[";
        for (std::size_t j = 0; j < parameters[i].size(); ++j)
            json << (j == 0 ? "" : ", ") << parameters[i][j];
        json << "]";
    }
    json << "],\n  \"zones\": [";
    for (std::size_t i = 0; i < zones.size(); ++i) {
        json << (i == 0 ? "\n    {" : ",\n    {");
        const auto& fields = zones[i].GetFields();
        for (std::size_t j = 0; j < fields.size(); ++j)
            json << (j == 0 ? "" : ", ") << Quoted(fields[j].first) << ": " << fields[j].second;
        json << "}";
    }
    json << "\n  ]\n}\n";
    return json.str();
}

void SavePatchFile(const std::string& caseName, const NSConverterImplementation::COutputFileMemoryMedia& media,
                   const CPatchExpectation* expectation)
{
    WriteFile(OutputPath(caseName + ".mqp"), media.GetBuffer(), static_cast<std::size_t>(media.GetSize()));
    if (expectation != nullptr) {
        const std::string json = expectation->ToJson();
        WriteFile(OutputPath(caseName + ".json"), json.data(), json.size());
    }
}

} // namespace NSPatchTests
