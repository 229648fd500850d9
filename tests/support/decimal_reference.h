// An exact decimal reference for the two-decimal formatter.
#pragma once

#include <string>

// "%.2f" worked out on the exact value: rounded to 17 significant digits (to nearest, ties
// to even, as the C library writes them), then half up at the second decimal. For finite
// values only.
std::string ReferenceFixed2(double value);
