// Files in text mode, as the program keeps them: opened by bare name (so in the current
// directory), a CR LF pair read as one line feed and each line feed written as CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Whether anything stands at that name: a file, a folder, even a link that leads nowhere.
bool FileExists(const char* name);

// Reads a regular file (or one that links lead to) piece by piece through a fixed buffer,
// so memory stays bounded whatever the file's size.
class TextFileReader {
public:
    explicit TextFileReader(const char* name);
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The file's size in bytes as stored (CR LF counted as two).
    std::size_t StoredSize() const { return storedSize_; }

    // The next piece: the bytes up to and including the next line feed, at most maxBytes
    // (1 to kMaxPiece) of them. Empty at the end of the file, and after a read error
    // (Failed() then tells). Valid until the next call.
    std::string_view ReadPiece(std::size_t maxBytes);
    bool Failed() const { return failed_; }

    static constexpr std::size_t kMaxPiece = 1 << 16;

private:
    // Makes at least `want` bytes available unless the file ends first; ReadPiece calls it
    // only when fewer are.
    void Fill(std::size_t want);

    int fd_ = -1;
    std::size_t storedSize_ = 0;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

enum class TextReadResult { Read, OpenFailed, TooLarge, ReadFailed };

// Reads the whole file into text, refusing one larger than maxBytes as stored.
TextReadResult ReadTextFile(const char* name, std::size_t maxBytes, std::string& text);

// What tells one version of a file from another without reading it, by the file that
// links lead to: equal when nothing stands there both times.
struct FileVersion {
    bool exists = false;
    unsigned long long size = 0;
    long long modified = 0;  // time of last change in the system's finest unit
    bool operator==(const FileVersion&) const = default;
};
FileVersion VersionOf(const char* name);
