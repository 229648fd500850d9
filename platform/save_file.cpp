#include "platform/save_file.h"

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

}  // namespace

SaveResult SaveFileBytes(const char* name, std::string_view bytes, const StillAsAgreed& stillAsAgreed) {
    return {save_file_os::Replace(name, bytes, stillAsAgreed)};
}

SaveResult SaveTextFile(const char* name, std::string_view text, const StillAsAgreed& stillAsAgreed) {
    return SaveFileBytes(name, WithCrLf(text), stillAsAgreed);
}
