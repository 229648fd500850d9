#include "chart/table_text.h"

#include <algorithm>

#include "platform/cp932.h"

namespace {

std::string CsvField(const std::string& cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (char c : utf8) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(row[i]);
    }
    out += "\r\n";
}

void AppendTsvRow(std::string& out, const std::vector<std::string>& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += '\t';
        std::string cell = row[i];
        std::replace_if(cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
        out += cell;
    }
    out += '\n';
}

}  // namespace

std::string TableAsCsv(const TextTable& table) {
    std::string out = "\xEF\xBB\xBF";
    AppendCsvRow(out, table.header);
    for (const auto& row : table.rows) AppendCsvRow(out, row);
    return out;
}

std::string TableAsTsv(const TextTable& table, std::vector<std::size_t> selected) {
    std::string out;
    AppendTsvRow(out, table.header);
    if (selected.empty()) {
        for (const auto& row : table.rows) AppendTsvRow(out, row);
        return out;
    }
    std::sort(selected.begin(), selected.end());
    for (std::size_t index : selected)
        if (index < table.rows.size()) AppendTsvRow(out, table.rows[index]);
    return out;
}
