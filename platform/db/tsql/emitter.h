#pragma once
// Rewriting of T-SQL expressions and clauses into SQLite text, token range
// by token range. Used by the statement translator.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/db/tsql/lexer.h"
#include "platform/db/tsql/plan.h"

namespace db::tsql {

using Tokens = std::vector<Token>;
struct FromItem;

// Index one past the token closing the group opened at `open` ("(").
std::size_t closeOf(const Tokens& t, std::size_t open, std::size_t end);
// Index one past the END closing the CASE at `start`.
std::size_t caseEndOf(const Tokens& t, std::size_t start, std::size_t end);
// Next index after the item starting at i: a group, a CASE ... END or one token.
std::size_t nextItem(const Tokens& t, std::size_t i, std::size_t end);

[[noreturn]] void unsupported(std::string_view what, std::string_view statement);
// SQL Server's syntax-class error `native` (102, 195 ...) with its message.
[[noreturn]] void refuse(long native, const std::string& message, std::string_view statement);

// Tokens the adapter writes into a statement it rebuilds.
Token word(const char* text);
Token symbol(const char* text);
void appendTokens(Tokens& out, const Tokens& t, std::size_t b, std::size_t e);

std::string quoteName(std::string_view name);

class Emitter {
public:
    Emitter(const Tokens& tokens, std::string statement, bool bindLiterals, Plan& plan)
        : t_(tokens), statement_(std::move(statement)), bind_(bindLiterals), plan_(plan) {}

    // SQLite text of the tokens [b, e).
    std::string region(std::size_t b, std::size_t e);
    // A table reference or name: "#X" quoted, "dbo." dropped.
    std::string tableName(std::size_t& i, std::size_t e);
    // Parses a type at i: CHAR(20), DECIMAL(18, 0), INT.
    TypeSpec typeAt(std::size_t& i, std::size_t e);
    // Type hints gathered from "CONVERT(...) AS alias" in the last region.
    std::vector<std::pair<std::string, TypeSpec>> takeHints() { return std::move(hints_); }

    std::string_view statement() const { return statement_; }
    // The query joins others by UNION and the like: its numeric columns are
    // written as values, so that SQLite reads every row by the types all
    // the queries give, not by the first query's column.
    void columnsAsValues() { columnsAsValues_ = true; }

    // The T-SQL type of the expression [b, e) as SQL Server gives it, from
    // the text and the columns of the tables in scope; an empty name when
    // neither tells, "NULL" for a bare NULL.
    TypeSpec typeOf(std::size_t b, std::size_t e);
    // The types of the select list of the query at the top level of [b, e)
    // (all the queries a UNION, EXCEPT or INTERSECT joins, by data type
    // precedence); empty when a star stands in it. `compound` tells whether
    // several queries were joined.
    std::vector<TypeSpec> resultTypes(std::size_t b, std::size_t e, bool* compound = nullptr);
    // The named items of the select list of a single query at the top level
    // of [b, e) whose type the text tells, a star among them or not; empty
    // when a set operator joins other queries, whose types would decide.
    std::vector<std::pair<std::string, TypeSpec>> namedTypes(std::size_t b, std::size_t e);
    // A table's columns: made earlier in the batch, or read from the
    // database (and the plan then holds only while they stay the same).
    const std::vector<ColumnDef>* tableColumns(const std::string& name);

private:
    struct ResultColumn {
        std::string name;  // alias, or the column's own name; empty for an unnamed expression
        TypeSpec type;
        bool column = false;  // a plain column of a table
    };
    // The columns of the query at the top level of [b, e), named by its
    // first SELECT and typed by every query joined to it; empty when a star
    // stands in a select list.
    std::vector<ResultColumn> resultColumns(std::size_t b, std::size_t e, bool* compound);
    // The columns of one select list, from the SELECT at `select`; empty
    // when a star stands in it, unless `besideStars`, which leaves it out.
    std::vector<ResultColumn> selectList(std::size_t select, std::size_t e,
                                         bool besideStars = false);
    // Where the body of the common table expression `name` of this
    // statement opens ("("), with its column list's "(" in `columns`
    // (kNoScope when it has none); kNoScope when no CTE has that name.
    std::size_t cteBody(const std::string& name, std::size_t& columns) const;
    // The type of `column` of a derived table or CTE whose query is [b, e);
    // `names`: its column list, when it has one.
    TypeSpec queryColumnType(std::size_t b, std::size_t e, const std::string& column,
                             std::size_t names);
    // The type of `column` of a (VALUES ...) table opened at `open` and
    // closed before `close`, its column names in the list opened at `names`
    // and ending before `end`.
    TypeSpec valuesColumnType(std::size_t open, std::size_t close, std::size_t names,
                              std::size_t end, const std::string& column);
    // An additive term: its binary "-" and the factors between them.
    std::string term(std::size_t b, std::size_t e);
    // Factors joined by "*", "/" and "%".
    std::string factors(std::size_t b, std::size_t e);
    // An arithmetic result of type INT checked against INT's range (8115):
    // SQLite would carry it on as a wider integer.
    static std::string intRanged(std::string sql, const TypeSpec& type);
    // Items as they are, one after the other.
    std::string plain(std::size_t b, std::size_t e);
    // Where the binary operators of `ops` (one character each) stand at the
    // top level of [b, e): after an operand, before another.
    std::vector<std::size_t> binaryAt(std::size_t b, std::size_t e, std::string_view ops) const;
    std::string item(std::size_t& i, std::size_t e);
    // OFFSET n ROWS [FETCH NEXT m ROWS ONLY] at i (after ORDER BY when
    // `ordered`): sets the SQLite LIMIT and OFFSET; the index after it.
    std::size_t offsetFetch(std::size_t i, std::size_t e, bool ordered, std::string& limit,
                            std::string& offset);
    std::string call(const std::string& name, std::size_t open, std::size_t close);
    // The arguments of the call whose "(" is at `open`, each as [begin, end).
    std::vector<std::pair<std::size_t, std::size_t>> arguments(std::size_t open,
                                                               std::size_t close) const;
    // [b, e) as text, converted as SQL Server converts its type implicitly.
    std::string asText(std::size_t b, std::size_t e);
    // CONCAT, CHOOSE, PATINDEX, FORMAT and STRING_AGG (whose closing
    // parenthesis withinGroup writes, with the order of WITHIN GROUP at i).
    std::string idiom(const std::string& fn, std::size_t open, std::size_t close);
    std::string withinGroup(std::size_t& i, std::size_t e);
    // DATEADD, DATEDIFF or DATEPART over a TIME, DATETIME2 or DATETIMEOFFSET
    // value; empty when no argument is one.
    std::string timeDateCall(const std::string& fn, std::size_t open, std::size_t close);
    std::string convert(std::size_t open, std::size_t close, bool isCast, bool orNull = false);
    // SUBSTRING or STUFF of a text column at fixed places as SQLite's own
    // substr and ||, which give the same text without a call per row;
    // empty when the arguments are not of that plain kind.
    std::string nativeText(const std::string& fn, std::size_t open, std::size_t close);
    // [b, e) is text that is never NULL and cannot fail: a string literal,
    // REPLICATE of one or SPACE, a fixed number of times.
    bool fixedText(std::size_t b, std::size_t e) const;
    std::string literal(const Token& tok);
    // The T-SQL type of [b, e) when the text alone tells it (a literal, a
    // CAST or CONVERT, GETDATE(), ROUND of such); an empty name otherwise.
    TypeSpec sourceType(std::size_t b, std::size_t e);
    // The type of `a op b` (op ' ': the common type of CASE and COALESCE).
    static TypeSpec combine(char op, const TypeSpec& a, const TypeSpec& b);
    TypeSpec callType(const std::string& fn, std::size_t open, std::size_t close);
    TypeSpec columnType(std::size_t b, std::size_t e);
    // The "(" of the group around the token at `at`; kNoScope at the top.
    std::size_t scopeOf(std::size_t at);
    // The tables of the query block around the token at `at`.
    std::vector<FromItem> tablesAt(std::size_t at);
    // False when every table the query around `at` (and the queries around
    // it) reads is known and none has a column `name`.
    bool mayBeColumn(std::size_t at, const std::string& name);
    bool isBoundary(const Token& tok) const;
    bool isHintGroup(std::size_t open, std::size_t close) const;
    // The word at i opens a clause of SQLite's own (USING (...), NATURAL
    // JOIN, NULLS FIRST, FILTER (WHERE ...), RETURNING) rather than naming something.
    bool sqliteClause(std::size_t i) const;
    // [b, e) names a column: name, or qualified names joined by dots.
    bool isColumn(std::size_t b, std::size_t e) const;
    // A column, a number, a variable or NULL: nothing whose collation the
    // adapter must give.
    bool isPlain(std::size_t b, std::size_t e) const;
    bool isStar(std::size_t b, std::size_t e) const;  // * or name.*
    // Where the trailing alias of a select item without AS starts ("COUNT(*) N"); e if none.
    std::size_t aliasAt(std::size_t b, std::size_t e) const;
    // An expression under the default collation unless it is plain.
    std::string collated(std::size_t b, std::size_t e);

    const Tokens& t_;
    // Owned: an emitter is often made for a statement's text built on the
    // spot, and its errors quote it after that text is gone.
    std::string statement_;
    bool bind_;
    Plan& plan_;
    std::vector<std::pair<std::string, TypeSpec>> hints_;
    static constexpr std::size_t kNoScope = static_cast<std::size_t>(-1);
    std::vector<std::size_t> parents_;  // by token: the "(" of its group
    bool columnsAsValues_ = false;
    int nesting_ = 0;  // derived tables and CTEs being typed, against a CTE naming itself
};

}  // namespace db::tsql
