#pragma once
// Control of the scriptable windows behind platform/window_source.h in native
// tests. Windows are enumerated in the order they were added. Windows of
// other programs handle a close command after a chosen time, or when the test
// releases it; the reply then comes in with advance() or release(), as it
// comes in with the program's message loop. Time is a fake clock that moves
// only there.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window_source.h"

namespace fakewin {

constexpr int NEVER = -1;  // until release()

struct Window {
    std::string caption;  // as the window holds it: may be long, may hold NULs
    bool visible = true;
    bool cloaked = false;
    bool hung = false;  // not reading its messages
    std::string className = "Notepad";
    bool captionReadable = true;
    bool classReadable = true;
    bool ownThread = false;
    std::uint32_t thread = 0;       // shared with other windows; 0: a thread of its own
    int handleMilliseconds = 0;     // time taken to handle a close command, or NEVER
    bool closesOnCommand = true;    // false: the window refuses, as after "Cancel"
    std::function<void()> onClose;  // runs inside a direct close command (own windows)
};

struct CloseCommand {
    WindowHandle window;
    bool direct;  // sendCloseCommand rather than startCloseCommand
    std::uint64_t at;
};

void reset();
WindowHandle addWindow(const Window& window);
// The window as it is now, to change it between sweeps.
Window& window(WindowHandle handle);
void destroyWindow(WindowHandle handle);
bool isAlive(WindowHandle handle);

// Every close command sent, in order, including failed ones.
const std::vector<CloseCommand>& closeCommands();
std::vector<WindowHandle> closedWindows();  // the windows of closeCommands() alone
// How many close commands the window has finished handling.
int handledCloses(WindowHandle handle);
// Calls of the reading operations, in order: "text 3", "visible 3", "class 3",
// numbered by the order the windows were added, from 1.
const std::vector<std::string>& queries();

// Enumerations so far, one per sweep; the action runs at the end of each,
// once the sweep has seen every window.
int enumerations();
void afterEnumeration(std::function<void()> action);

std::uint64_t now();
// The program's own message loop running for a while: time passes and the
// reports of handled close commands arrive.
void advance(std::uint64_t milliseconds);
// The window handles its oldest command still held, and the reply comes in.
void release(WindowHandle handle);

}  // namespace fakewin
