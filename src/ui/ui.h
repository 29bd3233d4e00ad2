#pragma once
// The dialog services: the one layer between the logic and the Windows user
// interface. Dialogs are built in dialog units of the 8-point "MS Sans Serif"
// font, run modally, and route every message to a control's or the dialog's
// handler. Texts are ANSI code-page bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"

// Returns 0 when the message was not handled and the defaults apply.
using DialogHandler = std::int32_t (*)(WindowHandle dialog, unsigned message, MessageWParam wParam,
                                       MessageLParam lParam);

enum class ControlKind { PushButton, Label, TextBox, ListBox };

// Creates a hidden dialog without controls; x or y of -1 centres it.
WindowHandle newDialog(WindowHandle parent, const std::string& caption, int x, int y, int width,
                       int height, std::uint32_t style, std::uint32_t extendedStyle);
// Style 0 means the kind's default. rows (list box only, may be null) is a list
// numbered from 1, slot 0 unused; filling stops at the first empty row. Each
// row holds its number in rows as its item data.
void addControl(WindowHandle dialog, ControlKind kind, int id, const std::string& text, int x,
                int y, int width, int height, std::uint32_t style, std::uint32_t extendedStyle,
                DialogHandler handler, const std::vector<std::string>* rows);
// Shows the dialog and runs it until its window no longer exists. handler and
// resultSlot may be null.
void showModal(WindowHandle dialog, DialogHandler handler, std::int32_t* resultSlot);
// Harmless on a dialog that is gone.
void endDialog(WindowHandle dialog, std::int32_t result);

void setControlText(WindowHandle dialog, int id, const std::string& text);
std::string getControlText(WindowHandle dialog, int id);
// itemData goes with the row (LB_SETITEMDATA); a row added any other way,
// such as by another program, holds 0.
void listBoxAdd(WindowHandle dialog, int id, const std::string& text, std::intptr_t itemData = 0);
void listBoxReset(WindowHandle dialog, int id);
// The empty text when no row is selected. A list box holds Unicode text: bytes
// that are no text in the ANSI code page do not come back the same.
std::string listBoxSelectedText(WindowHandle dialog, int id);
// The selected row's item data; 0 when no row is selected.
std::intptr_t listBoxSelectedData(WindowHandle dialog, int id);
// Off (WM_SETREDRAW FALSE) lets many rows go into a visible list box without a
// repaint for each; on (WM_SETREDRAW TRUE) repaints the control once, so that
// what changed meanwhile shows. Every off needs its on.
void setControlRedraw(WindowHandle dialog, int id, bool redraw);

// Asks for one line of text; the empty text for Cancel, Esc and the close box.
// x and y are screen pixels; -1, -1 centres the prompt.
std::string showPrompt(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int x, int y);
// MessageBoxA without owner, after a 5 ms pause; returns the button pressed.
int showMessage(const std::string& text, const std::string& title, std::uint32_t style);

// Windows tells every top-level window that the session ends (WM_ENDSESSION)
// and then ends the process without closing any, so whichever of the
// program's windows hears it must answer for the whole program: every dialog
// of the services and every prompt hands it, with whether the session is
// ending, to this one handler before its own handlers see it. Set once at
// start. WM_QUERYENDSESSION keeps the default, which never holds the end up.
using SessionEndHandler = void (*)(bool ending);
void setSessionEndHandler(SessionEndHandler handler);

// The window-level calls the main window needs beside the services above.
void setTimer(WindowHandle window, unsigned id, unsigned periodMs);
void killTimer(WindowHandle window, unsigned id);
// GetModuleHandleA(moduleName), LoadIconA(module, iconName), WM_SETICON/ICON_BIG;
// the icon of the program's own exe where that module or icon is missing.
void setBigIconFromModule(WindowHandle window, const std::string& moduleName,
                          const std::string& iconName);
