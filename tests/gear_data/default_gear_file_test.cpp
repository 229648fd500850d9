#include "gear_data/gear_file.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "gear_data/gear_tables.h"
#include "platform/text_file.h"
#include "res/strings.h"
#include "tests/gear_data/scratch_folder.h"

namespace {

std::string Sha256Of(const char* name) {
    FILE* pipe = popen((std::string("sha256sum ") + name).c_str(), "r");
    char digest[65] = {};
    if (pipe == nullptr || std::fscanf(pipe, "%64s", digest) != 1) ADD_FAILURE() << "no sha256sum";
    if (pipe) pclose(pipe);
    return digest;
}

std::string Line(const std::string& text, int number) {
    std::size_t begin = 0;
    for (int i = 1; i < number; ++i) begin = text.find('\n', begin) + 1;
    return text.substr(begin, text.find('\n', begin) - begin);
}

TEST(WriteDefaultGearFile, WritesThe688BytesOfTheDefaultFile) {
    ScratchFolder folder;
    EXPECT_EQ(WriteDefaultGearFile(), text::kGearFileCreated);
    const std::string bytes = ReadBytes(text::kGearFileName);
    EXPECT_EQ(bytes.size(), 688u);
    EXPECT_EQ(Sha256Of(text::kGearFileName),
              "597cacf60718d7a632c8977bb3228b9d123e9e7013b9d6fec3a4f45bd2846cb1");
    EXPECT_TRUE(bytes.ends_with("\r\ntEnd"));
}

TEST(WriteDefaultGearFile, HasAFullWidthSpaceInLines5_12And19Only) {
    const std::string text = DefaultGearFileText();
    for (int number = 1; number <= 35; ++number) {
        const bool wide = Line(text, number).find("\x81\x40") != std::string::npos;
        EXPECT_EQ(wide, number == 5 || number == 12 || number == 19) << number;
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 34);
    EXPECT_EQ(Line(text, 35), "tEnd");
}

TEST(WriteDefaultGearFile, ReadsBackAsTheDefaultLists) {
    ScratchFolder folder;
    WriteDefaultGearFile();
    TextFileReader file(text::kGearFileName);
    ReadGearSections(file, CranksetList, CassetteList, TyreList);
    ASSERT_EQ(CranksetList.count, 2);
    EXPECT_EQ(CranksetList.Entry(1), "28-38-48\n");
    ASSERT_EQ(CassetteList.count, 2);
    EXPECT_EQ(CassetteList.Entry(0), "Cassette\n");
    ASSERT_EQ(TyreList.count, 15);
    EXPECT_EQ(TyreList.Entry(0), "Tire surroundings\n");
    EXPECT_EQ(TyreList.Entry(7), "700CTubular-2130\n");
    EXPECT_EQ(TyreList.Entry(14), "700x44C-2224\n");

    SplitCassetteEntry(1);
    const auto cassette = CassetteFields.Texts();
    EXPECT_EQ(cassette[6], "13");
    EXPECT_EQ(cassette[7], "12\n");
    EXPECT_EQ(cassette[8], "");
}

TEST(WriteDefaultGearFile, SaysSoWhenItCannotWrite) {
    ScratchFolder folder;
    FailNextTextFileReplaceForTesting();
    EXPECT_EQ(WriteDefaultGearFile(), text::kGearFileWriteFailed);
    EXPECT_FALSE(FileExists(text::kGearFileName));
}

}  // namespace
