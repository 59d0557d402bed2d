#pragma once

// A block of memory shared between the processes of one machine, named after an application-defined
// signature: "Tandil_<signature>_FileMap", a mapping over a temporary file that goes when its last handle
// closes. The mapping is the user size plus 16 bytes: eight guard bytes 0x77 on each side of the data.

#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CABCSharedMemoryImplementation
{
public:
    virtual ~CABCSharedMemoryImplementation();
    virtual std::uint8_t* GetData() const = 0;
    // The bytes from GetData to the end of what is mapped here; on the opening side the view's size,
    // which may be more than the creator asked for (a whole page) but never less.
    virtual std::uint64_t GetDataSize() const = 0;
};

// Failures throw std::exception, after releasing what was made.
class CWinSharedMemoryImplementation : public CABCSharedMemoryImplementation
{
public:
    // Creates the mapping for sizeInBytes of data; it must not exist yet.
    CWinSharedMemoryImplementation(const CApplicationDefinedSignature& signature, std::uint32_t sizeInBytes);
    // Opens the existing mapping of the signature for writing.
    explicit CWinSharedMemoryImplementation(const CApplicationDefinedSignature& signature);
    ~CWinSharedMemoryImplementation() override;
    CWinSharedMemoryImplementation(const CWinSharedMemoryImplementation&) = delete;
    CWinSharedMemoryImplementation& operator=(const CWinSharedMemoryImplementation&) = delete;

    std::uint8_t* GetData() const override;
    std::uint64_t GetDataSize() const override;
    void Release();

    static bool Exists(const CApplicationDefinedSignature& signature);
    static std::string MakeMappingName(const CApplicationDefinedSignature& signature);

private:
    void CreateBackingFile(std::uint32_t fileSizeInBytes);
    void MapWholeView();

    std::uint8_t* mBase = nullptr;   // the mapped view, owned
    CApplicationDefinedSignature mSignature;
    std::uint32_t mSize = 0;         // the user size; 0 on the opening side and after Release
    std::string mMappingName;
    void* mMapping = nullptr;        // owned handle
    void* mBackingFile = nullptr;    // owned handle; null on the opening side
};

// Owns one shared-memory implementation and hands out its data.
class CSharedMemory
{
public:
    CSharedMemory();
    virtual ~CSharedMemory();
    CSharedMemory(const CSharedMemory&) = delete;
    CSharedMemory& operator=(const CSharedMemory&) = delete;

    void Create(const CApplicationDefinedSignature& signature, std::uint32_t sizeInBytes);
    void Open(const CApplicationDefinedSignature& signature);
    std::uint8_t* GetData() const;
    std::uint64_t GetDataSize() const;
    void Release();

    static bool Exists(const CApplicationDefinedSignature& signature);

private:
    std::unique_ptr<CABCSharedMemoryImplementation> mImplementation;
};

} // namespace NSTramvell
