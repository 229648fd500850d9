// The application object: runs the main window and ends the program when it closes.
#include <wx/app.h>

#include "app/main_dialog.h"
#include "platform/desktop_language.h"

class CCalcApp : public wxApp {
public:
    // The program takes no command-line arguments.
    bool OnInit() override {
        UseDesktopLanguage();
        return true;
    }

    // The windows are laid out left to right whatever the locale; asking the locale
    // would build wx's table of every language while the first window is created.
    wxLayoutDirection GetLayoutDirection() const override { return wxLayout_LeftToRight; }

    // No message loop of its own: the main window's modal run is the program.
    int OnRun() override {
        OperandStack stack;  // the side calculators' one stack, for the program's run
        CMainDialog dialog(stack);
        SetTopWindow(&dialog);
        dialog.ShowModal();
        return 0;
    }
};

wxIMPLEMENT_APP(CCalcApp);
