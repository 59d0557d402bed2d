#include "framework/foundation/chunks/IFFFile.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/chunks/IFFReader2.h"
#include "framework/foundation/chunks/IFFWriter2.h"
#include "framework/foundation/core/Media.h"

#include <string>

namespace NSTramvell {

// ---- CIFFFileWriter ----

// One begun chunk: the writer that was current before it and a writer into its data.
class CIFFFileWriter::COpenChunk
{
public:
    COpenChunk(CIFFWriter2& parent, const CIFFChunkInfo& chunk)
        : mParent(&parent), mWriter(std::make_unique<CIFFWriter2>(parent, chunk)), mChunk(chunk)
    {
    }

    CIFFWriter2* mParent; // borrowed from the stack below or the root
    std::unique_ptr<CIFFWriter2> mWriter;
    CIFFChunkInfo mChunk;
};

CIFFFileWriter::CIFFFileWriter(CMedia& media, int byteOrder)
    : mRoot(std::make_unique<CIFFWriter2>(media, byteOrder)), mCurrent(mRoot.get())
{
}

CIFFFileWriter::~CIFFFileWriter()
{
    // A failure here cannot be reported: the destructor may be running because a write failed, and
    // throwing would end the program. Each chunk is ended as far as the media lets it, and the next
    // one outwards still gets its chance; a chunk whose size stays unpatched was cut short anyway.
    while (!mOpenChunks.empty()) {
        try {
            EndInnermost();
        } catch (...) {
        }
    }
}

CIFFWriter2& CIFFFileWriter::GetCurrent() const
{
    if (mCurrent == nullptr)
        throw XBase();
    return *mCurrent;
}

void CIFFFileWriter::Push(const CIFFChunkInfo& chunk)
{
    auto entry = std::make_unique<COpenChunk>(GetCurrent(), chunk);
    CIFFWriter2* const writer = entry->mWriter.get();
    mOpenChunks.push_back(std::move(entry));
    mCurrent = writer;
}

void CIFFFileWriter::BeginFORM(const CRulingString<CFourCharCodeRule>& type)
{
    CIFFChunkInfo chunk;
    GetCurrent().BeginFORMChunk(chunk, type.GetString().c_str());
    Push(chunk);
}

void CIFFFileWriter::BeginCAT(const CRulingString<CFourCharCodeRule>& type)
{
    CIFFChunkInfo chunk;
    GetCurrent().BeginCATChunk(chunk, type.GetString().c_str());
    Push(chunk);
}

void CIFFFileWriter::BeginLIST(const CRulingString<CFourCharCodeRule>& type)
{
    CIFFChunkInfo chunk;
    GetCurrent().BeginLISTChunk(chunk, type.GetString().c_str());
    Push(chunk);
}

void CIFFFileWriter::BeginChunk(const CRulingString<CFourCharCodeRule>& id)
{
    CIFFChunkInfo chunk;
    GetCurrent().BeginChunk(chunk, id.GetString().c_str());
    Push(chunk);
}

CMedia& CIFFFileWriter::GetMedia() const
{
    return GetCurrent().GetMedia();
}

void CIFFFileWriter::EndChunk()
{
    if (mOpenChunks.empty())
        throw XBase();
    EndInnermost();
}

// The entry leaves the stack before anything can fail, so every call shortens it.
void CIFFFileWriter::EndInnermost()
{
    const std::unique_ptr<COpenChunk> entry = std::move(mOpenChunks.back());
    mOpenChunks.pop_back();
    mCurrent = entry->mParent;
    mCurrent->EndChunk(entry->mChunk);
}

void CIFFFileWriter::CloseAll()
{
    while (!mOpenChunks.empty())
        EndInnermost();
    mCurrent = nullptr;
    mRoot.reset();
}

// ---- CIFFFileReader ----

// One entered chunk: the reader that was current before it and a reader over its data.
class CIFFFileReader::CEnteredChunk
{
public:
    CEnteredChunk(CIFFReader2& parent, const CIFFChunkInfo& chunk)
        : mParent(&parent), mReader(std::make_unique<CIFFReader2>(parent, chunk)), mChunk(chunk)
    {
    }

    CIFFReader2* mParent; // borrowed from the stack below or the root
    std::unique_ptr<CIFFReader2> mReader;
    CIFFChunkInfo mChunk;
};

CIFFFileReader::CIFFFileReader(CMedia& media, int byteOrder)
    : mRoot(std::make_unique<CIFFReader2>(media, byteOrder)), mCurrent(mRoot.get())
{
}

CIFFFileReader::~CIFFFileReader()
{
    while (!mEnteredChunks.empty())
        PopInnermost();
}

void CIFFFileReader::Push(const CIFFChunkInfo& chunk)
{
    auto entry = std::make_unique<CEnteredChunk>(*mCurrent, chunk);
    CIFFReader2* const reader = entry->mReader.get();
    mEnteredChunks.push_back(std::move(entry));
    mCurrent = reader;
}

void CIFFFileReader::PopInnermost()
{
    mCurrent = mEnteredChunks.back()->mParent;
    mEnteredChunks.pop_back();
}

const CIFFFileReader::CEnteredChunk& CIFFFileReader::GetInnermost() const
{
    if (mEnteredChunks.empty())
        throw XBase();
    return *mEnteredChunks.back();
}

bool CIFFFileReader::EnterFound(bool found, const CIFFChunkInfo& chunk)
{
    if (found)
        Push(chunk);
    return found;
}

bool CIFFFileReader::EnterFORM(const CRulingString<CFourCharCodeRule>& type)
{
    CIFFChunkInfo chunk;
    return EnterFound(mCurrent->FindFORMChunk(type.GetString().c_str(), chunk), chunk);
}

bool CIFFFileReader::EnterCAT(const CRulingString<CFourCharCodeRule>& type)
{
    CIFFChunkInfo chunk;
    return EnterFound(mCurrent->FindGroupChunk(type.GetString().c_str(), chunk), chunk);
}

bool CIFFFileReader::EnterLIST(const CRulingString<CFourCharCodeRule>& type)
{
    CIFFChunkInfo chunk;
    return EnterFound(mCurrent->FindLISTChunk(type.GetString().c_str(), chunk), chunk);
}

bool CIFFFileReader::EnterChunk(const CRulingString<CFourCharCodeRule>& id)
{
    CIFFChunkInfo chunk;
    return EnterFound(mCurrent->FindChunk(id.GetString().c_str(), chunk), chunk);
}

void CIFFFileReader::RequireFORM(const CRulingString<CFourCharCodeRule>& type)
{
    if (!EnterFORM(type))
        throw XBadFormat();
}

void CIFFFileReader::RequireCAT(const CRulingString<CFourCharCodeRule>& type)
{
    if (!EnterCAT(type))
        throw XBadFormat();
}

void CIFFFileReader::RequireLIST(const CRulingString<CFourCharCodeRule>& type)
{
    if (!EnterLIST(type))
        throw XBadFormat();
}

void CIFFFileReader::RequireChunk(const CRulingString<CFourCharCodeRule>& id)
{
    if (!EnterChunk(id))
        throw XBadFormat();
}

bool CIFFFileReader::EnterFirstChunk()
{
    CIFFChunkInfo chunk;
    return EnterFound(mCurrent->ReadFirstChunk(chunk), chunk);
}

bool CIFFFileReader::EnterNextChunk()
{
    const CIFFChunkInfo current = GetInnermost().mChunk;
    PopInnermost();
    CIFFChunkInfo next;
    return EnterFound(mCurrent->ReadNextChunk(current, next), next);
}

void CIFFFileReader::LeaveChunk()
{
    GetInnermost();
    PopInnermost();
}

const CIFFChunkInfo& CIFFFileReader::GetChunkInfo() const
{
    return GetInnermost().mChunk;
}

std::int32_t CIFFFileReader::GetDataSize() const
{
    return GetInnermost().mChunk.GetDataSize();
}

void CIFFFileReader::ReadData(void* buffer)
{
    const std::int32_t dataSize = GetInnermost().mChunk.GetDataSize();
    if (dataSize > 0)
        mCurrent->GetMedia().Read(dataSize, buffer);
}

std::unique_ptr<CMedia> CIFFFileReader::OpenChunk(const CRulingString<CFourCharCodeRule>& id)
{
    return mCurrent->OpenChunk(id.GetString().c_str());
}

void CIFFFileReader::ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer)
{
    CIFFChunkInfo chunk;
    if (!mCurrent->FindChunk(id.GetString().c_str(), chunk))
        throw XBadFormat();
    mCurrent->ReadChunkData(chunk, buffer);
}

int CIFFFileReader::CountChunks()
{
    return mCurrent->CountChunks();
}

} // namespace NSTramvell
