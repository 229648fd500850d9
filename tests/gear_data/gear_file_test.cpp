#include "gear_data/gear_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/strings.h"
#include "tests/support/scratch_folder.h"

namespace {

using Lines = std::vector<std::string>;

struct ReadLists {
    Lines crankset, cassette, tyre;
    bool operator==(const ReadLists&) const = default;
};

void PrintTo(const ReadLists& r, std::ostream* out) {
    *out << testing::PrintToString(std::vector{r.crankset, r.cassette, r.tyre});
}

Lines EntriesOf(const GearList& list) {
    Lines lines;
    for (int i = 0; i < list.count; ++i) lines.emplace_back(list.Entry(i));
    return lines;
}

ReadLists ReadFile(const std::string& bytes) {
    WriteBytes(text::kGearFileName, bytes);
    const std::optional<GearLists> lists = ReadGearFile();
    if (!lists) return {{"not read"}, {}, {}};
    return {EntriesOf(lists->crankset), EntriesOf(lists->cassette), EntriesOf(lists->tyre)};
}

// A title line followed by `times` copies of line.
Lines Titled(const std::string& title, const std::string& line, int times) {
    Lines lines{title};
    lines.insert(lines.end(), times, line);
    return lines;
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
    {"a comment inside a section is no choice; an empty line or a single slash is one",
     "Fr\r\n//34-50\r\n\r\n/1\r\nfE\r\n", {{"Fr\n", "\n", "/1\n"}, {}, {}}},
    {"markers are case-sensitive; lines outside the sections are dropped",
     "fr\r\nFr\r\nca\r\nFE\r\nfE\r\ny\r\n", {{"Fr\n", "ca\n", "FE\n"}, {}, {}}},
    {"a section without its end line runs to the end of the file", "Ti\r\n700-2100\r\nlast",
     {{}, {}, {"Ti\n", "700-2100\n", "last"}}},
    {"overlapping sections store a line in both; cE becomes a crankset choice",
     "Fr\r\nCa\r\nA\r\ncEnd\r\nB\r\nfEnd\r\nC\r\n",
     {{"Fr\n", "Ca\n", "A\n", "cEnd\n", "B\n"}, {"Ca\n", "A\n"}, {}}},
    {"an opening line is one more entry while its section is open; reopened, it appends",
     "Fr\r\nFront\r\nfE\r\nFr2\r\n2\r\nfE\r\n", {{"Fr\n", "Front\n", "Fr2\n", "2\n"}, {}, {}}},
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
    {"150 choices (empty lines): the title and 99 are kept, the other lists read on",
     "Fr\r\n" + std::string(150, '\n') + "fEnd\r\nCa\r\n12\r\ncEnd\r\nTi\r\nt-1\r\n",
     {Titled("Fr\n", "\n", 99), {"Ca\n", "12\n"}, {"Ti\n", "t-1\n"}}},
    {"a 1 MiB line is cut into pieces of 99 bytes",
     "Ca\r\n" + std::string(1 << 20, '7') + "\r\ncEnd\r\nTi\r\nt-1\r\n",
     {{}, Titled("Ca\n", std::string(99, '7'), 99), {"Ti\n", "t-1\n"}}},
};

TEST(ReadGearFile, FollowsTheFileFormat) {
    ScratchFolder folder;
    EXPECT_FALSE(ReadGearFile()) << "without a file";
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadFile(c.file), c.lists);
    }
}

}  // namespace
