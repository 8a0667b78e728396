// CREATE TABLE, CREATE INDEX and ALTER TABLE with SQL Server's types,
// IDENTITY and collation, as SQLite declares them.

#include "platform/db/sql_literal.h"
#include "platform/db/tsql/from.h"
#include "platform/db/tsql/translator.h"

namespace db::tsql {

Statement Translator::create(std::size_t b, std::size_t e, const std::string& src) {
    std::size_t i = b + 1;
    if (i < e && t_[i].is("TABLE"))
        return createTable(i + 1, e, src);
    Tokens out{word("CREATE")};
    for (; i < e; ++i) {
        if (t_[i].is("CLUSTERED") || t_[i].is("NONCLUSTERED"))
            continue;
        if (t_[i].is("INCLUDE") || (t_[i].is("WITH") && i > b + 2))
            break;
        out.push_back(t_[i]);
    }
    if (!(out.size() > 1 &&
          (out[1].is("INDEX") || (out[1].is("UNIQUE") && out.size() > 2 && out[2].is("INDEX")))))
        unsupported("CREATE " + (b + 1 < e ? upper(t_[b + 1].text) : std::string()), src);
    Emitter em(out, src, false, plan_);
    Statement st;
    st.kind = Statement::Kind::Query;
    st.sql = em.region(0, out.size());
    return st;
}

// One column definition [b, e) of CREATE TABLE or ALTER TABLE ADD.
// `table`: the table the column belongs to, as its IDENTITY names it.
std::string Translator::columnDef(std::size_t b, std::size_t e, const std::string& src,
                                  const std::string& table, ColumnDef* def) {
    Emitter em(t_, src, false, plan_);
    std::size_t i = b;
    const std::string name = t_[i].text;
    ++i;
    const TypeSpec type = em.typeAt(i, e);
    Tokens rest;
    bool collate = false;
    std::string identity;  // the DEFAULT that numbers the rows
    for (; i < e; ++i) {
        if (t_[i].is("IDENTITY")) {
            std::string seed = "1", step = "1";
            if (i + 1 < e && t_[i + 1].isSymbol("(")) {
                const std::size_t close = closeOf(t_, i + 1, e);
                std::string* part = &seed;
                seed.clear();
                step.clear();
                for (std::size_t k = i + 2; k + 1 < close; ++k) {
                    if (t_[k].isSymbol(","))
                        part = &step;
                    else if (t_[k].kind == TokenKind::Number || t_[k].isSymbol("-"))
                        *part += t_[k].text;
                    else
                        unsupported("this IDENTITY", src);
                }
                if (seed.empty() || step.empty())
                    unsupported("IDENTITY without seed and increment", src);
                i = close - 1;
            }
            identity = " DEFAULT (tsql_identity_next(" + db::sqlQuoted(table) + ", " +
                       db::sqlQuoted(name) + ", " + seed + ", " + step + "))";
            continue;
        }
        if (t_[i].is("CLUSTERED") || t_[i].is("NONCLUSTERED"))
            continue;
        if (t_[i].is("COLLATE"))
            collate = true;
        if (t_[i].is("NOT") && i + 1 < e && t_[i + 1].is("NULL") && def)
            def->notNull = true;
        rest.push_back(t_[i]);
    }
    if (def) {
        def->name = name;
        def->type = type;
    }
    Emitter restEm(rest, src, false, plan_);
    std::string out = quoteName(name) + " " + type.storage();
    // Dates are kept as text in one canonical form: TEXT affinity keeps a
    // literal such as '20241206' from turning into a number, and the
    // collation compares both sides as dates.
    if (type.isDate())
        out += collate ? " TEXT" : " TEXT COLLATE TSQL_DATE";
    if (type.isTime() && !collate)
        out += " COLLATE TSQL_TIME";
    const std::string tail = restEm.region(0, rest.size());
    if (!tail.empty())
        out += " " + tail;
    if (type.isText() && !collate)
        out += " COLLATE TSQL_CI";
    return out + identity;
}

Statement Translator::createTable(std::size_t i, std::size_t e, const std::string& src) {
    Statement st;
    st.kind = Statement::Kind::CreateTable;
    {
        Emitter names(t_, src, false, plan_);
        names.tableName(i, e);
    }
    const Token& target = t_[i - 1];
    st.table = rawName(target);
    st.temporary = target.kind == TokenKind::TempName;
    if (i >= e || !t_[i].isSymbol("("))
        unsupported("CREATE TABLE without columns", src);
    const std::size_t close = closeOf(t_, i, e);
    std::string defs;
    std::size_t start = i + 1;
    for (std::size_t j = start; j <= close - 1;
         j = j < close - 1 ? nextItem(t_, j, close - 1) : close) {
        if (j < close - 1 && !t_[j].isSymbol(","))
            continue;
        if (start < j) {
            if (!defs.empty())
                defs += ", ";
            const Token& head = t_[start];
            if (head.is("CONSTRAINT") || head.is("PRIMARY") || head.is("FOREIGN") ||
                head.is("UNIQUE") || head.is("CHECK")) {
                Tokens c;
                for (std::size_t k = start; k < j; ++k)
                    if (!t_[k].is("CLUSTERED") && !t_[k].is("NONCLUSTERED"))
                        c.push_back(t_[k]);
                Emitter em(c, src, false, plan_);
                defs += em.region(0, c.size());
            } else {
                ColumnDef def;
                defs += columnDef(start, j, src, st.table, &def);
                st.columns.push_back(def);
            }
        }
        start = j + 1;
        if (j >= close - 1)
            break;
    }
    st.sql = std::string("CREATE ") + (st.temporary ? "TEMP " : "") + "TABLE " +
             quoteName(st.table) + " (" + defs + ")";
    plan_.batchTables[upper(st.table)] = st.columns;
    if (close < e)
        unsupported("options after CREATE TABLE", src);
    return st;
}

Statement Translator::alter(std::size_t b, std::size_t e, const std::string& src) {
    std::size_t i = b + 1;
    if (i >= e || !t_[i].is("TABLE"))
        unsupported("this ALTER", src);
    ++i;
    Emitter em(t_, src, false, plan_);
    const std::string table = em.tableName(i, e);
    const Token& target = t_[i - 1];
    Statement st;
    st.table = rawName(target);
    st.temporary = target.kind == TokenKind::TempName;
    if (i < e && t_[i].is("ADD") && i + 1 < e &&
        (t_[i + 1].is("CONSTRAINT") || t_[i + 1].is("PRIMARY"))) {
        std::size_t j = i + 1;
        if (t_[j].is("CONSTRAINT"))
            j += 2;
        if (!(j + 1 < e && t_[j].is("PRIMARY") && t_[j + 1].is("KEY")))
            unsupported("ALTER TABLE ADD CONSTRAINT other than PRIMARY KEY", src);
        j += 2;
        if (j < e && (t_[j].is("CLUSTERED") || t_[j].is("NONCLUSTERED")))
            ++j;
        if (j >= e || !t_[j].isSymbol("("))
            unsupported("PRIMARY KEY without columns", src);
        const std::size_t close = closeOf(t_, j, e);
        for (std::size_t k = j + 1; k < close - 1; ++k)
            if (t_[k].kind == TokenKind::Word || t_[k].kind == TokenKind::Name)
                if (!t_[k].is("ASC") && !t_[k].is("DESC"))
                    st.keyColumns.push_back(t_[k].text);
        st.kind = Statement::Kind::AddPrimaryKey;
        return st;
    }
    if (i < e && t_[i].is("ADD")) {
        st.kind = Statement::Kind::Block;
        std::size_t start = ++i;
        for (std::size_t j = start;; j = nextItem(t_, j, e)) {
            if (j < e && !t_[j].isSymbol(","))
                continue;
            Statement add;
            add.kind = Statement::Kind::CreateTable;  // columns changed: refresh the table's rules
            add.table = st.table;
            add.temporary = st.temporary;
            add.source = src;
            std::size_t defB = start;
            if (defB < j && t_[defB].is("COLUMN"))
                ++defB;
            if (defB < j) {
                ColumnDef def;
                add.sql = "ALTER TABLE " + table + " ADD COLUMN " +
                          columnDef(defB, j, src, st.table, &def);
                add.columns.push_back(def);
                st.body.push_back(std::move(add));
            }
            if (j >= e)
                break;
            start = j + 1;
        }
        return st;
    }
    if (i + 1 < e && t_[i].is("ALTER") && t_[i + 1].is("COLUMN")) {
        i += 2;
        ColumnDef def;
        columnDef(i, e, src, st.table, &def);
        st.kind = Statement::Kind::AlterColumn;
        st.columns.push_back(def);
        return st;
    }
    if (i + 1 < e && t_[i].is("DROP") && t_[i + 1].is("COLUMN")) {
        st.kind = Statement::Kind::Query;
        st.sql =
            "ALTER TABLE " + table + " DROP COLUMN " + quoteName(t_[i + 2 < e ? i + 2 : i].text);
        return st;
    }
    unsupported("this ALTER TABLE", src);
}

}  // namespace db::tsql
