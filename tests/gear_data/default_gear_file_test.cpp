#include "gear_data/gear_file.h"

#include <string>

#include <gtest/gtest.h>

#include "res/strings.h"
#include "tests/support/scratch_folder.h"

namespace {

// The stored copy pins every byte: CP932, CR LF, the full-width spaces, nothing after
// "tEnd" (its SHA-256 is 597cacf6...2846cb1).
TEST(WriteDefaultGearFile, WritesThe688BytesOfTheDefaultFile) {
    const std::string expected = ReadBytes(VELMOR_TEST_DATA_DIR "/default_Velmor.ini");
    ASSERT_EQ(expected.size(), 688u);
    ScratchFolder folder;
    EXPECT_EQ(WriteDefaultGearFile(), text::kGearFileCreated);
    EXPECT_EQ(ReadBytes(text::kGearFileName), expected);
}

}  // namespace
