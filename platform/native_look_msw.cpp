// Windows' own controls already take the sizes that the dialog units give them, and
// static texts wrap at word breaks from their top.
#include "platform/native_look.h"

void UseCompactControls() {}

void WrapLabelText(wxStaticText*) {}
