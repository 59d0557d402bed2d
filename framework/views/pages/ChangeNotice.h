#pragma once

// The "changed" flag of a control whose value the mouse moved: set only while the change notification
// climbs the view tree, so the window or group that cares polls ConsumeChanged inside its ChildChanged
// or RootViewChanged, once.

#include "framework/gui/views/View.h"

namespace NSTramvell {

class CChangeNotice
{
public:
    // Raises the flag, tells the view's ancestors, and lowers it again even when a listener throws.
    void Notify(CView* view)
    {
        mChanged = true;
        try {
            CView::NotifyViewChanged(view);
        } catch (...) {
            mChanged = false;
            throw;
        }
        mChanged = false;
    }
    // True once per notification, and only inside it.
    bool Consume()
    {
        const bool changed = mChanged;
        mChanged = false;
        return changed;
    }

private:
    bool mChanged = false;
};

} // namespace NSTramvell
