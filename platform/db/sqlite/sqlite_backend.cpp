#include "platform/db/sqlite/sqlite_backend.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/db/errors.h"
#include "platform/db/host_objects.h"
#include "platform/db/sqlite/sqlite_functions.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/sqlite/table_functions.h"
#include "platform/db/sqlite/tsql_emitter.h"
#include "platform/db/sqlite/tsql_plan.h"

namespace db::sqlite {
namespace {

using tsql::Statement;
using Literals = std::vector<std::string>;

bool contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

// The collation a column of the given declared type gets in a table the
// adapter creates: SQL Server's text comparison, or dates compared as dates.
std::string collationFor(const std::string& declared) {
    switch (parseDeclaredType(declared.c_str()).type) {
        case FieldType::Text:
        case FieldType::FixedText:
            return " COLLATE TSQL_CI";
        case FieldType::Date:
            return declared.find("TEXT") == std::string::npos ? " TEXT COLLATE TSQL_DATE"
                                                              : " COLLATE TSQL_DATE";
        default:
            return "";
    }
}

std::string sqlStateOf(int rc, const std::string& message) {
    switch (rc & 0xFF) {
        case SQLITE_CONSTRAINT:
            if (contains(message, "would be truncated"))
                return sqlstate::kTruncation;
            if (contains(message, "Conversion failed"))
                return sqlstate::kConversion;
            return sqlstate::kIntegrity;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return sqlstate::kBusy;
        case SQLITE_CANTOPEN:
        case SQLITE_NOTADB:
            return sqlstate::kConnection;
        default:
            break;
    }
    if (contains(message, "no such table") || contains(message, "no such view"))
        return sqlstate::kNoSuchObject;
    if (contains(message, "no such column") || contains(message, "has no column"))
        return sqlstate::kNoSuchColumn;
    if (contains(message, "Conversion failed") || contains(message, "Error converting"))
        return sqlstate::kConversion;
    if (contains(message, "already exists") || contains(message, "already an object"))
        return "42S01";
    if (contains(message, "syntax error") || contains(message, "no such function") ||
        contains(message, "not supported") || contains(message, "wrong number of arguments"))
        return sqlstate::kSyntax;
    return sqlstate::kGeneral;
}

class SqliteBackend final : public Backend {
public:
    explicit SqliteBackend(const OpenOptions& options) : path_(options.path) {
        const bool memory = path_.empty() || path_ == ":memory:";
        if (!memory && !options.create && !std::filesystem::exists(path_))
            throw openError(SQLITE_CANTOPEN, "The database file does not exist");
        int flags = options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
        if (options.create || memory)
            flags |= SQLITE_OPEN_CREATE;
        if (const int rc =
                sqlite3_open_v2(memory ? ":memory:" : path_.c_str(), &db_, flags, nullptr);
            rc != SQLITE_OK) {
            const std::string msg = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
            sqlite3_close(db_);
            db_ = nullptr;
            throw openError(rc, msg);
        }
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, 5000);
        // A misspelt "column" must be an error, never a string.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        registerFunctions(db_);
        registerTableFunctions(db_, *this);
        try {
            direct("PRAGMA foreign_keys = ON");
            direct("PRAGMA temp_store = MEMORY");
            installAllRules();
        } catch (const DbError& e) {
            sqlite3_close(db_);
            db_ = nullptr;
            throw openError(SQLITE_NOTADB, e.errors().empty() ? e.what() : e.errors()[0].message);
        }
    }

    ~SqliteBackend() override {
        for (auto& [sql, c] : cache_)
            sqlite3_finalize(c.stmt);
        sqlite3_close_v2(db_);
    }

    std::string name() const override { return "sqlite"; }

    void begin() override { direct("BEGIN"); }
    void commit() override { direct("COMMIT"); }
    void rollback() override {
        if (!sqlite3_get_autocommit(db_))
            direct("ROLLBACK");
    }

    std::vector<std::string> primaryKey(const std::string& table) override {
        const bool temporary = !table.empty() && table[0] == '#';
        std::vector<std::string> key;
        const auto info = tableInfo(table, temporary);
        for (int k = 1;; ++k) {
            const auto it = std::find_if(info.begin(), info.end(),
                                         [k](const ColumnInfo& c) { return c.pk == k; });
            if (it == info.end())
                return key;
            key.push_back(it->name);
        }
    }

    BatchResult run(std::string_view sql) override {
        tsql::Shape shape = tsql::shapeOf(sql);
        std::shared_ptr<const tsql::Plan> plan = cachedPlan(shape, sql);
        BatchResult result;
        for (const auto& st : plan->statements)
            exec(st, shape.literals, result);
        return result;
    }

private:
    DbError openError(int rc, const std::string& message) const {
        return DbError({{sqlstate::kConnection, rc,
                         "Cannot open the database file '" + path_ + "': " + message, "SQLite"}},
                       "");
    }

    [[noreturn]] void fail(int rc, const std::string& statement) const {
        std::string message = sqlite3_errmsg(db_);
        if ((rc & 0xFF) == SQLITE_READONLY || (rc & 0xFF) == SQLITE_CORRUPT ||
            (rc & 0xFF) == SQLITE_NOTADB || (rc & 0xFF) == SQLITE_IOERR)
            message += " (database file '" + path_ + "')";
        throw DbError({{sqlStateOf(rc, message), rc, message, "SQLite"}}, statement);
    }

    std::shared_ptr<const tsql::Plan> cachedPlan(const tsql::Shape& shape, std::string_view sql) {
        if (auto it = plans_.find(shape.key); it != plans_.end()) {
            bool same = true;
            for (const auto& [ordinal, text] : it->second->inlined)
                if (ordinal < 1 || static_cast<std::size_t>(ordinal) > shape.literals.size() ||
                    shape.literals[static_cast<std::size_t>(ordinal) - 1] != text)
                    same = false;
            if (same)
                return it->second;
        }
        auto plan = tsql::translate(sql);
        if (plans_.size() > 2000)
            plans_.clear();
        plans_[shape.key] = plan;
        return plan;
    }

    // ---- prepared statements, kept by text; a statement already stepping
    // (a table function's body run from inside a query) gets a fresh one.
    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        bool busy = false;
    };

    class Lease {
    public:
        Lease(SqliteBackend& b, const std::string& sql, const std::string& source) : b_(b) {
            auto it = b.cache_.find(sql);
            if (it != b.cache_.end() && !it->second.busy) {
                cached_ = &it->second;
                stmt_ = cached_->stmt;
                cached_->busy = true;
                return;
            }
            const int rc = sqlite3_prepare_v2(b.db_, sql.c_str(), static_cast<int>(sql.size()),
                                              &stmt_, nullptr);
            if (rc != SQLITE_OK)
                b.fail(rc, source);
            if (it == b.cache_.end() && stmt_) {
                if (b.cache_.size() > 500)
                    b.dropIdleStatements();
                cached_ = &b.cache_[sql];
                cached_->stmt = stmt_;
                cached_->busy = true;
            }
        }
        ~Lease() {
            if (!stmt_)
                return;
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
            if (cached_)
                cached_->busy = false;
            else
                sqlite3_finalize(stmt_);
        }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        sqlite3_stmt* get() const { return stmt_; }

    private:
        SqliteBackend& b_;
        Cached* cached_ = nullptr;
        sqlite3_stmt* stmt_ = nullptr;
    };

    void dropIdleStatements() {
        for (auto it = cache_.begin(); it != cache_.end();) {
            if (it->second.busy) {
                ++it;
            } else {
                sqlite3_finalize(it->second.stmt);
                it = cache_.erase(it);
            }
        }
    }

    static void bindLiterals(sqlite3_stmt* st, const Literals& literals) {
        const int n = sqlite3_bind_parameter_count(st);
        for (int k = 1; k <= n; ++k) {
            const char* name = sqlite3_bind_parameter_name(st, k);
            if (!name)
                continue;
            const auto ordinal = static_cast<std::size_t>(std::atoi(name + 1));
            if (ordinal >= 1 && ordinal <= literals.size()) {
                const std::string& s = literals[ordinal - 1];
                sqlite3_bind_text(st, k, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
            }
        }
    }

    Column describe(sqlite3_stmt* st, int i) {
        Column c;
        c.name = sqlite3_column_name(st, i);
        const DeclaredType t = parseDeclaredType(sqlite3_column_decltype(st, i));
        c.type = t.type;
        c.size = t.size;
        c.precision = t.precision;
        c.scale = t.scale;
        const char* table = sqlite3_column_table_name(st, i);
        const char* origin = sqlite3_column_origin_name(st, i);
        const char* schema = sqlite3_column_database_name(st, i);
        // Columns of a table function are read-only: they have no base table.
        if (table && origin && !findTableFunction(table)) {
            c.baseTable = table;
            c.baseColumn = origin;
            int notNull = 0, primaryKey = 0, autoinc = 0;
            if (sqlite3_table_column_metadata(db_, schema, table, origin, nullptr, nullptr,
                                              &notNull, &primaryKey, &autoinc) == SQLITE_OK) {
                c.key = primaryKey != 0;
                c.nullable = notNull == 0;
            }
        }
        return c;
    }

    // Runs one SQLite statement; rows come back when it has columns.
    ResultSet query(const std::string& sql, const Literals& literals, const std::string& source,
                    long long* changes, bool* hasColumns = nullptr) {
        Lease lease(*this, sql, source);
        sqlite3_stmt* st = lease.get();
        ResultSet rs;
        if (!st)
            return rs;
        bindLiterals(st, literals);
        const int n = sqlite3_column_count(st);
        std::vector<DeclaredType> types(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            rs.columns.push_back(describe(st, i));
            types[static_cast<std::size_t>(i)] = parseDeclaredType(sqlite3_column_decltype(st, i));
        }
        for (;;) {
            const int rc = sqlite3_step(st);
            if (rc == SQLITE_DONE)
                break;
            if (rc != SQLITE_ROW)
                fail(sqlite3_extended_errcode(db_), source);
            std::vector<Value> row;
            row.reserve(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i)
                row.push_back(readColumn(st, i, types[static_cast<std::size_t>(i)]));
            rs.rows.push_back(std::move(row));
        }
        // Columns with no declared type take the type of their first value.
        for (int i = 0; i < n; ++i) {
            auto& col = rs.columns[static_cast<std::size_t>(i)];
            if (col.type != FieldType::Empty)
                continue;
            col.type = FieldType::Text;
            for (const auto& row : rs.rows) {
                const Value& v = row[static_cast<std::size_t>(i)];
                if (v.isNull())
                    continue;
                col.type = v.type() == Value::Type::Int       ? FieldType::Integer
                           : v.type() == Value::Type::Decimal ? FieldType::Decimal
                                                              : FieldType::Text;
                break;
            }
        }
        if (changes && n == 0)
            *changes += sqlite3_changes64(db_);
        if (hasColumns)
            *hasColumns = n > 0;
        return rs;
    }

    void direct(const std::string& sql) {
        char* err = nullptr;
        const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) {
            sqlite3_free(err);
            fail(sqlite3_extended_errcode(db_), sql);
        }
    }

    bool tableExists(const std::string& table, bool temporary) {
        const std::string sql = std::string("SELECT 1 FROM ") +
                                (temporary ? "sqlite_temp_master" : "sqlite_master") +
                                " WHERE type = 'table' AND name = ?1 COLLATE NOCASE";
        return !query(sql, {table}, sql, nullptr).rows.empty();
    }

    // ---- statements

    void exec(const Statement& st, const Literals& literals, BatchResult& result) {
        switch (st.kind) {
            case Statement::Kind::Query: {
                bool hasColumns = false;
                ResultSet rs =
                    query(st.sql, literals, st.source, &result.rowsAffected, &hasColumns);
                if (hasColumns)
                    result.resultSets.push_back(std::move(rs));
                break;
            }
            case Statement::Kind::CreateTable:
                query(st.sql, literals, st.source, nullptr);
                installRules(st.table, st.temporary);
                break;
            case Statement::Kind::SelectInto:
                result.rowsAffected += selectInto(st, literals);
                break;
            case Statement::Kind::Exec:
                result.resultSets.push_back(callProcedure(st, literals));
                break;
            case Statement::Kind::InsertExec:
                result.rowsAffected += insertRows(st, callProcedure(st, literals));
                break;
            case Statement::Kind::AlterColumn:
            case Statement::Kind::AddPrimaryKey:
                rebuild(st);
                break;
            case Statement::Kind::If: {
                const ResultSet rs = query(st.sql, literals, st.source, nullptr);
                const bool yes = !rs.rows.empty() && rs.rows[0][0].toText() == "1";
                for (const auto& s : yes ? st.body : st.elseBody)
                    exec(s, literals, result);
                break;
            }
            case Statement::Kind::Block:
                for (const auto& s : st.body)
                    exec(s, literals, result);
                break;
            case Statement::Kind::Begin:
                begin();
                break;
            case Statement::Kind::Commit:
                commit();
                break;
            case Statement::Kind::Rollback:
                rollback();
                break;
            case Statement::Kind::Noop:
                break;
        }
    }

    std::vector<Value> arguments(const Statement& st, const Literals& literals) {
        if (st.sql.empty())
            return {};
        ResultSet rs = query(st.sql, literals, st.source, nullptr);
        return rs.rows.empty() ? std::vector<Value>{} : rs.rows[0];
    }

    ResultSet callProcedure(const Statement& st, const Literals& literals) {
        const Procedure* p = findProcedure(st.name);
        if (!p)
            throw DbError({{"42000", 2812, "Could not find stored procedure '" + st.name + "'.",
                            "T-SQL adapter"}},
                          st.source);
        const auto args = arguments(st, literals);
        return p->body(*this, args);
    }

    long long insertRows(const Statement& st, const ResultSet& rows) {
        const auto info = tableInfo(st.table, st.temporary);
        if (info.empty())
            throw DbError({{sqlstate::kNoSuchObject, 208, "Invalid object name '" + st.table + "'.",
                            "T-SQL adapter"}},
                          st.source);
        if (!rows.rows.empty() && rows.rows[0].size() != info.size())
            throw DbError({{"21S01", 213,
                            "Column name or number of supplied values does not match table "
                            "definition.",
                            "T-SQL adapter"}},
                          st.source);
        std::string sql = "INSERT INTO " + tsql::quoteName(st.table) + " VALUES (";
        for (std::size_t i = 0; i < info.size(); ++i)
            sql += (i ? ", ?" : "?") + std::to_string(i + 1);
        sql += ")";
        long long count = 0;
        for (const auto& row : rows.rows) {
            Lease lease(*this, sql, st.source);
            for (std::size_t i = 0; i < row.size(); ++i)
                bindValue(lease.get(), static_cast<int>(i + 1), row[i]);
            if (const int rc = sqlite3_step(lease.get()); rc != SQLITE_DONE)
                fail(sqlite3_extended_errcode(db_), st.source);
            ++count;
        }
        return count;
    }

    long long selectInto(const Statement& st, const Literals& literals) {
        if (tableExists(st.table, st.temporary))
            throw DbError({{"42S01", 2714,
                            "There is already an object named '" + st.table + "' in the database.",
                            "T-SQL adapter"}},
                          st.source);
        std::string defs;
        {
            Lease lease(*this, st.sql, st.source);
            sqlite3_stmt* s = lease.get();
            bindLiterals(s, literals);
            const int n = sqlite3_column_count(s);
            const int rc = sqlite3_step(s);
            if (rc != SQLITE_ROW && rc != SQLITE_DONE)
                fail(sqlite3_extended_errcode(db_), st.source);
            for (int i = 0; i < n; ++i) {
                const std::string name = sqlite3_column_name(s, i);
                std::string type;
                if (const char* decl = sqlite3_column_decltype(s, i))
                    type = decl;
                for (const auto& [alias, hint] : st.typeHints)
                    if (type.empty() && tsql::equalsIgnoreCase(alias, name))
                        type = hint.text();
                if (type.empty() && rc == SQLITE_ROW) {
                    switch (sqlite3_column_type(s, i)) {
                        case SQLITE_INTEGER:
                            type = "INT";
                            break;
                        case SQLITE_FLOAT:
                            type = "FLOAT";
                            break;
                        case SQLITE_TEXT:
                            type = "VARCHAR";
                            break;
                        default:
                            break;
                    }
                }
                if (!defs.empty())
                    defs += ", ";
                defs += tsql::quoteName(name);
                if (!type.empty())
                    defs += " " + type;
                defs += collationFor(type);
            }
        }
        const std::string table = tsql::quoteName(st.table);
        query(std::string("CREATE ") + (st.temporary ? "TEMP " : "") + "TABLE " + table + " (" +
                  defs + ")",
              {}, st.source, nullptr);
        long long changes = 0;
        query("INSERT INTO " + table + " " + st.sql, literals, st.source, &changes);
        installRules(st.table, st.temporary);
        return changes;
    }

    struct ColumnInfo {
        std::string name, type, defaultValue;
        bool notNull = false;
        int pk = 0;
    };

    std::vector<ColumnInfo> tableInfo(const std::string& table, bool temporary) {
        const std::string sql = std::string("PRAGMA ") + (temporary ? "temp" : "main") +
                                ".table_info(" + tsql::quoteName(table) + ")";
        std::vector<ColumnInfo> out;
        for (const auto& row : query(sql, {}, sql, nullptr).rows) {
            ColumnInfo c;
            c.name = row[1].toText();
            c.type = row[2].toText();
            c.notNull = row[3].toText() == "1";
            c.defaultValue = row[4].isNull() ? "" : row[4].toText();
            c.pk = static_cast<int>(row[5].toDecimal().value_or(Decimal(0)).toInt64().value_or(0));
            out.push_back(std::move(c));
        }
        return out;
    }

    // ALTER COLUMN and ADD PRIMARY KEY: SQLite rebuilds the table.
    void rebuild(const Statement& st) {
        if (!st.temporary)
            throw DbError({{sqlstate::kSyntax, 0,
                            "T-SQL adapter: changing a column or the key of the permanent table '" +
                                st.table + "' is not supported.",
                            "T-SQL adapter"}},
                          st.source);
        auto info = tableInfo(st.table, true);
        if (info.empty())
            throw DbError({{sqlstate::kNoSuchObject, 4902,
                            "Cannot find the object \"" + st.table + "\".", "T-SQL adapter"}},
                          st.source);
        std::vector<std::string> key;
        for (int k = 1;; ++k) {
            bool found = false;
            for (const auto& c : info)
                if (c.pk == k) {
                    key.push_back(c.name);
                    found = true;
                }
            if (!found)
                break;
        }
        if (st.kind == Statement::Kind::AddPrimaryKey) {
            if (!key.empty())
                throw DbError({{"42000", 1779,
                                "Table '" + st.table + "' already has a primary key defined on it.",
                                "T-SQL adapter"}},
                              st.source);
            key = st.keyColumns;
        }
        std::string defs, select;
        bool alteredFound = st.kind != Statement::Kind::AlterColumn;
        for (const auto& c : info) {
            std::string type = c.type;
            bool notNull = c.notNull;
            std::string expr = tsql::quoteName(c.name);
            if (st.kind == Statement::Kind::AlterColumn &&
                tsql::equalsIgnoreCase(c.name, st.columns[0].name)) {
                const auto& t = st.columns[0].type;
                type = t.text();
                notNull = st.columns[0].notNull;
                expr = "tsql_convert(" + expr + ", '" + t.name + "', " + std::to_string(t.length) +
                       ", " + std::to_string(t.scale) + ")";
                alteredFound = true;
            }
            for (const auto& k : key)
                if (tsql::equalsIgnoreCase(k, c.name))
                    notNull = true;
            if (!defs.empty()) {
                defs += ", ";
                select += ", ";
            }
            defs += tsql::quoteName(c.name) + (type.empty() ? "" : " " + type);
            defs += collationFor(type);
            if (notNull)
                defs += " NOT NULL";
            if (!c.defaultValue.empty())
                defs += " DEFAULT " + c.defaultValue;
            select += expr;
        }
        if (!alteredFound)
            throw DbError(
                {{sqlstate::kNoSuchColumn, 4924,
                  "ALTER TABLE ALTER COLUMN failed because column '" + st.columns[0].name +
                      "' does not exist in table '" + st.table + "'.",
                  "T-SQL adapter"}},
                st.source);
        for (const auto& k : key) {
            bool known = false;
            for (const auto& c : info)
                known = known || tsql::equalsIgnoreCase(k, c.name);
            if (!known)
                throw DbError(
                    {{sqlstate::kNoSuchColumn, 1911,
                      "Column name '" + k + "' does not exist in the target table or view.",
                      "T-SQL adapter"}},
                    st.source);
        }
        if (!key.empty()) {
            defs += ", PRIMARY KEY (";
            for (std::size_t i = 0; i < key.size(); ++i)
                defs += (i ? ", " : "") + tsql::quoteName(key[i]);
            defs += ")";
        }
        const std::string table = tsql::quoteName(st.table);
        direct("SAVEPOINT tsql_rebuild");
        try {
            direct("CREATE TEMP TABLE \"tsql_rebuild\" (" + defs + ")");
            direct("INSERT INTO \"tsql_rebuild\" SELECT " + select + " FROM temp." + table);
            direct("DROP TABLE temp." + table);
            direct("ALTER TABLE temp.\"tsql_rebuild\" RENAME TO " + table);
            direct("RELEASE tsql_rebuild");
        } catch (const DbError& e) {
            direct("ROLLBACK TO tsql_rebuild");
            direct("RELEASE tsql_rebuild");
            auto errors = e.errors();
            throw DbError(errors, st.source);
        }
        installRules(st.table, true);
    }

    // ---- column rules: CHAR(n) stored blank-padded, text longer than its
    // column refused, dates kept in one comparable form.
    void installAllRules() {
        const std::string sql =
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'";
        for (const auto& row : query(sql, {}, sql, nullptr).rows)
            installRules(row[0].toText(), false);
    }

    void installRules(const std::string& table, bool temporary) {
        const std::string base = "tsql_rule_" + std::string(temporary ? "t_" : "m_") + table;
        for (const char* suffix : {"_ci", "_cu", "_ni", "_nu"})
            direct("DROP TRIGGER IF EXISTS temp." + tsql::quoteName(base + suffix));
        std::string checks, pads, when, columns;
        for (const auto& c : tableInfo(table, temporary)) {
            const DeclaredType t = parseDeclaredType(c.type.c_str());
            const std::string col = tsql::quoteName(c.name);
            const std::string value = "NEW." + col;
            if ((t.type == FieldType::Text || t.type == FieldType::FixedText) && t.size > 0) {
                checks += "SELECT RAISE(ABORT, " +
                          tsql::quoteLiteral("String or binary data would be truncated in table '" +
                                             table + "', column '" + c.name + "'.") +
                          ") WHERE tsql_len(" + value + ") > " + std::to_string(t.size) + "; ";
                if (t.type == FieldType::FixedText) {
                    when += std::string(when.empty() ? "" : " OR ") + "length(" + value + ") < " +
                            std::to_string(t.size);
                    pads += std::string(pads.empty() ? "" : ", ") + col + " = tsql_pad(" + col +
                            ", " + std::to_string(t.size) + ")";
                    columns += std::string(columns.empty() ? "" : ", ") + col;
                }
            } else if (t.type == FieldType::Date) {
                checks +=
                    "SELECT RAISE(ABORT, 'Conversion failed when converting date and/or "
                    "time from character string.') WHERE tsql_isdate(" +
                    value + ") = 0; ";
                when += std::string(when.empty() ? "" : " OR ") + "(typeof(" + value +
                        ") = 'text' AND length(" + value + ") <> 23)";
                pads +=
                    std::string(pads.empty() ? "" : ", ") + col + " = tsql_datetime(" + col + ")";
                columns += std::string(columns.empty() ? "" : ", ") + col;
            }
        }
        const std::string on =
            " ON " + std::string(temporary ? "temp." : "main.") + tsql::quoteName(table) + " ";
        const std::string target = tsql::quoteName(table);
        if (!checks.empty()) {
            direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_ci") + " BEFORE INSERT" + on +
                   "BEGIN " + checks + "END");
            direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_cu") + " BEFORE UPDATE" + on +
                   "BEGIN " + checks + "END");
        }
        if (!pads.empty()) {
            const std::string body =
                " BEGIN UPDATE " + target + " SET " + pads + " WHERE rowid = NEW.rowid; END";
            direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_ni") + " AFTER INSERT" + on +
                   "WHEN " + when + body);
            direct("CREATE TEMP TRIGGER " + tsql::quoteName(base + "_nu") + " AFTER UPDATE OF " +
                   columns + on + "WHEN " + when + body);
        }
    }

    sqlite3* db_ = nullptr;
    std::string path_;
    std::unordered_map<std::string, std::shared_ptr<const tsql::Plan>> plans_;
    std::unordered_map<std::string, Cached> cache_;
};

}  // namespace

std::unique_ptr<Backend> openSqlite(const OpenOptions& options) {
    return std::make_unique<SqliteBackend>(options);
}

}  // namespace db::sqlite
