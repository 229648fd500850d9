#include "chart/chart_caption.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const ChartSetup kSetup{{50, 0, 34}, {11, 12, 0, 13, 30}, 2105, 90, false};
const ChartSetup kComparison{{52}, {14, 12}, 2100.5, 87.25, false};
const DevelopmentLimit kJunior = NamedLimit(LimitChoices()[LimitChoicePosition(7930)]);

TEST(ChartCaption, TellsTheSetupTheLimitWithItsSummaryAndTheComparison) {
    const struct {
        std::optional<DevelopmentLimit> limit;
        const ChartSetup* comparison;
        Lines tail;  // after the setup's four lines
    } cases[] = {
        {std::nullopt, nullptr, {"展開の制限: 制限なし"}},
        {kJunior, nullptr, {"展開の制限: JCF ジュニア 7.93 m", "制限内の最大ギア 34×11 展開 6.506 m (余裕 1.424 m)"}},
        {DevelopmentLimit{"指定 2.000 m", 2000}, &kComparison,
         {"展開の制限: 指定 2.000 m", "制限内のギアがありません。",
          "比較 チェーンリング: 52 / スプロケット: 14-12 / タイヤ周長: 2100.5 mm / ケイデンス: 87.25 rpm"}},
    };
    const Lines head = {"チェーンリング: 50-34", "スプロケット: 11-12-13-30", "タイヤ周長: 2105 mm",
                        "ケイデンス: 90 rpm"};
    for (const auto& c : cases) {
        Lines expected = head;
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(ChartCaption(kSetup, BuildGearSet(kSetup, c.limit), c.limit, c.comparison), expected);
    }
}

}  // namespace
