#include "conversion/disc/OutputFiles.h"

#include "conversion/log/ConversionStrings.h"
#include "conversion/disc/FolderUtilities.h"
#include "conversion/patch/OutputFileMemoryMedia.h"
#include "conversion/disc/OutputNames.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"

#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace NSAkaiConversionImplementation {
namespace {

const NSTramvell::CMacCreatorCode kCreator("????");

void DeletePartlyWrittenFile(const NSTramvell::CFileSpec& file) noexcept
{
    try {
        NSTramvell::DeleteFile(file);
    } catch (const std::exception&) {
        // The write's own failure is what the caller must see; a file that stays is no worse than before.
    }
}

} // namespace

NSTramvell::CFileTypeDescription MakePatchFileType()
{
    return NSTramvell::CFileTypeDescription("Orvith Mirq Sampler Patch",
                                            NSConverter::GetConversionString(NSAkaiConversion::kPatchFileExtensionId),
                                            NSTramvell::CMacFileTypeCode("MQP "));
}

void StoreOutputFile(const NSTramvell::CFileSpec& file, NSConverter::IOutputFileMedia& media,
                     const NSTramvell::CFileTypeDescription& fileType)
{
    const std::int64_t size = media.GetSize();
    if (size < 0 || size > std::numeric_limits<std::int32_t>::max())
        throw std::bad_alloc();
    // A memory file is written from its own bytes; any other output file is read into a buffer first.
    std::vector<std::uint8_t> copy;
    const void* bytes = nullptr;
    if (auto* memoryFile = dynamic_cast<NSConverterImplementation::COutputFileMemoryMedia*>(&media)) {
        bytes = memoryFile->GetBuffer();
    } else {
        copy.resize(static_cast<std::size_t>(size));
        if (size > 0)
            media.Read(0, size, copy.data());
        bytes = copy.data();
    }

    auto output = std::make_unique<NSTramvell::COpenFile>(file, kCreator, fileType);
    try {
        output->WriteAt(0, static_cast<std::int32_t>(size), bytes);
        output.reset();
    } catch (...) {
        output.reset();
        DeletePartlyWrittenFile(file);
        throw;
    }
}

NSTramvell::CFileName CreatePatchFile(const NSTramvell::CDirSpec& volumeFolder, const std::string& programName,
                                      NSConverter::IOutputFileMedia& media)
{
    const NSTramvell::CFileName name = NSAkaiConversion::MakeUniqueFileName(volumeFolder, MakePatchFileText(programName));
    // The volume folder was made by CreateFolder under the long output folder: its path is already spelled
    // as the file system spells it, so no file stored in it asks for that again.
    StoreOutputFile(NSTramvell::MakeFileSpecInLongFolder(volumeFolder, name), media, MakePatchFileType());
    return name;
}

NSTramvell::CFileName CreateSampleFile(NSConverter::IOutputFileMedia& media, const NSTramvell::CDirSpec& volumeFolder,
                                       const std::string& outputSampleName)
{
    const NSTramvell::CFileName name = NSAkaiConversion::MakeUniqueFileName(volumeFolder, outputSampleName);
    StoreOutputFile(NSTramvell::MakeFileSpecInLongFolder(volumeFolder, name), media,
                    NSTramvell::GetWaveFileDescription());
    return name;
}

} // namespace NSAkaiConversionImplementation
