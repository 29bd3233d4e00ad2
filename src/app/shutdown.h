#pragma once
// Saving the list when the program ends: at a normal exit, where a failed
// save of a changed list is put to the user, and when Windows ends the
// session, where nothing may hold the log-off up.
#include <string>

#include "list/list_file.h"

// Set once the session's end has saved the list, so that a repeated
// WM_ENDSESSION does not write it again.
extern bool listSavedForSessionEnd;

// Saves the list. When that fails and the list was changed in this run, a
// message names the file and the cause: Retry saves again, Cancel gives up.
// A file not read whole at start, or not in the code page, is kept whatever a
// save does: that message has OK alone. An unchanged list loses nothing, so
// its failure stays silent.
void saveVarnListAtExit();

// WM_ENDSESSION: when the session is ending, saves the list as an exit does,
// without a word and only the first time; when its end was called off, a
// later end saves again.
void onSessionEnd(bool ending);

// The text of the message for a save that failed at this step, for this cause.
std::string saveFailureMessage(SaveResult result, FileError error);
