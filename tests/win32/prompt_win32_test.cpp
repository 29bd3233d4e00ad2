#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui/ui.h"
#include "win32/dialog_test_support.h"

namespace {

constexpr int ID_EDIT = 101;
constexpr int ID_TEXT = 102;

// What a driver thread saw of the open prompt.
struct PromptView {
    bool found = false;
    std::string title;
    std::string editText;
    std::string promptText;
    HWND focus = nullptr;
    HWND edit = nullptr;
    LRESULT selection = 0;
    HWND owner = nullptr;
    RECT rect = {};
};

PromptView inspect(HWND prompt, DWORD uiThread) {
    PromptView view;
    view.found = true;
    view.title = textOf(prompt);
    view.edit = GetDlgItem(prompt, ID_EDIT);
    view.editText = textOf(view.edit);
    view.promptText = textOf(GetDlgItem(prompt, ID_TEXT));
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(uiThread, &info);
    view.focus = info.hwndFocus;
    view.selection = SendMessageA(view.edit, EM_GETSEL, 0, 0);
    view.owner = GetWindow(prompt, GW_OWNER);
    GetWindowRect(prompt, &view.rect);
    return view;
}

std::string shownTitle(const std::string& title) {
    return title.substr(0, std::min<std::size_t>(title.find('\0'), 60));
}

// Runs showPrompt on this thread while another thread finds the prompt by
// title, looks at it, and then acts on it.
std::string runPrompt(const std::string& prompt, const std::string& title,
                      const std::string& defaultText, int x, int y,
                      const std::function<void(HWND)>& act, PromptView* view) {
    ModalWatchdog watchdog;
    const DWORD uiThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND window = findDialogByTitle(shownTitle(title));
        if (window) {
            *view = inspect(window, uiThread);
            act(window);
        }
    });
    const std::string answer = showPrompt(prompt, title, defaultText, x, y);
    driver.join();
    EXPECT_FALSE(watchdog.fired());
    return answer;
}

void typeText(HWND prompt, const std::string& text) {
    SetWindowTextA(GetDlgItem(prompt, ID_EDIT), text.c_str());
}
void post(HWND window, UINT message, WPARAM wParam) {
    PostMessageA(window, message, wParam, 0);
}

TEST(ShowPrompt, AnswersWithTheTextOrEmpty) {
    const struct {
        const char* name;
        std::string defaultText;
        std::string typed;  // empty: the field as it was
        int control;        // the window posted to, 0 for the prompt
        UINT message;
        WPARAM wParam;
        std::string expected;
    } cases[] = {
        {"typed then OK", "6", "typed text", 0, WM_COMMAND, IDOK, "typed text"},
        {"default kept", "six", "", 0, WM_COMMAND, IDOK, "six"},
        {"OK button clicked", "", "clicked", IDOK, BM_CLICK, 0, "clicked"},
        {"Enter in the edit field", "", "entered", ID_EDIT, WM_KEYDOWN, VK_RETURN, "entered"},
        {"OK on an empty field", "", "", 0, WM_COMMAND, IDOK, ""},
        {"Cancel button", "kept", "", IDCANCEL, BM_CLICK, 0, ""},
        {"Esc", "kept", "", ID_EDIT, WM_KEYDOWN, VK_ESCAPE, ""},
        {"close box", "kept", "", 0, WM_SYSCOMMAND, SC_CLOSE, ""},
        {"typed more than 255 bytes", "", std::string(300, 'y'), 0, WM_COMMAND, IDOK,
         std::string(255, 'y')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto act = [&c](HWND p) {
            if (!c.typed.empty()) {
                typeText(p, c.typed);
            }
            post(c.control != 0 ? GetDlgItem(p, c.control) : p, c.message, c.wParam);
        };
        PromptView view;
        EXPECT_EQ(c.expected,
                  runPrompt("Delay in seconds:", "Delay", c.defaultText, -1, -1, act, &view));
        EXPECT_TRUE(view.found);
    }
}

TEST(ShowPrompt, CutsItsTextsAndSelectsTheDefaultInTheFocusedField) {
    PromptView view;
    const std::string title = std::string(80, 't');
    const std::string answer = runPrompt(
        std::string(300, 'p'), title, std::string(300, 'd'), -1, -1,
        [](HWND p) { post(p, WM_COMMAND, IDOK); }, &view);
    ASSERT_TRUE(view.found);
    EXPECT_EQ(std::string(60, 't'), view.title);
    EXPECT_EQ(std::string(256, 'p'), view.promptText);
    EXPECT_EQ(std::string(256, 'd'), view.editText);
    EXPECT_EQ(view.edit, view.focus);
    EXPECT_EQ(MAKELONG(0, 256), view.selection);
    EXPECT_EQ(nullptr, view.owner);
    EXPECT_EQ(std::string(255, 'd'), answer);

    runPrompt(
        std::string("shown\0hidden", 12), "NUL", std::string("a\0b", 3), -1, -1,
        [](HWND p) { post(p, WM_COMMAND, IDCANCEL); }, &view);
    EXPECT_EQ("shown", view.promptText);
    EXPECT_EQ("a", view.editText);
}

TEST(ShowPrompt, CentredOrPlacedAtTheGivenPixels) {
    PromptView view;
    const auto cancel = [](HWND p) { post(p, WM_COMMAND, IDCANCEL); };
    runPrompt("where", "placed", "", 40, 70, cancel, &view);
    ASSERT_TRUE(view.found);
    EXPECT_EQ(40, view.rect.left);
    EXPECT_EQ(70, view.rect.top);

    runPrompt("where", "centred", "", -1, -1, cancel, &view);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (view.rect.left + view.rect.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (view.rect.top + view.rect.bottom) / 2, 1);
}

// A window as "id class style left,top,right,bottom", for comparing layouts.
std::string describe(int id, const std::string& className, DWORD style, const RECT& place) {
    char text[128];
    std::snprintf(text, sizeof text, "%d %s %08lX %ld,%ld,%ld,%ld", id, className.c_str(),
                  static_cast<unsigned long>(style), place.left, place.top, place.right,
                  place.bottom);
    return text;
}

TEST(ShowPrompt, BuiltFromItsOwnTemplate) {
    struct Item {
        int id;
        const char* className;
        DWORD style;
        RECT place;  // dialog units
    };
    const Item items[] = {
        {0, "client area", 0, {0, 0, 150, 100}},
        // WS_BORDER too, which an edit field takes out of the style it
        // reports as it draws the border itself.
        {ID_EDIT, "Edit", 0x50810080 & ~static_cast<DWORD>(WS_BORDER), {4, 82, 144, 94}},
        {IDOK, "Button", 0x50010001, {104, 5, 144, 15}},
        {IDCANCEL, "Button", 0x50010000, {104, 19, 144, 29}},
        {ID_TEXT, "Static", 0x50000000, {5, 5, 100, 77}},
    };
    std::vector<std::string> expected;
    std::vector<std::string> seen;
    DWORD windowStyle = 0;
    LRESULT font = -1;
    PromptView view;
    runPrompt(
        "Question", "template", "answer", -1, -1,
        [&](HWND p) {
            windowStyle = static_cast<DWORD>(GetWindowLongA(p, GWL_STYLE));
            font = SendMessageA(p, WM_GETFONT, 0, 0);
            for (Item item : items) {
                MapDialogRect(p, &item.place);
                expected.push_back(describe(item.id, item.className, item.style, item.place));
            }
            RECT client = {};
            GetClientRect(p, &client);
            seen.push_back(describe(0, "client area", 0, client));
            for (HWND child = GetWindow(p, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                RECT place = {};
                GetWindowRect(child, &place);
                MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&place), 2);
                seen.push_back(describe(GetDlgCtrlID(child), classOf(child),
                                        static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)),
                                        place));
            }
            post(p, WM_COMMAND, IDCANCEL);
        },
        &view);
    EXPECT_EQ(expected, seen);
    // The system adds its own bits to a shown dialog.
    EXPECT_EQ(0x80C80880u,
              windowStyle & ~static_cast<DWORD>(WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK));
    EXPECT_EQ(0, font);  // the system font: the template names none
}

// The prompt's wait dispatches every window's messages: a timer on a dialog
// under it keeps ticking, and that dialog stays enabled.
TEST(ShowPrompt, TimersOfOtherDialogsKeepFiring) {
    ModalWatchdog watchdog;
    std::atomic<bool> tickedWhileOpen(false);
    std::atomic<bool> enabledWhileOpen(false);
    std::string answer;
    runTickingDialog([&](TickingDialog&) { answer = showPrompt("Waiting", "asking", "", -1, -1); },
                     [&](TickingDialog& main) {
                         HWND prompt = findDialogByTitle("asking");
                         if (prompt) {
                             tickedWhileOpen = main.keepsTicking();
                             enabledWhileOpen = IsWindowEnabled(windowOf(main.dialog)) != FALSE;
                             typeText(prompt, "done");
                             post(prompt, WM_COMMAND, IDOK);
                         }
                     });
    EXPECT_TRUE(tickedWhileOpen);
    EXPECT_TRUE(enabledWhileOpen);
    EXPECT_EQ("done", answer);
    EXPECT_FALSE(watchdog.fired());
}

}  // namespace
