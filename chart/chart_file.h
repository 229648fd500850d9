// Saving the chart: the drawing as PNG or SVG, the table as CSV.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "chart/table_text.h"

class wxDC;

enum class ChartFileType { Png, Svg, Csv };

// The types in the order of the file dialog's choices, with their extensions.
struct ChartFileFormat {
    ChartFileType type;
    const char* extension;    // without the point
    const char* description;  // CP932, for the file dialog
};
extern const std::span<const ChartFileFormat> kChartFileFormats;

// Where to save and as what, from the path the file dialog gives.
struct ChartSavePath {
    wxString path;                   // absolute, with the type's extension
    ChartFileType type = ChartFileType::Png;
    const char* refusal = nullptr;   // why the path cannot be used: then nothing else is set
};

// The dialog's path, absolute or relative to the folder the dialog showed, made absolute.
// The type is the one the name's extension names (in any case); else the chosen one, whose
// extension is added. A path without a name, or whose folder does not exist, is refused.
ChartSavePath ResolveChartSavePath(const wxString& chosen, const wxString& dialogFolder, int chosenFormat);

// Draws the chart on a device of the given size.
using ChartPainter = std::function<void(wxDC& dc, const wxSize& size)>;

// What to save: the drawing, its size, and the table as shown; the SVG's title and
// description (CP932).
struct ChartContent {
    ChartPainter paint;
    wxSize size;
    TextTable table;
    std::string title;
    std::vector<std::string> description;
};

// Saves the file, replacing any file of that name as a whole. Returns nullptr when saved;
// else the message that says why not, nothing having changed.
const char* SaveChartFile(const wxString& path, ChartFileType type, const ChartContent& content);
