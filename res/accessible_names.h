// What a screen reader calls each edit box, list and check box of a dialog.
#pragma once

#include <string>
#include <vector>

struct AccessibleName {
    int controlId;
    std::string name;  // CP932
};

// The names of the controls of dialog template dialogId: each control's label from the
// template, and for the gear table which sprocket and chainring a box or cell belongs to.
std::vector<AccessibleName> AccessibleNames(int dialogId);
