#pragma once
// The Windows message, style and notification numbers the logic uses, under
// their Windows names, for code that does not include <windows.h>. Where the
// real header came first its definitions stand.

#ifndef WM_DESTROY
#define WM_DESTROY 0x0002
#endif
#ifndef WM_INITDIALOG
#define WM_INITDIALOG 0x0110
#endif
#ifndef WM_TIMER
#define WM_TIMER 0x0113
#endif
#ifndef LBN_SELCHANGE
#define LBN_SELCHANGE 1
#endif
#ifndef IDRETRY
#define IDRETRY 4
#endif

#ifndef WS_SYSMENU
#define WS_SYSMENU 0x00080000L
#endif
#ifndef WS_MINIMIZEBOX
#define WS_MINIMIZEBOX 0x00020000L
#endif
#ifndef WS_VSCROLL
#define WS_VSCROLL 0x00200000L
#endif
#ifndef DS_SETFOREGROUND
#define DS_SETFOREGROUND 0x200L
#endif

#ifndef MB_OK
#define MB_OK 0x00000000L
#endif
#ifndef MB_RETRYCANCEL
#define MB_RETRYCANCEL 0x00000005L
#endif
#ifndef MB_ICONHAND
#define MB_ICONHAND 0x00000010L
#endif
#ifndef MB_ICONINFORMATION
#define MB_ICONINFORMATION 0x00000040L
#endif
#ifndef MB_TASKMODAL
#define MB_TASKMODAL 0x00002000L
#endif
#ifndef MB_SETFOREGROUND
#define MB_SETFOREGROUND 0x00010000L
#endif
#ifndef MB_TOPMOST
#define MB_TOPMOST 0x00040000L
#endif
