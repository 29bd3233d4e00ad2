#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/state.h"
#include "platform/code_page.h"
#include "sweep/last_match.h"

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

// scripts/wine-tests runs this again with Wine in a Japanese and in a UTF-8
// locale, naming the code page it expects in BRIMLOCK_CODE_PAGE: the start
// reads the system's code page, and its lead bytes are those the sweep's
// matching goes by.
TEST(CodePageWin32Test, TheSweepMatchesByTheCharactersOfTheSystemsCodePage) {
    if (const char* expected = std::getenv("BRIMLOCK_CODE_PAGE")) {
        ASSERT_EQ(static_cast<UINT>(std::atoi(expected)), GetACP());
    }
    resetProgramState();
    const struct {
        UINT codePage;
        std::string varn;
        std::string caption;
        bool matches;
    } cases[] = {
        {1252, "\x82t", "\x90T report", true},
        {932, "\x83\x5A\x81\x5B\x83\x8B", "\x83\x7A\x81\x5B\x83\x8B", false},  // sale, hall
        {932, "\x82\xB7\x82\xB5", "\x90\xB7\x90\xB5", false},                  // sushi, two kanji
        {932, "\x83\x5A\x81\x5Bx", "\x83\x5A\x81\x5BX \x89\xEF\x8F\xEA", true},
        {65001, "\xD1\x87\xD0\xB0\xD0\xB9", "\xD1\x80\xD0\xB0\xD0\xB9", false},  // chai, rai
        {65001, "\xE4\xB8\x80\xE6\x9C\x88", "\xE4\xB8\x87\xE6\x9C\x88", false},
        {65001, "\xD1\x87\xD0\xB0\xD0\xB9 a", "\xD1\x87\xD0\xB0\xD0\xB9 A \xF0\x9F\x8D\xB5", true},
    };
    int rows = 0;
    for (const auto& c : cases) {
        if (c.codePage == GetACP()) {
            ++rows;
            EXPECT_EQ(c.matches ? 1 : 0, findLastMatches({"", c.caption}, 1, {"", c.varn}, 1)[1])
                << c.varn << " " << c.caption;
        }
    }
    if (rows == 0) {
        GTEST_SKIP() << "no rows for code page " << GetACP();
    }
}

}  // namespace
