#include "sweep/sweep.h"

#include <gtest/gtest.h>

#include "sweep/snapshot.h"
#include "unit/sweep_fixture.h"

namespace {

using Handles = std::vector<WindowHandle>;

class SweepTest : public SweepFixture {};

std::vector<std::string> snapshotCaptions() {
    return std::vector<std::string>(snapshotTitles.begin() + 1,
                                    snapshotTitles.begin() + 1 + snapshotCount);
}

TEST_F(SweepTest, KeepsVisibleCaptionedWindowsThatAreNotTheDesktop) {
    const struct {
        std::string caption;
        bool visible;
        bool cloaked;
        std::string className;
        bool classReadable;
        bool captionReadable;
        bool kept;
    } cases[] = {
        {"Plain", true, false, "Notepad", true, true, true},
        {"", true, false, "Notepad", true, true, false},
        {"Hidden", false, false, "Notepad", true, true, false},
        {"Program Manager", true, false, "PROGMAN", true, true, false},
        {"Desk 2", true, false, "  pRoGmAn ", true, true, false},
        {"Desk 3", true, false, "Progman", true, true, false},
        {"Not desk", true, false, "\tPROGMAN", true, true, true},  // a tab is not a space
        {"Not desk 2", true, false, "PROGMAN2", true, true, true},
        {"No class", true, false, "PROGMAN", false, true, true},  // unreadable class reads as empty
        {"Cloaked", true, true, "Notepad", true, true, false},    // another desktop's
        {"Unreadable", true, false, "Notepad", true, false, false},
        {"  Spaces kept  ", true, false, "Notepad", true, true, true},
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        fakewin::Window window;
        window.caption = c.caption;
        window.visible = c.visible;
        window.cloaked = c.cloaked;
        window.className = c.className;
        window.classReadable = c.classReadable;
        window.captionReadable = c.captionReadable;
        fakewin::addWindow(window);
        if (c.kept) {
            expected.push_back(c.caption);
        }
    }
    sweep();  // with an empty list: the snapshot is refilled all the same
    EXPECT_EQ(expected, snapshotCaptions());
    EXPECT_EQ(1, fakewin::enumerations());
    EXPECT_TRUE(fakewin::closeCommands().empty());
}

// The caption of every window, the visibility only of captioned ones, the
// class only of visible captioned ones, the cloaking only of those kept so far.
TEST_F(SweepTest, ReadsCaptionThenVisibilityThenClassThenCloaking) {
    addWindow("");
    fakewin::window(addWindow("Hidden")).visible = false;
    addWindow("Shown");
    sweep();
    const std::vector<std::string> expected = {"text 1",    "text 2",  "visible 2", "text 3",
                                               "visible 3", "class 3", "cloaked 3"};
    EXPECT_EQ(expected, fakewin::queries());
}

TEST_F(SweepTest, CaptionsAreCutAt255BytesAndAtTheFirstNul) {
    std::string long300;
    for (int k = 0; k < 300; ++k) {
        long300 += static_cast<char>('a' + k % 26);
    }
    addWindow(long300);
    addWindow(std::string("Abc\0def", 7));
    addWindow(std::string("\0abc", 4));
    sweep();
    EXPECT_EQ(std::vector<std::string>({long300.substr(0, 255), "Abc"}), snapshotCaptions());
}

TEST_F(SweepTest, TheLastMatchingWindowIsClosedFirst) {
    const WindowHandle clock = addWindow("Clock");
    const WindowHandle clock2 = addWindow("Clock 2");
    addWindow("Editor");
    setVarns({"clock"});
    sweep();
    EXPECT_EQ(Handles{clock2}, fakewin::closedWindows());
    sweep();
    EXPECT_EQ(Handles({clock2, clock}), fakewin::closedWindows());
    EXPECT_FALSE(fakewin::isAlive(clock));
}

TEST_F(SweepTest, CommandsGoOutInListOrderOnePerVarn) {
    const WindowHandle a = addWindow("Alpha");
    const WindowHandle b = addWindow("Beta");
    addWindow("Gamma");
    setVarns({"beta", "nothing", "alpha", "", "   "});
    sweep();
    EXPECT_EQ(Handles({b, a}), fakewin::closedWindows());
}

// A window that refuses is sent one command per varn that chose it; one that
// closes on the first has gone by the second's turn, and is sent nothing more.
TEST_F(SweepTest, AWindowChosenByTwoVarnsGetsTwoCommands) {
    const WindowHandle refuses = addWindow("Editor - a.txt", 0, false);
    setVarns({"Edit", "Editor"});
    sweep();
    EXPECT_EQ(Handles({refuses, refuses}), fakewin::closedWindows());
    EXPECT_EQ(2, fakewin::handledCloses(refuses));

    fakewin::reset();
    const WindowHandle closes = addWindow("Editor - a.txt");
    sweep();
    EXPECT_EQ(Handles({closes}), fakewin::closedWindows());
    EXPECT_EQ(1, fakewin::handledCloses(closes));
}

TEST_F(SweepTest, AShorterEnumerationLeavesTheOldEntriesAboveTheCount) {
    Handles handles;
    for (int k = 1; k <= 10; ++k) {
        handles.push_back(addWindow("Window " + std::to_string(k)));
    }
    sweep();
    EXPECT_EQ(10, snapshotCount);
    fakewin::destroyWindow(handles[3]);
    fakewin::destroyWindow(handles[6]);
    sweep();
    EXPECT_EQ(8, snapshotCount);
    EXPECT_EQ("Window 10", snapshotTitles[8]);
    EXPECT_EQ("Window 9", snapshotTitles[9]);
    EXPECT_EQ("Window 10", snapshotTitles[10]);
    EXPECT_EQ(handles[9], snapshotHandles[10]);
    EXPECT_EQ("", snapshotTitles[11]);
}

// Entries above the counts take no part, whatever they hold.
TEST_F(SweepTest, OnlyVarnsUpToTheCountAreUsed) {
    addWindow("Alpha");
    setVarns({"nothing"});
    varnList[2] = "Alpha";
    sweep();
    EXPECT_TRUE(fakewin::closeCommands().empty());
}

// Past 1,000 windows nothing is stored or even read; the enumeration still
// runs to its end.
TEST_F(SweepTest, WindowsPastAFullSnapshotArePassedOver) {
    Handles handles;
    for (int k = 1; k <= 1100; ++k) {
        handles.push_back(addWindow("Window " + std::to_string(k)));
    }
    setVarns({"Window 1050", "window"});
    sweep();
    EXPECT_EQ(MAX_SNAPSHOT, snapshotCount);
    EXPECT_EQ("Window 1000", snapshotTitles[1000]);
    EXPECT_EQ(handles[999], snapshotHandles[1000]);
    EXPECT_EQ(Handles{handles[999]}, fakewin::closedWindows());
    EXPECT_EQ(4001u, fakewin::queries().size());  // and the chosen one's caption at its turn
    EXPECT_EQ(1, collectWindow(handles[1050], 0));
    EXPECT_EQ(MAX_SNAPSHOT, snapshotCount);
}

// A close command handled at once may run a message loop that delivers a
// tick; the sweep already under way is not started again inside itself.
TEST_F(SweepTest, NoSweepStartsInsideAnother) {
    const WindowHandle dialog = addOwnWindow("Dialog");
    fakewin::window(dialog).closesOnCommand = false;
    static int nestedSweeps;
    nestedSweeps = 0;
    fakewin::window(dialog).onClose = [] {
        if (nestedSweeps++ == 0) {
            addWindow("Late");
            sweepWindows();
        }
    };
    setVarns({"dialog"});
    sweep();
    EXPECT_EQ(Handles{dialog}, fakewin::closedWindows());
    EXPECT_EQ(1, snapshotCount);
    sweep();
    EXPECT_EQ(2, snapshotCount);
}

}  // namespace
