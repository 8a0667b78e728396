// What the runner finishes of the statements SQLite has no form for: the
// rows TOP ... WITH TIES or PERCENT keeps, the rows OUTPUT returns, and the
// steps of a MERGE. A statement's written rows are captured by row triggers
// of this connection into two work tables, as SQL Server's inserted and
// deleted, while the statement runs.

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "platform/db/errors.h"
#include "platform/db/host_objects.h"
#include "platform/db/sqlite/sqlite_values.h"
#include "platform/db/sqlite/table_functions.h"
#include "platform/db/tsql/dml_idioms.h"
#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/runner.h"

namespace db::sqlite {
namespace {

constexpr const char* kCaptureTriggers[] = {"tsql_out_i", "tsql_out_d", "tsql_out_u"};

// STRING_SPLIT(text, separator): a row for each piece, in column `value`;
// none for NULL. The separator is one character.
std::vector<std::vector<Value>> split(const std::vector<Value>& args) {
    std::vector<std::vector<Value>> rows;
    const std::string separator = args.size() > 1 ? args[1].toText() : std::string();
    const bool oneCharacter =
        !separator.empty() &&
        (separator.size() == 1 ||
         static_cast<std::size_t>(std::count_if(separator.begin(), separator.end(), [](char c) {
             return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
         })) == 1);
    if (args.size() < 2 || args[1].isNull() || !oneCharacter)
        throw DbError({{sqlstate::kSyntax, 214,
                        "Procedure expects parameter 'separator' of type 'nchar(1)/nvarchar(1)'.",
                        "T-SQL adapter"}},
                      "STRING_SPLIT");
    if (args[0].isNull())
        return rows;
    const std::string text = args[0].toText();
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        rows.push_back({Value(text.substr(start, at - start))});
        if (at == std::string::npos)
            return rows;
        start = at + separator.size();
    }
}

}  // namespace

void registerForXml(sqlite3* db) {
    auto step = [](sqlite3_context* ctx, int, sqlite3_value** argv) {
        auto** text = static_cast<std::string**>(sqlite3_aggregate_context(ctx, sizeof(void*)));
        if (!text)
            return sqlite3_result_error_nomem(ctx);
        if (!*text)
            *text = new std::string();
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        if (!p)
            return;
        if (sqlite3_value_int(argv[1]) == 0) {
            **text += p;
            return;
        }
        for (; *p; ++p)
            switch (*p) {
                case '&':
                    **text += "&amp;";
                    break;
                case '<':
                    **text += "&lt;";
                    break;
                case '>':
                    **text += "&gt;";
                    break;
                case '\r':
                    **text += "&#x0D;";
                    break;
                default:
                    **text += *p;
            }
    };
    auto final = [](sqlite3_context* ctx) {
        auto** text = static_cast<std::string**>(sqlite3_aggregate_context(ctx, 0));
        if (!text || !*text)
            return sqlite3_result_null(ctx);
        sqlite3_result_text(ctx, (*text)->c_str(), static_cast<int>((*text)->size()),
                            SQLITE_TRANSIENT);
        delete *text;
    };
    sqlite3_create_function_v2(db, "tsql_for_xml", 2, SQLITE_UTF8, nullptr, nullptr, step, final,
                               nullptr);
}

void registerStringSplit(sqlite3* db, Backend& backend) {
    auto f = std::make_shared<TableFunction>();
    f->name = "STRING_SPLIT";
    Column value;
    value.name = "value";
    f->columns.push_back(value);
    f->parameterCount = 2;
    f->body = [](Backend&, const std::vector<Value>& args) { return split(args); };
    registerTableFunction(db, backend, std::move(f));
}

void PlanRunner::keepTop(const tsql::Statement& st, const Literals& literals, ResultSet& rs) {
    const ResultSet n = engine_.query(st.top, literals, st.source, nullptr);
    const auto count = n.rows.empty() ? std::nullopt : n.rows[0].at(0).toDecimal();
    const double value = count ? count->toDouble() : 0;
    if (st.topPercent && (value < 0 || value > 100))
        throw DbError({{sqlstate::kSyntax, 1031, "Percent values must be between 0 and 100.",
                        "T-SQL adapter"}},
                      st.source);
    const double rows = static_cast<double>(rs.rows.size());
    // PERCENT rounds up: 10 PERCENT of 5 rows is one row.
    std::size_t keep = static_cast<std::size_t>(
        std::max(0.0, std::min(rows, st.topPercent ? std::ceil(value * rows / 100) : value)));
    const std::size_t keys = st.topKeys;
    auto tied = [&](const std::vector<Value>& a, const std::vector<Value>& b) {
        for (std::size_t k = a.size() - keys; k < a.size(); ++k)
            if (Value::compare(a[k], b[k]) != 0)
                return false;
        return true;
    };
    while (st.topTies && keep > 0 && keep < rs.rows.size() &&
           tied(rs.rows[keep], rs.rows[keep - 1]))
        ++keep;
    rs.rows.resize(keep);
    if (keys > 0 && rs.columns.size() >= keys) {
        rs.columns.resize(rs.columns.size() - keys);
        for (auto& row : rs.rows)
            row.resize(row.size() - keys);
    }
}

void PlanRunner::capture(const std::string& table, bool temporary) {
    const auto info = tableInfo(table, temporary);
    if (info.empty())
        return;  // the statement itself tells that the table is missing
    std::string columns, fresh, old;
    for (const auto& c : info) {
        const std::string name = tsql::quoteName(c.name);
        columns += (columns.empty() ? "" : ", ") + name + " " + c.type;
        fresh += (fresh.empty() ? "NEW." : ", NEW.") + name;
        old += (old.empty() ? "OLD." : ", OLD.") + name;
    }
    const std::string ins = tsql::quoteName(tsql::kOutputInserted),
                      del = tsql::quoteName(tsql::kOutputDeleted);
    for (const auto& work : {ins, del}) {
        engine_.direct("DROP TABLE IF EXISTS temp." + work);
        engine_.direct("CREATE TEMP TABLE " + work + " (" + columns + ")");
    }
    const std::string on =
        std::string(" ON ") + (temporary ? "" : "main.") + tsql::quoteName(table) + " BEGIN ";
    engine_.direct(std::string("CREATE TEMP TRIGGER ") + kCaptureTriggers[0] + " AFTER INSERT" +
                   on + "INSERT INTO " + ins + " VALUES (" + fresh + "); END");
    engine_.direct(std::string("CREATE TEMP TRIGGER ") + kCaptureTriggers[1] + " AFTER DELETE" +
                   on + "INSERT INTO " + del + " VALUES (" + old + "); END");
    engine_.direct(std::string("CREATE TEMP TRIGGER ") + kCaptureTriggers[2] + " AFTER UPDATE" +
                   on + "INSERT INTO " + ins + " VALUES (" + fresh + "); INSERT INTO " + del +
                   " VALUES (" + old + "); END");
}

void PlanRunner::stopCapture() {
    for (const char* trigger : kCaptureTriggers)
        engine_.direct(std::string("DROP TRIGGER IF EXISTS temp.") + trigger);
}

void PlanRunner::readOutput(const tsql::Statement& st, const Literals& literals,
                            BatchResult& result, std::optional<ResultSet>* merged) {
    if (st.elseBody.empty())
        return;
    // @@ROWCOUNT tells the rows the statement wrote, not those OUTPUT read.
    const long long count = variables_.rowCount;
    BatchResult read;
    exec(st.elseBody[0], literals, read);
    variables_.rowCount = count;
    for (auto& rs : read.resultSets) {
        if (!merged)
            result.resultSets.push_back(std::move(rs));
        else if (!*merged)
            *merged = std::move(rs);
        else
            for (auto& row : rs.rows)
                (*merged)->rows.push_back(std::move(row));
    }
}

void PlanRunner::runOutput(const tsql::Statement& st, const Literals& literals,
                           BatchResult& result) {
    capture(st.table, st.temporary);
    try {
        exec(st.body.at(0), literals, result);
    } catch (...) {
        try {
            stopCapture();
        } catch (const DbError&) {
            // The statement's error is the one to report.
        }
        throw;
    }
    stopCapture();
    readOutput(st, literals, result, nullptr);
}

void PlanRunner::runMerge(const tsql::Statement& st, const Literals& literals,
                          BatchResult& result) {
    // The steps stand or fall together, as the one statement they are.
    engine_.direct("SAVEPOINT tsql_merge");
    try {
        long long total = 0;
        std::optional<ResultSet> merged;
        for (const auto& step : st.body) {
            if (step.name.empty()) {
                BatchResult work;
                exec(step, literals, work);
                continue;
            }
            if (step.name == "CHECK") {
                BatchResult check;
                exec(step, literals, check);
                if (!check.resultSets.empty() && !check.resultSets[0].rows.empty())
                    throw DbError(
                        {{sqlstate::kSyntax, 8672,
                          "The MERGE statement attempted to UPDATE or DELETE the same row more "
                          "than once. This happens when a target row matches more than one "
                          "source row. A MERGE statement cannot UPDATE/DELETE the same row of "
                          "the target table multiple times. Refine the ON clause to ensure a "
                          "target row matches at most one source row, or use the GROUP BY "
                          "clause to group the source rows.",
                          "T-SQL adapter"}},
                        st.source);
                continue;
            }
            const bool output = !st.elseBody.empty();
            if (output)
                capture(st.table, st.temporary);
            exec(step, literals, result);
            total += variables_.rowCount;
            if (output) {
                stopCapture();
                variables_.set(tsql::kMergeAction, Value(step.name));
                readOutput(st, literals, result, &merged);
            }
        }
        if (merged)
            result.resultSets.push_back(std::move(*merged));
        variables_.error = 0;
        variables_.rowCount = total;
        engine_.direct("RELEASE tsql_merge");
    } catch (...) {
        try {
            stopCapture();
            engine_.direct("ROLLBACK TO tsql_merge");
            engine_.direct("RELEASE tsql_merge");
        } catch (const DbError&) {
            // A trigger's own ROLLBACK already ended the transaction.
        }
        throw;
    }
}

void PlanRunner::declareApplies(const tsql::Plan& plan) {
    for (const auto& a : plan.applies) {
        if (applies_.count(a.name))
            continue;
        static const std::string sql = "SELECT tsql_declare_apply(?1, ?2, ?3)";
        engine_.query(sql, {a.name, a.text, std::to_string(a.parameters)}, sql, nullptr);
        applies_.insert(a.name);
    }
}

BatchVariables PlanRunner::applyVariables(const tsql::ApplyQuery& a,
                                          const std::vector<Value>& args) {
    const BatchVariables* batch = variablesInUse();
    BatchVariables vars = batch ? *batch : variables_;
    for (std::size_t k = 0; k < a.parameters; ++k) {
        const std::string name = "@" + a.name + "_" + std::to_string(k + 1);
        vars.declare(name, false);
        vars.set(name, k < args.size() ? args[k] : Value::null());
    }
    return vars;
}

void PlanRunner::declareApply(const tsql::ApplyQuery& a) {
    if (!db_ || !appliesHere_.insert(a.name).second)
        return;
    tsql::Shape shape;
    const auto inner = plans_.get(a.text, shape);
    if (inner->statements.empty() || inner->statements.back().kind != tsql::Statement::Kind::Query)
        tsql::unsupported("APPLY of a derived table that is not one query", a.text);
    // Its columns are the query's, described with the outer values NULL.
    const BatchVariables vars = applyVariables(a, {});
    const VariablesInUse use(&vars);
    auto f = std::make_shared<TableFunction>();
    f->name = a.name;
    f->parameterCount = static_cast<int>(a.parameters);
    for (const auto& c :
         engine_.describe(inner->statements.back().sql, shape.literals, a.text, false)) {
        Column column;
        column.name = c.name;
        const DeclaredType t = parseDeclaredType(c.declared.c_str());
        column.type = t.type == FieldType::Empty ? FieldType::Text : t.type;
        column.size = t.size;
        column.precision = t.precision;
        column.scale = t.scale;
        f->columns.push_back(std::move(column));
    }
    f->body = [this, a](Backend&, const std::vector<Value>& args) { return callApply(a, args); };
    registerTableFunction(db_, backend_, std::move(f));
}

std::vector<std::vector<Value>> PlanRunner::callApply(const tsql::ApplyQuery& a,
                                                      const std::vector<Value>& args) {
    tsql::Shape shape;
    const auto inner = plans_.get(a.text, shape);
    const BatchVariables vars = applyVariables(a, args);
    const VariablesInUse use(&vars);
    declareApplies(*inner);
    BatchResult result;
    for (const auto& st : inner->statements)
        exec(st, shape.literals, result);
    if (result.resultSets.empty())
        return {};
    return std::move(result.resultSets.back().rows);
}

}  // namespace db::sqlite
