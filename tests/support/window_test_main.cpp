// Runs the window tests inside a wx application (under xvfb-run on a machine without a
// display).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/string.h>

#include "tests/support/scratch_folder.h"
#include "tests/support/settings_home.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "The window tests need a display: run them under xvfb-run -a.\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    // A failed wx check fails the test instead of waiting in a dialog or a debugger.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg) {
        ADD_FAILURE_AT(file.utf8_str(), line)
            << "wx check failed in " << func << ": " << cond << " " << msg;
    });
    // The tests pump events themselves (wxYield), which on Windows dispatches nothing
    // unless some event loop is the active one.
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    // Never the settings of whoever runs the tests.
    const TempFolder settingsHome;
    KeepSettingsOutOfTheUsersHome(settingsHome.Path());
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
