#include "platform/heading_fit.h"

#include <algorithm>
#include <numeric>

namespace {

double Mean(std::span<const double> values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

}  // namespace

double CentringShift(std::span<const double> headingCentres, std::span<const double> boxCentres) {
    const std::size_t n = std::min(headingCentres.size(), boxCentres.size());
    if (n == 0) return 0;
    return Mean(boxCentres.first(n)) - Mean(headingCentres.first(n));
}

HeadingFit FitHeadings(std::span<const double> headingCentres, std::span<const double> boxCentres) {
    const std::size_t n = std::min(headingCentres.size(), boxCentres.size());
    const std::span<const double> headings = headingCentres.first(n);
    const std::span<const double> boxes = boxCentres.first(n);
    if (n < 2) return {1, CentringShift(headings, boxes)};
    const double headingMean = Mean(headings);
    const double boxMean = Mean(boxes);
    double covariance = 0;
    double variance = 0;
    for (std::size_t i = 0; i < n; ++i) {
        covariance += (headings[i] - headingMean) * (boxes[i] - boxMean);
        variance += (headings[i] - headingMean) * (headings[i] - headingMean);
    }
    if (variance == 0 || covariance <= 0) return {1, CentringShift(headings, boxes)};
    const double scale = covariance / variance;
    return {scale, boxMean - scale * headingMean};
}
