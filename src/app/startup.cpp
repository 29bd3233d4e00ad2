#include "app/startup.h"

#include "app/main_window.h"
#include "app/shutdown.h"
#include "app/state.h"
#include "list/list_file.h"
#include "platform/keyboard.h"
#include "ui/ui.h"

int runBrimlock() {
    resetProgramState();
    // Every other start sweeps at once, so Shift held at the start is the way
    // back from a varn that matches the program's own caption: switched off,
    // nothing is closed until the user switches it on.
    if (isShiftDown()) {
        isActive = 0;
    }
    loadVarnList();
    // Whichever of the program's windows hears that the session ends saves
    // the list: the main window may already be gone under a picker.
    setSessionEndHandler(onSessionEnd);
    // Returns only once the main window is gone and no handler is running, so
    // the list is saved after every nested dialog has closed.
    runMainWindow();
    saveVarnListAtExit();
    return 0;
}
