#include "framework/gui/images/tests/fuzz/FuzzBMPReader.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/gui/images/BMPFormat.h"
#include "framework/gui/images/RowConversion.h"

#include <cstdlib>
#include <limits>
#include <vector>

namespace NSFuzzTargets {
namespace {

class CCheckingReceiver : public NSTramvell::IBMPRowReceiver
{
public:
    void BeginPicture(std::int32_t width, std::int32_t height) override
    {
        if (mWidth != 0 || width < 1 || height < 1)
            std::abort();
        mWidth = width;
        mPixels.resize(static_cast<std::size_t>(width) * height * 4);
        mRowSeen.assign(static_cast<std::size_t>(height), false);
    }
    void ReceiveBGRRow(std::int32_t row, std::int32_t width, const std::uint8_t* bytes) override
    {
        if (width != mWidth || row < 0 || static_cast<std::size_t>(row) >= mRowSeen.size() || mRowSeen[row])
            std::abort();
        mRowSeen[row] = true;
        NSTramvell::ConvertRowTo32(mPixels.data() + static_cast<std::size_t>(row) * width * 4, width, bytes,
                                   NSTramvell::ESourceLayout::kBGR, false);
    }
    void CheckComplete() const
    {
        for (const bool seen : mRowSeen)
            if (!seen)
                std::abort();
    }

private:
    std::int32_t mWidth = 0;
    std::vector<std::uint8_t> mPixels;
    std::vector<bool> mRowSeen;
};

} // namespace

int FuzzBMPReader(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return 0;
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(size), data);
    CCheckingReceiver receiver;
    try {
        NSTramvell::ReadBMP(media, receiver);
    } catch (const NSTramvell::XBase&) {
        return 0;  // refused as it should be, before or without a row
    }
    receiver.CheckComplete();
    return 0;
}

} // namespace NSFuzzTargets
