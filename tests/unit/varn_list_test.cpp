#include "list/varn_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/state.h"

namespace {

std::vector<std::string> sorted(std::vector<std::string> varns, void (*sort)()) {
    resetProgramState();
    for (const std::string& varn : varns) {
        varnList[++varnCount] = varn;
    }
    sort();
    return std::vector<std::string>(varnList.begin() + 1, varnList.begin() + 1 + varnCount);
}

TEST(VarnOrderings, AddingSortsByBytesRemovingAndEditingFoldLetters) {
    const std::vector<std::string> varns{"_under", "alpha", "\xE9t\xE9", "Zeta", "Alp", "[x", "b"};
    EXPECT_EQ((std::vector<std::string>{"Alp", "Zeta", "[x", "_under", "alpha", "b", "\xE9t\xE9"}),
              sorted(varns, sortVarnsCaseSensitive));
    // Only a to z fold: the bytes from '[' to '`' sort after every letter, and
    // accented bytes stay above them.
    EXPECT_EQ((std::vector<std::string>{"Alp", "alpha", "b", "Zeta", "[x", "_under", "\xE9t\xE9"}),
              sorted(varns, sortVarnsFolded));
    EXPECT_EQ(std::string(), varnList[varnCount + 1]);
}

TEST(FindVarn, ExactTextAmongAllSlots) {
    sorted({"Edit", "edit", "Edit"}, [] {});
    EXPECT_EQ(1, findVarn("Edit"));  // the first of two equal entries
    EXPECT_EQ(2, findVarn("edit"));  // case counts
    EXPECT_EQ(0, findVarn("Edit "));
    EXPECT_EQ(4, findVarn(""));  // the first free slot
    varnList[MAX_VARNS] = "last slot";
    EXPECT_EQ(MAX_VARNS, findVarn("last slot"));
}

TEST(WithoutTrailingSpaces, OnlyTrailingSpaceBytesGo) {
    EXPECT_EQ("  word", withoutTrailingSpaces("  word  "));
    EXPECT_EQ("tab\t", withoutTrailingSpaces("tab\t "));
    EXPECT_EQ("", withoutTrailingSpaces("    "));
}

}  // namespace
