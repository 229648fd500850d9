// The static wxMSW this build links is made without accessibility support, so controls
// keep the names Windows gives them.
#include "platform/accessibility.h"

void SetAccessibleName(wxWindow&, std::string_view) {}
