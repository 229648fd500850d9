// A picture as a PNG file's bytes. Written here rather than by the toolkit, as the
// Windows build's toolkit carries no PNG library.
#pragma once

#include <string>
#include <string_view>

// `rgb` holds height rows of width pixels, three bytes (red, green, blue) each, top row
// first. The image data is stored without compression: every decoder reads it, and the
// chart's pictures are small.
std::string EncodePng(int width, int height, std::string_view rgb);
