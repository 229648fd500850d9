// Linux: an unnamed file in memory (memfd), reached by wx through /proc/self/fd; where /proc
// is missing (a chroot), a folder of the user's own, which others may neither enter nor
// rename.
#include "platform/svg_drawing.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/log.h>

namespace {

constexpr std::string_view kSvgEnd = "</svg>";

std::optional<std::string> ReadWhole(int fd) {
    std::string bytes;
    char buffer[1 << 16];
    if (lseek(fd, 0, SEEK_SET) != 0) return std::nullopt;
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    // A drawing cut short (a write that failed) lacks its end.
    if (bytes.find(kSvgEnd) == std::string::npos) return std::nullopt;
    return bytes;
}

void Draw(const std::string& path, const wxSize& size, const std::function<void(wxDC& dc)>& paint) {
    const wxLogNull quiet;
    wxSVGFileDC dc(wxString(path.c_str(), *wxConvFileName), size.x, size.y);
    if (dc.IsOk()) paint(dc);
}

std::optional<std::string> DrawnInPrivateFolder(const wxSize& size, const std::function<void(wxDC& dc)>& paint) {
    std::string folder(wxFileName::GetTempDir().fn_str());
    folder += "/velmor-svg-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) return std::nullopt;
    const std::string path = folder + "/chart.svg";
    Draw(path, size, paint);
    std::optional<std::string> bytes;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid()) bytes = ReadWhole(fd);
    if (fd >= 0) close(fd);
    unlink(path.c_str());
    rmdir(folder.c_str());
    return bytes;
}

}  // namespace

std::optional<std::string> DrawnAsSvg(const wxSize& size, const std::function<void(wxDC& dc)>& paint) {
    const int fd = memfd_create("velmor-svg", MFD_CLOEXEC);
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    struct stat st;
    if (fd < 0 || stat(path.c_str(), &st) != 0) {
        if (fd >= 0) close(fd);
        return DrawnInPrivateFolder(size, paint);
    }
    Draw(path, size, paint);
    std::optional<std::string> bytes = ReadWhole(fd);
    close(fd);
    return bytes;
}
