#include "res/accessible_names.h"

#include <algorithm>
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

}  // namespace
