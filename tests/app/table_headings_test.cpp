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

// Each heading centred on its box along the line, within a quarter of the box, and clear of it.
TEST_F(TableHeadingsTest, EachHeadingStandsOverOrBesideItsBox) {
    const struct {
        int firstBox, boxes;
        bool over;
    } lines[] = {{IDC_SPROCKET_1, kSprocketBoxes, true}, {IDC_CHAINRING_1, kChainringBoxes, false}};
    for (const auto& line : lines) {
        const wxStaticText* label = HeadingLabel(*dialog_, static_cast<std::size_t>(line.boxes));
        ASSERT_NE(label, nullptr);
        const std::vector<wxRect> headings = DrawnWords(*label);
        for (int i = 0; i < line.boxes; ++i) {
            const wxRect box = Control(line.firstBox + i)->GetRect();
            wxRect heading = headings[static_cast<std::size_t>(i)];
            heading.Offset(label->GetPosition());
            SCOPED_TRACE(testing::Message() << (line.over ? "column " : "row ") << i + 1);
            if (line.over) {
                EXPECT_NEAR(heading.x + heading.width / 2.0, box.x + box.width / 2.0, box.width / 4.0);
                EXPECT_LE(heading.GetBottom(), box.y);
            } else {
                EXPECT_NEAR(heading.y + heading.height / 2.0, box.y + box.height / 2.0, box.height / 4.0);
                EXPECT_LE(heading.GetRight(), box.x);
            }
        }
    }
}

}  // namespace
