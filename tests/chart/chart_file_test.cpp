// The chart's three file types as other programs read them, and what is no file left
// alone. Linux only: the Windows build's toolkit has no XML reader to check with.
#include "chart/chart_file.h"

#include <filesystem>

#include <gtest/gtest.h>
#include <wx/dc.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include "platform/text_file.h"
#include "res/strings.h"
#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/special_files.h"

namespace {

namespace fs = std::filesystem;

const ChartContent kContent = {
    [](wxDC& dc, const wxSize& size) {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetBrush(*wxRED_BRUSH);
        dc.SetPen(*wxRED_PEN);
        dc.DrawRectangle(0, 0, size.x / 2, size.y);
        dc.DrawText("53 & <11>", 10, 10);
    },
    wxSize(400, 300),
    {{"ギア", "速度 km/h"}, {{"53×11", "52.10"}}}};

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SaveChartFile, WritesThePictureAsPngAndSvgAndTheTableAsCsv) {
    ScratchFolder folder;
    WriteBytes("chart.png", "old");
    ASSERT_EQ(SaveChartFile("chart.png", ChartFileType::Png, kContent), nullptr);
    ASSERT_EQ(SaveChartFile("chart.svg", ChartFileType::Svg, kContent), nullptr);
    ASSERT_EQ(SaveChartFile("chart.csv", ChartFileType::Csv, kContent), nullptr);
    EXPECT_EQ(FilesIn("."), 3u);  // no scratch file left behind

    const std::string png = ReadBytes("chart.png");
    wxMemoryInputStream pngStream(png.data(), png.size());
    wxImage image;
    ASSERT_TRUE(image.LoadFile(pngStream, wxBITMAP_TYPE_PNG));
    EXPECT_EQ(image.GetSize(), kContent.size);
    EXPECT_EQ(image.GetGreen(5, 290), 0);  // the red half

    const std::string svg = ReadBytes("chart.svg");
    wxMemoryInputStream svgStream(svg.data(), svg.size());
    wxXmlDocument document;
    ASSERT_TRUE(document.Load(svgStream));
    EXPECT_NE(svg.find("53 &amp; &lt;11&gt;"), std::string::npos);
}

TEST(SaveChartFile, RefusesAnythingButAFileAndLeavesItAsItWas) {
    ScratchFolder folder;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        special.make("chart.csv");
        const std::string before = Describe("chart.csv");
        const auto files = FilesIn(".");
        PipeWatchdog watchdog("chart.csv");
        for (ChartFileType type : {ChartFileType::Png, ChartFileType::Svg, ChartFileType::Csv})
            EXPECT_STREQ(SaveChartFile("chart.csv", type, kContent), text::kChartSaveNotAFile);
        EXPECT_FALSE(watchdog.Released()) << "waited for a reader";
        EXPECT_EQ(Describe("chart.csv"), before);
        EXPECT_EQ(FilesIn("."), files);
        fs::remove("chart.csv");
    }
}

TEST(SaveChartFile, KeepsTheOldFileWhenWritingFails) {
    ScratchFolder folder;
    WriteBytes("chart.csv", "old");
    FailNextSave();
    EXPECT_STREQ(SaveChartFile("chart.csv", ChartFileType::Csv, kContent), text::kChartSaveFailed);
    EXPECT_EQ(ReadBytes("chart.csv"), "old");
    EXPECT_EQ(FilesIn("."), 1u);
}

}  // namespace
