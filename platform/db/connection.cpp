#include "platform/db/connection.h"

#include <algorithm>
#include <cctype>

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
        if (it->times > 0 && --it->times == 0)
            faults_.erase(it);
        throw DbError({error}, std::string(sql));
    }
}

Connection::Connection() = default;
Connection::~Connection() {
    close();
}

template <class F>
auto Connection::guarded(std::string_view sql, F&& f) {
    if (!backend_)
        throw DbError({{sqlstate::kConnection, 0, "The connection is closed.", "Connection"}},
                      std::string(sql));
    try {
        return f();
    } catch (const DbError& e) {
        errors_ = e.errors();
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
        errors_ = e.errors();
        throw;
    }
    connectionString_ = connectionString;
}

void Connection::close() {
    if (backend_ && depth_ > 0) {
        try {
            backend_->rollback();
        } catch (...) {  // closing anyway
        }
    }
    depth_ = 0;
    backend_.reset();
}

long long Connection::execute(std::string_view sql) {
    return guarded(sql, [&] {
        applyFaults(sql);
        return backend_->run(sql).rowsAffected;
    });
}

BatchResult Connection::run(std::string_view sql) {
    return guarded(sql, [&] {
        applyFaults(sql);
        return backend_->run(sql);
    });
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
    guarded("ROLLBACK TRANSACTION", [&] {
        if (depth_ == 0)
            return;
        depth_ = 0;
        backend_->rollback();
    });
}

}  // namespace db
