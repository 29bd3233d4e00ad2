#include "ui/cut_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CutText, EndsAtTheFirstNulAndBeforeACharacterTheLimitWouldSplit) {
    const struct {
        unsigned codePage;
        std::string text;
        std::size_t limit;
        std::string expected;
    } cases[] = {
        {1252, "ab\xE9\xE9", 3, "ab\xE9"},
        {1252, std::string("a\0bc", 4), 3, "a"},
        {932,
         "a\x83\x5A"
         "b",
         2, "a"},
        {932, "\x83\x5A\x83\x5A", 3, "\x83\x5A"},
        {932, "ab\x83", 3, "ab\x83"},  // nothing to cut
        {65001, "a\xD1\x87", 2, "a"},
        {65001, "\xE4\xB8\x80x", 2, ""},
        {65001, "\xE4\xB8\x80x", 3, "\xE4\xB8\x80"},
    };
    for (const auto& c : cases) {
        textCodePage = describeCodePage(c.codePage);
        EXPECT_EQ(c.expected, cutText(c.text, c.limit)) << c.codePage << " " << c.text;
    }
    textCodePage = describeCodePage(1252);
}

}  // namespace
