#include "libs/samplefile/SondrelImpl.h"

#include "framework/foundation/core/Exceptions.h"
#include "libs/samplefile/FormatValidation.h"
#include "libs/samplefile/FrameReader.h"
#include "libs/samplefile/FrameWriter.h"
#include "libs/samplefile/StatusMapping.h"

#include <limits>
#include <memory>

namespace NSSondrel {

namespace {

constexpr char kInterfaceName[] = "ISondrel";

// Byte by byte up to the first difference or terminator, so a shorter name is never read past its end.
bool IsInterfaceName(const char* name)
{
    for (const char* expected = kInterfaceName;; ++name, ++expected) {
        if (*name != *expected) {
            return false;
        }
        if (*expected == '\0') {
            return true;
        }
    }
}

} // namespace

std::int32_t CSondrelImpl::IsValid() const noexcept
{
    return 1;
}

std::int32_t CSondrelImpl::SetDebugger(IDebugger*) noexcept
{
    return kSondrelSuccess;
}

IFrameReader* CSondrelImpl::CreateFrameReader(IByteReader* source, std::int64_t sizeInBytes, FormatInfo* info,
                                              std::int32_t* status) noexcept
{
    if (status == nullptr) {
        return nullptr;
    }
    if (source == nullptr || info == nullptr || sizeInBytes < 0) {
        *status = kSondrelInvalidArgument;
        return nullptr;
    }
    std::unique_ptr<CFrameReaderImpl> reader;
    *status = CatchTranslatedToStatus([&] {
        // The framework's media count bytes in 32 bits; a larger stream is refused, never wrapped.
        if (sizeInBytes > std::numeric_limits<std::int32_t>::max()) {
            throw NSTramvell::XUnsupportedFormat();
        }
        reader = std::make_unique<CFrameReaderImpl>(*source, static_cast<std::int32_t>(sizeInBytes));
        return kSondrelSuccess;
    });
    if (!reader) {
        return nullptr;
    }
    *info = reader->GetFormatInfo();
    return reader.release();
}

IFrameWriter* CSondrelImpl::CreateFrameWriter(IByteWriter* sink, const FormatInfo* info, std::int32_t* status) noexcept
{
    if (status == nullptr) {
        return nullptr;
    }
    if (sink == nullptr || info == nullptr || !ValidateFormatInfo(*info, EValidation::kLenient)) {
        *status = kSondrelInvalidArgument;
        return nullptr;
    }
    std::unique_ptr<CFrameWriterImpl> writer;
    *status = CatchTranslatedToStatus([&] {
        writer = std::make_unique<CFrameWriterImpl>(*sink, *info);
        return kSondrelSuccess;
    });
    return writer.release();
}

ISondrel* CreateSondrel(const char* interfaceName, std::int32_t* status) noexcept
{
    if (status == nullptr) {
        return nullptr;
    }
    *status = kSondrelSuccess;
    if (interfaceName == nullptr || !IsInterfaceName(interfaceName)) {
        *status = kSondrelInvalidArgument;
        return nullptr;
    }
    ISondrel* library = nullptr;
    *status = CatchToStatus([&] {
        library = new CSondrelImpl();
        return kSondrelSuccess;
    });
    return library;
}

} // namespace NSSondrel
