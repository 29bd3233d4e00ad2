#include <algorithm>
#include <utility>

#include "fakes/ui_fake.h"
#include "fakes/ui_fake_state.h"
#include "fakes/win_constants_fake.h"

using namespace fakeui::internal;

namespace fakeui {

void reset() {
    state = State();
}

void queueUserStep(Action step) {
    state.userSteps.push_back(std::move(step));
}

void queuePromptAnswer(const std::string& answer, Action whileOpen) {
    state.promptScript.push_back(ScriptedPrompt{answer, std::move(whileOpen)});
}

void queueMessageAction(Action whileOpen) {
    state.messageScript.push_back(ScriptedMessage{IDOK, std::move(whileOpen)});
}

void queueMessageAnswer(int button, Action whileOpen) {
    state.messageScript.push_back(ScriptedMessage{button, std::move(whileOpen)});
}

std::int32_t sendMessage(WindowHandle dialog, unsigned message, MessageWParam wParam,
                         MessageLParam lParam) {
    if (message == WM_ENDSESSION && liveDialog(dialog) != nullptr && state.sessionEnd != nullptr) {
        state.sessionEnd(wParam != 0);
    }
    if (message == WM_COMMAND) {
        const Control* control = liveControl(dialog, static_cast<int>(wParam & 0xFFFF));
        if (control != nullptr && control->handler != nullptr) {
            const std::int32_t result = control->handler(dialog, message, wParam, lParam);
            if (result != 0) {
                return result;
            }
        }
    }
    // A handler may have ended the dialog; its record goes with the window.
    const Dialog* target = liveDialog(dialog);
    if (target == nullptr) {
        return 0;
    }
    if (target->handler != nullptr) {
        const std::int32_t result = target->handler(dialog, message, wParam, lParam);
        if (result != 0) {
            return result;
        }
    }
    if (message == WM_SYSCOMMAND && (wParam & 0xFFFF) == SC_CLOSE) {
        endDialog(dialog, 0);
        return 1;
    }
    return 0;
}

bool clickControl(WindowHandle dialog, int id) {
    const Control* control = liveControl(dialog, id);
    if (control == nullptr) {
        return false;
    }
    if (state.openMessages > 0) {
        log("click refused " + name(dialog) + " " + std::to_string(id));
        return false;
    }
    const MessageWParam wParam =
        (static_cast<MessageWParam>(BN_CLICKED) << 16) | static_cast<MessageWParam>(id & 0xFFFF);
    sendMessage(dialog, WM_COMMAND, wParam, static_cast<MessageLParam>(control->handle));
    return true;
}

bool fireTimer(WindowHandle dialog, unsigned id) {
    if (!hasTimer(dialog, id)) {
        return false;
    }
    sendMessage(dialog, WM_TIMER, id, 0);
    return true;
}

bool closeByUser(WindowHandle dialog) {
    if (liveDialog(dialog) == nullptr || state.openMessages > 0) {
        return false;
    }
    sendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

void setListBoxTextRoundTrip(std::function<std::string(const std::string&)> roundTrip) {
    state.listBoxTextRoundTrip = std::move(roundTrip);
}

bool selectRow(WindowHandle dialog, int id, int row) {
    Control* listBox = liveListBox(dialog, id);
    if (listBox == nullptr || row < 0 || row >= static_cast<int>(listBox->rows.size())) {
        return false;
    }
    listBox->selectedRow = row;
    return true;
}

const Dialog* findDialog(WindowHandle dialog) {
    auto it = state.dialogs.find(dialog);
    return it == state.dialogs.end() ? nullptr : &it->second;
}

const Control* findControl(WindowHandle dialog, int id) {
    const Dialog* owner = findDialog(dialog);
    if (owner == nullptr) {
        return nullptr;
    }
    for (const Control& control : owner->controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

std::vector<WindowHandle> dialogHandles() {
    return state.order;
}

bool isAlive(WindowHandle dialog) {
    return liveDialog(dialog) != nullptr;
}

std::string controlText(WindowHandle dialog, int id) {
    const Control* control = liveControl(dialog, id);
    return control == nullptr ? std::string() : control->text;
}

std::vector<std::string> listBoxRows(WindowHandle dialog, int id) {
    const Control* listBox = liveListBox(dialog, id);
    return listBox == nullptr ? std::vector<std::string>() : listBox->rows;
}

bool hasTimer(WindowHandle dialog, unsigned id) {
    const Dialog* owner = liveDialog(dialog);
    return owner != nullptr && owner->timers.count(id) != 0;
}

const std::vector<Prompt>& prompts() {
    return state.prompts;
}

const std::vector<Message>& messages() {
    return state.messages;
}

int openPromptCount() {
    return state.openPrompts;
}

int openMessageCount() {
    return state.openMessages;
}

const std::vector<std::string>& calls() {
    return state.calls;
}

std::size_t countCalls(const std::string& prefix) {
    return static_cast<std::size_t>(
        std::count_if(state.calls.begin(), state.calls.end(),
                      [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
}

int firstCall(const std::string& prefix) {
    for (std::size_t i = 0; i < state.calls.size(); ++i) {
        if (state.calls[i].rfind(prefix, 0) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const std::vector<std::string>& faults() {
    return state.faults;
}

}  // namespace fakeui
