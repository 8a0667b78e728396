#include "platform/db/tsql/modules.h"

#include "platform/db/tsql/from.h"

namespace db::tsql {
namespace {

bool isModuleWord(const Token& tok) {
    return tok.is("PROC") || tok.is("PROCEDURE") || tok.is("FUNCTION") || tok.is("VIEW") ||
           tok.is("TRIGGER");
}

std::string kindOf(const Token& tok) {
    return tok.is("PROC") ? std::string("PROCEDURE") : upper(tok.text);
}

// [schema.]name at i: the name, upper case; i moves past it.
std::string objectName(const Tokens& t, std::size_t& i, std::size_t e, std::string_view src) {
    if (i >= e || (t[i].kind != TokenKind::Word && t[i].kind != TokenKind::Name))
        unsupported("a definition without a name", src);
    std::string name = t[i].text;
    ++i;
    while (i + 1 < e && t[i].isSymbol(".") &&
           (t[i + 1].kind == TokenKind::Word || t[i + 1].kind == TokenKind::Name)) {
        name = t[i + 1].text;
        i += 2;
    }
    return upper(name);
}

class HeaderReader {
public:
    HeaderReader(const Tokens& t, std::string_view src) : t_(t), src_(src) {}

    Module read() {
        Module m;
        std::size_t i = 0;
        const std::size_t e = t_.size();
        if (t_.empty())
            unsupported("an empty definition", src_);
        if (t_[0].is("ALTER")) {
            m.verb = Module::Verb::Alter;
            i = 1;
        } else if (i + 2 < e && t_[0].is("CREATE") && t_[1].is("OR") && t_[2].is("ALTER")) {
            m.verb = Module::Verb::CreateOrAlter;
            i = 3;
        } else {
            i = 1;
        }
        if (i >= e || !isModuleWord(t_[i]))
            unsupported("this definition", src_);
        const std::string kind = kindOf(t_[i++]);
        m.name = objectName(t_, i, e, src_);
        if (kind == "PROCEDURE") {
            m.kind = Module::Kind::Procedure;
            if (i + 1 < e && t_[i].isSymbol(";"))
                i += 2;  // a numbered procedure's number
            const bool parens = i < e && t_[i].isSymbol("(");
            if (parens)
                ++i;
            parameters(m, i, e);
            if (parens) {
                if (i >= e || !t_[i].isSymbol(")"))
                    unsupported("this parameter list", src_);
                ++i;
            }
            bodyAfterAs(m, i, e);
        } else if (kind == "FUNCTION") {
            if (i >= e || !t_[i].isSymbol("("))
                unsupported("a function without its parameter list", src_);
            ++i;
            parameters(m, i, e);
            if (i >= e || !t_[i].isSymbol(")"))
                unsupported("this parameter list", src_);
            ++i;
            if (i >= e || !t_[i].is("RETURNS"))
                unsupported("a function without RETURNS", src_);
            ++i;
            returns(m, i, e);
            bodyAfterAs(m, i, e);
        } else if (kind == "VIEW") {
            m.kind = Module::Kind::View;
            if (i < e && t_[i].isSymbol("(")) {
                // CREATE VIEW v (a, b): the names of its columns.
                const std::size_t close = closeOf(t_, i, e);
                for (std::size_t k = i + 1; k + 1 < close; k += 2) {
                    ColumnDef c;
                    c.name = t_[k].text;
                    m.columns.push_back(c);
                }
                i = close;
            }
            bodyAfterAs(m, i, e);
        } else {
            m.kind = Module::Kind::Trigger;
            if (i >= e || !t_[i].is("ON"))
                unsupported("a trigger without ON", src_);
            ++i;
            if (i < e && (t_[i].kind == TokenKind::Word || t_[i].kind == TokenKind::Name)) {
                m.table = t_[i].text;
                ++i;
                while (i + 1 < e && t_[i].isSymbol(".")) {
                    m.table = t_[i + 1].text;
                    i += 2;
                }
            } else {
                unsupported("a trigger on this table", src_);
            }
            skipWith(i, e);
            if (i < e && (t_[i].is("AFTER") || t_[i].is("FOR"))) {
                ++i;
            } else if (i + 1 < e && t_[i].is("INSTEAD") && t_[i + 1].is("OF")) {
                m.insteadOf = true;
                i += 2;
            } else {
                unsupported("a trigger neither AFTER nor INSTEAD OF", src_);
            }
            while (i < e && !t_[i].is("AS") && !t_[i].is("NOT")) {
                if (t_[i].is("INSERT") || t_[i].is("UPDATE") || t_[i].is("DELETE"))
                    m.events.push_back(upper(t_[i].text));
                else if (!t_[i].isSymbol(","))
                    unsupported("this trigger event", src_);
                ++i;
            }
            if (i + 2 < e && t_[i].is("NOT"))
                i += 3;  // NOT FOR REPLICATION
            bodyAfterAs(m, i, e);
        }
        return m;
    }

private:
    void skipWith(std::size_t& i, std::size_t e) const {
        if (i < e && t_[i].is("WITH"))
            for (++i; i < e && !t_[i].is("AS") && !t_[i].is("AFTER") && !t_[i].is("FOR") &&
                      !t_[i].is("INSTEAD");)
                ++i;
    }

    void parameters(Module& m, std::size_t& i, std::size_t e) {
        while (i < e && t_[i].kind == TokenKind::Variable) {
            Parameter p;
            p.name = upper(t_[i].text);
            ++i;
            if (i < e && t_[i].is("AS"))
                ++i;
            Plan scratch;
            Emitter types(t_, std::string(src_), false, scratch);
            p.type = types.typeAt(i, e);
            if (i < e && t_[i].is("VARYING"))
                ++i;
            if (i < e && t_[i].isSymbol("=")) {
                const std::size_t from = ++i;
                while (i < e && !t_[i].isSymbol(",") && !t_[i].isSymbol(")") &&
                       !t_[i].is("OUTPUT") && !t_[i].is("OUT") && !t_[i].is("READONLY") &&
                       !t_[i].is("AS") && !t_[i].is("WITH"))
                    i = nextItem(t_, i, e);
                if (from == i)
                    unsupported("a parameter default", src_);
                p.hasDefault = true;
                p.defaultText =
                    std::string(src_.substr(t_[from].begin, t_[i - 1].end - t_[from].begin));
            }
            while (i < e && (t_[i].is("OUTPUT") || t_[i].is("OUT") || t_[i].is("READONLY"))) {
                p.output = p.output || !t_[i].is("READONLY");
                ++i;
            }
            m.parameters.push_back(std::move(p));
            if (i < e && t_[i].isSymbol(","))
                ++i;
        }
    }

    void returns(Module& m, std::size_t& i, std::size_t e) {
        if (i < e && t_[i].is("TABLE")) {
            m.kind = Module::Kind::InlineFunction;
            ++i;
            return;
        }
        if (i + 1 < e && (t_[i].kind == TokenKind::Variable || t_[i].kind == TokenKind::TempName) &&
            t_[i + 1].is("TABLE")) {
            m.kind = Module::Kind::TableFunction;
            m.tableVariable =
                upper(t_[i].kind == TokenKind::TempName ? t_[i].text.substr(1) : t_[i].text);
            i += 2;
            if (i >= e || !t_[i].isSymbol("("))
                unsupported("a table function without its columns", src_);
            const std::size_t close = closeOf(t_, i, e);
            m.tableColumns = std::string(src_.substr(t_[i].begin, t_[close - 1].end - t_[i].begin));
            columnNames(m, i + 1, close - 1);
            i = close;
            return;
        }
        m.kind = Module::Kind::ScalarFunction;
        Plan scratch;
        Emitter types(t_, std::string(src_), false, scratch);
        m.returns = types.typeAt(i, e);
    }

    // The declared columns' names and types, for the function's result.
    void columnNames(Module& m, std::size_t b, std::size_t e) {
        for (std::size_t j = b; j < e;) {
            const std::size_t start = j;
            while (j < e && !t_[j].isSymbol(","))
                j = nextItem(t_, j, e);
            const Token& head = t_[start];
            if (!(head.is("PRIMARY") || head.is("UNIQUE") || head.is("CHECK") ||
                  head.is("CONSTRAINT") || head.is("INDEX"))) {
                ColumnDef c;
                c.name = head.text;
                std::size_t k = start + 1;
                Plan scratch;
                Emitter types(t_, std::string(src_), false, scratch);
                c.type = types.typeAt(k, j);
                m.columns.push_back(std::move(c));
            }
            if (j < e)
                ++j;
        }
    }

    void bodyAfterAs(Module& m, std::size_t& i, std::size_t e) {
        skipWith(i, e);
        if (i < e && t_[i].is("AS"))
            ++i;
        else if (m.kind != Module::Kind::ScalarFunction && m.kind != Module::Kind::TableFunction &&
                 m.kind != Module::Kind::InlineFunction)
            unsupported("a definition without AS", src_);
        if (i >= e)
            unsupported("a definition without a body", src_);
        std::size_t b = i, last = e;
        if (m.kind == Module::Kind::InlineFunction) {
            // RETURN [(] SELECT ... [)]
            if (!t_[b].is("RETURN"))
                unsupported("an inline function without RETURN", src_);
            ++b;
            if (b < e && t_[b].isSymbol("(") && closeOf(t_, b, e) == e) {
                ++b;
                --last;
            }
        }
        // A body of statements keeps its last semicolon (a MERGE needs it);
        // a view's or inline function's query goes without.
        while ((m.kind == Module::Kind::View || m.kind == Module::Kind::InlineFunction) &&
               last > b && t_[last - 1].isSymbol(";"))
            --last;
        m.body = std::string(src_.substr(t_[b].begin, t_[last - 1].end - t_[b].begin));
    }

    const Tokens& t_;
    std::string_view src_;
};

}  // namespace

const char* kindWord(Module::Kind kind) {
    switch (kind) {
        case Module::Kind::Procedure:
            return "PROCEDURE";
        case Module::Kind::View:
            return "VIEW";
        case Module::Kind::Trigger:
            return "TRIGGER";
        default:
            return "FUNCTION";
    }
}

Module parseModule(std::string_view definition) {
    const Tokens t = tokenize(definition);
    return HeaderReader(t, definition).read();
}

bool definesModule(const Tokens& t, std::size_t b, std::size_t e, std::string& kind,
                   std::string& name) {
    std::size_t i = b;
    if (i < e && t[i].is("CREATE")) {
        ++i;
        if (i + 1 < e && t[i].is("OR") && t[i + 1].is("ALTER"))
            i += 2;
    } else if (i < e && t[i].is("ALTER")) {
        ++i;
    } else {
        return false;
    }
    if (i >= e || !isModuleWord(t[i]))
        return false;
    kind = kindOf(t[i]);
    ++i;
    name = objectName(t, i, e, "");
    return true;
}

Statement execStatement(const Tokens& t, std::size_t i, std::size_t e, const std::string& src,
                        Plan& plan, Statement::Kind kind) {
    Statement st;
    st.kind = kind;
    if (i + 1 < e && t[i].kind == TokenKind::Variable && t[i + 1].isSymbol("=")) {
        st.variables.push_back(upper(t[i].text));
        i += 2;
    }
    Emitter em(t, src, true, plan);
    if (i < e && t[i].isSymbol("(")) {
        // EXEC (text): dynamic SQL, a procedure without a name.
        const std::size_t close = closeOf(t, i, e);
        if (close != e)
            refuse(102, "Incorrect syntax near '" + t[close].text + "'.", src);
        st.sql = "SELECT " + em.region(i + 1, close - 1);
        st.arguments.emplace_back();
        return st;
    }
    std::string name = em.tableName(i, e);
    st.name = name.substr(1, name.size() - 2);
    std::string values;
    for (std::size_t j = i; j < e;) {
        std::size_t end = j;
        while (end < e && !t[end].isSymbol(","))
            end = nextItem(t, end, e);
        Argument a;
        std::size_t from = j, to = end;
        if (from + 1 < to && t[from].kind == TokenKind::Variable && t[from + 1].isSymbol("=")) {
            a.name = upper(t[from].text);
            from += 2;
        }
        if (to > from && (t[to - 1].is("OUTPUT") || t[to - 1].is("OUT"))) {
            --to;
            if (to != from + 1 || t[from].kind != TokenKind::Variable)
                unsupported("OUTPUT of something other than a variable", src);
            a.outputVariable = upper(t[from].text);
        }
        if (from >= to)
            unsupported("an empty procedure argument", src);
        if (to == from + 1 && t[from].is("DEFAULT")) {
            a.isDefault = true;
        } else {
            values += (values.empty() ? "" : ", ") + em.region(from, to);
        }
        st.arguments.push_back(std::move(a));
        j = end < e ? end + 1 : e;
    }
    if (!values.empty())
        st.sql = "SELECT " + values;
    return st;
}

namespace {

// "IF EXISTS" after DROP's object kind, passed over when it is there.
bool ifExistsAt(const Tokens& t, std::size_t& i, std::size_t e) {
    if (i + 1 < e && t[i].is("IF") && t[i + 1].is("EXISTS")) {
        i += 2;
        return true;
    }
    return false;
}

// DROP's comma-separated names, one statement each from one(); a single
// name is a statement of its own, not a block.
template <class One>
Statement dropList(const Tokens& t, std::size_t& i, std::size_t e, const std::string& src,
                   One one) {
    Statement block;
    block.kind = Statement::Kind::Block;
    while (i < e) {
        Statement st = one();
        st.source = src;
        block.body.push_back(std::move(st));
        if (i < e && t[i].isSymbol(","))
            ++i;
        else if (i < e)
            unsupported("this DROP", src);
    }
    if (block.body.size() == 1)
        return std::move(block.body.front());
    return block;
}

}  // namespace

Statement dropModules(const Tokens& t, std::size_t i, std::size_t e, const std::string& src) {
    const std::string kind = kindOf(t[i]);
    ++i;
    const bool ifExists = ifExistsAt(t, i, e);
    return dropList(t, i, e, src, [&] {
        Statement st;
        st.kind = Statement::Kind::DropModule;
        st.table = kind;
        st.ifExists = ifExists;
        st.name = objectName(t, i, e, src);
        return st;
    });
}

Statement dropStatement(const Tokens& t, std::size_t b, std::size_t e, const std::string& src,
                        Plan& plan) {
    std::size_t i = b + 1;
    if (i < e && (t[i].is("PROC") || t[i].is("PROCEDURE") || t[i].is("FUNCTION") ||
                  t[i].is("VIEW") || t[i].is("TRIGGER")))
        return dropModules(t, i, e, src);
    if (i >= e || !(t[i].is("TABLE") || t[i].is("INDEX")))
        unsupported("this DROP", src);
    const std::string what = upper(t[i].text);
    ++i;
    const bool ifExists = ifExistsAt(t, i, e);
    Emitter em(t, src, false, plan);
    return dropList(t, i, e, src, [&] {
        Statement st;
        st.kind = Statement::Kind::Query;
        st.sql = "DROP " + what + (ifExists ? " IF EXISTS " : " ") + em.tableName(i, e);
        if (i < e && t[i].is("ON"))
            i = e;  // DROP INDEX name ON table
        return st;
    });
}

}  // namespace db::tsql
