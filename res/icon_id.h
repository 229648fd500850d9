// The program icon's number among the executable's resources. The resource compiler reads
// this file too, hence a plain #define.
#pragma once

#define IDI_VELMOR 128
