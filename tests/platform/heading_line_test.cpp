// Headings in one label spread beside boxes whose pitch is not the face's: each word comes
// level with its box, however far apart the boxes stand and wherever the first one is.
#include "platform/heading_line.h"

#include <vector>

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/native_look.h"
#include "res/dialog_template.h"
#include "tests/platform/drawn_text_size.h"
#include "tests/support/window_test.h"

namespace {

constexpr char kHeadings[] = "1速       2速       3速";
constexpr int kBoxes = 3;

TEST(HeadingLine, RowHeadingsComeLevelWithBoxesWhateverTheirPitch) {
    // Pitch and the first box's distance below the label's top, in the face's lines.
    const struct {
        double pitch, first;
    } cases[] = {{2.5, 0.5}, {1.5, 0}, {3, 1.25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pitch << " lines apart, " << c.first << " down");
        wxDialog dialog(nullptr, wxID_ANY, "headings", wxDefaultPosition, wxSize(400, 400));
        // The main window's face, which takes any size (the toolkit's own may not).
        const DialogTemplate& main = MainDialogTemplate();
        dialog.SetFont(wxFont(wxFontInfo(main.pointSize).FaceName(DialogFontFace(main.fontFace))));
        const wxSize word = dialog.GetTextExtent(ToWidgetText("1速"));
        const int line = word.y;
        // As narrow as a template's: no room behind a word for the blanks after it.
        auto* label = new wxStaticText(&dialog, wxID_ANY, ToWidgetText(kHeadings), wxPoint(10, 10),
                                       wxSize(word.x * 2, 10 * line));
        WrapLabelText(label, true);
        std::vector<wxRect> boxes;
        for (int i = 0; i < kBoxes; ++i) {
            const int top = 10 + static_cast<int>((c.first + c.pitch * i) * line);
            boxes.push_back(
                (new wxTextCtrl(&dialog, wxID_ANY, "", wxPoint(label->GetRect().GetRight() + 4, top), wxSize(40, line)))
                    ->GetRect());
        }
        SpreadHeadingsBeside(*label, boxes);
        dialog.Show();
        Pump(100);
        std::vector<wxRect> headings = DrawnWords(*label);
        ASSERT_EQ(headings.size(), boxes.size());
        for (int i = 0; i < kBoxes; ++i) {
            const wxRect& heading = headings[static_cast<std::size_t>(i)];
            const wxRect& box = boxes[static_cast<std::size_t>(i)];
            EXPECT_NEAR(label->GetPosition().y + heading.y + heading.height / 2.0, box.y + box.height / 2.0,
                        box.height / 4.0)
                << "heading " << i + 1;
            EXPECT_LE(label->GetPosition().x + heading.GetRight(), box.x) << "heading " << i + 1;
        }
    }
}

}  // namespace
