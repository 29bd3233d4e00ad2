#include "fakes/window_source_fake.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace {

struct FakeWindow {
    fakewin::Window setup;
    int number = 0;  // order of adding, from 1
    bool alive = true;
    std::uint64_t busyUntil = 0;
    int handled = 0;
};

struct PendingReport {
    std::uint64_t at;
    WindowHandle window;
    CloseHandled handled;
    std::uintptr_t token;
};

struct World {
    std::map<WindowHandle, FakeWindow> windows;
    std::vector<WindowHandle> order;
    std::vector<PendingReport> pending;
    std::vector<fakewin::CloseCommand> commands;
    std::vector<std::string> queries;
    std::uint64_t now = 0;
    WindowHandle nextHandle = 0x10010;
    int enumerations = 0;
    std::function<void()> afterEnumeration;
};

World world;

FakeWindow* find(WindowHandle handle) {
    const auto found = world.windows.find(handle);
    return found == world.windows.end() ? nullptr : &found->second;
}

FakeWindow* findAlive(WindowHandle handle) {
    FakeWindow* window = find(handle);
    return window && window->alive ? window : nullptr;
}

void query(const char* what, WindowHandle handle) {
    const FakeWindow* window = find(handle);
    world.queries.push_back(std::string(what) + " " + std::to_string(window ? window->number : 0));
}

// What the window does once it has handled a close command.
void finishClose(WindowHandle handle) {
    if (FakeWindow* window = findAlive(handle)) {
        ++window->handled;
        if (window->setup.closesOnCommand) {
            window->alive = false;
        }
    }
}

// Delivers, in time order, every report due by `until`.
void deliverReportsUntil(std::uint64_t until) {
    for (;;) {
        const auto next = std::min_element(
            world.pending.begin(), world.pending.end(),
            [](const PendingReport& a, const PendingReport& b) { return a.at < b.at; });
        if (next == world.pending.end() || next->at > until) {
            return;
        }
        const PendingReport report = *next;
        world.pending.erase(next);
        world.now = std::max(world.now, report.at);
        finishClose(report.window);
        report.handled(report.token);
    }
}

void copyText(const std::string& text, char* buffer, int size) {
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace

namespace fakewin {

void reset() {
    world = World();
}

WindowHandle addWindow(const Window& window) {
    const WindowHandle handle = world.nextHandle;
    world.nextHandle += 0x10;
    FakeWindow& added = world.windows[handle];
    added.setup = window;
    added.number = static_cast<int>(world.order.size()) + 1;
    world.order.push_back(handle);
    return handle;
}

Window& window(WindowHandle handle) {
    return find(handle)->setup;
}

void destroyWindow(WindowHandle handle) {
    if (FakeWindow* window = find(handle)) {
        window->alive = false;
    }
}

bool isAlive(WindowHandle handle) {
    return findAlive(handle) != nullptr;
}

const std::vector<CloseCommand>& closeCommands() {
    return world.commands;
}

std::vector<WindowHandle> closedWindows() {
    std::vector<WindowHandle> handles;
    for (const CloseCommand& command : world.commands) {
        handles.push_back(command.window);
    }
    return handles;
}

int handledCloses(WindowHandle handle) {
    const FakeWindow* window = find(handle);
    return window ? window->handled : 0;
}

const std::vector<std::string>& queries() {
    return world.queries;
}

int enumerations() {
    return world.enumerations;
}

void afterEnumeration(std::function<void()> action) {
    world.afterEnumeration = std::move(action);
}

std::uint64_t now() {
    return world.now;
}

void advance(std::uint64_t milliseconds) {
    const std::uint64_t until = world.now + milliseconds;
    deliverReportsUntil(until);
    world.now = until;
}

void release(WindowHandle handle) {
    if (FakeWindow* window = find(handle)) {
        window->busyUntil = world.now;
    }
    for (PendingReport& report : world.pending) {
        if (report.window == handle && report.at == UINT64_MAX) {
            report.at = world.now;
            break;
        }
    }
    deliverReportsUntil(world.now);
}

}  // namespace fakewin

void enumWindows(WindowCollector collect, std::intptr_t context) {
    ++world.enumerations;
    const std::vector<WindowHandle> order = world.order;  // a collector may add windows
    for (const WindowHandle handle : order) {
        if (findAlive(handle) && collect(handle, context) == 0) {
            break;
        }
    }
    if (world.afterEnumeration) {
        const std::function<void()> action = world.afterEnumeration;  // may replace itself
        action();
    }
}

void getWindowText(WindowHandle window, char* buffer, int size) {
    query("text", window);
    const FakeWindow* found = findAlive(window);
    if (found && found->setup.captionReadable) {
        copyText(found->setup.caption, buffer, size);
    }
}

bool isWindowVisible(WindowHandle window) {
    query("visible", window);
    const FakeWindow* found = findAlive(window);
    return found && found->setup.visible;
}

int getClassName(WindowHandle window, char* buffer, int size) {
    query("class", window);
    const FakeWindow* found = findAlive(window);
    if (!found || !found->setup.classReadable) {
        return 0;
    }
    copyText(found->setup.className, buffer, size);
    return static_cast<int>(std::strlen(buffer));
}

void sendCloseCommand(WindowHandle window) {
    world.commands.push_back(fakewin::CloseCommand{window, true, world.now});
    FakeWindow* found = findAlive(window);
    if (!found) {
        return;
    }
    if (found->setup.onClose) {
        const std::function<void()> onClose = found->setup.onClose;  // may change the window
        onClose();
    }
    finishClose(window);
}

bool isOwnThreadWindow(WindowHandle window) {
    const FakeWindow* found = findAlive(window);
    return found && found->setup.ownThread;
}

std::uint32_t windowThreadId(WindowHandle window) {
    const FakeWindow* found = findAlive(window);
    return !found ? 0 : found->setup.thread != 0 ? found->setup.thread : 0x1000u + found->number;
}

bool windowExists(WindowHandle window) {
    return fakewin::isAlive(window);
}

bool startCloseCommand(WindowHandle window, CloseHandled handled, std::uintptr_t token) {
    world.commands.push_back(fakewin::CloseCommand{window, false, world.now});
    FakeWindow* found = findAlive(window);
    if (!found) {
        return false;
    }
    // A thread handles its sent messages one after another.
    const bool held = found->setup.handleMilliseconds == fakewin::NEVER;
    const std::uint64_t at =
        held ? UINT64_MAX : std::max(world.now, found->busyUntil) + found->setup.handleMilliseconds;
    found->busyUntil = at;
    world.pending.push_back(PendingReport{at, window, handled, token});
    return true;
}

bool isWindowCloaked(WindowHandle window) {
    query("cloaked", window);
    const FakeWindow* found = findAlive(window);
    return found && found->setup.cloaked;
}

bool isWindowHung(WindowHandle window) {
    const FakeWindow* found = findAlive(window);
    return found && found->setup.hung;
}

void waitForCloseReply(std::uint32_t milliseconds) {
    std::uint64_t until = world.now + milliseconds;
    for (const PendingReport& report : world.pending) {
        until = std::min(until, report.at);
    }
    deliverReportsUntil(until);
    world.now = std::max(world.now, until);
}

std::uint64_t steadyMilliseconds() {
    return world.now;
}
