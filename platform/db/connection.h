#pragma once
// A database connection as the component uses it: open by connection string,
// execute without records, transactions, and the provider's errors of the
// last failure.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/backend.h"
#include "platform/db/errors.h"

namespace db {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void open(const std::string& connectionString);  // throws DbError
    void close();
    // Also true while the link is down after a failure (see below).
    bool isOpen() const { return backend_ != nullptr || lost_; }
    // Counts the links opened so far: it changes when the connection came
    // back after a lost link, which took the work tables with it.
    int generation() const { return generation_; }
    const std::string& connectionString() const { return connectionString_; }

    // Runs a batch that returns no records; answers the rows affected.
    long long execute(std::string_view sql);
    // Runs a batch and returns all it produced (used by Recordset::open).
    BatchResult run(std::string_view sql);
    // Runs a batch and hands the rows of its last result set with columns
    // to `sink` one at a time, as a forward-only, read-only cursor would:
    // a batch of one query keeps nothing in memory. The same guard, trace,
    // faults and errors as run(). An exception thrown by the sink ends the
    // read and reaches the caller as it was thrown. The sink may run other
    // statements on this connection; whether the driver lets it while the
    // read is open is the driver's business (SQL Server wants MARS).
    void forEachRow(std::string_view sql, RowSink& sink);
    // The same with two functions: `columns` (may be empty) and `row`.
    void forEachRow(std::string_view sql,
                    const std::function<void(const std::vector<Column>&)>& columns,
                    const std::function<bool(const RowView&)>& row);

    // A failure that reports the link to the database gone (SQLSTATE class
    // 08) closes the backend: the next call opens it again with the same
    // connection string; work tables of the old link are gone. A transaction
    // open at that moment is lost: every call but rollbackTransaction fails
    // with 08007 until the caller rolls back, so that a retried statement
    // cannot commit half of a command.

    // Nested calls count: only the outermost commit or rollback reaches the
    // backend, as the component opens one transaction per command.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return depth_; }

    // Provider errors of the last failing call (cleared when a call succeeds
    // is NOT done: like the host's library, they stay until the next failure
    // or clearErrors()).
    const std::vector<ProviderError>& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }
    // Puts back a collection taken earlier, after a call whose failure is
    // the layer's own business (a probe that may fail).
    void restoreErrors(std::vector<ProviderError> errors) { errors_ = std::move(errors); }

    // Primary key columns of a table, in key order; empty when it has none.
    std::vector<std::string> primaryKey(const std::string& table);

    Backend* backend() const { return backend_.get(); }

    // Faults on demand, for tests of what a command leaves behind when the
    // database fails in its middle: the statements whose text contains
    // `match` (case-insensitive; empty matches every statement) fail with
    // `sqlState` after `skip` matching ones have run, `times` times (-1:
    // until cleared). Transaction control never fails this way.
    struct Fault {
        std::string match;
        std::string sqlState = "08S01";
        int skip = 0;
        int times = 1;
        std::string message = "Errore simulato della connessione";
        bool dropsLink = false;  // the link goes down, as described above
    };
    void injectFault(Fault fault) { faults_.push_back(std::move(fault)); }
    void clearFaults() { faults_.clear(); }

    // Process-wide trace of the batches every connection runs (execute and
    // run, before they reach the backend), for measurements that replay a
    // window's statements; an empty function ends it. Not thread-safe: set
    // it while no connection is in use.
    using Trace = std::function<void(const Connection& connection, std::string_view sql)>;
    static void setTrace(Trace trace);
    // This connection's check of every batch before it runs (execute and
    // run): it refuses a batch by throwing, and the batch does not reach the
    // backend. The owner of the connection decides what is allowed (the
    // rights a host granted); an empty function lets everything run.
    using Guard = std::function<void(std::string_view sql)>;
    void setGuard(Guard guard) { guard_ = std::move(guard); }

private:
    void applyFaults(std::string_view sql);
    template <class F>
    auto guarded(std::string_view sql, F&& f);
    void dropLink();
    void reconnect();
    // The backend let go of (closed, or its link lost) while a read on it
    // is still on the stack: it is destroyed when the outermost read ends.
    void retireBackend();

    std::unique_ptr<Backend> backend_;
    std::vector<std::unique_ptr<Backend>> retired_;
    int reading_ = 0;  // forEachRow calls on the stack
    std::string connectionString_;
    std::vector<ProviderError> errors_;
    std::vector<Fault> faults_;
    Guard guard_;
    int depth_ = 0;
    bool lost_ = false;        // the link is down: reopen at the next call
    bool brokenWork_ = false;  // a transaction went with the link
    bool injected_ = false;    // the failure at hand is an injected one
    int generation_ = 0;
};

}  // namespace db
