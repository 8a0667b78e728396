#include "platform/db/tsql/script.h"

#include <algorithm>
#include <array>

#include "platform/db/tsql/from.h"

namespace db::tsql {
namespace {

bool isClauseWord(const Token& tok) {
    return tok.is("FROM") || tok.is("WHERE") || tok.is("GROUP") || tok.is("HAVING") ||
           tok.is("ORDER") || tok.is("UNION") || tok.is("OPTION");
}

}  // namespace

// The value an assignment gives a variable, converted to its declared type.
void Assignments::assigned(Tokens& out, const std::string& name, std::size_t b,
                           std::size_t e) const {
    static constexpr std::array converted = {
        "CHAR",       "VARCHAR", "NCHAR",    "NVARCHAR",       "DECIMAL",       "NUMERIC",
        "MONEY",      "INT",     "BIGINT",   "SMALLINT",       "TINYINT",       "BIT",
        "FLOAT",      "REAL",    "DATETIME", "DATE",           "SMALLDATETIME", "DATETIME2",
        "SMALLMONEY", "SYSNAME", "TIME",     "DATETIMEOFFSET", "BINARY",        "VARBINARY"};
    const auto it = variables_.find(name);
    bool convert = false;
    for (const char* c : converted)
        convert = convert || (it != variables_.end() && it->second.name == c);
    if (!convert) {
        appendTokens(out, t_, b, e);  // not declared: reading it says so
        return;
    }
    const TypeSpec& type = it->second;
    out.push_back(word("CAST"));
    out.push_back(symbol("("));
    appendTokens(out, t_, b, e);
    out.push_back(word("AS"));
    out.push_back(Token{TokenKind::Word, type.name});
    if (type.length != 0 || type.isTime()) {
        out.push_back(symbol("("));
        out.push_back(type.length < 0
                          ? word("MAX")
                          : Token{TokenKind::Number,
                                  std::to_string(type.isTime() ? type.scale : type.length)});
        if (type.scale > 0 && !type.isTime()) {
            out.push_back(symbol(","));
            out.push_back(Token{TokenKind::Number, std::to_string(type.scale)});
        }
        out.push_back(symbol(")"));
    }
    out.push_back(symbol(")"));
}

// "SELECT value" for an assignment, as SQLite text.
std::string Assignments::assignedQuery(const std::string& name, std::size_t b, std::size_t e,
                                       const std::string& src) {
    // Text becomes binary only through an explicit conversion.
    if (const auto it = variables_.find(name); it != variables_.end() && it->second.isBinary()) {
        Emitter types(t_, src, false, plan_);
        if (const TypeSpec from = types.typeOf(b, e); from.isText())
            refuse(257,
                   "Implicit conversion from data type " + lower(from.name) + " to " +
                       lower(it->second.name) +
                       " is not allowed. Use the CONVERT function to run this query.",
                   src);
    }
    Tokens out{word("SELECT")};
    assigned(out, name, b, e);
    Emitter em(out, src, true, plan_);
    return em.region(0, out.size());
}

// DECLARE @a INT [= value], @b VARCHAR(10) ...: one statement a variable.
Statement Assignments::declare(std::size_t i, std::size_t e, const std::string& src) {
    Statement block;
    block.kind = Statement::Kind::Block;
    Emitter types(t_, src, false, plan_);
    while (i < e) {
        if (t_[i].kind != TokenKind::Variable || t_[i].text.rfind("@@", 0) == 0)
            unsupported("this DECLARE", src);
        Statement st;
        st.kind = Statement::Kind::Declare;
        st.name = upper(t_[i].text);
        st.source = src;
        ++i;
        if (i < e && t_[i].is("AS"))
            ++i;
        if (i < e && (t_[i].is("TABLE") || t_[i].is("CURSOR")))
            unsupported("DECLARE of a " + upper(t_[i].text) + " variable", src);
        ColumnDef def;
        def.name = st.name;
        def.type = types.typeAt(i, e);
        st.columns.push_back(def);
        variables_[st.name] = def.type;
        std::size_t end = i;
        while (end < e && !t_[end].isSymbol(","))
            end = nextItem(t_, end, e);
        if (i < end) {
            if (!t_[i].isSymbol("="))
                unsupported("this DECLARE", src);
            st.sql = assignedQuery(st.name, i + 1, end, src);
        }
        block.body.push_back(std::move(st));
        i = end < e ? end + 1 : e;
    }
    if (block.body.size() == 1)
        return std::move(block.body.front());
    return block;
}

// SET @v = value.
Statement Assignments::set(std::size_t i, std::size_t e, const std::string& src) {
    if (i + 1 >= e || !t_[i + 1].isSymbol("="))
        unsupported("this SET", src);
    Statement st;
    st.kind = Statement::Kind::SetVariable;
    st.variables.push_back(upper(t_[i].text));
    st.sql = assignedQuery(st.variables[0], i + 2, e, src);
    return st;
}

// SELECT @a = x, @b = y FROM ...: the variables take the last row's values.
bool Assignments::select(std::size_t b, std::size_t e, const std::string& src, Statement& st) {
    std::size_t i = b + 1;
    while (i < e && (t_[i].is("DISTINCT") || t_[i].is("ALL")))
        ++i;
    if (i < e && t_[i].is("TOP"))
        i = nextItem(t_, i + 1, e);
    if (!t_[b].is("SELECT") || i + 1 >= e || t_[i].kind != TokenKind::Variable ||
        !t_[i + 1].isSymbol("="))
        return false;
    Tokens out;
    appendTokens(out, t_, b, i);
    std::size_t from = e;
    for (std::size_t item = i; item < e;) {
        if (t_[item].kind != TokenKind::Variable || item + 1 >= e || !t_[item + 1].isSymbol("="))
            unsupported("a select list that mixes assignments and columns", src);
        std::size_t end = item + 2;
        while (end < e && !t_[end].isSymbol(",") && !isClauseWord(t_[end]))
            end = nextItem(t_, end, e);
        const std::string name = upper(t_[item].text);
        st.variables.push_back(name);
        if (item > i)
            out.push_back(symbol(","));
        assigned(out, name, item + 2, end);
        if (end < e && t_[end].isSymbol(",")) {
            item = end + 1;
            continue;
        }
        from = end;
        break;
    }
    appendTokens(out, t_, from, e);
    Emitter em(out, src, true, plan_);
    st.kind = Statement::Kind::SelectAssign;
    st.sql = em.region(0, out.size());
    return true;
}

// THROW number, message, state; THROW alone; RAISERROR (message, severity, state).
Statement raiseStatement(const Tokens& t, std::size_t b, std::size_t e, const std::string& src,
                         Plan& plan) {
    const Token& first = t[b];
    Statement st;
    st.kind = Statement::Kind::Throw;
    std::size_t i = b + 1, close = e;
    if (first.is("RAISERROR")) {
        // RAISERROR (message, severity, state): the message's number is 50000.
        if (i >= e || !t[i].isSymbol("("))
            unsupported("RAISERROR without its arguments", src);
        close = closeOf(t, i, e) - 1;
        ++i;
    }
    std::vector<std::pair<std::size_t, std::size_t>> args;
    for (std::size_t j = i, from = i; j <= close; j = j < close ? nextItem(t, j, close) : close + 1)
        if (j == close || t[j].isSymbol(",")) {
            if (from < j)
                args.emplace_back(from, j);
            from = j + 1;
        }
    Emitter em(t, src, true, plan);
    if (first.is("THROW") && args.size() == 3)
        st.sql = "SELECT " + em.region(args[0].first, args[0].second) + ", " +
                 em.region(args[1].first, args[1].second) + ", " +
                 em.region(args[2].first, args[2].second);
    else if (first.is("RAISERROR") && args.size() > 3)
        unsupported("RAISERROR with arguments for its message", src);
    else if (first.is("RAISERROR") && args.size() == 3)
        st.sql = "SELECT 50000, " + em.region(args[0].first, args[0].second) + ", " +
                 em.region(args[2].first, args[2].second);
    else if (!(first.is("THROW") && args.empty()))
        unsupported("this " + upper(first.text), src);
    return st;
}

// SET IDENTITY_INSERT table ON | OFF; [b, e) starts at SET.
Statement identityInsertStatement(const Tokens& t, std::size_t b, std::size_t e,
                                  const std::string& src, Plan& plan) {
    std::size_t i = b + 2;
    Emitter names(t, src, false, plan);
    names.tableName(i, e);
    if (i + 1 != e || !(t[i].is("ON") || t[i].is("OFF")))
        unsupported("SET IDENTITY_INSERT without ON or OFF", src);
    Statement st;
    st.kind = Statement::Kind::IdentityInsert;
    st.table = rawName(t[i - 1]);
    st.temporary = t[i - 1].kind == TokenKind::TempName;
    st.sql = upper(t[i].text);
    return st;
}

}  // namespace db::tsql

namespace db::tsql {

Statement transactionStatement(const Tokens& t, std::size_t b, std::size_t e,
                               const std::string& src) {
    Statement st;
    const Token& first = t[b];
    st.kind = first.is("BEGIN")    ? Statement::Kind::Begin
              : first.is("COMMIT") ? Statement::Kind::Commit
              : first.is("SAVE")   ? Statement::Kind::Save
                                   : Statement::Kind::Rollback;
    std::size_t i = b + 1;
    const bool word = i < e && (t[i].is("TRAN") || t[i].is("TRANSACTION") || t[i].is("WORK"));
    if (first.is("BEGIN") || first.is("SAVE")) {
        if (!word || t[i].is("WORK"))
            unsupported("this " + upper(first.text), src);
    }
    if (word)
        ++i;
    if (i < e && word && !t[i].is("WORK")) {
        // The name: a word, or a variable holding it (read as written).
        if (t[i].kind != TokenKind::Word && t[i].kind != TokenKind::Name)
            unsupported("a transaction named by " + t[i].text, src);
        st.name = upper(t[i].text);
        ++i;
    }
    if (i < e && first.is("BEGIN") && t[i].is("WITH"))
        i = e;  // WITH MARK: nothing to keep
    if (i != e)
        unsupported("this " + upper(first.text), src);
    if (st.kind == Statement::Kind::Save && st.name.empty())
        unsupported("SAVE TRANSACTION without a name", src);
    return st;
}

void markTableVariables(Tokens& t) {
    std::vector<std::string> names;
    for (std::size_t j = 0; j + 2 < t.size(); ++j) {
        if (!t[j].is("DECLARE") || t[j + 1].kind != TokenKind::Variable)
            continue;
        const std::size_t at = t[j + 2].is("AS") ? j + 3 : j + 2;
        if (at >= t.size() || !t[at].is("TABLE"))
            continue;
        const std::string name = upper(t[j + 1].text);
        if (std::find(names.begin(), names.end(), name) != names.end())
            refuse(134,
                   "The variable name '" + t[j + 1].text +
                       "' has already been declared. Variable names must be unique within a "
                       "query batch or stored procedure.",
                   "DECLARE " + t[j + 1].text + " TABLE");
        names.push_back(name);
    }
    for (std::size_t j = 0; j < t.size(); ++j) {
        Token& tok = t[j];
        if (tok.kind != TokenKind::Variable)
            continue;
        const std::string name = upper(tok.text);
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            tok.kind = TokenKind::TempName;
            tok.text = "#" + name;
            continue;
        }
        // Where only a table can stand, a scalar variable is a table
        // variable nobody declared.
        const bool tablePlace =
            j > 0 && (t[j - 1].is("FROM") || t[j - 1].is("JOIN") || t[j - 1].is("INTO") ||
                      t[j - 1].is("UPDATE") || t[j - 1].is("DELETE"));
        if (tablePlace)
            refuse(1087, "Must declare the table variable \"" + tok.text + "\".",
                   t[j - 1].text + " " + tok.text);
    }
}

}  // namespace db::tsql
