#include <windows.h>

#include <commctrl.h>

#include "app/startup.h"

namespace {

// Windows asks a program that uses the version 6 common controls, as the
// manifest does, to set them up first. comctl32.dll is loaded at run time,
// from the system folder only, so that the exe imports nothing beyond the
// system DLLs it has; the manifest's side-by-side redirection to version 6
// comes before any folder is searched. Where it fails, the controls work as
// they are.
void setUpCommonControls() {
    HMODULE controls = LoadLibraryExA("comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!controls) {
        return;
    }
    using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initCommonControlsEx = reinterpret_cast<InitCommonControlsExProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(controls, "InitCommonControlsEx")));
    if (initCommonControlsEx) {
        const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_STANDARD_CLASSES};
        initCommonControlsEx(&classes);
    }
}

}  // namespace

// The command line and show state are ignored: the program takes no options
// and always shows its window normally.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    setUpCommonControls();
    return runBrimlock();
}
