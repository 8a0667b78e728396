#pragma once
// Grid over a db::Recordset: a table view whose model reads the recordset's
// values when a cell is painted, so large recordsets scroll without cost per
// row. Columns map fields to captions, formats and cell kinds. The
// recordset's current row follows the grid's current row.

#include <QByteArray>
#include <QString>
#include <QTableView>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/value.h"

class QComboBox;

namespace db {
class Recordset;
}

namespace controls {

class DataGrid;

enum class CellKind { Text, Check, Button, Combo };

// One column of a grid. Setters take effect at once.
class GridColumn {
public:
    const std::string& Field() const { return field_; }
    int FieldIndex() const { return fieldIndex_; }  // -1 when unbound
    QString Caption() const { return caption_; }
    GridColumn& SetCaption(const QString& caption);
    QString Key() const { return key_; }  // defaults to the field name
    GridColumn& SetKey(const QString& key);
    int Width() const { return width_; }
    GridColumn& SetWidth(int width);
    bool Visible() const { return visible_; }
    GridColumn& SetVisible(bool visible);
    bool ReadOnly() const { return readOnly_; }
    GridColumn& SetReadOnly(bool readOnly);
    Qt::Alignment Alignment() const { return alignment_; }
    GridColumn& SetAlignment(Qt::Alignment alignment);
    // Numbers: fixed decimals (-1: as stored), with thousands separators.
    int Decimals() const { return decimals_; }
    GridColumn& SetNumberFormat(int decimals, bool thousands = false);
    // Dates: a QDateTime format such as "dd/MM/yyyy"; empty: as stored.
    QString DateFormat() const { return dateFormat_; }
    GridColumn& SetDateFormat(const QString& format);
    CellKind Kind() const { return kind_; }
    GridColumn& SetKind(CellKind kind);
    // Combo cells: stored value -> display text, in list order.
    const std::vector<std::pair<db::Value, QString>>& ValueList() const { return values_; }
    GridColumn& SetValueList(std::vector<std::pair<db::Value, QString>> values);
    GridColumn& AddValue(db::Value value, const QString& text);
    // Text shown for a stored value by this column's kind and formats.
    QString DisplayText(const db::Value& value) const;
    // Unbound column: its field is not in the recordset and each row's value
    // is asked of the owner when the cell is shown (row: 0-based among the
    // visible rows). Such a column is read-only.
    using UnboundRead = std::function<db::Value(long row)>;
    GridColumn& SetUnboundRead(UnboundRead read);
    bool Unbound() const { return static_cast<bool>(unboundRead_); }
    db::Value UnboundValue(long row) const;

private:
    friend class DataGrid;
    friend class GridColumns;
    DataGrid* grid_ = nullptr;
    std::string field_;
    int fieldIndex_ = -1;
    QString caption_;
    QString key_;
    int width_ = 0;
    bool visible_ = true;
    bool readOnly_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    int decimals_ = -1;
    bool thousands_ = false;
    QString dateFormat_;
    CellKind kind_ = CellKind::Text;
    std::vector<std::pair<db::Value, QString>> values_;
    UnboundRead unboundRead_;
    void changed();
};

class GridColumns {
public:
    int Count() const { return static_cast<int>(columns_.size()); }
    GridColumn& Item(int index);  // throws std::out_of_range
    const GridColumn& Item(int index) const;
    GridColumn& operator[](int index) { return Item(index); }
    // By key or field name (case-insensitive); -1 and nullptr when none.
    int IndexOf(const QString& keyOrField) const;
    GridColumn* Find(const QString& keyOrField);
    // Adds a column over a field; the caption defaults to the field name.
    GridColumn& Add(std::string field, const QString& caption = {});
    void Clear();

private:
    friend class DataGrid;
    explicit GridColumns(DataGrid* grid) : grid_(grid) {}
    DataGrid* grid_;
    std::vector<std::unique_ptr<GridColumn>> columns_;
};

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Binds the grid; nullptr detaches it. When no column was defined, one
    // column per field is created; defined columns are kept and re-bound.
    void SetDataSource(db::Recordset* recordset);
    db::Recordset* DataSource() const;
    GridColumns& Columns();
    const GridColumns& Columns() const;
    // Re-reads everything from the recordset (after changes made behind it).
    void Refresh();

    // Current row, 0-based among the recordset's visible rows; -1 when none.
    long CurrentRow() const;
    void SetCurrentRow(long row);
    int CurrentColumn() const;
    // Columns kept in place at the left while scrolling sideways (0: none).
    void SetFrozenColumns(int count);
    int FrozenColumns() const;
    // Many columns defined at once: the grid lays them out once, at the end
    // (calls nest).
    void BeginColumnsUpdate();
    void EndColumnsUpdate();
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const;

    // Displayed text of a cell (column index in Columns()).
    QString CellText(long row, int column) const;
    // Presses a header as a click would: BeforeSorting, then the sort.
    void ClickHeader(int column);
    // Toggles a check cell as a click would.
    void ToggleCheck(long row, int column);
    // Chooses a combo cell's entry as the drop-down would (CloseUp).
    void ChooseValue(long row, int column, const db::Value& value);
    // Presses a button cell.
    void PressButton(long row, int column);

    // Column headers and sort state, for exports.
    Qt::SortOrder SortOrder() const;
    int SortColumn() const;  // -1 when unsorted
    // Sorts by a column as a header click asking for that order would
    // (BeforeSorting first). Answers whether it sorted.
    bool SortBy(int column, Qt::SortOrder order);
    // A grid whose row order is the data's own (a grouping's composition, a
    // preview): its headers answer BeforeSorting but never sort.
    void SetFixedOrder(bool fixed);
    bool FixedOrder() const;
    // While the grid itself lays out its columns (a definition, a binding):
    // the widths it sets then are not the user's.
    bool DefiningColumns() const;

    // What the user made of the grid, to keep between runs: column widths
    // and order by column key, and the sort they chose. A layout given back
    // is applied at once and again whenever the columns are defined anew;
    // its sort when the grid is next bound. Columns it does not name keep
    // their own; a grid of fixed order keeps no sort.
    QByteArray SaveLayout() const;
    bool RestoreLayout(const QByteArray& layout);

signals:
    // The user is moving to another row (click, keys, SetCurrentRow) while
    // the recordset is still on the old one; a handler may cancel the move.
    void beforeRowChange(long row, long newRow, bool& cancel);
    void rowChanged(long previousRow, long row);
    void beforeSorting(int column, bool& cancel);
    // Before a check cell toggles: the row's current value is still stored.
    void checkEditToggleClick(int column, long row, bool& cancel);
    void buttonClick(int column, long row);
    // A combo cell's choice was made and written.
    void closeUp(int column, long row);
    void cellClick(int column, long row);
    // The columns were defined anew (bound: with a new recordset); the grid
    // sorted by a column.
    void columnsDefined(bool bound);
    void sorted(int column, Qt::SortOrder order);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class GridColumn;
    friend class GridColumns;
    void columnsChanged();
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A drop-down's list as wide as its longest entry, whatever the cell's width.
void WidenPopup(QComboBox* box);
// Gives a grid the memory of what its user made of it (DataGrid::SaveLayout).
void InstallLayoutMemory(DataGrid* grid);

}  // namespace controls
