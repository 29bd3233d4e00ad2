// textToNumber on any bytes: no undefined behaviour (the sanitizers watch),
// never NaN, and the value the slow reference reads.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/text_to_number_reference.h"
#include "ui/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = textToNumber(text);
    const double expected = numberref::textToNumber(text);
    if (value != expected) {
        std::fprintf(stderr, "textToNumber gave %.17g, the reference %.17g\n", value, expected);
    }
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(value == expected);
    return 0;
}
