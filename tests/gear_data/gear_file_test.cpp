#include "gear_data/gear_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "res/strings.h"
#include "tests/gear_data/scratch_folder.h"

namespace {

using Lines = std::vector<std::string>;

struct ReadLists {
    Lines crankset, cassette, tyre;
};

Lines EntriesOf(const GearList& list) {
    Lines lines;
    for (int i = 0; i < list.count; ++i) lines.emplace_back(list.Entry(i));
    return lines;
}

ReadLists ReadFile(const std::string& bytes) {
    WriteBytes(text::kGearFileName, bytes);
    TextFileReader file(text::kGearFileName);
    EXPECT_TRUE(file.IsOpen());
    GearList crankset, cassette, tyre;
    ReadGearSections(file, crankset, cassette, tyre);
    return {EntriesOf(crankset), EntriesOf(cassette), EntriesOf(tyre)};
}

std::string Repeat(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += line;
    return out;
}

struct ReadCase {
    const char* what;
    std::string file;
    ReadLists lists;
};

const std::string k98(98, 'x');
const std::string k99(99, 'x');

const ReadCase kReadCases[] = {
    {"an empty file", "", {}},
    {"only comments", "//Fr\r\n//Ca\r\n//Ti\r\n//", {}},
    {"the three sections, CR LF read as LF",
     "Front\r\n28-38-48\r\nfEnd\r\n\r\nCassette\r\n24-21\r\ncEnd\r\nTire\r\n700x23C-2096\r\ntEnd",
     {{"Front\n", "28-38-48\n"}, {"Cassette\n", "24-21\n"}, {"Tire\n", "700x23C-2096\n"}}},
    {"lines outside the sections are dropped", "x\r\nFr\r\n1\r\nfE\r\ny\r\n", {{"Fr\n", "1\n"}, {}, {}}},
    {"a comment inside a section is no choice; an empty line is one",
     "Fr\r\n//34-50\r\n\r\n1-2\r\nfE\r\n", {{"Fr\n", "\n", "1-2\n"}, {}, {}}},
    {"a single slash is an ordinary line", "Ca\r\n/1\r\n", {{}, {"Ca\n", "/1\n"}, {}}},
    {"markers are case-sensitive", "fr\r\nFr\r\nca\r\nFE\r\nfE\r\n", {{"Fr\n", "ca\n", "FE\n"}, {}, {}}},
    {"a section without its end line runs to the end of the file", "Ti\r\n700-2100\r\nlast",
     {{}, {}, {"Ti\n", "700-2100\n", "last"}}},
    {"overlapping sections store a line in both; cE becomes a crankset choice",
     "Fr\r\nCa\r\nA\r\ncEnd\r\nB\r\nfEnd\r\nC\r\n",
     {{"Fr\n", "Ca\n", "A\n", "cEnd\n", "B\n"}, {"Ca\n", "A\n"}, {}}},
    {"a section opened again appends, its opening line a choice",
     "Fr\r\n1\r\nfE\r\nFr2\r\n2\r\nfE\r\n", {{"Fr\n", "1\n", "Fr2\n", "2\n"}, {}, {}}},
    {"an opening line read while its section is open is one more entry", "Fr\r\nFront\r\n",
     {{"Fr\n", "Front\n"}, {}, {}}},
    {"a line of 98 bytes is read whole", "Fr\r\n" + k98 + "\r\n", {{"Fr\n", k98 + "\n"}, {}, {}}},
    {"a line of 99 bytes leaves its line feed alone", "Fr\r\n" + k99 + "\r\n",
     {{"Fr\n", k99, "\n"}, {}, {}}},
    {"a line of 100 bytes", "Fr\r\n" + k99 + "y\r\n", {{"Fr\n", k99, "y\n"}, {}, {}}},
    {"the rest of a 120-byte line is classified by its own first bytes",
     "Ti\r\n" + k99 + "tE" + std::string(19, 'z') + "\r\nafter\r\n",
     {{}, {}, {"Ti\n", k99}}},
    {"a lone CR stays inside its line", "Fr\r\n2\r8\r\n", {{"Fr\n", "2\r8\n"}, {}, {}}},
    {"an entry ends at a NUL byte", std::string("Fr\r\n28\0-38\r\n", 12), {{"Fr\n", "28"}, {}, {}}},
    {"invalid CP932 bytes are kept as they are",
     "Ca\r\n\x80-\xA0-\xFD\xFE\xFF\r\n50\x82\r\n",
     {{}, {"Ca\n", "\x80-\xA0-\xFD\xFE\xFF\n", "50\x82\n"}, {}}},
    {"a UTF-8 file with a byte order mark: the first line is no marker",
     "\xEF\xBB\xBF" "Front\r\n1\r\nfEnd\r\nTi\r\n\xE3\x82\xBF-2100\r\n",
     {{}, {}, {"Ti\n", "\xE3\x82\xBF-2100\n"}}},
};

TEST(ReadGearSections, FollowsTheFileFormat) {
    ScratchFolder folder;
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        const ReadLists read = ReadFile(c.file);
        EXPECT_EQ(read.crankset, c.lists.crankset);
        EXPECT_EQ(read.cassette, c.lists.cassette);
        EXPECT_EQ(read.tyre, c.lists.tyre);
    }
}

TEST(ReadGearSections, KeepsTheTitleAnd99ChoicesAndLeavesTheOtherListsAlone) {
    ScratchFolder folder;
    const ReadLists read =
        ReadFile("Fr\r\n" + Repeat("28-38\r\n", 150) + "fEnd\r\nCa\r\n12\r\ncEnd\r\nTi\r\nt-1\r\n");
    ASSERT_EQ(read.crankset.size(), 100u);
    EXPECT_EQ(read.crankset.back(), "28-38\n");
    EXPECT_EQ(read.cassette, (Lines{"Ca\n", "12\n"}));
    EXPECT_EQ(read.tyre, (Lines{"Ti\n", "t-1\n"}));
}

TEST(ReadGearSections, CutsAMegabyteLineIntoPiecesOf99Bytes) {
    ScratchFolder folder;
    const ReadLists read = ReadFile("Ca\r\n" + std::string(1 << 20, '7') + "\r\ncEnd\r\nTi\r\nt-1\r\n");
    ASSERT_EQ(read.cassette.size(), 100u);
    EXPECT_EQ(read.cassette[1], std::string(99, '7'));
    EXPECT_EQ(read.tyre, (Lines{"Ti\n", "t-1\n"}));
}

TEST(ReadGearSections, EmptiesTheListsBeforeReading) {
    ScratchFolder folder;
    WriteBytes(text::kGearFileName, "Fr\r\n1\r\n");
    GearList crankset, cassette, tyre;
    for (int i = 0; i < 2; ++i) {
        TextFileReader file(text::kGearFileName);
        ReadGearSections(file, crankset, cassette, tyre);
    }
    EXPECT_EQ(EntriesOf(crankset), (Lines{"Fr\n", "1\n"}));
}

}  // namespace
