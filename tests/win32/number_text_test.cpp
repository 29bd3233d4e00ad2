// The number texts rest on the C runtime (strtod, frexp, snprintf), and
// MinGW's differs from the native one: run the same cases under Wine.
#include "unit/number_text_test.cpp"
