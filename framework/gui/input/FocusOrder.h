#pragma once

// Walks along a window's focus order: the views that can take the keyboard focus, in tab order. A view
// is eligible when the caller's test says it can take the focus now (a focus target that is enabled).
// The walks never own or change the views; the window applies their answer.

#include <algorithm>
#include <iterator>
#include <vector>

namespace NSTramvell {

// The first eligible view after `after` in [first, last); null when `after` is not there or no eligible
// view follows it. No wrap-around: the callers decide.
template <typename TIterator, typename TView, typename TEligible>
TView* FindEligibleAfter(TIterator first, TIterator last, const TView* after, TEligible isEligible)
{
    const TIterator at = std::find(first, last, after);
    if (at == last)
        return nullptr;
    const TIterator next = std::find_if(std::next(at), last, isEligible);
    return next != last ? *next : nullptr;
}

template <typename TView, typename TEligible>
TView* FindFirstEligible(const std::vector<TView*>& order, TEligible isEligible)
{
    const auto found = std::find_if(order.begin(), order.end(), isEligible);
    return found != order.end() ? *found : nullptr;
}

template <typename TView, typename TEligible>
TView* FindLastEligible(const std::vector<TView*>& order, TEligible isEligible)
{
    const auto found = std::find_if(order.rbegin(), order.rend(), isEligible);
    return found != order.rend() ? *found : nullptr;
}

// Tab: from the focus view to the next eligible view, wrapping to the first; the first when nothing
// holds the focus.
template <typename TView, typename TEligible>
TView* FindTabTarget(const std::vector<TView*>& order, const TView* focus, TEligible isEligible)
{
    if (focus == nullptr)
        return FindFirstEligible(order, isEligible);
    TView* const next = FindEligibleAfter(order.begin(), order.end(), focus, isEligible);
    return next != nullptr ? next : FindFirstEligible(order, isEligible);
}

// Shift+Tab: from the focus view back to the previous eligible view, wrapping to the last. Without a
// focus view there is nowhere to go back from: the answer is the focus itself (null).
template <typename TView, typename TEligible>
TView* FindBackTabTarget(const std::vector<TView*>& order, const TView* focus, TEligible isEligible)
{
    if (focus == nullptr)
        return nullptr;
    TView* const previous = FindEligibleAfter(order.rbegin(), order.rend(), focus, isEligible);
    return previous != nullptr ? previous : FindLastEligible(order, isEligible);
}

// Where a request goes when the view holding it goes away or is disabled: the next eligible view after
// it, without wrapping, or none.
template <typename TView, typename TEligible>
TView* FindFocusSuccessor(const std::vector<TView*>& order, const TView* leaving, TEligible isEligible)
{
    return FindEligibleAfter(order.begin(), order.end(), leaving, isEligible);
}

} // namespace NSTramvell
