#include "calc/speed_table.h"

#include <limits>

#include <gtest/gtest.h>

#include "calc/gear_figures.h"

namespace {

// One chainring and one sprocket, in the middle of the table, each other box empty.
struct CellCase {
    double chainring, sprocket, cadence, circumference;
    const char* expected;

    GearInputs Inputs() const {
        GearInputs in;
        in.cadence = cadence;
        in.sprocket[3] = sprocket;
        in.chainring[1] = chainring;
        in.circumference = circumference;
        return in;
    }
};

TEST(ComputeSpeedTable, SingleCells) {
    const double inf = std::numeric_limits<double>::infinity();
    const CellCase cases[] = {
        {50, 11, 90, 2096, "51.45"},
        {25, 12, 100, 2086, "26.08"},  // left to right; circumference before the division gives 26.07
        {50, 0, 90, 2096, ""},        // no sprocket: no division
        {50, 11, -90, 2096, ""},      // negative speed
        {50, -11, -90, 2096, "51.45"},  // two negatives make a positive speed
        {1, 1, 1, 1e20, "6000000000000000.00"},  // 19 characters
        {1, 1, 1, 1e21, "####"},      // its text would need more than 19 characters
        {1e200, 1, 1e200, 0, ""},     // infinite times zero is not a number
        {inf, 1, 1, 1, "####"},       // infinite
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(ComputeSpeedTable(c.Inputs())[1][3], c.expected)
            << c.chainring << " " << c.sprocket << " " << c.cadence << " " << c.circumference;
}

TEST(ComputeGearFigures, TellRatioDevelopmentAndGearInchesWhereTheCellShowsASpeed) {
    const CellCase cases[] = {
        {53, 11, 90, 2096, "53×11\nギア比 4.82\n展開 10.10 m\nギアインチ 126.6"},
        {9, 8, 90, 2000, "9×8\nギア比 1.13\n展開 2.25 m\nギアインチ 28.2"},  // 1.125 half up
        {52.5, 11.25, 90, 2105, "52.5×11.25\nギア比 4.67\n展開 9.82 m\nギアインチ 123.1"},
        {50, 0, 90, 2096, ""},       // zero sprocket: no speed
        {1, 1, 1e21, 1, ""},         // the cell shows #### though the gear's figures fit
        {1e300, 1e-300, 1e-300, 1e-290, ""},  // a finite speed, but an infinite ratio
    };
    for (const CellCase& c : cases) {
        const GearFigures figures = ComputeGearFigures(c.Inputs(), ComputeSpeedTable(c.Inputs()));
        EXPECT_EQ(figures[1][3], c.expected) << c.chainring << " " << c.sprocket;
        EXPECT_EQ(figures[0][0], "");
    }
}

}  // namespace
