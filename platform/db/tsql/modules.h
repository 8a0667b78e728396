#pragma once
// The database's own programmable objects written in T-SQL: procedures,
// functions, views and triggers. Their definitions are kept as written, in
// the database file; this reads a definition's header (name, parameters,
// what a function returns, a trigger's table and events) and finds where
// its body starts. EXEC's argument list is read here too.

#include <string>
#include <string_view>
#include <vector>

#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/plan.h"

namespace db::tsql {

struct Parameter {
    std::string name;  // upper case, with its '@'
    TypeSpec type;
    std::string defaultText;  // T-SQL of the default, when it has one
    bool hasDefault = false;
    bool output = false;
};

struct Module {
    enum class Kind { Procedure, ScalarFunction, InlineFunction, TableFunction, View, Trigger };
    enum class Verb { Create, Alter, CreateOrAlter };
    Kind kind = Kind::Procedure;
    Verb verb = Verb::Create;
    std::string name;  // upper case, without "dbo."
    std::vector<Parameter> parameters;
    TypeSpec returns;                 // a scalar function's type
    std::string tableVariable;        // a multi-statement function's @result, upper case
    std::string tableColumns;         // its column list, "(K INT, ...)", as written
    std::vector<ColumnDef> columns;   // the columns a table function returns, when declared
    std::string body;                 // the T-SQL after AS (an inline function's or view's SELECT)
    std::string table;                // a trigger's table, as written
    std::vector<std::string> events;  // a trigger's INSERT, UPDATE, DELETE
    bool insteadOf = false;           // a trigger INSTEAD OF rather than AFTER
};

// "PROCEDURE", "FUNCTION", "VIEW", "TRIGGER": the word SQL Server's messages use.
const char* kindWord(Module::Kind kind);

// Reads "CREATE [OR ALTER] | ALTER  PROC[EDURE] | FUNCTION | VIEW | TRIGGER ...".
// Throws DbError (42000) for a header it cannot read.
Module parseModule(std::string_view definition);

// The object a batch defines, when its first statement is CREATE/ALTER of a
// procedure, function, view or trigger: the whole batch is its definition.
// Fills `kind` ("PROCEDURE" ...) and `name` (upper case); false otherwise.
bool definesModule(const Tokens& t, std::size_t b, std::size_t e, std::string& kind,
                   std::string& name);

// EXEC [@rc =] name [arg [, ...]] from i (after EXEC): the arguments'
// values as "SELECT v1, v2" in sql, one Argument each.
Statement execStatement(const Tokens& t, std::size_t i, std::size_t e, const std::string& src,
                        Plan& plan, Statement::Kind kind);

// DROP PROC[EDURE] | FUNCTION | VIEW | TRIGGER [IF EXISTS] name [, ...];
// i at the kind's word.
Statement dropModules(const Tokens& t, std::size_t i, std::size_t e, const std::string& src);

}  // namespace db::tsql
