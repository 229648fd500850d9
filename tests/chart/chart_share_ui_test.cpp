// Comparing, saving and copying in the gear chart window, as a user does.
#include <filesystem>

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>

#include "chart/gear_chart_window.h"
#include "chart/chart_control_ids.h"
#include "res/strings.h"
#include "tests/support/window_test.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeader = "ギア\tギア比\t展開 m\tギアインチ\t速度 km/h\t段差 %\t近いギア\t制限\t周長 mm\t回転数 rpm";
const std::string kRows[] = {  // at the setup's 2100 mm and 90 rpm
    "34×14\t2.43\t5.100\t63.9\t27.54\t\t\t\t2100\t90",
    "34×12\t2.83\t5.950\t74.6\t32.13\t16.7\t\t\t2100\t90",
    "50×14\t3.57\t7.500\t94.0\t40.50\t\t\t\t2100\t90",
    "50×12\t4.17\t8.750\t109.7\t47.25\t16.7\t\t\t2100\t90",
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

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

    wxString PathOf(const char* name) const { return ToWidgetText((folder_.Path() / name).string()); }

    GearChartWindow* chart_ = nullptr;
};

// The dialog's types, in its order.
constexpr int kPngFormat = 0;
constexpr int kSvgFormat = 1;
constexpr int kCsvFormat = 2;

// What the save dialog proposed when it opened.
struct Proposal {
    std::string name;  // CP932
    std::string folder;
};

// Answers the save dialog as a user who chooses a type and types a name or a path into it.
class AnswerSaveDialog : public wxExpectModalBase<wxFileDialog, AnswerSaveDialog> {
public:
    AnswerSaveDialog(wxString typed, int format, Proposal* proposal = nullptr)
        : typed_(std::move(typed)), format_(format), proposal_(proposal) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        if (proposal_) *proposal_ = {FromWidgetText(dialog->GetFilename()), dialog->GetDirectory().utf8_string()};
        dialog->SetFilterIndex(format_);
        dialog->SetPath(typed_);
        return wxID_OK;
    }

private:
    wxString typed_;
    int format_;
    Proposal* proposal_;
};

TEST_F(ChartShareTest, APinnedComparisonKeepsItsGearsAndFiguresWhileCalculateChangesTheCurrentOnes) {
    EXPECT_EQ(Copied(), Lines({kHeader, kRows[0], kRows[1], kRows[2], kRows[3]}));
    Click(IDC_CHART_PIN);
    Calculate("52", "2000");
    const std::string current[] = {
        "現在\t34×14\t2.43\t4.857\t60.9\t26.23\t\t\t\t2000\t90",
        "現在\t34×12\t2.83\t5.667\t71.0\t30.60\t16.7\t\t\t2000\t90",
        "現在\t52×14\t3.71\t7.429\t93.1\t40.11\t\t\t\t2000\t90",
        "現在\t52×12\t4.33\t8.667\t108.6\t46.80\t16.7\t\t\t2000\t90",
    };
    EXPECT_EQ(Copied(), Lines({"組\t" + kHeader, current[0], current[1], current[2], current[3],
                               "比較\t" + kRows[0], "比較\t" + kRows[1], "比較\t" + kRows[2],
                               "比較\t" + kRows[3]}));
    Click(IDC_CHART_UNPIN);
    EXPECT_EQ(Copied(), Lines({kHeader, current[0].substr(5), current[1].substr(5), current[2].substr(5),
                               current[3].substr(5)}));
}

// A path that cannot be used is refused over the chart, changes nothing and is no save:
// the dialog still opens where the last save went.
TEST_F(ChartShareTest, SavesWhereTheUserTypedAndOpensWhereTheLastSaveWent) {
    fs::create_directory("out");
    fs::create_directory("folder.png");
    const std::string here = folder_.Path().string();
    const std::string out = (folder_.Path() / "out").string();
    const struct {
        wxString typed;
        int format;               // chosen in the dialog
        const char* file;         // where it lands, in the scratch folder, or the refusal
        std::string_view start;   // of the file's bytes: what type it holds; empty when refused
        std::string openedIn;     // the folder the dialog proposed
    } cases[] = {
        {"missing/chart.png", kPngFormat, text::kChartSaveNoFolder, "", here},
        {"folder.png/", kPngFormat, text::kChartSaveNoName, "", here},
        {"folder.png", kPngFormat, text::kChartSaveNotAFile, "", here},
        {"plain", kSvgFormat, "plain.svg", "<?xml", here},             // a bare name
        {"out/table", kCsvFormat, "out/table.csv", "\xEF\xBB\xBF", here},  // a folder relative to the dialog's
        {"inner", kSvgFormat, "out/inner.svg", "<?xml", out},           // the dialog's folder, not the working one
        {PathOf("missing/chart"), kPngFormat, text::kChartSaveNoFolder, "", out},
        {PathOf("chart"), kPngFormat, "chart.png", "\x89PNG", out},     // an absolute path
        {"named.CSV", kPngFormat, "named.CSV", "\xEF\xBB\xBF", here},     // the typed extension rules
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Proposal proposal;
        if (c.start.empty()) {
            wxTEST_DIALOG(Click(IDC_CHART_SAVE), AnswerSaveDialog(c.typed, c.format, &proposal),
                          ExpectMessageBox(wxID_OK, c.file, kWarning, {}, chart_));
        } else {
            wxTEST_DIALOG(Click(IDC_CHART_SAVE), AnswerSaveDialog(c.typed, c.format, &proposal));
            EXPECT_EQ(ReadBytes(c.file).substr(0, c.start.size()), c.start);
        }
        EXPECT_EQ(proposal.name, "ギアチャート_50-34_12-14.png");
        EXPECT_EQ(proposal.folder, c.openedIn);
    }
    // Pressed while the keyboard is in the main window, as a screen reader may press it.
    FocusOn(Control(IDC_CADENCE));
    wxCommandEvent press(wxEVT_BUTTON, IDC_CHART_SAVE);
    wxTEST_DIALOG(chart_->FindWindow(IDC_CHART_SAVE)->GetEventHandler()->ProcessEvent(press),
                  AnswerSaveDialog("missing/chart", kPngFormat),
                  ExpectMessageBox(wxID_OK, text::kChartSaveNoFolder, kWarning, {}, chart_));
    EXPECT_TRUE(fs::is_empty("folder.png"));
    EXPECT_EQ(FilesIn(), 5u);
    EXPECT_EQ(FilesIn("out"), 2u);
}

}  // namespace
