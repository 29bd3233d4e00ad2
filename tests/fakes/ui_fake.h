#pragma once
// Control of the scriptable stand-in behind ui/ui.h in native tests.
//
// Dialogs, controls and timers live in memory. Messages take the routes of the
// real dialog procedure: a WM_COMMAND goes to the control's handler, then, if
// that returned 0, to the dialog's handler; a result of 0 from both leaves the
// defaults, where WM_SYSCOMMAND/SC_CLOSE ends the dialog (WM_CLOSE, then
// WM_DESTROY, then WM_NCDESTROY). WM_ENDSESSION to any live dialog goes to
// the session-end handler first. Owners are not modelled: the program's
// dialogs have none.
//
// The waits run a script instead of a message loop:
// - showModal runs the queued user steps, one after another, while its dialog
//   lives, and returns once the dialog is gone. A step that opens a nested
//   modal dialog hands the following steps to it, as a real user would.
// - showPrompt runs the "while open" action of the next queued answer (which
//   may fire ticks, click main-window buttons, open more prompts or close the
//   main window) and then returns that answer.
// - showMessage runs the next queued "while open" action, if any, and returns
//   the button queued with it: IDOK when none was, or when nothing was queued
//   for a box whose only button is OK. While it is open clicks are refused, as
//   a task-modal message box disables the program's windows; timer ticks
//   still arrive.
// A wait with no script left is a fault: it is recorded in faults() and the
// fake closes the dialog (or cancels the prompt, or presses Cancel in a box
// with a choice) so that no test hangs.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace fakeui {

struct Control {
    ControlKind kind;
    int id;
    WindowHandle handle;  // lParam of the control's WM_COMMAND
    std::string text;
    int x, y, width, height;
    std::uint32_t style;          // as given; 0 asks for the kind's default
    std::uint32_t extendedStyle;  // as given
    std::uint32_t resolvedStyle;  // as the real service creates the control
    std::uint32_t resolvedExtendedStyle;
    DialogHandler handler;
    std::vector<std::string> rows;       // list box rows in the order shown
    std::vector<std::intptr_t> rowData;  // each row's item data
    int selectedRow;                     // from 0; -1 for none
    bool redrawOff;                      // setControlRedraw off, not yet on again
};

struct Dialog {
    WindowHandle handle;
    WindowHandle parent;
    std::string caption;  // the window's title, as the real service makes it
    int x, y, width, height;
    std::uint32_t style;  // as given
    std::uint32_t extendedStyle;
    std::uint32_t resolvedStyle;  // as the real service puts it in the template
    bool alive;
    bool visible;
    bool modal;
    DialogHandler handler;  // attached by showModal
    std::int32_t* resultSlot;
    std::vector<Control> controls;        // in creation order
    std::map<unsigned, unsigned> timers;  // id -> period in ms
    std::string bigIconModule;
    std::string bigIconName;
};

struct Prompt {
    std::string prompt;
    std::string title;
    std::string defaultText;
    int x, y;
    std::string answer;  // what showPrompt returned
    bool closed;         // showPrompt has returned
};

struct Message {
    std::string text;
    std::string title;
    std::uint32_t style;
};

using Action = std::function<void()>;

void reset();

// The script.
void queueUserStep(Action step);
// answer is what the user typed before OK; the empty text also stands for
// Cancel, Esc and the close box, which the caller cannot tell apart.
void queuePromptAnswer(const std::string& answer, Action whileOpen = nullptr);
void queueMessageAction(Action whileOpen);
// button is the one pressed to close the box (IDRETRY, IDCANCEL, ...).
void queueMessageAnswer(int button, Action whileOpen = nullptr);

// Acting on dialogs as Windows or the user would.
// The dialog procedure's routing; 0 for a dialog that is gone.
std::int32_t sendMessage(WindowHandle dialog, unsigned message, MessageWParam wParam,
                         MessageLParam lParam);
// WM_COMMAND with BN_CLICKED; false when not delivered (no such live control,
// or a task-modal message box is open).
bool clickControl(WindowHandle dialog, int id);
// WM_TIMER; false unless the timer is set on a live dialog.
bool fireTimer(WindowHandle dialog, unsigned id);
// The close box: WM_SYSCOMMAND/SC_CLOSE; false when not delivered.
bool closeByUser(WindowHandle dialog);
// Selects a row (from 0) of a list box; false when there is no such row.
bool selectRow(WindowHandle dialog, int id, int row);
// A text's way into a list box and back; Unicode list boxes change bytes that
// are no text in the code page. Until reset() every text comes back the same.
void setListBoxTextRoundTrip(std::function<std::string(const std::string&)> roundTrip);

// Reading back. Pointers stay valid until the next dialog or control is made.
const Dialog* findDialog(WindowHandle dialog);
const Control* findControl(WindowHandle dialog, int id);
std::vector<WindowHandle> dialogHandles();  // in creation order
bool isAlive(WindowHandle dialog);
std::string controlText(WindowHandle dialog, int id);
std::vector<std::string> listBoxRows(WindowHandle dialog, int id);
bool hasTimer(WindowHandle dialog, unsigned id);
const std::vector<Prompt>& prompts();
const std::vector<Message>& messages();
int openPromptCount();
int openMessageCount();
// Every seam call and lifecycle message in order, as "setTimer 4096 1331 100",
// "WM_INITDIALOG 4096", "show 4096", "setControlText 4096 339 Active: 0.0".
const std::vector<std::string>& calls();
std::size_t countCalls(const std::string& prefix);
// Index of the first call starting with prefix, or -1.
int firstCall(const std::string& prefix);
const std::vector<std::string>& faults();

}  // namespace fakeui
