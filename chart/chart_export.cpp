#include "chart/chart_export.h"

#include <algorithm>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "chart/gear_chart_drawing.h"
#include "platform/widget_text.h"

namespace {

constexpr int kCaptionMargin = 16;  // around the caption, in pixels

}  // namespace

ChartContent ExportedChart(const ChartScene& scene, const wxFont& font, std::string title,
                           std::vector<std::string> caption) {
    wxBitmap measure(1, 1);
    wxMemoryDC dc(measure);
    dc.SetFont(font);
    const int line = dc.GetCharHeight();
    int widest = 0;
    for (const std::string& text : caption) widest = std::max(widest, dc.GetTextExtent(ToWidgetText(text)).x);
    const int captionHeight = caption.empty() ? 0 : static_cast<int>(caption.size()) * line + 2 * kCaptionMargin;
    const wxSize size(std::max(kExportWidth, widest + 2 * kCaptionMargin), kExportChartHeight + captionHeight);

    ChartPainter paint = [scene, font, caption](wxDC& dc, const wxSize& size) {
        dc.SetFont(font);
        DrawGearChart(dc, wxSize(size.x, kExportChartHeight), scene);
        dc.SetFont(font);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
        int y = kExportChartHeight + kCaptionMargin;
        for (const std::string& text : caption) {
            dc.DrawText(ToWidgetText(text), kCaptionMargin, y);
            y += dc.GetCharHeight();
        }
    };
    return {std::move(paint), size, {}, std::move(title), std::move(caption)};
}
