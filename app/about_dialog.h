// The About box: the program's icon, name and version.
#pragma once

#include <wx/dialog.h>

class CAboutDialog : public wxDialog {
public:
    explicit CAboutDialog(wxWindow* parent);
};
