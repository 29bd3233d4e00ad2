#include "app/main_dialog.h"

#include <gtest/gtest.h>

#include "list/list_file.h"
#include "list/varn_list.h"
#include "sweep/snapshot.h"
#include "ui/win_constants.h"
#include "unit/main_window_harness.h"

namespace {

using MainDialogTest = MainWindowFixture;

TEST_F(MainDialogTest, CountsDownByATenthPerTickFromTheFirstSweep) {
    fakeclock::setTime(12, 0, 0, 0);
    whileMainWindowOpen([] {
        ASSERT_TRUE(tick());
        EXPECT_EQ("Active: 0.0", countdownText());
        EXPECT_EQ(1, fakewin::enumerations());

        const struct {
            int ticks;
            const char* shown;
            int sweeps;
        } checkpoints[] = {
            {1, "Active: 5.9", 1},  {2, "Active: 5.8", 1},  {30, "Active: 3.0", 1},
            {59, "Active: 0.1", 1}, {60, "Active: 0.0", 1},  // exactly the delay: no sweep
            {61, "Active: 0.0", 2},
        };
        int ticks = 0;
        for (const auto& checkpoint : checkpoints) {
            for (; ticks < checkpoint.ticks; ++ticks) {
                fakeclock::advanceMilliseconds(100);
                tick();
            }
            EXPECT_EQ(checkpoint.shown, countdownText()) << "after tick " << ticks;
            EXPECT_EQ(checkpoint.sweeps, fakewin::enumerations()) << "after tick " << ticks;
        }
    });
}

// The text, the decision and the sweep's end each take a reading of their
// own, the end after the sweep.
TEST_F(MainDialogTest, EachStepReadsTheClockAfreshAndTheEndAfterTheSweep) {
    lastSweepTime = 1000.0f;
    fakeclock::setSeconds(1005.8);
    fakeclock::setStepMilliseconds(300);
    fakewin::afterEnumeration([] { fakeclock::advanceMilliseconds(2500); });
    whileMainWindowOpen([] {
        const int before = fakeclock::readings();
        tick();
        EXPECT_EQ(4, fakeclock::readings() - before);
    });
    EXPECT_EQ("Active: 0.2", textLeftIn(IDC_ACTIVATE));  // 1005.8: 0.2 left
    EXPECT_EQ(1, fakewin::enumerations());               // 1006.1: past the delay
    EXPECT_EQ(static_cast<float>(1006.7 + 2.5), lastSweepTime);
}

// Programs that each take 1.5 s over the close command, as one asking "save
// changes?" does: one command each, in list order, each once the one before
// has been handled. The countdown stays at 0 meanwhile, no other sweep starts,
// and it counts from the delay once the last has answered. Switched off, or
// with the window closed, none of those still to go is sent.
TEST_F(MainDialogTest, WhileTheCommandsGoOutTheCountdownWaitsAtZero) {
    const struct {
        const char* what;
        int switchOffAt, closeAt;  // ticks
        std::size_t sent;
    } cases[] = {{"to the end", -1, 46, 3}, {"switched off", 20, 46, 2}, {"closed", -1, 25, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        std::vector<WindowHandle> windows;
        for (const char* caption : {"Save C", "Save A", "Save B"}) {
            fakewin::Window window;
            window.caption = caption;
            window.handleMilliseconds = 1500;
            windows.push_back(fakewin::addWindow(window));
            varnList[++varnCount] = caption;
        }
        whileMainWindowOpen([&c] {
            for (int ticks = 0; ticks < c.closeAt; ++ticks) {
                if (ticks == c.switchOffAt) {
                    click(IDC_ACTIVATE);
                }
                tick();
                if (isActive == 1) {
                    ASSERT_EQ(ticks < 45 ? "Active: 0.0" : "Active: 6.0", countdownText()) << ticks;
                }
                fakeclock::advanceMilliseconds(100);
                fakewin::advance(100);
            }
        });
        fakewin::advance(5000);
        windows.resize(c.sent);
        EXPECT_EQ(windows, fakewin::closedWindows());
        EXPECT_EQ(1, fakewin::enumerations());
    }
}

TEST_F(MainDialogTest, InactiveTicksLeaveTheButtonAndTheSnapshotAlone) {
    whileMainWindowOpen([] {
        tick();
        ASSERT_TRUE(click(IDC_ACTIVATE));
        EXPECT_EQ(0, isActive);
        EXPECT_EQ("Activate", countdownText());
        fakewin::Window window;
        window.caption = "A window that a sweep would record";
        fakewin::addWindow(window);
        const std::vector<std::string> titles = snapshotTitles;
        const std::size_t textsSet = fakeui::countCalls("setControlText");

        for (int i = 0; i < 100; ++i) {
            fakeclock::advanceMilliseconds(100);
            EXPECT_TRUE(tick());
        }
        EXPECT_EQ("Activate", countdownText());
        EXPECT_EQ(textsSet, fakeui::countCalls("setControlText"));
        EXPECT_EQ(1, fakewin::enumerations());
        EXPECT_EQ(titles, snapshotTitles);
    });
}

// Switched off after the first sweep and on again: the countdown goes on from
// that sweep, once the next tick has written it.
TEST_F(MainDialogTest, SwitchedOffAndOnAgainCountsFromTheLastSweep) {
    const struct {
        const char* what;
        int offFor;     // milliseconds
        int tickAfter;  // milliseconds after switching on
        const char* shown;
        int sweeps;
    } cases[] = {
        {"within the delay", 2000, 1000, "Active: 1.0", 1},
        {"for more than the delay", 10000, 0, "Active: 0.0", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        whileMainWindowOpen([&c] {
            tick();
            fakeclock::advanceMilliseconds(2000);
            click(IDC_ACTIVATE);
            fakeclock::advanceMilliseconds(c.offFor);
            click(IDC_ACTIVATE);
            EXPECT_EQ(1, isActive);
            EXPECT_EQ("Activate", countdownText());
            EXPECT_EQ(1, fakewin::enumerations());
            fakeclock::advanceMilliseconds(c.tickAfter);
            tick();
            EXPECT_EQ(c.shown, countdownText());
            EXPECT_EQ(c.sweeps, fakewin::enumerations());
        });
    }
}

// Held past the load's tries; the first retry, ten ticks on, meets the file
// still held, refused as access denied (pending deletion), gone (the first
// step of a replace) or open to a writer. Shown at the second retry with no
// call but its read's; never if the list changed first.
TEST_F(MainDialogTest, AListFileHeldAtStartShowsOnceItCanBeReadUnlessTheListChangedFirst) {
    FileHandle writer = INVALID_FILE;
    const auto refused = [](FileError error) {
        return [error] { fakefs::refuseOpen("brimlock.ini", FileOpenMode::ReadAlone, error, 1); };
    };
    const struct {
        FileError atStart;
        std::function<void()> moment;
        bool changedFirst;
    } cases[] = {
        {FileError::InUse, refused(FileError::InUse), false},
        {FileError::AccessDenied, refused(FileError::AccessDenied), false},
        {FileError::InUse, [] { deleteFile("brimlock.ini"); }, false},
        {FileError::InUse,
         [&writer] { writer = openFile("brimlock.ini", FileOpenMode::EnsureExists); }, false},
        {FileError::InUse, refused(FileError::InUse), true},
    };
    for (const auto& c : cases) {
        SetUp();
        fakefs::setFile("brimlock.ini", "b\r\na\r\n");
        fakefs::refuseOpen("brimlock.ini", FileOpenMode::Read, c.atStart);
        loadVarnList();
        c.moment();
        const std::size_t loaded = fakefs::calls().size();
        varnListChanged = c.changedFirst;
        whileMainWindowOpen([&] {
            for (int ticks = 1; ticks <= 20; ++ticks) {
                tick();
                if (ticks == 15) {  // the writer done, the file back
                    closeFile(writer);
                    fakefs::setFile("brimlock.ini", "b\r\na\r\n");
                }
                EXPECT_EQ(ticks < 20 || c.changedFirst ? 0u : 2u,
                          fakeui::listBoxRows(mainDialog, IDC_VARN_LIST).size());
            }
        });
        for (auto call = fakefs::calls().begin() + loaded; call < fakefs::calls().end(); ++call) {
            EXPECT_TRUE(*call == "open brimlock.ini ReadAlone" || *call == "read" ||
                        *call == "close")
                << *call;
        }
    }
}

}  // namespace
