#include "platform/exchange/xlsx_writer.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace exchange {

namespace {

std::string firstCharacters(const std::string& s, std::size_t n) {
    std::size_t count = 0, i = 0;
    for (; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && count++ == n)
            break;
    }
    return s.substr(0, i);
}

// Formats are made once per kind (bold, scale, date) for the workbook.
class Formats {
public:
    explicit Formats(lxw_workbook* book) : book_(book) {}
    lxw_format* get(const Cell& cell, bool header = false) {
        std::string number;
        if (cell.kind == Cell::Kind::Number && cell.decimals > 0)
            number = "0." + std::string(static_cast<std::size_t>(cell.decimals), '0');
        else if (cell.kind == Cell::Kind::Number && cell.decimals == 0)
            number = "0";
        else if (cell.kind == Cell::Kind::Date)
            number = cell.date.hasTime() ? "dd/mm/yyyy hh:mm:ss" : "dd/mm/yyyy";
        const bool bold = cell.bold || header;
        if (number.empty() && !bold)
            return nullptr;
        const std::string key = number + (bold ? "|b" : "");
        auto& f = formats_[key];
        if (!f) {
            f = workbook_add_format(book_);
            if (bold)
                format_set_bold(f);
            if (!number.empty())
                format_set_num_format(f, number.c_str());
        }
        return f;
    }

private:
    lxw_workbook* book_;
    std::map<std::string, lxw_format*> formats_;
};

void check(lxw_error error, const std::string& path) {
    if (error != LXW_NO_ERROR)
        throw std::runtime_error("cannot write " + path + ": " + lxw_strerror(error));
}

}  // namespace

std::string SheetName(const std::string& wanted, const std::vector<std::string>& taken) {
    std::string name;
    for (char ch : wanted)
        name += std::string("[]:*?/\\").find(ch) == std::string::npos ? ch : '_';
    while (!name.empty() && (name.front() == ' ' || name.front() == '\''))
        name.erase(name.begin());
    if (name.empty())
        name = "Foglio";
    name = firstCharacters(name, 31);
    std::string candidate = name;
    for (int i = 2; std::find(taken.begin(), taken.end(), candidate) != taken.end(); ++i) {
        const std::string suffix = " (" + std::to_string(i) + ")";
        candidate = firstCharacters(name, 31 - suffix.size()) + suffix;
    }
    return candidate;
}

void WriteXlsx(const std::string& path, const std::vector<Sheet>& sheets) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (!book)
        throw std::runtime_error("cannot write " + path);
    Formats formats(book);
    std::vector<std::string> names;
    for (const Sheet& sheet : sheets) {
        names.push_back(SheetName(sheet.name, names));
        lxw_worksheet* ws = workbook_add_worksheet(book, names.back().c_str());
        if (!ws) {
            workbook_close(book);
            throw std::runtime_error("cannot add the sheet " + names.back() + " to " + path);
        }
        Cell header;
        for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            worksheet_write_string(ws, 0, col, sheet.columns[c].caption.c_str(),
                                   formats.get(header, true));
            worksheet_set_column(ws, col, col, std::max(4.0, sheet.columns[c].width), nullptr);
        }
        worksheet_freeze_panes(ws, 1, 0);
        for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
            const auto row = static_cast<lxw_row_t>(r + 1);
            for (std::size_t c = 0; c < sheet.rows[r].size(); ++c) {
                const Cell& cell = sheet.rows[r][c];
                const auto col = static_cast<lxw_col_t>(c);
                lxw_format* f = formats.get(cell);
                switch (cell.kind) {
                    case Cell::Kind::Text:
                        worksheet_write_string(ws, row, col, cell.text.c_str(), f);
                        break;
                    case Cell::Kind::Number:
                        worksheet_write_number(ws, row, col, cell.number.toDouble(), f);
                        break;
                    case Cell::Kind::Date: {
                        lxw_datetime dt{
                            cell.date.year,   cell.date.month,
                            cell.date.day,    cell.date.hour,
                            cell.date.minute, cell.date.second + cell.date.millisecond / 1000.0};
                        worksheet_write_datetime(ws, row, col, &dt, f);
                        break;
                    }
                    case Cell::Kind::Blank:
                        if (f)
                            worksheet_write_blank(ws, row, col, f);
                        break;
                }
            }
        }
    }
    check(workbook_close(book), path);
}

}  // namespace exchange
