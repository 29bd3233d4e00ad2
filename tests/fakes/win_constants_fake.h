#pragma once
// The Windows numbers that only the fakes and the native tests use, beside
// those of the logic: the messages the fake dialog services deliver and the
// tests send, the commands the fakes press, and the styles the fake resolves
// as the real services do. Native only: <windows.h> is never beside it.
#include "ui/win_constants.h"

#define WM_SIZE 0x0005
#define WM_CLOSE 0x0010
#define WM_ENDSESSION 0x0016
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define SC_CLOSE 0xF060
#define BN_CLICKED 0
#define IDOK 1
#define IDCANCEL 2
#define WM_NCDESTROY 0x0082
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_MINIMIZE 0x20000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_BORDER 0x00800000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_CLIENTEDGE 0x00000200L
#define BS_PUSHBUTTON 0x00000000L
#define SS_LEFT 0x00000000L
#define ES_AUTOHSCROLL 0x00000080L
#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x0004L
#define DS_NOFAILCREATE 0x0010L
#define DS_SETFONT 0x40L
#define DS_CENTER 0x0800L
