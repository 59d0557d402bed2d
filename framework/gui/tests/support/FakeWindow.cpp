#include "framework/gui/tests/support/FakeWindow.h"

#include <cstdint>

namespace NSGuiTest {

CFakeWindow::CFakeWindow(std::string name, std::vector<std::string>* log, bool mayClose)
    : mName(std::move(name))
    , mLog(log)
    , mMayClose(mayClose)
{
}

CFakeWindow::~CFakeWindow()
{
    NSTramvell::RemoveFromWindowRegistry(this);
}

void CFakeWindow::Show()
{
    NSTramvell::AddToWindowRegistry(this);
}

HWND CFakeWindow::GetNativeHandle() const
{
    // A distinct handle per window that no platform call ever sees.
    return reinterpret_cast<HWND>(reinterpret_cast<std::uintptr_t>(this) | 1);
}

void CFakeWindow::RequestClose()
{
    Log("RequestClose");
    mCloseRequested = true;
}

bool CFakeWindow::MayClose()
{
    Log("MayClose");
    return mMayClose;
}

void CFakeWindow::CloseNow()
{
    Log("CloseNow");
    mClosed = true;
    NSTramvell::RemoveFromWindowRegistry(this);
    if (mOnClose)
        mOnClose();
}

void CFakeWindow::UpdateNow()
{
    Log("UpdateNow");
}

void CFakeWindow::Log(const char* call)
{
    if (mLog != nullptr)
        mLog->push_back(mName + ":" + call);
}

} // namespace NSGuiTest
