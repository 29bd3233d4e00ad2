#include "app/shutdown.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/startup.h"
#include "fakes/win_constants_fake.h"
#include "list/varn_list.h"
#include "unit/main_window_harness.h"

namespace {

// Windows asks with it whether the session may end; the program leaves it to
// the defaults, so no header of the logic names it.
constexpr unsigned WM_QUERYENDSESSION = 0x0011;

const std::string FILE_NAME = "brimlock.ini";
const std::string OLD_LIST = "old\r\n";

class ShutdownTest : public MainWindowFixture {
  protected:
    // Runs the whole program with body as the user's first action in the
    // main window, which is then closed with its close box.
    static void runWith(const std::function<void()>& body) {
        fakeui::queueUserStep([body] {
            body();
            fakeui::closeByUser(mainDialog);
        });
        EXPECT_EQ(0, runBrimlock());
    }

    // What an add does to the list.
    static void addVarn(const std::string& varn) {
        varnList[++varnCount] = varn;
        varnListChanged = true;
    }

    static std::int32_t endSession(bool ending) {
        return fakeui::sendMessage(mainDialog, WM_ENDSESSION, ending ? 1 : 0, 0);
    }
};

struct FailureCase {
    const char* what;
    std::function<void()> fault;
    const char* cause;
};

const FailureCase FAILURES[] = {
    {"read-only", [] { fakefs::setReadOnly(FILE_NAME, true); }, "the file is read-only"},
    {"held by another program", [] { fakefs::refuseOpen(FILE_NAME, FileOpenMode::Write); },
     "it could not be opened for writing: another program is using it"},
    // Permissions, or Controlled folder access guarding the folder.
    {"access denied",
     [] { fakefs::refuseOpen(FILE_NAME, FileOpenMode::Write, FileError::AccessDenied); },
     "it could not be opened for writing: access was denied, by the permissions of the file or "
     "its folder, or by Windows' Controlled folder access"},
    {"not read whole at start", [] { fakefs::refuseOpen(FILE_NAME, FileOpenMode::Read); },
     "it could not be read whole when Brimlock started, so it is kept as it was"},
    {"UTF-16 the code page cannot hold",
     [] { fakefs::setFile(FILE_NAME, std::string("\xFF\xFE\x2D\x4E", 4)); },
     "it is Unicode text with characters that Windows' ANSI code page lacks, so it is kept as it "
     "was"},
    {"disk full", [] { fakefs::diskFullAfter(2); }, "writing failed; the disk may be full"},
    {"replace denied", [] { fakefs::refuseRenames(FileError::AccessDenied); },
     "the new list could not be put in place of the old one, and is left in brimlock.ini.tmp: "
     "access was denied, by another program that has the file open, by the permissions of the "
     "file or its folder, or by Windows' Controlled folder access"},
    {"temporary file in the way",
     [] {
         fakefs::setFile("brimlock.ini.tmp", "");
         fakefs::setReadOnly("brimlock.ini.tmp", true);
     },
     "a brimlock.ini.tmp left beside it could not be replaced: access was denied, by the "
     "permissions of the file or its folder, or by Windows' Controlled folder access"},
    {"temporary file not created",
     [] {
         fakefs::refuseOpen("brimlock.ini.tmp", FileOpenMode::CreateTemporary, FileError::Other);
     },
     "brimlock.ini.tmp could not be created beside it"},
};

// Changes made in this run would be lost: the user hears why and chooses.
// With nothing changed there is nothing to lose, and exit stays silent.
TEST_F(ShutdownTest, AFailedSaveAtExitAsksRetryOrCancelOnlyWhenTheListChanged) {
    for (const FailureCase& c : FAILURES) {
        SCOPED_TRACE(c.what);
        SetUp();
        fakefs::setFile(FILE_NAME, OLD_LIST);
        c.fault();
        const std::string before = fakefs::content(FILE_NAME);
        runWith([] {});
        EXPECT_TRUE(fakeui::messages().empty());
        EXPECT_EQ(before, fakefs::content(FILE_NAME));

        SetUp();
        fakefs::setFile(FILE_NAME, OLD_LIST);
        c.fault();
        fakeui::queueMessageAnswer(IDCANCEL);
        runWith([] { addVarn("added"); });
        ASSERT_EQ(1u, fakeui::messages().size());
        const fakeui::Message& message = fakeui::messages()[0];
        EXPECT_EQ("Brimlock", message.title);
        const bool retry = std::string(c.cause).find("kept as it was") == std::string::npos;
        EXPECT_EQ(std::string("The list of varns could not be saved to brimlock.ini: ") + c.cause +
                      (retry ? ".\n\nRetry saves again. Cancel ends Brimlock without saving, and "
                               "the varns added, edited or removed since it started are lost."
                             : ".\n\nThe varns added, edited or removed since Brimlock started "
                               "are lost."),
                  message.text);
        // The main window is gone: the question must not open behind other windows.
        EXPECT_EQ(static_cast<std::uint32_t>((retry ? MB_RETRYCANCEL : MB_OK) | MB_ICONHAND |
                                             MB_TASKMODAL | MB_SETFOREGROUND | MB_TOPMOST),
                  message.style);
        EXPECT_EQ(before, fakefs::content(FILE_NAME));
    }
}

TEST_F(ShutdownTest, RetrySavesAgainUntilItWorksOrTheUserCancels) {
    fakefs::setFile(FILE_NAME, OLD_LIST);
    fakefs::setReadOnly(FILE_NAME, true);
    fakeui::queueMessageAnswer(IDRETRY);
    fakeui::queueMessageAnswer(IDRETRY, [] { fakefs::setReadOnly(FILE_NAME, false); });
    runWith([] { addVarn("added"); });
    EXPECT_EQ(2u, fakeui::messages().size());
    EXPECT_EQ("old\r\nadded\r\n", fakefs::content(FILE_NAME));

    SetUp();
    fakefs::setFile(FILE_NAME, OLD_LIST);
    fakefs::refuseOpen(FILE_NAME, FileOpenMode::Write);
    fakeui::queueMessageAnswer(IDRETRY);
    fakeui::queueMessageAnswer(IDCANCEL);
    runWith([] { addVarn("added"); });
    EXPECT_EQ(2u, fakeui::messages().size());
    EXPECT_EQ(2u, listFileSaves());
    EXPECT_EQ(OLD_LIST, fakefs::content(FILE_NAME));
}

// Nothing can be written where the program was started.
TEST_F(ShutdownTest, AListFileThatCannotBeCreatedIsNamedAsSuch) {
    fakefs::refuseNewFiles();
    fakeui::queueMessageAnswer(IDCANCEL);
    runWith([] { addVarn("added"); });
    ASSERT_EQ(1u, fakeui::messages().size());
    EXPECT_NE(std::string::npos, fakeui::messages()[0].text.find(
                                     ": it could not be created in this folder: access was "
                                     "denied"));
    EXPECT_FALSE(fakefs::exists(FILE_NAME));
}

// Windows ends the process after WM_ENDSESSION without closing its windows.
TEST_F(ShutdownTest, SessionEndSavesOnceWithoutAWordAndALaterExitSavesAgain) {
    fakefs::setFile(FILE_NAME, "b\ra\n\r\n  \r\n");
    runWith([] {
        EXPECT_EQ(0, fakeui::sendMessage(mainDialog, WM_QUERYENDSESSION, 0, 0));
        EXPECT_EQ(0u, listFileSaves());
        EXPECT_EQ(0, endSession(true));
        EXPECT_EQ(1u, listFileSaves());
        EXPECT_EQ("b\r\na\n\r\n", fakefs::content(FILE_NAME));
        endSession(true);
        EXPECT_EQ(1u, listFileSaves());
        addVarn("c");  // the end was called off after all: the user goes on
    });
    EXPECT_EQ(2u, listFileSaves());
    EXPECT_EQ("b\r\na\n\r\nc\r\n", fakefs::content(FILE_NAME));
    EXPECT_TRUE(fakeui::messages().empty());
}

TEST_F(ShutdownTest, ASessionEndCalledOffLetsTheNextOneSaveAgain) {
    runWith([] {
        endSession(false);
        EXPECT_EQ(0u, listFileSaves());
        endSession(true);
        endSession(false);
        endSession(true);
        EXPECT_EQ(2u, listFileSaves());
    });
}

TEST_F(ShutdownTest, AFailedSaveAtSessionEndIsSilent) {
    fakefs::setFile(FILE_NAME, OLD_LIST);
    fakefs::setReadOnly(FILE_NAME, true);
    fakeui::queueUserStep([] {
        addVarn("added");
        endSession(true);
        EXPECT_TRUE(fakeui::messages().empty());
        fakeui::closeByUser(mainDialog);  // an exit is no session end: it asks
    });
    fakeui::queueMessageAnswer(IDCANCEL);
    runBrimlock();
    EXPECT_EQ(1u, fakeui::messages().size());
}

// Changes the session's end has put in the file are not lost by a failing
// save at a later exit; changes made after it are.
TEST_F(ShutdownTest, AnExitAsksOnlyForChangesSinceTheSessionEndSaved) {
    for (const bool changedAfter : {false, true}) {
        SCOPED_TRACE(changedAfter);
        SetUp();
        fakefs::setFile(FILE_NAME, OLD_LIST);
        if (changedAfter) {
            fakeui::queueMessageAnswer(IDCANCEL);
        }
        runWith([changedAfter] {
            addVarn("added");
            endSession(true);
            fakefs::setReadOnly(FILE_NAME, true);
            if (changedAfter) {
                addVarn("later");
            }
        });
        EXPECT_EQ(changedAfter ? 1u : 0u, fakeui::messages().size());
        EXPECT_EQ("old\r\nadded\r\n", fakefs::content(FILE_NAME));
    }
}

}  // namespace
