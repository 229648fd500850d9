#include "app/help_file.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(HelpFilePath, PutsTheFileNameBehindTheDirectoryAndOneSeparator) {
    EXPECT_EQ(HelpFilePath("/home/rider/Velmor"), "/home/rider/Velmor/Velmor.mht");
}

TEST(HelpFilePath, KeepsARootThatEndsInASeparatorAsItIs) {
    EXPECT_EQ(HelpFilePath("/"), "//Velmor.mht");
}

TEST(HelpFilePath, TakesDirectoriesLongerThanAnyFixedBuffer) {
    const std::string directory = "/" + std::string(600, 'd') + " x";
    EXPECT_EQ(HelpFilePath(directory), directory + "/Velmor.mht");
}

TEST(TrimWhiteSpace, RemovesWhiteSpaceAtBothEndsOnly) {
    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"/usr/bin/firefox", "/usr/bin/firefox"},
        {" \t\n\v\f\r/usr/bin/web browser \t\n\v\f\r", "/usr/bin/web browser"},
        {"", ""},
        {" \t\r\n", ""},
        {"x", "x"},
        {"\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimWhiteSpace(c.text), c.trimmed) << c.text;
}

}  // namespace
