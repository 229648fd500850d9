#include "chart/gear_chart_drawing.h"

#include <map>
#include <utility>

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/settings.h>

#include "platform/separator_colour.h"
#include "platform/widget_text.h"

namespace {

struct Palette {
    wxColour ground, text, grid, mark, warning;

    const wxColour& Of(ChartInk ink) const {
        switch (ink) {
        case ChartInk::Grid: return grid;
        case ChartInk::Mark: return mark;
        case ChartInk::Warning: return warning;
        case ChartInk::Text: break;
        }
        return text;
    }
};

Palette ThemePalette() {
    const bool dark = wxSystemSettings::GetAppearance().IsDark();
    return {wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW),
            wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT), SeparatorColour(),
            dark ? wxColour(110, 170, 255) : wxColour(20, 90, 200),
            ChartWarningColour()};
}

// The comparison's colours: halfway to the background.
wxColour Ink(const Palette& p, ChartInk ink, bool muted) {
    const wxColour& colour = p.Of(ink);
    if (!muted) return colour;
    const auto half = [](unsigned char a, unsigned char b) { return static_cast<unsigned char>((a + b) / 2); };
    return {half(colour.Red(), p.ground.Red()), half(colour.Green(), p.ground.Green()),
            half(colour.Blue(), p.ground.Blue())};
}

}  // namespace

wxColour ChartWarningColour() {
    return wxSystemSettings::GetAppearance().IsDark() ? wxColour(255, 110, 95) : wxColour(200, 30, 20);
}

void DrawGearChart(wxDC& dc, const wxSize& size, const ChartScene& scene) {
    const Palette p = ThemePalette();
    dc.SetBackground(wxBrush(p.ground));
    dc.Clear();
    const wxFont font = dc.GetFont();
    const wxFont smaller = font.Smaller();
    ChartType type;
    type.line = dc.GetCharHeight();
    // Setting a face costs more than measuring with it: it is set only when it changes.
    bool smallSet = true;
    const auto useFace = [&](bool small) {
        if (small != smallSet) dc.SetFont(small ? smaller : font);
        smallSet = small;
    };
    dc.SetFont(smaller);
    type.smallLine = dc.GetCharHeight();
    // The layout asks for most widths more than once, and the same teeth and steps recur
    // from row to row.
    std::map<std::pair<bool, std::string>, int> widths;
    type.width = [&](const std::string& text, bool small) {
        const auto [known, added] = widths.try_emplace({small, text});
        if (added) {
            useFace(small);
            known->second = dc.GetTextExtent(ToWidgetText(text)).x;
        }
        return known->second;
    };
    const ChartLayout layout = LayOutChart(scene, size.x, size.y, type);

    for (const ChartLine& line : layout.lines) {
        dc.SetPen(wxPen(Ink(p, line.ink, line.muted), line.width, line.dashed ? wxPENSTYLE_SHORT_DASH : wxPENSTYLE_SOLID));
        dc.DrawLine(line.x1, line.y1, line.x2, line.y2);
    }
    for (const ChartMark& mark : layout.marks) {
        if (mark.diamond) {
            const int d = 2 * mark.radius;
            const wxPoint diamond[] = {{mark.x, mark.y - d}, {mark.x + d, mark.y}, {mark.x, mark.y + d}, {mark.x - d, mark.y}};
            dc.SetPen(wxPen(Ink(p, ChartInk::Text, mark.muted)));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawPolygon(4, diamond);
        }
        const wxColour colour = Ink(p, mark.ink, mark.muted);
        dc.SetPen(wxPen(colour));
        dc.SetBrush(wxBrush(colour));
        dc.DrawCircle(mark.x, mark.y, mark.radius);
    }
    // On the background's colour, so that a line behind a label never runs through it.
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.SetTextBackground(p.ground);
    for (const ChartText& text : layout.texts) {
        useFace(text.small);
        dc.SetTextForeground(Ink(p, text.ink, text.muted));
        dc.DrawText(ToWidgetText(text.text), text.box.x, text.box.y);
    }
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(font);
}
