// The gear table's headings stand over and beside their boxes: each heading's centre within
// a quarter of its box's width (over a sprocket box) or height (beside a chainring box) of
// the box's centre, as the toolkit draws them.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/stattext.h>

#include "tests/platform/drawn_text_size.h"
#include "tests/support/window_test.h"

namespace {

using TableHeadingsTest = MainWindowTest;

constexpr int kSprocketBoxes = 10;
constexpr int kChainringBoxes = 3;

// The label whose first heading is "1速" and that has `headings` of them.
const wxStaticText* HeadingLabel(const wxWindow& dialog, std::size_t headings) {
    for (const wxWindow* child : dialog.GetChildren())
        if (const auto* label = dynamic_cast<const wxStaticText*>(child)) {
            const std::string text = FromWidgetText(label->GetLabel());
            if (text.find_first_not_of(' ') == text.find("1速") && DrawnWords(*label).size() == headings)
                return label;
        }
    return nullptr;
}

// Each heading's drawn box, on the window's client area.
std::vector<wxRect> Headings(const wxStaticText& label) {
    std::vector<wxRect> words = DrawnWords(label);
    for (wxRect& word : words) word.Offset(label.GetPosition());
    return words;
}

TEST_F(TableHeadingsTest, EachColumnHeadingStandsOverItsSprocketBox) {
    const wxStaticText* label = HeadingLabel(*dialog_, kSprocketBoxes);
    ASSERT_NE(label, nullptr);
    const std::vector<wxRect> headings = Headings(*label);
    for (int column = 0; column < kSprocketBoxes; ++column) {
        const wxRect box = Control(IDC_SPROCKET_1 + column)->GetRect();
        const wxRect& heading = headings[static_cast<std::size_t>(column)];
        SCOPED_TRACE(column + 1);
        EXPECT_NEAR(heading.x + heading.width / 2.0, box.x + box.width / 2.0, box.width / 4.0);
        EXPECT_LE(heading.GetBottom(), box.y);
    }
}

TEST_F(TableHeadingsTest, EachRowHeadingStandsBesideItsChainringBox) {
    const wxStaticText* label = HeadingLabel(*dialog_, kChainringBoxes);
    ASSERT_NE(label, nullptr);
    const std::vector<wxRect> headings = Headings(*label);
    for (int row = 0; row < kChainringBoxes; ++row) {
        const wxRect box = Control(IDC_CHAINRING_1 + row)->GetRect();
        const wxRect& heading = headings[static_cast<std::size_t>(row)];
        SCOPED_TRACE(row + 1);
        EXPECT_NEAR(heading.y + heading.height / 2.0, box.y + box.height / 2.0, box.height / 4.0);
        EXPECT_LE(heading.GetRight(), box.x);
    }
}

}  // namespace
