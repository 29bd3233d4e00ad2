#pragma once
// A clean program state and fake windows for the sweep's tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "app/state.h"
#include "list/varn_list.h"
#include "fakes/window_source_fake.h"
#include "sweep/close_commands.h"
#include "sweep/sweep.h"

class SweepFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        fakewin::reset();
        resetProgramState();
    }

    static void setVarns(std::initializer_list<std::string> varns) {
        varnCount = 0;
        for (const std::string& varn : varns) {
            varnList[++varnCount] = varn;
        }
    }

    // One sweep, run to its end as the program's message loop would run it:
    // the replies come in, and a tick every 100 ms moves it on.
    static void sweep(CloseCommandsEnded ended = nullptr) {
        sweepWindows(ended);
        for (int ticks = 0; closeCommandsUnderWay() && ticks < 1000; ++ticks) {
            fakewin::advance(100);
            continueCloseCommands();
        }
    }

    // A window of another program; by default it handles a close command at
    // once and closes.
    static WindowHandle addWindow(const std::string& caption, int handleMilliseconds = 0,
                                  bool closesOnCommand = true) {
        fakewin::Window window;
        window.caption = caption;
        window.handleMilliseconds = handleMilliseconds;
        window.closesOnCommand = closesOnCommand;
        return fakewin::addWindow(window);
    }

    // A window of the program's own thread, such as its main window.
    static WindowHandle addOwnWindow(const std::string& caption) {
        fakewin::Window window;
        window.caption = caption;
        window.ownThread = true;
        return fakewin::addWindow(window);
    }
};
