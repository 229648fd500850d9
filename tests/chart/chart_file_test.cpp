// The chart's three file types as other programs read them, and what is no file left
// alone. Linux only: the Windows build's toolkit has no XML reader to check with.
#include "chart/chart_file.h"

#include "chart/chart_export.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/font.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include "platform/text_file.h"
#include "platform/widget_text.h"
#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// A 50-34 crankset on an 11 and a 28 at 2105 mm and 90 rpm, exported with its caption.
ChartContent Exported(const std::vector<std::string>& caption) {
    static const GearSet gears = BuildGearSet({{50, 34}, {11, 28}, 2105, 90, false}, std::nullopt);
    return ExportedChart({&gears, std::nullopt, nullptr, std::nullopt}, *wxNORMAL_FONT, "Velmor ギアチャート 50-34",
                         caption);
}

// The picture a PNG file holds, as other programs read it.
wxImage ReadPng(const char* name) {
    const std::string png = ReadBytes(name);
    wxMemoryInputStream stream(png.data(), png.size());
    wxImage image;
    EXPECT_TRUE(image.LoadFile(stream, wxBITMAP_TYPE_PNG)) << name;
    return image;
}

// The first text of each element under an SVG file's root, as an XML reader sees it.
std::map<wxString, wxString> SvgTexts(const char* name) {
    const std::string svg = ReadBytes(name);
    wxMemoryInputStream stream(svg.data(), svg.size());
    wxXmlDocument document;
    std::map<wxString, wxString> texts;
    EXPECT_TRUE(document.Load(stream)) << name;
    if (!document.IsOk()) return texts;
    for (const wxXmlNode* node = document.GetRoot()->GetChildren(); node; node = node->GetNext())
        texts.try_emplace(node->GetName(), node->GetNodeContent());
    return texts;
}

// The SVG is drawn where no one else can reach it: while its bytes are put in place, the
// folder holds nothing but the old file and the save's own new file, nor has the system's
// temporary folder gained anything.
TEST(SaveChartFile, DrawsTheSvgWithoutAnyFileThatOthersCouldSwap) {
    ScratchFolder folder;
    WriteBytes("chart.svg", "old");
    const auto tempBefore = FilesIn(fs::temp_directory_path());
    std::vector<std::string> seen;
    AtNextSaveInterlude([&seen] {
        for (const auto& entry : fs::directory_iterator(".")) seen.push_back(entry.path().filename().string());
        return true;
    });
    ASSERT_EQ(SaveChartFile("chart.svg", ChartFileType::Svg, Exported({})), nullptr);
    ASSERT_EQ(seen.size(), 2u);
    std::sort(seen.begin(), seen.end());
    EXPECT_TRUE(seen[0].starts_with(".velmor-save-")) << seen[0];
    EXPECT_EQ(seen[1], "chart.svg");
    EXPECT_EQ(FilesIn(fs::temp_directory_path()), tempBefore);
    EXPECT_NE(ReadBytes("chart.svg").find("</svg>"), std::string::npos);
}

// The caption beneath the drawing and in the SVG's description, as XML readers see it.
TEST(ExportedChart, DrawnAtItsOwnSizeWithTheCaptionAsTheSvgsTitleAndDescription) {
    ScratchFolder folder;
    const ChartContent content = Exported({"チェーンリング: 50-34", "a & <b>"});
    EXPECT_EQ(content.size.x, kExportWidth);
    EXPECT_GT(content.size.y, kExportChartHeight + 2 * wxNORMAL_FONT->GetPixelSize().y);
    EXPECT_LT(content.size.y, kExportChartHeight + 200);
    ASSERT_EQ(SaveChartFile("chart.svg", ChartFileType::Svg, content), nullptr);
    ASSERT_EQ(SaveChartFile("chart.png", ChartFileType::Png, content), nullptr);

    std::map<wxString, wxString> texts = SvgTexts("chart.svg");
    EXPECT_EQ(texts["title"], ToWidgetText("Velmor ギアチャート 50-34"));
    EXPECT_EQ(texts["desc"], ToWidgetText("チェーンリング: 50-34\na & <b>"));
    EXPECT_NE(ReadBytes("chart.svg").find("<text"), std::string::npos);
    EXPECT_EQ(ReadPng("chart.png").GetSize(), content.size);

    // A caption line wider than the picture widens it.
    EXPECT_GT(Exported({std::string(400, 'W')}).size.x, kExportWidth);
}

}  // namespace
