// GLib's file name encoding, which wx has taken over (UTF-8 unless set otherwise).
#include "platform/file_name.h"

std::string FileSystemName(const wxString& path) {
    const wxCharBuffer bytes = path.mb_str(*wxConvFileName);
    return bytes.data() ? std::string(bytes.data(), bytes.length()) : std::string();
}

wxString FromFileSystemName(const std::string& name) { return wxString(name.c_str(), *wxConvFileName); }
