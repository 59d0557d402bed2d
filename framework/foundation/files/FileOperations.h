#pragma once

// Operations on the platform's files and folders, and the mapping of a platform error code to the file
// exception that tells it. No path with a reserved device name after its root ('C:\x\con.wav') is handed
// to the platform: creating it throws XCreateFailed, opening or deleting it XFileNotFound, a folder
// operation XFile, and the existence tests answer false.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class COwnedMemoryMedia;

// Never returns: 2, 3, 15, 21, 1237 XFileNotFound; 4 XOpenFailed; 5, 19, 32, 33 XFileLocked; 8
// XOutOfMemory; 29 XWrite; 30 XRead; 39, 112 XDiskFull; 82 XCreateFailed; every other code XFile.
[[noreturn]] void ThrowFileErrorFromCode(std::uint32_t code);

// True when the platform gives the path's attributes, or refuses them because the file is in use (32,
// 33); an answer of 1237 (try again) is asked again, at most 10 times in all. Never throws.
bool FileExists(const CFileSpec& file);
// As FileExists on the folder path without its final backslash; true only for a folder.
bool FolderExists(const CDirSpec& folder);
// A search for folder path + name finds something. Never throws.
bool FileExistsInFolder(const CDirSpec& folder, const std::string& name);

// Removes the file; a failure throws by ThrowFileErrorFromCode.
void DeleteFile(const CFileSpec& file);
// The same operation under the name the conversion engine and the application call it by.
void CheckFileOperation(const CFileSpec& file);

// Creates parent + name and returns it; an existing folder or any failure throws XFile.
CDirSpec CreateFolder(const CDirSpec& parent, const CDirectoryName& name);
// Removes an empty folder; failure throws XFile.
void DeleteFolder(const CDirSpec& folder);

// Swaps the contents of a and b by three renames through a temporary name in a's folder; a's name then
// holds b's content with a's creation time. A failed rename undoes the renames before it (a failing undo
// stops there) and throws the first failure; nothing is ever deleted.
void ExchangeFiles(const CFileSpec& a, const CFileSpec& b);

std::uint32_t GetFileSize(const CFileSpec& file);
// Creates (or replaces) the file and writes the bytes.
void WriteFileFromBuffer(const CFileSpec& file, const CMacCreatorCode& creator, const CMacFileTypeCode& fileType,
                         const void* bytes, std::int32_t countInBytes);
// The whole file in a new memory media, positioned at 0.
std::unique_ptr<COwnedMemoryMedia> ReadFileToMemory(const CFileSpec& file);

namespace NSFileOperationsInternal {

enum class EExistence
{
    kExists,
    kMissing,
    kAskAgain
};
// What a failed attribute query's error code says about existence.
EExistence ExistenceFromErrorCode(std::uint32_t code);
inline constexpr int kMaximumExistenceQueries = 10;

} // namespace NSFileOperationsInternal

} // namespace NSTramvell
