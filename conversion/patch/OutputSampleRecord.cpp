#include "conversion/patch/OutputSampleRecord.h"

#include "akai/parsers/AkaiSample.h"
#include "conversion/patch/LoopAndStereoRules.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/RulingString.h"

#include <algorithm>
#include <utility>

namespace NSAkaiConversion {
namespace {

std::string ApplyFileNameRules(const std::string& name)
{
    return NSTramvell::CRulingString<NSTramvell::CFileNameStringRule>(name).GetString();
}

} // namespace

COutputSampleRecord::COutputSampleRecord(const NSAkaiParser::IAkaiSample* left, const NSAkaiParser::IAkaiSample* right,
                                         std::string name, bool written)
    : mLeft(left), mRight(right), mName(std::move(name)), mWritten(written)
{
}

std::string MakeUniqueSampleName(const COutputSampleRecords& records, const std::string& wanted)
{
    const std::string cleaned = ApplyFileNameRules(wanted);
    std::string stem;
    std::string extension;
    NSTramvell::SplitFileNameAndExtension(cleaned, stem, extension);
    std::string candidate = cleaned;
    for (std::int32_t n = 2; ContainsSampleName(records, candidate); ++n)
        candidate = ApplyFileNameRules(stem + std::to_string(n) + extension);
    return candidate;
}

COutputSampleRecords::const_iterator FindSampleRecord(const COutputSampleRecords& records, const std::string& name)
{
    return std::find_if(records.begin(), records.end(),
                        [&name](const COutputSampleRecord& record) { return record.GetName() == name; });
}

bool ContainsSampleName(const COutputSampleRecords& records, const std::string& name)
{
    return FindSampleRecord(records, name) != records.end();
}

std::size_t AddSampleRecord(COutputSampleRecords& records, const NSAkaiParser::IAkaiSample& left,
                            const NSAkaiParser::IAkaiSample* right)
{
    const std::string name = left.GetName();
    const std::string wanted = right == nullptr ? MakeSampleFileName(name) : MakeStereoSampleFileName(name);
    records.emplace_back(&left, right, MakeUniqueSampleName(records, wanted));
    return records.size() - 1;
}

std::size_t AddMissingSampleRecord(COutputSampleRecords& records, const std::string& zoneSampleName)
{
    const std::string name = MakeSampleFileName(zoneSampleName);
    const auto existing = FindSampleRecord(records, name);
    if (existing != records.end())
        return static_cast<std::size_t>(existing - records.begin());
    records.emplace_back(nullptr, nullptr, name);
    return records.size() - 1;
}

} // namespace NSAkaiConversion
