#include "app/about_dialog.h"

#include "platform/dialog_builder.h"
#include "res/dialog_template.h"

CAboutDialog::CAboutDialog(wxWindow* parent) {
    CreateDialogFromTemplate(*this, parent, AboutDialogTemplate());
}
