// The gear-data file as the editor shows it, and the way edited text goes back to it.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/save_file.h"
#include "platform/text_file.h"

// Larger files are not edited: the box would take long to fill, and a cut text must
// never be saved over the file.
inline constexpr std::size_t kEditorMaxFileBytes = 8u << 20;

// Missing: nothing stands at the name; OpenFailed: something does, but cannot be opened.
enum class EditorLoad { Loaded, Missing, OpenFailed, TooLarge, ReadFailed };

class EditorText {
public:
    // Reads Velmor.ini whole: its lines with a line feed between them and none behind the
    // last (a line break ending the file leaves no empty last line).
    EditorLoad Load();

    // The loaded text, handed over once to the box.
    std::string TakeText() { return std::move(text_); }

    // After a refused or broken read nothing may be saved over the file.
    bool Editable() const;

    // Whether the file is no longer as loaded: another save came in between.
    bool ChangedOnDisk() const;

    // The file's new content for the box's text, lines separated by line feeds. A line
    // that reads as a loaded line whose bytes the box cannot give back (undecodable bytes
    // of other encodings, characters with two byte forms) gets those bytes again.
    std::string FileContent(std::string_view boxText) const;

    // The file as it is now becomes the one a save may replace: the user has agreed to
    // overwrite another save.
    void TakeOverDiskVersion();

    // Saves FileContent(boxText) safely, provided that the file is still the one loaded or
    // taken over: looked at again just before the new file is put in place, after every
    // question, else SaveFailure::ChangedElsewhere. A file the editor refused gives
    // SaveFailure::Failed.
    SaveResult Save(std::string_view boxText) const;

private:
    EditorLoad loaded_ = EditorLoad::OpenFailed;
    // The file as loaded: its version, and its content while it could be read whole.
    FileVersion version_;
    std::optional<std::size_t> content_;
    std::string text_;
    // Loaded lines whose bytes differ from the box's encoding of them, by that encoding,
    // in file order.
    std::map<std::string, std::vector<std::string>, std::less<>> originals_;
};
