// The one place that includes <windows.h>. Every Windows-side source includes this file instead, so all of
// them see the same settings: ANSI entry points (no UNICODE), no min/max macros, strict handle types, and
// none of the rarely used headers. Macros that would rename our own functions are removed below; code that
// wants the Win32 call names its ANSI form (DrawTextA, GetObjectA, DeleteFileA).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef STRICT
#define STRICT
#endif
#ifdef UNICODE
#error "Dravim calls the ANSI entry points; build without UNICODE"
#endif
#ifdef _UNICODE
#error "Dravim calls the ANSI entry points; build without _UNICODE"
#endif

#include <windows.h>
// The shell's execute request; lean <windows.h> leaves it out.
#include <shellapi.h>
// The timer service; lean <windows.h> leaves it out too.
#include <mmsystem.h>
// The common controls (their initialisation record).
#include <commctrl.h>

// The atomic operations are ours (the tables bind them to standard atomics), so their names stay free for
// the table entries; mingw maps them to compiler intrinsics otherwise.
#undef InterlockedExchange
#undef InterlockedExchangeAdd

#undef min
#undef max
#undef Yield
#undef DrawText
#undef GetObject
#undef DeleteFile
#undef GetDiskFreeSpace
#undef CopyFile
#undef MoveFile
#undef GetCurrentTime
#undef CreateFile
#undef CreateDirectory
#undef RemoveDirectory
#undef GetCurrentDirectory
#undef SetCurrentDirectory
#undef GetFileAttributes
#undef SetFileAttributes
#undef FindFirstFile
#undef FindNextFile
#undef GetTempPath
#undef GetTempFileName
#undef GetModuleFileName
#undef GetModuleHandle
#undef LoadLibrary
#undef FindResource
#undef LoadString
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef LoadImage
#undef LoadMenu
#undef CreateWindow
#undef CreateEvent
#undef CreateMutex
#undef CreateSemaphore
#undef CreateFont
#undef GetMessage
#undef PeekMessage
#undef PostMessage
#undef SendMessage
#undef DispatchMessage
#undef DefWindowProc
#undef CallWindowProc
#undef RegisterClass
#undef UnregisterClass
#undef GetClassName
#undef GetWindowText
#undef SetWindowText
#undef GetWindowLong
#undef SetWindowLong
#undef MessageBox
#undef AppendMenu
#undef InsertMenu
#undef ModifyMenu
#undef TextOut
#undef ExtTextOut
#undef GetTextMetrics
#undef GetTextExtentPoint32
#undef GetVersionEx
#undef GetCommandLine
#undef GetEnvironmentVariable
#undef SetEnvironmentVariable
#undef CreateProcess
#undef GetUserName
#undef GetComputerName
#undef GetProp
#undef SetProp
#undef RemoveProp
#undef GetVolumeInformation
#undef GetDriveType
#undef GetLogicalDriveStrings
#undef FormatMessage
#undef OutputDebugString
#undef GetFileVersionInfo
#undef GetFileVersionInfoSize
#undef VerQueryValue
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegSetValueEx
#undef RegCreateKeyEx
#undef RegDeleteKey
#undef RegDeleteValue
#undef ShellExecute
#undef ShellExecuteEx
#undef SetDlgItemText
#undef GetDlgItemText
#undef CreateDialog
#undef DialogBox
#undef CharUpper
#undef CharLower
#undef CharNext
#undef CharPrev
#undef IsCharAlpha
#undef IsCharAlphaNumeric
#undef GetStartupInfo
#undef ExpandEnvironmentStrings
#undef GetFullPathName
#undef GetShortPathName
#undef GetLongPathName
#undef SearchPath
#undef GetPrivateProfileString
#undef WritePrivateProfileString
#undef GetSystemDirectory
#undef GetWindowsDirectory
#undef EnumFonts
#undef EnumFontFamilies
#undef CreateFontIndirect
#undef GetTextFace
#undef StartDoc
#undef CreateDC
#undef AddFontResource
#undef RemoveFontResource
#undef LoadAccelerators
#undef TranslateAccelerator
#undef IsDialogMessage
#undef SystemParametersInfo
#undef GetClassInfo
#undef GetClassInfoEx
#undef RegisterClassEx
#undef CreateWindowEx
#undef FindWindow
#undef FindWindowEx
#undef GetClassLong
#undef SetClassLong
#undef GetWindowLongPtr
#undef SetWindowLongPtr
// On i686 these two are macros over the 32-bit calls; the tables bind each architecture's own.
#undef GetWindowLongPtrA
#undef SetWindowLongPtrA
#undef DrawState
#undef GrayString
#undef TabbedTextOut
#undef GetTabbedTextExtent
#undef ExtractIcon
#undef SHGetFileInfo
#undef ImageList_LoadImage
#undef CreateStatusWindow
#undef DrawStatusText
