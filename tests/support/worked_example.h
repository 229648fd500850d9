// The gear boxes of the example that the help page works through: a 28-38-48 crankset, an
// eight-speed 24-12 cassette, a 700x23C tyre (2096 mm) at 90 rpm.
#pragma once

#include "res/resource_ids.h"

inline constexpr struct {
    int id;
    const char* text;
} kWorkedExample[] = {
    {IDC_SPROCKET_FIRST, "24"},     {IDC_SPROCKET_FIRST + 1, "21"}, {IDC_SPROCKET_FIRST + 2, "18"},
    {IDC_SPROCKET_FIRST + 3, "16"}, {IDC_SPROCKET_FIRST + 4, "15"}, {IDC_SPROCKET_FIRST + 5, "14"},
    {IDC_SPROCKET_FIRST + 6, "13"}, {IDC_SPROCKET_FIRST + 7, "12"}, {IDC_SPROCKET_FIRST + 8, ""},
    {IDC_SPROCKET_FIRST + 9, ""},   {IDC_CHAINRING_FIRST, "28"},    {IDC_CHAINRING_FIRST + 1, "38"},
    {IDC_CHAINRING_FIRST + 2, "48"}, {IDC_CIRCUMFERENCE, "2096"},  {IDC_CADENCE, "90"},
};
