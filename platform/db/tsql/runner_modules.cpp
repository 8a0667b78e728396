// Procedures, functions, views and triggers written in T-SQL and kept in the
// database file, so that they outlive the connection that made them. Views
// are SQLite's own views over the translated query; the others are kept as
// written in the table tsql_modules and read again when called, so that a
// definition altered by another connection is the one that runs.

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>

#include "platform/db/errors.h"
#include "platform/db/host_objects.h"
#include "platform/db/numbered_parameters.h"
#include "platform/db/sql_literal.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/sqlite/table_functions.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {
namespace {

constexpr const char* kStore =
    "CREATE TABLE IF NOT EXISTS main.tsql_modules (name TEXT PRIMARY KEY COLLATE NOCASE, "
    "kind TEXT NOT NULL, definition TEXT NOT NULL)";

[[noreturn]] void fail(const char* state, long native, const std::string& message,
                       const std::string& source) {
    throw DbError({{state, native, message, "T-SQL adapter"}}, source);
}

// The translated text with ?N replaced by the N-th literal: a view keeps
// its query with no parameters.
std::string inlineLiterals(const std::string& sql, const Literals& literals) {
    return db::replaceNumberedParameters(sql, [&](std::size_t n) {
        return n >= 1 && n <= literals.size() ? db::sqlQuoted(literals[n - 1]) : "NULL";
    });
}

// What a connection knows of the runner that serves its stored functions.
struct Attached {
    PlanRunner* runner;
    Backend* backend;
    sqlite3* db;
    std::set<std::string> declared;  // "S NAME" or "T NAME col,col"
};

struct ScalarAux {
    PlanRunner* runner;
    std::string name;
};

void fnScalar(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    auto* aux = static_cast<ScalarAux*>(sqlite3_user_data(ctx));
    std::vector<Value> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(readValue(argv[i], DeclaredType{}));
    try {
        resultValue(ctx, aux->runner->callScalar(aux->name, args));
    } catch (const DbError& e) {
        const std::string msg = e.errors().empty() ? e.what() : e.errors()[0].message;
        sqlite3_result_error(ctx, msg.c_str(), -1);
    }
}

// tsql_declare_function(name, 'S') or (name, 'T', parameters, column, type, ...).
void fnDeclare(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    auto* a = static_cast<Attached*>(sqlite3_user_data(ctx));
    auto text = [&](int i) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[i]));
        return std::string(p ? p : "");
    };
    const std::string name = text(0), kind = text(1);
    std::string key = kind + " " + name;
    for (int i = 3; i < argc; ++i)
        key += "," + text(i);
    if (!a->declared.insert(key).second)
        return sqlite3_result_int(ctx, 0);
    if (kind == "S") {
        sqlite3_create_function_v2(a->db, name.c_str(), -1, SQLITE_UTF8,
                                   new ScalarAux{a->runner, name}, fnScalar, nullptr, nullptr,
                                   [](void* p) { delete static_cast<ScalarAux*>(p); });
        return sqlite3_result_int(ctx, 1);
    }
    auto f = std::make_shared<TableFunction>();
    f->name = name;
    f->parameterCount = sqlite3_value_int(argv[2]);
    for (int i = 3; i + 1 < argc; i += 2) {
        Column c;
        c.name = text(i);
        const DeclaredType t = parseDeclaredType(text(i + 1).c_str());
        c.type = t.type == FieldType::Empty ? FieldType::Text : t.type;
        c.size = t.size;
        c.precision = t.precision;
        c.scale = t.scale;
        f->columns.push_back(std::move(c));
    }
    PlanRunner* runner = a->runner;
    f->body = [runner, name](Backend&, const std::vector<Value>& args) {
        return runner->callTable(name, args);
    };
    registerTableFunction(a->db, *a->backend, std::move(f));
    sqlite3_result_int(ctx, 1);
}

}  // namespace

void PlanRunner::attach(sqlite3* db) {
    db_ = db;
    sqlite3_create_function_v2(
        db, "tsql_declare_apply", 3, SQLITE_UTF8, this,
        [](sqlite3_context* ctx, int, sqlite3_value** argv) {
            auto text = [&](int i) {
                const auto* p = sqlite3_value_text(argv[i]);
                return p ? std::string(reinterpret_cast<const char*>(p)) : std::string();
            };
            try {
                static_cast<PlanRunner*>(sqlite3_user_data(ctx))
                    ->declareApply(
                        {text(0), text(1), static_cast<std::size_t>(sqlite3_value_int(argv[2]))});
                sqlite3_result_int(ctx, 1);
            } catch (const std::exception& e) {
                sqlite3_result_error(ctx, e.what(), -1);
            }
        },
        nullptr, nullptr, nullptr);
    registerStringSplit(db, backend_);
    registerForXml(db);
    sqlite3_create_function_v2(db, "tsql_declare_function", -1, SQLITE_UTF8,
                               new Attached{this, &backend_, db, {}}, fnDeclare, nullptr, nullptr,
                               [](void* p) { delete static_cast<Attached*>(p); });
    ResultSet stored;
    try {
        const std::string sql = "SELECT definition FROM main.tsql_modules WHERE kind = 'FUNCTION'";
        stored = engine_.query(sql, {}, sql, nullptr);
    } catch (const DbError&) {
        return;  // a database without T-SQL objects
    }
    for (const auto& row : stored.rows)
        try {
            declareFunction(*parsed(row[0].toText()));
        } catch (const DbError&) {
            // A function that no longer reads says so when called.
        }
}

std::string PlanRunner::moduleDefinition(const std::string& name, std::string* kind) {
    static const std::string sql = "SELECT kind, definition FROM main.tsql_modules WHERE name = ?1";
    ResultSet rs;
    try {
        rs = engine_.query(sql, {tsql::upper(name)}, sql, nullptr);
    } catch (const DbError&) {
        return {};  // no object was ever stored
    }
    if (rs.rows.empty())
        return {};
    if (kind)
        *kind = rs.rows[0][0].toText();
    return rs.rows[0][1].toText();
}

std::shared_ptr<const tsql::Module> PlanRunner::parsed(const std::string& definition) {
    if (const auto it = parsed_.find(definition); it != parsed_.end())
        return it->second;
    auto m = std::make_shared<const tsql::Module>(tsql::parseModule(definition));
    if (parsed_.size() > 200)
        parsed_.clear();
    parsed_[definition] = m;
    return m;
}

void PlanRunner::defineModule(const tsql::Statement& st) {
    types_.clear();  // a view made or changed has other columns to read
    const auto m = parsed(st.sql);
    const std::string word = tsql::kindWord(m->kind);
    std::string storedKind;
    const bool stored = !moduleDefinition(m->name, &storedKind).empty();
    const std::string find =
        "SELECT type FROM main.sqlite_master WHERE type IN ('table', 'view') AND name = ?1 "
        "COLLATE NOCASE";
    const ResultSet schema = engine_.query(find, {m->name}, find, nullptr);
    const std::string schemaKind = schema.rows.empty() ? "" : schema.rows[0][0].toText();
    const bool exists = stored || !schemaKind.empty();
    const bool sameKind =
        (stored && storedKind == word) || (word == "VIEW" && schemaKind == "view");
    if (m->verb == tsql::Module::Verb::Create && exists)
        fail("42S01", 2714, "There is already an object named '" + m->name + "' in the database.",
             st.source);
    if (exists && !sameKind)
        fail("42S01", 2714, "There is already an object named '" + m->name + "' in the database.",
             st.source);
    if (m->verb == tsql::Module::Verb::Alter && !exists)
        fail(sqlstate::kNoSuchObject, 208, "Invalid object name '" + m->name + "'.", st.source);
    if (m->kind == tsql::Module::Kind::View) {
        tsql::Shape shape;
        const auto plan = plans_.get(m->body, shape, &types_);
        if (plan->statements.size() != 1 ||
            plan->statements[0].kind != tsql::Statement::Kind::Query)
            tsql::unsupported("a view that is not one SELECT", st.source);
        const std::string select = inlineLiterals(plan->statements[0].sql, shape.literals);
        std::string columns;
        for (const auto& c : m->columns)
            columns += (columns.empty() ? " (" : ", ") + tsql::quoteName(c.name);
        if (!columns.empty())
            columns += ")";
        if (exists)
            engine_.direct("DROP VIEW main." + tsql::quoteName(m->name));
        engine_.direct("CREATE VIEW main." + tsql::quoteName(m->name) + columns + " AS " + select);
        return;
    }
    if (m->kind == tsql::Module::Kind::Trigger) {
        if (m->insteadOf)
            tsql::unsupported("an INSTEAD OF trigger", st.source);
        if (tableInfo(m->table, false).empty())
            fail(sqlstate::kNoSuchObject, 8197,
                 "The object '" + m->table + "' does not exist or is invalid for this operation.",
                 st.source);
        triggersLoaded_ = false;
    }
    engine_.direct(kStore);
    const std::string remove = "DELETE FROM main.tsql_modules WHERE name = ?1";
    engine_.query(remove, {m->name}, remove, nullptr);
    const std::string insert =
        "INSERT INTO main.tsql_modules (name, kind, definition) VALUES (?1, ?2, ?3)";
    engine_.query(insert, {m->name, word, st.sql}, insert, nullptr);
    declareFunction(*m);
}

void PlanRunner::dropModule(const tsql::Statement& st) {
    types_.clear();
    auto missing = [&] {
        if (!st.ifExists)
            fail(sqlstate::kNoSuchObject, 3701,
                 "Cannot drop the " + lower(st.table) + " '" + st.name +
                     "', because it does not exist or you do not have permission.",
                 st.source);
    };
    if (st.table == "VIEW") {
        const std::string find =
            "SELECT 1 FROM main.sqlite_master WHERE type = 'view' AND name = ?1 COLLATE NOCASE";
        if (engine_.query(find, {st.name}, find, nullptr).rows.empty())
            return missing();
        engine_.direct("DROP VIEW main." + tsql::quoteName(st.name));
        return;
    }
    std::string kind;
    if (moduleDefinition(st.name, &kind).empty() || kind != st.table)
        return missing();
    const std::string remove = "DELETE FROM main.tsql_modules WHERE name = ?1";
    engine_.query(remove, {st.name}, remove, nullptr);
    triggersLoaded_ = false;
}

void PlanRunner::declareFunction(const tsql::Module& m) {
    if (m.kind == tsql::Module::Kind::ScalarFunction) {
        const std::string sql = "SELECT tsql_declare_function(?1, 'S')";
        engine_.query(sql, {m.name}, sql, nullptr);
        return;
    }
    if (m.kind != tsql::Module::Kind::InlineFunction && m.kind != tsql::Module::Kind::TableFunction)
        return;
    std::vector<std::pair<std::string, std::string>> columns;
    if (m.kind == tsql::Module::Kind::TableFunction) {
        for (const auto& c : m.columns)
            columns.emplace_back(c.name, c.type.text());
    } else {
        // An inline function's columns are its query's: described with
        // every parameter NULL.
        std::string text;
        for (std::size_t k = 0; k < m.parameters.size(); ++k)
            text += "DECLARE " + m.parameters[k].name + " " + m.parameters[k].type.text() + "\n";
        tsql::Shape shape;
        const auto plan = plans_.get(text + m.body, shape, &types_);
        const tsql::Statement& last = plan->statements.back();
        if (last.kind != tsql::Statement::Kind::Query)
            tsql::unsupported("an inline function that is not one SELECT", m.body);
        const VariablesInUse use(&variables_);
        BatchVariables outer = std::move(variables_);
        variables_ = BatchVariables();
        for (const auto& p : m.parameters)
            variables_.declare(p.name, false);
        try {
            for (const auto& c : engine_.describe(last.sql, shape.literals, m.body))
                columns.emplace_back(c.name, c.declared);
        } catch (...) {
            variables_ = std::move(outer);
            throw;
        }
        variables_ = std::move(outer);
    }
    std::string sql =
        "SELECT tsql_declare_function(?1, 'T', " + std::to_string(m.parameters.size());
    Literals literals{m.name};
    for (const auto& [name, type] : columns) {
        literals.push_back(name);
        sql += ", ?" + std::to_string(literals.size());
        literals.push_back(type);
        sql += ", ?" + std::to_string(literals.size());
    }
    engine_.query(sql + ")", literals, sql, nullptr);
}

void PlanRunner::setVariable(const std::string& name, const Value& value) {
    if (!variables_.declared(name))
        fail(sqlstate::kSyntax, 137, "Must declare the scalar variable \"" + name + "\".", "");
    variables_.set(name, value);
}

void PlanRunner::execProcedure(const tsql::Statement& st, const Literals& literals,
                               BatchResult& result) {
    std::vector<Value> given;
    if (!st.sql.empty()) {
        ResultSet rs = engine_.query(st.sql, literals, st.source, nullptr);
        if (!rs.rows.empty())
            given = std::move(rs.rows[0]);
    }
    std::string kind, definition;
    std::vector<tsql::Argument> arguments = st.arguments;
    if (st.name.empty() || tsql::upper(st.name) == "SP_EXECUTESQL") {
        // Dynamic SQL: the text runs as a procedure of its own, whose
        // parameters sp_executesql declares in its second argument; a text
        // that defines an object runs as the batch it is.
        const std::string text = given.empty() ? std::string() : given[0].toText();
        const tsql::Tokens tokens = tsql::tokenize(text);
        if (std::string k, n; tsql::definesModule(tokens, 0, tokens.size(), k, n)) {
            tsql::Shape shape;
            const auto plan = plans_.get(text, shape);
            for (const auto& s : plan->statements)
                exec(s, shape.literals, result);
            return;
        }
        const std::size_t fixed = std::min<std::size_t>(st.name.empty() ? 1 : 2, given.size());
        definition = "CREATE PROCEDURE tsql_dynamic " +
                     (fixed > 1 ? given[1].toText() : std::string()) + " AS\n" + text;
        kind = "PROCEDURE";
        given.erase(given.begin(), given.begin() + static_cast<long>(fixed));
        arguments.erase(arguments.begin(),
                        arguments.begin() + static_cast<long>(std::min(fixed, arguments.size())));
    } else {
        definition = moduleDefinition(st.name, &kind);
    }
    if (definition.empty() || kind != "PROCEDURE") {
        const Procedure* p = findProcedure(st.name);
        if (!p)
            fail("42000", 2812, "Could not find stored procedure '" + st.name + "'.", st.source);
        result.resultSets.push_back(p->body(backend_, given));
        return;
    }
    const auto m = parsed(definition);
    const std::size_t n = m->parameters.size();
    std::vector<std::optional<Value>> values(n);
    std::vector<std::string> outputs(n);
    std::size_t g = 0, position = 0;
    bool named = false;
    for (const auto& a : arguments) {
        std::optional<Value> v;
        if (!a.isDefault)
            v = g < given.size() ? given[g++] : Value::null();
        std::size_t k = 0;
        if (a.name.empty()) {
            if (named)
                fail(sqlstate::kSyntax, 119,
                     "Must pass parameter number " + std::to_string(position + 1) +
                         " and subsequent parameters as '@name = value'. After the form '@name "
                         "= value' has been used, all subsequent parameters must be passed in "
                         "the form '@name = value'.",
                     st.source);
            k = position++;
            if (k >= n)
                fail(sqlstate::kSyntax, 8144,
                     "Procedure or function " + m->name + " has too many arguments specified.",
                     st.source);
        } else {
            named = true;
            const auto it =
                std::find_if(m->parameters.begin(), m->parameters.end(),
                             [&](const tsql::Parameter& p) { return p.name == a.name; });
            if (it == m->parameters.end())
                fail(sqlstate::kSyntax, 8145,
                     a.name + " is not a parameter for procedure " + m->name + ".", st.source);
            k = static_cast<std::size_t>(it - m->parameters.begin());
        }
        values[k] = std::move(v);
        outputs[k] = a.outputVariable;
    }
    std::vector<Value> finals;
    runModule(*m, values, result, &finals);
    for (std::size_t k = 0; k < n; ++k)
        if (!outputs[k].empty() && m->parameters[k].output)
            setVariable(outputs[k], finals[k]);
    if (!st.variables.empty())
        setVariable(st.variables[0], returned_.isNull() ? Value(0) : returned_);
}

void PlanRunner::runModule(const tsql::Module& m, const std::vector<std::optional<Value>>& values,
                           BatchResult& result, std::vector<Value>* finals) {
    // The parameters are the body's first variables, each converted to
    // its type from the value handed over (kept under a name no batch uses).
    std::string text;
    for (std::size_t k = 0; k < m.parameters.size(); ++k) {
        const auto& p = m.parameters[k];
        std::string value;
        if (values[k])
            value = "@__ARG" + std::to_string(k + 1);
        else if (p.hasDefault)
            value = p.defaultText;
        else
            fail(sqlstate::kSyntax, 201,
                 "Procedure or function '" + m.name + "' expects parameter '" + p.name +
                     "', which was not supplied.",
                 m.name);
        text += "DECLARE " + p.name + " " + p.type.text() + " = " + value + "\n";
    }
    if (m.kind == tsql::Module::Kind::TableFunction)
        text += "DECLARE " + m.tableVariable + " TABLE " + m.tableColumns + "\n";
    text += m.body;
    tsql::Shape shape;
    const auto plan = plans_.get(text, shape, &types_);

    // Whichever runner's batch called it, the body reads these variables.
    const VariablesInUse use(&variables_);
    BatchVariables outer = std::move(variables_);
    std::vector<DbError> handling = handling_;
    variables_ = BatchVariables();
    variables_.tranCount = tranCount_;
    // Called from CATCH, the body still sees the error being handled.
    if (!handling_.empty())
        setCaught(&handling_.back());
    for (std::size_t k = 0; k < values.size(); ++k)
        if (values[k])
            variables_.set("@__ARG" + std::to_string(k + 1), *values[k]);
    // The caller's table variables of the names the body declares wait
    // under other names while it runs.
    std::vector<std::string> hidden;
    const std::function<void(const std::vector<tsql::Statement>&)> declared =
        [&](const std::vector<tsql::Statement>& list) {
            for (const auto& s : list) {
                const std::string name = tsql::upper(s.table);
                if (s.kind == tsql::Statement::Kind::CreateTable && s.tableVariable &&
                    std::find(hidden.begin(), hidden.end(), name) == hidden.end() &&
                    std::any_of(tableVariables_.begin(), tableVariables_.end(),
                                [&](const std::string& v) { return tsql::upper(v) == name; }))
                    hidden.push_back(name);
                declared(s.body);
                declared(s.elseBody);
            }
        };
    declared(plan->statements);
    const std::string suffix = "@" + std::to_string(depth_);
    auto rename = [&](const std::string& from, const std::string& to) {
        identities_.erase(tsql::upper(from));
        engine_.direct("ALTER TABLE temp." + tsql::quoteName(from) + " RENAME TO " +
                       tsql::quoteName(to));
        // The table's rules are named after it: made again under the new
        // name, so that the inner table's own rules can take the old one.
        installRules(from, true, false);
        installRules(to, true, true);
    };
    for (const auto& name : hidden)
        rename(name, name + suffix);
    ++depth_;
    returned_ = Value::null();
    const std::size_t keep = tableVariables_.size();
    auto restore = [&] {
        dropTableVariables(keep);
        for (const auto& name : hidden)
            rename(name + suffix, name);
        variables_ = std::move(outer);
        handling_ = std::move(handling);
        --depth_;
    };
    try {
        declareApplies(*plan);
        for (const auto& s : plan->statements)
            if (exec(s, shape.literals, result) == Flow::Return)
                break;
        if (finals)
            for (const auto& p : m.parameters) {
                const auto* slot = variables_.find(p.name);
                finals->push_back(slot ? slot->value : Value::null());
            }
        if (m.kind == tsql::Module::Kind::TableFunction) {
            const std::string sql = "SELECT * FROM temp." + tsql::quoteName("#" + m.tableVariable);
            result.resultSets.push_back(engine_.query(sql, {}, sql, nullptr));
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

Value PlanRunner::callScalar(const std::string& name, const std::vector<Value>& args) {
    std::string kind;
    const std::string definition = moduleDefinition(name, &kind);
    if (definition.empty() || kind != "FUNCTION")
        fail(sqlstate::kSyntax, 4121,
             "Cannot find either column \"dbo\" or the user-defined function or aggregate \"dbo." +
                 name + "\", or the name is ambiguous.",
             name);
    const auto m = parsed(definition);
    if (args.size() < m->parameters.size())
        fail(sqlstate::kSyntax, 313,
             "An insufficient number of arguments were supplied for the procedure or function "
             "dbo." +
                 m->name + ".",
             name);
    if (args.size() > m->parameters.size())
        fail(sqlstate::kSyntax, 8144,
             "Procedure or function dbo." + m->name + " has too many arguments specified.", name);
    std::vector<std::optional<Value>> values(args.begin(), args.end());
    BatchResult ignored;
    runModule(*m, values, ignored, nullptr);
    if (m->returns.name.empty() || returned_.isNull())
        return returned_;
    // The value takes the function's RETURNS type, as an assignment would.
    BatchVariables result;
    result.declare("@__RESULT", false);
    result.set("@__RESULT", returned_);
    const VariablesInUse use(&result);
    const std::string convert = "SELECT tsql_convert(tsql_var('@__RESULT'), '" + m->returns.name +
                                "', " + std::to_string(m->returns.length) + ", " +
                                std::to_string(m->returns.scale) + ")";
    const ResultSet rs = engine_.query(convert, {}, m->name, nullptr);
    return rs.rows.empty() ? returned_ : rs.rows[0].at(0);
}

std::vector<std::vector<Value>> PlanRunner::callTable(const std::string& name,
                                                      const std::vector<Value>& args) {
    std::string kind;
    const std::string definition = moduleDefinition(name, &kind);
    if (definition.empty() || kind != "FUNCTION")
        fail(sqlstate::kNoSuchObject, 208, "Invalid object name '" + name + "'.", name);
    const auto m = parsed(definition);
    std::vector<std::optional<Value>> values(args.begin(), args.end());
    values.resize(m->parameters.size());
    BatchResult result;
    runModule(*m, values, result, nullptr);
    if (result.resultSets.empty())
        return {};
    return std::move(result.resultSets.back().rows);
}

}  // namespace db::sqlite
