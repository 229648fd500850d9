#include "res/accessible_names.h"

#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace {

bool TakesInput(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::DropList ||
           kind == ControlKind::DropDown || kind == ControlKind::CheckBox;
}

bool IsGearCell(int dialogId, int controlId) {
    return dialogId == IDD_MAIN && controlId >= IDC_CELL_FIRST && controlId <= IDC_CELL_LAST;
}

TEST(AccessibleNames, EveryBoxListAndCheckBoxAndEveryCellHasOneName) {
    for (const DialogTemplate* t :
         {&MainDialogTemplate(), &AboutDialogTemplate(), &SettingsDialogTemplate()}) {
        const std::vector<AccessibleName> names = AccessibleNames(t->id);
        for (const ControlTemplate& c : t->controls) {
            SCOPED_TRACE(testing::Message() << t->id << '/' << c.id);
            const auto count = std::count_if(names.begin(), names.end(),
                                             [&](const AccessibleName& n) { return n.controlId == c.id; });
            EXPECT_EQ(count, TakesInput(c.kind) || IsGearCell(t->id, c.id) ? 1 : 0);
        }
        for (const AccessibleName& n : names) EXPECT_FALSE(n.name.empty()) << n.controlId;
    }
}

// The gear table's names are looked up by the accessibility test, on the running program.
TEST(AccessibleNames, SayWhichSprocketAndChainringAndElseTheLabel) {
    const std::pair<int, const char*> cases[] = {
        {IDC_CELL_LAST, "3速 チェーンリング 10速 スプロケット Km/h"},
        {IDC_AVG_DISTANCE, "平均速度 距離 Km"},
        {IDC_ENERGY_DISTANCE, "消費カロリー 距離 Km"},
        {IDC_ENERGY_WEIGHT, "体重+自転車重量 Kg"},
    };
    const std::vector<AccessibleName> names = AccessibleNames(IDD_MAIN);
    for (const auto& [id, expected] : cases) {
        const auto found = std::find_if(names.begin(), names.end(),
                                        [id](const AccessibleName& n) { return n.controlId == id; });
        ASSERT_NE(found, names.end()) << id;
        EXPECT_EQ(found->name, expected) << id;
    }
    std::set<std::string> distinct;
    for (const AccessibleName& n : names) distinct.insert(n.name);
    EXPECT_EQ(distinct.size(), names.size());  // no two alike
}

}  // namespace
