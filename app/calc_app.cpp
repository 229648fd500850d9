// The application object: runs the main window and ends the program when it closes.
#include <wx/app.h>

#include "app/main_dialog.h"

class CCalcApp : public wxApp {
public:
    // The program takes no command-line arguments.
    bool OnInit() override { return true; }

    // No message loop of its own: the main window's modal run is the program.
    int OnRun() override {
        CMainDialog dialog;
        SetTopWindow(&dialog);
        dialog.ShowModal();
        return 0;
    }
};

wxIMPLEMENT_APP(CCalcApp);
