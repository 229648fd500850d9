#include "gear_data/editor_text.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "res/strings.h"
#include "tests/support/save_interlude.h"
#include "tests/support/scratch_folder.h"

namespace {

// What the edit box hands back for a text it was given unchanged.
std::string ThroughTheBox(const std::string& cp932) { return Utf8ToCp932(Cp932ToUtf8(cp932)); }

// Loads the file, puts its text through the box unchanged, and saves it.
std::string LoadAndSave(const std::string& file) {
    WriteBytes(text::kGearFileName, file);
    EditorText editor;
    EXPECT_EQ(editor.Load(), EditorLoad::Loaded);
    EXPECT_TRUE(editor.Save(ThroughTheBox(editor.TakeText())));
    return ReadBytes(text::kGearFileName);
}

TEST(EditorText, SavesUnchangedTextBackByteForByte) {
    ScratchFolder folder;
    const std::string longLine(5000, '9');
    std::string manyLines;
    for (int i = 0; i < 250; ++i) manyLines += std::to_string(i) + "-1\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\r\nb"},  // the last line break is not kept
        {"Fr\r\n" + longLine + "\r\nfE", "Fr\r\n" + longLine + "\r\nfE"},
        {manyLines + "end", manyLines + "end"},
        {"\x80 \xA0 \xFD\xFE\xFF\r\nlead at end\x82\r\n\x82", "\x80 \xA0 \xFD\xFE\xFF\r\nlead at end\x82\r\n\x82"},
        {"\xFA\x5C\r\n\xED\x40\r\n\xFA\x5C\r\n\xED\x40", "\xFA\x5C\r\n\xED\x40\r\n\xFA\x5C\r\n\xED\x40"},
        {"\x81\xE0\x87\x90\r\n\x87\x90", "\x81\xE0\x87\x90\r\n\x87\x90"},
    };
    for (const auto& [file, saved] : cases) EXPECT_EQ(LoadAndSave(file), saved) << file;
}

// Another save after the load, however late (here at the last moment before the file is
// replaced, after every question), is never overwritten unless the user takes it over.
TEST(EditorText, NeverOverwritesAnotherSaveThatItHasNotTakenOver) {
    ScratchFolder folder;
    WriteBytes(text::kGearFileName, "Fr\r\n28\r\nfE");
    EditorText editor;
    ASSERT_EQ(editor.Load(), EditorLoad::Loaded);
    AtNextSaveInterlude([] {
        WriteBytes(text::kGearFileName, "Fr\r\n30\r\nfE");  // the same size
        return true;
    });
    EXPECT_EQ(editor.Save("Fr\n1\nfE").failure, SaveFailure::ChangedElsewhere);
    EXPECT_EQ(ReadBytes(text::kGearFileName), "Fr\r\n30\r\nfE");
    EXPECT_EQ(editor.Save("Fr\n1\nfE").failure, SaveFailure::ChangedElsewhere);
    editor.TakeOverDiskVersion();
    EXPECT_TRUE(editor.Save("Fr\n1\nfE"));
    EXPECT_EQ(ReadBytes(text::kGearFileName), "Fr\r\n1\r\nfE");
}

}  // namespace
