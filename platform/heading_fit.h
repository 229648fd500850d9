// Where a line of headings falls over a row of boxes: one heading over each box, drawn in
// one label whose text keeps its own spacing.
#pragma once

#include <span>

// How to redraw the line: its font's size times `scale`, the label moved right by `shift`
// pixels (left when negative).
struct HeadingFit {
    double scale = 1;
    double shift = 0;
};

// The scale and shift that bring the headings' centres, as measured in the label now
// (pixels from its left edge), nearest to their boxes' centres (pixels in the same
// coordinates), by least squares: the text grows from the label's left edge. Fewer than
// two headings, or headings all at one place, keep the scale and only shift.
HeadingFit FitHeadings(std::span<const double> headingCentres, std::span<const double> boxCentres);

// The shift alone that brings them nearest, for a font already chosen.
double CentringShift(std::span<const double> headingCentres, std::span<const double> boxCentres);
