#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
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

// Run again by scripts/wine-tests with Wine in a Japanese and in a UTF-8
// locale: the start reads the system's code page and its lead bytes.
TEST(CodePageWin32Test, TheSweepMatchesByTheCharactersOfTheSystemsCodePage) {
    if (const char* expected = std::getenv("BRIMLOCK_CODE_PAGE")) {
        ASSERT_EQ(static_cast<UINT>(std::atoi(expected)), GetACP());
    }
    resetProgramState();
    const std::map<UINT, std::pair<std::string, std::string>> varnAndCaption = {
        {1252, {"\x82t", "\x90T report"}},                                  // match
        {932, {"\x83\x5A\x81\x5B\x83\x8B", "\x83\x7A\x81\x5B\x83\x8B"}},    // sale, hall: none
        {65001, {"\xD1\x87\xD0\xB0\xD0\xB9", "\xD1\x80\xD0\xB0\xD0\xB9"}},  // chai, rai: none
    };
    const auto row = varnAndCaption.find(GetACP());
    if (row == varnAndCaption.end()) {
        GTEST_SKIP() << "no row for code page " << GetACP();
    }
    const auto& [varn, caption] = row->second;
    EXPECT_EQ(GetACP() == 1252 ? 1 : 0, findLastMatches({"", caption}, 1, {"", varn}, 1)[1]);
}

}  // namespace
