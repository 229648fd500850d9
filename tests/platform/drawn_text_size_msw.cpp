#include "tests/platform/drawn_text_size.h"

#include <wx/stattext.h>

#include "platform/label_layout.h"

// A static text draws itself in its own font across its client area.
wxSize DrawnTextSize(const wxStaticText& label) {
    return LaidOutTextSize(label, label.GetFont(), label.GetClientSize().x);
}
