#include "platform/db/recordset_filter.h"

#include <cctype>
#include <stdexcept>

#include "platform/db/ascii_case.h"

namespace db {
namespace {

class Parser {
public:
    Parser(std::string_view text, const std::vector<Column>& columns)
        : s_(text), columns_(columns) {}

    std::shared_ptr<const Recordset::FilterNode> parse() {
        auto node = orExpr();
        blanks();
        if (i_ < s_.size())
            fail("unexpected text at '" + std::string(s_.substr(i_)) + "'");
        return node;
    }

private:
    using Node = Recordset::FilterNode;
    using Ptr = std::shared_ptr<const Node>;

    [[noreturn]] void fail(const std::string& why) const {
        throw std::invalid_argument("Filtro non valido \"" + std::string(s_) + "\": " + why);
    }

    void blanks() {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_])))
            ++i_;
    }

    bool keyword(std::string_view word) {
        blanks();
        if (s_.size() - i_ < word.size() || !equalsIgnoreCase(s_.substr(i_, word.size()), word))
            return false;
        const std::size_t end = i_ + word.size();
        if (end < s_.size() &&
            (std::isalnum(static_cast<unsigned char>(s_[end])) || s_[end] == '_'))
            return false;
        i_ = end;
        return true;
    }

    Ptr combine(Node::Kind kind, Ptr a, Ptr b) {
        auto n = std::make_shared<Node>();
        n->kind = kind;
        n->children = {std::move(a), std::move(b)};
        return n;
    }

    Ptr orExpr() {
        Ptr left = andExpr();
        while (keyword("OR"))
            left = combine(Node::Kind::Or, left, andExpr());
        return left;
    }

    Ptr andExpr() {
        Ptr left = factor();
        while (keyword("AND"))
            left = combine(Node::Kind::And, left, factor());
        return left;
    }

    Ptr factor() {
        if (keyword("NOT")) {
            auto n = std::make_shared<Node>();
            n->kind = Node::Kind::Not;
            n->children = {factor()};
            return n;
        }
        blanks();
        if (i_ < s_.size() && s_[i_] == '(') {
            ++i_;
            Ptr inner = orExpr();
            blanks();
            if (i_ >= s_.size() || s_[i_] != ')')
                fail("missing ')'");
            ++i_;
            return inner;
        }
        return comparison();
    }

    int field() {
        blanks();
        std::string name;
        if (i_ < s_.size() && s_[i_] == '[') {
            const auto close = s_.find(']', i_);
            if (close == std::string_view::npos)
                fail("missing ']'");
            name = std::string(s_.substr(i_ + 1, close - i_ - 1));
            i_ = close + 1;
        } else {
            while (i_ < s_.size() &&
                   (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_' ||
                    s_[i_] == '#' || static_cast<unsigned char>(s_[i_]) >= 0x80))
                name += s_[i_++];
        }
        if (name.empty())
            fail("a field name is missing");
        for (std::size_t k = 0; k < columns_.size(); ++k)
            if (equalsIgnoreCase(columns_[k].name, name))
                return static_cast<int>(k);
        fail("unknown field '" + name + "'");
    }

    Value literal() {
        blanks();
        if (i_ >= s_.size())
            fail("a value is missing");
        const char c = s_[i_];
        if (c == '\'') {
            std::string text;
            ++i_;
            for (;;) {
                if (i_ >= s_.size())
                    fail("unclosed quote");
                if (s_[i_] == '\'') {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                        text += '\'';
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    break;
                }
                text += s_[i_++];
            }
            return text;
        }
        if (c == '#') {
            const auto close = s_.find('#', i_ + 1);
            if (close == std::string_view::npos)
                fail("unclosed date");
            std::string text(s_.substr(i_ + 1, close - i_ - 1));
            i_ = close + 1;
            if (text.size() == 10 && text[2] == '/' && text[5] == '/')  // mm/dd/yyyy
                text = text.substr(6, 4) + "-" + text.substr(0, 2) + "-" + text.substr(3, 2);
            auto d = DateTime::parseIso(text);
            if (!d)
                fail("invalid date #" + text + "#");
            return *d;
        }
        if (keyword("NULL"))
            return Value::null();
        std::size_t j = i_;
        while (j < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[j])) || s_[j] == '.' ||
                                 s_[j] == '-' || s_[j] == '+'))
            ++j;
        auto d = Decimal::parse(s_.substr(i_, j - i_));
        if (!d)
            fail("invalid value at '" + std::string(s_.substr(i_)) + "'");
        i_ = j;
        return *d;
    }

    Ptr comparison() {
        auto n = std::make_shared<Node>();
        n->field = field();
        if (keyword("IS")) {
            const bool negated = keyword("NOT");
            if (!keyword("NULL"))
                fail("IS without NULL");
            n->kind = Node::Kind::IsNull;
            if (!negated)
                return n;
            auto no = std::make_shared<Node>();
            no->kind = Node::Kind::Not;
            no->children = {n};
            return no;
        }
        blanks();
        if (keyword("LIKE")) {
            n->op = "LIKE";
        } else {
            for (const char* op : {"<>", "<=", ">=", "=", "<", ">"}) {
                const std::string_view o(op);
                if (s_.substr(i_, o.size()) == o) {
                    n->op = op;
                    i_ += o.size();
                    break;
                }
            }
        }
        if (n->op.empty())
            fail("a comparison operator is missing");
        n->literal = literal();
        if (n->literal.isNull()) {
            // "Field = NULL" asks for nulls, "Field <> NULL" for the others.
            if (n->op != "=" && n->op != "<>")
                fail("NULL compared with " + n->op);
            n->kind = Node::Kind::IsNull;
            if (n->op == "=")
                return n;
            auto no = std::make_shared<Node>();
            no->kind = Node::Kind::Not;
            no->children = {n};
            return no;
        }
        return n;
    }

    std::string_view s_;
    const std::vector<Column>& columns_;
    std::size_t i_ = 0;
};

}  // namespace

bool likeMatch(std::string_view text, std::string_view pattern) {
    std::size_t t = 0, p = 0, star = std::string_view::npos, mark = 0;
    auto same = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    };
    while (t < text.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '_' || pattern[p] == '?' ||
             (pattern[p] != '%' && pattern[p] != '*' && same(pattern[p], text[t])))) {
            ++t;
            ++p;
        } else if (p < pattern.size() && (pattern[p] == '%' || pattern[p] == '*')) {
            star = p++;
            mark = t;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && (pattern[p] == '%' || pattern[p] == '*'))
        ++p;
    return p == pattern.size();
}

bool Recordset::FilterNode::matches(const std::vector<Value>& row) const {
    switch (kind) {
        case Kind::And:
            return children[0]->matches(row) && children[1]->matches(row);
        case Kind::Or:
            return children[0]->matches(row) || children[1]->matches(row);
        case Kind::Not:
            return !children[0]->matches(row);
        case Kind::IsNull:
            return row[static_cast<std::size_t>(field)].isEmptyOrNull();
        case Kind::Compare:
            break;
    }
    const Value& v = row[static_cast<std::size_t>(field)];
    if (v.isEmptyOrNull())
        return false;
    if (op == "LIKE") {
        std::string text = v.toText();
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return likeMatch(text, literal.toText());
    }
    const int c = Value::compare(v, literal);
    if (op == "=")
        return c == 0;
    if (op == "<>")
        return c != 0;
    if (op == "<")
        return c < 0;
    if (op == ">")
        return c > 0;
    if (op == "<=")
        return c <= 0;
    return c >= 0;
}

std::shared_ptr<const Recordset::FilterNode> parseFilter(std::string_view expression,
                                                         const std::vector<Column>& columns) {
    return Parser(expression, columns).parse();
}

}  // namespace db
