#pragma once
// What the fake dialog services share between ui_fake.cpp (the seam) and
// ui_driver_fake.cpp (scripting and reading them back in tests).
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "fakes/ui_fake.h"

namespace fakeui::internal {

struct ScriptedPrompt {
    std::string answer;
    Action whileOpen;
};

struct ScriptedMessage {
    int button;
    Action whileOpen;
};

struct State {
    std::map<WindowHandle, Dialog> dialogs;
    std::vector<WindowHandle> order;
    WindowHandle nextHandle = 0x1000;
    std::deque<Action> userSteps;
    std::deque<ScriptedPrompt> promptScript;
    std::deque<ScriptedMessage> messageScript;
    std::vector<Prompt> prompts;
    std::vector<Message> messages;
    std::set<WindowHandle> destroying;  // between WM_DESTROY and WM_NCDESTROY
    int openPrompts = 0;
    int openMessages = 0;
    std::vector<std::string> calls;
    std::vector<std::string> faults;
    SessionEndHandler sessionEnd = nullptr;
    std::function<std::string(const std::string&)> listBoxTextRoundTrip;
};

extern State state;

void log(const std::string& line);
std::string name(WindowHandle handle);
// Null when the window is gone.
Dialog* liveDialog(WindowHandle handle);
Control* liveControl(WindowHandle dialog, int id);
Control* liveListBox(WindowHandle dialog, int id);

}  // namespace fakeui::internal
