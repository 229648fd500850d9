#include "util/white_space.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(TrimWhiteSpace, RemovesWhiteSpaceAtBothEndsOnly) {
    EXPECT_EQ(TrimWhiteSpace(" \t\n\v\f\r/usr/bin/web browser \t\n\v\f\r"), "/usr/bin/web browser");
    EXPECT_EQ(TrimWhiteSpace(" \t\r\n"), "");
    EXPECT_EQ(TrimWhiteSpace("\xA0x\xA0"), "\xA0x\xA0");
}

}  // namespace
