#include "chart/gear_chart_drawing.h"

#include <algorithm>
#include <cmath>

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/settings.h>

#include "calc/gear_figures.h"
#include "calc/units.h"
#include "chart/chart_axis.h"
#include "platform/separator_colour.h"
#include "platform/widget_text.h"
#include "res/strings.h"

namespace {

// Tick labels stand at least this many label heights apart.
constexpr int kTickSpacingLines = 4;
// Band lanes stand at least this many pixels apart, so that a lane's line has a gap below.
constexpr int kMinLaneGap = 3;

struct Palette {
    wxColour ground, text, grid, mark, warning;
};

// A colour halfway to the background.
wxColour Muted(const wxColour& colour, const wxColour& ground) {
    const auto half = [](unsigned char a, unsigned char b) { return static_cast<unsigned char>((a + b) / 2); };
    return {half(colour.Red(), ground.Red()), half(colour.Green(), ground.Green()),
            half(colour.Blue(), ground.Blue())};
}

// The comparison's rows: every colour but the background's muted.
Palette MutedPalette(const Palette& p) {
    return {p.ground, Muted(p.text, p.ground), p.grid, Muted(p.mark, p.ground), Muted(p.warning, p.ground)};
}

// Each gear's band stands in a lane of its own under its row: the gear's position on the
// speed scale at the low and the high cadence, as developments at the scale's cadence.
struct BandScale {
    double low = 0, high = 0;  // the band's ends over the scale's cadence
};

std::optional<BandScale> ScaleOf(const std::optional<CadenceBand>& band, double cadence) {
    if (!band || !(cadence > 0)) return std::nullopt;
    return BandScale{band->low / cadence, band->high / cadence};
}

Palette ThemePalette() {
    const bool dark = wxSystemSettings::GetAppearance().IsDark();
    return {wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW),
            wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT), SeparatorColour(),
            dark ? wxColour(110, 170, 255) : wxColour(20, 90, 200),
            ChartWarningColour()};
}

// The plot's frame and metrics, all from the font's line height so that it scales.
struct Frame {
    int line, labelLine, pad, left, right, top, bottom;  // labelLine: of the marks' smaller type
    int X(const ChartAxis& axis, double development) const {
        return left + static_cast<int>(std::lround(axis.Position(development) * (right - left)));
    }
};

int MarkRadius(const Frame& f) { return std::max(3, f.line / 3); }

void CentredText(wxDC& dc, const wxString& text, int x, int y) {
    dc.DrawText(text, x - dc.GetTextExtent(text).x / 2, y);
}

void DrawWords(wxDC& dc, const wxSize& size, const char* words) {
    const wxString text = ToWidgetText(words);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
}

int TickX(const Frame& f, const ChartTick& tick) {
    return f.left + static_cast<int>(std::lround(tick.position * (f.right - f.left)));
}

void DrawScales(wxDC& dc, const Frame& f, const ChartAxis& axis, double cadence, const Palette& p) {
    const int maxTicks = std::max(2, (f.right - f.left) / (kTickSpacingLines * f.line));
    dc.SetPen(wxPen(p.grid));
    dc.DrawLine(f.left, f.bottom, f.right, f.bottom);
    for (const ChartTick& tick : axis.DevelopmentTicks(maxTicks)) {
        const int x = TickX(f, tick);
        dc.DrawLine(x, f.top, x, f.bottom + f.pad);
        CentredText(dc, ToWidgetText(tick.label), x, f.bottom + f.pad);
    }
    CentredText(dc, ToWidgetText(text::kDevelopmentAxis), (f.left + f.right) / 2,
                f.bottom + f.pad + f.line);
    if (!(cadence > 0)) return;
    dc.DrawLine(f.left, f.top, f.right, f.top);
    for (const ChartTick& tick : axis.SpeedTicks(cadence, maxTicks)) {
        const int x = TickX(f, tick);
        dc.DrawLine(x, f.top - f.pad, x, f.top);
        CentredText(dc, ToWidgetText(tick.label), x, f.top - f.pad - f.line);
    }
    const std::string title = text::kSpeedAxisBefore + TeethText(cadence).value_or(kCellOverflow) +
                              text::kSpeedAxisAfter;
    CentredText(dc, ToWidgetText(title), (f.left + f.right) / 2, f.top - f.pad - 2 * f.line);
}

void DrawLimit(wxDC& dc, const Frame& f, const ChartAxis& axis, const DevelopmentLimit& limit,
               const Palette& p) {
    const int x = f.X(axis, static_cast<double>(limit.millimetres) / kMmPerM);
    dc.SetPen(wxPen(p.warning, std::max(1, f.line / 8), wxPENSTYLE_SHORT_DASH));
    dc.DrawLine(x, f.top, x, f.bottom);
    const wxString name = ToWidgetText(limit.name);
    const int width = dc.GetTextExtent(name).x;
    dc.SetTextForeground(p.warning);
    dc.DrawText(name, x + width + f.pad < f.right ? x + f.pad / 2 : x - width - f.pad / 2, f.top + 2);
}

// Neighbouring gears' bands overlap, so they take turns on a few lanes: a band meets its
// lane again only a few shifts on, where the speeds have moved past it.
void DrawBands(wxDC& dc, const Frame& f, const ChartAxis& axis, const GearSet& set,
               const ChartRow& row, int y, int room, const BandScale& band, const Palette& p) {
    const int gap = std::max(kMinLaneGap, f.line / 5);
    const int lanes = std::clamp(room / gap, 1, static_cast<int>(std::max<std::size_t>(row.gears.size(), 1)));
    dc.SetPen(wxPen(p.mark, gap - 1));
    for (std::size_t i = 0; i < row.gears.size(); ++i) {
        const double development = set.gears[row.gears[i]].development;
        const int laneY = y + gap * (static_cast<int>(i) % lanes);
        dc.DrawLine(f.X(axis, development * band.low), laneY, f.X(axis, development * band.high) + 1, laneY);
    }
}

// Steps are labelled under the marks unless the band's lanes take that room.
void DrawRow(wxDC& dc, const Frame& f, const ChartAxis& axis, const GearSet& set, const ChartRow& row,
             const wxString& label, int y, bool labelSteps, const Palette& p) {
    const int radius = MarkRadius(f);
    dc.SetTextForeground(p.text);
    dc.DrawText(label, f.left - f.pad - dc.GetTextExtent(label).x, y - f.line / 2);
    dc.SetPen(wxPen(p.grid));
    dc.DrawLine(f.left, y, f.right, y);
    // Sprockets and steps in a smaller type, each drawn where it clears its neighbours.
    const wxFont font = dc.GetFont();
    dc.SetFont(font.Smaller());
    int labelsEnd = f.left - f.pad;
    int previousX = 0;
    for (std::size_t i = 0; i < row.gears.size(); ++i) {
        const ChartGear& gear = set.gears[row.gears[i]];
        const int x = f.X(axis, gear.development);
        const wxColour& colour = gear.overLimit ? p.warning : p.mark;
        if (gear.nearest) {
            const int d = 2 * radius;
            const wxPoint diamond[] = {{x, y - d}, {x + d, y}, {x, y + d}, {x - d, y}};
            dc.SetPen(wxPen(p.text));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawPolygon(4, diamond);
        }
        dc.SetPen(wxPen(colour));
        dc.SetBrush(wxBrush(colour));
        dc.DrawCircle(x, y, radius);
        const wxString teeth = ToWidgetText(TeethText(gear.sprocket).value_or(kCellOverflow));
        const int width = dc.GetTextExtent(teeth).x;
        if (x - width / 2 > labelsEnd) {
            dc.SetTextForeground(colour);
            dc.DrawText(teeth, x - width / 2, y - 2 * radius - f.labelLine);
            labelsEnd = x + width / 2 + f.pad / 2;
        }
        if (labelSteps && i > 0) {
            const wxString step = ToWidgetText(gear.cells[kStepColumn] + "%");
            const int stepWidth = dc.GetTextExtent(step).x;
            if (stepWidth + f.pad / 2 < x - previousX) {
                dc.SetTextForeground(p.text);
                dc.DrawText(step, (previousX + x - stepWidth) / 2, y + radius);
            }
        }
        previousX = x;
    }
    dc.SetFont(font);
}

}  // namespace

wxColour ChartWarningColour() {
    return wxSystemSettings::GetAppearance().IsDark() ? wxColour(255, 110, 95) : wxColour(200, 30, 20);
}

void DrawGearChart(wxDC& dc, const wxSize& size, const ChartScene& scene) {
    const Palette p = ThemePalette();
    dc.SetBackground(wxBrush(p.ground));
    dc.Clear();
    dc.SetTextForeground(p.text);
    if (!scene.current) return DrawWords(dc, size, text::kChartBeforeFirstPress);
    const GearSet& set = *scene.current;
    if (set.gears.empty()) return DrawWords(dc, size, text::kChartNoGear);

    // The rows drawn, top to bottom: the current ones, then the comparison's.
    struct DrawnRow {
        const GearSet* set;
        const ChartRow* row;
        wxString label;
    };
    std::vector<DrawnRow> rows;
    for (const ChartRow& row : set.rows) rows.push_back({&set, &row, ToWidgetText(row.label)});
    if (scene.comparison)
        for (const ChartRow& row : scene.comparison->rows)
            rows.push_back({scene.comparison, &row, ToWidgetText(text::kSetComparison + (" " + row.label))});

    const std::optional<BandScale> band = ScaleOf(scene.band, set.cadence);
    ChartAxis axis;
    for (const DrawnRow& drawn : rows)
        for (std::size_t g : drawn.row->gears) {
            const double development = drawn.set->gears[g].development;
            axis.Include(development);
            if (band) {
                axis.Include(development * band->low);
                axis.Include(development * band->high);
            }
        }
    if (scene.limit) axis.Include(static_cast<double>(scene.limit->millimetres) / kMmPerM);

    Frame f{};
    f.line = dc.GetCharHeight();
    const wxFont font = dc.GetFont();
    dc.SetFont(font.Smaller());
    f.labelLine = dc.GetCharHeight();
    dc.SetFont(font);
    f.pad = f.line / 2;
    int labelWidth = 0;
    for (const DrawnRow& drawn : rows) labelWidth = std::max(labelWidth, dc.GetTextExtent(drawn.label).x);
    f.left = 2 * f.pad + labelWidth;
    f.right = size.x - 3 * f.line;
    f.top = set.cadence > 0 ? 2 * f.pad + 3 * f.line : f.pad + f.line;
    f.bottom = size.y - 2 * f.pad - 3 * f.line;
    if (f.right <= f.left || f.bottom <= f.top) return;

    DrawScales(dc, f, axis, set.cadence, p);
    const int rowHeight = (f.bottom - f.top) / static_cast<int>(rows.size());
    const Palette muted = MutedPalette(p);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const DrawnRow& drawn = rows[r];
        const Palette& palette = drawn.set == &set ? p : muted;
        const int y = f.top + rowHeight * static_cast<int>(r) + rowHeight / 2 + f.line / 2;
        // Under the marks, down to the next row's sprocket labels.
        const int radius = MarkRadius(f);
        const int bandTop = y + radius + kMinLaneGap;
        if (band)
            DrawBands(dc, f, axis, *drawn.set, *drawn.row, bandTop,
                      y + rowHeight - 2 * radius - f.labelLine - bandTop, *band, palette);
        DrawRow(dc, f, axis, *drawn.set, *drawn.row, drawn.label, y, !band, palette);
    }
    if (scene.limit) DrawLimit(dc, f, axis, *scene.limit, p);
    if (std::any_of(set.gears.begin(), set.gears.end(), [](const ChartGear& g) { return g.nearest.has_value(); })) {
        dc.SetTextForeground(p.text);
        dc.DrawText(ToWidgetText(text::kNearGearLegend), f.pad, size.y - f.pad - f.line);
    }
}
