#include "chart/png_image.h"

#include <string>

#include <gtest/gtest.h>

namespace {

std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

TEST(EncodePng, WritesRowsUnfilteredInStoredDeflateBlocks) {
    // As zlib writes them at level 0, with each chunk's CRC.
    const std::string rgb = FromHex("ff000000ff000000ff010203");
    EXPECT_EQ(EncodePng(2, 2, rgb),
              FromHex("89504e470d0a1a0a0000000d4948445200000002000000020802000000fdd49a73"
                      "00000019494441547801010e00f1ff00ff000000ff00000000ff01020319fe0304"
                      "8c41ae930000000049454e44ae426082"));
}

TEST(EncodePng, SplitsLargeImagesIntoBlocksOfAtMost65535Bytes) {
    // 100 rows of 901 bytes: one full block and one of the remaining 24565.
    const std::string png = EncodePng(300, 100, std::string(300 * 100 * 3, '\x7f'));
    EXPECT_EQ(png.size(), 90173u);
    EXPECT_EQ(png.substr(43, 5), FromHex("00ffff0000"));
    EXPECT_EQ(png.substr(43 + 5 + 65535, 5), FromHex("01f55f0aa0"));
}

}  // namespace
