// The chart's table as text to share: a CSV file for spreadsheet programs and
// tab-separated text for the clipboard.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A header row and rows of CP932 cell texts, as the table shows them.
struct TextTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// UTF-8 with a byte-order mark (so that spreadsheet programs on Japanese Windows take it as
// UTF-8), CR LF line ends, the header row first, a field quoted where it holds a comma, a
// quote or a line end.
std::string TableAsCsv(const TextTable& table);

// CP932 text for the clipboard: the header, then the rows whose indices are given (in the
// table's order), or every row when none is given; tabs between cells, a line feed after
// each row. A tab or line end inside a cell becomes a blank.
std::string TableAsTsv(const TextTable& table, std::vector<std::size_t> selected);
