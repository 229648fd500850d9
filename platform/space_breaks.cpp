#include "platform/space_breaks.h"

#include <wx/window.h>

wxString BreakAtSpaces(const wxString& text, int width, const wxWindow& measure) {
    wxString result;
    wxString line;
    size_t i = 0;
    while (i < text.length()) {
        const bool spaces = text[i] == ' ';
        size_t end = i;
        while (end < text.length() && (text[end] == ' ') == spaces) ++end;
        const wxString token = text.substr(i, end - i);
        i = end;
        if (line.empty() || measure.GetTextExtent(line + token).x <= width) {
            line += token;
            continue;
        }
        result += line + '\n';
        line = token;
    }
    return result + line;
}
