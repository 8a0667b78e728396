#pragma once
// How the progressives grid shows its cells: quantities right-aligned with
// thousands separators, written from the exact decimal; the total rows of a
// warehouse with "Totale deposito" and their quantities bold in the
// highlight colours.

#include <QColor>
#include <QFontMetrics>
#include <QString>

#include "platform/controls/grid_delegate.h"
#include "platform/db/decimal.h"

namespace db {
class Recordset;
}
namespace controls {
class DataGrid;
}

namespace progressives {

inline const QColor kColoreTestoTotali(255, 255, 255);
inline const QColor kColoreSfondoTotali(154, 190, 243);

// "1.234,500": three decimals, Italian separators, no binary floating point.
QString FormatQuantity(const db::Decimal& quantita);

// Whether the pivot row is a warehouse total (Variante "Totale" once trimmed).
bool IsTotalRow(const db::Recordset& pivot, long row);
// Whether the field holds quantities: an option column or "Tot.".
bool IsQuantityField(const db::Recordset& pivot, int field);
// The text a cell shows.
QString PivotCellText(const db::Recordset& pivot, long row, int field);

// A width that shows the field's texts (the first rows are measured),
// between the two bounds.
int ColumnWidth(const QFontMetrics& metrics, const db::Recordset& pivot, int field, int minimo,
                int massimo);

// The grid's painter of cells (totals in bold on their colour); the style
// of a cell is public so that what the grid would paint can be read back.
class DelegatoProgressivi : public controls::GridDelegate {
public:
    explicit DelegatoProgressivi(controls::DataGrid* grid);
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    controls::DataGrid* grid_;
};

}  // namespace progressives
