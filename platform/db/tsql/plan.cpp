// The plan's pieces that are not translation: declared types, the shape of
// a batch (its text with the literals taken out) and the cache of plans by
// shape.

#include "platform/db/tsql/plan.h"

#include <array>
#include <cstdlib>

#include "platform/db/tsql/lexer.h"

namespace db::tsql {

std::string TypeSpec::text() const {
    if (isTime())
        return name + "(" + std::to_string(scale) + ")";
    if (length == 0)
        return name;
    if (length < 0)
        return name + "(MAX)";
    if (name == "DECIMAL" || name == "NUMERIC")
        return name + "(" + std::to_string(length) + "," + std::to_string(scale) + ")";
    return name + "(" + std::to_string(length) + ")";
}

std::string TypeSpec::storage() const {
    if ((name == "DECIMAL" || name == "NUMERIC") && scale > 0 && length > 0)
        return name + " FLOAT(" + std::to_string(length) + "," + std::to_string(scale) + ")";
    // SQLite takes only numbers in a type's parentheses: MAX is -1.
    if (length < 0)
        return name + "(-1)";
    return text();
}

bool TypeSpec::isText() const {
    return name == "CHAR" || name == "VARCHAR" || name == "NCHAR" || name == "NVARCHAR" ||
           name == "TEXT" || name == "NTEXT" || name == "SYSNAME";
}

bool TypeSpec::isTime() const {
    return name == "TIME" || name == "DATETIME2" || name == "DATETIMEOFFSET";
}

bool TypeSpec::isBinary() const {
    return name == "BINARY" || name == "VARBINARY" || name == "IMAGE";
}

bool TypeSpec::isFixedText() const {
    return name == "CHAR" || name == "NCHAR";
}

bool TypeSpec::isDate() const {
    return name == "DATETIME" || name == "DATE" || name == "SMALLDATETIME";
}

bool TypeSpec::isDecimal() const {
    return name == "DECIMAL" || name == "NUMERIC";
}

bool TypeSpec::isInteger() const {
    return name == "INT" || name == "INTEGER" || name == "BIGINT" || name == "SMALLINT" ||
           name == "TINYINT" || name == "BIT";
}

bool TypeSpec::isMoney() const {
    return name == "MONEY" || name == "SMALLMONEY";
}

TypeSpec typeOfDeclared(std::string_view declared) {
    TypeSpec t;
    std::size_t i = 0;
    while (i < declared.size() && declared[i] != ' ' && declared[i] != '(')
        ++i;
    t.name = upper(declared.substr(0, i));
    if (t.name == "INTEGER")
        t.name = "INT";
    const auto open = declared.find('(');
    if (t.isTime()) {
        // The digits of the fraction, 7 unless declared.
        t.scale = open == std::string_view::npos
                      ? 7
                      : std::atoi(std::string(declared.substr(open + 1)).c_str());
        return t;
    }
    if (open == std::string_view::npos)
        return t;
    const std::string args(declared.substr(open + 1));
    t.length = upper(args).rfind("MAX", 0) == 0 ? -1 : std::atoi(args.c_str());
    if (const auto comma = args.find(','); comma != std::string::npos)
        t.scale = std::atoi(args.c_str() + comma + 1);
    return t;
}

std::string signatureOf(const std::vector<ColumnDef>* columns) {
    if (!columns)
        return "-";
    std::string s;
    for (const auto& c : *columns)
        s += c.name + ' ' + c.type.text() + ',';
    return s;
}

namespace {

// The characters that start a literal, a quoted name or a comment.
constexpr auto kSpecial = [] {
    std::array<bool, 256> t{};
    for (unsigned char c : {'\'', '[', '"', '-', '/'})
        t[c] = true;
    return t;
}();

}  // namespace

Shape shapeOf(std::string_view sql) {
    // Every statement the card sends passes here: plain text is copied in
    // runs, not character by character.
    Shape shape;
    shape.key.reserve(sql.size());
    const std::size_t n = sql.size();
    std::size_t run = 0;  // start of the plain text not yet copied
    auto flush = [&](std::size_t end) { shape.key.append(sql.data() + run, end - run); };
    for (std::size_t i = 0; i < n;) {
        const char c = sql[i];
        if (c == '\'') {
            flush(i);
            std::string text;
            std::size_t start = ++i;
            while (i < n) {
                if (sql[i] == '\'') {
                    text.append(sql.data() + start, i - start);
                    if (i + 1 < n && sql[i + 1] == '\'') {
                        text += '\'';
                        i += 2;
                        start = i;
                        continue;
                    }
                    start = ++i;
                    break;
                }
                ++i;
            }
            if (start < i)  // unterminated: the tokenizer reports it
                text.append(sql.data() + start, i - start);
            shape.key += "'?'";
            shape.literals.push_back(std::move(text));
            run = i;
        } else if (c == '[' || c == '"') {
            const char close = c == '[' ? ']' : '"';
            ++i;
            while (i < n && sql[i] != close)
                ++i;
            i = i < n ? i + 1 : n;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            flush(i);
            while (i < n && sql[i] != '\n')
                ++i;
            run = i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            flush(i);
            const auto end = commentEnd(sql, i);
            i = end == std::string_view::npos ? n : end;
            run = i;
        } else {
            ++i;
            while (i < n && !kSpecial[static_cast<unsigned char>(sql[i])])
                ++i;
        }
    }
    flush(n);
    return shape;
}

// A table read for its types has other columns now: translate again.
// Nothing to look at while the schema has not moved since the last check.
bool PlanCache::holds(Kept& kept, Schema* schema) {
    if (!schema)
        return true;
    const std::uint64_t now = schema->generation();
    if (now != 0 && kept.checkedAt == now)
        return true;
    for (const auto& [table, signature] : kept.plan->schemaUsed)
        if (schema->signature(table) != signature)
            return false;
    kept.checkedAt = now;
    return true;
}

PlanCache::Found PlanCache::find(std::string_view sql, Schema* schema) {
    if (auto seen = queries_.find(sql); seen != queries_.end()) {
        if (holds(seen->second.kept, schema))
            return {seen->second.kept.plan, seen->second.shape};
        queries_.erase(seen);
    }
    auto shape = std::make_shared<Shape>(shapeOf(sql));
    std::shared_ptr<const Plan> plan;
    if (auto it = plans_.find(shape->key); it != plans_.end()) {
        bool same = true;
        for (const auto& [ordinal, text] : it->second.plan->inlined)
            if (ordinal < 1 || static_cast<std::size_t>(ordinal) > shape->literals.size() ||
                shape->literals[static_cast<std::size_t>(ordinal) - 1] != text)
                same = false;
        if (same && holds(it->second, schema))
            plan = it->second.plan;
    }
    if (!plan) {
        plan = translate(sql, schema);
        if (plans_.size() > 2000)
            plans_.clear();
        // Checked again on its next use: translating may have settled a table.
        plans_[shape->key] = Kept{plan, 0};
    }
    // Lists read anew, and the transaction statements around every write,
    // come again with the very same text; a long script is not kept twice.
    if (sql.size() <= 16384) {
        if (queries_.size() > 500)
            queries_.clear();
        queries_.insert_or_assign(std::string(sql), Seen{shape, Kept{plan, 0}});
    }
    return {std::move(plan), std::move(shape)};
}

}  // namespace db::tsql
