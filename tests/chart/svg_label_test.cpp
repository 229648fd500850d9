#include "chart/svg_label.h"

#include <gtest/gtest.h>

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(SvgLabel, FillsTheFirstTitleAndDescriptionEscaped) {
    const std::string svg = "<svg><title>old</title>\n<desc>wx</desc><g><title>keep</title></g></svg>";
    EXPECT_EQ(LabelSvg(svg, "50 & <34>", {"ギア", "a>b"}),
              Utf8(u8"<svg><title>50 &amp; &lt;34&gt;</title>\n<desc>ギア\na&gt;b</desc><g><title>keep</title></g></svg>"));
    EXPECT_EQ(LabelSvg("<svg><title></title><desc></desc></svg>", "t", {}), "<svg><title>t</title><desc></desc></svg>");
}

}  // namespace
