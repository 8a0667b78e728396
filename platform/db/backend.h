#pragma once
// What a database backend (embedded SQLite with the T-SQL adapter, ODBC)
// offers the connection. Backends receive the component's T-SQL text
// unchanged and return every result set it produced, fully read.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/value.h"

namespace db {

enum class FieldType { Empty, Boolean, Integer, Decimal, Double, Text, FixedText, Date, Binary };

struct Column {
    std::string name;
    FieldType type = FieldType::Text;
    int size = 0;       // defined size in characters for text, 0 when unknown
    int precision = 0;  // for decimals
    int scale = 0;      // for decimals
    bool nullable = true;
    // Where the column comes from, when it is a plain column of a table:
    // batch updates write back there, by the table's key.
    std::string baseTable;   // "MG66_ANAGRART", "#TMP_COMBI"; "" when computed
    std::string baseColumn;  // "" when computed
    bool key = false;        // part of the base table's primary key
};

struct ResultSet {
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows;
};

struct BatchResult {
    std::vector<ResultSet> resultSets;  // only statements that return columns
    long long rowsAffected = 0;         // summed over INSERT/UPDATE/DELETE
};

// One row of a forward-only read, valid only during the call that hands it
// over: nothing of it is kept once the read moves on.
class RowView {
public:
    virtual ~RowView() = default;
    // The value as run() would have returned it in its row.
    virtual Value value(int column) const = 0;
    // A column whose value is a Decimal gives it without a Value around it
    // (true); anything else, NULL included, answers false and is read by value().
    virtual bool decimal(int column, Decimal& out) const;
};

// A row already in memory, seen as a RowView.
class RowOfValues final : public RowView {
public:
    explicit RowOfValues(const std::vector<Value>& row) : row_(row) {}
    Value value(int column) const override { return row_.at(static_cast<std::size_t>(column)); }
    bool decimal(int column, Decimal& out) const override;

private:
    const std::vector<Value>& row_;
};

// Where a forward-only read hands what it reads: the columns once, before
// any row, then each row; row() answers false to end the read there.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void columns(const std::vector<Column>& columns) = 0;
    virtual bool row(const RowView& row) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Runs every statement of the batch; throws DbError on the first failure
    // (statements before it keep their effect unless a transaction rolls back).
    virtual BatchResult run(std::string_view sql) = 0;
    // Runs the batch as run() does and hands the rows of its last result
    // set that has columns to `sink` (columns() with none when there is
    // none). A batch of one query is read forward-only where the backend
    // can: each row as it is fetched, none kept. Otherwise, and here, the
    // batch is run whole and its rows handed over from memory.
    virtual void forEachRow(std::string_view sql, RowSink& sink);
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual std::string name() const = 0;  // "sqlite", "odbc"
    // Columns of the table's primary key in key order ("#X" for temporary
    // tables); empty when the table has none or is unknown.
    virtual std::vector<std::string> primaryKey(const std::string& table) {
        (void)table;
        return {};
    }
};

// Chooses the backend from the connection string:
//   "Data Source=path.db" / "sqlite:path.db" / a path ending in .db  -> embedded SQLite
//   "Driver=...;..." / "DSN=...;..."                                  -> ODBC
// Throws DbError (SQLSTATE 08001) naming the file or the DSN on failure.
std::unique_ptr<Backend> openBackend(const std::string& connectionString);

}  // namespace db
