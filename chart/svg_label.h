// Naming an SVG drawing in words that viewers and screen readers show: its title and
// description.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// UTF-8 text as XML character data: "&", "<" and ">" as entities.
std::string XmlText(std::string_view utf8);

// The SVG with the text of its first <title> and <desc> elements replaced by the title and
// the description's lines (CP932, joined by line feeds); an element it lacks is left so.
std::string LabelSvg(std::string svg, std::string_view title, const std::vector<std::string>& description);
