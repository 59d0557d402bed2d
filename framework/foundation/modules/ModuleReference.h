#pragma once

// Counted references to the modules (the program file, shared libraries) whose resources the framework
// reads. Every live module record is in one process-wide list, so a module opened twice, even under
// paths that differ in letter case, is one record; it is closed when its last reference goes. User-
// interface thread only: the list and the counts take no lock.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>

// The platform's module handle, declared as the platform declares it.
struct HINSTANCE__;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

namespace NSTramvell {

class COwnedMemoryMedia;

// One module: its file, its handle, its count of references, and whether the framework opened it (and
// so must release it) or was only told about it.
class CLoadedModule
{
public:
    // Counted 1 and appended to the process's list; the creator holds that count.
    CLoadedModule(const CFileSpec& file, HMODULE handle, bool owned);
    CLoadedModule(const CLoadedModule&) = delete;
    CLoadedModule& operator=(const CLoadedModule&) = delete;

    const CFileSpec& GetFile() const { return mFile; }
    HMODULE GetHandle() const { return mHandle; }
    std::int32_t GetReferenceCount() const { return mReferenceCount; }
    bool IsOwned() const { return mOwned; }

    void AddReference();
    // At zero the record leaves the list, releases the module when owned, and deletes itself.
    void Release();

private:
    ~CLoadedModule();

    CFileSpec mFile;
    HMODULE mHandle;
    std::int32_t mReferenceCount = 1;
    bool mOwned;
};

// A counted reference to one module record. A resource is named by its four-character type and a 16-bit
// number; "DLOG" and "BMP " stand for the platform's dialog-template and bitmap kinds.
class CModuleReference
{
public:
    // Adds a count to the record.
    explicit CModuleReference(CLoadedModule& module);
    CModuleReference(const CModuleReference& other);
    CModuleReference& operator=(const CModuleReference& other);
    ~CModuleReference();

    HMODULE GetHandle() const;
    const CFileSpec& GetFile() const;

    bool HasResource(const CResourceType& type, std::uint16_t number) const;
    // A missing resource throws XBase.
    std::uint32_t GetResourceSize(const CResourceType& type, std::uint16_t number) const;
    // Copies at most capacityInBytes bytes; fullSizeInBytes receives the resource's whole size. A missing
    // resource throws XBase, one the platform cannot bring into memory XFile.
    void CopyResource(const CResourceType& type, std::uint16_t number, void* destination,
                      std::uint32_t& fullSizeInBytes, std::uint32_t capacityInBytes) const;
    // A copy of the resource's bytes, positioned at 0; failures as CopyResource.
    std::unique_ptr<COwnedMemoryMedia> LoadResource(const CResourceType& type, std::uint16_t number) const;

private:
    CLoadedModule* mModule;  // counted: the record lives at least as long as this reference
};

// The listed record whose file equals the given one (full paths, letter case ignored), else a new record
// that opens the module by its full path. A module that cannot be opened throws XBase and leaves the list
// as it was.
CModuleReference OpenModule(const CFileSpec& file);
// The program's own module, already loaded: the listed record for the file, else a record that is not
// owned (the program never loads itself a second time).
CModuleReference OpenModule(const CFileSpec& file, HINSTANCE instance);
// A new record for a module someone else loaded and will release; its count of 1 belongs to the caller,
// who gives it back with ReleaseModuleByHandle.
CLoadedModule& RegisterModule(const CFileSpec& file, HMODULE handle);

// The first listed record that matches, or null.
CLoadedModule* FindModuleByFile(const CFileSpec& file);
CLoadedModule* FindModuleByHandle(HMODULE handle);
// Releases one count of the first record with the handle; nothing when none has it.
void ReleaseModuleByHandle(HMODULE handle);

} // namespace NSTramvell
