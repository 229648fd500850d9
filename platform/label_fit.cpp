#include "platform/label_fit.h"

#include <algorithm>

#include <wx/dialog.h>
#include <wx/stattext.h>

#include "platform/label_layout.h"

namespace {

// Below this a face no longer reads.
constexpr int kSmallestPointSize = 5;

bool Fits(const wxStaticText& label, const wxFont& font, wxSize box) {
    const wxSize text = LaidOutTextSize(label, font, box.x);
    return text.x <= box.x && text.y <= box.y;
}

// The widest the label's box may become: up to the nearest control that shares some of
// its height and does not lie wholly to its left, or the dialog's edge. A control that
// the box already overlaps leaves it no room.
int WidestBox(const wxWindow& label) {
    const wxRect box = label.GetRect();
    int right = label.GetParent()->GetClientSize().x;
    for (const wxWindow* other : label.GetParent()->GetChildren()) {
        const wxRect r = other->GetRect();
        if (other != &label && r.GetRight() >= box.x && r.y <= box.GetBottom() && r.GetBottom() >= box.y)
            right = std::min(right, std::max(r.x, box.x + box.width));
    }
    return std::max(box.width, right - box.x);
}

void FitLabel(wxStaticText& label, const wxFont& dialogFont) {
    wxSize box = label.GetSize();
    if (label.GetLabel().empty() || Fits(label, dialogFont, box)) return;
    const int widest = WidestBox(label);
    box.x = std::clamp(LaidOutTextSize(label, dialogFont, widest).x, box.x, widest);
    label.SetSize(box);
    if (Fits(label, dialogFont, box)) return;
    box.x = widest;
    label.SetSize(box);
    // The largest size below the dialog's at which the text fits, found by halving, as
    // each size tried costs the toolkit a font; the smallest readable one when none fits.
    wxFont font = dialogFont;
    int low = kSmallestPointSize;
    int high = dialogFont.GetPointSize() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        font.SetPointSize(middle);
        if (Fits(label, font, box))
            low = middle;
        else
            high = middle - 1;
    }
    font.SetPointSize(low);
    SetLabelFont(label, font);
}

}  // namespace

void FitLabels(wxDialog& dialog) {
    for (wxWindow* child : dialog.GetChildren())
        if (auto* label = dynamic_cast<wxStaticText*>(child)) FitLabel(*label, dialog.GetFont());
}
