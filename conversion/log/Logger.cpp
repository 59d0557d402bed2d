#include "conversion/log/Logger.h"

namespace NSLoggerImplementation {

CLogger::~CLogger() = default;

void CLogger::AddPatch(const NSLogger::CPatchEntry& entry)
{
    mTree.FindOrAddVolume(entry.partitionName, entry.volumeName).AddPatch(entry);
}

void CLogger::AddSample(const NSLogger::CSampleEntry& entry)
{
    mTree.FindOrAddVolume(entry.partitionName, entry.volumeName).AddSample(entry);
}

void CLogger::AddSkippedProgram(const NSLogger::CSkippedEntry& entry)
{
    mTree.FindOrAddVolume(entry.partitionName, entry.volumeName).AddSkippedProgram(entry);
}

void CLogger::AddSkippedSample(const NSLogger::CSkippedEntry& entry)
{
    mTree.FindOrAddVolume(entry.partitionName, entry.volumeName).AddSkippedSample(entry);
}

} // namespace NSLoggerImplementation
