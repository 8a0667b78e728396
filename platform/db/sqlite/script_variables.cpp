#include "platform/db/sqlite/script_variables.h"

#include <cctype>

#include "platform/db/sqlite/sqlite_values.h"

namespace db::sqlite {
namespace {

thread_local const BatchVariables* current = nullptr;

void fnVariable(sqlite3_context* ctx, int, sqlite3_value** a) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(a[0]));
    std::string name(p ? p : "");
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (current && name == "@@ROWCOUNT")
        return sqlite3_result_int64(ctx, current->rowCount);
    if (current && name == "@@ERROR")
        return sqlite3_result_int64(ctx, current->error);
    if (name == "@@TRANCOUNT")
        return sqlite3_result_int64(ctx, current ? current->tranCount : 0);
    if (name == "XACT_STATE()")
        return sqlite3_result_int64(ctx, current && current->tranCount > 0 ? 1 : 0);
    const BatchVariables::Slot* slot = current ? current->find(name) : nullptr;
    // ERROR_NUMBER() and the rest are NULL outside a CATCH block.
    if (!slot && name.size() > 2 && name.compare(name.size() - 2, 2, "()") == 0)
        return sqlite3_result_null(ctx);
    if (!slot) {
        const std::string msg = "Must declare the scalar variable \"" + name + "\".";
        sqlite3_result_error(ctx, msg.c_str(), -1);
        return;
    }
    if (slot->fractional && slot->value.isNumber())
        return sqlite3_result_double(ctx, slot->value.toDecimal()->toDouble());
    resultValue(ctx, slot->value);
}

}  // namespace

const BatchVariables::Slot* BatchVariables::find(const std::string& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

VariablesInUse::VariablesInUse(const BatchVariables* variables) : previous_(current) {
    current = variables;
}

VariablesInUse::~VariablesInUse() {
    current = previous_;
}

const BatchVariables* variablesInUse() {
    return current;
}

void registerVariableFunctions(sqlite3* db) {
    // Not deterministic: the same name answers what the batch last set.
    sqlite3_create_function_v2(db, "tsql_var", 1, SQLITE_UTF8, nullptr, fnVariable, nullptr,
                               nullptr, nullptr);
}

}  // namespace db::sqlite
