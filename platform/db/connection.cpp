#include "platform/db/connection.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "platform/db/credentials.h"

namespace db {

namespace {

bool containsNoCase(std::string_view text, std::string_view part) {
    auto it = std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    });
    return it != text.end();
}

}  // namespace

void Connection::applyFaults(std::string_view sql) {
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (!containsNoCase(sql, it->match))
            continue;
        if (it->skip > 0) {
            --it->skip;
            continue;
        }
        ProviderError error{it->sqlState, 0, it->message, "Connection"};
        const bool drops = it->dropsLink;
        if (it->times > 0 && --it->times == 0)
            faults_.erase(it);
        injected_ = !drops;
        throw DbError({error}, std::string(sql));
    }
}

Connection::Connection() = default;
Connection::~Connection() {
    close();
}

void Connection::retireBackend() {
    if (backend_ && reading_ > 0)
        retired_.push_back(std::move(backend_));
    backend_.reset();
}

void Connection::dropLink() {
    retireBackend();  // the other side has rolled back whatever was open
    lost_ = true;
    brokenWork_ = depth_ > 0;
}

void Connection::reconnect() {
    try {
        backend_ = openBackend(connectionString_);
    } catch (const DbError& e) {
        errors_ = connectionFailure(e).errors();
        errors_.insert(errors_.begin(),
                       {sqlstate::kConnection, 0,
                        "La connessione al database non e' ancora ristabilita: riprovare piu' "
                        "tardi.",
                        "Connection"});
        throw DbError(errors_, "");
    }
    lost_ = false;
    ++generation_;
}

template <class F>
auto Connection::guarded(std::string_view sql, F&& f) {
    if (brokenWork_)
        throw DbError({{"08007", 0,
                        "La transazione in corso e' andata persa con la connessione al database: "
                        "annullare il comando e ripeterlo.",
                        "Connection"}},
                      std::string(sql));
    if (!backend_ && lost_)
        reconnect();
    if (!backend_)
        throw DbError({{sqlstate::kConnection, 0, "The connection is closed.", "Connection"}},
                      std::string(sql));
    injected_ = false;
    try {
        return f();
    } catch (const DbError& e) {
        errors_ = e.errors();
        const std::string& state = e.sqlState();
        if (!injected_ && state.size() == 5 && state.compare(0, 2, "08") == 0) {
            dropLink();
            errors_.insert(errors_.begin(),
                           {state, 0,
                            "La connessione al database si e' interrotta: il comando non e' "
                            "stato eseguito e le tabelle di lavoro sono andate perse. La "
                            "connessione viene ristabilita al prossimo comando.",
                            "Connection"});
            throw DbError(errors_, std::string(sql));
        }
        throw;
    } catch (const std::exception& e) {
        errors_ = {{sqlstate::kGeneral, 0, e.what(), "Connection"}};
        throw DbError(errors_, std::string(sql));
    }
}

void Connection::open(const std::string& connectionString) {
    close();
    try {
        backend_ = openBackend(connectionString);
    } catch (const DbError& e) {
        // Told once per SQLSTATE, in Italian, without the password.
        DbError failure = connectionFailure(e);
        errors_ = failure.errors();
        throw failure;
    }
    connectionString_ = connectionString;
    ++generation_;
}

void Connection::close() {
    if (backend_ && depth_ > 0) {
        try {
            backend_->rollback();
        } catch (...) {  // closing anyway
        }
    }
    depth_ = 0;
    retireBackend();
    lost_ = brokenWork_ = false;
}

namespace {
Connection::Trace& trace() {
    static Connection::Trace t;
    return t;
}
}  // namespace

void Connection::setTrace(Trace t) {
    trace() = std::move(t);
}

long long Connection::execute(std::string_view sql) {
    return run(sql).rowsAffected;
}

BatchResult Connection::run(std::string_view sql) {
    if (guard_)
        guard_(sql);
    if (trace())
        trace()(*this, sql);
    return guarded(sql, [&] {
        applyFaults(sql);
        return backend_->run(sql);
    });
}

void Connection::forEachRow(std::string_view sql, RowSink& sink) {
    if (guard_)
        guard_(sql);
    if (trace())
        trace()(*this, sql);
    // Stands between the backend and the caller's sink: what the sink
    // throws is kept aside while the backend ends the read and let go of
    // its statement, then thrown as it was; and a read whose backend went
    // away under it (the sink closed the connection, or a statement it ran
    // lost the link) ends there.
    struct Shield final : RowSink {
        Shield(Connection& c, RowSink& s) : connection(c), inner(s), backend(c.backend_.get()) {}
        void columns(const std::vector<Column>& columns) override {
            try {
                inner.columns(columns);
            } catch (...) {
                thrown = std::current_exception();
            }
        }
        bool row(const RowView& row) override {
            if (thrown || !goesOn())
                return false;
            try {
                return inner.row(row) && goesOn();
            } catch (...) {
                thrown = std::current_exception();
                return false;
            }
        }
        bool goesOn() {
            cut = connection.backend_.get() != backend;
            return !cut;
        }
        Connection& connection;
        RowSink& inner;
        Backend* backend;
        std::exception_ptr thrown;
        bool cut = false;
    };
    struct Reading {
        Connection& c;
        explicit Reading(Connection& connection) : c(connection) { ++c.reading_; }
        ~Reading() {
            if (--c.reading_ == 0)
                c.retired_.clear();
        }
    } reading(*this);
    std::exception_ptr thrown;
    bool cut = false;
    guarded(sql, [&] {
        applyFaults(sql);
        Shield shield(*this, sink);
        backend_->forEachRow(sql, shield);
        thrown = shield.thrown;
        cut = shield.cut;
    });
    if (thrown)
        std::rethrow_exception(thrown);
    if (cut)
        throw DbError({{sqlstate::kConnectionLost, 0,
                        "La connessione al database si e' chiusa durante la lettura: le righe "
                        "restanti non sono state lette.",
                        "Connection"}},
                      std::string(sql));
}

void Connection::forEachRow(std::string_view sql,
                            const std::function<void(const std::vector<Column>&)>& columns,
                            const std::function<bool(const RowView&)>& row) {
    struct Functions final : RowSink {
        const std::function<void(const std::vector<Column>&)>& onColumns;
        const std::function<bool(const RowView&)>& onRow;
        Functions(const std::function<void(const std::vector<Column>&)>& c,
                  const std::function<bool(const RowView&)>& r)
            : onColumns(c), onRow(r) {}
        void columns(const std::vector<Column>& c) override {
            if (onColumns)
                onColumns(c);
        }
        bool row(const RowView& r) override { return onRow(r); }
    } sink(columns, row);
    forEachRow(sql, sink);
}

std::vector<std::string> Connection::primaryKey(const std::string& table) {
    return guarded("", [&] { return backend_->primaryKey(table); });
}

void Connection::beginTransaction() {
    guarded("BEGIN TRANSACTION", [&] {
        if (depth_ == 0)
            backend_->begin();
        ++depth_;
    });
}

void Connection::commitTransaction() {
    guarded("COMMIT TRANSACTION", [&] {
        if (depth_ == 0)
            return;
        if (depth_ == 1)
            backend_->commit();
        --depth_;
    });
}

void Connection::rollbackTransaction() {
    if (brokenWork_) {  // nothing left to roll back: the link took it
        brokenWork_ = false;
        depth_ = 0;
        return;
    }
    guarded("ROLLBACK TRANSACTION", [&] {
        if (depth_ == 0)
            return;
        depth_ = 0;
        backend_->rollback();
    });
}

}  // namespace db
