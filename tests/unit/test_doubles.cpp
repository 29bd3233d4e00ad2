// Stand-ins for functions that other parts of the program provide; see
// test_doubles.h. Remove each one when the real function is linked in.
#include "unit/test_doubles.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "app/notice.h"
#include "sweep/snapshot.h"
#include "sweep/sweep.h"
#include "ui/number_text.h"

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

// Good for the two masks and the non-negative values of these tests only:
// printf rounds the exact binary value half to even, like the real service.
std::string formatNumber(double value, const std::string& mask) {
    const std::size_t point = mask.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mask.size() - point - 1);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string numberToText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.7g", value);
    return (value < 0 ? "" : " ") + std::string(text);
}

// Plain decimal texts only (no '&' bases, no D exponent).
double textToNumber(const std::string& text) {
    const std::size_t start = text.find_first_not_of(" \t\n");
    return start == std::string::npos ? 0.0 : std::strtod(text.c_str() + start, nullptr);
}

extern const char* const NOTICE_TEXT = "Copyright notice of the tests";
