#include "chart/table_text.h"

#include <gtest/gtest.h>

namespace {

// CP932 cells (the program's texts) with the characters a CSV field must quote.
const TextTable kTable = {{"ギア", "速度 km/h"},
                          {{"53×11", "52.10"}, {"a,b", "say \"hi\""}, {"x\ny", "z"}}};

TEST(TableAsCsv, IsUtf8WithAByteOrderMarkCrLfAndQuotedFields) {
    EXPECT_EQ(TableAsCsv(kTable),
              "\xEF\xBB\xBF"
              "\xE3\x82\xAE\xE3\x82\xA2,\xE9\x80\x9F\xE5\xBA\xA6 km/h\r\n"
              "53\xC3\x97"
              "11,52.10\r\n"
              "\"a,b\",\"say \"\"hi\"\"\"\r\n"
              "\"x\ny\",z\r\n");
}

TEST(TableAsTsv, CopiesTheSelectedRowsInTableOrderOrAllAfterTheHeader) {
    const std::string header = "ギア\t速度 km/h\n";
    EXPECT_EQ(TableAsTsv(kTable, {}), header + "53×11\t52.10\na,b\tsay \"hi\"\nx y\tz\n");
    EXPECT_EQ(TableAsTsv(kTable, {2, 0}), header + "53×11\t52.10\nx y\tz\n");
}

}  // namespace
