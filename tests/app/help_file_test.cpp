#include "app/help_file.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

TEST(HelpFilePath, PutsTheFileNameBehindTheDirectoryAndOneSeparator) {
    const std::string longDirectory = "/" + std::string(600, 'd') + " x";  // beyond any fixed buffer
    const std::pair<std::string, std::string> cases[] = {
        {"/home/rider/Velmor", "/home/rider/Velmor/Velmor.mht"},
        {"/", "//Velmor.mht"},  // a root that ends in a separator is kept as it is
        {longDirectory, longDirectory + "/Velmor.mht"},
    };
    for (const auto& [directory, path] : cases) EXPECT_EQ(HelpFilePath(directory), path);
}

TEST(TrimWhiteSpace, RemovesWhiteSpaceAtBothEndsOnly) {
    EXPECT_EQ(TrimWhiteSpace(" \t\n\v\f\r/usr/bin/web browser \t\n\v\f\r"), "/usr/bin/web browser");
    EXPECT_EQ(TrimWhiteSpace(" \t\r\n"), "");
    EXPECT_EQ(TrimWhiteSpace("\xA0x\xA0"), "\xA0x\xA0");
}

}  // namespace
