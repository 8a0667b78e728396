// Column rules of the tables the adapter serves: CHAR(n) stored
// blank-padded, text longer than its column refused, integers kept in their
// type's range, dates and times kept in one comparable form. SQLite runs
// them as temporary triggers of the connection.

#include <sqlite3.h>

#include "platform/db/sql_literal.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/tsql/lexer.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {

void PlanRunner::installRules(const std::string& table, bool temporary, bool fresh) {
    const std::string base = "tsql_rule_" + std::string(temporary ? "t_" : "m_") + table;
    const auto info = tableInfo(table, temporary);
    // Dropping a table drops its triggers: a table just made has none.
    if (!fresh) {
        for (const char* suffix : {"_ci", "_cu", "_ni", "_nu", "_id"})
            engine_.direct("DROP TRIGGER IF EXISTS temp." + tsql::quoteName(base + suffix));
        // The columns' own checks, by their names: the table may have gone
        // under another name already (a procedure's table variable hidden).
        static const std::string find =
            "SELECT name FROM sqlite_temp_master WHERE type = 'trigger' AND "
            "lower(substr(name, 1, length(?1))) = lower(?1)";
        for (const auto& row : engine_.query(find, {base + "_cu_"}, find, nullptr).rows)
            engine_.direct("DROP TRIGGER IF EXISTS temp." + tsql::quoteName(row[0].toText()));
    }
    std::string checks, pads, when, columns;
    // Each column's own checks: an update checks only the columns it sets
    // (a sequence renumbered row by row checks no text).
    std::vector<std::pair<std::string, std::string>> checksOf;
    int keyColumns = 0;
    for (const auto& c : info)
        keyColumns += c.pk > 0;
    for (const auto& c : info) {
        const std::size_t checksBefore = checks.size();
        // An IDENTITY column that is the table's INTEGER key is SQLite's row
        // id, which ignores the column's DEFAULT: the value it got is told
        // to SCOPE_IDENTITY() after the insert.
        if (c.pk && keyColumns == 1 && tsql::upper(c.type) == "INTEGER" &&
            c.defaultValue.find("tsql_identity_next(") != std::string::npos)
            engine_.direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_id") +
                           " AFTER INSERT ON " + std::string(temporary ? "temp." : "main.") +
                           tsql::quoteName(table) + " BEGIN SELECT tsql_identity_seen(NEW." +
                           tsql::quoteName(c.name) + "); END");
        const DeclaredType t = parseDeclaredType(c.type.c_str());
        const std::string col = tsql::quoteName(c.name);
        const std::string value = "NEW." + col;
        if (const std::string declared = tsql::upper(c.type);
            declared == "INT" || declared == "SMALLINT" || declared == "TINYINT") {
            // An integer past the column's range is refused, not stored.
            checks += "SELECT tsql_int(" + value + ", '" + declared + "', 1) WHERE typeof(" +
                      value + ") = 'integer'; ";
        } else if (const tsql::TypeSpec time = tsql::typeOfDeclared(c.type); time.isTime()) {
            // TIME, DATETIME2, DATETIMEOFFSET: stored in their one form.
            const std::string form = "', " + std::to_string(time.scale) + ", '')";
            when += std::string(when.empty() ? "" : " OR ") + value + " COLLATE TSQL_CS IS NOT " +
                    "tsql_time(" + value + ", '" + time.name + form;
            pads += std::string(pads.empty() ? "" : ", ") + col + " = tsql_time(" + col + ", '" +
                    time.name + form;
            columns += std::string(columns.empty() ? "" : ", ") + col;
        } else if ((t.type == FieldType::Text || t.type == FieldType::FixedText) && t.size > 0) {
            checks += "SELECT RAISE(ABORT, " +
                      db::sqlQuoted("String or binary data would be truncated in table '" + table +
                                    "', column '" + c.name + "'.") +
                      ") WHERE tsql_len(" + value + ") > " + std::to_string(t.size) + "; ";
            if (t.type == FieldType::FixedText) {
                when += std::string(when.empty() ? "" : " OR ") + "length(" + value + ") < " +
                        std::to_string(t.size);
                pads += std::string(pads.empty() ? "" : ", ") + col + " = tsql_pad(" + col + ", " +
                        std::to_string(t.size) + ")";
                columns += std::string(columns.empty() ? "" : ", ") + col;
            }
        } else if (t.type == FieldType::Binary && tsql::upper(c.type).rfind("IMAGE", 0) != 0) {
            // Text goes into a binary column only through an explicit
            // conversion; more bytes than the column holds are refused, an
            // integer becomes its bytes and BINARY(n) is padded to n bytes.
            const bool fixed = tsql::upper(c.type).rfind("BINARY", 0) == 0;
            checks += "SELECT RAISE(ABORT, " +
                      db::sqlQuoted(std::string("Implicit conversion from data type varchar to ") +
                                    (fixed ? "binary" : "varbinary") +
                                    " is not allowed. Use the CONVERT function to run this "
                                    "query.") +
                      ") WHERE typeof(" + value + ") = 'text'; ";
            if (t.size > 0) {
                checks += "SELECT RAISE(ABORT, " +
                          db::sqlQuoted("String or binary data would be truncated in table '" +
                                        table + "', column '" + c.name + "'.") +
                          ") WHERE typeof(" + value + ") = 'blob' AND length(" + value + ") > " +
                          std::to_string(t.size) + "; ";
                when += std::string(when.empty() ? "" : " OR ") + "typeof(" + value +
                        ") = 'integer'" +
                        (fixed ? " OR length(" + value + ") < " + std::to_string(t.size) : "");
                pads += std::string(pads.empty() ? "" : ", ") + col + " = tsql_binary(" + col +
                        ", '" + (fixed ? "BINARY" : "VARBINARY") + "', " + std::to_string(t.size) +
                        ", 0, 'INT')";
                columns += std::string(columns.empty() ? "" : ", ") + col;
            }
        } else if (t.type == FieldType::Date) {
            // DATETIME starts in 1753 and keeps time in steps of 1/300 s.
            const std::string declared = tsql::upper(c.type);
            const bool datetime =
                declared.rfind("DATETIME", 0) == 0 && declared.rfind("DATETIME2", 0) != 0;
            checks +=
                "SELECT RAISE(ABORT, 'Conversion failed when converting date and/or "
                "time from character string.') WHERE tsql_isdate(" +
                value + ") = 0; ";
            if (datetime)
                checks +=
                    "SELECT RAISE(ABORT, 'The conversion of a varchar data type to a "
                    "datetime data type resulted in an out-of-range value.') WHERE "
                    "tsql_isdate(" +
                    value + ", 1753) = 0; ";
            when += std::string(when.empty() ? "" : " OR ") + "(typeof(" + value +
                    ") = 'text' AND (length(" + value + ") <> 23" +
                    (datetime ? " OR substr(" + value + ", 23) NOT IN ('0', '3', '7')" : "") + "))";
            pads += std::string(pads.empty() ? "" : ", ") + col + " = tsql_datetime(" + col +
                    (datetime ? ", 1" : "") + ")";
            columns += std::string(columns.empty() ? "" : ", ") + col;
        }
        if (checks.size() > checksBefore)
            checksOf.emplace_back(c.name, checks.substr(checksBefore));
    }
    const std::string on =
        " ON " + std::string(temporary ? "temp." : "main.") + tsql::quoteName(table) + " ";
    const std::string target = tsql::quoteName(table);
    if (!checks.empty())
        engine_.direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_ci") + " BEFORE INSERT" +
                       on + "BEGIN " + checks + "END");
    for (const auto& [name, own] : checksOf)
        engine_.direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_cu_" + name) +
                       " BEFORE UPDATE OF " + tsql::quoteName(name) + on + "BEGIN " + own + "END");
    if (!pads.empty()) {
        const std::string body =
            " BEGIN UPDATE " + target + " SET " + pads + " WHERE rowid = NEW.rowid; END";
        engine_.direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_ni") + " AFTER INSERT" +
                       on + "WHEN " + when + body);
        engine_.direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_nu") +
                       " AFTER UPDATE OF " + columns + on + "WHEN " + when + body);
    }
}

}  // namespace db::sqlite
