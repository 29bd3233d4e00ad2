#include "list/list_file.h"

#include <gtest/gtest.h>

#include "app/startup.h"
#include "list/varn_list.h"
#include "platform/files_fake.h"

namespace {

class ListFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakefs::reset();
        resetProgramState();
    }
};

TEST_F(ListFileTest, MissingFileIsCreatedEmptyAndStaysEmpty) {
    loadVarnList();
    EXPECT_EQ(0, varnCount);
    ASSERT_TRUE(fakefs::exists("brimlock.ini"));
    saveVarnList();
    EXPECT_EQ("", fakefs::content("brimlock.ini"));
}

}  // namespace
