#include "variants/sql_text.h"

#include <stdexcept>

#include "platform/db/value.h"

namespace variants {

std::string rtrim(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : rtrim(text.substr(first));
}

std::string testo(const db::Value& value) {
    return rtrim(value.toText());
}

std::string numero(const db::Value& value) {
    if (value.isEmptyOrNull() || (value.isText() && value.asText().empty()))
        return "0";
    auto d = value.toDecimal();
    if (!d)
        throw std::invalid_argument("Tipo non corrispondente: '" + value.toText() + "'");
    return d->toString();
}

std::string raddoppiaApici(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

std::string letterale(const std::string& text) {
    if (rtrim(text).empty())
        return "null";
    return "'" + raddoppiaApici(text) + "'";
}

int indiceDaCodice(const std::string& code) {
    std::string c = trim(code);
    if (c.size() != 2 || (c[0] != 'A' && c[0] != 'B') || c[1] < '0' || c[1] > '9')
        return -1;
    return (c[0] == 'B' ? 10 : 0) + (c[1] - '0');
}

std::string codiceDaIndice(int index) {
    if (index < 0 || index > 19)
        return "";
    return std::string(1, index < 10 ? 'A' : 'B') + static_cast<char>('0' + index % 10);
}

}  // namespace variants
