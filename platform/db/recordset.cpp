#include "platform/db/recordset.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "platform/db/ascii_case.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset_filter.h"
#include "platform/db/tsql/lexer.h"
#include "platform/db/value_literal.h"

namespace db {
namespace {

// The order of one sort key's values, as ranks: equal values (as compare
// sees them) share one, NULL comes first. Each distinct text is compared
// with the others once, not at every step of the rows' sort. Empty when the
// column holds anything but text and NULL: such values are compared pair by
// pair as they come.
std::vector<int> textRanks(const std::vector<const Value*>& cells) {
    std::unordered_map<std::string_view, int> seen;
    std::vector<const Value*> distinct;
    std::vector<int> ranks(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Value& v = *cells[i];
        if (v.isEmptyOrNull()) {
            ranks[i] = -1;
            continue;
        }
        if (!v.isText())
            return {};
        const auto [it, added] = seen.try_emplace(v.asText(), static_cast<int>(distinct.size()));
        if (added)
            distinct.push_back(&v);
        ranks[i] = it->second;
    }
    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return Value::compare(*distinct[static_cast<std::size_t>(a)],
                              *distinct[static_cast<std::size_t>(b)]) < 0;
    });
    std::vector<int> rankOf(distinct.size());
    int rank = 0;
    for (std::size_t j = 0; j < order.size(); ++j) {
        if (j == 0 || Value::compare(*distinct[static_cast<std::size_t>(order[j - 1])],
                                     *distinct[static_cast<std::size_t>(order[j])]) != 0)
            ++rank;
        rankOf[static_cast<std::size_t>(order[j])] = rank;
    }
    for (int& r : ranks)
        r = r < 0 ? 0 : rankOf[static_cast<std::size_t>(r)];
    return ranks;
}

// A value as a T-SQL literal for the statements a batch update writes.
std::string literal(const Value& v) {
    return valueLiteral(v, LiteralDialect::TSql);
}

std::string condition(const std::string& column, const Value& v) {
    return v.isEmptyOrNull() ? column + " IS NULL" : column + " = " + literal(v);
}

[[noreturn]] void updateError(const std::string& message, const std::string& statement) {
    throw DbError({{sqlstate::kGeneral, 0, message, "Recordset"}}, statement);
}

struct HiddenKey {
    std::string table;   // base table, "#X" for a temporary one
    std::string column;  // key column
};

bool isClauseWord(const tsql::Token& t) {
    for (const char* w : {"ON", "WHERE", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER", "JOIN",
                          "WITH", "ORDER", "GROUP", "HAVING", "UNION", "OPTION", "AS"})
        if (t.is(w))
            return true;
    return false;
}

// The statement with the key columns placed first in its select list, each
// qualified by the name or alias its table has in the FROM clause; keys of
// tables not named there (reached through a CTE or a subquery) are dropped
// from `keys`. "" when adding columns could change the rows (DISTINCT,
// GROUP BY, UNION, INTO, several statements) or the statement is not a
// plain SELECT.
std::string withLeadingColumns(const std::string& sql, std::vector<HiddenKey>& keys) {
    std::vector<tsql::Token> t;
    try {
        t = tsql::tokenize(sql);
    } catch (const DbError&) {
        return {};
    }
    std::size_t i = 0;
    while (i < t.size() && t[i].isSymbol(";"))
        ++i;
    auto skipGroup = [&](std::size_t open) {
        int depth = 0;
        for (std::size_t j = open; j < t.size(); ++j) {
            if (t[j].isSymbol("("))
                ++depth;
            else if (t[j].isSymbol(")") && --depth == 0)
                return j + 1;
        }
        return t.size();
    };
    if (i < t.size() && t[i].is("WITH")) {
        ++i;
        while (i < t.size()) {
            ++i;  // the name
            if (i < t.size() && t[i].isSymbol("("))
                i = skipGroup(i);
            if (i >= t.size() || !t[i].is("AS") || i + 1 >= t.size() || !t[i + 1].isSymbol("("))
                return {};
            i = skipGroup(i + 1);
            if (i < t.size() && t[i].isSymbol(","))
                ++i;
            else
                break;
        }
    }
    if (i >= t.size() || !t[i].is("SELECT"))
        return {};
    const std::size_t select = i;
    // Top-level tokens after SELECT; the names tables go by in FROM.
    std::vector<std::pair<std::string, std::string>> references;  // table, name to use
    bool inFrom = false;
    for (std::size_t j = select + 1; j < t.size();) {
        if (t[j].isSymbol("(")) {
            j = skipGroup(j);
            continue;
        }
        for (const char* w : {"SELECT", "UNION", "EXCEPT", "INTERSECT", "INTO", "GROUP", "INSERT",
                              "UPDATE", "DELETE", "DISTINCT"})
            if (t[j].is(w))
                return {};
        if (t[j].isSymbol(";"))
            return {};
        if (t[j].is("FROM"))
            inFrom = true;
        else if (t[j].is("WHERE") || t[j].is("ORDER"))
            inFrom = false;
        const bool name = t[j].kind == tsql::TokenKind::Word ||
                          t[j].kind == tsql::TokenKind::Name ||
                          t[j].kind == tsql::TokenKind::TempName;
        if (inFrom && name && !isClauseWord(t[j]) &&
            !(j + 1 < t.size() && t[j + 1].isSymbol("."))) {
            std::string alias =
                t[j].kind == tsql::TokenKind::TempName ? t[j].text : "[" + t[j].text + "]";
            std::size_t k = j + 1;
            if (k < t.size() && t[k].is("AS"))
                ++k;
            if (k < t.size() &&
                (t[k].kind == tsql::TokenKind::Word || t[k].kind == tsql::TokenKind::Name) &&
                !isClauseWord(t[k]))
                alias = "[" + t[k].text + "]";
            references.emplace_back(t[j].text, alias);
        }
        ++j;
    }
    i = select + 1;
    if (i < t.size() && t[i].is("ALL"))
        ++i;
    if (i < t.size() && t[i].is("TOP")) {
        ++i;
        i = i < t.size() && t[i].isSymbol("(") ? skipGroup(i) : i + 1;
        if (i < t.size() && t[i].is("PERCENT"))
            ++i;
        if (i + 1 < t.size() && t[i].is("WITH") && t[i + 1].is("TIES"))
            i += 2;
    }
    if (i >= t.size())
        return {};
    std::string list;
    std::vector<HiddenKey> placed;
    for (const auto& key : keys) {
        const auto ref = std::find_if(references.begin(), references.end(), [&](const auto& r) {
            return equalsIgnoreCase(r.first, key.table);
        });
        if (ref == references.end())
            continue;
        list += ref->second + ".[" + key.column + "], ";
        placed.push_back(key);
    }
    keys = std::move(placed);
    if (keys.empty())
        return {};
    return sql.substr(0, t[i].begin) + list + sql.substr(t[i].begin);
}

[[noreturn]] void noRow() {
    throw std::out_of_range("Either BOF or EOF is True, or the current record has been deleted.");
}

}  // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

// ---- opening

void Recordset::appendField(std::string name, FieldType type, int size, int precision, int scale) {
    if (open_)
        throw std::logic_error("Fields cannot be appended to an open recordset");
    Column c;
    c.name = std::move(name);
    c.type = type;
    c.size = size;
    c.precision = precision;
    c.scale = scale;
    columns_.push_back(std::move(c));
}

void Recordset::open() {
    rows_.clear();
    open_ = true;
    connection_ = nullptr;
    rebuildView();
    cursor_ = 0;
    notify(Change::Reset, -1);
}

void Recordset::load(ResultSet rs) {
    columns_ = std::move(rs.columns);
    rows_.clear();
    rows_.reserve(rs.rows.size());
    // A row keeps its values as read only once it is edited: until then
    // they are its values, and filling costs no more than reading.
    for (auto& r : rs.rows) {
        Row row;
        row.values = std::move(r);
        rows_.push_back(std::move(row));
    }
    open_ = true;
    filterTree_ = filter_.empty() ? nullptr : parseFilter(filter_, columns_);
    sortKeys_.clear();
    if (!sort_.empty()) {
        const std::string keep = sort_;
        setSort(keep);
    }
    rebuildView();
    cursor_ = 0;
    notify(Change::Reset, -1);
}

// The last result set that has columns, with the hidden ones moved last.
ResultSet Recordset::fetch(const std::string& sql) {
    BatchResult result = connection_->run(sql);
    ResultSet last;
    for (auto& rs : result.resultSets)
        if (!rs.columns.empty())
            last = std::move(rs);
    if (hidden_ > 0 && static_cast<int>(last.columns.size()) > hidden_) {
        std::rotate(last.columns.begin(), last.columns.begin() + hidden_, last.columns.end());
        for (auto& row : last.rows)
            std::rotate(row.begin(), row.begin() + hidden_, row.end());
    }
    return last;
}

void Recordset::open(std::string_view sql, Connection& connection) {
    connection_ = &connection;
    sql_ = std::string(sql);
    runSql_ = sql_;
    hidden_ = 0;
    ResultSet last = fetch(sql_);

    // Key columns of the base tables that the select list leaves out.
    std::map<std::string, std::vector<std::string>> present;
    for (const auto& col : last.columns)
        if (!col.baseTable.empty())
            present[col.baseTable].push_back(col.baseColumn);
    std::vector<HiddenKey> missing;
    for (const auto& [table, columns] : present) {
        std::vector<HiddenKey> keys;
        for (const auto& key : connection.primaryKey(table))
            if (std::none_of(columns.begin(), columns.end(),
                             [&](const std::string& c) { return equalsIgnoreCase(c, key); }))
                keys.push_back({table, key});
        // A table whose key is all there, or that has none, needs nothing.
        missing.insert(missing.end(), keys.begin(), keys.end());
    }
    const std::string augmented = missing.empty() ? "" : withLeadingColumns(sql_, missing);
    if (!augmented.empty()) {
        auto errors = connection.errors();
        try {
            hidden_ = static_cast<int>(missing.size());
            ResultSet more = fetch(augmented);
            const bool keyed =
                std::all_of(more.columns.end() - hidden_, more.columns.end(),
                            [](const Column& col) { return col.key && !col.baseTable.empty(); });
            if (more.columns.size() == last.columns.size() + missing.size() && keyed) {
                last = std::move(more);
                runSql_ = augmented;
            } else {
                hidden_ = 0;
            }
        } catch (const DbError&) {
            // An ambiguous name, say: the rows stay as read, without the keys.
            hidden_ = 0;
            connection.restoreErrors(std::move(errors));
        }
    }
    load(std::move(last));
}

void Recordset::requery() {
    if (!connection_)
        throw std::logic_error("A recordset without a connection cannot be requeried");
    load(fetch(runSql_));
}

void Recordset::close() {
    columns_.clear();
    uniqueTable_.clear();
    hidden_ = 0;
    rows_.clear();
    view_.clear();
    cursor_ = -1;
    open_ = false;
    filterTree_.reset();
    sortKeys_.clear();
    notify(Change::Reset, -1);
}

// ---- fields

int Recordset::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < static_cast<std::size_t>(fieldCount()); ++i)
        if (equalsIgnoreCase(columns_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

Recordset::Row& Recordset::currentRow() {
    if (eof() || bof())
        noRow();
    return rows_[view_[static_cast<std::size_t>(cursor_)]];
}

const Recordset::Row& Recordset::currentRow() const {
    if (eof() || bof())
        noRow();
    return rows_[view_[static_cast<std::size_t>(cursor_)]];
}

const Value& Recordset::value(int index) const {
    const Row& r = currentRow();
    if (index < 0 || index >= fieldCount())
        throw std::out_of_range("Field index " + std::to_string(index) + " out of range");
    return r.values[static_cast<std::size_t>(index)];
}

const Value& Recordset::value(std::string_view name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw std::out_of_range("Item cannot be found in the collection: field '" +
                                std::string(name) + "'");
    return value(i);
}

void Recordset::setValue(int index, Value v) {
    if (eof() || bof())
        noRow();
    setValueAt(cursor_, index, std::move(v));
}

void Recordset::setValue(std::string_view name, Value v) {
    const int i = fieldIndex(name);
    if (i < 0)
        throw std::out_of_range("Item cannot be found in the collection: field '" +
                                std::string(name) + "'");
    setValue(i, std::move(v));
}

// ---- navigation

bool Recordset::eof() const {
    return view_.empty() || cursor_ >= static_cast<long>(view_.size());
}

bool Recordset::bof() const {
    return view_.empty() || cursor_ < 0;
}

void Recordset::moveFirst() {
    cursor_ = 0;
    notify(Change::CurrentMoved, cursor_);
}

void Recordset::moveLast() {
    cursor_ = static_cast<long>(view_.size()) - 1;
    if (view_.empty())
        cursor_ = 0;
    notify(Change::CurrentMoved, cursor_);
}

void Recordset::moveNext() {
    if (cursor_ < static_cast<long>(view_.size()))
        ++cursor_;
    notify(Change::CurrentMoved, cursor_);
}

void Recordset::movePrevious() {
    if (cursor_ >= 0)
        --cursor_;
    notify(Change::CurrentMoved, cursor_);
}

long Recordset::absolutePosition() const {
    return eof() || bof() ? 0 : cursor_ + 1;
}

void Recordset::setAbsolutePosition(long position) {
    if (position < 1 || position > static_cast<long>(view_.size()))
        throw std::out_of_range("Position " + std::to_string(position) + " out of range");
    cursor_ = position - 1;
    notify(Change::CurrentMoved, cursor_);
}

Recordset::Bookmark Recordset::bookmark() const {
    if (eof() || bof())
        noRow();
    return view_[static_cast<std::size_t>(cursor_)];
}

void Recordset::setBookmark(Bookmark b) {
    const auto it = std::find(view_.begin(), view_.end(), b);
    if (it == view_.end())
        throw std::out_of_range("The bookmark is not valid: the row is not visible");
    cursor_ = it - view_.begin();
    notify(Change::CurrentMoved, cursor_);
}

const Value& Recordset::valueAt(long row, int field) const {
    return rows_.at(view_.at(static_cast<std::size_t>(row)))
        .values.at(static_cast<std::size_t>(field));
}

void Recordset::setValueAt(long row, int field, Value v) {
    Row& r = rows_.at(view_.at(static_cast<std::size_t>(row)));
    Value& cell = r.values.at(static_cast<std::size_t>(field));
    if (r.status == RecordStatus::Unchanged) {
        r.original = r.values;
        r.status = RecordStatus::Modified;
    }
    cell = std::move(v);
    notify(Change::ValueChanged, row);
}

Recordset::Bookmark Recordset::bookmarkAt(long row) const {
    return view_.at(static_cast<std::size_t>(row));
}

RecordStatus Recordset::statusAt(long row) const {
    return rows_.at(view_.at(static_cast<std::size_t>(row))).status;
}

// ---- editing

void Recordset::addNew() {
    if (!open_)
        throw std::logic_error("The recordset is closed");
    Row r;
    r.values.resize(columns_.size());
    r.original.resize(columns_.size());
    r.status = RecordStatus::New;
    rows_.push_back(std::move(r));
    view_.push_back(rows_.size() - 1);  // shown whatever the filter
    cursor_ = static_cast<long>(view_.size()) - 1;
    notify(Change::RowAdded, cursor_);
}

void Recordset::deleteCurrent() {
    Row& r = currentRow();
    if (r.status == RecordStatus::New) {
        r.removed = true;
    } else {
        if (r.status == RecordStatus::Unchanged)
            r.original = r.values;  // the key the DELETE looks for
        r.status = RecordStatus::Deleted;
    }
    const long row = cursor_;
    view_.erase(view_.begin() + cursor_);
    notify(Change::RowRemoved, row);
}

RecordStatus Recordset::status() const {
    return currentRow().status;
}

bool Recordset::hasChanges() const {
    for (const auto& r : rows_)
        if (!r.removed && r.status != RecordStatus::Unchanged)
            return true;
    return false;
}

// Writes one row to each of its base tables; answers whether anything was written.
bool Recordset::writeRow(std::size_t index) {
    Row& r = rows_[index];
    if (r.removed || r.status == RecordStatus::Unchanged)
        return false;
    std::map<std::string, std::vector<std::size_t>> tables;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (!columns_[i].baseTable.empty() && !columns_[i].baseColumn.empty() &&
            (uniqueTable_.empty() || equalsIgnoreCase(columns_[i].baseTable, uniqueTable_)))
            tables[columns_[i].baseTable].push_back(i);
    if (tables.empty())
        updateError("The recordset has no base table to update.", sql_);
    bool wrote = false;
    for (const auto& [table, cols] : tables) {
        std::vector<std::size_t> keys;
        for (auto i : cols)
            if (columns_[i].key)
                keys.push_back(i);
        auto where = [&] {
            std::string w;
            for (auto k : keys)
                w += (w.empty() ? " WHERE " : " AND ") +
                     condition(columns_[k].baseColumn, r.original[k]);
            return w;
        };
        std::string sql;
        if (r.status == RecordStatus::Modified) {
            std::string set;
            for (auto i : cols)
                if (!(r.values[i] == r.original[i]))
                    set += (set.empty() ? "" : ", ") + columns_[i].baseColumn + " = " +
                           literal(r.values[i]);
            if (set.empty())
                continue;
            if (keys.empty())
                updateError(
                    "Insufficient key column information for updating or refreshing: "
                    "table " +
                        table + " has no key in the recordset.",
                    sql_);
            sql = "UPDATE " + table + " SET " + set + where();
        } else if (r.status == RecordStatus::Deleted) {
            if (keys.empty())
                continue;
            sql = "DELETE FROM " + table + where();
        } else {
            std::string names, values;
            for (auto i : cols) {
                if (r.values[i].isEmpty())
                    continue;
                names += (names.empty() ? "" : ", ") + columns_[i].baseColumn;
                values += (values.empty() ? "" : ", ") + literal(r.values[i]);
            }
            if (names.empty())
                continue;
            sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + values + ")";
            connection_->execute(sql);
            // A key the database generated comes back into the row.
            for (auto k : keys) {
                if (!r.values[k].isEmpty())
                    continue;
                auto id = connection_->run("SELECT SCOPE_IDENTITY()");
                if (!id.resultSets.empty() && !id.resultSets[0].rows.empty())
                    r.values[k] = id.resultSets[0].rows[0][0];
            }
            wrote = true;
            continue;
        }
        if (connection_->execute(sql) == 0 && r.status == RecordStatus::Modified)
            updateError(
                "Row cannot be located for updating. Some values may have been changed "
                "since it was last read.",
                sql);
        wrote = true;
    }
    return wrote;
}

long long Recordset::updateBatch(Affect affect) {
    if (!connection_)
        throw std::logic_error("A recordset without a connection cannot be written back");
    std::vector<std::size_t> pending;
    if (affect == Affect::Current) {
        if (!eof() && !bof())
            pending.push_back(view_[static_cast<std::size_t>(cursor_)]);
    } else {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (!rows_[i].removed && rows_[i].status != RecordStatus::Unchanged)
                pending.push_back(i);
    }
    if (pending.empty())
        return 0;
    // Values as they were, so a failed batch leaves the rows pending as before.
    std::vector<std::vector<Value>> before;
    for (auto i : pending)
        before.push_back(rows_[i].values);
    long long written = 0;
    connection_->beginTransaction();
    try {
        for (auto i : pending)
            written += writeRow(i) ? 1 : 0;
        connection_->commitTransaction();
    } catch (...) {
        connection_->rollbackTransaction();
        for (std::size_t k = 0; k < pending.size(); ++k)
            rows_[pending[k]].values = before[k];
        throw;
    }
    for (auto i : pending) {
        Row& r = rows_[i];
        if (r.status == RecordStatus::Deleted)
            r.removed = true;
        r.status = RecordStatus::Unchanged;
        r.original.clear();
    }
    notify(Change::Reset, -1);
    return written;
}

void Recordset::cancelBatch() {
    for (auto& r : rows_) {
        if (r.removed)
            continue;
        if (r.status == RecordStatus::New)
            r.removed = true;
        else if (r.status != RecordStatus::Unchanged)
            r.values = std::move(r.original);
        r.original.clear();
        r.status = RecordStatus::Unchanged;
    }
    rebuildView();
    cursor_ = 0;
    notify(Change::Reset, -1);
}

// ---- filter and sort

void Recordset::setFilter(std::string_view expression) {
    std::string text(expression);
    auto tree =
        text.find_first_not_of(' ') == std::string::npos ? nullptr : parseFilter(text, columns_);
    filter_ = tree ? text : std::string();
    filterTree_ = std::move(tree);
    rebuildView();
    cursor_ = 0;
    notify(Change::Reset, -1);
}

void Recordset::setSort(std::string_view expression) {
    std::vector<std::pair<int, bool>> keys;
    std::string text(expression);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        std::string part = text.substr(start, end - start);
        start = end + 1;
        while (!part.empty() && part.front() == ' ')
            part.erase(part.begin());
        while (!part.empty() && part.back() == ' ')
            part.pop_back();
        if (part.empty())
            continue;
        bool descending = false;
        const auto blank = part.rfind(' ');
        if (blank != std::string::npos) {
            const std::string dir = part.substr(blank + 1);
            if (equalsIgnoreCase(dir, "DESC") || equalsIgnoreCase(dir, "ASC")) {
                descending = equalsIgnoreCase(dir, "DESC");
                part = part.substr(0, blank);
                while (!part.empty() && part.back() == ' ')
                    part.pop_back();
            }
        }
        if (part.size() > 2 && part.front() == '[' && part.back() == ']')
            part = part.substr(1, part.size() - 2);
        const int field = fieldIndex(part);
        if (field < 0)
            throw std::invalid_argument("Ordinamento non valido \"" + text + "\": unknown field '" +
                                        part + "'");
        keys.emplace_back(field, descending);
    }
    sortKeys_ = std::move(keys);
    sort_ = sortKeys_.empty() ? std::string() : text;
    Bookmark current = 0;
    const bool hadCurrent = !eof() && !bof();
    if (hadCurrent)
        current = view_[static_cast<std::size_t>(cursor_)];
    rebuildView();
    cursor_ = 0;
    if (hadCurrent) {
        const auto it = std::find(view_.begin(), view_.end(), current);
        if (it != view_.end())
            cursor_ = it - view_.begin();
    }
    notify(Change::Reset, -1);
}

void Recordset::rebuildView() {
    view_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& r = rows_[i];
        if (r.removed || r.status == RecordStatus::Deleted)
            continue;
        if (filterTree_ && !filterTree_->matches(r.values))
            continue;
        view_.push_back(i);
    }
    if (sortKeys_.empty())
        return;
    // Positions in the view are sorted; each text key compares its ranks.
    std::vector<std::vector<int>> ranks;
    std::vector<const Value*> cells(view_.size());
    for (const auto& key : sortKeys_) {
        for (std::size_t p = 0; p < view_.size(); ++p)
            cells[p] = &rows_[view_[p]].values[static_cast<std::size_t>(key.first)];
        ranks.push_back(textRanks(cells));
    }
    std::vector<std::size_t> positions(view_.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    std::stable_sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t k = 0; k < sortKeys_.size(); ++k) {
            const auto& [field, descending] = sortKeys_[k];
            const auto f = static_cast<std::size_t>(field);
            const int c = ranks[k].empty()
                              ? Value::compare(rows_[view_[a]].values[f], rows_[view_[b]].values[f])
                              : (ranks[k][a] > ranks[k][b]) - (ranks[k][a] < ranks[k][b]);
            if (c != 0)
                return descending ? c > 0 : c < 0;
        }
        return false;
    });
    std::vector<std::size_t> sorted(view_.size());
    for (std::size_t p = 0; p < positions.size(); ++p)
        sorted[p] = view_[positions[p]];
    view_ = std::move(sorted);
}

// ---- listeners

int Recordset::addListener(Listener l) {
    listeners_.emplace_back(nextListener_, std::move(l));
    return nextListener_++;
}

void Recordset::removeListener(int id) {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [id](const auto& p) { return p.first == id; }),
                     listeners_.end());
}

void Recordset::notify(Change c, long row) {
    if (listeners_.empty())
        return;                    // a recordset being filled, not yet shown
    const auto copy = listeners_;  // a listener may remove itself
    for (const auto& [id, l] : copy)
        l(c, row);
}

}  // namespace db
