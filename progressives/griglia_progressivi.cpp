#include "progressives/griglia_progressivi.h"

#include <QAbstractItemView>
#include <QHash>
#include <QLocale>
#include <algorithm>

#include "common/value_helpers.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/recordset.h"
#include "progressives/pivot_progressivi.h"

namespace progressives {

QString FormatQuantity(const db::Decimal& quantita) {
    static const QLocale italiano(QLocale::Italian);
    const std::string testo = quantita.rescaled(3).toString();  // "-1234.500"
    const bool negativo = !testo.empty() && testo.front() == '-';
    const std::string cifre = negativo ? testo.substr(1) : testo;
    const auto punto = cifre.find('.');
    const std::string intera = cifre.substr(0, punto);
    QString out;
    for (std::size_t i = 0; i < intera.size(); ++i) {
        if (i > 0 && (intera.size() - i) % 3 == 0)
            out += italiano.groupSeparator();
        out += QChar(intera[i]);
    }
    if (punto != std::string::npos)
        out += italiano.decimalPoint() + QString::fromStdString(cifre.substr(punto + 1));
    return negativo ? italiano.negativeSign() + out : out;
}

bool IsTotalRow(const db::Recordset& pivot, long row) {
    const int field = pivot.fieldIndex("Variante");
    if (field < 0 || row < 0 || row >= pivot.recordCount())
        return false;
    return common::NzStringa(pivot.valueAt(row, field)) == kTotale;
}

bool IsQuantityField(const db::Recordset& pivot, int field) {
    if (field < 0 || field >= pivot.fieldCount())
        return false;
    const std::string& name = pivot.field(field).name;
    return name.rfind("BK_", 0) == 0 || name == "Tot.";
}

QString PivotCellText(const db::Recordset& pivot, long row, int field) {
    if (field < 0 || row < 0 || row >= pivot.recordCount())
        return {};
    const db::Value& v = pivot.valueAt(row, field);
    if (v.isEmptyOrNull())
        return {};
    if (IsQuantityField(pivot, field)) {
        if (const auto d = v.toDecimal())
            return FormatQuantity(*d);
    }
    QString text = QString::fromStdString(common::NzStringa(v));
    // The total rows are named after their warehouse block.
    if (IsTotalRow(pivot, row) && text.contains(QLatin1String(kTotale)))
        return QStringLiteral("Totale deposito");
    return text;
}

int ColumnWidth(const QFontMetrics& metrics, const db::Recordset& pivot, int field, int minimo,
                int massimo) {
    constexpr long kRigheMisurate = 1000;
    constexpr int kMargine = 16;
    int larghezza = minimo;
    // Most cells of a column repeat a few texts (empty, "Totale", a
    // warehouse): each is laid out once.
    QHash<QString, int> misurati;
    for (long r = 0; r < pivot.recordCount() && r < kRigheMisurate && larghezza < massimo; ++r) {
        const QString testo = PivotCellText(pivot, r, field);
        auto it = misurati.constFind(testo);
        if (it == misurati.constEnd())
            it = misurati.insert(testo, metrics.horizontalAdvance(testo));
        larghezza = std::max(larghezza, *it + kMargine);
    }
    return std::min(larghezza, massimo);
}

DelegatoProgressivi::DelegatoProgressivi(controls::DataGrid* grid)
    : controls::GridDelegate(grid), grid_(grid) {
    // Copies, exports and prints show the cells as painted here: the totals
    // of a warehouse bold, with their own label.
    controls::GridExchange* scambio = controls::GridExchange::Of(grid);
    scambio->SetBoldRows([grid](long row) {
        const db::Recordset* pivot = grid->DataSource();
        return pivot && pivot->isOpen() && row >= 0 && row < pivot->recordCount() &&
               IsTotalRow(*pivot, row);
    });
    scambio->SetCellText([grid](long row, int column) {
        const db::Recordset* pivot = grid->DataSource();
        const int field = grid->Columns().Item(column).FieldIndex();
        if (!pivot || !pivot->isOpen() || field < 0 || row < 0 || row >= pivot->recordCount())
            return QString();
        return PivotCellText(*pivot, row, field);
    });
}

void DelegatoProgressivi::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    controls::GridDelegate::initStyleOption(option, index);
    const db::Recordset* pivot = grid_->DataSource();
    if (!pivot || !pivot->isOpen() || index.column() >= grid_->Columns().Count())
        return;
    const int field = grid_->Columns().Item(index.column()).FieldIndex();
    if (field < 0 || index.row() >= pivot->recordCount())
        return;
    option->text = PivotCellText(*pivot, index.row(), field);
    if (IsQuantityField(*pivot, field) && IsTotalRow(*pivot, index.row())) {
        option->font.setBold(true);
        option->backgroundBrush = kColoreSfondoTotali;
        option->palette.setColor(QPalette::Text, kColoreTestoTotali);
    }
}

}  // namespace progressives
