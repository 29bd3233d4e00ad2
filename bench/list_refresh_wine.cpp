// Refilling a visible sorted list box of 1,000 rows under Wine, as the main
// window's list is rebuilt after a change: plain (reset, then one add per row)
// against the program's own refreshVarnListBox, which switches the control's
// redraw off around the same calls. The
// dialog and its list box come from the dialog services and are shown by
// their modal loop; each time runs until the list box has repainted. Writes
//   plain SECONDS
//   redraw-off SECONDS    (the median of several refills)
//   same-rows 1|0         (every refill left the same rows, none selected)
// to the output file.
//   list_refresh_wine.exe OUTPUT-FILE [REDRAW-OFF-REFILLS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "list/varn_list.h"
#include "list/varn_list_box.h"
#include "ui/ui.h"

namespace {

constexpr int ID_LIST = IDC_VARN_LIST;
constexpr int ROW_COUNT = 1000;
constexpr std::size_t ROW_BYTES = 255;

const char* outputPath = nullptr;
int redrawOffRefills = 5;

// Distinct captions of 255 bytes, case mixed, in an order far from sorted.
// Numbered from 1, as the program's lists are.
std::vector<std::string> captions() {
    std::vector<std::string> rows(1);
    for (int i = 0; i < ROW_COUNT; ++i) {
        const int n = i * 379 % ROW_COUNT;  // 379 and 1000 share no factor: a permutation
        const char first = static_cast<char>((n % 2 ? 'A' : 'a') + n * 7 % 26);
        std::string text = std::string(1, first) + " window caption " + std::to_string(n) + " ";
        for (std::size_t at = text.size(); at < ROW_BYTES; ++at) {
            text += static_cast<char>('a' + (at + static_cast<std::size_t>(n)) % 26);
        }
        rows.push_back(text);
    }
    return rows;
}

std::vector<std::string> shownRows(HWND listBox) {
    std::vector<std::string> rows;
    const LRESULT count = SendMessageA(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        std::string text(static_cast<std::size_t>(SendMessageA(listBox, LB_GETTEXTLEN, row, 0)) + 1,
                         '\0');
        text.resize(static_cast<std::size_t>(
            SendMessageA(listBox, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]))));
        rows.push_back(text);
    }
    return rows;
}

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One refill as the program does it, timed until the paint it left pending
// is done. A row is selected first: the refill must leave none.
double timedRefill(WindowHandle dialog, const std::vector<std::string>& rows, bool redrawOff) {
    HWND window = reinterpret_cast<HWND>(dialog);
    SendMessageA(GetDlgItem(window, ID_LIST), LB_SETCURSEL, 7, 0);
    UpdateWindow(window);
    varnList = rows;
    varnCount = static_cast<std::int16_t>(rows.size() - 1);
    const double start = now();
    if (redrawOff) {
        refreshVarnListBox(dialog);  // the program's own refill
    } else {
        listBoxReset(dialog, ID_LIST);
        for (std::size_t row = 1; row < rows.size(); ++row) {
            listBoxAdd(dialog, ID_LIST, rows[row]);
        }
    }
    UpdateWindow(window);
    return now() - start;
}

void measure(WindowHandle dialog) {
    HWND listBox = GetDlgItem(reinterpret_cast<HWND>(dialog), ID_LIST);
    const std::vector<std::string> rows = captions();
    const std::vector<std::string> before = shownRows(listBox);
    bool same = before.size() == static_cast<std::size_t>(ROW_COUNT);
    const auto check = [&] {
        same = same && shownRows(listBox) == before &&
               SendMessageA(listBox, LB_GETCURSEL, 0, 0) == LB_ERR;
    };

    const double plain = timedRefill(dialog, rows, false);
    check();
    std::vector<double> redrawOff;
    for (int run = 0; run < redrawOffRefills; ++run) {
        redrawOff.push_back(timedRefill(dialog, rows, true));
        check();
    }
    std::sort(redrawOff.begin(), redrawOff.end());

    if (FILE* output = std::fopen(outputPath, "w")) {
        std::fprintf(output, "plain %.6f\nredraw-off %.6f\nsame-rows %d\n", plain,
                     redrawOff[redrawOff.size() / 2], same ? 1 : 0);
        std::fclose(output);
    }
}

std::int32_t benchHandler(WindowHandle dialog, unsigned message, MessageWParam, MessageLParam) {
    if (message == WM_INITDIALOG) {
        // Measured once the modal loop has shown the dialog.
        PostMessageA(reinterpret_cast<HWND>(dialog), WM_APP, 0, 0);
    } else if (message == WM_APP) {
        measure(dialog);
        endDialog(dialog, 0);
        return 1;
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) {
        return 2;
    }
    outputPath = __argv[1];
    if (__argc > 2) {
        redrawOffRefills = std::max(1, std::atoi(__argv[2]));
    }
    const WindowHandle dialog =
        newDialog(0, "List refresh", -1, -1, 253, 150, WS_CAPTION | WS_SYSMENU, 0);
    const std::vector<std::string> rows = captions();
    addControl(dialog, ControlKind::ListBox, ID_LIST, "", 10, 10, 233, 130, 0, 0, nullptr, &rows);
    showModal(dialog, benchHandler, nullptr);
    return 0;
}
