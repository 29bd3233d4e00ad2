#pragma once
// The program's life from start to exit: set up the state, load the list, run
// the main window until it has gone, save the list. Returns the exit code.
int runBrimlock();
