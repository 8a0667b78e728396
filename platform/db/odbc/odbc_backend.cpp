// ODBC backend: the component's T-SQL text goes to the driver unchanged
// (SQL Server through FreeTDS in production). Result sets are read whole;
// SQLSTATE and messages come from the driver's diagnostics.
//
// With "Adapter=TSQL" in the connection string the T-SQL adapter stands in
// front of a driver that speaks SQLite's dialect (SQLite's ODBC driver): the
// batches are translated and run statement by statement as on the embedded
// backend, and the driver loads the adapter's functions as an extension.

#include <dlfcn.h>
#include <sql.h>
#include <sqlext.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/ascii_case.h"
#include "platform/db/backend.h"
#include "platform/db/credentials.h"
#include "platform/db/errors.h"
#include "platform/db/numbered_parameters.h"
#include "platform/db/sql_literal.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/runner.h"
#include "platform/db/value_literal.h"

namespace db {

std::unique_ptr<Backend> openOdbc(const std::string& connectionString);

namespace {

std::vector<ProviderError> diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::vector<ProviderError> out;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR state[6] = {0};
        SQLCHAR text[2048] = {0};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        const SQLRETURN rc =
            SQLGetDiagRec(type, handle, i, state, &native, text, sizeof text, &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        out.push_back(
            {reinterpret_cast<char*>(state), native, reinterpret_cast<char*>(text), "ODBC"});
    }
    if (out.empty())
        out.push_back({sqlstate::kGeneral, 0, "ODBC call failed without diagnostics", "ODBC"});
    return out;
}

Value convert(const std::string& text, SQLSMALLINT type, SQLSMALLINT scale) {
    switch (type) {
        case SQL_DECIMAL:
        case SQL_NUMERIC:
            if (auto d = Decimal::parse(text))
                return d->rescaled(scale);
            break;
        case SQL_INTEGER:
        case SQL_SMALLINT:
        case SQL_TINYINT:
        case SQL_BIGINT:
            if (auto d = Decimal::parse(text))
                if (auto i = d->toInt64())
                    return static_cast<long long>(*i);
            break;
        case SQL_BIT:
            return text == "1" || text == "true";
        case SQL_FLOAT:
        case SQL_REAL:
        case SQL_DOUBLE:
            if (auto d = Decimal::parse(text))
                return d->toDouble();
            break;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIMESTAMP:
        case SQL_DATETIME:
            if (auto d = DateTime::parseIso(text))
                return *d;
            break;
        default:
            break;
    }
    return text;
}

FieldType fieldType(SQLSMALLINT type) {
    switch (type) {
        case SQL_DECIMAL:
        case SQL_NUMERIC:
            return FieldType::Decimal;
        case SQL_INTEGER:
        case SQL_SMALLINT:
        case SQL_TINYINT:
        case SQL_BIGINT:
            return FieldType::Integer;
        case SQL_BIT:
            return FieldType::Boolean;
        case SQL_FLOAT:
        case SQL_REAL:
        case SQL_DOUBLE:
            return FieldType::Double;
        case SQL_CHAR:
        case SQL_WCHAR:
            return FieldType::FixedText;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIMESTAMP:
        case SQL_DATETIME:
            return FieldType::Date;
        case SQL_BINARY:
        case SQL_VARBINARY:
        case SQL_LONGVARBINARY:
            return FieldType::Binary;
        default:
            return FieldType::Text;
    }
}

// A value read as text from a column that SQLite declared with `type`, as
// the embedded backend reads it; undeclared columns follow the type the
// driver gave from the first row (integer, double or text).
Value fromSqliteText(const std::string& text, const sqlite::DeclaredType& type, SQLSMALLINT odbc) {
    // SQLite's driver reads a blob as its literal, X'0A0B': shown "0x0A0B" as the
    // embedded backend shows binary values.
    if (text.size() >= 3 && text[0] == 'X' && text[1] == '\'' && text.back() == '\'' &&
        (odbc == SQL_BINARY || odbc == SQL_VARBINARY || odbc == SQL_LONGVARBINARY ||
         type.type == FieldType::Binary) &&
        text.find_first_not_of("0123456789ABCDEFabcdef", 2) == text.size() - 1)
        return "0x" + db::upper(text.substr(2, text.size() - 3));
    switch (type.type) {
        case FieldType::Decimal:
            if (auto d = Decimal::parse(text))
                return d->rescaled(type.scale);
            break;
        case FieldType::Integer:
            if (auto d = Decimal::parse(text))
                if (auto i = d->toInt64(); i && d->isInteger())
                    return static_cast<long long>(*i);
            break;
        case FieldType::Boolean:
            if (auto d = Decimal::parse(text))
                return d->toDouble() != 0;
            break;
        case FieldType::Double:
            if (auto d = Decimal::parse(text))
                return d->toDouble();
            break;
        case FieldType::Date:
            if (auto d = DateTime::parseIso(text))
                return *d;
            break;
        case FieldType::FixedText: {
            std::string s = text;
            std::size_t chars = 0;
            for (unsigned char c : s)
                chars += (c & 0xC0) != 0x80;
            if (chars < static_cast<std::size_t>(type.size))
                s.append(static_cast<std::size_t>(type.size) - chars, ' ');
            return s;
        }
        case FieldType::Empty:
            if (odbc == SQL_INTEGER || odbc == SQL_BIGINT || odbc == SQL_SMALLINT) {
                if (auto d = Decimal::parse(text))
                    if (auto i = d->toInt64(); i && d->isInteger())
                        return static_cast<long long>(*i);
            } else if (odbc == SQL_DOUBLE || odbc == SQL_FLOAT || odbc == SQL_REAL) {
                if (auto d = Decimal::parse(text))
                    return d->normalized();
            }
            break;
        default:
            break;
    }
    return text;
}

// The adapter's extension, next to the database layer's own library.
std::string extensionPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&openOdbc), &info) == 0 || !info.dli_fname)
        return "libveldrano_tsql.so";
    return (std::filesystem::path(info.dli_fname).parent_path() / "libveldrano_tsql.so").string();
}

class OdbcBackend final : public Backend, private sqlite::Engine {
public:
    OdbcBackend(const std::string& connectionString, bool adapter) : adapter_(adapter) {
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_);
        SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
        SQLCHAR out[1024];
        SQLSMALLINT outLength = 0;
        const SQLRETURN rc = SQLDriverConnect(
            dbc_, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(connectionString.c_str())),
            SQL_NTS, out, sizeof out, &outLength, SQL_DRIVER_NOPROMPT);
        if (!SQL_SUCCEEDED(rc)) {
            auto errors = diagnostics(SQL_HANDLE_DBC, dbc_);
            for (auto& e : errors) {
                e.message = "'" + maskCredentials(connectionString) + "': " + e.message;
                if (adapter_ && (e.sqlState == "HY000" || e.sqlState == "S1000"))
                    e.sqlState = sqlstate::kConnection;
            }
            release();
            throw DbError(std::move(errors), "");
        }
        if (adapter_) {
            runner_ = std::make_unique<sqlite::PlanRunner>(static_cast<sqlite::Engine&>(*this),
                                                           static_cast<Backend&>(*this));
            try {
                // The extension proves it was loaded by answering.
                execute("SELECT tsql_describe('SELECT 1', 0)", "T-SQL adapter");
                runner_->installAllRules();
            } catch (const DbError& e) {
                auto errors = e.errors();
                for (auto& err : errors) {
                    err.message = "l'adattatore T-SQL non funziona attraverso '" +
                                  maskCredentials(connectionString) + "': " + err.message;
                    err.sqlState = sqlstate::kConnection;
                }
                release();
                throw DbError(std::move(errors), "");
            }
        }
    }
    ~OdbcBackend() override { release(); }

    OdbcBackend(const OdbcBackend&) = delete;
    OdbcBackend& operator=(const OdbcBackend&) = delete;

    std::string name() const override { return adapter_ ? "odbc+tsql" : "odbc"; }

    void begin() override {
        if (adapter_)
            runner_->settle();
        check(SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT,
                                reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, dbc_, "BEGIN TRANSACTION");
        inTransaction_ = true;
    }
    void commit() override { end(SQL_COMMIT, "COMMIT TRANSACTION"); }
    void rollback() override { end(SQL_ROLLBACK, "ROLLBACK TRANSACTION"); }
    bool inTransaction() override { return inTransaction_; }

    BatchResult run(std::string_view sql) override {
        if (adapter_)
            return runner_->run(sql);
        return execute(std::string(sql), std::string(sql));
    }

    // Through the adapter a batch of one query is fetched row by row; a
    // batch sent to the server as it is may hold several result sets, and
    // which one is the last is known only once all are read.
    void forEachRow(std::string_view sql, RowSink& sink) override {
        if (adapter_)
            runner_->forEachRow(sql, sink);
        else
            Backend::forEachRow(sql, sink);
    }

    std::vector<std::string> primaryKey(const std::string& table) override {
        if (adapter_)
            return runner_->primaryKey(table);
        std::vector<std::string> out;
        SQLHSTMT st = SQL_NULL_HSTMT;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st);
        if (SQL_SUCCEEDED(SQLPrimaryKeys(
                st, nullptr, 0, nullptr, 0,
                reinterpret_cast<SQLCHAR*>(const_cast<char*>(table.c_str())), SQL_NTS))) {
            SQLCHAR name[256];
            SQLLEN indicator = 0;
            while (SQL_SUCCEEDED(SQLFetch(st))) {
                if (SQL_SUCCEEDED(SQLGetData(st, 4, SQL_C_CHAR, name, sizeof name, &indicator)) &&
                    indicator > 0)
                    out.emplace_back(reinterpret_cast<char*>(name));
            }
        }
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        return out;
    }

private:
    // ---- the engine of the adapter: SQLite statements through the driver

    ResultSet query(const std::string& sql, const sqlite::Literals& literals,
                    const std::string& source, long long* changes, bool* hasColumns) override {
        const std::string text = inline_(sql, literals);
        const auto described = describeText(text, false, source);
        BatchResult result = execute(text, source, &described);
        if (changes)
            *changes += result.rowsAffected;
        if (hasColumns)
            *hasColumns = !result.resultSets.empty();
        return result.resultSets.empty() ? ResultSet{} : std::move(result.resultSets.front());
    }

    void stream(const std::string& sql, const sqlite::Literals& literals, const std::string& source,
                RowSink& sink, long long* changes, bool* hasColumns) override {
        const std::string text = inline_(sql, literals);
        const auto described = describeText(text, false, source);
        const BatchResult result = execute(text, source, &described, &sink);
        if (changes)
            *changes += result.rowsAffected;
        if (hasColumns)
            *hasColumns = !result.resultSets.empty();
    }

    std::vector<sqlite::DescribedColumn> describe(const std::string& sql,
                                                  const sqlite::Literals& literals,
                                                  const std::string& source, bool step) override {
        return describeText(inline_(sql, literals), step, source);
    }

    void insertRow(const std::string& sql, const std::vector<Value>& values,
                   const std::string& source) override {
        execute(replaceNumberedParameters(sql,
                                          [&](std::size_t n) {
                                              return n >= 1 && n <= values.size()
                                                         ? valueLiteral(values[n - 1],
                                                                        LiteralDialect::Sqlite)
                                                         : std::string("NULL");
                                          }),
                source);
    }

    void direct(const std::string& sql) override { execute(sql, sql); }

    static std::string inline_(const std::string& sql, const sqlite::Literals& literals) {
        return replaceNumberedParameters(sql, [&](std::size_t n) {
            return n >= 1 && n <= literals.size() ? db::sqlQuoted(literals[n - 1])
                                                  : std::string("NULL");
        });
    }

    std::vector<sqlite::DescribedColumn> describeText(const std::string& text, bool step,
                                                      const std::string& source) {
        const BatchResult r =
            execute("SELECT tsql_describe(" + db::sqlQuoted(text) + ", " + (step ? "1" : "0") + ")",
                    source);
        std::vector<sqlite::DescribedColumn> out;
        if (r.resultSets.empty() || r.resultSets[0].rows.empty())
            return out;
        const std::string all = r.resultSets[0].rows[0][0].toText();
        std::size_t start = 0;
        while (start < all.size()) {
            std::size_t end = all.find('\x1E', start);
            if (end == std::string::npos)
                end = all.size();
            const std::string part = all.substr(start, end - start);
            const auto a = part.find('\x1F'), b = part.find('\x1F', a + 1);
            sqlite::DescribedColumn c;
            c.name = part.substr(0, a);
            c.declared = part.substr(a + 1, b - a - 1);
            c.storage = std::atoi(part.c_str() + b + 1);
            out.push_back(std::move(c));
            start = end + 1;
        }
        return out;
    }

    // ---- statements through the driver

    // Runs text on a fresh statement handle. `declared`, when given, holds
    // the types SQLite declares for the columns of the first result; the
    // rows of that result go to `sink`, when given, as they are fetched
    // (its result set stays without rows).
    BatchResult execute(const std::string& text, const std::string& source,
                        const std::vector<sqlite::DescribedColumn>* declared = nullptr,
                        RowSink* sink = nullptr) {
        SQLHSTMT st = SQL_NULL_HSTMT;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st);
        struct Guard {
            SQLHSTMT h;
            ~Guard() { SQLFreeHandle(SQL_HANDLE_STMT, h); }
        } guard{st};
        SQLRETURN rc =
            SQLExecDirect(st, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str())),
                          static_cast<SQLINTEGER>(text.size()));
        BatchResult result;
        while (rc != SQL_NO_DATA) {
            check(rc, SQL_HANDLE_STMT, st, source);
            SQLSMALLINT columns = 0;
            SQLNumResultCols(st, &columns);
            if (columns > 0) {
                result.resultSets.push_back(read(st, columns, source, declared, sink));
                declared = nullptr;
                sink = nullptr;
            } else {
                SQLLEN count = 0;
                if (SQL_SUCCEEDED(SQLRowCount(st, &count)) && count > 0)
                    result.rowsAffected += count;
            }
            rc = SQLMoreResults(st);
        }
        return result;
    }

    void check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const std::string& statement) {
        if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
            return;
        auto errors = diagnostics(type, handle);
        // SQLite's driver reports most failures as HY000 with SQLite's own
        // result code: the adapter tells them apart as the embedded backend.
        if (adapter_)
            for (auto& e : errors)
                if (e.sqlState == "HY000" || e.sqlState == "S1000") {
                    e.sqlState = sqlite::sqlStateOf(static_cast<int>(e.nativeError), e.message);
                    e.message = sqlite::clearMessage(static_cast<int>(e.nativeError), e.message);
                    sqlite::sqlServerError(e.message, e.nativeError, statement, &e.sqlState);
                }
        throw DbError(std::move(errors), statement);
    }

    void end(SQLSMALLINT how, const char* what) {
        inTransaction_ = false;
        check(SQLEndTran(SQL_HANDLE_DBC, dbc_, how), SQL_HANDLE_DBC, dbc_, what);
        SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT,
                          reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    }

    std::string attribute(SQLHSTMT st, SQLUSMALLINT column, SQLUSMALLINT field) {
        SQLCHAR buffer[256] = {0};
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(
                SQLColAttribute(st, column, field, buffer, sizeof buffer, &length, nullptr)))
            return {};
        return reinterpret_cast<char*>(buffer);
    }

    // `declared`: the columns as SQLite itself names and declares them (the
    // driver cuts names at a dot and drops the scale of decimals).
    ResultSet read(SQLHSTMT st, SQLSMALLINT columns, const std::string& statement,
                   const std::vector<sqlite::DescribedColumn>* declared, RowSink* sink) {
        ResultSet rs;
        std::vector<SQLSMALLINT> types, scales;
        std::vector<sqlite::DeclaredType> sqliteTypes;
        for (SQLUSMALLINT i = 1; i <= columns; ++i) {
            SQLCHAR name[256] = {0};
            SQLSMALLINT nameLength = 0, type = 0, decimals = 0, nullable = 0;
            SQLULEN size = 0;
            SQLDescribeCol(st, i, name, sizeof name, &nameLength, &type, &size, &decimals,
                           &nullable);
            Column c;
            c.name = reinterpret_cast<char*>(name);
            if (declared) {
                const bool known = i <= declared->size();
                const std::string decl = known ? (*declared)[i - 1u].declared : "";
                if (known)
                    c.name = (*declared)[i - 1u].name;
                const sqlite::DeclaredType t = sqlite::parseDeclaredType(decl.c_str());
                sqliteTypes.push_back(t);
                c.type = t.type != FieldType::Empty ? t.type
                         : type == SQL_INTEGER      ? FieldType::Integer
                         : type == SQL_DOUBLE       ? FieldType::Decimal
                                                    : FieldType::Text;
                c.size = t.size;
                c.precision = t.precision;
                c.scale = t.scale;
            } else {
                c.type = fieldType(type);
                if (c.type == FieldType::Decimal) {
                    c.precision = static_cast<int>(size);
                    c.scale = decimals;
                } else if (c.type == FieldType::Text || c.type == FieldType::FixedText) {
                    c.size = static_cast<int>(size);
                }
            }
            c.nullable = nullable != SQL_NO_NULLS;
            c.baseTable = attribute(st, i, SQL_DESC_BASE_TABLE_NAME);
            c.baseColumn = attribute(st, i, SQL_DESC_BASE_COLUMN_NAME);
            if (c.baseColumn.empty())
                c.baseTable.clear();
            rs.columns.push_back(std::move(c));
            types.push_back(type);
            scales.push_back(decimals);
        }
        markKeys(rs);
        if (sink)
            sink->columns(rs.columns);
        std::string buffer(8192, '\0');
        for (;;) {
            const SQLRETURN rc = SQLFetch(st);
            if (rc == SQL_NO_DATA)
                break;
            check(rc, SQL_HANDLE_STMT, st, statement);
            std::vector<Value> row;
            for (SQLUSMALLINT i = 1; i <= columns; ++i) {
                std::string text;
                SQLLEN indicator = 0;
                bool null = false;
                for (;;) {
                    const SQLRETURN g = SQLGetData(st, i, SQL_C_CHAR, buffer.data(),
                                                   static_cast<SQLLEN>(buffer.size()), &indicator);
                    if (g == SQL_NO_DATA)
                        break;
                    check(g, SQL_HANDLE_STMT, st, statement);
                    if (indicator == SQL_NULL_DATA) {
                        null = true;
                        break;
                    }
                    const std::size_t got =
                        indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(buffer.size())
                            ? buffer.size() - 1
                            : static_cast<std::size_t>(indicator);
                    text.append(buffer.data(), got);
                    if (g == SQL_SUCCESS)
                        break;
                }
                if (null)
                    row.push_back(Value::null());
                else if (declared)
                    row.push_back(fromSqliteText(text, sqliteTypes[i - 1u], types[i - 1u]));
                else
                    row.push_back(convert(text, types[i - 1u], scales[i - 1u]));
            }
            if (!sink)
                rs.rows.push_back(std::move(row));
            else if (!sink->row(RowOfValues(row)))
                break;
        }
        return rs;
    }

    // Key columns of each base table; permanent tables asked once, work
    // tables every time (they are rebuilt, and get their key late).
    void markKeys(ResultSet& rs) {
        std::map<std::string, std::vector<std::string>> asked;
        for (auto& c : rs.columns) {
            if (c.baseTable.empty())
                continue;
            const bool work = c.baseTable[0] == '#';
            auto& cache = work ? asked : keys_;
            auto it = cache.find(c.baseTable);
            if (it == cache.end())
                it = cache.emplace(c.baseTable, primaryKey(c.baseTable)).first;
            for (const auto& k : it->second)
                if (lower(k) == lower(c.baseColumn))
                    c.key = true;
        }
    }

    void release() {
        runner_.reset();
        // A driver refuses to disconnect in the middle of a transaction, and
        // would keep its locks: whatever is open is rolled back first.
        if (dbc_ && inTransaction_)
            SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
        inTransaction_ = false;
        if (dbc_) {
            SQLDisconnect(dbc_);
            SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
            dbc_ = SQL_NULL_HDBC;
        }
        if (env_) {
            SQLFreeHandle(SQL_HANDLE_ENV, env_);
            env_ = SQL_NULL_HENV;
        }
    }

    bool adapter_ = false;
    bool inTransaction_ = false;
    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    std::map<std::string, std::vector<std::string>> keys_;
    std::unique_ptr<sqlite::PlanRunner> runner_;
};

}  // namespace

// "Adapter=TSQL" (also "T-SQL") asks for the adapter: it is taken out of the
// string handed to the driver, which is told to load the adapter's extension.
std::unique_ptr<Backend> openOdbc(const std::string& connectionString) {
    std::string driverString;
    bool adapter = false;
    std::size_t start = 0;
    while (start < connectionString.size()) {
        std::size_t end = connectionString.find(';', start);
        if (end == std::string::npos)
            end = connectionString.size();
        const std::string part = connectionString.substr(start, end - start);
        start = end + 1;
        const auto eq = part.find('=');
        std::string key = lower(part.substr(0, eq));
        key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
        if (key == "adapter" && eq != std::string::npos) {
            std::string value = lower(part.substr(eq + 1));
            value.erase(std::remove_if(value.begin(), value.end(),
                                       [](char c) { return c == ' ' || c == '-'; }),
                        value.end());
            if (value != "tsql" && value != "none" && !value.empty())
                throw DbError({{sqlstate::kConnection, 0,
                                "adattatore '" + part.substr(eq + 1) + "' sconosciuto in '" +
                                    maskCredentials(connectionString) + "'.",
                                "ODBC"}},
                              "");
            adapter = value == "tsql";
            continue;
        }
        if (part.find_first_not_of(' ') == std::string::npos)
            continue;
        driverString += (driverString.empty() ? "" : ";") + part;
    }
    if (adapter) {
        // As on the embedded backend, a missing file is an error, not a new
        // empty database, unless the string says otherwise.
        if (lower(driverString).find("nocreat=") == std::string::npos)
            driverString += ";NoCreat=1";
        driverString += ";LoadExt=" + extensionPath();
    }
    return std::make_unique<OdbcBackend>(driverString, adapter);
}

}  // namespace db
