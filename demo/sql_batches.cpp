#include "demo/sql_batches.h"

#include <cctype>
#include <vector>

namespace demo {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool isGo(std::string_view line) {
    line = trim(line);
    return line.size() == 2 && std::toupper(static_cast<unsigned char>(line[0])) == 'G' &&
           std::toupper(static_cast<unsigned char>(line[1])) == 'O';
}

// Drops "--" comments. Apostrophes open and close literals (a doubled one
// stays inside), which may span lines; [names] and "names" are passed over
// whole; /* */ comments nest as in T-SQL and are kept, with any "--" in them.
// `quoted`: where each line starts, whether inside a literal or comment.
std::string stripComments(std::string_view text, std::vector<bool>& quoted) {
    std::string out;
    out.reserve(text.size());
    char open = 0;  // the closing character of an open literal or name
    int depth = 0;  // of /* */ comments
    quoted.assign(1, false);
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\n')
            quoted.push_back(open != 0 || depth > 0);
        if (depth > 0) {
            if (c == '*' && i + 1 < n && text[i + 1] == '/') {
                --depth;
                out += "*/";
                ++i;
                continue;
            }
            if (c == '/' && i + 1 < n && text[i + 1] == '*') {
                ++depth;
                out += "/*";
                ++i;
                continue;
            }
        } else if (open) {
            if (c == open)
                open = 0;  // a doubled closing character reopens at once
        } else if (c == '\'' || c == '"') {
            open = c;
        } else if (c == '[') {
            open = ']';
        } else if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            depth = 1;
            out += "/*";
            ++i;
            continue;
        } else if (c == '-' && i + 1 < n && text[i + 1] == '-') {
            while (i < n && text[i] != '\n')
                ++i;
            if (i < n) {
                out += '\n';
                quoted.push_back(false);
            }
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

std::vector<std::string> splitBatches(std::string_view script) {
    std::vector<bool> quoted;  // by line: starts inside a literal or comment
    const std::string text = stripComments(script, quoted);
    std::vector<std::string> batches;
    std::string current;
    std::size_t pos = 0, line = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view row(text.data() + pos, end - pos);
        const bool inside = line < quoted.size() && quoted[line];
        if (!inside && isGo(row)) {
            if (!trim(current).empty())
                batches.push_back(std::string(trim(current)));
            current.clear();
        } else {
            current.append(row);
            current += '\n';
        }
        pos = end + 1;
        ++line;
    }
    if (!trim(current).empty())
        batches.push_back(std::string(trim(current)));
    return batches;
}

}  // namespace demo
