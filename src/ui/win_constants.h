#pragma once
// The Windows message, style and notification numbers the logic uses, under
// their Windows names, for code that does not include <windows.h>. Where the
// real header came first its definitions stand.

#ifndef WM_DESTROY
#define WM_DESTROY 0x0002
#endif
#ifndef WM_SIZE
#define WM_SIZE 0x0005
#endif
#ifndef WM_CLOSE
#define WM_CLOSE 0x0010
#endif
#ifndef WM_ENDSESSION
#define WM_ENDSESSION 0x0016
#endif
#ifndef WM_INITDIALOG
#define WM_INITDIALOG 0x0110
#endif
#ifndef WM_COMMAND
#define WM_COMMAND 0x0111
#endif
#ifndef WM_SYSCOMMAND
#define WM_SYSCOMMAND 0x0112
#endif
#ifndef WM_TIMER
#define WM_TIMER 0x0113
#endif
#ifndef SC_CLOSE
#define SC_CLOSE 0xF060
#endif
#ifndef BN_CLICKED
#define BN_CLICKED 0
#endif
#ifndef LBN_SELCHANGE
#define LBN_SELCHANGE 1
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
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

// Window, control and dialog styles the dialog services resolve, and the
// lifecycle numbers the fake dialog services deliver.
#ifndef WM_NCDESTROY
#define WM_NCDESTROY 0x0082
#endif
#ifndef SIZE_RESTORED
#define SIZE_RESTORED 0
#endif
#ifndef SIZE_MINIMIZED
#define SIZE_MINIMIZED 1
#endif
#ifndef SIZE_MAXIMIZED
#define SIZE_MAXIMIZED 2
#endif
#ifndef WS_CHILD
#define WS_CHILD 0x40000000L
#endif
#ifndef WS_VISIBLE
#define WS_VISIBLE 0x10000000L
#endif
#ifndef WS_MINIMIZE
#define WS_MINIMIZE 0x20000000L
#endif
#ifndef WS_MAXIMIZE
#define WS_MAXIMIZE 0x01000000L
#endif
#ifndef WS_BORDER
#define WS_BORDER 0x00800000L
#endif
#ifndef WS_TABSTOP
#define WS_TABSTOP 0x00010000L
#endif
#ifndef WS_EX_CLIENTEDGE
#define WS_EX_CLIENTEDGE 0x00000200L
#endif
#ifndef BS_PUSHBUTTON
#define BS_PUSHBUTTON 0x00000000L
#endif
#ifndef SS_LEFT
#define SS_LEFT 0x00000000L
#endif
#ifndef ES_AUTOHSCROLL
#define ES_AUTOHSCROLL 0x00000080L
#endif
#ifndef LBS_NOTIFY
#define LBS_NOTIFY 0x0001L
#endif
#ifndef LBS_SORT
#define LBS_SORT 0x0002L
#endif
#ifndef DS_SYSMODAL
#define DS_SYSMODAL 0x02L
#endif
#ifndef DS_3DLOOK
#define DS_3DLOOK 0x0004L
#endif
#ifndef DS_NOFAILCREATE
#define DS_NOFAILCREATE 0x0010L
#endif
#ifndef DS_SETFONT
#define DS_SETFONT 0x40L
#endif
#ifndef DS_CENTER
#define DS_CENTER 0x0800L
#endif
