#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"

namespace {

// Under Windows-1252: a letter it holds converts; one it lacks is never
// turned into a look-alike (U+0100 would best-fit to "A" and match more).
TEST(CodePageWin32Test, OnlyExactFormsCount) {
    const struct {
        std::u16string text;
        std::string ansi;
        bool exact;
    } cases[] = {
        {u"Caf\u00E9", "Caf\xE9", true},
        {u"\u0100bc", "?bc", false},
        {u"\u4E2D", "?", false},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        EXPECT_EQ(c.exact, appendInAnsiCodePage(c.text.data(), c.text.size(), out));
        EXPECT_EQ("x" + c.ansi, out);
    }
}

}  // namespace
