// Every label of the three windows, as shown, draws its lines within its box.
#include "platform/label_fit.h"

#include <gtest/gtest.h>
#include <wx/stattext.h>

#include "app/about_dialog.h"
#include "gear_data/settings_dialog.h"
#include "tests/support/window_test.h"

namespace {

void ExpectLabelsFit(wxDialog& dialog) {
    dialog.Show();
    Pump(150);
    for (wxWindow* child : dialog.GetChildren())
        if (const auto* label = dynamic_cast<wxStaticText*>(child)) {
            const wxSize text = DrawnTextSize(*label);
            const wxSize box = label->GetSize();
            EXPECT_TRUE(text.x <= box.x && text.y <= box.y)
                << FromWidgetText(label->GetLabel()) << ": " << text.x << "x" << text.y
                << " in " << box.x << "x" << box.y;
        }
    dialog.Hide();
}

TEST(LabelFit, EveryLabelOfTheThreeWindowsDrawsWithinItsBox) {
    const ScratchFolder folder;  // no gear file: the status lines have their say
    OperandStack stack;
    CMainDialog main(stack);
    ExpectLabelsFit(main);
    CAboutDialog about(&main);
    ExpectLabelsFit(about);
    CSettingsDialog editor(&main);
    ExpectLabelsFit(editor);
}

}  // namespace
