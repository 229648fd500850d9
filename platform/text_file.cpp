#include "platform/text_file.h"

#include <algorithm>
#include <cstring>

#include "platform/text_file_os.h"

bool FileExists(const char* name) { return text_file_os::Exists(name); }

FileVersion VersionOf(const char* name) { return text_file_os::VersionOf(name); }

TextFileReader::TextFileReader(const char* name) {
    fd_ = text_file_os::OpenRegular(name, storedSize_);
    if (fd_ >= 0) buffer_.resize(2 * kMaxPiece);
}

TextFileReader::~TextFileReader() {
    if (fd_ >= 0) text_file_os::Close(fd_);
}

void TextFileReader::Fill(std::size_t want) {
    if (atEnd_) return;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    while (end_ < want && !atEnd_) {
        const long long n = text_file_os::Read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n < 0) failed_ = true;
        if (n <= 0) atEnd_ = true;
        else end_ += static_cast<std::size_t>(n);
    }
}

std::string_view TextFileReader::ReadPiece(std::size_t maxBytes) {
    if (fd_ < 0 || failed_) return {};
    maxBytes = std::clamp<std::size_t>(maxBytes, 1, kMaxPiece);
    // One byte more than the piece may hold: a CR LF behind maxBytes - 1 bytes still fits.
    // Checked here, as this runs for every line.
    if (end_ - begin_ <= maxBytes) Fill(maxBytes + 1);
    if (failed_) return {};
    char* const p = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    std::size_t taken = std::min(available, maxBytes);
    std::size_t length = taken;
    if (const void* found = std::memchr(p, '\n', std::min(available, maxBytes + 1))) {
        const auto lf = static_cast<std::size_t>(static_cast<const char*>(found) - p);
        if (lf > 0 && p[lf - 1] == '\r') {
            p[lf - 1] = '\n';
            taken = lf + 1;
            length = lf;
        } else if (lf < maxBytes) {
            taken = length = lf + 1;
        }
    }
    begin_ += taken;
    return {p, length};
}

TextReadResult ReadTextFile(const char* name, std::size_t maxBytes, std::string& text) {
    text.clear();
    TextFileReader file(name);
    if (!file.IsOpen()) return TextReadResult::OpenFailed;
    if (file.StoredSize() > maxBytes) return TextReadResult::TooLarge;
    text.reserve(file.StoredSize());
    for (std::string_view piece; !(piece = file.ReadPiece(TextFileReader::kMaxPiece)).empty();) {
        text += piece;
        if (text.size() > maxBytes) {  // it grew while we read
            text.clear();
            return TextReadResult::TooLarge;
        }
    }
    if (!file.Failed()) return TextReadResult::Read;
    text.clear();
    return TextReadResult::ReadFailed;
}
