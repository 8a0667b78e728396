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
#include "platform/db/tsql/runner.h"

namespace db::sqlite {
namespace {

class SqliteBackend final : public Backend, private Engine {
public:
    explicit SqliteBackend(const OpenOptions& options) : path_(options.path) {
        const bool memory = path_.empty() || path_ == ":memory:";
        if (!memory && !options.create && !std::filesystem::exists(path_))
            throw openError(SQLITE_CANTOPEN, "The database file does not exist");
        // One connection serves one thread (the user interface's), so
        // SQLite's own locking of every call is not needed.
        int flags =
            (options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
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
        owned_ = true;
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, options.busyTimeoutMs);
        // A misspelt "column" must be an error, never a string.
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        registerFunctions(db_);
        registerTableFunctions(db_, *this);
        try {
            direct("PRAGMA foreign_keys = ON");
            direct("PRAGMA temp_store = MEMORY");
            runner_.installAllRules();
            runner_.attach(db_);
        } catch (const DbError& e) {
            sqlite3_close(db_);
            db_ = nullptr;
            throw openError(SQLITE_NOTADB, e.errors().empty() ? e.what() : e.errors()[0].message);
        }
    }

    // A connection opened by somebody else (SQLite's ODBC driver), which
    // keeps it: statements run on it, it is never closed here.
    explicit SqliteBackend(sqlite3* handle) : db_(handle) { runner_.attach(db_); }

    ~SqliteBackend() override {
        for (auto& [sql, c] : cache_)
            sqlite3_finalize(c.stmt);
        if (owned_)
            sqlite3_close_v2(db_);
    }

    SqliteBackend(const SqliteBackend&) = delete;
    SqliteBackend& operator=(const SqliteBackend&) = delete;

    std::string name() const override { return "sqlite"; }

    // Every write of the card comes between these: prepared once and kept,
    // like the statements, rather than parsed again each time.
    void begin() override {
        runner_.settle();
        control("BEGIN");
    }
    void commit() override { control("COMMIT"); }
    void rollback() override {
        if (!sqlite3_get_autocommit(db_))
            control("ROLLBACK");
    }
    void control(const std::string& sql) { query(sql, {}, sql, nullptr, nullptr); }
    bool inTransaction() override { return !sqlite3_get_autocommit(db_); }

    std::vector<std::string> primaryKey(const std::string& table) override {
        return runner_.primaryKey(table);
    }

    BatchResult run(std::string_view sql) override { return runner_.run(sql); }
    void forEachRow(std::string_view sql, RowSink& sink) override { runner_.forEachRow(sql, sink); }

private:
    DbError openError(int rc, const std::string& message) const {
        return DbError({{sqlstate::kConnection, rc,
                         "Cannot open the database file '" + path_ + "': " + message, "SQLite"}},
                       "");
    }

    [[noreturn]] void fail(int rc, const std::string& statement) const {
        std::string message = sqlite3_errmsg(db_);
        if (!path_.empty() && ((rc & 0xFF) == SQLITE_READONLY || (rc & 0xFF) == SQLITE_CORRUPT ||
                               (rc & 0xFF) == SQLITE_NOTADB || (rc & 0xFF) == SQLITE_IOERR))
            message += " (database file '" + path_ + "')";
        std::string state = sqlStateOf(rc, message);
        long native = rc;
        message = clearMessage(rc, message);
        sqlServerError(message, native, statement, &state);
        throw DbError({{state, native, message, "SQLite"}}, statement);
    }

    // ---- prepared statements, kept by text; a statement already stepping
    // (a table function's body run from inside a query) gets a fresh one.
    struct Cached {
        sqlite3_stmt* stmt = nullptr;
        bool busy = false;
        // The result columns as last described, valid while SQLite has not
        // prepared the statement again (after a change of schema).
        std::vector<Column> columns;
        std::vector<DeclaredType> types;
        int describedAt = -1;
        std::vector<std::size_t> ordinals;  // of the parameters, as bindLiterals reads them
    };

    class Lease {
    public:
        Lease(SqliteBackend& b, const std::string& sql, const std::string& source) : b_(b) {
            Entry* entry = b.find(sql);
            if (entry && !entry->second.busy) {
                cached_ = &entry->second;
                stmt_ = cached_->stmt;
                cached_->busy = true;
                return;
            }
            const int rc = sqlite3_prepare_v2(b.db_, sql.c_str(), static_cast<int>(sql.size()),
                                              &stmt_, nullptr);
            if (rc != SQLITE_OK)
                b.fail(rc, source);
            if (!entry && stmt_) {
                if (b.cache_.size() > 500)
                    b.dropIdleStatements();
                entry = &*b.cache_.try_emplace(sql).first;
                b.byText_[&sql] = entry;
                cached_ = &entry->second;
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
        Cached* cached() const { return cached_; }

    private:
        SqliteBackend& b_;
        Cached* cached_ = nullptr;
        sqlite3_stmt* stmt_ = nullptr;
    };

    using Entry = std::pair<const std::string, Cached>;

    // The kept statement of a text: found first by the text's address, as a
    // plan's statements come again and again from the same string, and
    // checked by content (comparing ~1 KB costs less than hashing it).
    Entry* find(const std::string& sql) {
        if (const auto at = byText_.find(&sql); at != byText_.end() && at->second->first == sql)
            return at->second;
        const auto it = cache_.find(sql);
        if (it == cache_.end())
            return nullptr;
        if (byText_.size() > 1000)
            byText_.clear();
        byText_[&sql] = &*it;
        return &*it;
    }

    void dropIdleStatements() {
        byText_.clear();
        for (auto it = cache_.begin(); it != cache_.end();) {
            if (it->second.busy) {
                ++it;
            } else {
                sqlite3_finalize(it->second.stmt);
                it = cache_.erase(it);
            }
        }
    }

    // `ordinals`, when given, keeps the literal each parameter takes: finding a
    // parameter's name walks all of them, for every parameter of every run.
    static void bindLiterals(sqlite3_stmt* st, const Literals& literals,
                             std::vector<std::size_t>* ordinals = nullptr) {
        const int n = sqlite3_bind_parameter_count(st);
        if (ordinals && ordinals->size() != static_cast<std::size_t>(n)) {
            ordinals->assign(static_cast<std::size_t>(n), 0);
            for (int k = 1; k <= n; ++k)
                if (const char* name = sqlite3_bind_parameter_name(st, k))
                    (*ordinals)[static_cast<std::size_t>(k - 1)] =
                        static_cast<std::size_t>(std::atoi(name + 1));
        }
        for (int k = 1; k <= n; ++k) {
            std::size_t ordinal = 0;
            if (ordinals) {
                ordinal = (*ordinals)[static_cast<std::size_t>(k - 1)];
            } else if (const char* name = sqlite3_bind_parameter_name(st, k)) {
                ordinal = static_cast<std::size_t>(std::atoi(name + 1));
            }
            if (ordinal >= 1 && ordinal <= literals.size()) {
                const std::string& s = literals[ordinal - 1];
                sqlite3_bind_text(st, k, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
            }
        }
    }

    Column describeColumn(sqlite3_stmt* st, int i) {
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

    // A row of the statement being stepped, read column by column.
    class SteppedRow final : public RowView {
    public:
        // `zeros`: the 0 of each DECIMAL column at its scale, made once per
        // read; most quantities are 0, and are handed over as they are.
        SteppedRow(sqlite3_stmt* st, const std::vector<DeclaredType>& types,
                   const std::vector<Decimal>& zeros)
            : st_(st), types_(types), zeros_(zeros) {}
        Value value(int column) const override {
            return readColumn(st_, column, types_.at(static_cast<std::size_t>(column)));
        }
        bool decimal(int column, Decimal& out) const override {
            const auto c = static_cast<std::size_t>(column);
            // A column out of range is told so by value().
            if (c >= types_.size() || types_[c].type != FieldType::Decimal)
                return RowView::decimal(column, out);
            sqlite3_value* v = sqlite3_column_value(st_, column);
            const int storage = sqlite3_value_type(v);
            if (storage == SQLITE_FLOAT
                    ? sqlite3_value_double(v) == 0
                    : storage == SQLITE_INTEGER && sqlite3_value_int64(v) == 0) {
                out = zeros_[c];
                return true;
            }
            if (auto d = readDecimal(v, types_[c])) {
                out = *d;
                return true;
            }
            return RowView::decimal(column, out);
        }

    private:
        sqlite3_stmt* st_;
        const std::vector<DeclaredType>& types_;
        const std::vector<Decimal>& zeros_;
    };

    // Steps one SQLite statement: `onColumns` hears its columns after the
    // first step (a statement prepared before the schema changed, a work
    // table built again with other columns, is prepared anew by that step),
    // then `onRow` each row until it answers false.
    template <class OnColumns, class OnRow>
    void step(const std::string& sql, const Literals& literals, const std::string& source,
              long long* changes, bool* hasColumns, OnColumns&& onColumns, OnRow&& onRow) {
        Lease lease(*this, sql, source);
        sqlite3_stmt* st = lease.get();
        if (!st)
            return;
        bindLiterals(st, literals, lease.cached() ? &lease.cached()->ordinals : nullptr);
        int rc = sqlite3_step(st);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            fail(sqlite3_extended_errcode(db_), source);
        const int n = sqlite3_column_count(st);
        if (hasColumns)
            *hasColumns = n > 0;
        const int prepared = sqlite3_stmt_status(st, SQLITE_STMTSTATUS_REPREPARE, 0);
        Cached* cached = lease.cached();
        std::vector<Column> columns;
        std::vector<DeclaredType> fresh;
        if (!cached || cached->describedAt != prepared) {
            for (int i = 0; i < n; ++i) {
                columns.push_back(describeColumn(st, i));
                fresh.push_back(parseDeclaredType(sqlite3_column_decltype(st, i)));
            }
            if (cached) {
                cached->columns = std::move(columns);
                cached->types = std::move(fresh);
                cached->describedAt = prepared;
            }
        }
        const std::vector<Column>& described = cached ? cached->columns : columns;
        const std::vector<DeclaredType>& types = cached ? cached->types : fresh;
        if (n > 0)
            onColumns(described, types, rc == SQLITE_ROW ? st : nullptr);
        for (; rc == SQLITE_ROW; rc = sqlite3_step(st))
            if (!onRow(st, types))
                return;
        if (rc != SQLITE_DONE)
            fail(sqlite3_extended_errcode(db_), source);
        if (changes && n == 0)
            *changes += sqlite3_changes64(db_);
    }

    // Runs one SQLite statement; rows come back when it has columns.
    ResultSet query(const std::string& sql, const Literals& literals, const std::string& source,
                    long long* changes, bool* hasColumns) override {
        ResultSet rs;
        step(
            sql, literals, source, changes, hasColumns,
            [&](const std::vector<Column>& columns, const std::vector<DeclaredType>&,
                sqlite3_stmt*) { rs.columns = columns; },
            [&](sqlite3_stmt* st, const std::vector<DeclaredType>& types) {
                const std::size_t n = types.size();
                std::vector<Value> row;
                row.reserve(n);
                for (std::size_t i = 0; i < n; ++i)
                    row.push_back(readColumn(st, static_cast<int>(i), types[i]));
                rs.rows.push_back(std::move(row));
                return true;
            });
        // Columns with no declared type take the type of their first value.
        for (std::size_t i = 0; i < rs.columns.size(); ++i) {
            auto& col = rs.columns[i];
            if (col.type != FieldType::Empty)
                continue;
            col.type = FieldType::Text;
            for (const auto& row : rs.rows) {
                const Value& v = row[i];
                if (v.isNull())
                    continue;
                col.type = typeOfValue(v);
                break;
            }
        }
        return rs;
    }

    static FieldType typeOfValue(const Value& v) {
        return v.type() == Value::Type::Int       ? FieldType::Integer
               : v.type() == Value::Type::Decimal ? FieldType::Decimal
                                                  : FieldType::Text;
    }

    void stream(const std::string& sql, const Literals& literals, const std::string& source,
                RowSink& sink, long long* changes, bool* hasColumns) override {
        std::vector<Decimal> zeros;
        step(
            sql, literals, source, changes, hasColumns,
            [&](const std::vector<Column>& described, const std::vector<DeclaredType>& types,
                sqlite3_stmt* first) {
                // Columns with no declared type take the type of the first
                // row's value: the rows after it are not read yet.
                std::vector<Column> columns = described;
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    if (columns[i].type != FieldType::Empty)
                        continue;
                    const Value v =
                        first ? readColumn(first, static_cast<int>(i), types[i]) : Value::null();
                    columns[i].type = v.isNull() ? FieldType::Text : typeOfValue(v);
                }
                for (const DeclaredType& t : types)
                    zeros.push_back(Decimal(0).rescaled(t.scale));
                sink.columns(columns);
            },
            [&](sqlite3_stmt* st, const std::vector<DeclaredType>& types) {
                return sink.row(SteppedRow(st, types, zeros));
            });
    }

    void direct(const std::string& sql) override {
        char* err = nullptr;
        const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) {
            sqlite3_free(err);
            fail(sqlite3_extended_errcode(db_), sql);
        }
    }

    // Collects the tables and views a statement being prepared reads.
    static int noteSource(void* out, int action, const char* table, const char*,
                          const char* database, const char* view) {
        if (action != SQLITE_READ || !table)
            return SQLITE_OK;
        auto& names = *static_cast<std::vector<std::string>*>(out);
        auto add = [&names](const std::string& name) {
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        };
        // Work tables are the "#" tables of temp; anything else is no table
        // the adapter reads the columns of ("").
        const std::string db = database ? database : "";
        const bool known =
            !findTableFunction(table) && (db == "main" || (db == "temp" && table[0] == '#'));
        add(known ? table : "");
        if (view)
            add(view);
        return SQLITE_OK;
    }

    std::vector<DescribedColumn> describeReading(const std::string& sql, const std::string& source,
                                                 std::vector<std::string>& sources) override {
        sqlite3_set_authorizer(db_, noteSource, &sources);
        try {
            auto columns = describe(sql, {}, source, false);
            sqlite3_set_authorizer(db_, nullptr, nullptr);
            return columns;
        } catch (...) {
            sqlite3_set_authorizer(db_, nullptr, nullptr);
            throw;
        }
    }

    std::vector<DescribedColumn> describe(const std::string& sql, const Literals& literals,
                                          const std::string& source, bool step) override {
        if (!step) {
            // Prepared afresh: a statement kept from before a table was made
            // again still tells the old table's columns until it steps.
            sqlite3_stmt* s = nullptr;
            const int rc =
                sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr);
            if (rc != SQLITE_OK)
                fail(sqlite3_extended_errcode(db_), source);
            std::vector<DescribedColumn> out;
            const int n = s ? sqlite3_column_count(s) : 0;
            for (int i = 0; i < n; ++i) {
                DescribedColumn c;
                c.name = sqlite3_column_name(s, i);
                if (const char* decl = sqlite3_column_decltype(s, i))
                    c.declared = decl;
                out.push_back(std::move(c));
            }
            sqlite3_finalize(s);
            return out;
        }
        Lease lease(*this, sql, source);
        sqlite3_stmt* s = lease.get();
        std::vector<DescribedColumn> out;
        if (!s)
            return out;
        bindLiterals(s, literals);
        const int rc = sqlite3_step(s);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            fail(sqlite3_extended_errcode(db_), source);
        const int n = sqlite3_column_count(s);  // after the step, which may prepare it again
        for (int i = 0; i < n; ++i) {
            DescribedColumn c;
            c.name = sqlite3_column_name(s, i);
            if (const char* decl = sqlite3_column_decltype(s, i))
                c.declared = decl;
            c.storage = rc == SQLITE_ROW ? sqlite3_column_type(s, i) : 0;
            out.push_back(std::move(c));
        }
        return out;
    }

    void insertRow(const std::string& sql, const std::vector<Value>& values,
                   const std::string& source) override {
        Lease lease(*this, sql, source);
        for (std::size_t i = 0; i < values.size(); ++i)
            bindValue(lease.get(), static_cast<int>(i + 1), values[i]);
        if (const int rc = sqlite3_step(lease.get()); rc != SQLITE_DONE)
            fail(sqlite3_extended_errcode(db_), source);
    }

    sqlite3* db_ = nullptr;
    bool owned_ = false;
    std::string path_;
    std::unordered_map<std::string, Cached> cache_;
    std::unordered_map<const std::string*, Entry*> byText_;  // see find()
    PlanRunner runner_{*this, *this};
};

}  // namespace

std::unique_ptr<Backend> openSqlite(const OpenOptions& options) {
    return std::make_unique<SqliteBackend>(options);
}

std::unique_ptr<Backend> adoptSqlite(sqlite3* handle) {
    return std::make_unique<SqliteBackend>(handle);
}

}  // namespace db::sqlite
