#pragma once
// A link-time stand-in, in test_doubles.cpp, for the sweep. It goes when the
// real sweep is linked in; sweepdouble then counts the
// sweeps the real sweep makes through the fake windows.
#include <functional>

namespace sweepdouble {

void reset();
// Sweeps since reset().
int count();
// Runs inside every sweep, after it has refilled the snapshot.
void setAction(std::function<void()> action);

}  // namespace sweepdouble
