#pragma once
// Tokens of a T-SQL batch, as the adapter reads it: comments dropped,
// literals decoded, bracketed and quoted names unwrapped.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/ascii_case.h"

namespace db::tsql {

enum class TokenKind {
    Word,      // keyword or plain name: SELECT, MG5E_OPZIONI, dbo
    Name,      // [bracketed] or "quoted" name
    TempName,  // #TMP_COMBI (also ##GLOBAL)
    Variable,  // @name
    String,    // 'text' or N'text'; text holds the decoded content
    Number,    // 12, 1.50, 1e3
    Binary,    // 0x1F2A; text holds the hexadecimal digits, upper case, an even number
    Symbol,    // operators and punctuation: ( ) , . ; = <> <= >= != + - * / % ...
};

struct Token {
    TokenKind kind;
    std::string text;                // decoded: names without brackets, strings without quotes
    bool unicode = false;            // N'...' literal
    int literal = 0;                 // strings: 1-based ordinal among the batch's literals
    std::size_t begin = 0, end = 0;  // where it stands in the batch
    bool generated = false;          // written by the adapter, not by the batch

    bool is(std::string_view word) const;  // a Word equal to `word`, ignoring case
    bool isOneOf(std::span<const char* const> words) const;  // is() for any of `words`
    bool isOneOf(std::initializer_list<const char*> words) const {
        return isOneOf(std::span(words.begin(), words.size()));
    }
    bool isSymbol(std::string_view s) const { return kind == TokenKind::Symbol && text == s; }
};

// Throws DbError (SQLSTATE 42000) on an unterminated literal, name or comment.
std::vector<Token> tokenize(std::string_view sql);

// Index one past the "*/" closing the comment opened by "/*" at `open`;
// comments nest as in T-SQL. npos when it is not closed.
std::size_t commentEnd(std::string_view sql, std::size_t open);

using db::equalsIgnoreCase;
using db::upper;

}  // namespace db::tsql
