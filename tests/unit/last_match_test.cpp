#include "sweep/last_match.h"

#include <gtest/gtest.h>

#include "sweep/normalise.h"
#include "unit/match_reference.h"

namespace {

std::vector<int> reference(const matchref::Inputs& in) {
    return matchref::lastMatches(in.captions, in.captionCount(), in.varns, in.varnCount(),
                                 matchref::matches);
}

std::vector<int> fast(const matchref::Inputs& in) {
    return findLastMatches(in.captions, in.captionCount(), in.varns, in.varnCount());
}

TEST(FindLastMatches, LastMatchingCaptionWinsForEachVarn) {
    matchref::Inputs in;
    in.captions = {"", "Clock", "Editor - a.txt", "Clock 2", "editor", "clock"};
    in.varns = {"", "clock", "Editor", "Edit", "Clock ", "Nothing", "", "   "};
    const std::vector<int> expected = {0, 5, 4, 4, 5, 0, 0, 0};
    EXPECT_EQ(expected, fast(in));
    EXPECT_EQ(expected, reference(in));
}

TEST(FindLastMatches, EmptyListsGiveNoMatches) {
    matchref::Inputs in;
    EXPECT_EQ(std::vector<int>{0}, fast(in));
    in.varns.push_back("a");
    EXPECT_EQ(std::vector<int>({0, 0}), fast(in));
    in.captions.push_back("a");
    in.varns.pop_back();
    EXPECT_EQ(std::vector<int>{0}, fast(in));
}

// Only entries up to the counts take part, whatever lies above them.
TEST(FindLastMatches, EntriesAboveTheCountsAreIgnored) {
    const std::vector<std::string> captions = {"", "Clock", "Clock 2", "Clock 3"};
    const std::vector<std::string> varns = {"", "clock", "clock 3"};
    EXPECT_EQ(std::vector<int>({0, 2}), findLastMatches(captions, 2, varns, 1));
}

TEST(FindLastMatches, AgreesWithTheRuleOnSmallMixedInputs) {
    matchref::Generator generate(1);
    int withMatch = 0;
    for (int round = 0; round < 5000; ++round) {
        const matchref::Inputs in = generate.mixed(1 + generate.below(12), 1 + generate.below(12));
        const std::vector<int> expected = reference(in);
        for (int chosen : expected) {
            withMatch += chosen != 0;
        }
        ASSERT_EQ(expected, fast(in)) << "round " << round;
    }
    EXPECT_GT(withMatch, 4000);  // the inputs really exercise matching
}

TEST(FindLastMatches, AgreesWithTheRuleOnLongSharedStarts) {
    matchref::Generator generate(2);
    for (int round = 0; round < 200; ++round) {
        const matchref::Inputs in = generate.sharedStart(
            1 + generate.below(60), 1 + generate.below(60), 9 + generate.below(247));
        ASSERT_EQ(reference(in), fast(in)) << "round " << round;
    }
}

TEST(FindLastMatches, AgreesWithTheRuleOnAFullSnapshotAndList) {
    matchref::Generator generate(3);
    const matchref::Inputs shared = generate.sharedStart(1000, 1000, 255);
    EXPECT_EQ(
        matchref::lastMatches(shared.captions, 1000, shared.varns, 1000, matchref::fastMatches),
        fast(shared));
    const matchref::Inputs mixed = generate.mixed(1000, 1000);
    EXPECT_EQ(reference(mixed), fast(mixed));
}

}  // namespace
