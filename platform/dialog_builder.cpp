#include "platform/dialog_builder.h"

#include <algorithm>
#include <limits>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/accessibility.h"
#include "platform/app_icon.h"
#include "platform/heading_line.h"
#include "platform/label_fit.h"
#include "platform/native_look.h"
#include "platform/separator_colour.h"
#include "platform/widget_text.h"
#include "res/accessible_names.h"
#include "res/resource_ids.h"

namespace {

// Dialog base units of the window's font, measured as the platform measures them.
class DialogUnits {
public:
    explicit DialogUnits(const wxWindow& window) {
        const wxSize extent =
            window.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseX_ = (extent.x / 26 + 1) / 2;
        baseY_ = window.GetCharHeight();
    }
    int X(int units) const { return units * baseX_ / 4; }
    int Y(int units) const { return units * baseY_ / 8; }

private:
    int baseX_;
    int baseY_;
};

int WindowId(int templateId) {
    switch (templateId) {
    case ID_DIALOG_OK:
        return wxID_OK;
    case ID_DIALOG_CANCEL:
        return wxID_CANCEL;
    case IDC_STATIC:
        return wxID_ANY;
    default:
        return templateId;
    }
}

// A combo box's template height includes its dropped-down list; closed it is one line.
constexpr int kClosedComboHeight = 12;

wxWindow* CreateControl(wxDialog& dialog, const DialogUnits& du, const ControlTemplate& c) {
    const int id = WindowId(c.id);
    const wxPoint pos(du.X(c.x), du.Y(c.y));
    const wxSize size(du.X(c.cx), std::max(1, du.Y(c.cy)));
    const wxString text = ToWidgetText(c.text ? c.text : "");

    switch (c.kind) {
    case ControlKind::Static: {
        auto* label = new wxStaticText(&dialog, id, wxString(), pos, size,
                                       wxST_NO_AUTORESIZE | wxALIGN_LEFT);
        if (c.style & kNoPrefix)
            label->SetLabelText(text);
        else
            label->SetLabel(text);
        WrapLabelText(label, c.id == IDC_STATIC);
        return label;
    }
    case ControlKind::Frame: {
        auto* line = new wxWindow(&dialog, id, pos, size);
        line->SetBackgroundColour(SeparatorColour());
        return line;
    }
    case ControlKind::Icon:
        return new wxStaticBitmap(&dialog, id, AppIcon(), pos, size);
    case ControlKind::Edit: {
        long style = (c.style & kMultiline) ? wxTE_MULTILINE | wxTE_DONTWRAP | wxHSCROLL
                                            : wxTE_CENTRE;
        if (c.style & kReadOnly) style |= wxTE_READONLY;
        return new wxTextCtrl(&dialog, id, text, pos, size, style);
    }
    case ControlKind::DropList:
    case ControlKind::DropDown: {
        wxArrayString items;
        for (const char* item : c.items) items.Add(ToWidgetText(item));
        const wxSize closed(size.x, du.Y(kClosedComboHeight));
        if (c.kind == ControlKind::DropList) return new wxChoice(&dialog, id, pos, closed, items);
        return new wxComboBox(&dialog, id, wxString(), pos, closed, items, wxCB_DROPDOWN);
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new wxButton(&dialog, id, text, pos, size,
                                    (c.style & kTextLeft) ? wxBU_LEFT : 0);
        if (c.kind == ControlKind::DefPushButton) button->SetDefault();
        return button;
    }
    case ControlKind::CheckBox:
        return new wxCheckBox(&dialog, id, text, pos, size);
    }
    return nullptr;
}

// The boxes a label of headings heads (see kColumnHeadings and kRowHeadings): over a row,
// left to right, or beside a column, top to bottom.
std::vector<wxRect> HeadedBoxes(std::span<const ControlTemplate> controls, const ControlTemplate& heading,
                                const std::vector<wxWindow*>& windows) {
    const bool beside = heading.style & kRowHeadings;
    const auto headed = [&](const ControlTemplate& c) {
        if (c.kind != ControlKind::Edit) return false;
        if (beside) {
            const int middle = c.y + c.cy / 2;
            return c.x > heading.x && middle >= heading.y && middle <= heading.y + heading.cy;
        }
        const int centre = c.x + c.cx / 2;
        return c.y > heading.y && centre >= heading.x && centre <= heading.x + heading.cx;
    };
    const auto away = [beside](const ControlTemplate& c) { return beside ? c.x : c.y; };
    int nearest = std::numeric_limits<int>::max();
    for (const ControlTemplate& c : controls)
        if (headed(c)) nearest = std::min(nearest, away(c));
    std::vector<wxRect> boxes;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (headed(controls[i]) && away(controls[i]) == nearest) boxes.push_back(windows[i]->GetRect());
    std::ranges::sort(boxes, {}, beside ? &wxRect::y : &wxRect::x);
    return boxes;
}

}  // namespace

void CreateDialogFromTemplate(wxDialog& dialog, wxWindow* parent, const DialogTemplate& t) {
    long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
    if (t.style & kMinimizeBox) style |= wxMINIMIZE_BOX;
    if (t.style & kResizable) style |= wxRESIZE_BORDER;
    UseCompactControls();
    dialog.Create(parent, wxID_ANY, ToWidgetText(t.caption), wxDefaultPosition, wxDefaultSize,
                  style);

    UseDialogFont(dialog, wxFont(wxFontInfo(t.pointSize).FaceName(DialogFontFace(t.fontFace))));
    const DialogUnits du(dialog);
    std::vector<wxWindow*> windows;  // in template order
    for (const ControlTemplate& control : t.controls) windows.push_back(CreateControl(dialog, du, control));
    for (const auto& [id, name] : AccessibleNames(t.id)) SetAccessibleName(*dialog.FindWindow(id), name);
    dialog.SetClientSize(du.X(t.cx), du.Y(t.cy));
    FitLabels(dialog);
    for (std::size_t i = 0; i < t.controls.size(); ++i)
        if (t.controls[i].style & (kColumnHeadings | kRowHeadings)) {
            auto& label = static_cast<wxStaticText&>(*windows[i]);
            const std::vector<wxRect> boxes = HeadedBoxes(t.controls, t.controls[i], windows);
            if (t.controls[i].style & kRowHeadings)
                SpreadHeadingsBeside(label, boxes);
            else
                SpreadHeadingsOver(label, boxes);
        }
    if (!(t.style & kResizable)) {
        dialog.SetMinSize(dialog.GetSize());
        dialog.SetMaxSize(dialog.GetSize());
    }
    if (t.x == 0 && t.y == 0) dialog.CentreOnParent();
}
