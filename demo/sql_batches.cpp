#include "demo/sql_batches.h"

#include <cctype>

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

// Drops "--" comments; apostrophes open and close literals (a doubled one
// stays inside), which may span lines.
std::string stripComments(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'')
            quoted = !quoted;
        if (!quoted && c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            if (i < text.size())
                out += '\n';
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

std::vector<std::string> splitBatches(std::string_view script) {
    const std::string text = stripComments(script);
    std::vector<std::string> batches;
    std::string current;
    bool quoted = false;  // a literal left open by the lines so far
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + pos, end - pos);
        if (!quoted && isGo(line)) {
            if (!trim(current).empty())
                batches.push_back(std::string(trim(current)));
            current.clear();
        } else {
            current.append(line);
            current += '\n';
            for (char c : line)
                quoted = c == '\'' ? !quoted : quoted;
        }
        pos = end + 1;
    }
    if (!trim(current).empty())
        batches.push_back(std::string(trim(current)));
    return batches;
}

}  // namespace demo
