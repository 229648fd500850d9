#include "chart/chart_file.h"

#include <algorithm>
#include <optional>
#include <string>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include "chart/svg_label.h"
#include "platform/file_name.h"
#include "platform/save_file.h"
#include "platform/svg_drawing.h"
#include "res/save_failure_text.h"
#include "res/strings.h"

namespace {

const ChartFileFormat kFormats[] = {
    {ChartFileType::Png, "png", text::kChartFilePng},
    {ChartFileType::Svg, "svg", text::kChartFileSvg},
    {ChartFileType::Csv, "csv", text::kChartFileCsv},
};

}  // namespace

const std::span<const ChartFileFormat> kChartFileFormats = kFormats;

namespace {

std::optional<std::string> PngBytes(const ChartContent& content) {
    wxBitmap bitmap(content.size, 24);
    if (!bitmap.IsOk()) return std::nullopt;
    {
        wxMemoryDC dc(bitmap);
        content.paint(dc, content.size);
    }
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryOutputStream stream;
    if (!bitmap.ConvertToImage().SaveFile(stream, wxBITMAP_TYPE_PNG)) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(stream.GetLength()), '\0');
    stream.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

// Something other than a file stands at the path: a folder, a pipe, a device, a link that
// leads nowhere (wxFILE_EXISTS_ANY looks at a link itself, not where it leads).
bool HoldsNoFile(const wxString& path) {
    return wxFileName::Exists(path, wxFILE_EXISTS_ANY) && !wxFileName::FileExists(path);
}

}  // namespace

ChartSavePath ResolveChartSavePath(const wxString& chosen, const wxString& dialogFolder, int chosenFormat) {
    wxFileName name(chosen);
    if (name.IsRelative()) name.MakeAbsolute(dialogFolder);
    if (name.GetFullName().empty()) return {{}, {}, text::kChartSaveNoName};
    if (!wxFileName::DirExists(name.GetPath())) return {{}, {}, text::kChartSaveNoFolder};
    ChartSavePath target{name.GetFullPath(), {}, nullptr};
    const wxString extension = name.GetExt().Lower();
    for (const ChartFileFormat& format : kChartFileFormats)
        if (extension == format.extension) {
            target.type = format.type;
            return target;
        }
    const ChartFileFormat& format =
        kChartFileFormats[std::clamp(chosenFormat, 0, static_cast<int>(std::size(kChartFileFormats)) - 1)];
    target.path += wxString(".") + format.extension;
    target.type = format.type;
    return target;
}

const char* SaveChartFile(const wxString& path, ChartFileType type, const ChartContent& content) {
    const std::string name = FileSystemName(path);
    if (name.empty()) return text::kChartFileNameUnusable;
    if (HoldsNoFile(path)) return text::kChartSaveNotAFile;
    std::optional<std::string> bytes;
    switch (type) {
    case ChartFileType::Png:
        bytes = PngBytes(content);
        break;
    case ChartFileType::Svg:
        bytes = DrawnAsSvg(content.size, [&content](wxDC& dc) { content.paint(dc, content.size); });
        if (bytes) bytes = LabelSvg(std::move(*bytes), content.title, content.description);
        break;
    case ChartFileType::Csv:
        bytes = TableAsCsv(content.table);
        break;
    }
    if (!bytes) return text::kChartRenderFailed;
    return SaveFailureText(SaveFileBytes(name.c_str(), *bytes).failure);
}
