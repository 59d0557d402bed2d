#include "framework/foundation/audio/LoopSlicerFiles.h"

#include "framework/foundation/files/FileMedia.h"

namespace NSTramvell {

void ReadLoopSlicerDocument(const CFileSpec& file, CLoopSlicerDocument& document,
                            std::unique_ptr<CLoopSlicerSlice[]>& slices)
{
    slices.reset();
    COpenFile media(file);
    ReadLoopSlicerDocument(media, document, slices);
}

} // namespace NSTramvell
