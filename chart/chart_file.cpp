#include "chart/chart_file.h"

#include <algorithm>
#include <optional>
#include <string>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include "chart/svg_label.h"
#include "platform/file_name.h"
#include "platform/text_file.h"
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

// wxSVGFileDC writes only to a file of its own: a private one beside the destination,
// removed once read back.
std::optional<std::string> SvgBytes(const wxString& path, const ChartContent& content) {
    const wxString scratch =
        wxFileName::CreateTempFileName(wxFileName(path).GetPathWithSep() + ".velmor-");
    if (scratch.empty()) return std::nullopt;
    {
        wxSVGFileDC dc(scratch, content.size.x, content.size.y);
        content.paint(dc, content.size);
    }
    std::optional<std::string> bytes;
    if (wxFile file(scratch); file.IsOpened()) {
        std::string read(static_cast<std::size_t>(std::max<wxFileOffset>(file.Length(), 0)), '\0');
        if (file.Read(read.data(), read.size()) == static_cast<ssize_t>(read.size()) && !read.empty())
            bytes = LabelSvg(std::move(read), content.title, content.description);
    }
    wxRemoveFile(scratch);
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
        bytes = SvgBytes(path, content);
        break;
    case ChartFileType::Csv:
        bytes = TableAsCsv(content.table);
        break;
    }
    if (!bytes) return text::kChartRenderFailed;
    return ReplaceFileBytes(name.c_str(), *bytes) ? nullptr : text::kChartSaveFailed;
}
