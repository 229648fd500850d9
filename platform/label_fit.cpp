#include "platform/label_fit.h"

#include <algorithm>

#include <wx/dialog.h>
#include <wx/stattext.h>

namespace {

// Below this a face no longer reads.
constexpr int kSmallestPointSize = 5;
constexpr int kUnlimitedWidth = 1 << 16;

bool Fits(const wxStaticText& label, const wxFont& font, wxSize box) {
    const wxSize text = LaidOutTextSize(label, font, box.x);
    return text.x <= box.x && text.y <= box.y;
}

// The widest the label's box may become: up to the nearest control on its right that
// shares some of its height, or the dialog's edge.
int WidestBox(const wxWindow& label) {
    const wxRect box = label.GetRect();
    int right = label.GetParent()->GetClientSize().x;
    for (const wxWindow* other : label.GetParent()->GetChildren()) {
        const wxRect r = other->GetRect();
        if (r.x >= box.GetRight() && r.y <= box.GetBottom() && r.GetBottom() >= box.y)
            right = std::min(right, r.x);
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
    // Text widths grow with the point size: start from the size at which the text's
    // longest line would just fill the box, so that only a size or two are tried (each
    // one costs the toolkit a font).
    const int base = dialogFont.GetPointSize();
    const int unwrapped = LaidOutTextSize(label, dialogFont, kUnlimitedWidth).x;
    wxFont font = dialogFont;
    font.SetPointSize(std::clamp(base * box.x / unwrapped, kSmallestPointSize, base - 1));
    while (font.GetPointSize() > kSmallestPointSize && !Fits(label, font, box))
        font.SetPointSize(font.GetPointSize() - 1);
    SetLabelFont(label, font);
}

}  // namespace

void FitLabels(wxDialog& dialog) {
    for (wxWindow* child : dialog.GetChildren())
        if (auto* label = dynamic_cast<wxStaticText*>(child)) FitLabel(*label, dialog.GetFont());
}
