// ODBC backend: the component's T-SQL text goes to the driver unchanged
// (SQL Server through FreeTDS in production). Result sets are read whole;
// SQLSTATE and messages come from the driver's diagnostics.

#include <sql.h>
#include <sqlext.h>

#include <map>
#include <string>
#include <vector>

#include "platform/db/backend.h"
#include "platform/db/errors.h"

namespace db {
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

class OdbcBackend final : public Backend {
public:
    explicit OdbcBackend(const std::string& connectionString) {
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
            for (auto& e : errors)
                e.message = "Cannot connect with '" + connectionString + "': " + e.message;
            release();
            throw DbError(std::move(errors), "");
        }
    }
    ~OdbcBackend() override { release(); }

    std::string name() const override { return "odbc"; }

    void begin() override {
        check(SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT,
                                reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, dbc_, "BEGIN TRANSACTION");
    }
    void commit() override { end(SQL_COMMIT, "COMMIT TRANSACTION"); }
    void rollback() override { end(SQL_ROLLBACK, "ROLLBACK TRANSACTION"); }

    BatchResult run(std::string_view sql) override {
        SQLHSTMT st = SQL_NULL_HSTMT;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st);
        struct Guard {
            SQLHSTMT h;
            ~Guard() { SQLFreeHandle(SQL_HANDLE_STMT, h); }
        } guard{st};
        const std::string text(sql);
        SQLRETURN rc =
            SQLExecDirect(st, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str())),
                          static_cast<SQLINTEGER>(text.size()));
        BatchResult result;
        while (rc != SQL_NO_DATA) {
            check(rc, SQL_HANDLE_STMT, st, text);
            SQLSMALLINT columns = 0;
            SQLNumResultCols(st, &columns);
            if (columns > 0) {
                result.resultSets.push_back(read(st, columns, text));
            } else {
                SQLLEN count = 0;
                if (SQL_SUCCEEDED(SQLRowCount(st, &count)) && count > 0)
                    result.rowsAffected += count;
            }
            rc = SQLMoreResults(st);
        }
        return result;
    }

private:
    void check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const std::string& statement) {
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
            throw DbError(diagnostics(type, handle), statement);
    }

    void end(SQLSMALLINT how, const char* what) {
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

    ResultSet read(SQLHSTMT st, SQLSMALLINT columns, const std::string& statement) {
        ResultSet rs;
        std::vector<SQLSMALLINT> types, scales;
        for (SQLUSMALLINT i = 1; i <= columns; ++i) {
            SQLCHAR name[256] = {0};
            SQLSMALLINT nameLength = 0, type = 0, decimals = 0, nullable = 0;
            SQLULEN size = 0;
            SQLDescribeCol(st, i, name, sizeof name, &nameLength, &type, &size, &decimals,
                           &nullable);
            Column c;
            c.name = reinterpret_cast<char*>(name);
            c.type = fieldType(type);
            if (c.type == FieldType::Decimal) {
                c.precision = static_cast<int>(size);
                c.scale = decimals;
            } else if (c.type == FieldType::Text || c.type == FieldType::FixedText) {
                c.size = static_cast<int>(size);
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
                row.push_back(null ? Value::null() : convert(text, types[i - 1u], scales[i - 1u]));
            }
            rs.rows.push_back(std::move(row));
        }
        markKeys(rs);
        return rs;
    }

    // Key columns of each base table, asked once per table.
    void markKeys(ResultSet& rs) {
        for (auto& c : rs.columns) {
            if (c.baseTable.empty())
                continue;
            auto it = keys_.find(c.baseTable);
            if (it == keys_.end())
                it = keys_.emplace(c.baseTable, primaryKey(c.baseTable)).first;
            for (const auto& k : it->second)
                if (k == c.baseColumn)
                    c.key = true;
        }
    }

public:
    std::vector<std::string> primaryKey(const std::string& table) override {
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
    void release() {
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

    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    std::map<std::string, std::vector<std::string>> keys_;
};

}  // namespace

std::unique_ptr<Backend> openOdbc(const std::string& connectionString) {
    return std::make_unique<OdbcBackend>(connectionString);
}

}  // namespace db
