#include "sweep/close_commands.h"

#include <gtest/gtest.h>

#include "sweep/sweep.h"
#include "unit/sweep_fixture.h"

namespace {

using Handles = std::vector<WindowHandle>;

class CloseCommandsTest : public SweepFixture {};

// Sweeps with the fake clock; returns how long the sweep waited.
std::uint64_t timedSweep() {
    const std::uint64_t start = fakewin::now();
    sweepWindows();
    return fakewin::now() - start;
}

TEST_F(CloseCommandsTest, ASlowWindowIsWaitedForBeforeTheNextVarn) {
    const WindowHandle slow = addWindow("Slow", 500, true);
    const WindowHandle quick = addWindow("Quick");
    setVarns({"slow", "quick"});
    EXPECT_EQ(500u, timedSweep());
    ASSERT_EQ(2u, fakewin::closeCommands().size());
    EXPECT_EQ(slow, fakewin::closeCommands()[0].window);
    EXPECT_EQ(quick, fakewin::closeCommands()[1].window);
    EXPECT_EQ(500u, fakewin::closeCommands()[1].at);
    EXPECT_EQ(0u, closeCommandRecords.inFlight.size());
}

TEST_F(CloseCommandsTest, AHungWindowHoldsOneSweepUpForTheAllowanceOnly) {
    const WindowHandle hung = addWindow("Hung", fakewin::NEVER, true);
    const WindowHandle quick = addWindow("Quick");
    setVarns({"hung", "quick"});
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    EXPECT_EQ(Handles({hung, quick}), fakewin::closedWindows());
    // With the allowance spent, the quick one's command is sent unwaited for;
    // its report comes in with the program's own message loop.
    EXPECT_EQ(2u, closeCommandRecords.inFlight.size());
    fakewin::advance(100);
    EXPECT_FALSE(fakewin::isAlive(quick));
    EXPECT_EQ(1u, closeCommandRecords.inFlight.size());
}

TEST_F(CloseCommandsTest, TheAllowanceIsForTheWholeSweep) {
    const WindowHandle a = addWindow("Hung A", fakewin::NEVER, true);
    const WindowHandle b = addWindow("Slow B", 1500, true);
    const WindowHandle c = addWindow("Hung C", fakewin::NEVER, true);
    setVarns({"slow", "hung a", "hung c"});
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    EXPECT_EQ(Handles({b, a, c}), fakewin::closedWindows());
    EXPECT_EQ(0u, fakewin::closeCommands()[0].at);
    EXPECT_EQ(1500u, fakewin::closeCommands()[1].at);
    EXPECT_EQ(2000u, fakewin::closeCommands()[2].at);
}

TEST_F(CloseCommandsTest, EverySweepHasAnAllowanceOfItsOwn) {
    addWindow("Hung A", fakewin::NEVER, true);
    setVarns({"hung"});
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    addWindow("Hung B", fakewin::NEVER, true);
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    EXPECT_EQ(2u, closeCommandRecords.inFlight.size());
}

// A window asking its user "save changes?" for 30 s, then refusing to close;
// a hung one is the same until it is gone.
TEST_F(CloseCommandsTest, ABusyWindowGetsNoMoreUntilItHasHandledTheFirst) {
    const WindowHandle busy = addWindow("Busy", 30000, false);
    setVarns({"busy"});
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    for (int sweep = 0; sweep < 4; ++sweep) {
        fakewin::advance(6000);
        EXPECT_EQ(0u, timedSweep());
    }
    EXPECT_EQ(Handles{busy}, fakewin::closedWindows());
    EXPECT_EQ(0, fakewin::handledCloses(busy));

    fakewin::advance(6000);  // 32 s: handled, and the report has come in
    EXPECT_EQ(1, fakewin::handledCloses(busy));
    EXPECT_EQ(0u, closeCommandRecords.inFlight.size());
    timedSweep();
    EXPECT_EQ(Handles({busy, busy}), fakewin::closedWindows());
}

// Within one sweep the second varn's command goes out even though the window
// is still busy with the first: it waits in the window's queue, as it would
// have been sent once the first had been handled.
TEST_F(CloseCommandsTest, TwoVarnsStillSendTwoCommandsToABusyWindow) {
    const WindowHandle busy = addWindow("Editor - a.txt", 30000, false);
    setVarns({"Edit", "Editor"});
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    EXPECT_EQ(Handles({busy, busy}), fakewin::closedWindows());
    EXPECT_EQ(2u, closeCommandRecords.inFlight.size());

    fakewin::advance(31000);  // the first handled, the second not yet
    EXPECT_EQ(1, fakewin::handledCloses(busy));
    EXPECT_EQ(0u, timedSweep());
    EXPECT_EQ(2u, fakewin::closedWindows().size());

    fakewin::advance(30000);
    EXPECT_EQ(2, fakewin::handledCloses(busy));
    timedSweep();
    EXPECT_EQ(4u, fakewin::closedWindows().size());
}

TEST_F(CloseCommandsTest, RecordsOfWindowsThatHaveGoneAreDropped) {
    const WindowHandle hung = addWindow("Hung", fakewin::NEVER, true);
    setVarns({"hung"});
    timedSweep();
    EXPECT_EQ(1u, closeCommandRecords.inFlight.size());
    fakewin::destroyWindow(hung);
    timedSweep();
    EXPECT_EQ(0u, closeCommandRecords.inFlight.size());
}

TEST_F(CloseCommandsTest, OwnWindowsAreClosedDirectlyAfterTheAllowanceIsSpent) {
    addWindow("Hung", fakewin::NEVER, true);
    const WindowHandle own = addOwnWindow("Brimlock - 1.00");
    setVarns({"hung", "brimlock"});
    EXPECT_EQ(CLOSE_WAIT_MILLISECONDS, timedSweep());
    ASSERT_EQ(2u, fakewin::closeCommands().size());
    EXPECT_EQ(own, fakewin::closeCommands()[1].window);
    EXPECT_TRUE(fakewin::closeCommands()[1].direct);
    EXPECT_FALSE(fakewin::isAlive(own));
}

TEST_F(CloseCommandsTest, AWindowThatHasGoneIsSentNothingAndNotWaitedFor) {
    const WindowHandle gone = addWindow("Gone");
    fakewin::destroyWindow(gone);
    beginCloseRound();
    closeWindow(gone);
    EXPECT_EQ(Handles{gone}, fakewin::closedWindows());
    EXPECT_EQ(0u, closeCommandRecords.inFlight.size());
    EXPECT_EQ(0u, fakewin::now());
}

}  // namespace
