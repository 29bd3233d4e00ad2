#pragma once
// Runs the real main window on the fake dialog services, with the fake clock,
// the fake file store and the fake windows, each reset for every test.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_controls.h"
#include "app/main_window.h"
#include "app/state.h"
#include "fakes/clock_fake.h"
#include "fakes/files_fake.h"
#include "fakes/ui_fake.h"
#include "fakes/window_source_fake.h"
#include "sweep/close_commands.h"

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        fakeui::reset();
        fakeclock::reset();
        fakefs::reset();
        fakewin::reset();
        resetProgramState();
    }

    void TearDown() override {
        for (const std::string& fault : fakeui::faults()) {
            ADD_FAILURE() << fault;
        }
    }

    // Runs body as the user's first action in the open main window, then
    // closes the window with its close box.
    static void whileMainWindowOpen(const std::function<void()>& body) {
        fakeui::queueUserStep([body] {
            body();
            fakeui::closeByUser(mainDialog);
        });
        runMainWindow();
    }

    static bool tick() { return fakeui::fireTimer(mainDialog, IDT_COUNTDOWN); }

    static bool click(int id) { return fakeui::clickControl(mainDialog, id); }

    static std::string countdownText() { return fakeui::controlText(mainDialog, IDC_ACTIVATE); }

    // A control's text as the main window left it, also once it has gone.
    static std::string textLeftIn(int id) {
        const fakeui::Control* control = fakeui::findControl(mainDialog, id);
        return control == nullptr ? "<no such control>" : control->text;
    }

    // A prompt at its default place, centred on the screen.
    static void expectCentredPrompt(const fakeui::Prompt& prompt, const std::string& text,
                                    const std::string& title, const std::string& defaultText) {
        EXPECT_EQ(text, prompt.prompt);
        EXPECT_EQ(title, prompt.title);
        EXPECT_EQ(defaultText, prompt.defaultText);
        EXPECT_EQ(-1, prompt.x);
        EXPECT_EQ(-1, prompt.y);
    }

    // Each save of the list file asks once whether it is read-only.
    static std::size_t listFileSaves() {
        std::size_t saves = 0;
        for (const std::string& call : fakefs::calls()) {
            saves += call == "read-only brimlock.ini" ? 1 : 0;
        }
        return saves;
    }
};
