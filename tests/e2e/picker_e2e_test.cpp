// Adding through the window picker of the real brimlock.exe, used as a person
// would, with the sweep that fills it and closes what was added.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// <windows.h> names a cursor IDC_HELP; here it is the help button's id.
#undef IDC_HELP
#include "app/main_controls.h"
#include "e2e/brimlock_e2e_fixture.h"
#include "list/picker.h"

namespace {

class PickerE2eTest : public BrimlockE2eTest {
  protected:
    HWND waitFor(const std::string& title) { return waitForDialog(brimlock.processId(), title); }
};

TEST_F(PickerE2eTest, APickedCaptionShortenedIsAddedAndItsWindowClosedByTheNextSweep) {
    const std::string disc = uniqueCaption("Disc Autoplay");
    const std::string alpha = uniqueCaption("alpha");
    TargetProcess target(0, disc + " - drive E:");
    ASSERT_NE(nullptr, target.window());
    startWith(alpha + "\r\n");
    click(IDC_DELAY);  // a short delay, so the sweep after the add comes soon
    HWND prompt = waitFor("Enter Delay");
    ASSERT_NE(nullptr, prompt);
    setTextOf(GetDlgItem(prompt, 101), "2");
    PostMessageA(prompt, WM_COMMAND, IDOK, 0);

    // The picker offers what the last sweep saw: wait for the first one.
    ASSERT_TRUE(waitForSweep());
    click(IDC_ADD_VARN);
    HWND picker = waitFor("Enter New varn");
    ASSERT_NE(nullptr, picker);
    HWND text = GetDlgItem(picker, IDC_PICK_CAPTION);
    HWND rows = GetDlgItem(picker, IDC_PICK_WINDOWS);
    EXPECT_EQ("enter new varn here", textOf(text));
    EXPECT_EQ("Add This varn", textOf(GetDlgItem(picker, IDC_PICK_ADD)));
    const std::vector<std::string> captions = listBoxRows(rows);
    const auto row = std::find(captions.begin(), captions.end(), disc + " - drive E:");
    ASSERT_NE(captions.end(), row);
    EXPECT_NE(captions.end(), std::find(captions.begin(), captions.end(), "Brimlock - 1.00"));

    // A click on the row copies it into the text box; the user shortens it.
    RECT rowRect;
    SendMessageA(rows, LB_GETITEMRECT, row - captions.begin(), reinterpret_cast<LPARAM>(&rowRect));
    PostMessageA(rows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rowRect.left + 2, rowRect.top + 2));
    PostMessageA(rows, WM_LBUTTONUP, 0, MAKELPARAM(rowRect.left + 2, rowRect.top + 2));
    ASSERT_TRUE(waitUntil([&] { return textOf(text) == disc + " - drive E:"; }, 3000));
    setTextOf(text, disc + "   ");
    PostMessageA(picker, WM_COMMAND, MAKEWPARAM(IDC_PICK_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(picker, IDC_PICK_ADD)));
    HWND added = waitFor("Added");
    ASSERT_NE(nullptr, added);
    EXPECT_EQ("Added.", messageBoxText(added));
    PostMessageA(added, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(picker); }, 3000));
    EXPECT_TRUE(waitUntil(
        [&] {
            return listBoxRows(control(IDC_VARN_LIST)) == std::vector<std::string>{alpha, disc};
        },
        3000));

    EXPECT_TRUE(waitUntil([&] { return !IsWindow(target.window()); }, 10000));
    ASSERT_TRUE(brimlock.closeAndWait());
    EXPECT_EQ(disc + "\r\n" + alpha + "\r\n", readWholeFile(folder.file("brimlock.ini")));
}

}  // namespace
