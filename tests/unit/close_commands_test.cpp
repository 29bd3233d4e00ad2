#include "sweep/close_commands.h"

#include <gtest/gtest.h>

#include "app/main_dialog.h"
#include "ui/win_constants.h"
#include "unit/sweep_fixture.h"

namespace {

constexpr int H = fakewin::NEVER;  // handles a command when the script releases it
constexpr std::uint64_t NOT_ENDED = UINT64_MAX;
std::uint64_t endedAt = NOT_ENDED;

struct Target {
    const char* caption;
    int handleMilliseconds;
    bool closes;
    bool hung;
    int thread = 0;  // shared by the windows with that number; -1: the main window
};

// t: a tick after that many milliseconds; on the window numbered from 1:
// r: release its reply, a: it answers again, d: it goes, c: it is renamed;
// o: switch off; v: the varn numbered so is removed; s: one more sweep, run to its end.
struct Step {
    char kind;
    int value;
};

// The commands of a sweep: which window, and when.
using Sent = std::vector<std::pair<int, std::uint64_t>>;

class CloseCommandsTest : public SweepFixture {};

TEST_F(CloseCommandsTest, GoOutInOrderWithinTheAllowanceOneInFlightPerWindow) {
    // clang-format off
    const struct {
        const char* what;
        std::vector<Target> targets;
        std::vector<std::string> varns;
        std::vector<Step> script;  // none: the sweep is run to its end
        Sent sent;
        std::uint64_t ended;  // when the first sweep ended
        std::size_t inFlight;
    } cases[] = {
        {"each once the one before has handled its own, in list order",
         {{"A", H, true, false}, {"B", H, true, false}, {"C", H, true, false}},
         {"c", "a", "b"}, {{'t', 100}, {'r', 3}, {'t', 100}, {'r', 1}, {'r', 2}},
         {{3, 0}, {1, 100}, {2, 200}}, 200, 0},
        {"each is waited for up to the allowance, then the next goes",
         {{"Hung A", H, true, false}, {"Slow B", 1500, true, false}, {"Hung C", H, true, false},
          {"Quick", 0, true, false}},
         {"slow", "hung a", "hung c", "quick"}, {},
         {{2, 0}, {1, 1500}, {3, 3500}, {4, 5500}}, 5500, 2},
        {"switching off sends none of the rest",
         {{"A", H, true, false}, {"B", 0, true, false}},
         {"a", "b"}, {{'t', 100}, {'o', 0}, {'r', 1}, {'t', 100}},
         {{1, 0}}, 100, 0},
        {"a window that has gone by its turn is not waited for",
         {{"A", H, true, false}, {"B", H, true, false}, {"C", 0, true, false}},
         {"a", "b", "c"}, {{'d', 2}, {'r', 1}, {'t', 0}},
         {{1, 0}, {3, 0}}, 0, 0},
        {"a window chosen by two varns gets two commands, one after the other",
         {{"Editor - a.txt", 300, false, false}},
         {"Edit", "Editor"}, {},
         {{1, 0}, {1, 300}}, 600, 0},
        {"never two in flight: the second is passed over, and so are later sweeps",
         {{"Editor - a.txt", H, false, false}},
         {"Edit", "Editor"}, {{'t', 2000}, {'s', 0}, {'r', 1}, {'s', 0}},
         {{1, 0}, {1, 2000}}, 2000, 1},
        {"a hung window is asked nothing until it answers again",
         {{"Hung", 0, true, true}, {"Quick", 0, true, false}},
         {"hung", "quick"}, {{'t', 0}, {'a', 1}, {'s', 0}},
         {{2, 0}, {1, 0}}, 0, 0},
        {"what was in flight to a window that has gone is forgotten",
         {{"Hung", H, true, false}},
         {"hung"}, {{'t', 2000}, {'d', 1}, {'s', 0}},
         {{1, 0}}, 2000, 0},
        {"two windows of one thread: the second is passed over until the first is handled",
         {{"Ask one", H, true, false, 7}, {"Ask two", 0, true, false, 7}}, {"ask one", "ask two"},
         {{'t', 2000}, {'s', 0}, {'t', 500}, {'r', 1}, {'s', 0}}, {{1, 0}, {2, 2500}}, 2000, 0},
        {"a varn removed, a caption changed, before their turns: those windows are passed over",
         {{"A", H, true, false}, {"B", 0, true, false}, {"C", 0, true, false}, {"D", 0, true, false}},
         {"a", "b", "c", "d"}, {{'v', 2}, {'c', 3}, {'r', 1}}, {{1, 0}, {4, 0}}, 0, 0},
        {"the program's own window in the middle: the rest go at once, unanswered",
         {{"A", 100, true, false}, {"Brimlock - 1.00", 0, true, false, -1}, {"Y", H, true, false},
          {"Z", H, true, false}}, {"a", "brimlock", "y", "z"}, {{'t', 100}},
         {{1, 0}, {2, 100}, {3, 100}, {4, 100}}, 100, 2},
        {"the program's own window first, then three of one thread: each waits for the reply "
         "before it, up to the allowance",
         {{"Brimlock - 1.00", 0, true, false, -1}, {"Y", 500, true, false, 7},
          {"Z", H, true, false, 7}, {"W", 0, true, false, 7}}, {"brimlock", "y", "z", "w"},
         {{'t', 0}}, {{1, 0}, {2, 0}, {3, 500}, {4, 2500}}, 2500, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        std::vector<WindowHandle> handles;
        for (const Target& target : c.targets) {
            handles.push_back(addWindow(target.caption, target.handleMilliseconds, target.closes));
            fakewin::Window& window = fakewin::window(handles.back());
            window.hung = target.hung;
            window.thread = static_cast<std::uint32_t>(target.thread);
            window.ownThread = target.thread < 0;
            window.onClose = [] { mainDialogCallback(0, WM_DESTROY, 0, 0); };  // own: the main one
        }
        for (const std::string& varn : c.varns) {
            varnList[++varnCount] = varn;
        }
        endedAt = NOT_ENDED;
        const CloseCommandsEnded recordEnd = [] { endedAt = std::min(endedAt, fakewin::now()); };
        if (c.script.empty()) {
            sweep(recordEnd);
        } else {
            sweepWindows(recordEnd);
        }
        for (const Step& step : c.script) {
            const bool onWindow = step.kind != 't' && step.value > 0;
            const WindowHandle window = onWindow ? handles[step.value - 1] : 0;
            if (step.kind == 't') {
                fakewin::advance(static_cast<std::uint64_t>(step.value));
                continueCloseCommands();
            } else if (step.kind == 'r') {
                fakewin::release(window);
            } else if (step.kind == 'a') {
                fakewin::window(window).hung = false;
            } else if (step.kind == 'd') {
                fakewin::destroyWindow(window);
            } else if (step.kind == 'c') {
                fakewin::window(window).caption = "Renamed";
            } else if (step.kind == 'v') {
                varnList.erase(varnList.begin() + step.value);  // as a removal does
                varnList.emplace_back();
                --varnCount;
            } else if (step.kind == 'o') {
                dropCloseCommands();
            } else {
                sweep();
            }
        }
        Sent sent;
        for (const fakewin::CloseCommand& command : fakewin::closeCommands()) {
            const auto number = std::find(handles.begin(), handles.end(), command.window);
            sent.emplace_back(static_cast<int>(number - handles.begin() + 1), command.at);
        }
        EXPECT_EQ(c.sent, sent);
        EXPECT_EQ(c.ended, endedAt);
        EXPECT_EQ(c.inFlight, closeCommandRecords.inFlight.size());
        EXPECT_FALSE(closeCommandsUnderWay());
    }
}

}  // namespace
