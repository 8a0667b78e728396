#pragma once
// A grid over a client-side recordset: one row per visible record, the
// columns it is given, tick columns the user toggles with a click. The
// current row of the grid and of the recordset move together.

#include <QTableView>
#include <string>
#include <utility>
#include <vector>

namespace db {
class Recordset;
}

namespace variants {

class RecordGridModel;

struct GridColumn {
    enum class Kind { Text, Number, Check, ValueList };
    std::string field;    // recordset field
    std::string caption;  // header text
    Kind kind = Kind::Text;
    // ValueList: stored value and text shown.
    std::vector<std::pair<int, std::string>> values = {};
};

class RecordGrid : public QTableView {
    Q_OBJECT
public:
    explicit RecordGrid(QWidget* parent = nullptr);
    ~RecordGrid() override;

    // Column definitions (Init...): the grid shows nothing until bound.
    void setColumns(std::vector<GridColumn> columns, std::string keyField);
    const std::vector<GridColumn>& gridColumns() const;
    const std::string& keyField() const { return keyField_; }

    // The data source; nullptr detaches. The recordset must outlive the binding.
    void setRecordset(db::Recordset* recordset);
    db::Recordset* recordset() const;

    // Re-reads every row (after the recordset was sorted or filtered).
    void refresh();
    // Address-book view: rows grouped by the first letter held in a field.
    void setGroupField(const std::string& field);  // "" removes the grouping
    const std::string& groupField() const { return groupField_; }
    bool grouped() const { return !groupField_.empty(); }

    long rowCount() const;
    // Selects a row (0-based) as the user would, raising rowChanged.
    void selectRow(long row);
    // Toggles a tick cell as a click would, raising checkToggled.
    void toggleCheck(long row, const std::string& field);
    // Caption of column i (TraduciColonne).
    std::string caption(int column) const;
    void setCaption(int column, const std::string& text);

signals:
    void rowChanged(long row);  // the recordset is on that row
    void checkToggled(long row, const QString& field);

private:
    void onCurrentChanged(const QModelIndex& current);
    RecordGridModel* model_;
    std::string keyField_;
    std::string groupField_;
};

}  // namespace variants
