#pragma once
// The variables of a T-SQL batch, as the statements SQLite runs read them:
// tsql_var('@NAME') answers the value the runner keeps for the batch being
// run on this thread; a name never declared stops the statement (137).

#include <sqlite3.h>

#include <map>
#include <string>

#include "platform/db/value.h"

namespace db::sqlite {

class BatchVariables {
public:
    struct Slot {
        Value value = Value::null();
        // A decimal with a scale, money or float: SQLite must see it as
        // floating point even when it is whole, or 12.00 / 8 divides as integers.
        bool fractional = false;
    };
    // Names upper case with their '@': "@COUNT", "@@ROWCOUNT".
    void declare(const std::string& name, bool fractional) {
        values_[name] = Slot{Value::null(), fractional};
    }
    // The value of a declared variable (or of one the runner keeps itself).
    void set(const std::string& name, Value v) { values_[name].value = std::move(v); }
    const Slot* find(const std::string& name) const;
    bool declared(const std::string& name) const { return find(name) != nullptr; }
    void clear() {
        if (!values_.empty())
            values_.clear();
        rowCount = error = 0;
    }

    // @@ROWCOUNT and @@ERROR, set after every statement: kept apart from
    // the map so that a statement pays no lookup for them.
    long long rowCount = 0;
    long long error = 0;
    // @@TRANCOUNT, as the runner counts it; XACT_STATE() follows from it.
    long long tranCount = 0;

private:
    std::map<std::string, Slot> values_;
};

// While alive, tsql_var on this thread reads `variables`; the one before
// comes back after (a host function's body runs a batch of its own).
class VariablesInUse {
public:
    explicit VariablesInUse(const BatchVariables* variables);
    ~VariablesInUse();
    VariablesInUse(const VariablesInUse&) = delete;
    VariablesInUse& operator=(const VariablesInUse&) = delete;

private:
    const BatchVariables* previous_;
};

// The variables tsql_var reads on this thread now (null outside a batch).
const BatchVariables* variablesInUse();

void registerVariableFunctions(sqlite3* db);

}  // namespace db::sqlite
