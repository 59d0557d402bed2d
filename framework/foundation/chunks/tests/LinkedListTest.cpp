#include "framework/foundation/chunks/LinkedList.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using NSTramvell::CLinkedList;

namespace {

CLinkedList<std::string> ListOf(const std::vector<std::string>& values)
{
    CLinkedList<std::string> list;
    for (const std::string& value : values)
        list.Append(value);
    return list;
}

std::vector<std::string> ValuesOf(const CLinkedList<std::string>& list)
{
    std::vector<std::string> values(list.begin(), list.end());
    // Walking back must give the same order reversed: both links are kept.
    std::vector<std::string> backwards;
    for (auto it = list.end(); it != list.begin();)
        backwards.insert(backwards.begin(), *--it);
    EXPECT_EQ(values, backwards);
    EXPECT_EQ(values.size(), list.GetCount());
    return values;
}

} // namespace

TEST(CLinkedList, AppendKeepsInsertionOrder)
{
    CLinkedList<std::string> list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.begin(), list.end());
    list.Append("a");
    list.Append("b");
    list.Append("c");
    EXPECT_FALSE(list.IsEmpty());
    EXPECT_EQ(ValuesOf(list), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list.GetAt(0), "a");
    EXPECT_EQ(list.GetAt(2), "c");
    list.GetAt(1) = "B";
    EXPECT_EQ(ValuesOf(list), (std::vector<std::string>{"a", "B", "c"}));
}

TEST(CLinkedList, RemoveUnderAnIteratorAtHeadMiddleAndTail)
{
    const struct
    {
        std::string removed;
        std::vector<std::string> left;
        std::string next; // "" for the end
    } kCases[] = {{"a", {"b", "c", "d"}, "b"}, {"b", {"a", "c", "d"}, "c"}, {"d", {"a", "b", "c"}, ""}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.removed);
        CLinkedList<std::string> list = ListOf({"a", "b", "c", "d"});
        auto it = list.begin();
        while (*it != c.removed)
            ++it;
        const auto next = list.Remove(it);
        if (c.next.empty())
            EXPECT_EQ(next, list.end());
        else
            EXPECT_EQ(*next, c.next);
        EXPECT_EQ(ValuesOf(list), c.left);
    }
}

TEST(CLinkedList, RemovingWhileIteratingEmptiesTheList)
{
    CLinkedList<std::string> list = ListOf({"a", "b", "c"});
    for (auto it = list.begin(); it != list.end();)
        it = list.Remove(it);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_THROW(list.Remove(list.end()), std::out_of_range);
    list.Append("again");
    EXPECT_EQ(ValuesOf(list), std::vector<std::string>{"again"});
}

TEST(CLinkedList, RemoveFirstTakesElementsInOrder)
{
    CLinkedList<std::string> list = ListOf({"a", "b", "c"});
    EXPECT_EQ(list.RemoveFirst(), "a");
    EXPECT_EQ(list.RemoveFirst(), "b");
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.RemoveFirst(), "c");
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_THROW(list.RemoveFirst(), std::out_of_range);
}

TEST(CLinkedList, CopiesAreIndependent)
{
    CLinkedList<std::string> original = ListOf({"a", "b"});
    CLinkedList<std::string> copy(original);
    CLinkedList<std::string> assigned = ListOf({"x", "y", "z"});
    assigned = original;
    original.GetAt(0) = "changed";
    original.Append("c");
    copy.RemoveFirst();
    EXPECT_EQ(ValuesOf(original), (std::vector<std::string>{"changed", "b", "c"}));
    EXPECT_EQ(ValuesOf(copy), std::vector<std::string>{"b"});
    EXPECT_EQ(ValuesOf(assigned), (std::vector<std::string>{"a", "b"}));

    assigned = CLinkedList<std::string>();
    EXPECT_TRUE(assigned.IsEmpty());
    const CLinkedList<std::string>& self = assigned = original;
    assigned = self;
    EXPECT_EQ(ValuesOf(assigned), ValuesOf(original));
}

TEST(CLinkedList, IndexAtOrPastTheCountIsOutOfRange)
{
    const CLinkedList<std::string> list = ListOf({"a", "b"});
    EXPECT_EQ(list.GetAt(1), "b");
    EXPECT_THROW(list.GetAt(2), std::out_of_range);
    EXPECT_THROW(list.GetAt(65535), std::out_of_range);
    EXPECT_THROW(CLinkedList<int>().GetAt(0), std::out_of_range);
}

TEST(CLinkedList, ClearFreesNodesButNotPointees)
{
    auto first = std::make_unique<std::string>("first");
    auto second = std::make_unique<std::string>("second");
    CLinkedList<std::string*> list;
    list.Append(first.get());
    list.Append(second.get());
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.begin(), list.end());
    // The pointees are still alive (ASan would report a use after free here).
    EXPECT_EQ(*first, "first");
    EXPECT_EQ(*second, "second");
    {
        CLinkedList<std::string*> destroyed;
        destroyed.Append(first.get());
    }
    EXPECT_EQ(*first, "first");
}

TEST(CLinkedList, DestroysThroughItsBase)
{
    struct CCounted
    {
        explicit CCounted(int& live) : mLive(&live) { ++*mLive; }
        CCounted(const CCounted& other) : mLive(other.mLive) { ++*mLive; }
        ~CCounted() { --*mLive; }
        int* mLive;
    };
    struct CDerivedList : CLinkedList<CCounted>
    {
    };
    int live = 0;
    {
        std::unique_ptr<CLinkedList<CCounted>> list = std::make_unique<CDerivedList>();
        list->Append(CCounted(live));
        list->Append(CCounted(live));
        EXPECT_EQ(live, 2);
    }
    EXPECT_EQ(live, 0);
}
