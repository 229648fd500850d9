// The ANSI code page of the file calls, CP932 on Japanese Windows as the program's texts.
#include "platform/file_name.h"

#include "platform/widget_text.h"

std::string FileSystemName(const wxString& path) {
    const std::string bytes = FromWidgetText(path);
    // No Windows name holds "?": here it stands for a character that CP932 lacks.
    return bytes.find('?') == std::string::npos ? bytes : std::string();
}

wxString FromFileSystemName(const std::string& name) { return ToWidgetText(name); }
