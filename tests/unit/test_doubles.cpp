// Stand-ins for functions that other parts of the program provide; see
// test_doubles.h. Remove each one when the real function is linked in.
#include "unit/test_doubles.h"

#include <string>
#include <utility>

#include "sweep/snapshot.h"
#include "sweep/sweep.h"

namespace {

int sweeps = 0;
std::function<void()> sweepAction;

}  // namespace

namespace sweepdouble {

void reset() {
    sweeps = 0;
    sweepAction = nullptr;
}

int count() {
    return sweeps;
}

void setAction(std::function<void()> action) {
    sweepAction = std::move(action);
}

}  // namespace sweepdouble

// Records the sweep and leaves one window in the snapshot, as a real sweep
// that found one would.
void sweepWindows() {
    ++sweeps;
    snapshotCount = 1;
    snapshotTitles[1] = "Window of sweep " + std::to_string(sweeps);
    snapshotHandles[1] = static_cast<WindowHandle>(sweeps);
    if (sweepAction) {
        sweepAction();
    }
}
