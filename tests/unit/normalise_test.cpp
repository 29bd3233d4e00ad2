#include "sweep/normalise.h"

#include <gtest/gtest.h>

#include "list/varn_list.h"
#include "sweep/last_match.h"
#include "ui/characters.h"
#include "ui/cut_text.h"
#include "unit/match_reference.h"

namespace {

// Outside single-byte code pages the folding ordering folds the same
// letters as the sweep, and a cut one byte short of the end takes the whole
// last character off.
TEST(NormaliseText, TrimsOnlySpacesAndUpperCasesByCharacterInEachCodePage) {
    const struct {
        std::string text;
        std::string expected;
        unsigned codePage = 1252;
        std::size_t lastCharacter = 1;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"editor", "EDITOR"},
        {"  Editor - notes.txt  ", "EDITOR - NOTES.TXT"},
        {"a  b", "A  B"},                                  // inner spaces stay
        {"\tEditor\t", "\tEDITOR\t"},                      // tabs are not spaces
        {std::string(" \0a ", 4), std::string("\0A", 2)},  // nor is NUL
        {"\xC9\xE9\xFF", "\xC9\xE9\xFF"},                  // ANSI letters are left alone
        {"\x81\x82\x84\x86\x87\x94\xA4", "\x9A\x90\x8E\x8F\x80\x99\xA5"},
        {"\x9A\x90\x8E\x8F\x80\x99\xA5", "\x9A\x90\x8E\x8F\x80\x99\xA5"},
        {"`az{@AZ[", "`AZ{@AZ["},  // the neighbours of a-z and A-Z
        {"hello w\x82rld, abcdefgh", "HELLO W\x90RLD, ABCDEFGH"},
        // Second bytes of katakana lie among a to z: "\x83\x5A" and "\x83\x7A" differ.
        {"\x83\x7A\x81\x5B\x83\x8B", "\x83\x7A\x81\x5B\x83\x8B", 932, 2},
        {"\x82\xB7\x82\xB5", "\x82\xB7\x82\xB5", 932, 2},  // 0x82 leads hiragana
        {"\x83"
         "abcdefghij",
         "\x83"
         "aBCDEFGHIJ",
         932},
        {"x\x82", "X\x82", 932},  // a lead byte at the end stays
        {"\xA4", "\xA4", 932},    // a half-width sign of its own, not the letter 0xA4 of 1252
        {"\xD1\x87\xD0\xB0\xD0\xB9 abc", "\xD1\x87\xD0\xB0\xD0\xB9 ABC", 65001},
        {"\xE4\xB8\x87\xE6\x9C\x88", "\xE4\xB8\x87\xE6\x9C\x88", 65001, 3},
        {"caf\xC3\xA9 \xF0\x9F\x98\x80", "CAF\xC3\xA9 \xF0\x9F\x98\x80", 65001, 4},
    };
    for (const auto& c : cases) {
        textCodePage = describeCodePage(c.codePage);
        EXPECT_EQ(c.expected, normaliseText(c.text)) << c.codePage << " " << c.text;
        if (c.codePage != 1252) {
            EXPECT_EQ(c.expected, foldedForOrder(c.text)) << c.codePage << " " << c.text;
            EXPECT_EQ(c.text.substr(0, c.text.size() - c.lastCharacter),
                      cutText(c.text, c.text.size() - 1));
        }
    }
    textCodePage = describeCodePage(1252);
}

// Every byte value at every position of an eight-byte block and of the tail,
// among plain letters and among bytes above 0x7F, against the byte-wise rule.
TEST(NormaliseText, EveryByteAtEveryPositionAgreesWithTheTable) {
    for (int length = 1; length <= 24; ++length) {
        for (int position = 0; position < length; ++position) {
            for (int byte = 0; byte < 256; ++byte) {
                for (const char filler : {'q', '\xE9'}) {
                    std::string text(length, filler);
                    text[position] = static_cast<char>(byte);
                    ASSERT_EQ(matchref::normalise(text), normaliseText(text))
                        << "length " << length << " position " << position << " byte " << byte;
                }
            }
        }
    }
}

TEST(NormaliseText, RandomTextsAgreeWithTheByteWiseRule) {
    matchref::Generator generate(7);
    for (int round = 0; round < 20000; ++round) {
        const int length = generate.below(300);
        const std::string text = round % 2 ? generate.anyBytes(length) : generate.tricky(length);
        ASSERT_EQ(matchref::normalise(text), normaliseText(text)) << "round " << round;
    }
}

TEST(FindLastMatches, ComparesTheCaptionsStartWithTheVarn) {
    const struct {
        std::string varn;
        std::string caption;
        bool expected;
    } cases[] = {
        {"editor", "Editor - notes.txt", true},
        {"editor", "EDITOR", true},
        {"editor", "  Editor  ", true},
        {"editor", "My Editor", false},
        {"editor", "Edito", false},
        {"", "Editor", false},
        {"", "", false},
        {"   ", "   ", false},
        {"   ", "Editor", false},
        {"Editor ", "Editor", true},
        {"Editor ", "Editor - notes.txt", false},
        {" Editor", "Editor", true},
        {" Editor", "Editor - notes.txt", false},
        {" Editor ", "  editor  ", true},
        {"Editor\t", "Editor", false},
        {"Editor", "Editor\t", true},
        {"\tEditor", "Editor", false},
        {"caf\xE9", "CAF\xC9", false},
        {"CAF\xC9", "caf\xC9", true},
        {"\x82t\x82", "\x90T\x90 report", true},
        {"\x90t\x90", "\x82T\x82", true},
        {"Edit", "Editor", true},
        {"Editor", "Edit", false},
        // Varns longer than a caption match nothing, but spaces fall away.
        {std::string(255, 'X'), std::string(255, 'x'), true},
        {std::string(256, 'X'), std::string(255, 'x'), false},
        {std::string(255, 'X') + " ", std::string(255, 'x'), true},  // exactly this text
        {" " + std::string(255, 'X'), std::string(255, 'x'), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected ? 1 : 0, findLastMatches({"", c.caption}, 1, {"", c.varn}, 1)[1])
            << "varn '" << c.varn << "' caption '" << c.caption << "'";
    }
}

}  // namespace
