#include "platform/save_file.h"

#include <random>
#include <string>

#include "platform/save_file_os.h"

namespace {

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 16);
    for (;;) {
        const std::size_t lf = text.find('\n');
        out.append(text.substr(0, lf));
        if (lf == std::string_view::npos) return out;
        out += "\r\n";
        text.remove_prefix(lf + 1);
    }
}

constexpr std::size_t kTempTagLength = 12;
constexpr std::string_view kTempTagChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

std::string save_file_os::NewTempName() {
    std::random_device random;
    std::string name(kTempPrefix);
    for (std::size_t i = 0; i < kTempTagLength; ++i) name += kTempTagChars[random() % kTempTagChars.size()];
    return name += kTempSuffix;
}

bool save_file_os::IsTempName(std::string_view entry) {
    if (entry.size() != kTempPrefix.size() + kTempTagLength + kTempSuffix.size() || !entry.starts_with(kTempPrefix) ||
        !entry.ends_with(kTempSuffix))
        return false;
    return entry.substr(kTempPrefix.size(), kTempTagLength).find_first_not_of(kTempTagChars) == std::string_view::npos;
}

SaveResult SaveFileBytes(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed) {
    return {save_file_os::Replace(name, bytes, stillAsAgreed)};
}

SaveResult SaveTextFile(const char* name, std::string_view text, const StillAsAgreed& stillAsAgreed) {
    return SaveFileBytes(name, WithCrLf(text), stillAsAgreed);
}
