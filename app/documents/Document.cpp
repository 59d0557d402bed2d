#include "app/documents/Document.h"

#include <atomic>

namespace {

std::atomic<std::int32_t> gNextDocumentNumber{1};

} // namespace

CDocument::CDocument(const NSTramvell::CFileSpec& file)
    : mFile(std::make_unique<NSTramvell::CFileSpec>(file))
{
}

CDocument::CDocument(const std::string& namePrefix)
    : mName(namePrefix + " " + std::to_string(gNextDocumentNumber++))
{
}

CDocument::~CDocument() = default;

void CDocument::ReleaseFile()
{
    mFile.reset();
}
