#pragma once
// Client-side recordset: every row is read into memory when it opens, then
// navigated, filtered, sorted and edited locally; updateBatch() writes the
// changes back to each field's base table by its key. A recordset can also be
// built without a connection from fields appended at run time.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/backend.h"
#include "platform/db/value.h"

namespace db {

class Connection;

enum class RecordStatus { Unchanged, Modified, New, Deleted };
enum class Affect { Current = 1, All = 3 };

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // ---- opening
    // Disconnected recordset: append fields, then open().
    void appendField(std::string name, FieldType type, int size = 0, int precision = 0,
                     int scale = 0);
    void open();
    // Runs the query and keeps the last result set that has columns.
    // The connection is remembered for requery() and updateBatch().
    void open(std::string_view sql, Connection& connection);
    void requery();  // runs the same query again, keeping filter and sort
    void close();
    bool isOpen() const { return open_; }
    int state() const { return open_ ? 1 : 0; }  // 0 closed, 1 open
    const std::string& source() const { return sql_; }
    Connection* connection() const { return connection_; }

    // ---- fields
    // Key columns of a base table that the query did not select are read as
    // hidden fields, so that edits can still be written back by the key;
    // they are not counted here and not found by name.
    int fieldCount() const { return static_cast<int>(columns_.size()) - hidden_; }
    const Column& field(int index) const { return columns_.at(index); }
    // -1 when there is no such field (names compare case-insensitively).
    int fieldIndex(std::string_view name) const;
    // Value of the current row; throws std::out_of_range at EOF/BOF or for
    // an unknown field name (the message names the field).
    const Value& value(int index) const;
    const Value& value(std::string_view name) const;
    // Sets a field of the current row (marks it Modified unless New).
    void setValue(int index, Value v);
    void setValue(std::string_view name, Value v);

    // ---- navigation over the visible rows (after filter and sort)
    long recordCount() const { return static_cast<long>(view_.size()); }
    bool eof() const;
    bool bof() const;
    // Open and on a row: neither at EOF nor at BOF.
    bool hasCurrentRow() const { return open_ && !eof() && !bof(); }
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // 1-based position among visible rows; 0 at EOF/BOF.
    long absolutePosition() const;
    void setAbsolutePosition(long position);
    // A bookmark identifies a row for the life of the recordset.
    using Bookmark = std::size_t;
    Bookmark bookmark() const;
    void setBookmark(Bookmark b);

    // Row access by visible index (0-based), for grids.
    const Value& valueAt(long row, int field) const;
    void setValueAt(long row, int field, Value v);
    Bookmark bookmarkAt(long row) const;
    RecordStatus statusAt(long row) const;

    // ---- editing
    void addNew();         // appends a New row and makes it current
    void deleteCurrent();  // marks Deleted and hides it (New rows vanish)
    RecordStatus status() const;
    bool hasChanges() const;
    // Restricts batch updates of a recordset over a join to one base table,
    // as the host's "Unique Table" property does ("" writes every table).
    void setUniqueTable(std::string table) { uniqueTable_ = std::move(table); }
    const std::string& uniqueTable() const { return uniqueTable_; }

    // Writes Modified, New and Deleted rows (all, or only the current one)
    // back to the base tables through the connection; rows become Unchanged.
    // Throws DbError; on failure nothing of the batch stays written.
    long long updateBatch(Affect affect = Affect::All);
    void cancelBatch();  // throws away every pending change

    // ---- filter and sort
    // Filter expression: comparisons "Field op literal" (op: = <> < > <= >= LIKE),
    // literals 'text' (quotes doubled), numbers, #dates#, NULL; joined with AND,
    // OR and parentheses. "" shows every row. Throws std::invalid_argument
    // naming the expression when it does not parse.
    void setFilter(std::string_view expression);
    const std::string& filter() const { return filter_; }
    // Sort: "Field [ASC|DESC], ..."; "" restores the natural order.
    void setSort(std::string_view expression);
    const std::string& sort() const { return sort_; }

    // ---- change notification, for bound controls
    enum class Change { Reset, CurrentMoved, ValueChanged, RowAdded, RowRemoved };
    using Listener = std::function<void(Change, long row)>;
    int addListener(Listener l);
    void removeListener(int id);

    // Internal row storage, exposed to the backend-independent writer.
    struct Row {
        std::vector<Value> values;
        std::vector<Value> original;
        RecordStatus status = RecordStatus::Unchanged;
        bool removed = false;  // written away or cancelled: kept so bookmarks stay valid
    };

    struct FilterNode;

private:
    void rebuildView();
    void load(ResultSet rs);
    ResultSet fetch(const std::string& sql);
    bool writeRow(std::size_t index);
    void notify(Change c, long row);
    Row& currentRow();
    const Row& currentRow() const;

    std::vector<Column> columns_;
    std::vector<Row> rows_;
    std::vector<std::size_t> view_;  // indices into rows_
    long cursor_ = -1;               // index into view_; -1 BOF, view_.size() EOF
    bool open_ = false;
    std::string sql_;
    std::string runSql_;  // sql_ with the hidden key columns, when there are any
    std::string uniqueTable_;
    int hidden_ = 0;
    std::string filter_;
    std::string sort_;
    Connection* connection_ = nullptr;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
    std::shared_ptr<const FilterNode> filterTree_;
    std::vector<std::pair<int, bool>> sortKeys_;  // field, descending
};

}  // namespace db
