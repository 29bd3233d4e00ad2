// The sweep's fast matcher against the rule written out literally: the
// caption test, the normalisation and the choice of the last match, on
// captions and varns of any bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "sweep/last_match.h"
#include "sweep/normalise.h"
#include "unit/match_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int captionCount = input.ConsumeIntegralInRange(0, 12);
    const int varnCount = input.ConsumeIntegralInRange(0, 12);
    matchref::Inputs in;
    for (int j = 0; j < captionCount; ++j) {
        in.captions.push_back(input.ConsumeRandomLengthString(300));
    }
    for (int i = 0; i < varnCount; ++i) {
        in.varns.push_back(input.ConsumeRandomLengthString(300));
    }

    for (int j = 1; j <= captionCount; ++j) {
        FUZZ_CHECK(normaliseText(in.captions[j]) == matchref::normalise(in.captions[j]));
    }
    FUZZ_CHECK(
        findLastMatches(in.captions, captionCount, in.varns, varnCount) ==
        matchref::lastMatches(in.captions, captionCount, in.varns, varnCount, matchref::matches));
    return 0;
}
