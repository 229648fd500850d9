#include "chart/chart_layout.h"

#include <algorithm>
#include <cmath>

#include "calc/gear_figures.h"
#include "calc/speed_table.h"
#include "calc/units.h"
#include "chart/chart_axis.h"
#include "chart/setup_text.h"
#include "res/strings.h"

bool ChartBox::Meets(const ChartBox& other) const {
    return x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
           other.y < y + height;
}

ChartBox ChartMark::Box() const {
    const int reach = diamond ? 2 * radius : radius;
    return {x - reach, y - reach, 2 * reach + 1, 2 * reach + 1};
}

namespace {

// Tick labels stand at least this many label heights apart.
constexpr int kTickSpacingLines = 4;
// Band lanes stand at least this many pixels apart, so that a lane's line has a gap below.
constexpr int kMinLaneGap = 3;
// Neighbouring gears' bands overlap, so they take turns on this many lanes.
constexpr int kBandLanes = 3;

// A label that wants to stand centred over or under x, on the first tier where it keeps
// clear of the labels already there.
struct TierLabel {
    std::string text;
    int centre = 0;
    int width = 0;
    ChartInk ink = ChartInk::Text;
    int start = 0;
    int tier = 0;
};

// Left to right, each label on the nearest tier where it clears its neighbours; returns the
// number of tiers used.
int AssignTiers(std::vector<TierLabel>& labels, int gap, int left) {
    std::vector<int> ends;
    for (TierLabel& label : labels) {
        label.start = std::max(left, label.centre - label.width / 2);
        std::size_t tier = 0;
        while (tier < ends.size() && label.start < ends[tier] + gap) ++tier;
        if (tier == ends.size()) ends.push_back(label.start);
        ends[tier] = label.start + label.width;
        label.tier = static_cast<int>(tier);
    }
    return static_cast<int>(ends.size());
}

// One chainring's row of the drawing, with its labels on tiers.
struct RowPlan {
    const GearSet* set = nullptr;
    const ChartRow* row = nullptr;
    std::string label;
    bool muted = false;
    std::vector<int> xs;  // each gear's mark
    std::vector<TierLabel> sprockets, steps;
    int sprocketTiers = 0, stepTiers = 0;
};

// The measures that every part of the layout shares.
struct Metrics {
    int line, small, pad, radius, reach, laneGap;
};

// Rows show at most this many tiers of labels; more are left out where room is short.
struct TierLimit {
    int sprockets, steps;
};

int RowHeight(const RowPlan& plan, const Metrics& m, const TierLimit& limit, bool band) {
    const int above = std::min(plan.sprocketTiers, limit.sprockets) * m.small;
    const int below = std::min(plan.stepTiers, limit.steps) * m.small;
    const int lanes = band ? kBandLanes * m.laneGap + m.pad / 2 : 0;
    return std::max(m.line, above + 2 * m.reach + 2 * (m.pad / 2)) + below + lanes + m.pad / 2;
}

class Layout {
public:
    Layout(const ChartScene& scene, int width, int height, const ChartType& type)
        : scene_(scene), width_(width), height_(height), type_(type) {}

    ChartLayout Run();

private:
    void Words(const char* words);
    int Width(const std::string& text, bool small) const { return type_.width(text, small); }
    void Text(std::string text, int x, int y, ChartInk ink, bool muted, bool small);
    void CentredText(std::string text, int x, int y, ChartInk ink, bool small);
    void PlanRows();
    void AddRow(const RowPlan& plan, int top, int height, const TierLimit& limit);
    void AddScales(int plotTop, int plotBottom);
    void AddLimit(int stripTop, int plotTop, int plotBottom);
    int AtPosition(double position) const { return left_ + static_cast<int>(std::lround(position * (right_ - left_))); }
    int X(double development) const { return AtPosition(axis_.Position(development)); }

    const ChartScene& scene_;
    int width_, height_;
    const ChartType& type_;
    ChartLayout out_;
    Metrics m_{};
    ChartAxis axis_;
    std::optional<CadenceBand> band_;  // over the current set's cadence, as developments
    int left_ = 0, right_ = 0;
    std::vector<RowPlan> rows_;
    std::size_t currentRows_ = 0;
};

void Layout::Words(const char* words) {
    const std::string text = words;
    Text(text, (width_ - Width(text, false)) / 2, (height_ - m_.line) / 2, ChartInk::Text, false, false);
}

void Layout::Text(std::string text, int x, int y, ChartInk ink, bool muted, bool small) {
    const int w = Width(text, small);
    out_.texts.push_back({std::move(text), {x, y, w, small ? m_.small : m_.line}, ink, muted, small});
}

void Layout::CentredText(std::string text, int x, int y, ChartInk ink, bool small) {
    const int w = Width(text, small);
    Text(std::move(text), x - w / 2, y, ink, false, small);
}

void Layout::PlanRows() {
    const auto add = [this](const GearSet& set, bool muted, const std::string& prefix) {
        for (const ChartRow& row : set.rows) rows_.push_back({&set, &row, prefix + row.label, muted, {}, {}, {}, 0, 0});
    };
    add(*scene_.current, false, "");
    currentRows_ = rows_.size();
    if (scene_.comparison) add(*scene_.comparison, true, text::kSetComparison + std::string(" "));

    const double cadence = scene_.current->cadence;
    if (scene_.band && cadence > 0) band_ = CadenceBand{scene_.band->low / cadence, scene_.band->high / cadence};
    for (const RowPlan& plan : rows_)
        for (std::size_t g : plan.row->gears) {
            const double development = plan.set->gears[g].development;
            axis_.Include(development);
            if (band_) {
                axis_.Include(development * band_->low);
                axis_.Include(development * band_->high);
            }
        }
    if (scene_.limit) axis_.Include(static_cast<double>(scene_.limit->millimetres) / kMmPerM);

    int labelWidth = 0;
    for (const RowPlan& plan : rows_) labelWidth = std::max(labelWidth, Width(plan.label, false));
    left_ = 2 * m_.pad + labelWidth;
    right_ = width_ - 3 * m_.line;
    for (RowPlan& plan : rows_) {
        const std::vector<std::size_t>& gears = plan.row->gears;
        for (std::size_t i = 0; i < gears.size(); ++i) {
            const ChartGear& gear = plan.set->gears[gears[i]];
            const int x = X(gear.development);
            plan.xs.push_back(x);
            const std::string teeth = TeethText(gear.sprocket).value_or(kCellOverflow);
            plan.sprockets.push_back({teeth, x, Width(teeth, true), gear.overLimit ? ChartInk::Warning : ChartInk::Mark});
            if (i == 0) continue;
            const std::string step = gear.cells[kStepColumn] + "%";
            plan.steps.push_back({step, (plan.xs[i - 1] + x) / 2, Width(step, true), ChartInk::Text});
        }
        plan.sprocketTiers = AssignTiers(plan.sprockets, m_.pad / 2, left_);
        plan.stepTiers = AssignTiers(plan.steps, m_.pad / 2, left_);
    }
}

void Layout::AddRow(const RowPlan& plan, int top, int height, const TierLimit& limit) {
    const int above = std::min(plan.sprocketTiers, limit.sprockets) * m_.small;
    const int y = top + std::max(above + m_.reach + m_.pad / 2, m_.line / 2) +
                  (height - RowHeight(plan, m_, limit, band_.has_value())) / 2;
    Text(plan.label, left_ - m_.pad - Width(plan.label, false), y - m_.line / 2, ChartInk::Text, plan.muted, false);
    out_.lines.push_back({left_, y, right_, y, ChartInk::Grid, false, 1, false});
    for (std::size_t i = 0; i < plan.xs.size(); ++i) {
        const ChartGear& gear = plan.set->gears[plan.row->gears[i]];
        out_.marks.push_back({plan.xs[i], y, m_.radius, gear.overLimit ? ChartInk::Warning : ChartInk::Mark,
                              plan.muted, gear.nearest.has_value()});
    }
    for (const TierLabel& label : plan.sprockets)
        if (label.tier < limit.sprockets)
            Text(label.text, label.start, y - m_.reach - m_.pad / 2 - (label.tier + 1) * m_.small, label.ink,
                 plan.muted, true);
    const int stepsTop = y + m_.reach + m_.pad / 2;
    for (const TierLabel& label : plan.steps)
        if (label.tier < limit.steps)
            Text(label.text, label.start, stepsTop + label.tier * m_.small, label.ink, plan.muted, true);
    if (!band_) return;
    const int lanesTop = stepsTop + std::min(plan.stepTiers, limit.steps) * m_.small + m_.pad / 2;
    for (std::size_t i = 0; i < plan.xs.size(); ++i) {
        const double development = plan.set->gears[plan.row->gears[i]].development;
        const int laneY = lanesTop + m_.laneGap * static_cast<int>(i % kBandLanes);
        out_.lines.push_back({X(development * band_->low), laneY, X(development * band_->high) + 1, laneY,
                              ChartInk::Mark, plan.muted, m_.laneGap - 1, false});
    }
}

void Layout::AddScales(int plotTop, int plotBottom) {
    const int maxTicks = std::max(2, (right_ - left_) / (kTickSpacingLines * m_.line));
    out_.lines.push_back({left_, plotBottom, right_, plotBottom, ChartInk::Grid, false, 1, false});
    for (const ChartTick& tick : axis_.DevelopmentTicks(maxTicks)) {
        const int x = AtPosition(tick.position);
        out_.lines.push_back({x, plotTop, x, plotBottom + m_.pad, ChartInk::Grid, false, 1, false});
        CentredText(tick.label, x, plotBottom + m_.pad, ChartInk::Text, false);
    }
    CentredText(text::kDevelopmentAxis, (left_ + right_) / 2, plotBottom + m_.pad + m_.line, ChartInk::Text, false);
    const double cadence = scene_.current->cadence;
    if (!(cadence > 0)) return;
    const int ticksTop = m_.pad + m_.line;
    out_.lines.push_back({left_, plotTop, right_, plotTop, ChartInk::Grid, false, 1, false});
    for (const ChartTick& tick : axis_.SpeedTicks(cadence, maxTicks)) {
        const int x = AtPosition(tick.position);
        out_.lines.push_back({x, ticksTop + m_.line, x, plotTop, ChartInk::Grid, false, 1, false});
        CentredText(tick.label, x, ticksTop, ChartInk::Text, false);
    }
    CentredText(text::kSpeedAxisBefore + TeethText(cadence).value_or(kCellOverflow) + text::kSpeedAxisAfter,
                (left_ + right_) / 2, m_.pad, ChartInk::Text, false);
}

// The limit's line runs through the rows; its label stands in a strip of its own above them.
void Layout::AddLimit(int stripTop, int plotTop, int plotBottom) {
    const DevelopmentLimit& limit = *scene_.limit;
    const int x = X(static_cast<double>(limit.millimetres) / kMmPerM);
    out_.lines.push_back({x, plotTop, x, plotBottom, ChartInk::Warning, false, std::max(1, m_.line / 8), true});
    const int w = Width(limit.name, false);
    const int labelX = x + m_.pad / 2 + w <= width_ ? x + m_.pad / 2 : std::max(0, x - m_.pad / 2 - w);
    Text(limit.name, labelX, stripTop, ChartInk::Warning, false, false);
}

ChartLayout Layout::Run() {
    m_.line = type_.line;
    m_.small = type_.smallLine;
    m_.pad = m_.line / 2;
    m_.radius = std::max(3, m_.line / 3);
    m_.reach = 2 * m_.radius;
    m_.laneGap = std::max(kMinLaneGap, m_.line / 5);
    if (!scene_.current) {
        Words(text::kChartBeforeFirstPress);
        return std::move(out_);
    }
    if (scene_.current->gears.empty()) {
        Words(text::kChartNoGear);
        return std::move(out_);
    }
    PlanRows();
    if (right_ <= left_) return {};

    std::vector<std::string> legends;
    if (std::any_of(scene_.current->gears.begin(), scene_.current->gears.end(),
                    [](const ChartGear& g) { return g.nearest.has_value(); }))
        legends.push_back(text::kNearGearLegend);
    if (scene_.comparison) legends.push_back(text::kSetComparison + std::string(" ") + SetupLegend(*scene_.comparison));

    const int stripTop = scene_.current->cadence > 0 ? m_.pad + 2 * m_.line + m_.pad : m_.pad;
    const int plotTop = stripTop + (scene_.limit ? m_.line + m_.pad / 2 : 0);
    const int bottomRoom = m_.pad + 2 * m_.line + static_cast<int>(legends.size()) * m_.line + m_.pad;
    const int room = height_ - bottomRoom - plotTop - (scene_.comparison ? m_.pad : 0);

    // Fewer tiers of labels where the rows need more room than there is.
    TierLimit limit{0, 0};
    for (const RowPlan& plan : rows_) {
        limit.sprockets = std::max(limit.sprockets, plan.sprocketTiers);
        limit.steps = std::max(limit.steps, plan.stepTiers);
    }
    const auto needed = [&] {
        int sum = 0;
        for (const RowPlan& plan : rows_) sum += RowHeight(plan, m_, limit, band_.has_value());
        return sum;
    };
    while (needed() > room && (limit.sprockets > 0 || limit.steps > 0)) {
        if (limit.steps >= limit.sprockets && limit.steps > 0)
            --limit.steps;
        else
            --limit.sprockets;
    }
    if (needed() > room) return {};

    const int spare = (room - needed()) / static_cast<int>(rows_.size());
    int top = plotTop;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (r == currentRows_) top += m_.pad;  // the comparison stands apart
        const int height = RowHeight(rows_[r], m_, limit, band_.has_value()) + spare;
        AddRow(rows_[r], top, height, limit);
        top += height;
    }
    const int plotBottom = top;
    AddScales(plotTop, plotBottom);
    if (scene_.limit) AddLimit(stripTop, plotTop, plotBottom);
    int legendY = plotBottom + m_.pad + 2 * m_.line;
    for (const std::string& legend : legends) {
        Text(legend, m_.pad, legendY, ChartInk::Text, false, false);
        legendY += m_.line;
    }
    return std::move(out_);
}

}  // namespace

ChartLayout LayOutChart(const ChartScene& scene, int width, int height, const ChartType& type) {
    return Layout(scene, width, height, type).Run();
}
