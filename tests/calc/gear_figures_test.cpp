#include "calc/gear_figures.h"

#include <gtest/gtest.h>

namespace {

struct FiguresCase {
    double chainring, sprocket, cadence, circumference;
    const char* expected;
};

TEST(ComputeGearFigures, TellRatioDevelopmentAndGearInchesWhereTheCellShowsASpeed) {
    const FiguresCase cases[] = {
        {53, 11, 90, 2096, "53×11\nギア比 4.82\n展開 10.10 m\nギアインチ 126.6"},
        {9, 8, 90, 2000, "9×8\nギア比 1.13\n展開 2.25 m\nギアインチ 28.2"},  // 1.125 half up
        {52.5, 11.25, 90, 2105, "52.5×11.25\nギア比 4.67\n展開 9.82 m\nギアインチ 123.1"},
        {50, 0, 90, 2096, ""},       // zero sprocket
        {50, 11, -90, 2096, ""},     // no speed
        {1, 1, 1, 1e21, ""},         // the cell's text needs more than 19 characters
        {1e300, 1e-300, 1e-300, 1e-290, ""},  // a finite speed, but an infinite ratio
    };
    for (const FiguresCase& c : cases) {
        GearInputs in;
        in.cadence = c.cadence;
        in.sprocket[9] = c.sprocket;
        in.chainring[2] = c.chainring;
        in.circumference = c.circumference;
        const GearFigures figures = ComputeGearFigures(in);
        EXPECT_EQ(figures[2][9], c.expected) << c.chainring << " " << c.sprocket;
        EXPECT_EQ(figures[0][0], "");
    }
}

}  // namespace
