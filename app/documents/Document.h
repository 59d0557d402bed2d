#pragma once

// A document record: a name, the file it belongs to (if any), a counter and a value. The program has no
// documents of its own; the record is kept for shells built on this one. It owns its file spec.

#include "framework/foundation/files/FileSpec.h"

#include <cstdint>
#include <memory>
#include <string>

class CDocument
{
public:
    // No name; a copy of the file.
    explicit CDocument(const NSTramvell::CFileSpec& file);
    // "prefix n", n counting the documents so made in this process from 1; no file.
    explicit CDocument(const std::string& namePrefix);
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    virtual ~CDocument();

    const std::string& GetName() const { return mName; }
    // Null when the document has no file or released it.
    const NSTramvell::CFileSpec* GetFile() const { return mFile.get(); }
    void ReleaseFile();

    void ResetCounter() { mCounter = 0; }
    void RaiseCounter() { ++mCounter; }
    bool IsCounterAboveZero() const { return mCounter > 0; }

    void SetValue(std::int32_t value) { mValue = value; }
    void ClearValue() { mValue = 0; }
    std::int32_t GetValue() const { return mValue; }

private:
    std::string mName;
    std::unique_ptr<NSTramvell::CFileSpec> mFile;
    std::int32_t mCounter = 0;
    std::int32_t mValue = 0;
};

// The two constant answers that belong with the document record.
constexpr bool AlwaysTrue() noexcept
{
    return true;
}
constexpr bool AlwaysFalse() noexcept
{
    return false;
}
