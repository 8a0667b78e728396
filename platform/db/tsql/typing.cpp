// Types of T-SQL expressions as SQL Server gives them: literals, columns of
// the tables in scope, conversions, operators under the precedence and
// precision rules of decimals, and the built-in functions. The emitter asks
// where the answer changes the text (a decimal division, ISNULL, a
// conversion's source) and for a query's result columns.

#include <algorithm>
#include <array>

#include "platform/db/tsql/emitter.h"
#include "platform/db/tsql/from.h"

namespace db::tsql {
namespace {

constexpr int kMaxPrecision = 38;

// Data type precedence: the higher converts the lower.
int rank(const TypeSpec& t) {
    static constexpr std::array kOrder = {"BINARY",
                                          "VARBINARY",
                                          "CHAR",
                                          "VARCHAR",
                                          "NCHAR",
                                          "NVARCHAR",
                                          "UNIQUEIDENTIFIER",
                                          "IMAGE",
                                          "TEXT",
                                          "NTEXT",
                                          "BIT",
                                          "TINYINT",
                                          "SMALLINT",
                                          "INT",
                                          "BIGINT",
                                          "SMALLMONEY",
                                          "MONEY",
                                          "DECIMAL",
                                          "REAL",
                                          "FLOAT",
                                          "TIME",
                                          "DATE",
                                          "SMALLDATETIME",
                                          "DATETIME",
                                          "DATETIME2",
                                          "DATETIMEOFFSET"};
    const std::string& n = t.name == "NUMERIC"   ? std::string("DECIMAL")
                           : t.name == "SYSNAME" ? std::string("NVARCHAR")
                                                 : t.name;
    for (std::size_t k = 0; k < kOrder.size(); ++k)
        if (n == kOrder[k])
            return static_cast<int>(k);
    return -1;
}

// Precision and scale a value of the type takes beside a decimal.
std::pair<int, int> decimalShape(const TypeSpec& t) {
    if (t.isDecimal())
        return {t.length > 0 ? t.length : 18, t.scale};
    if (t.name == "MONEY")
        return {19, 4};
    if (t.name == "SMALLMONEY")
        return {10, 4};
    if (t.digits > 0)
        return {t.digits, 0};
    if (t.name == "BIGINT")
        return {19, 0};
    if (t.name == "SMALLINT")
        return {5, 0};
    if (t.name == "TINYINT")
        return {3, 0};
    if (t.name == "BIT")
        return {1, 0};
    return {10, 0};
}

TypeSpec decimal(int p, int s) {
    return TypeSpec{"DECIMAL", std::max(p, 1), std::max(s, 0)};
}

// A decimal result of * or / beyond 38 digits keeps its integral part.
TypeSpec cappedProduct(int p, int s) {
    if (p <= kMaxPrecision)
        return decimal(p, s);
    const int integral = p - s;
    if (integral < 32)
        return decimal(kMaxPrecision, std::min(s, kMaxPrecision - integral));
    return decimal(kMaxPrecision, s < 6 ? s : 6);
}

TypeSpec decimalResult(char op, const TypeSpec& a, const TypeSpec& b) {
    const auto [p1, s1] = decimalShape(a);
    const auto [p2, s2] = decimalShape(b);
    switch (op) {
        case '*':
            return cappedProduct(p1 + p2 + 1, s1 + s2);
        case '/': {
            const int s = std::max(6, s1 + p2 + 1);
            return cappedProduct(p1 - s1 + s2 + s, s);
        }
        case '%': {
            const int s = std::max(s1, s2);
            return decimal(std::min(p1 - s1, p2 - s2) + s, s);
        }
        default: {  // + and -, and the common type of CASE, COALESCE, UNION
            const int integral = std::max(p1 - s1, p2 - s2);
            int s = std::max(s1, s2);
            const int p = s + integral + (op == '+' || op == '-' ? 1 : 0);
            if (p > kMaxPrecision)
                s = std::max(0, kMaxPrecision - integral);
            return decimal(std::min(p, kMaxPrecision), s);
        }
    }
}

bool isUnicode(const TypeSpec& t) {
    return t.name == "NCHAR" || t.name == "NVARCHAR" || t.name == "NTEXT";
}

int textLength(const TypeSpec& t) {
    return t.length == 0 ? 1 : t.length;
}

}  // namespace

TypeSpec Emitter::combine(char op, const TypeSpec& a, const TypeSpec& b) {
    // A bare NULL gives way in CASE and COALESCE; in arithmetic its type is not told here.
    if (a.name == "NULL" || b.name == "NULL")
        return op != ' ' ? TypeSpec{} : a.name == "NULL" ? b : a;
    if (a.name.empty() || b.name.empty())
        return {};
    if (a.isText() && b.isText()) {
        const bool n = isUnicode(a) || isUnicode(b);
        const bool max = a.length < 0 || b.length < 0;
        if (op == '+') {
            const int limit = n ? 4000 : 8000;
            const int len = textLength(a) + textLength(b);
            return {n ? "NVARCHAR" : "VARCHAR", max ? -1 : std::min(len, limit), 0};
        }
        // The common type of CASE, COALESCE, UNION: the longer text.
        const bool fixed = a.isFixedText() && b.isFixedText();
        return {n ? (fixed ? "NCHAR" : "NVARCHAR") : (fixed ? "CHAR" : "VARCHAR"),
                max ? -1 : std::max(textLength(a), textLength(b)), 0};
    }
    const TypeSpec& high = rank(a) >= rank(b) ? a : b;
    const TypeSpec& low = &high == &a ? b : a;
    if (high.isDate() || high.name == "FLOAT" || high.name == "REAL")
        return TypeSpec{high.name == "REAL" ? "REAL" : high.name, 0, 0};
    if (high.isTime())
        return TypeSpec{high.name, 0, std::max(a.isTime() ? a.scale : 0, b.isTime() ? b.scale : 0)};
    if (high.isDecimal())
        return decimalResult(op, a, b);
    if (high.isMoney())
        return TypeSpec{high.name, 0, 0};
    if (high.isInteger()) {
        if (low.isText() && op == '+')
            return TypeSpec{high.name == "BIT" ? "INT" : high.name, 0, 0};
        return TypeSpec{high.name == "BIT" && low.name == "BIT" && op != ' ' ? "INT" : high.name, 0,
                        0};
    }
    return {};
}

TypeSpec Emitter::typeOf(std::size_t b, std::size_t e) {
    if (b >= e)
        return {};
    // The loosest operators split first: a + b * c is a + (b * c).
    for (const char* operators : {"+-", "*/%"}) {
        const auto at = binaryAt(b, e, operators);
        if (at.empty())
            continue;
        TypeSpec t = typeOf(b, at[0]);
        for (std::size_t k = 0; k < at.size(); ++k)
            t = combine(t_[at[k]].text[0], t, typeOf(at[k] + 1, k + 1 < at.size() ? at[k + 1] : e));
        return t;
    }
    const Token& tok = t_[b];
    if ((tok.isSymbol("-") || tok.isSymbol("+") || tok.isSymbol("~")) && e > b + 1)
        return typeOf(b + 1, e);
    if (nextItem(t_, b, e) != e) {
        // A call, alone or followed by its window: SUM(x) OVER (...).
        if (tok.kind == TokenKind::Word && b + 1 < e && t_[b + 1].isSymbol("(")) {
            const std::size_t close = closeOf(t_, b + 1, e);
            if (close == e)
                return callType(upper(tok.text), b + 1, close);
            if (close + 1 < e && t_[close].is("OVER") && closeOf(t_, close + 1, e) == e)
                return callType(upper(tok.text), b + 1, close);
            if (close + 2 < e && t_[close].is("WITHIN") && t_[close + 1].is("GROUP") &&
                closeOf(t_, close + 2, e) == e)
                return callType(upper(tok.text), b + 1, close);
        }
        if (isColumn(b, e))
            return columnType(b, e);
        return {};
    }
    if (tok.isSymbol("(")) {
        if (b + 1 < e && t_[b + 1].is("SELECT")) {
            const auto types = resultTypes(b + 1, e - 1);
            return types.size() == 1 ? types[0] : TypeSpec{};
        }
        return typeOf(b + 1, e - 1);
    }
    if (tok.is("CASE")) {
        // The highest type of its results.
        TypeSpec t{"NULL"};
        const std::size_t end = e - 1;
        for (std::size_t i = b + 1; i < end; i = nextItem(t_, i, end)) {
            if (!t_[i].is("THEN") && !t_[i].is("ELSE"))
                continue;
            std::size_t r = i + 1;
            while (r < end && !t_[r].is("WHEN") && !t_[r].is("ELSE"))
                r = nextItem(t_, r, end);
            t = combine(' ', t, typeOf(i + 1, r));
            i = r - 1;
        }
        return t;
    }
    switch (tok.kind) {
        case TokenKind::Number: {
            const std::string& n = tok.text;
            if (n.find_first_of("eE") != std::string::npos)
                return {"FLOAT", 0, 0};
            const auto dot = n.find('.');
            const std::string whole = n.substr(0, dot);
            const auto first = whole.find_first_not_of('0');
            const int wholeDigits =
                first == std::string::npos ? 0 : static_cast<int>(whole.size() - first);
            if (dot == std::string::npos) {
                // Past INT's range a whole number is a decimal.
                if (wholeDigits > 10 || (wholeDigits == 10 && whole.substr(first) > "2147483647"))
                    return decimal(wholeDigits, 0);
                TypeSpec t{"INT", 0, 0};
                t.digits = std::max(wholeDigits, 1);
                return t;
            }
            const int scale = static_cast<int>(n.size() - dot - 1);
            return decimal(std::max(wholeDigits + scale, 1), scale);
        }
        case TokenKind::Binary:
            return {"VARBINARY", std::max(static_cast<int>(tok.text.size() / 2), 1), 0};
        case TokenKind::String: {
            const int len = static_cast<int>(tok.text.size());
            return {tok.unicode ? "NVARCHAR" : "VARCHAR", std::max(len, 1), 0};
        }
        case TokenKind::Variable: {
            const std::string v = upper(tok.text);
            if (v == "@@ROWCOUNT" || v == "@@ERROR" || v == "@@TRANCOUNT")
                return {"INT", 0, 0};
            if (const auto it = plan_.variables.find(v); it != plan_.variables.end())
                return it->second;
            return {};
        }
        case TokenKind::Word:
            if (tok.is("NULL"))
                return {"NULL", 0, 0};
            if (tok.is("CURRENT_TIMESTAMP"))
                return {"DATETIME", 0, 0};
            return columnType(b, e);
        case TokenKind::Name:
            return columnType(b, e);
        default:
            return {};
    }
    return {};
}

TypeSpec Emitter::callType(const std::string& fn, std::size_t open, std::size_t close) {
    const std::size_t ab = open + 1, ae = close - 1;
    std::vector<std::pair<std::size_t, std::size_t>> args;
    std::size_t start = ab;
    for (std::size_t j = ab; j < ae; j = nextItem(t_, j, ae))
        if (t_[j].isSymbol(",")) {
            args.emplace_back(start, j);
            start = j + 1;
        }
    if (start < ae)
        args.emplace_back(start, ae);
    auto arg = [&](std::size_t k) -> TypeSpec {
        if (k >= args.size())
            return {};
        auto [b, e] = args[k];
        if (b < e && (t_[b].is("DISTINCT") || t_[b].is("ALL")))
            ++b;
        return typeOf(b, e);
    };
    auto plainOf = [](TypeSpec t) {
        t.digits = 0;
        return t;
    };
    if (fn == "CAST" || fn == "CONVERT" || fn == "TRY_CAST" || fn == "TRY_CONVERT") {
        std::size_t ti = ab, te = ae;
        if (fn == "CAST" || fn == "TRY_CAST") {
            for (std::size_t j = ab; j < ae; j = nextItem(t_, j, ae))
                if (t_[j].is("AS"))
                    ti = j + 1;
        } else if (!args.empty()) {
            te = args[0].second;
        }
        if (ti >= te)
            return {};
        TypeSpec t = typeAt(ti, te);
        if (t.name == "INTEGER")
            t.name = "INT";
        if (t.isText() && t.length == 0)
            t.length = 30;  // CAST and CONVERT to text without a length take 30
        if (t.isDecimal() && t.length == 0)
            t.length = 18;
        return t;
    }
    if (fn == "ISNULL") {
        const TypeSpec first = arg(0);
        return plainOf(first.name.empty() || first.name == "NULL" ? arg(1) : first);
    }
    if (fn == "COALESCE") {
        TypeSpec t{"NULL"};
        for (std::size_t k = 0; k < args.size(); ++k)
            t = combine(' ', t, arg(k));
        return plainOf(t);
    }
    if (fn == "NULLIF" || fn == "ABS" || fn == "MIN" || fn == "MAX" || fn == "ROUND" ||
        fn == "SIGN")
        return plainOf(arg(0));
    if (fn == "CEILING" || fn == "FLOOR") {
        TypeSpec t = plainOf(arg(0));
        if (t.isDecimal())
            t.scale = 0;
        return t;
    }
    if (fn == "SUM" || fn == "AVG") {
        const TypeSpec t = arg(0);
        if (t.isInteger())
            return {t.name == "BIGINT" ? "BIGINT" : "INT", 0, 0};
        if (t.isDecimal())
            return decimal(kMaxPrecision, fn == "AVG" ? std::max(t.scale, 6) : t.scale);
        if (t.isMoney())
            return {"MONEY", 0, 0};
        if (t.name == "FLOAT" || t.name == "REAL")
            return {"FLOAT", 0, 0};
        return {};
    }
    if (fn == "COUNT" || fn == "LEN" || fn == "CHARINDEX" || fn == "DATEDIFF" || fn == "DATEPART" ||
        fn == "DAY" || fn == "MONTH" || fn == "YEAR" || fn == "ISNUMERIC" || fn == "PATINDEX" ||
        fn == "ASCII" || fn == "UNICODE" || fn == "ISDATE" || fn == "DATALENGTH" ||
        fn == "OBJECT_ID")
        return {"INT", 0, 0};
    if (fn == "COUNT_BIG" || fn == "ROW_NUMBER" || fn == "RANK" || fn == "DENSE_RANK" ||
        fn == "NTILE")
        return {"BIGINT", 0, 0};
    if (fn == "DATEADD" && arg(2).isTime())
        return plainOf(arg(2));
    if (fn == "GETDATE" || fn == "SYSDATETIME" || fn == "GETUTCDATE" || fn == "DATEADD")
        return {"DATETIME", 0, 0};
    if (fn == "SQRT" || fn == "EXP" || fn == "LOG" || fn == "LOG10" || fn == "PI" || fn == "RAND" ||
        fn == "SIN" || fn == "COS" || fn == "TAN" || fn == "SQUARE")
        return {"FLOAT", 0, 0};
    if (fn == "UPPER" || fn == "LOWER" || fn == "LTRIM" || fn == "RTRIM" || fn == "TRIM" ||
        fn == "SUBSTRING" || fn == "LEFT" || fn == "RIGHT" || fn == "REVERSE" || fn == "STUFF") {
        const TypeSpec t = arg(0);
        if (!t.isText())
            return {"VARCHAR", 8000, 0};
        return {isUnicode(t) ? "NVARCHAR" : "VARCHAR", t.length, 0};
    }
    if (fn == "REPLACE" || fn == "REPLICATE" || fn == "SPACE" || fn == "CONCAT")
        return {"VARCHAR", 8000, 0};
    if (fn == "STRING_AGG") {
        const TypeSpec t = arg(0);
        return {isUnicode(t) ? "NVARCHAR" : "VARCHAR",
                t.length < 0   ? -1
                : isUnicode(t) ? 4000
                               : 8000,
                0};
    }
    if (fn == "FORMAT")
        return {"NVARCHAR", 4000, 0};
    if (fn == "CHOOSE") {
        TypeSpec t{"NULL"};
        for (std::size_t k = 1; k < args.size(); ++k)
            t = combine(' ', t, arg(k));
        return plainOf(t);
    }
    if (fn == "NEWID")
        return {"UNIQUEIDENTIFIER", 0, 0};
    return {};
}

std::size_t Emitter::scopeOf(std::size_t at) {
    if (parents_.size() != t_.size()) {
        parents_.assign(t_.size(), kNoScope);
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < t_.size(); ++i) {
            if (t_[i].isSymbol(")") && !open.empty())
                open.pop_back();
            parents_[i] = open.empty() ? kNoScope : open.back();
            if (t_[i].isSymbol("("))
                open.push_back(i);
        }
    }
    return at < parents_.size() ? parents_[at] : kNoScope;
}

std::vector<FromItem> Emitter::tablesAt(std::size_t at) {
    // The query block the position stands in: the group around it (or the
    // whole statement), from its last SELECT or UPDATE before the position.
    const std::size_t group = scopeOf(at);
    const std::size_t b = group == kNoScope ? 0 : group + 1;
    const std::size_t e = group == kNoScope ? t_.size() : closeOf(t_, group, t_.size()) - 1;
    std::size_t head = e;
    for (std::size_t i = b; i < e; i = nextItem(t_, i, e)) {
        if (i > at && head != e)
            break;
        if (t_[i].is("SELECT") || t_[i].is("UPDATE") || t_[i].is("DELETE"))
            head = i;
    }
    std::vector<FromItem> items;
    if (head == e)
        return items;
    std::size_t from = e, until = e;
    for (std::size_t i = head + 1; i < e; i = nextItem(t_, i, e)) {
        const Token& tok = t_[i];
        if (from == e && (tok.is("FROM") || (t_[head].is("UPDATE") && tok.is("SET")))) {
            if (t_[head].is("UPDATE") && tok.is("SET"))
                for (auto& it : fromItems(t_, head + 1, i))
                    items.push_back(it);
            if (tok.is("FROM"))
                from = i + 1;
            continue;
        }
        if (tok.is("WHERE") || tok.is("GROUP") || tok.is("HAVING") || tok.is("ORDER") ||
            tok.is("UNION") || tok.is("EXCEPT") || tok.is("INTERSECT") || tok.is("OPTION") ||
            tok.isSymbol(";") ||
            (from != e &&
             (tok.is("SELECT") || tok.is("INSERT") || tok.is("UPDATE") || tok.is("DELETE")))) {
            if (from != e || tok.is("UNION") || tok.is("EXCEPT") || tok.is("INTERSECT")) {
                until = i;
                break;
            }
        }
    }
    if (from < until)
        for (auto& it : fromItems(t_, from, until))
            items.push_back(it);
    return items;
}

const std::vector<ColumnDef>* Emitter::tableColumns(const std::string& name) {
    if (name.empty() || name == "(")
        return nullptr;
    const std::string key = upper(name);
    if (const auto it = plan_.batchTables.find(key); it != plan_.batchTables.end())
        return &it->second;
    if (!plan_.schema)
        return nullptr;
    const std::vector<ColumnDef>* columns = plan_.schema->columnsOf(name);
    const std::string signature = signatureOf(columns);
    bool known = false;
    for (const auto& [table, sig] : plan_.schemaUsed)
        known = known || table == name;
    if (!known)
        plan_.schemaUsed.emplace_back(name, signature);
    return columns;
}

bool Emitter::mayBeColumn(std::size_t at, const std::string& name) {
    for (;;) {
        for (const FromItem& it : tablesAt(at)) {
            std::size_t names = kNoScope;
            if (t_[it.refBegin].isSymbol("(") || cteBody(it.name, names) != kNoScope)
                return true;  // a derived table's columns are not looked at
            const auto* columns = tableColumns(it.name);
            if (!columns)
                return true;
            for (const auto& c : *columns)
                if (equalsIgnoreCase(c.name, name))
                    return true;
        }
        const std::size_t group = scopeOf(at);
        if (group == kNoScope)
            return false;
        at = group;
    }
}

TypeSpec Emitter::columnType(std::size_t b, std::size_t e) {
    const std::string column = t_[e - 1].text;
    const std::string qualifier = e >= b + 3 ? t_[e - 3].text : std::string();
    for (std::size_t at = b;;) {
        for (const FromItem& it : tablesAt(at)) {
            if (!qualifier.empty() && !equalsIgnoreCase(it.alias, qualifier) &&
                !(it.alias.empty() && equalsIgnoreCase(it.name, qualifier)) &&
                !equalsIgnoreCase(it.name, qualifier))
                continue;
            // A derived table or a CTE: the type its query gives the column.
            if (t_[it.refBegin].isSymbol("(")) {
                const std::size_t close = closeOf(t_, it.refBegin, t_.size());
                std::size_t names = close;
                while (names < it.onBegin && !t_[names].isSymbol("("))
                    ++names;
                if (TypeSpec t = valuesColumnType(it.refBegin, close, names, it.onBegin, column);
                    !t.name.empty())
                    return t;
                if (TypeSpec t = queryColumnType(it.refBegin + 1, close - 1, column, kNoScope);
                    !t.name.empty())
                    return t;
                continue;
            }
            if (std::size_t names = kNoScope, body = cteBody(it.name, names); body != kNoScope) {
                const std::size_t close = closeOf(t_, body, t_.size());
                if (TypeSpec t = queryColumnType(body + 1, close - 1, column, names);
                    !t.name.empty())
                    return t;
                continue;
            }
            if (const auto* columns = tableColumns(it.name))
                for (const auto& c : *columns)
                    if (equalsIgnoreCase(c.name, column))
                        return c.type;
        }
        // A correlated reference: the query around this one.
        const std::size_t group = scopeOf(at);
        if (group == kNoScope)
            return {};
        at = group;
    }
}

std::vector<Emitter::ResultColumn> Emitter::selectList(std::size_t select, std::size_t e,
                                                       bool besideStars) {
    std::size_t listB = select + 1;
    while (listB < e && (t_[listB].is("DISTINCT") || t_[listB].is("ALL")))
        ++listB;
    if (listB < e && t_[listB].is("TOP")) {
        listB = nextItem(t_, listB + 1, e);
        while (listB < e &&
               (t_[listB].is("PERCENT") || t_[listB].is("WITH") || t_[listB].is("TIES")))
            ++listB;
    }
    std::vector<ResultColumn> columns;
    std::size_t start = listB;
    for (std::size_t i = listB;; i = nextItem(t_, i, e)) {
        const bool end = i >= e || t_[i].is("FROM") || t_[i].is("INTO") || t_[i].is("WHERE") ||
                         (t_[i].is("GROUP") && !t_[i - 1].is("WITHIN")) || t_[i].is("ORDER") ||
                         t_[i].is("UNION") || t_[i].is("EXCEPT") || t_[i].is("INTERSECT") ||
                         t_[i].is("OPTION") || t_[i].isSymbol(";");
        if (!end && !t_[i].isSymbol(","))
            continue;
        ResultColumn col;
        std::size_t ie = i;
        for (std::size_t j = start; j < ie; j = nextItem(t_, j, ie))
            if (t_[j].is("AS")) {
                if (j + 1 < i)
                    col.name = t_[j + 1].text;
                ie = j;
                break;
            }
        if (const std::size_t alias = aliasAt(start, ie); alias < ie) {
            col.name = t_[alias].text;
            ie = alias;
        }
        if (isStar(start, ie)) {
            if (!besideStars)
                return {};  // the columns a star stands for are not counted here
            if (end)
                break;
            start = i + 1;
            continue;
        }
        col.column = start < ie && isColumn(start, ie);
        if (col.column && col.name.empty())
            col.name = t_[ie - 1].text;
        col.type =
            start < ie ? (col.column ? columnType(start, ie) : typeOf(start, ie)) : TypeSpec{};
        columns.push_back(std::move(col));
        if (end)
            break;
        start = i + 1;
    }
    return columns;
}

std::vector<Emitter::ResultColumn> Emitter::resultColumns(std::size_t b, std::size_t e,
                                                          bool* compound) {
    std::vector<ResultColumn> columns;
    bool first = true;
    for (std::size_t i = b; i < e; i = nextItem(t_, i, e)) {
        if (!t_[i].is("SELECT"))
            continue;
        if (!first) {
            // Only the queries a set operator joins to the first one.
            const Token& prev = t_[i - 1];
            if (!(prev.is("UNION") || prev.is("EXCEPT") || prev.is("INTERSECT") ||
                  (prev.is("ALL") && i >= 2 && t_[i - 2].is("UNION"))))
                break;
        }
        std::vector<ResultColumn> more = selectList(i, e);
        if (more.empty())
            return {};
        if (first) {
            columns = std::move(more);
            first = false;
            continue;
        }
        if (compound)
            *compound = true;
        // Data type precedence over every query, the longer text, the
        // wider decimal: as UNION, EXCEPT and INTERSECT give them.
        for (std::size_t k = 0; k < columns.size() && k < more.size(); ++k) {
            TypeSpec a = columns[k].type, c = more[k].type;
            a.digits = c.digits = 0;
            columns[k].type = combine(' ', a, c);
        }
    }
    return columns;
}

std::vector<std::pair<std::string, TypeSpec>> Emitter::namedTypes(std::size_t b, std::size_t e) {
    std::size_t select = e;
    for (std::size_t i = b; i < e; i = nextItem(t_, i, e)) {
        if (t_[i].is("UNION") || t_[i].is("EXCEPT") || t_[i].is("INTERSECT"))
            return {};
        if (select == e && t_[i].is("SELECT"))
            select = i;
    }
    std::vector<std::pair<std::string, TypeSpec>> out;
    if (select == e)
        return out;
    for (ResultColumn& c : selectList(select, e, true)) {
        if (c.name.empty() || c.type.name.empty() || c.type.name == "NULL")
            continue;
        c.type.digits = 0;
        out.emplace_back(c.name, c.type);
    }
    return out;
}

std::vector<TypeSpec> Emitter::resultTypes(std::size_t b, std::size_t e, bool* compound) {
    bool joined = false;
    const std::vector<ResultColumn> columns = resultColumns(b, e, &joined);
    if (compound)
        *compound = joined;
    std::vector<TypeSpec> types;
    for (const ResultColumn& c : columns) {
        // A column of a table keeps the type its table declares (the result
        // set knows it), unless a set operator joins another query's.
        TypeSpec t = c.type;
        if (t.name == "NULL")
            t = {};
        t.digits = 0;
        types.push_back(t);
    }
    return types;
}

std::size_t Emitter::cteBody(const std::string& name, std::size_t& columns) const {
    const std::size_t e = t_.size();
    std::size_t with = e;
    for (std::size_t i = 0; i < e; i = nextItem(t_, i, e))
        if (t_[i].is("WITH") && !(i + 1 < e && t_[i + 1].isSymbol("("))) {
            with = i;
            break;
        }
    // WITH name [(columns)] AS (query) [, name ...]
    for (std::size_t i = with + 1; i + 2 < e;) {
        const bool match = equalsIgnoreCase(t_[i].text, name);
        std::size_t j = i + 1;
        columns = kNoScope;
        if (t_[j].isSymbol("(")) {
            columns = j;
            j = closeOf(t_, j, e);
        }
        if (!(j + 1 < e && t_[j].is("AS") && t_[j + 1].isSymbol("(")))
            return kNoScope;
        if (match)
            return j + 1;
        j = closeOf(t_, j + 1, e);
        if (!(j < e && t_[j].isSymbol(",")))
            return kNoScope;
        i = j + 1;
    }
    return kNoScope;
}

TypeSpec Emitter::valuesColumnType(std::size_t open, std::size_t close, std::size_t names,
                                   std::size_t end, const std::string& column) {
    // (VALUES (a, b), (c, d)) [AS] v (x, y): the column's place in the list
    // of names, its type the highest of its values.
    if (open + 1 >= close || !t_[open + 1].is("VALUES"))
        return {};
    std::size_t place = 0;
    bool found = false;
    if (names < end && t_[names].isSymbol("(")) {
        for (std::size_t k = names + 1; k < end && !t_[k].isSymbol(")") && !found; ++k) {
            if (t_[k].isSymbol(","))
                ++place;
            else
                found = equalsIgnoreCase(t_[k].text, column);
        }
    } else if (const std::string up = upper(column);
               up.size() > 6 && up.size() < 10 && up.rfind("COLUMN", 0) == 0 &&
               up.find_first_not_of("0123456789", 6) == std::string::npos) {
        // Without a list the columns are column1, column2 ... (the list
        // after the alias names them through a query over these).
        place = std::stoul(up.substr(6)) - 1;
        found = true;
    }
    if (!found)
        return {};
    TypeSpec type;
    bool first = true;
    for (std::size_t row = open + 2; row < close - 1; row = nextItem(t_, row, close - 1)) {
        if (!t_[row].isSymbol("("))
            continue;
        const auto items = arguments(row, closeOf(t_, row, close - 1));
        if (place >= items.size())
            return {};
        const TypeSpec t = typeOf(items[place].first, items[place].second);
        type = first ? t : combine(' ', type, t);
        first = false;
    }
    return type;
}

TypeSpec Emitter::queryColumnType(std::size_t b, std::size_t e, const std::string& column,
                                  std::size_t names) {
    if (nesting_ > 8)
        return {};  // a recursive CTE reads itself: its anchor has told already
    if (b < e && t_[b].is("VALUES") && names != kNoScope)
        return valuesColumnType(b - 1, e + 1, names, closeOf(t_, names, t_.size()), column);
    ++nesting_;
    const std::vector<ResultColumn> columns = resultColumns(b, e, nullptr);
    --nesting_;
    std::vector<std::string> listed;
    if (names != kNoScope)
        for (std::size_t k = names + 1; k < e && !t_[k].isSymbol(")"); ++k)
            if (!t_[k].isSymbol(","))
                listed.push_back(t_[k].text);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::string& name = k < listed.size() ? listed[k] : columns[k].name;
        if (equalsIgnoreCase(name, column))
            return columns[k].type;
    }
    return {};
}

}  // namespace db::tsql
