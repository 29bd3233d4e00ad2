#include "fakes/ui_fake.h"

#include <algorithm>
#include <utility>

#include "fakes/ui_fake_state.h"
#include "fakes/win_constants_fake.h"

namespace fakeui::internal {

State state;

void log(const std::string& line) {
    state.calls.push_back(line);
}

std::string name(WindowHandle handle) {
    return std::to_string(handle);
}

Dialog* liveDialog(WindowHandle handle) {
    auto it = state.dialogs.find(handle);
    return it == state.dialogs.end() || !it->second.alive ? nullptr : &it->second;
}

Control* liveControl(WindowHandle dialog, int id) {
    Dialog* owner = liveDialog(dialog);
    if (owner == nullptr) {
        return nullptr;
    }
    for (Control& control : owner->controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

Control* liveListBox(WindowHandle dialog, int id) {
    Control* control = liveControl(dialog, id);
    return control != nullptr && control->kind == ControlKind::ListBox ? control : nullptr;
}

}  // namespace fakeui::internal

using namespace fakeui::internal;

namespace {

constexpr std::size_t PROMPT_ANSWER_LIMIT = 255;
constexpr std::size_t CAPTION_LIMIT = 256;
constexpr std::uint32_t MESSAGE_BUTTONS = 0xF;  // MB_TYPEMASK

std::uint32_t defaultStyle(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
            return WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
        case ControlKind::Label:
            return WS_CHILD | WS_VISIBLE | SS_LEFT;
        case ControlKind::TextBox:
            return WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
        case ControlKind::ListBox:
            return WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                   LBS_SORT;
    }
    return 0;
}

std::uint32_t alwaysAdded(ControlKind kind) {
    return WS_CHILD | WS_VISIBLE | (kind == ControlKind::ListBox ? LBS_NOTIFY : 0);
}

char foldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A sorted list box compares without regard to case; ASCII folding stands in
// for the system's locale-aware comparison. Equal rows go after each other.
bool sortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return foldCase(x) < foldCase(y); });
}

void addRow(fakeui::Control& listBox, const std::string& given, std::intptr_t itemData) {
    const std::string text = state.listBoxTextRoundTrip ? state.listBoxTextRoundTrip(given) : given;
    auto place = listBox.rows.end();
    if ((listBox.resolvedStyle & LBS_SORT) != 0) {
        place = std::upper_bound(listBox.rows.begin(), listBox.rows.end(), text, sortsBefore);
    }
    const int index = static_cast<int>(place - listBox.rows.begin());
    listBox.rowData.insert(listBox.rowData.begin() + index, itemData);
    listBox.rows.insert(place, text);
    // The selection stays on its row when a row goes in before it.
    if (listBox.selectedRow >= index) {
        ++listBox.selectedRow;
    }
}

// The dialog units of the 8-point dialog font, as pixels at 96 dpi.
int horizontalPixels(int units) {
    return units * 6 / 4;
}
int verticalPixels(int units) {
    return units * 13 / 8;
}

// Position, size and styles as given, shared by dialogs and controls.
template <typename Window>
void place(Window& window, int x, int y, int width, int height, std::uint32_t style,
           std::uint32_t extendedStyle) {
    window.x = x;
    window.y = y;
    window.width = width;
    window.height = height;
    window.style = style;
    window.extendedStyle = extendedStyle;
}

// Delivers a lifecycle message to the dialog procedure and notes it.
void deliver(WindowHandle dialog, unsigned message, const char* messageName) {
    log(std::string(messageName) + " " + name(dialog));
    fakeui::sendMessage(dialog, message, 0, 0);
}

void destroy(WindowHandle handle) {
    fakeui::Dialog* dialog = liveDialog(handle);
    if (dialog == nullptr || state.destroying.count(handle) != 0) {
        return;
    }
    state.destroying.insert(handle);
    deliver(handle, WM_DESTROY, "WM_DESTROY");
    state.destroying.erase(handle);
    dialog = &state.dialogs.at(handle);
    dialog->alive = false;
    dialog->visible = false;
    dialog->timers.clear();  // Windows drops a window's timers with it
    log("WM_NCDESTROY " + name(handle));
    dialog->handler = nullptr;
    dialog->resultSlot = nullptr;
}

}  // namespace

// ---- the seam ----

WindowHandle newDialog(WindowHandle parent, const std::string& caption, int x, int y, int width,
                       int height, std::uint32_t style, std::uint32_t extendedStyle) {
    const WindowHandle handle = state.nextHandle++;
    std::uint32_t resolvedStyle = (style | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK) &
                                  ~static_cast<std::uint32_t>(WS_VISIBLE | DS_SYSMODAL);
    if (x == -1 || y == -1) {
        resolvedStyle |= DS_CENTER;
    }
    const std::string title = caption.empty() ? " " : caption.substr(0, CAPTION_LIMIT);
    fakeui::Dialog dialog{};
    dialog.handle = handle;
    dialog.parent = parent;
    dialog.caption = title;
    place(dialog, x, y, width, height, style, extendedStyle);
    dialog.resolvedStyle = resolvedStyle;
    dialog.alive = true;
    state.dialogs[handle] = dialog;
    state.order.push_back(handle);
    log("newDialog " + name(handle) + " " + dialog.caption);
    return handle;
}

void addControl(WindowHandle dialog, ControlKind kind, int id, const std::string& text, int x,
                int y, int width, int height, std::uint32_t style, std::uint32_t extendedStyle,
                DialogHandler handler, const std::vector<std::string>* rows) {
    log("addControl " + name(dialog) + " " + std::to_string(id) + " " + text);
    fakeui::Dialog* owner = liveDialog(dialog);
    if (owner == nullptr) {
        return;
    }
    std::uint32_t resolvedStyle = (style == 0 ? defaultStyle(kind) : style) | alwaysAdded(kind);
    std::uint32_t resolvedExtendedStyle = extendedStyle;
    if ((kind == ControlKind::TextBox || kind == ControlKind::ListBox) &&
        (resolvedStyle & WS_BORDER) != 0) {
        resolvedStyle &= ~static_cast<std::uint32_t>(WS_BORDER);
        resolvedExtendedStyle |= WS_EX_CLIENTEDGE;
    }
    fakeui::Control control{};
    control.kind = kind;
    control.id = id;
    control.handle = state.nextHandle++;
    control.text = text;
    place(control, x, y, width, height, style, extendedStyle);
    control.resolvedStyle = resolvedStyle;
    control.resolvedExtendedStyle = resolvedExtendedStyle;
    control.handler = handler;
    control.selectedRow = -1;
    if (kind == ControlKind::ListBox && rows != nullptr) {
        // Stops at the first empty row, whatever count the caller keeps.
        for (std::size_t row = 1; row < rows->size(); ++row) {
            const std::string& entry = (*rows)[row];
            if (entry.empty() || entry[0] == '\0') {
                break;
            }
            addRow(control, entry, static_cast<std::intptr_t>(row));
        }
    }
    owner->controls.push_back(control);
}

void showModal(WindowHandle dialog, DialogHandler handler, std::int32_t* resultSlot) {
    log("showModal " + name(dialog));
    fakeui::Dialog* run = liveDialog(dialog);
    if (run == nullptr) {
        return;
    }
    if (handler != nullptr) {
        const std::uint32_t style = run->style;
        const MessageWParam sizeKind = (style & WS_MAXIMIZE) != 0   ? SIZE_MAXIMIZED
                                       : (style & WS_MINIMIZE) != 0 ? SIZE_MINIMIZED
                                                                    : SIZE_RESTORED;
        const MessageLParam size = static_cast<MessageLParam>((verticalPixels(run->height) << 16) |
                                                              horizontalPixels(run->width));
        log("WM_INITDIALOG " + name(dialog));
        handler(dialog, WM_INITDIALOG, dialog, 0);
        log("WM_SIZE " + name(dialog));
        handler(dialog, WM_SIZE, sizeKind, size);
    }
    run = liveDialog(dialog);
    if (run == nullptr) {
        return;
    }
    run->handler = handler;
    run->modal = true;
    run->resultSlot = resultSlot;
    run->visible = true;
    log("show " + name(dialog));

    while (fakeui::isAlive(dialog)) {
        if (state.userSteps.empty()) {
            state.faults.push_back("modal run of \"" + state.dialogs.at(dialog).caption +
                                   "\" ran out of user steps; the fake closed it");
            fakeui::closeByUser(dialog);
            destroy(dialog);  // in case a handler refused the close
            break;
        }
        fakeui::Action step = std::move(state.userSteps.front());
        state.userSteps.pop_front();
        step();
    }
}

void endDialog(WindowHandle dialog, std::int32_t result) {
    if (liveDialog(dialog) == nullptr || state.destroying.count(dialog) != 0) {
        return;
    }
    log("endDialog " + name(dialog) + " " + std::to_string(result));
    deliver(dialog, WM_CLOSE, "WM_CLOSE");
    fakeui::Dialog* ending = liveDialog(dialog);
    if (ending == nullptr) {
        return;  // the WM_CLOSE handler ended it already
    }
    if (ending->resultSlot != nullptr) {
        *ending->resultSlot = result;
    }
    destroy(dialog);
}

void setControlText(WindowHandle dialog, int id, const std::string& text) {
    log("setControlText " + name(dialog) + " " + std::to_string(id) + " " + text);
    if (fakeui::Control* control = liveControl(dialog, id)) {
        control->text = text;
    }
}

std::string getControlText(WindowHandle dialog, int id) {
    log("getControlText " + name(dialog) + " " + std::to_string(id));
    return fakeui::controlText(dialog, id);
}

void listBoxAdd(WindowHandle dialog, int id, const std::string& text, std::intptr_t itemData) {
    log("listBoxAdd " + name(dialog) + " " + std::to_string(id) + " " + text);
    if (fakeui::Control* listBox = liveListBox(dialog, id)) {
        addRow(*listBox, text, itemData);
    }
}

void listBoxReset(WindowHandle dialog, int id) {
    log("listBoxReset " + name(dialog) + " " + std::to_string(id));
    if (fakeui::Control* listBox = liveListBox(dialog, id)) {
        listBox->rows.clear();
        listBox->rowData.clear();
        listBox->selectedRow = -1;
    }
}

void setControlRedraw(WindowHandle dialog, int id, bool redraw) {
    log("setControlRedraw " + name(dialog) + " " + std::to_string(id) + " " + (redraw ? "1" : "0"));
    if (fakeui::Control* control = liveControl(dialog, id)) {
        control->redrawOff = !redraw;
    }
}

std::string listBoxSelectedText(WindowHandle dialog, int id) {
    log("listBoxSelectedText " + name(dialog) + " " + std::to_string(id));
    const fakeui::Control* listBox = liveListBox(dialog, id);
    if (listBox == nullptr || listBox->selectedRow < 0) {
        return std::string();
    }
    return listBox->rows[static_cast<std::size_t>(listBox->selectedRow)];
}

std::intptr_t listBoxSelectedData(WindowHandle dialog, int id) {
    log("listBoxSelectedData " + name(dialog) + " " + std::to_string(id));
    const fakeui::Control* listBox = liveListBox(dialog, id);
    const bool selected = listBox != nullptr && listBox->selectedRow >= 0;
    return selected ? listBox->rowData[static_cast<std::size_t>(listBox->selectedRow)] : 0;
}

std::string showPrompt(const std::string& prompt, const std::string& title,
                       const std::string& defaultText, int x, int y) {
    log("showPrompt " + title);
    const std::size_t index = state.prompts.size();
    state.prompts.push_back(fakeui::Prompt{prompt, title, defaultText, x, y, std::string(), false});
    ScriptedPrompt script;
    if (state.promptScript.empty()) {
        state.faults.push_back("prompt \"" + title +
                               "\" had no scripted answer; the fake cancelled it");
    } else {
        script = std::move(state.promptScript.front());
        state.promptScript.pop_front();
    }
    ++state.openPrompts;
    if (script.whileOpen) {
        script.whileOpen();
    }
    --state.openPrompts;
    // The edit field is read into a 256-byte buffer.
    const std::string answer = script.answer.substr(0, PROMPT_ANSWER_LIMIT);
    state.prompts[index].answer = answer;
    state.prompts[index].closed = true;
    log("prompt closed " + title);
    return answer;
}

int showMessage(const std::string& text, const std::string& title, std::uint32_t style) {
    log("showMessage " + title + ": " + text);
    state.messages.push_back(fakeui::Message{text, title, style});
    ScriptedMessage script{IDOK, nullptr};
    if (!state.messageScript.empty()) {
        script = std::move(state.messageScript.front());
        state.messageScript.pop_front();
    } else if ((style & MESSAGE_BUTTONS) != MB_OK) {
        state.faults.push_back("message \"" + title +
                               "\" had no scripted answer; the fake pressed Cancel");
        script.button = IDCANCEL;
    }
    ++state.openMessages;
    if (script.whileOpen) {
        script.whileOpen();
    }
    --state.openMessages;
    log("message closed " + title + " " + std::to_string(script.button));
    return script.button;
}

void setSessionEndHandler(SessionEndHandler handler) {
    log("setSessionEndHandler");
    state.sessionEnd = handler;
}

void setTimer(WindowHandle window, unsigned id, unsigned periodMs) {
    log("setTimer " + name(window) + " " + std::to_string(id) + " " + std::to_string(periodMs));
    if (fakeui::Dialog* dialog = liveDialog(window)) {
        dialog->timers[id] = periodMs;
    }
}

void killTimer(WindowHandle window, unsigned id) {
    log("killTimer " + name(window) + " " + std::to_string(id));
    if (fakeui::Dialog* dialog = liveDialog(window)) {
        dialog->timers.erase(id);
    }
}

void setBigIconFromModule(WindowHandle window, const std::string& moduleName,
                          const std::string& iconName) {
    log("setBigIconFromModule " + name(window) + " " + moduleName + " " + iconName);
    if (fakeui::Dialog* dialog = liveDialog(window)) {
        dialog->bigIconModule = moduleName;
        dialog->bigIconName = iconName;
    }
}
