#pragma once

// The platform's drawing handles, declared the way the platform declares them, so public drawing
// headers can name them without the platform's headers.

struct HDC__;
typedef struct HDC__* HDC;
struct HFONT__;
typedef struct HFONT__* HFONT;
struct HPALETTE__;
typedef struct HPALETTE__* HPALETTE;
struct HWND__;
typedef struct HWND__* HWND;
typedef void* HGDIOBJ;
