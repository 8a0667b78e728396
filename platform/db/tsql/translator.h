#pragma once
// The statement translator of a batch, shared by the files that handle
// its kinds of statement: translate.cpp (batches, control flow, SELECT,
// INSERT), translate_dml.cpp (UPDATE and DELETE with joins) and
// translate_ddl.cpp (CREATE, ALTER).

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/plan.h"

namespace db::tsql {

class Translator {
public:
    Translator(const Tokens& t, std::string_view sql, Plan& plan)
        : t_(t), sql_(sql), plan_(plan), variables_(plan.variables) {}
    std::vector<Statement> block(std::size_t& i, std::size_t e, bool untilEnd);

private:
    std::string source(std::size_t b, std::size_t e) const;
    Statement one(std::size_t& i, std::size_t e);
    // BEGIN TRY ... END TRY BEGIN CATCH ... END CATCH
    Statement tryCatch(std::size_t& i, std::size_t e);
    Statement ifStatement(std::size_t& i, std::size_t e);
    std::size_t statementEnd(std::size_t b, std::size_t e) const;
    Statement simple(std::size_t b, std::size_t e);
    // `guarded`: recursive CTEs already count their levels.
    Statement select(std::size_t b, std::size_t e, const std::string& src, bool guarded = false);
    bool hasOption(std::size_t b, std::size_t e) const;
    Statement insert(std::size_t b, std::size_t e, const std::string& src);
    void append(Tokens& out, std::size_t b, std::size_t e) const { appendTokens(out, t_, b, e); }
    // SET assignments with the column names unqualified, as SQLite wants them.
    void appendAssignments(Tokens& out, std::size_t b, std::size_t e) const;
    // The statement writing the table named at `at` (moved past the name),
    // before the FROM clause binds it to one of its references.
    Statement writes(std::size_t& at, std::size_t e, const std::string& src);
    Statement update(std::size_t b, std::size_t e, const std::string& src);
    Statement remove(std::size_t b, std::size_t e, const std::string& src);
    Statement create(std::size_t b, std::size_t e, const std::string& src);
    // One column definition [b, e) of CREATE TABLE or ALTER TABLE ADD.
    // `table`: the table the column belongs to, as its IDENTITY names it.
    std::string columnDef(std::size_t b, std::size_t e, const std::string& src,
                          const std::string& table, ColumnDef* def);
    Statement createTable(std::size_t i, std::size_t e, const std::string& src);
    Statement alter(std::size_t b, std::size_t e, const std::string& src);

    const Tokens& t_;
    std::string_view sql_;
    Plan& plan_;
    // The batch's variables declared so far, with their types: the plan's,
    // so that its expressions are typed by them too.
    std::map<std::string, TypeSpec>& variables_;
};

}  // namespace db::tsql
