#include "gear_data/editor_text.h"

#include "platform/cp932.h"
#include "res/strings.h"

namespace {

// Splits at line feeds: text with n line feeds gives n + 1 lines.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view text) : rest_(text) {}
    bool Next(std::string_view& line) {
        if (done_) return false;
        const std::size_t lf = rest_.find('\n');
        line = rest_.substr(0, lf);
        if (lf == std::string_view::npos)
            done_ = true;
        else
            rest_.remove_prefix(lf + 1);
        return true;
    }

private:
    std::string_view rest_;
    bool done_ = false;
};

EditorLoad LoadResultOf(TextReadResult result) {
    switch (result) {
    case TextReadResult::Read:
        return EditorLoad::Loaded;
    case TextReadResult::TooLarge:
        return EditorLoad::TooLarge;
    case TextReadResult::ReadFailed:
        return EditorLoad::ReadFailed;
    default:
        return FileExists(text::kGearFileName) ? EditorLoad::OpenFailed : EditorLoad::Missing;
    }
}

// The file's content as read, or nothing when it cannot be read whole.
std::optional<std::size_t> ContentHash(const std::string& text, TextReadResult result) {
    if (result != TextReadResult::Read) return std::nullopt;
    return std::hash<std::string>{}(text);
}

}  // namespace

EditorLoad EditorText::Load() {
    originals_.clear();
    version_ = VersionOf(text::kGearFileName);
    const TextReadResult read = ReadTextFile(text::kGearFileName, kEditorMaxFileBytes, text_);
    loaded_ = LoadResultOf(read);
    content_ = ContentHash(text_, read);
    if (!text_.empty() && text_.back() == '\n') text_.pop_back();

    // What the box gives back for the text: the same lines, re-encoded.
    const std::string reencoded = Utf8ToCp932(Cp932ToUtf8(text_));
    if (reencoded == text_) return loaded_;
    const auto eachLine = [&](const auto& visit) {
        LineSplitter original(text_);
        LineSplitter boxed(reencoded);
        for (std::string_view line, boxLine; original.Next(line) && boxed.Next(boxLine);)
            visit(line, boxLine);
    };
    // The box's forms of the lines that change; then every line of such a form, in file
    // order, so that lines that look alike keep their own bytes.
    eachLine([&](std::string_view line, std::string_view boxLine) {
        if (line != boxLine) originals_[std::string(boxLine)];
    });
    eachLine([&](std::string_view line, std::string_view boxLine) {
        if (const auto found = originals_.find(boxLine); found != originals_.end())
            found->second.emplace_back(line);
    });
    return loaded_;
}

bool EditorText::Editable() const {
    return loaded_ == EditorLoad::Loaded || loaded_ == EditorLoad::Missing;
}

bool EditorText::ChangedOnDisk() const {
    if (VersionOf(text::kGearFileName) != version_) return true;
    if (!content_) return false;  // nothing there then, nor now
    std::string now;
    return ContentHash(now, ReadTextFile(text::kGearFileName, kEditorMaxFileBytes, now)) != content_;
}

std::string EditorText::FileContent(std::string_view boxText) const {
    std::string content;
    content.reserve(boxText.size());
    std::map<std::string_view, std::size_t, std::less<>> used;
    LineSplitter lines(boxText);
    bool first = true;
    for (std::string_view line; lines.Next(line); first = false) {
        if (!first) content += '\n';
        const auto found = originals_.find(line);
        if (found != originals_.end() && used[found->first] < found->second.size())
            content += found->second[used[found->first]++];
        else
            content += line;
    }
    return content;
}

void EditorText::TakeOverDiskVersion() {
    version_ = VersionOf(text::kGearFileName);
    std::string now;
    content_ = ContentHash(now, ReadTextFile(text::kGearFileName, kEditorMaxFileBytes, now));
}

SaveResult EditorText::Save(std::string_view boxText) const {
    if (!Editable()) return {SaveFailure::Failed};
    return SaveTextFile(text::kGearFileName, FileContent(boxText), [this] { return !ChangedOnDisk(); });
}
