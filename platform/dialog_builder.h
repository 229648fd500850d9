// Builds a dialog window and its controls from a template of res/.
#pragma once

#include "res/dialog_template.h"

class wxDialog;
class wxWindow;

// Creates the dialog window (hidden) with the template's caption, font and style, and its
// controls in template order. Positions are dialog units of the dialog's own font.
void CreateDialogFromTemplate(wxDialog& dialog, wxWindow* parent, const DialogTemplate& t);
