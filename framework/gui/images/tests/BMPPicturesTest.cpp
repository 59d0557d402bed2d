// Reads the pictures that make_test_pictures.py writes, an independent writer's files, and writes each
// back for that script to check: the folder comes from DRAVIM_TEST_PICTURES.

#include "framework/foundation/core/Media.h"
#include "framework/gui/images/BMPFormat.h"
#include "framework/gui/images/RowConversion.h"
#include "framework/gui/images/tests/TestPicture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

std::string PicturePath(const std::string& name)
{
    const char* folder = std::getenv("DRAVIM_TEST_PICTURES");
    if (folder == nullptr || *folder == '\0')
        ADD_FAILURE() << "DRAVIM_TEST_PICTURES names no folder; run these tests through CTest";
    return std::string(folder != nullptr ? folder : ".") + "/" + name;
}

class CPictureReceiver : public NSTramvell::IBMPRowReceiver
{
public:
    void BeginPicture(std::int32_t width, std::int32_t height) override
    {
        mPicture = std::make_unique<NSTramvellTest::CTestPicture>(width, height);
    }
    void ReceiveBGRRow(std::int32_t row, std::int32_t width, const std::uint8_t* bytes) override
    {
        NSTramvell::ConvertRowTo32(mPicture->Rows().GetRow(row), width, bytes, NSTramvell::ESourceLayout::kBGR,
                                   false);
    }

    std::unique_ptr<NSTramvellTest::CTestPicture> mPicture;
};

} // namespace

TEST(BMPPictures, ReadTheGeneratedPatternAndWriteItBack)
{
    struct { const char* name; std::int32_t width, height; } kPictures[] = {
        {"pattern-7x5.bmp", 7, 5}, {"pattern-124-header.bmp", 13, 4}, {"pattern-5000-wide.bmp", 5000, 2}};
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        std::ifstream file(PicturePath(picture.name), std::ios::binary);
        ASSERT_TRUE(file.good());
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(bytes.size()), bytes.data());
        CPictureReceiver receiver;
        NSTramvell::ReadBMP(media, receiver);

        const NSTramvell::CImageLayout& layout = receiver.mPicture->Rows().layout;
        ASSERT_EQ(layout.width, picture.width);
        ASSERT_EQ(layout.height, picture.height);
        std::int32_t wrongPixels = 0;
        for (std::int32_t y = 0; y < layout.height; ++y)
            for (std::int32_t x = 0; x < layout.width; ++x) {
                const std::vector<std::uint8_t> expected = {static_cast<std::uint8_t>(3 * x + y),
                                                            static_cast<std::uint8_t>(5 * y),
                                                            static_cast<std::uint8_t>(x ^ y), 0};
                wrongPixels += receiver.mPicture->Get(x, y) != expected;
            }
        EXPECT_EQ(wrongPixels, 0);

        NSTramvell::COwnedMemoryMedia written;
        NSTramvell::WriteBMP(written, receiver.mPicture->Rows(), nullptr);
        std::ofstream out(PicturePath(std::string("written-") + picture.name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(written.GetBuffer()), written.GetSize());
        EXPECT_TRUE(out.good());
    }
}
