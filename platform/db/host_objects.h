#pragma once
// The host database's own programmable objects (stored procedures and
// table-valued functions) for backends that cannot store them, such as the
// embedded SQLite one. A real SQL Server has them in the database; the
// embedded backend looks them up here when a statement names them
// ("EXEC SPMG_COMBIVAR ...", "OUTER APPLY dbo.FNMG53_FAMIGLIE(...)").

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/backend.h"

namespace db {

struct TableFunction {
    std::string name;             // "FNMG53_FAMIGLIE" (a "dbo." prefix is ignored)
    std::vector<Column> columns;  // the columns of the table it returns
    int parameterCount = 0;
    // Runs on the same backend; may run T-SQL through it. Returns rows
    // matching `columns`.
    std::function<std::vector<std::vector<Value>>(Backend&, const std::vector<Value>& args)> body;
};

struct Procedure {
    std::string name;  // "SPMG_COMBIVAR"
    // Returns the result set the procedure selects (used by EXEC and by
    // INSERT INTO #X EXEC).
    std::function<ResultSet(Backend&, const std::vector<Value>& args)> body;
};

// Process-wide registry; names compare case-insensitively. Registering a
// name again replaces the previous object.
void registerTableFunction(TableFunction f);
void registerProcedure(Procedure p);
const TableFunction* findTableFunction(std::string_view name);
const Procedure* findProcedure(std::string_view name);
// Every registered table function, for backends that declare them up front.
std::vector<const TableFunction*> allTableFunctions();

}  // namespace db
