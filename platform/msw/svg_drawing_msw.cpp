// Windows: a file of a new name in the user's own temporary folder, which the user's
// profile keeps from other users, opened back for reading and deleted.
#include "platform/svg_drawing.h"

#include <windows.h>

#include <wx/dcsvg.h>
#include <wx/log.h>

namespace {

constexpr std::string_view kSvgEnd = "</svg>";
constexpr char kScratchPrefix[] = "vsv";

}  // namespace

std::optional<std::string> DrawnAsSvg(const wxSize& size, const std::function<void(wxDC& dc)>& paint) {
    char folder[MAX_PATH];
    char scratch[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(folder, kScratchPrefix, 0, scratch) == 0)
        return std::nullopt;
    {
        const wxLogNull quiet;
        wxSVGFileDC dc(wxString(scratch), size.x, size.y);
        if (dc.IsOk()) paint(dc);
    }
    std::optional<std::string> bytes;
    const HANDLE file = CreateFileA(scratch, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    LARGE_INTEGER fileSize;
    if (file != INVALID_HANDLE_VALUE && GetFileSizeEx(file, &fileSize) && fileSize.QuadPart > 0 &&
        fileSize.QuadPart < MAXDWORD) {
        std::string read(static_cast<std::size_t>(fileSize.QuadPart), '\0');
        DWORD got = 0;
        if (ReadFile(file, read.data(), static_cast<DWORD>(read.size()), &got, nullptr) && got == read.size() &&
            read.find(kSvgEnd) != std::string::npos)
            bytes = std::move(read);
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    else DeleteFileA(scratch);
    return bytes;
}
