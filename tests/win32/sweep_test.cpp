#include <windows.h>

#include "sweep/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/state.h"
#include "list/varn_list.h"
#include "sweep/close_commands.h"
#include "sweep/snapshot.h"
#include "support/test_process_win32.h"
#include "win32/test_windows.h"

namespace {

using testwin::OwnWindow;
using testwin::uniqueCaption;

class SweepWin32Test : public ::testing::Test {
  protected:
    void SetUp() override { resetProgramState(); }

    static void setVarns(const std::vector<std::string>& varns) {
        varnCount = 0;
        for (const std::string& varn : varns) {
            varnList[++varnCount] = varn;
        }
    }

    static bool inSnapshot(const std::string& caption) {
        return std::find(snapshotTitles.begin() + 1, snapshotTitles.begin() + 1 + snapshotCount,
                         caption) != snapshotTitles.begin() + 1 + snapshotCount;
    }

    // Runs one sweep to its end, as the program's message loop and ticks
    // would, and returns the milliseconds it took.
    static ULONGLONG timedSweep() {
        const ULONGLONG start = GetTickCount64();
        sweepWindows();
        EXPECT_TRUE(pumpUntil([] {
            continueCloseCommands();
            return !closeCommandsUnderWay();
        }));
        const ULONGLONG took = GetTickCount64() - start;
        std::printf("sweep took %llu ms\n", took);
        return took;
    }
};

// Far above the 2 s the sweep may wait, far below the target's 30 s or forever.
constexpr ULONGLONG BOUND_WITH_SLACK = 10000;

// Through the real window source: captions cut at 255 bytes, visibility, and
// the desktop's class in mixed case.
TEST_F(SweepWin32Test, CollectsVisibleCaptionedWindowsAndClosesTheMatch) {
    const std::string longCaption = uniqueCaption("Sweep long") + std::string(300, 'y');
    const OwnWindow shown(uniqueCaption("Sweep shown"));
    const OwnWindow hidden(uniqueCaption("Sweep hidden"), false);
    const OwnWindow desk(uniqueCaption("Sweep desk"), true, "pRoGmAn");
    const OwnWindow overlong(longCaption);
    setVarns({uniqueCaption("sweep shown"), uniqueCaption("SWEEP HIDDEN"),
              uniqueCaption(" sweep desk")});
    sweepWindows();

    EXPECT_TRUE(inSnapshot(uniqueCaption("Sweep shown")));
    EXPECT_TRUE(inSnapshot(longCaption.substr(0, 255)));
    EXPECT_FALSE(inSnapshot(uniqueCaption("Sweep hidden")));
    EXPECT_FALSE(inSnapshot(uniqueCaption("Sweep desk")));
    EXPECT_EQ(1, shown.closesReceived());
    EXPECT_FALSE(IsWindow(shown.hwnd()));
    EXPECT_EQ(0, hidden.closesReceived());
    EXPECT_EQ(0, desk.closesReceived());
    EXPECT_TRUE(IsWindow(desk.hwnd()));
}

TEST_F(SweepWin32Test, AVarnMatchingTheProgramsOwnCaptionClosesItAtOnce) {
    const OwnWindow main(uniqueCaption("Brimlock - 1.00"));
    setVarns({uniqueCaption("brimlock - 1.00")});
    sweepWindows();
    EXPECT_EQ(1, main.closesReceived());
    EXPECT_FALSE(IsWindow(main.hwnd()));
}

TEST_F(SweepWin32Test, NoMoreThanAThousandWindowsAreKept) {
    std::vector<std::unique_ptr<OwnWindow>> windows;
    for (int k = 0; k < 1100; ++k) {
        windows.push_back(
            std::make_unique<OwnWindow>(uniqueCaption("Many") + " " + std::to_string(k)));
    }
    setVarns({uniqueCaption("many")});
    sweepWindows();
    EXPECT_EQ(MAX_SNAPSHOT, snapshotCount);
    int closed = 0;
    int kept = 0;
    for (const auto& window : windows) {
        closed += window->closesReceived();
        kept += inSnapshot(uniqueCaption("Many") + " " + std::to_string(&window - &windows[0]));
    }
    EXPECT_EQ(1, closed);
    EXPECT_GE(kept, MAX_SNAPSHOT - 50);  // the few other visible windows of the session
}

TEST_F(SweepWin32Test, AHungProgramHoldsUpOneSweepForTheAllowanceOnly) {
    const std::string caption = uniqueCaption("Hung target");
    const HANDLE hungNow = CreateEventA(nullptr, TRUE, FALSE, caption.c_str());
    TargetProcess hung("hung_target", caption);
    ASSERT_NE(nullptr, hung.window());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hungNow, 10000));
    CloseHandle(hungNow);
    const OwnWindow after(uniqueCaption("After hung"));
    setVarns({caption, uniqueCaption("after hung")});

    EXPECT_LT(timedSweep(), BOUND_WITH_SLACK);
    EXPECT_EQ(1, after.closesReceived());  // the sweep went on after it
    EXPECT_EQ(1u, closeCommandRecords.inFlight.size());

    const OwnWindow later(uniqueCaption("After hung"));
    EXPECT_LT(timedSweep(), BOUND_WITH_SLACK);
    EXPECT_EQ(1, later.closesReceived());
    EXPECT_EQ(1u, closeCommandRecords.inFlight.size());  // nothing more was sent to the hung one

    hung.end();
    sweepWindows();
    EXPECT_EQ(0u, closeCommandRecords.inFlight.size());
}

// A program that asks its user for 30 s on the close command: it gets one
// command, though two varns choose it, and later sweeps send it no more
// meanwhile.
TEST_F(SweepWin32Test, ABusyProgramIsSentNoMoreCommandsWhileAsking) {
    const std::string caption = uniqueCaption("Busy target");
    TargetProcess busy(30000, caption);
    ASSERT_NE(nullptr, busy.window());
    setVarns({uniqueCaption("busy target"), uniqueCaption("BUSY TARGET")});

    EXPECT_LT(timedSweep(), BOUND_WITH_SLACK);
    EXPECT_TRUE(waitUntil([&] { return busy.ask(WM_APP) == 1; }));
    EXPECT_EQ(1u, closeCommandRecords.inFlight.size());
    EXPECT_LT(timedSweep(), BOUND_WITH_SLACK);
    EXPECT_LT(timedSweep(), BOUND_WITH_SLACK);
    EXPECT_EQ(1, busy.ask(WM_APP));
    EXPECT_EQ(0, busy.ask(WM_APP + 1));
}

// Once it has finished asking (and refused), the next sweep asks again.
TEST_F(SweepWin32Test, ABusyProgramIsSentTheNextCommandOnceItHasFinished) {
    const std::string caption = uniqueCaption("Busy briefly");
    TargetProcess busy(3000, caption);
    ASSERT_NE(nullptr, busy.window());
    setVarns({uniqueCaption("busy briefly")});

    sweepWindows();
    sweepWindows();
    EXPECT_EQ(1, busy.ask(WM_APP));
    EXPECT_TRUE(pumpUntil([] { return closeCommandRecords.inFlight.size() == 0; }));
    EXPECT_EQ(1, busy.ask(WM_APP + 1));
    sweepWindows();
    EXPECT_EQ(2, busy.ask(WM_APP));
}

}  // namespace
