#include "chart/svg_label.h"

#include "platform/cp932.h"

namespace {

void ReplaceElementText(std::string& svg, std::string_view element, const std::string& utf8) {
    // Appended, not "<" + element: GCC 12 warns of an overlap that cannot happen there.
    const std::string open = std::string("<").append(element).append(">");
    const std::string close = std::string("</").append(element).append(">");
    const std::size_t start = svg.find(open);
    if (start == std::string::npos) return;
    const std::size_t from = start + open.size();
    const std::size_t end = svg.find(close, from);
    if (end == std::string::npos) return;
    svg.replace(from, end - from, XmlText(utf8));
}

}  // namespace

std::string XmlText(std::string_view utf8) {
    std::string escaped;
    for (const char c : utf8) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string LabelSvg(std::string svg, std::string_view title, const std::vector<std::string>& description) {
    std::string lines;
    for (const std::string& line : description) {
        if (!lines.empty()) lines += '\n';
        lines += line;
    }
    ReplaceElementText(svg, "title", Cp932ToUtf8(title));
    ReplaceElementText(svg, "desc", Cp932ToUtf8(lines));
    return svg;
}
