#include "gear_data/gear_file.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

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

// The digest pins every byte: CP932, CR LF, the full-width spaces, nothing after "tEnd".
TEST(WriteDefaultGearFile, WritesThe688BytesOfTheDefaultFile) {
    ScratchFolder folder;
    EXPECT_EQ(WriteDefaultGearFile(), text::kGearFileCreated);
    EXPECT_EQ(ReadBytes(text::kGearFileName).size(), 688u);
    EXPECT_EQ(Sha256Of(text::kGearFileName),
              "597cacf60718d7a632c8977bb3228b9d123e9e7013b9d6fec3a4f45bd2846cb1");
}

TEST(WriteDefaultGearFile, SaysSoWhenItCannotWrite) {
    ScratchFolder folder;
    FailNextTextFileReplaceForTesting();
    EXPECT_EQ(WriteDefaultGearFile(), text::kGearFileWriteFailed);
    EXPECT_FALSE(FileExists(text::kGearFileName));
}

}  // namespace
