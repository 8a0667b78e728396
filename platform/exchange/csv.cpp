#include "platform/exchange/csv.h"

#include <algorithm>

#include "platform/db/sql_literal.h"

namespace exchange {

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}

std::string CsvField(const std::string& text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos)
        return text;
    return db::quotedWith(text, '"');
}

std::string CsvText(const Sheet& sheet, char separator) {
    std::string out(kBom);
    for (std::size_t i = 0; i < sheet.columns.size(); ++i)
        out += (i ? std::string(1, separator) : "") + CsvField(sheet.columns[i].caption, separator);
    out += "\r\n";
    for (const auto& row : sheet.rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out += (i ? std::string(1, separator) : "") + CsvField(CellText(row[i]), separator);
        out += "\r\n";
    }
    return out;
}

TextRows ParseDelimited(std::string_view text, char separator) {
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());
    TextRows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, any = false;
    auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
        any = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
            continue;
        }
        any = true;
        if (ch == '"' && field.empty()) {
            quoted = true;
        } else if (ch == separator) {
            endField();
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            field += ch;
        }
    }
    if (any || !field.empty() || !row.empty())
        endRow();
    return rows;
}

char GuessSeparator(std::string_view text) {
    const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    if (line.find('\t') != std::string_view::npos)
        return '\t';
    const auto semicolons = std::count(line.begin(), line.end(), ';');
    const auto commas = std::count(line.begin(), line.end(), ',');
    return commas > semicolons ? ',' : ';';
}

}  // namespace exchange
