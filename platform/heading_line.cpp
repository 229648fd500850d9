#include "platform/heading_line.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <wx/font.h>
#include <wx/stattext.h>

#include "platform/heading_fit.h"
#include "platform/label_layout.h"

namespace {

// Each word's first character and the one after its last.
std::vector<std::pair<size_t, size_t>> Words(const wxString& text) {
    std::vector<std::pair<size_t, size_t>> words;
    for (size_t start = 0; start < text.length();) {
        if (text[start] == ' ') {
            ++start;
            continue;
        }
        size_t end = start;
        while (end < text.length() && text[end] != ' ') ++end;
        words.emplace_back(start, end);
        start = end;
    }
    return words;
}

// The words' centres from the label's left edge, as the text lays out in that font: the
// text's leading blanks and every blank between count with their width.
std::vector<double> WordCentres(const wxStaticText& label, const wxString& text, const wxFont& font) {
    const std::vector<int> offsets = CharacterOffsets(label, text, font);
    std::vector<double> centres;
    for (const auto& [start, end] : Words(text)) centres.push_back((offsets[start] + offsets[end]) / 2.0);
    return centres;
}

std::vector<double> Middles(const wxStaticText& label, const wxFont& font) {
    const std::vector<int> middles = WordLineMiddles(label, font, label.GetClientSize().x);
    return {middles.begin(), middles.end()};
}

}  // namespace

void SpreadHeadingsOver(wxStaticText& label, std::span<const wxRect> boxes) {
    const wxWindow& dialog = *label.GetParent();
    const wxString text = label.GetLabelText();
    const wxPoint place = label.GetPosition();
    std::vector<double> boxCentres;
    for (const wxRect& box : boxes) boxCentres.push_back(box.x + box.width / 2.0 - place.x);

    wxFont font = dialog.GetFont();
    const HeadingFit fit = FitHeadings(WordCentres(label, text, font), boxCentres);
    font.SetFractionalPointSize(font.GetFractionalPointSize() * fit.scale);
    // The size the face takes is not exactly the one asked for: the place is measured anew.
    const double shift = CentringShift(WordCentres(label, text, font), boxCentres);
    SetLabelFont(label, font);
    // On one line: the whole dialog's width is room enough.
    const wxSize drawn = LaidOutTextSize(label, font, dialog.GetClientSize().x);
    const wxSize box = label.GetSize();
    label.SetSize(place.x + static_cast<int>(std::lround(shift)), place.y, std::max(box.x, drawn.x + 1),
                  std::max(box.y, drawn.y));
}

void SpreadHeadingsBeside(wxStaticText& label, std::span<const wxRect> boxes) {
    const wxPoint place = label.GetPosition();
    std::vector<double> boxMiddles;
    for (const wxRect& box : boxes) boxMiddles.push_back(box.y + box.height / 2.0 - place.y);

    wxFont font = label.GetParent()->GetFont();
    const HeadingFit fit = FitHeadings(Middles(label, font), boxMiddles);
    font.SetFractionalPointSize(font.GetFractionalPointSize() * fit.scale);
    const double shift = CentringShift(Middles(label, font), boxMiddles);
    SetLabelFont(label, font);
    const wxSize box = label.GetSize();
    const int drawn = LaidOutTextSize(label, font, label.GetClientSize().x).y;
    label.SetSize(place.x, place.y + static_cast<int>(std::lround(shift)), box.x, std::max(box.y, drawn));
}
