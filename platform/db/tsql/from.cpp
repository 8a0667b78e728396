#include "platform/db/tsql/from.h"

#include "platform/db/errors.h"

namespace db::tsql {

bool isJoinWord(const Token& tok) {
    return tok.is("JOIN") || tok.is("INNER") || tok.is("LEFT") || tok.is("RIGHT") ||
           tok.is("FULL") || tok.is("CROSS") || tok.is("OUTER");
}

std::string rawName(const Token& tok) {
    return tok.kind == TokenKind::Word ? upper(tok.text) : tok.text;
}

std::vector<FromItem> fromItems(const Tokens& t, std::size_t b, std::size_t e) {
    std::vector<FromItem> items;
    std::size_t i = b;
    while (i < e) {
        FromItem it{};
        it.joinBegin = i;
        if (t[i].isSymbol(","))
            ++i;
        bool joined = false;
        while (i < e && isJoinWord(t[i])) {
            if (t[i].is("LEFT") || t[i].is("RIGHT") || t[i].is("FULL") || t[i].is("CROSS") ||
                t[i].is("OUTER"))
                it.inner = false;
            joined = true;
            ++i;
        }
        (void)joined;
        it.refBegin = i;
        std::size_t j = i;
        while (j < e && !t[j].is("ON") && !isJoinWord(t[j]) && !t[j].isSymbol(","))
            j = nextItem(t, j, e);
        it.refEnd = it.onBegin = j;
        if (j < e && t[j].is("ON")) {
            ++j;
            while (j < e && !isJoinWord(t[j]) && !t[j].isSymbol(","))
                j = nextItem(t, j, e);
        }
        it.end = j;
        // Name and alias of the reference.
        std::size_t k = it.refBegin;
        while (k + 1 < it.refEnd && t[k + 1].isSymbol("."))
            k += 2;
        if (k < it.refEnd)
            it.name = rawName(t[k]);
        for (++k; k < it.refEnd; ++k) {
            if (t[k].is("AS"))
                continue;
            if (t[k].is("WITH"))
                break;
            if (t[k].kind == TokenKind::Word || t[k].kind == TokenKind::Name) {
                it.alias = rawName(t[k]);
                break;
            }
        }
        items.push_back(it);
        i = j;
    }
    return items;
}

std::size_t boundItem(const std::vector<FromItem>& items, const std::string& target,
                      const std::string& src) {
    for (std::size_t k = 0; k < items.size(); ++k)
        if (!items[k].alias.empty() && equalsIgnoreCase(items[k].alias, target))
            return k;
    std::size_t found = items.size(), count = 0;
    for (std::size_t k = 0; k < items.size(); ++k)
        if (equalsIgnoreCase(items[k].name, target)) {
            if (items[k].alias.empty())
                return k;
            found = k;
            ++count;
        }
    if (count > 1)
        throw DbError({{sqlstate::kSyntax, 8154, "The table '" + target + "' is ambiguous.",
                        "T-SQL adapter"}},
                      src);
    return found;
}

std::size_t nameTokenOf(const Tokens& t, const FromItem& it) {
    std::size_t k = it.refBegin;
    while (k + 1 < it.refEnd && t[k + 1].isSymbol("."))
        k += 2;
    return k;
}

}  // namespace db::tsql
