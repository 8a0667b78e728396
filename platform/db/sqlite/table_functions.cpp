#include "platform/db/sqlite/table_functions.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/db/errors.h"
#include "platform/db/host_objects.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/tsql/emitter.h"

namespace db::sqlite {
namespace {

struct Aux {
    const TableFunction* function;
    Backend* backend;
    std::shared_ptr<const TableFunction> owned{};  // a function of this connection only
};

struct Table {
    sqlite3_vtab base{};
    Aux* aux;
};

struct Cursor {
    sqlite3_vtab_cursor base{};
    std::vector<Value> args;
    std::vector<std::vector<Value>> rows;
    std::size_t row = 0;
};

int xConnect(sqlite3* db, void* pAux, int, const char* const*, sqlite3_vtab** out, char** err) {
    auto* aux = static_cast<Aux*>(pAux);
    std::string decl = "CREATE TABLE x(";
    for (const auto& c : aux->function->columns)
        decl += tsql::quoteName(c.name) + ", ";
    for (int i = 0; i < aux->function->parameterCount; ++i)
        decl += "\"arg" + std::to_string(i) + "\" HIDDEN, ";
    decl.resize(decl.size() - 2);
    decl += ")";
    if (const int rc = sqlite3_declare_vtab(db, decl.c_str()); rc != SQLITE_OK) {
        *err = sqlite3_mprintf("%s", sqlite3_errmsg(db));
        return rc;
    }
    auto* t = new Table{};
    t->aux = aux;
    *out = &t->base;
    return SQLITE_OK;
}

int xDisconnect(sqlite3_vtab* v) {
    delete reinterpret_cast<Table*>(v);
    return SQLITE_OK;
}

int xBestIndex(sqlite3_vtab* v, sqlite3_index_info* info) {
    auto* t = reinterpret_cast<Table*>(v);
    const int first = static_cast<int>(t->aux->function->columns.size());
    const int count = t->aux->function->parameterCount;
    int found = 0;
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (c.iColumn < first || c.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (!c.usable)
            return SQLITE_CONSTRAINT;  // arguments not available yet: try another order
        info->aConstraintUsage[i].argvIndex = c.iColumn - first + 1;
        info->aConstraintUsage[i].omit = 1;
        ++found;
    }
    if (found < count)
        return SQLITE_CONSTRAINT;
    info->estimatedCost = 10;
    info->estimatedRows = 1;
    return SQLITE_OK;
}

int xOpen(sqlite3_vtab*, sqlite3_vtab_cursor** out) {
    *out = &(new Cursor{})->base;
    return SQLITE_OK;
}

int xClose(sqlite3_vtab_cursor* c) {
    delete reinterpret_cast<Cursor*>(c);
    return SQLITE_OK;
}

int xFilter(sqlite3_vtab_cursor* c, int, const char*, int argc, sqlite3_value** argv) {
    auto* cur = reinterpret_cast<Cursor*>(c);
    auto* t = reinterpret_cast<Table*>(c->pVtab);
    cur->args.clear();
    for (int i = 0; i < argc; ++i)
        cur->args.push_back(readValue(argv[i], DeclaredType{}));
    cur->row = 0;
    try {
        cur->rows = t->aux->function->body(*t->aux->backend, cur->args);
    } catch (const std::exception& e) {
        sqlite3_free(t->base.zErrMsg);
        t->base.zErrMsg = sqlite3_mprintf("%s", e.what());
        return SQLITE_ERROR;
    }
    return SQLITE_OK;
}

int xNext(sqlite3_vtab_cursor* c) {
    ++reinterpret_cast<Cursor*>(c)->row;
    return SQLITE_OK;
}

int xEof(sqlite3_vtab_cursor* c) {
    auto* cur = reinterpret_cast<Cursor*>(c);
    return cur->row >= cur->rows.size();
}

int xColumn(sqlite3_vtab_cursor* c, sqlite3_context* ctx, int i) {
    auto* cur = reinterpret_cast<Cursor*>(c);
    auto* t = reinterpret_cast<Table*>(c->pVtab);
    const auto first = t->aux->function->columns.size();
    const auto index = static_cast<std::size_t>(i);
    if (index >= first) {
        const auto arg = index - first;
        resultValue(ctx, arg < cur->args.size() ? cur->args[arg] : Value::null());
    } else {
        const auto& row = cur->rows[cur->row];
        resultValue(ctx, index < row.size() ? row[index] : Value::null());
    }
    return SQLITE_OK;
}

int xRowid(sqlite3_vtab_cursor* c, sqlite3_int64* rowid) {
    *rowid = static_cast<sqlite3_int64>(reinterpret_cast<Cursor*>(c)->row);
    return SQLITE_OK;
}

sqlite3_module makeModule() {
    sqlite3_module m{};
    m.iVersion = 0;
    m.xCreate = nullptr;  // eponymous only: used by name, never created
    m.xConnect = xConnect;
    m.xBestIndex = xBestIndex;
    m.xDisconnect = xDisconnect;
    m.xDestroy = xDisconnect;
    m.xOpen = xOpen;
    m.xClose = xClose;
    m.xFilter = xFilter;
    m.xNext = xNext;
    m.xEof = xEof;
    m.xColumn = xColumn;
    m.xRowid = xRowid;
    return m;
}

}  // namespace

void registerTableFunctions(sqlite3* db, Backend& backend) {
    static const sqlite3_module module = makeModule();
    for (const TableFunction* f : allTableFunctions()) {
        auto* aux = new Aux{f, &backend};
        sqlite3_create_module_v2(db, tsql::upper(f->name).c_str(), &module, aux,
                                 [](void* p) { delete static_cast<Aux*>(p); });
    }
}

void registerTableFunction(sqlite3* db, Backend& backend, std::shared_ptr<const TableFunction> f) {
    static const sqlite3_module module = makeModule();
    auto* aux = new Aux{f.get(), &backend, f};
    sqlite3_create_module_v2(db, tsql::upper(f->name).c_str(), &module, aux,
                             [](void* p) { delete static_cast<Aux*>(p); });
}

}  // namespace db::sqlite
