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

class Backend {
public:
    virtual ~Backend() = default;
    // Runs every statement of the batch; throws DbError on the first failure
    // (statements before it keep their effect unless a transaction rolls back).
    virtual BatchResult run(std::string_view sql) = 0;
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
