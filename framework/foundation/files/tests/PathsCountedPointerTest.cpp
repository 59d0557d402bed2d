#include "framework/foundation/files/CountedPointer.h"

#include <gtest/gtest.h>

using NSTramvell::CCountedPointer;

namespace {

int gDeletions = 0;

class CCounted
{
public:
    virtual ~CCounted() { ++gDeletions; }
    int mValue = 7;
};

class CDerivedCounted : public CCounted
{
public:
    ~CDerivedCounted() override { ++gDeletions; }
};

TEST(CCountedPointer, TheLastOwnerDeletesThroughTheVirtualDestructor)
{
    gDeletions = 0;
    {
        CCountedPointer<CCounted> first(new CDerivedCounted);
        {
            CCountedPointer<CCounted> second(first);
            CCountedPointer<CCounted> third;
            third = second;
            EXPECT_EQ(first.GetOwnerCount(), 3);
            EXPECT_EQ(third->mValue, 7);
        }
        EXPECT_EQ(first.GetOwnerCount(), 1);
        EXPECT_EQ(gDeletions, 0);
        first = first;
        EXPECT_EQ(first.GetOwnerCount(), 1);
    }
    EXPECT_EQ(gDeletions, 2);
}

TEST(CCountedPointer, AssigningOverAnOwnerReleasesItsObject)
{
    gDeletions = 0;
    CCountedPointer<CCounted> a(new CCounted);
    CCountedPointer<CCounted> b(new CCounted);
    a = b;
    EXPECT_EQ(gDeletions, 1);
    EXPECT_EQ(a.Get(), b.Get());
    EXPECT_EQ(b.GetOwnerCount(), 2);
    a = CCountedPointer<CCounted>();
    EXPECT_FALSE(a);
    EXPECT_EQ(b.GetOwnerCount(), 1);
}

} // namespace
