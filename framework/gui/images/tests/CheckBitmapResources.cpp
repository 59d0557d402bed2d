// Reads every "BMPF" bitmap resource of a module through the BMP reader and says which cannot be read:
//     dravim_check_bitmap_resources [MODULE]
// without a module, its own resources. Exits 1 when one fails or the module cannot be opened.

#include "framework/foundation/core/Media.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/images/BMPFormat.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace {

class CRowCounter : public NSTramvell::IBMPRowReceiver
{
public:
    void BeginPicture(std::int32_t width, std::int32_t height) override
    {
        mWidth = width;
        mHeight = height;
    }
    void ReceiveBGRRow(std::int32_t, std::int32_t, const std::uint8_t*) override { ++mRows; }

    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
    std::int32_t mRows = 0;
};

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<WORD>*>(ids)->push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

// The resource's bytes, or false when the platform cannot give them.
bool CopyResource(HMODULE module, WORD id, std::vector<std::uint8_t>& bytes)
{
    NSTramvell::CKernelTable& kernel = NSTramvell::GetKernelTable();
    HRSRC found = kernel.FindResourceA(module, MAKEINTRESOURCEA(id), "BMPF");
    HGLOBAL loaded = found != nullptr ? kernel.LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? kernel.LockResource(loaded) : nullptr;
    if (data == nullptr)
        return false;
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.assign(first, first + kernel.SizeofResource(module, found));
    return true;
}

int CheckModule(HMODULE module)
{
    std::vector<WORD> ids;
    NSTramvell::GetKernelTable().EnumResourceNamesA(module, "BMPF", CollectId, reinterpret_cast<LONG_PTR>(&ids));
    int failures = 0;
    for (const WORD id : ids) {
        std::vector<std::uint8_t> bytes;
        if (!CopyResource(module, id, bytes)) {
            std::printf("BMPF %u: the platform gives no bytes\n", id);
            ++failures;
            continue;
        }
        try {
            NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(bytes.size()), bytes.data());
            CRowCounter counter;
            NSTramvell::ReadBMP(media, counter);
            std::printf("BMPF %u: %d x %d, %d rows\n", id, counter.mWidth, counter.mHeight, counter.mRows);
        } catch (const std::exception& e) {
            std::printf("BMPF %u: not read (%s)\n", id, e.what());
            ++failures;
        }
    }
    std::printf("%zu bitmap resources, %d not read\n", ids.size(), failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argumentCount, char** arguments)
{
    NSTramvell::BindPlatformTables();
    NSTramvell::CKernelTable& kernel = NSTramvell::GetKernelTable();
    int result = 1;
    if (argumentCount < 2) {
        result = CheckModule(nullptr);
    } else if (HMODULE module = kernel.LoadLibraryA(arguments[1])) {
        result = CheckModule(module);
        kernel.FreeLibrary(module);
    } else {
        std::printf("%s: cannot be opened\n", arguments[1]);
    }
    NSTramvell::ReleasePlatformTables();
    return result;
}
