#include "platform/widget_text.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/cp932.h"

namespace {

std::string_view WithoutFinalLineFeed(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    return text;
}

}  // namespace

wxString ToWidgetText(std::string_view cp932) {
    return wxString::FromUTF8(Cp932ToUtf8(cp932));
}

std::string FromWidgetText(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return Utf8ToCp932(std::string_view(utf8.data(), utf8.length()));
}

void SetControlText(wxWindow* control, std::string_view cp932) {
    const wxString text = ToWidgetText(WithoutFinalLineFeed(cp932));
    if (auto* combo = dynamic_cast<wxComboBox*>(control))
        combo->SetValue(text);
    else if (auto* edit = dynamic_cast<wxTextCtrl*>(control))
        edit->ChangeValue(text);
    else
        control->SetLabel(text);
}

std::string GetControlText(const wxWindow* control, std::size_t maxBytes) {
    wxString text;
    if (auto* combo = dynamic_cast<const wxComboBox*>(control))
        text = combo->GetValue();
    else if (auto* edit = dynamic_cast<const wxTextCtrl*>(control))
        text = edit->GetValue();
    else if (auto* choice = dynamic_cast<const wxChoice*>(control))
        text = choice->GetStringSelection();
    else
        text = control->GetLabel();
    std::string bytes = FromWidgetText(text);
    if (bytes.size() > maxBytes) bytes.resize(maxBytes);
    return bytes;
}

void AddComboItem(wxItemContainer* combo, std::string_view cp932) {
    combo->Append(ToWidgetText(WithoutFinalLineFeed(cp932)));
}
