#pragma once
// One sweep: refill the window snapshot and send the close command to the
// windows whose caption begins with a varn.
void sweepWindows();
