#pragma once

// An output file of a conversion, built whole in memory by its writer and then stored by the caller.

#include "framework/foundation/core/Media.h"

#include <cstdint>

namespace NSConverter {

// What the caller needs of a finished output file: its size and its bytes. The slot order is fixed:
// deleting destructor, GetSize, Read.
class IOutputFileMedia
{
public:
    virtual ~IOutputFileMedia();
    virtual std::int64_t GetSize() const = 0;
    // NSTramvell::XRead when the range is negative or runs past the size.
    virtual void Read(std::int64_t position, std::int64_t length, void* destination) = 0;
};

} // namespace NSConverter

namespace NSConverterImplementation {

// The output file interface under other names, so that one class can be both an output file and a
// CMedia, whose GetSize has another result type.
class COutputFileMediaAdapter : public NSConverter::IOutputFileMedia
{
public:
    std::int64_t GetSize() const final { return GetOutputSize(); }
    void Read(std::int64_t position, std::int64_t length, void* destination) final
    {
        ReadOutput(position, length, destination);
    }

protected:
    virtual std::int64_t GetOutputSize() const = 0;
    virtual void ReadOutput(std::int64_t position, std::int64_t length, void* destination) = 0;
};

// A growable memory file: writers fill it as a CMedia, the caller reads it back as an output file.
// Destruction through either base frees the bytes.
class COutputFileMemoryMedia final : public NSTramvell::COwnedMemoryMedia, public COutputFileMediaAdapter
{
public:
    explicit COutputFileMemoryMedia(std::int32_t capacityInBytes);
    ~COutputFileMemoryMedia() override;

    // Both bases name these; the media's own are meant when a writer or test holds this class.
    using NSTramvell::COwnedMemoryMedia::GetSize;
    using NSTramvell::COwnedMemoryMedia::Read;

    // The caller's view of the finished file.
    NSConverter::IOutputFileMedia& AsOutputFile() { return *this; }

private:
    std::int64_t GetOutputSize() const override;
    void ReadOutput(std::int64_t position, std::int64_t length, void* destination) override;
};

} // namespace NSConverterImplementation
