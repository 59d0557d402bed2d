#pragma once

// What the application core asks of the parts of the window layer built on top of it: the low-memory
// dialog, the bitmap cache and screen palette, the views that hold the mouse, the cursor, the modal
// state and the window classes. Declared as those parts define them; each part defines its own.

#include <string>

struct HINSTANCE__;
typedef struct HINSTANCE__* HINSTANCE;

namespace NSTramvell {

class CView;

// The low-memory dialog: its reserve and texts made at start-up, shown once when memory runs low.
void PrepareLowMemoryDialog();
void SetLowMemoryDialogTexts(const std::string& message, const std::string& detail, const std::string& button);
void ShowLowMemoryDialog();
void ReleaseLowMemoryDialog();

// The application's bitmap cache and the screen palette the fetched bitmaps are made for.
void CreateBitmapCache();
void DestroyBitmapCache();
void PurgeBitmapCacheEntries();
void RefreshScreenPalette();

// The views that hold the mouse: the pump ticks them, and does not block while one does.
CView* GetTrackingView();
CView* GetCaptureView();
void TickTrackedViews();
void SetHoverView(CView* view);
void UpdateCursor();
bool IsModalWindowInFront();

void RegisterWindowClasses(HINSTANCE instance);
void UnregisterWindowClasses(HINSTANCE instance);

} // namespace NSTramvell
