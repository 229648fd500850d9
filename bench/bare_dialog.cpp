// A bare wx dialog of the main window's size, started as Velmor is: the yardstick for
// Velmor's start-up time and memory.
#include <wx/app.h>
#include <wx/dialog.h>

class BareApp : public wxApp {
public:
    bool OnInit() override { return true; }
    int OnRun() override {
        wxDialog dialog(nullptr, wxID_ANY, "Bare", wxDefaultPosition, wxSize(801, 384),
                        wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX);
        dialog.CentreOnScreen();
        dialog.ShowModal();
        return 0;
    }
};

wxIMPLEMENT_APP(BareApp);
