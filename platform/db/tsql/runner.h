#pragma once
// Running translated T-SQL batches on a database that speaks SQLite's
// dialect, whichever way it is reached: the embedded library itself, or
// SQLite's ODBC driver. The runner owns the translation cache and carries
// out what SQLite cannot do in one statement (SELECT ... INTO, procedures,
// table rebuilds, column rules); the engine runs single SQLite statements.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/backend.h"
#include "platform/db/errors.h"
#include "platform/db/sqlite/script_variables.h"
#include "platform/db/sqlite/sqlite_errors.h"
#include "platform/db/tsql/column_types.h"
#include "platform/db/tsql/descriptions.h"
#include "platform/db/tsql/modules.h"
#include "platform/db/tsql/plan.h"

struct sqlite3;

namespace db::sqlite {

using Literals = std::vector<std::string>;

// A result column as SQLite declares it, with the storage class of the
// first row's value (SQLITE_INTEGER ...; 0 when there is no row).
struct DescribedColumn {
    std::string name;
    std::string declared;
    int storage = 0;
};

class Engine {
public:
    virtual ~Engine() = default;
    // One statement in which ?N stands for the N-th literal of the batch;
    // rows come back when it has columns, and a statement without columns
    // adds the rows it changed to *changes.
    virtual ResultSet query(const std::string& sql, const Literals& literals,
                            const std::string& source, long long* changes,
                            bool* hasColumns = nullptr) = 0;
    // As query(), but each row goes to `sink` as it is stepped, and none is
    // kept; the sink hears the columns after the first step. A column
    // without a declared type takes the type of the first row's value. A
    // statement without columns tells the sink nothing.
    virtual void stream(const std::string& sql, const Literals& literals, const std::string& source,
                        RowSink& sink, long long* changes, bool* hasColumns) = 0;
    // The columns of a query and the storage of its first row's values;
    // without `step` the query is only prepared (storage 0).
    virtual std::vector<DescribedColumn> describe(const std::string& sql, const Literals& literals,
                                                  const std::string& source, bool step = true) = 0;
    // describe without a step, and the tables and views preparing the query
    // reads in `sources` ("#X" for a work table; "" for anything else, which
    // is all an engine that cannot tell gives).
    virtual std::vector<DescribedColumn> describeReading(const std::string& sql,
                                                         const std::string& source,
                                                         std::vector<std::string>& sources) {
        sources.assign(1, "");
        return describe(sql, {}, source, false);
    }
    // One statement whose ?1..?n take the values.
    virtual void insertRow(const std::string& sql, const std::vector<Value>& values,
                           const std::string& source) = 0;
    // Text without parameters or rows (DDL, savepoints).
    virtual void direct(const std::string& sql) = 0;
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    // Whether a transaction is open, whoever opened it.
    virtual bool inTransaction() = 0;
};

// STRING_SPLIT, the built-in table function, on a connection.
void registerStringSplit(sqlite3* db, Backend& backend);
// tsql_for_xml(value, escape): the values of a FOR XML PATH('') query joined.
void registerForXml(sqlite3* db);

class PlanRunner {
public:
    // `backend` is handed to the host procedures the batches call.
    PlanRunner(Engine& engine, Backend& backend);
    ~PlanRunner();
    PlanRunner(const PlanRunner&) = delete;
    PlanRunner& operator=(const PlanRunner&) = delete;

    BatchResult run(std::string_view sql);
    // Backend::forEachRow: a batch of one query streams its rows to `sink`;
    // any other is run whole and its last result set handed over.
    void forEachRow(std::string_view sql, RowSink& sink);
    // Column rules (blank padding, lengths, dates) of every table of the
    // database, for a connection that has just opened it.
    void installAllRules();
    std::vector<std::string> primaryKey(const std::string& table);
    // Carries out the columns still waiting to be added to work tables;
    // run before anything that must see them (a transaction's start).
    void settle();

    // The database's T-SQL functions, called by the statements SQLite runs:
    // a scalar function's value, a table function's rows.
    Value callScalar(const std::string& name, const std::vector<Value>& args);
    std::vector<std::vector<Value>> callTable(const std::string& name,
                                              const std::vector<Value>& args);
    // Gives `db` (the connection this runner's engine works on) the function
    // that declares stored functions to it, and declares those it already has.
    void attach(sqlite3* db);

private:
    struct ColumnInfo {
        std::string name, type, defaultValue;
        bool notNull = false;
        int pk = 0;
    };

    // What a statement tells the ones around it: go on, or leave a loop or the batch.
    enum class Flow { Next, Break, Continue, Return };
    Flow exec(const tsql::Statement& st, const Literals& literals, BatchResult& result);
    // The query forEachRow streams, with the types SQL Server gives its
    // columns applied to each value as the sink reads it (runner_stream.cpp).
    static bool streamable(const tsql::Statement& st);
    void streamQuery(const tsql::Statement& st, const Literals& literals, BatchResult& result);
    // Sets `names` from a row of `rs` (the last one when `last`); none: unchanged.
    void assign(const std::vector<std::string>& names, const ResultSet& rs, bool last);
    // ERROR_NUMBER() and the rest as CATCH sees them; `error` null: outside CATCH.
    void setCaught(const DbError* error);
    [[noreturn]] void raise(const tsql::Statement& st, const Literals& literals);
    // EXEC of a stored procedure (or a host one); its result sets go to `result`.
    void execProcedure(const tsql::Statement& st, const Literals& literals, BatchResult& result);
    // ---- procedures, functions, views and triggers kept in the database file
    void defineModule(const tsql::Statement& st);
    void dropModule(const tsql::Statement& st);
    // The stored definition of `name` ("" when there is none) and its kind word.
    std::string moduleDefinition(const std::string& name, std::string* kind = nullptr);
    std::shared_ptr<const tsql::Module> parsed(const std::string& definition);
    // Runs a module's body with its parameters' values (none: the default);
    // `finals` receives the parameters' values at its end.
    void runModule(const tsql::Module& m, const std::vector<std::optional<Value>>& values,
                   BatchResult& result, std::vector<Value>* finals);
    // Tells the connection of a stored function (SQLite calls it by name).
    void declareFunction(const tsql::Module& m);
    // ---- AFTER triggers: the event ("INSERT" ...) of a statement that
    // fires some, or null; the statement run with its triggers.
    const char* triggerEvent(const tsql::Statement& st);
    void loadTriggers();
    void runTriggered(const tsql::Statement& st, const Literals& literals, BatchResult& result,
                      const std::string& event);
    // INSERT ... EXEC into a table with triggers; false when it has none.
    bool insertTriggered(const tsql::Statement& st, const ResultSet& rows, BatchResult& result);
    // ---- TOP ... WITH TIES or PERCENT, OUTPUT and MERGE (runner_idioms.cpp)
    // Keeps the rows TOP asks for and drops the ORDER BY keys that told ties.
    void keepTop(const tsql::Statement& st, const Literals& literals, ResultSet& rs);
    void runOutput(const tsql::Statement& st, const Literals& literals, BatchResult& result);
    void runMerge(const tsql::Statement& st, const Literals& literals, BatchResult& result);
    // The rows OUTPUT reads, into `merged` (MERGE's steps) or `result`.
    void readOutput(const tsql::Statement& st, const Literals& literals, BatchResult& result,
                    std::optional<ResultSet>* merged);
    // Rows written to `table` go to the OUTPUT work tables until stopCapture.
    void capture(const std::string& table, bool temporary);
    void stopCapture();
    // The table functions standing for the APPLY queries of `plan`, declared
    // to the connection before it runs; callApply runs one for a row.
    // (On either backend the connection's own runner declares them, through
    // tsql_declare_apply.)
    void declareApplies(const tsql::Plan& plan);
    void declareApply(const tsql::ApplyQuery& a);
    std::vector<std::vector<Value>> callApply(const tsql::ApplyQuery& a,
                                              const std::vector<Value>& args);
    // The batch's variables with an APPLY query's outer values added.
    BatchVariables applyVariables(const tsql::ApplyQuery& a, const std::vector<Value>& args);
    // Sets a variable of the running batch; 137 when it was never declared.
    void setVariable(const std::string& name, const Value& value);
    long long insertRows(const tsql::Statement& st, const ResultSet& rows);
    long long selectInto(const tsql::Statement& st, const Literals& literals);
    std::vector<ColumnInfo> tableInfo(const std::string& table, bool temporary);
    // The text of an INSERT without a column list, naming every column of
    // its table but the IDENTITY ones.
    std::string withoutIdentity(const tsql::Statement& st);
    // The IDENTITY column of a table ("" when it has none), kept until the
    // next statement that may change a table's columns.
    std::string identityColumn(const std::string& table, bool temporary);
    // SET IDENTITY_INSERT, and the rules it sets for an INSERT's columns.
    void setIdentityInsert(const tsql::Statement& st);
    void checkIdentityColumns(const tsql::Statement& st);
    // A table made anew or truncated numbers its IDENTITY from the seed
    // again: the highest value given so far is forgotten.
    void restartIdentity(const std::string& table, bool temporary);
    void rebuild(const tsql::Statement& st);
    // BEGIN TRAN, COMMIT, ROLLBACK [to a savepoint] and SAVE TRAN, counted
    // as SQL Server counts them: only the outermost COMMIT commits.
    void transaction(const tsql::Statement& st);
    // Runs `undo` (a rollback) and gives the table variables back their rows.
    void keepingTableVariables(const std::function<void()>& undo);
    // Drops the table variables declared after the first `keep`.
    void dropTableVariables(std::size_t keep);
    // The emptied work table of a table variable serves its DECLARE when it
    // has the same columns.
    bool reuseEmptied(const tsql::Statement& st);
    // ALTER TABLE #X ADD of a nullable column waits for the next statement
    // of another kind: SQLite reparses every temporary object (the rules of
    // all tables among them) at each ALTER, and a cross table gets hundreds
    // of columns one statement at a time. The waiting columns go in with
    // one rebuild of the table.
    bool deferAdd(const tsql::Statement& st);
    struct PendingAdds {
        std::string table;                  // as first written
        std::vector<std::string> existing;  // the table's columns, upper case
        std::vector<std::string> names;     // the waiting columns, upper case
        std::vector<std::string> defs;      // their SQLite definitions
    };
    // `fresh`: the table was just made, so it has no rules to replace.
    void installRules(const std::string& table, bool temporary, bool fresh);
    // Installs the rules of a table made by SELECT ... INTO before the
    // first statement that writes into it.
    void ensureRules(const std::string& table, bool temporary);

    Engine& engine_;
    Backend& backend_;
    tsql::PlanCache plans_;
    ColumnTypes types_{engine_, [this] { settle(); }};  // what translation reads of tables
    Descriptions descriptions_;                         // the columns of SELECT ... INTO's queries
    std::set<std::string> unruled_;  // tables made by SELECT ... INTO, still without rules
    std::map<std::string, PendingAdds> pending_;     // by the table's name, upper case
    std::map<std::string, std::string> identities_;  // by "#"-prefixed or plain name, upper case
    BatchVariables variables_;                       // the batch's; a batch starts without any
    std::string identityInsert_;               // the table whose IDENTITY_INSERT is ON, upper case
    std::vector<DbError> handling_;            // errors whose CATCH blocks run, innermost last
    std::vector<std::string> tableVariables_;  // their work tables, innermost batch last
    // Work tables of table variables that could not be dropped because a
    // statement was reading (a table function's body runs inside one): they
    // were emptied instead and serve the next DECLARE of the same table.
    std::set<std::string> emptied_;
    // forEachRow's sink, taken by the batch's run (batches run inside it
    // are read as usual), then the statement whose rows go to it, until
    // that statement starts.
    RowSink* sink_ = nullptr;
    RowSink* streamTo_ = nullptr;
    const tsql::Statement* streaming_ = nullptr;
    bool streamed_ = false;           // the sink had the rows of the batch's last query
    int depth_ = 0;                   // modules running inside the batch
    Value returned_ = Value::null();  // what the last RETURN gave
    std::map<std::string, std::shared_ptr<const tsql::Module>> parsed_;  // by definition
    bool triggersLoaded_ = false;  // triggers_ read since the last change of triggers
    long long dataVersion_ = -1;   // PRAGMA data_version when they were read
    std::map<std::string, std::vector<std::string>> triggers_;  // names by table, upper case
    std::set<std::string> captured_;       // tables whose rows this connection captures
    std::set<std::string> firing_;         // tables whose triggers run (they do not fire again)
    sqlite3* db_ = nullptr;                // the connection attach() was given
    std::set<std::string> applies_;        // APPLY queries declared to the connection
    std::set<std::string> appliesHere_;    // those this runner declared as their runner
    int tranCount_ = 0;                    // @@TRANCOUNT
    std::string tranName_;                 // the outermost BEGIN TRAN's name, upper case
    std::vector<std::string> savepoints_;  // SAVE TRAN names, upper case, oldest first
};

}  // namespace db::sqlite
