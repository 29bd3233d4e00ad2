#pragma once
// Link-time stand-ins, in test_doubles.cpp, for functions that come with other
// parts of the program: the sweep, the number texts and the copyright notice.
// Each goes when its real function is linked in; sweepdouble then counts the
// sweeps the real sweep makes through the fake windows.
#include <functional>

namespace sweepdouble {

void reset();
// Sweeps since reset().
int count();
// Runs inside every sweep, after it has refilled the snapshot.
void setAction(std::function<void()> action);

}  // namespace sweepdouble
