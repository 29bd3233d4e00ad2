#include "app/startup.h"

#include "app/main_window.h"
#include "app/state.h"
#include "list/list_file.h"
#include "list/varn_list.h"
#include "sweep/snapshot.h"

void resetProgramState() {
    snapshotTitles.assign(MAX_SNAPSHOT + 1, std::string());
    snapshotHandles.assign(MAX_SNAPSHOT + 1, 0);
    snapshotCount = 0;
    varnList.assign(MAX_VARNS + 1, std::string());

    delaySeconds = 6.0f;
    isActive = 1;
    varnCount = 0;
    lastSweepTime = -10000.0f;
    mainDialog = 0;
}

int runBrimlock() {
    resetProgramState();
    loadVarnList();
    // Returns only once the main window is gone and no handler is running, so
    // the list is saved after every nested dialog has closed.
    runMainWindow();
    saveVarnList();
    return 0;
}
