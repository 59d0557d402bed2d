#include "app/documents/Document.h"

#include <gtest/gtest.h>

TEST(CDocument, NamesFromOnePrefixAreNumberedOneAfterAnother)
{
    const CDocument first("Untitled");
    const CDocument second("Untitled");
    const CDocument other("Disc");
    ASSERT_EQ(first.GetName().rfind("Untitled ", 0), 0u);
    const int number = std::stoi(first.GetName().substr(9));
    EXPECT_GE(number, 1);
    EXPECT_EQ(second.GetName(), "Untitled " + std::to_string(number + 1));
    EXPECT_EQ(other.GetName(), "Disc " + std::to_string(number + 2));
    EXPECT_EQ(first.GetFile(), nullptr);
}

TEST(CDocument, KeepsItsOwnCopyOfTheFileUntilReleased)
{
    CDocument document(NSTramvell::CFileSpec("C:\\Discs\\Drums.prf"));
    EXPECT_EQ(document.GetName(), "");
    ASSERT_NE(document.GetFile(), nullptr);
    EXPECT_EQ(document.GetFile()->GetFullPath(), "C:\\Discs\\Drums.prf");
    document.ReleaseFile();
    EXPECT_EQ(document.GetFile(), nullptr);
}

TEST(CDocument, CounterAndValue)
{
    CDocument document("Counted");
    EXPECT_FALSE(document.IsCounterAboveZero());
    document.RaiseCounter();
    document.RaiseCounter();
    EXPECT_TRUE(document.IsCounterAboveZero());
    document.ResetCounter();
    EXPECT_FALSE(document.IsCounterAboveZero());
    document.SetValue(-7);
    EXPECT_EQ(document.GetValue(), -7);
    document.ClearValue();
    EXPECT_EQ(document.GetValue(), 0);
}

TEST(CDocument, TheTwoConstantAnswers)
{
    EXPECT_TRUE(AlwaysTrue());
    EXPECT_FALSE(AlwaysFalse());
}
