#pragma once
// The statements that give a batch's variables their values: DECLARE,
// SET @v = ... and SELECT @v = ..., each value converted to the variable's
// declared type as SQL Server converts it on assignment.

#include <map>
#include <string>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {

class Assignments {
public:
    // `variables`: those the batch declared so far, with their types; a
    // DECLARE adds to them.
    Assignments(const Tokens& t, Plan& plan, std::map<std::string, TypeSpec>& variables)
        : t_(t), plan_(plan), variables_(variables) {}

    // DECLARE @a INT [= value], @b VARCHAR(10) ... from i (after DECLARE).
    Statement declare(std::size_t i, std::size_t e, const std::string& src);
    // SET @v = value, from i (the variable).
    Statement set(std::size_t i, std::size_t e, const std::string& src);
    // SELECT @a = x, @b = y FROM ...: false when [b, e) assigns nothing.
    bool select(std::size_t b, std::size_t e, const std::string& src, Statement& st);

private:
    void assigned(Tokens& out, const std::string& name, std::size_t b, std::size_t e) const;
    // "SELECT value" for an assignment, as SQLite text.
    std::string assignedQuery(const std::string& name, std::size_t b, std::size_t e,
                              const std::string& src);

    const Tokens& t_;
    Plan& plan_;
    std::map<std::string, TypeSpec>& variables_;
};

// THROW number, message, state (or alone, in CATCH) and RAISERROR (message,
// severity, state) as a Throw statement; [b, e) starts at the keyword.
Statement raiseStatement(const Tokens& t, std::size_t b, std::size_t e, const std::string& src,
                         Plan& plan);

// SET IDENTITY_INSERT table ON | OFF; [b, e) starts at SET.
Statement identityInsertStatement(const Tokens& t, std::size_t b, std::size_t e,
                                  const std::string& src, Plan& plan);

// BEGIN TRAN [name], COMMIT [TRAN], ROLLBACK [TRAN [name]], SAVE TRAN name;
// [b, e) starts at the keyword.
Statement transactionStatement(const Tokens& t, std::size_t b, std::size_t e,
                               const std::string& src);

// A table variable is a work table of its batch: every @t that DECLARE @t
// TABLE declares becomes the work table's name, "#@T", wherever it stands.
void markTableVariables(Tokens& t);

}  // namespace db::tsql
