#pragma once
// The Windows numbers that only the fakes and the native tests use, beside
// those of the logic: the messages the fake dialog services deliver and the
// tests send, the commands the fakes press, and the styles the fake resolves
// as the real services do. Where the real header came first its definitions
// stand.
#include "ui/win_constants.h"

#ifndef WM_SIZE
#define WM_SIZE 0x0005
#endif
#ifndef WM_CLOSE
#define WM_CLOSE 0x0010
#endif
#ifndef WM_ENDSESSION
#define WM_ENDSESSION 0x0016
#endif
#ifndef WM_COMMAND
#define WM_COMMAND 0x0111
#endif
#ifndef WM_SYSCOMMAND
#define WM_SYSCOMMAND 0x0112
#endif
#ifndef SC_CLOSE
#define SC_CLOSE 0xF060
#endif
#ifndef BN_CLICKED
#define BN_CLICKED 0
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
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
