#include "chart/chart_layout.h"

#include <gtest/gtest.h>

#include "res/strings.h"

namespace {

// A type of the usual measures: a Japanese character (two bytes) twice as wide as a digit.
ChartType TypeAt(int scale) {
    ChartType type;
    type.line = 17 * scale;
    type.smallLine = 14 * scale;
    type.width = [scale](const std::string& text, bool small) {
        int width = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
            width += (small ? 6 : 7) * (lead ? 2 : 1);
            if (lead) ++i;
        }
        return width * scale;
    };
    return type;
}

ChartSetup Gears(std::vector<double> chainrings, std::vector<double> sprockets) {
    return {std::move(chainrings), std::move(sprockets), 2105, 90, false};
}

const std::vector<double> kTwelve = {11, 12, 13, 14, 15, 16, 17, 19, 21, 24, 27, 30};
const std::vector<double> kTen = {11, 12, 13, 14, 15, 17, 19, 21, 23, 25};
const std::vector<double> kThirteen = {9, 10, 11, 12, 13, 14, 16, 18, 20, 23, 27, 31, 36};
const std::vector<double> kFifteen = {9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 21, 24, 28, 32, 36};

struct Case {
    const char* name;
    ChartSetup current;
    std::optional<ChartSetup> comparison;
    std::optional<CadenceBand> band;
};

const Case kCases[] = {
    {"2x12", Gears({50, 34}, kTwelve), std::nullopt, std::nullopt},
    {"3x10", Gears({28, 38, 48}, kTen), std::nullopt, std::nullopt},
    {"1x13", Gears({40}, kThirteen), std::nullopt, std::nullopt},
    {"3x15", Gears({30, 40, 52}, kFifteen), std::nullopt, std::nullopt},
    {"2x12 compared, banded", Gears({50, 34}, kTwelve), Gears({53, 39}, kTen), CadenceBand{80, 100}},
    {"3x15 compared, banded", Gears({30, 40, 52}, kFifteen), Gears({50, 34}, kTwelve), CadenceBand{80, 100}},
};

std::vector<std::optional<DevelopmentLimit>> Limits() {
    std::vector<std::optional<DevelopmentLimit>> limits{std::nullopt, ReadTypedLimit("7.93").limit};
    for (const LimitChoice& choice : LimitChoices())
        if (choice.millimetres > 0) limits.push_back(NamedLimit(choice));
    return limits;
}

std::string Describe(const ChartText& text) {
    return text.text + " at " + std::to_string(text.box.x) + "," + std::to_string(text.box.y) + " " +
           std::to_string(text.box.width) + "x" + std::to_string(text.box.height);
}

// Every setup with every limit, at the smallest drawing, at a large one and at scale 2: no
// text meets another text, a mark or a band's bar, and every sprocket and step is labelled.
TEST(ChartLayout, NothingCoversAnythingAndEveryGearIsLabelled) {
    const struct {
        int width, height, scale;
    } sizes[] = {{kMinChartWidth, kMinChartHeight, 1}, {1600, 1000, 1}, {2 * kMinChartWidth, 2 * kMinChartHeight, 2}};
    for (const Case& c : kCases)
        for (const auto& limit : Limits())
            for (const auto& size : sizes) {
                const GearSet current = BuildGearSet(c.current, limit);
                std::optional<GearSet> comparison;
                if (c.comparison) comparison = BuildGearSet(*c.comparison, limit);
                const ChartScene scene{&current, limit, comparison ? &*comparison : nullptr, c.band};
                const ChartLayout layout = LayOutChart(scene, size.width, size.height, TypeAt(size.scale));
                const std::string where = std::string(c.name) + " " + (limit ? limit->name : "-") + " " +
                                          std::to_string(size.width) + "x" + std::to_string(size.height);

                std::vector<ChartBox> solid;
                for (const ChartMark& mark : layout.marks) solid.push_back(mark.Box());
                for (const ChartLine& line : layout.lines)
                    if (line.ink == ChartInk::Mark)  // a band's bar
                        solid.push_back({line.x1, line.y1 - line.width / 2, line.x2 - line.x1, line.width});
                for (std::size_t i = 0; i < layout.texts.size(); ++i) {
                    const ChartText& text = layout.texts[i];
                    for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
                        EXPECT_FALSE(text.box.Meets(layout.texts[j].box))
                            << where << ": " << Describe(text) << " / " << Describe(layout.texts[j]);
                    for (const ChartBox& box : solid)
                        EXPECT_FALSE(text.box.Meets(box)) << where << ": " << Describe(text);
                    EXPECT_GE(text.box.y, 0) << where << ": " << Describe(text);
                    EXPECT_LE(text.box.y + text.box.height, size.height) << where << ": " << Describe(text);
                }

                std::size_t gears = 0, steps = 0;
                for (const GearSet* set : {&current, comparison ? &*comparison : static_cast<const GearSet*>(nullptr)})
                    if (set)
                        for (const ChartRow& row : set->rows) gears += row.gears.size(), steps += row.gears.size() - 1;
                std::size_t small = 0;
                for (const ChartText& text : layout.texts) small += text.small;
                EXPECT_EQ(layout.marks.size(), gears) << where;
                EXPECT_EQ(small, gears + steps) << where;
            }
}

TEST(ChartLayout, TheComparisonAndTheLimitSayWhatTheyAre) {
    const GearSet current = BuildGearSet(Gears({50, 34}, kTwelve), std::nullopt);
    const GearSet comparison = BuildGearSet({{53, 39}, kTen, 2096, 85, false}, std::nullopt);
    const auto limit = ReadTypedLimit("7.93").limit;
    const ChartLayout layout = LayOutChart({&current, limit, &comparison, std::nullopt}, 1600, 1000, TypeAt(1));
    std::vector<std::string> texts;
    for (const ChartText& text : layout.texts) texts.push_back(text.text);
    for (const std::string& expected : {std::string("比較 53-39 / 2096 mm / 85 rpm"), std::string("指定 7.930 m"),
                                       std::string("速度 km/h (現在の回転数 90 rpm)"), std::string("比較 53T"),
                                       std::string("50T")})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
}

// Rows that cannot have room even without labels are left out rather than drawn over the scales
// (the window's minimum size keeps this from happening on screen).
TEST(ChartLayout, RowsWithoutRoomAreNotDrawn) {
    const GearSet current = BuildGearSet(Gears({50, 40, 30}, kTwelve), std::nullopt);
    const ChartLayout layout = LayOutChart({&current, std::nullopt, &current, std::nullopt}, kMinChartWidth, 200, TypeAt(1));
    EXPECT_TRUE(layout.texts.empty());
    EXPECT_TRUE(layout.marks.empty());
    EXPECT_TRUE(layout.lines.empty());
}

TEST(ChartLayout, BeforeTheFirstPressAndWithoutGearsItSaysSo) {
    const GearSet none = BuildGearSet(Gears({0}, {11}), std::nullopt);
    for (const auto& [scene, words] : {std::pair{ChartScene{}, text::kChartBeforeFirstPress},
                                       std::pair{ChartScene{&none, std::nullopt, nullptr, std::nullopt}, text::kChartNoGear}}) {
        const ChartLayout layout = LayOutChart(scene, 800, 400, TypeAt(1));
        ASSERT_EQ(layout.texts.size(), 1u);
        EXPECT_EQ(layout.texts[0].text, words);
        EXPECT_TRUE(layout.marks.empty());
    }
}

}  // namespace
