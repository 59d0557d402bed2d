#include "framework/gui/images/BitmapCache.h"

#include "framework/gui/images/Image.h"

#include <gtest/gtest.h>

using NSTramvell::CBitmapKey;

namespace {

// Counts the pictures alive, so that a test sees which ones the cache deleted.
std::int32_t gLivePictures = 0;

class CCountedPicture : public NSTramvell::CABCImage
{
public:
    CCountedPicture() { ++gLivePictures; }
    ~CCountedPicture() override { --gLivePictures; }
    void GetLayout(NSTramvell::CImageLayout& layout) const override { layout = {}; }
    void Draw(NSTramvell::CABCCanvas&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
              std::int32_t) override
    {
    }
};

NSTramvell::CABCImage* AddPicture(NSTramvell::CBitmapCache& cache, const CBitmapKey& key)
{
    auto picture = std::make_unique<CCountedPicture>();
    NSTramvell::CABCImage* added = picture.get();
    cache.Add(std::move(picture), key);
    return added;
}

} // namespace

TEST(CBitmapKey, FlagsFollowTheirRules)
{
    CBitmapKey key(128);
    key.Set32Bit();
    key.SetTintColor(0x12, 0x34, 0x56);
    EXPECT_FALSE(key.Is32Bit());
    EXPECT_TRUE(key.HasTintColor());
    EXPECT_FALSE(key.IsMasked());
    EXPECT_EQ(key.GetTintRGB(), 0x123456u);

    key.SetMasked();
    key.SetTintColor(1, 2, 3);  // a new colour keeps the mask and replaces the old one
    EXPECT_TRUE(key.IsMasked());
    EXPECT_EQ(key.GetTintRGB(), 0x010203u);
}

TEST(CBitmapKey, EveryFieldTellsKeysApart)
{
    CBitmapKey tinted(5);
    tinted.SetTintColor(0, 0, 1);
    CBitmapKey otherTint(5);
    otherTint.SetTintColor(0, 0, 2);
    CBitmapKey masked(5);
    masked.SetMasked();
    const CBitmapKey keys[] = {CBitmapKey(5), CBitmapKey(6), CBitmapKey(5, 1), tinted, otherTint, masked};
    for (std::size_t i = 0; i < std::size(keys); ++i)
        for (std::size_t j = 0; j < std::size(keys); ++j)
            EXPECT_EQ(keys[i] == keys[j], i == j) << i << ", " << j;
}

TEST(CBitmapCache, FindsTheFirstEqualKeyAndRemovesOnlyIt)
{
    NSTramvell::CBitmapCache cache;
    EXPECT_EQ(cache.Find(CBitmapKey(1)), nullptr);
    NSTramvell::CABCImage* first = AddPicture(cache, CBitmapKey(1));
    NSTramvell::CABCImage* variant = AddPicture(cache, CBitmapKey(1, 9));
    NSTramvell::CABCImage* second = AddPicture(cache, CBitmapKey(1));
    EXPECT_EQ(cache.Find(CBitmapKey(1, 9)), variant);
    EXPECT_EQ(cache.Find(CBitmapKey(1)), first);

    cache.Remove(CBitmapKey(1));
    EXPECT_EQ(gLivePictures, 2);
    EXPECT_EQ(cache.Find(CBitmapKey(1)), second);
    cache.Remove(CBitmapKey(77));
    EXPECT_EQ(cache.GetCount(), 2);
}

TEST(CBitmapCache, PurgeAndDestructionDeleteEveryPicture)
{
    {
        NSTramvell::CBitmapCache cache;
        cache.Purge();
        AddPicture(cache, CBitmapKey(1));
        AddPicture(cache, CBitmapKey(2));
        cache.Purge();
        EXPECT_EQ(gLivePictures, 0);
        EXPECT_EQ(cache.Find(CBitmapKey(1)), nullptr);
        AddPicture(cache, CBitmapKey(3));
        EXPECT_EQ(gLivePictures, 1);
    }
    EXPECT_EQ(gLivePictures, 0);
}
