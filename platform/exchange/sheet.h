#pragma once
// A table on its way to a spreadsheet: captions, column widths, and cells
// that keep their kind (text, number with its scale, date), so that every
// writer (CSV, XLSX, clipboard) shows them in its own way.

#include <string>
#include <vector>

#include "platform/db/date_time.h"
#include "platform/db/decimal.h"
#include "platform/db/value.h"

namespace exchange {

struct Cell {
    enum class Kind { Blank, Text, Number, Date };
    Kind kind = Kind::Blank;
    std::string text;    // Text cells
    db::Decimal number;  // Number cells, exact
    int decimals = -1;   // Number cells: the scale shown (-1: the number's own)
    db::DateTime date;   // Date cells
    bool bold = false;

    static Cell Text(std::string text);
    static Cell Number(const db::Decimal& number, int decimals = -1);
    static Cell Date(const db::DateTime& date);
    // Text right-trimmed (codes stored blank-padded), numbers (decimals -1:
    // a decimal's own scale), dates; Null blank.
    static Cell FromValue(const db::Value& value, int decimals = -1);
};

struct SheetColumn {
    std::string caption;
    double width = 10;  // in characters
};

struct Sheet {
    std::string name;  // at most 31 characters once written (XLSX)
    std::vector<SheetColumn> columns;
    std::vector<std::vector<Cell>> rows;
};

// "1.234,50": Italian separators, the given decimals (-1: the number's own).
std::string ItalianNumber(const db::Decimal& number, int decimals, bool thousands);
// A cell as a person reads it in Italian: numbers with a decimal comma and
// no thousands separator, dates dd/mm/yyyy (with the time when it has one).
std::string CellText(const Cell& cell);
// Text without the blanks at its end.
std::string RightTrimmed(std::string text);

}  // namespace exchange
