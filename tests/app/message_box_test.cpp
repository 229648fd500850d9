#include "platform/message_box.h"

#include <gtest/gtest.h>

#include "app/message_box_expectation.h"

namespace {

TEST(MessageBox, TakesTheExecutablesNameAsCaptionAndWarnsWhenNoIconIsNamed) {
    SeenMessageBox seen;
    int answer = 0;
    wxTEST_DIALOG(answer = ShowMessageBox("error: stack full", msgbox::kOk),
                  ExpectMessageBox(wxID_OK, &seen));
    EXPECT_EQ(answer, msgbox::kIdOk);
    EXPECT_EQ(seen.text, "error: stack full");
    EXPECT_EQ(seen.caption, "velmor_gui_tests");
    EXPECT_EQ(ApplicationTitle(), "velmor_gui_tests");
    EXPECT_TRUE(seen.style & wxICON_EXCLAMATION);
    EXPECT_TRUE(seen.style & wxOK);
}

TEST(MessageBox, AsksYesOrNoWithTheQuestionIcon) {
    const std::pair<int, int> answers[] = {{wxID_YES, msgbox::kIdYes}, {wxID_NO, msgbox::kIdNo}};
    for (const auto& [button, expected] : answers) {
        SeenMessageBox seen;
        int answer = 0;
        wxTEST_DIALOG(answer = ShowMessageBox("?", msgbox::kYesNo | msgbox::kIconQuestion),
                      ExpectMessageBox(button, &seen));
        EXPECT_EQ(answer, expected);
        EXPECT_TRUE(seen.style & wxICON_QUESTION);
        EXPECT_FALSE(seen.style & wxICON_EXCLAMATION);
        EXPECT_TRUE(seen.style & wxYES_NO);
    }
}

}  // namespace
