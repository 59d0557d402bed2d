#pragma once

// The framework's list: doubly linked around a sentinel, in insertion order. It owns its nodes and the
// copies of the values in them; a list of pointers never deletes the pointees.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace NSTramvell {

template <typename T>
class CLinkedList
{
    struct CLink
    {
        CLink* mPrevious;
        CLink* mNext;
    };
    struct CNode : CLink
    {
        explicit CNode(const T& value) : CLink{nullptr, nullptr}, mValue(value) {}
        T mValue;
    };

    template <bool isConst>
    class CIteratorOf
    {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<isConst, const T*, T*>;
        using reference = std::conditional_t<isConst, const T&, T&>;

        CIteratorOf() noexcept : mLink(nullptr) {}
        // A list's iterator also serves where a const iterator is asked for.
        template <bool otherIsConst>
            requires(isConst && !otherIsConst)
        CIteratorOf(const CIteratorOf<otherIsConst>& other) noexcept : mLink(other.mLink)
        {
        }

        reference operator*() const noexcept { return static_cast<CNode*>(mLink)->mValue; }
        pointer operator->() const noexcept { return &static_cast<CNode*>(mLink)->mValue; }
        CIteratorOf& operator++() noexcept
        {
            mLink = mLink->mNext;
            return *this;
        }
        CIteratorOf operator++(int) noexcept
        {
            CIteratorOf previous = *this;
            mLink = mLink->mNext;
            return previous;
        }
        CIteratorOf& operator--() noexcept
        {
            mLink = mLink->mPrevious;
            return *this;
        }
        CIteratorOf operator--(int) noexcept
        {
            CIteratorOf next = *this;
            mLink = mLink->mPrevious;
            return next;
        }
        friend bool operator==(const CIteratorOf& a, const CIteratorOf& b) noexcept { return a.mLink == b.mLink; }

    private:
        friend class CLinkedList;
        friend class CIteratorOf<!isConst>;
        explicit CIteratorOf(CLink* link) noexcept : mLink(link) {}
        CLink* mLink;
    };

public:
    using CIterator = CIteratorOf<false>;
    using CConstIterator = CIteratorOf<true>;

    CLinkedList() noexcept : mSentinel{&mSentinel, &mSentinel}, mCount(0) {}
    CLinkedList(const CLinkedList& other) : CLinkedList()
    {
        for (const T& value : other)
            Append(value);
    }
    CLinkedList& operator=(const CLinkedList& other)
    {
        if (this != &other) {
            CLinkedList copy(other);
            Clear();
            TakeNodesOf(copy);
        }
        return *this;
    }
    virtual ~CLinkedList() { Clear(); }

    void Append(const T& value)
    {
        CNode* const node = new CNode(value);
        node->mPrevious = mSentinel.mPrevious;
        node->mNext = &mSentinel;
        mSentinel.mPrevious->mNext = node;
        mSentinel.mPrevious = node;
        ++mCount;
    }

    // Removes the element under the iterator and returns the iterator of the one after it.
    CIterator Remove(CConstIterator position)
    {
        CLink* const link = position.mLink;
        if (link == nullptr || link == &mSentinel)
            throw std::out_of_range("CLinkedList::Remove");
        CLink* const next = link->mNext;
        Unlink(link);
        return CIterator(next);
    }

    // std::out_of_range when the list is empty.
    T RemoveFirst()
    {
        if (mCount == 0)
            throw std::out_of_range("CLinkedList::RemoveFirst");
        CLink* const first = mSentinel.mNext;
        T value = std::move(static_cast<CNode*>(first)->mValue);
        Unlink(first);
        return value;
    }

    // Counted from the head; std::out_of_range at or past the count.
    T& GetAt(std::uint16_t index) { return const_cast<T&>(std::as_const(*this).GetAt(index)); }
    const T& GetAt(std::uint16_t index) const
    {
        if (index >= mCount)
            throw std::out_of_range("CLinkedList::GetAt");
        const CLink* link = mSentinel.mNext;
        for (std::uint16_t i = 0; i < index; ++i)
            link = link->mNext;
        return static_cast<const CNode*>(link)->mValue;
    }

    std::size_t GetCount() const noexcept { return mCount; }
    bool IsEmpty() const noexcept { return mCount == 0; }

    // Frees the nodes; values that are pointers keep their pointees.
    void Clear() noexcept
    {
        while (mCount != 0)
            Unlink(mSentinel.mNext);
    }

    CIterator begin() noexcept { return CIterator(mSentinel.mNext); }
    CIterator end() noexcept { return CIterator(&mSentinel); }
    CConstIterator begin() const noexcept { return CConstIterator(const_cast<CLink*>(mSentinel.mNext)); }
    CConstIterator end() const noexcept { return CConstIterator(const_cast<CLink*>(&mSentinel)); }

private:
    void Unlink(CLink* link) noexcept
    {
        link->mPrevious->mNext = link->mNext;
        link->mNext->mPrevious = link->mPrevious;
        delete static_cast<CNode*>(link);
        --mCount;
    }

    // This list must be empty; the other one is left empty.
    void TakeNodesOf(CLinkedList& other) noexcept
    {
        if (other.mCount == 0)
            return;
        mSentinel = other.mSentinel;
        mSentinel.mNext->mPrevious = &mSentinel;
        mSentinel.mPrevious->mNext = &mSentinel;
        mCount = other.mCount;
        other.mSentinel = CLink{&other.mSentinel, &other.mSentinel};
        other.mCount = 0;
    }

    CLink mSentinel;
    std::size_t mCount;
};

} // namespace NSTramvell
