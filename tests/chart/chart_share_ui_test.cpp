// Comparing, the cadence band, saving and copying in the gear chart window, as a user does.
#include <filesystem>

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataview.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include "chart/gear_chart_window.h"
#include "chart/chart_control_ids.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeader = "ギア\tギア比\t展開 m\tギアインチ\t速度 km/h\t段差 %\t近いギア\t制限";
const std::string kRows[] = {
    "34×14\t2.43\t5.100\t63.9\t27.54\t\t\t",
    "34×12\t2.83\t5.950\t74.6\t32.13\t16.7\t\t",
    "50×14\t3.57\t7.500\t94.0\t40.50\t\t\t",
    "50×12\t4.17\t8.750\t109.7\t47.25\t16.7\t\t",
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A 50-34 crankset on a 14 and a 12 at 2100 mm and 90 rpm, and the chart showing it.
class ChartShareTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int id = IDC_SPROCKET_FIRST; id <= IDC_SPROCKET_LAST; ++id) Set(id, "");
        Set(IDC_SPROCKET_FIRST, "14");
        Set(IDC_SPROCKET_FIRST + 1, "12");
        Calculate("50", "2100");
        dialog_->OpenGearChart();
        chart_ = FindShownWindow<GearChartWindow>();
        ASSERT_TRUE(chart_);
    }

    void Calculate(const char* bigRing, const char* circumference) {
        Set(IDC_CHAINRING_FIRST, bigRing);
        Set(IDC_CHAINRING_FIRST + 1, "34");
        Set(IDC_CHAINRING_LAST, "");
        Set(IDC_CIRCUMFERENCE, circumference);
        Set(IDC_CADENCE, "90");
        Press(IDC_CALCULATE);
    }

    void Click(int id) { ClickOn(chart_->FindWindow(id)); }

    // What Ctrl+C in the table puts on the clipboard.
    std::string Copied() {
        FocusOn(chart_->FindWindow(IDC_CHART_TABLE));
        PressKey('C', wxMOD_CONTROL);
        wxTextDataObject data;
        if (!wxTheClipboard->Open()) return "(no clipboard)";
        wxTheClipboard->GetData(data);
        wxTheClipboard->Close();
        return FromWidgetText(data.GetText());
    }

    void SetBand(const char* low, const char* high) {
        SetControlText(chart_->FindWindow(IDC_CHART_BAND_LOW), low);
        SetControlText(chart_->FindWindow(IDC_CHART_BAND_HIGH), high);
        FocusOn(chart_->FindWindow(IDC_CHART_BAND_HIGH));
        PressKey(WXK_RETURN);
    }

    wxString PathOf(const char* name) const { return ToWidgetText((folder_.Path() / name).string()); }

    // Saves through the file dialog under the name given.
    void SaveAs(const char* name) {
        wxTEST_DIALOG(Click(IDC_CHART_SAVE), wxExpectModal<wxFileDialog>(PathOf(name)));
    }

    GearChartWindow* chart_ = nullptr;
};

TEST_F(ChartShareTest, APinnedComparisonKeepsItsGearsAndFiguresWhileCalculateChangesTheCurrentOnes) {
    EXPECT_EQ(Copied(), Lines({kHeader, kRows[0], kRows[1], kRows[2], kRows[3]}));
    Click(IDC_CHART_PIN);
    Calculate("52", "2000");
    const std::string current[] = {
        "現在\t34×14\t2.43\t4.857\t60.9\t26.23\t\t\t",
        "現在\t34×12\t2.83\t5.667\t71.0\t30.60\t16.7\t\t",
        "現在\t52×14\t3.71\t7.429\t93.1\t40.11\t\t\t",
        "現在\t52×12\t4.33\t8.667\t108.6\t46.80\t16.7\t\t",
    };
    EXPECT_EQ(Copied(), Lines({"組\t" + kHeader, current[0], current[1], current[2], current[3],
                               "比較\t" + kRows[0], "比較\t" + kRows[1], "比較\t" + kRows[2],
                               "比較\t" + kRows[3]}));
    Click(IDC_CHART_UNPIN);
    EXPECT_EQ(Copied(), Lines({kHeader, current[0].substr(5), current[1].substr(5), current[2].substr(5),
                               current[3].substr(5)}));
}

TEST_F(ChartShareTest, ABandAddsEachGearsSpeedsAndABadOneIsRefused) {
    SetBand("60", " 90 ");
    const std::string header = kHeader + "\t最低速度 km/h\t最高速度 km/h";
    const std::string withBand = Lines({header, kRows[0] + "\t18.36\t27.54", kRows[1] + "\t21.42\t32.13",
                                        kRows[2] + "\t27.00\t40.50", kRows[3] + "\t31.50\t47.25"});
    EXPECT_EQ(Copied(), withBand);
    EXPECT_EQ(TextOf(chart_, IDC_CHART_MESSAGE), "");

    SetBand("90", "60");
    EXPECT_EQ(TextOf(chart_, IDC_CHART_MESSAGE), text::kBandLowAboveHigh);
    EXPECT_EQ(Copied(), withBand);

    auto* table = static_cast<wxDataViewListCtrl*>(chart_->FindWindow(IDC_CHART_TABLE));
    table->SelectRow(3);
    table->SelectRow(1);
    EXPECT_EQ(Copied(), Lines({header, kRows[1] + "\t21.42\t32.13", kRows[3] + "\t31.50\t47.25"}));

    SetBand("", "");
    table->UnselectAll();
    EXPECT_EQ(Copied(), Lines({kHeader, kRows[0], kRows[1], kRows[2], kRows[3]}));
}

TEST_F(ChartShareTest, SavesTheTableAsCsvAndTheChartAsPngAndSvgAndRefusesAFolder) {
    Click(IDC_CHART_PIN);
    SaveAs("table.csv");
    EXPECT_EQ(ReadBytes("table.csv"),
              Utf8(u8"\uFEFF組,ギア,ギア比,展開 m,ギアインチ,速度 km/h,段差 %,近いギア,制限\r\n"
                   u8"現在,34×14,2.43,5.100,63.9,27.54,,,\r\n"
                   u8"現在,34×12,2.83,5.950,74.6,32.13,16.7,,\r\n"
                   u8"現在,50×14,3.57,7.500,94.0,40.50,,,\r\n"
                   u8"現在,50×12,4.17,8.750,109.7,47.25,16.7,,\r\n"
                   u8"比較,34×14,2.43,5.100,63.9,27.54,,,\r\n"
                   u8"比較,34×12,2.83,5.950,74.6,32.13,16.7,,\r\n"
                   u8"比較,50×14,3.57,7.500,94.0,40.50,,,\r\n"
                   u8"比較,50×12,4.17,8.750,109.7,47.25,16.7,,\r\n"));

    // No extension: the type chosen in the dialog, PNG at first, with its extension.
    SaveAs("chart");
    const std::string png = ReadBytes("chart.png");
    wxMemoryInputStream pngStream(png.data(), png.size());
    wxImage image;
    ASSERT_TRUE(image.LoadFile(pngStream, wxBITMAP_TYPE_PNG));
    EXPECT_EQ(image.GetSize(), chart_->FindWindow(IDC_CHART_DRAWING)->GetClientSize());

    SaveAs("chart.SVG");
    const std::string svg = ReadBytes("chart.SVG");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find(Utf8(u8"比較 50T")), std::string::npos);

    fs::create_directory("folder.csv");
    wxTEST_DIALOG(Click(IDC_CHART_SAVE), wxExpectModal<wxFileDialog>(PathOf("folder.csv")),
                  ExpectMessageBox(wxID_OK, text::kChartSaveNotAFile, kWarning));
    EXPECT_TRUE(fs::is_empty("folder.csv"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 4);
}

}  // namespace
