// The editor on arbitrary file content: it loads the file as text mode reads it (CR LF as
// one line feed, a final line break dropped), and saving the text unchanged, after its
// round trip through the box's Unicode, gives back exactly the loaded bytes, which text
// mode writes as the file's own.
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_file.h"
#include "gear_data/editor_text.h"
#include "platform/cp932.h"
#include "res/strings.h"

namespace {

// What reading in text mode gives: each CR LF pair becomes a line feed.
std::string TextModeRead(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) text += bytes[i];
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    WriteBytes(text::kGearFileName, bytes);
    EditorText editor;
    if (editor.Load() != EditorLoad::Loaded) FuzzFailure("the file did not load");
    const std::string loaded = editor.TakeText();
    std::string expected = TextModeRead(bytes);
    if (!expected.empty() && expected.back() == '\n') expected.pop_back();
    if (loaded != expected) FuzzFailure("the loaded text is not the file as text mode reads it");
    const std::string boxText = Utf8ToCp932(Cp932ToUtf8(loaded));
    if (editor.FileContent(boxText) != loaded) FuzzFailure("saving unchanged text changes it");
    return 0;
}
