#include "app/state.h"

#include "app/main_dialog.h"
#include "app/shutdown.h"
#include "list/list_file.h"
#include "list/varn_list.h"
#include "platform/code_page.h"
#include "sweep/close_commands.h"
#include "sweep/snapshot.h"
#include "ui/characters.h"

WindowHandle mainDialog;
float delaySeconds;
std::int16_t isActive;
float lastSweepTime;
bool listSavedForSessionEnd;

std::vector<std::string> varnList;
std::int16_t varnCount;
bool varnListChanged;
ListFileRead listFileRead;
std::int16_t ticksSinceListReadTried;

std::vector<std::string> snapshotTitles;
std::vector<WindowHandle> snapshotHandles;
std::int16_t snapshotCount;
CloseCommandRecords closeCommandRecords;

void resetProgramState() {
    mainDialog = 0;
    delaySeconds = 6.0f;
    isActive = 1;
    // Farther before every time of day than any delay: the first tick sweeps.
    lastSweepTime = -10000.0f;
    listSavedForSessionEnd = false;
    // Before the list is read: what its bytes mean depends on it.
    textCodePage = describeCodePage(ansiCodePageNumber());

    varnList.assign(MAX_VARNS + 1, std::string());
    varnCount = 0;
    varnListChanged = false;
    listFileRead = ListFileRead::Whole;
    ticksSinceListReadTried = 0;

    snapshotTitles.assign(MAX_SNAPSHOT + 1, std::string());
    snapshotHandles.assign(MAX_SNAPSHOT + 1, 0);
    snapshotCount = 0;
    closeCommandRecords = CloseCommandRecords();
}
