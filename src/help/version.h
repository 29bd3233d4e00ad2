#pragma once
// The program's version, in this one place: the main window's caption, the
// help text, the version resource and manifest, and the release's file name
// are all made from it. Plain defines, so that the resource compiler and
// the build scripts can read it too.
#define BRIMLOCK_VERSION "1.00"
// The same version as the four numbers of the version resource and manifest.
#define BRIMLOCK_VERSION_NUMBERS 1, 0, 0, 0
