#pragma once
// The tables of a FROM clause, as UPDATE and DELETE with FROM need them.

#include <string>
#include <vector>

#include "platform/db/tsql/emitter.h"

namespace db::tsql {

// One table of a FROM clause: [join words] name [AS] [alias] [WITH (hints)] [ON cond].
struct FromItem {
    std::size_t joinBegin, refBegin, refEnd, onBegin, end;  // onBegin == end: no ON
    std::string name, alias;
    bool inner = true;
};

bool isJoinWord(const Token& tok);
// A name as the adapter keys tables: words upper case, quoted names as written.
std::string rawName(const Token& tok);
// Splits a FROM clause [b, e) into its tables.
std::vector<FromItem> fromItems(const Tokens& t, std::size_t b, std::size_t e);
// The reference of the FROM clause an UPDATE or DELETE writes through,
// as SQL Server binds it: the one whose alias is the target's name, else
// the one reference of that table (aliased or not); items.size() when
// the target is not in the FROM clause. Two references of the table and
// none named by the target make the target ambiguous (error 8154).
std::size_t boundItem(const std::vector<FromItem>& items, const std::string& target,
                      const std::string& src);
// The token naming the table of a FROM item (the last part of db.schema.name).
std::size_t nameTokenOf(const Tokens& t, const FromItem& it);

}  // namespace db::tsql
