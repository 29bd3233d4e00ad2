#include "app/startup.h"

#include "app/main_window.h"
#include "app/shutdown.h"
#include "app/state.h"
#include "list/list_file.h"

int runBrimlock() {
    resetProgramState();
    loadVarnList();
    // Returns only once the main window is gone and no handler is running, so
    // the list is saved after every nested dialog has closed.
    runMainWindow();
    saveVarnListAtExit();
    return 0;
}
