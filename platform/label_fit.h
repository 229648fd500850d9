// Static texts made to fit their boxes, whose sizes were chosen for the templates' face:
// the face this machine has instead may draw the text wider.
#pragma once

class wxDialog;

// Makes each static text of the dialog fit its box: a text that does not fit takes the
// room free to the right of its box, and where that is not enough, the next smaller
// sizes of its font until it fits.
void FitLabels(wxDialog& dialog);
