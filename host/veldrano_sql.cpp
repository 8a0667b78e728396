// veldrano-sql: runs T-SQL on any connection the item card can use, through
// the same database layer, and prints what comes back.
//   veldrano-sql [--db CONNECTION] [--csv | --xlsx FILE] [--file PATH|-] [STATEMENT ...]
// Statements come from the arguments, from a file or from standard input
// (when there are neither); batches are separated by lines holding only GO.
// Errors go to standard error with their SQLSTATE; the exit status is 1 when
// a batch failed, 2 when the connection or the options are wrong.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "demo/demo_database.h"
#include "demo/sql_batches.h"
#include "platform/db/connection.h"
#include "platform/db/credentials.h"
#include "platform/db/errors.h"
#include "platform/db/value.h"
#include "platform/exchange/csv.h"
#include "platform/exchange/xlsx_writer.h"

namespace {

constexpr const char* kUsage =
    "usage: veldrano-sql [--db CONNECTION] [--csv | --xlsx FILE] [--file PATH|-] [STATEMENT ...]\n"
    "  --db CONNECTION  connection string: \"Data Source=file.db\", \"sqlite:file.db\",\n"
    "                   \"Driver=...;...\" or \"DSN=...\" (default: the demo database)\n"
    "  --csv            rows as CSV instead of an aligned table\n"
    "  --xlsx FILE      rows into an Excel workbook, one sheet per result set\n"
    "  --file PATH      read the statements from PATH (\"-\" for standard input)\n"
    "Without statements and without --file the statements are read from standard\n"
    "input. Lines holding only GO separate the batches.\n";

struct Options {
    std::string connection;
    std::string file;
    std::string xlsx;
    bool csv = false;
    std::vector<std::string> statements;
};

bool isNumeric(db::FieldType type) {
    return type == db::FieldType::Integer || type == db::FieldType::Decimal ||
           type == db::FieldType::Double || type == db::FieldType::Boolean;
}

std::string cellText(const db::Value& v) {
    if (v.isNull())
        return "NULL";
    std::string s = v.toText();
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\t', ' ');
    return s;
}

// Width on screen, counting UTF-8 sequences as one character each.
std::size_t displayWidth(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string& s, std::size_t width, bool right) {
    const std::string fill(width > displayWidth(s) ? width - displayWidth(s) : 0, ' ');
    return right ? fill + s : s + fill;
}

void printTable(const db::ResultSet& set, std::ostream& out) {
    const std::size_t n = set.columns.size();
    std::vector<std::size_t> widths(n);
    std::vector<std::vector<std::string>> cells;
    for (std::size_t i = 0; i < n; ++i)
        widths[i] = displayWidth(set.columns[i].name);
    for (const auto& row : set.rows) {
        std::vector<std::string> line;
        for (std::size_t i = 0; i < n; ++i) {
            line.push_back(cellText(row[i]));
            widths[i] = std::max(widths[i], displayWidth(line.back()));
        }
        cells.push_back(std::move(line));
    }
    auto write = [&](const std::vector<std::string>& line, bool header) {
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            const bool right = !header && isNumeric(set.columns[i].type) && line[i] != "NULL";
            text += (i ? " | " : "") + padded(line[i], widths[i], right);
        }
        out << db::rtrim(std::move(text)) << '\n';
    };
    std::vector<std::string> names;
    for (const auto& col : set.columns)
        names.push_back(col.name);
    write(names, true);
    std::string rule;
    for (std::size_t i = 0; i < n; ++i)
        rule += (i ? "-+-" : "") + std::string(widths[i], '-');
    out << rule << '\n';
    for (const auto& line : cells)
        write(line, false);
    out << '(' << set.rows.size() << (set.rows.size() == 1 ? " row)" : " rows)") << "\n\n";
}

void printCsv(const db::ResultSet& set, std::ostream& out) {
    for (std::size_t i = 0; i < set.columns.size(); ++i)
        out << (i ? "," : "") << exchange::CsvField(set.columns[i].name, ',');
    out << "\r\n";
    for (const auto& row : set.rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out << (i ? "," : "")
                << (row[i].isNull() ? "" : exchange::CsvField(row[i].toText(), ','));
        out << "\r\n";
    }
}

// A result set as a sheet: the column names as captions, numbers and dates
// as such, texts without their padding, widths from the longest text.
exchange::Sheet resultSheet(const db::ResultSet& set, std::size_t number) {
    exchange::Sheet sheet;
    sheet.name = "Risultato " + std::to_string(number);
    for (const auto& col : set.columns)
        sheet.columns.push_back({col.name, static_cast<double>(displayWidth(col.name)) + 2});
    for (const auto& row : set.rows) {
        std::vector<exchange::Cell> cells;
        for (std::size_t i = 0; i < row.size() && i < set.columns.size(); ++i) {
            const db::Column& col = set.columns[i];
            cells.push_back(exchange::Cell::FromValue(
                row[i], col.type == db::FieldType::Decimal && col.scale > 0 ? col.scale : -1));
            const double width =
                static_cast<double>(displayWidth(exchange::CellText(cells.back()))) + 2;
            sheet.columns[i].width = std::min(60.0, std::max(sheet.columns[i].width, width));
        }
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

void printError(const db::DbError& e, std::size_t batch) {
    std::cerr << "veldrano-sql: batch " << batch << " failed\n";
    for (const auto& p : e.errors())
        std::cerr << "  SQLSTATE " << p.sqlState << " (" << p.source
                  << (p.nativeError ? " " + std::to_string(p.nativeError) : std::string())
                  << "): " << p.message << '\n';
    if (!e.statement().empty())
        std::cerr << "  statement: " << e.statement() << '\n';
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--db" || a == "-d") && i + 1 < argc) {
            o.connection = argv[++i];
        } else if ((a == "--file" || a == "-f") && i + 1 < argc) {
            o.file = argv[++i];
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--xlsx" && i + 1 < argc) {
            o.xlsx = argv[++i];
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else if (a.rfind("--", 0) == 0 && a.size() > 2) {
            std::cerr << "veldrano-sql: unknown option " << a << "\n" << kUsage;
            return false;
        } else {
            o.statements.push_back(a);
        }
    }
    if (o.csv && !o.xlsx.empty()) {
        std::cerr << "veldrano-sql: give --csv or --xlsx, not both\n" << kUsage;
        return false;
    }
    if (!o.file.empty() && !o.statements.empty()) {
        std::cerr << "veldrano-sql: give statements or --file, not both\n" << kUsage;
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o))
        return 2;

    std::string script;
    if (!o.statements.empty()) {
        for (const auto& s : o.statements)
            script += s + "\nGO\n";
    } else if (!o.file.empty() && o.file != "-") {
        std::ifstream in(o.file, std::ios::binary);
        if (!in) {
            std::cerr << "veldrano-sql: cannot read " << o.file << "\n";
            return 2;
        }
        script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }

    db::Connection connection;
    try {
        if (o.connection.empty()) {
            const std::string path = demo::defaultDatabasePath();
            demo::createDemoDatabase(path);
            o.connection = "Data Source=" + path;
        }
        connection.open(o.connection);
    } catch (const db::DbError& e) {
        // Said once, in Italian (catalogue 91506), without the password.
        std::cerr << "veldrano-sql: [x91506x] Impossibile aprire la connessione al database:\n"
                  << db::describeFailure(e) << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "veldrano-sql: " << e.what() << '\n';
        return 2;
    }

    int status = 0;
    std::size_t number = 0;
    std::vector<exchange::Sheet> sheets;
    for (const auto& batch : demo::splitBatches(script)) {
        ++number;
        try {
            const db::BatchResult result = connection.run(batch);
            for (const auto& set : result.resultSets) {
                if (!o.xlsx.empty())
                    sheets.push_back(resultSheet(set, sheets.size() + 1));
                else if (o.csv)
                    printCsv(set, std::cout);
                else
                    printTable(set, std::cout);
            }
            if (!o.csv && o.xlsx.empty() && result.resultSets.empty())
                std::cout << '(' << result.rowsAffected
                          << (result.rowsAffected == 1 ? " row affected)" : " rows affected)")
                          << "\n\n";
        } catch (const db::DbError& e) {
            printError(e, number);
            status = 1;
        }
        std::cout.flush();
    }
    if (!o.xlsx.empty()) {
        try {
            exchange::WriteXlsx(o.xlsx, sheets);
        } catch (const std::exception& e) {
            std::cerr << "veldrano-sql: " << e.what() << '\n';
            return 2;
        }
    }
    return status;
}
