#include "platform/db/tsql/lexer.h"

#include <cctype>

#include "platform/db/errors.h"

namespace db::tsql {
namespace {

[[noreturn]] void fail(std::string_view what, std::string_view sql) {
    throw DbError({{sqlstate::kSyntax, 0, std::string(what), "T-SQL adapter"}}, std::string(sql));
}

bool isWordStart(unsigned char c) {
    return std::isalpha(c) || c == '_' || c >= 0x80;
}
bool isWordChar(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c == '#' || c == '@' || c >= 0x80;
}

}  // namespace

bool Token::is(std::string_view word) const {
    return kind == TokenKind::Word && equalsIgnoreCase(text, word);
}

bool Token::isOneOf(std::span<const char* const> words) const {
    if (kind != TokenKind::Word)
        return false;
    for (const char* w : words)
        if (equalsIgnoreCase(text, w))
            return true;
    return false;
}

std::size_t commentEnd(std::string_view sql, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i + 1 < sql.size(); ++i) {
        if (sql[i] == '/' && sql[i + 1] == '*') {
            ++depth;
            ++i;
        } else if (sql[i] == '*' && sql[i + 1] == '/') {
            ++i;
            if (--depth == 0)
                return i + 1;
        }
    }
    return std::string_view::npos;
}

std::vector<Token> tokenize(std::string_view sql) {
    std::vector<Token> out;
    out.reserve(sql.size() / 5);
    std::size_t i = 0;
    int literals = 0;
    const std::size_t n = sql.size();
    auto quoted = [&](char close, TokenKind kind, bool unicode) {
        std::string text;
        ++i;
        for (;;) {
            if (i >= n)
                fail(kind == TokenKind::String
                         ? "Unclosed quotation mark after the character string."
                         : "Unclosed quoted name.",
                     sql);
            if (sql[i] == close) {
                if (i + 1 < n && sql[i + 1] == close) {
                    text += close;
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            text += sql[i++];
        }
        out.push_back({kind, std::move(text), unicode, kind == TokenKind::String ? ++literals : 0});
    };
    while (i < n) {
        const std::size_t start = i;
        const std::size_t count = out.size();
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        if (std::isspace(c)) {
            ++i;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n')
                ++i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const auto end = commentEnd(sql, i);
            if (end == std::string_view::npos)
                fail("Missing end comment mark '*/'.", sql);
            i = end;
        } else if (c == '\'') {
            quoted('\'', TokenKind::String, false);
        } else if ((c == 'N' || c == 'n') && i + 1 < n && sql[i + 1] == '\'') {
            ++i;
            quoted('\'', TokenKind::String, true);
        } else if (c == '[') {
            quoted(']', TokenKind::Name, false);
        } else if (c == '"') {
            quoted('"', TokenKind::Name, false);
        } else if (c == '#' || c == '@') {
            std::size_t j = i + 1;
            while (j < n && isWordChar(static_cast<unsigned char>(sql[j])))
                ++j;
            out.push_back({c == '#' ? TokenKind::TempName : TokenKind::Variable,
                           std::string(sql.substr(i, j - i))});
            i = j;
        } else if (isWordStart(c)) {
            std::size_t j = i + 1;
            while (j < n && isWordChar(static_cast<unsigned char>(sql[j])))
                ++j;
            out.push_back({TokenKind::Word, std::string(sql.substr(i, j - i))});
            i = j;
        } else if (c == '0' && i + 1 < n && (sql[i + 1] == 'x' || sql[i + 1] == 'X')) {
            // A binary constant: an odd number of digits takes a leading zero.
            std::size_t j = i + 2;
            while (j < n && std::isxdigit(static_cast<unsigned char>(sql[j])))
                ++j;
            std::string digits = upper(sql.substr(i + 2, j - i - 2));
            if (digits.size() % 2)
                digits.insert(0, 1, '0');
            out.push_back({TokenKind::Binary, std::move(digits)});
            i = j;
        } else if (std::isdigit(c) || (c == '.' && i + 1 < n &&
                                       std::isdigit(static_cast<unsigned char>(sql[i + 1])))) {
            std::size_t j = i;
            while (j < n && std::isdigit(static_cast<unsigned char>(sql[j])))
                ++j;
            if (j < n && sql[j] == '.') {
                ++j;
                while (j < n && std::isdigit(static_cast<unsigned char>(sql[j])))
                    ++j;
            }
            if (j < n && (sql[j] == 'e' || sql[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < n && (sql[k] == '+' || sql[k] == '-'))
                    ++k;
                if (k < n && std::isdigit(static_cast<unsigned char>(sql[k]))) {
                    j = k;
                    while (j < n && std::isdigit(static_cast<unsigned char>(sql[j])))
                        ++j;
                }
            }
            out.push_back({TokenKind::Number, std::string(sql.substr(i, j - i))});
            i = j;
        } else {
            static constexpr std::string_view two[] = {
                "<>", "<=", ">=", "!=", "!<", "!>", "||", "=="};
            std::string sym(1, static_cast<char>(c));
            if (i + 1 < n) {
                const std::string_view pair = sql.substr(i, 2);
                for (auto t : two)
                    if (pair == t)
                        sym = std::string(t);
            }
            i += sym.size();
            out.push_back({TokenKind::Symbol, std::move(sym)});
        }
        if (out.size() > count) {
            out.back().begin = start;
            out.back().end = i;
        }
    }
    return out;
}

}  // namespace db::tsql
