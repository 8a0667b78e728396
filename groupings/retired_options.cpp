#include "groupings/retired_options.h"

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "groupings/option_lists.h"
#include "groupings/where_used_sql.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/exchange/sheet.h"

namespace groupings {

namespace {}  // namespace

OpzioniRitirate::OpzioniRitirate(common::ItemCard& card, controls::DataGrid* grid,
                                 std::string campo)
    : controls::GridDelegate(grid), card_(card), grid_(grid), campo_(std::move(campo)) {
    connect(grid->model(), &QAbstractItemModel::modelReset, this, [this] { Aggiorna(); });
}

void OpzioniRitirate::Aggiorna() {
    ritirate_.clear();
    const std::string variante = card_.shared<StatoOpzioni>().variante;
    if (variante.empty())
        return;
    // Only what is shown depends on it: a failed read shows no option retired.
    try {
        for (const auto& set :
             card_.connection().run(sqlRetiredOptions(card_.companyCode(), variante)).resultSets)
            for (const auto& row : set.rows)
                ritirate_[exchange::RightTrimmed(row.at(0).toText())] =
                    exchange::RightTrimmed(row.at(1).toText());
    } catch (const std::exception&) {
    }
}

std::string OpzioniRitirate::Ritiro(long row) const {
    const db::Recordset* rs = grid_->DataSource();
    if (ritirate_.empty() || !rs || !rs->isOpen() || row < 0 || row >= rs->recordCount())
        return {};
    const int f = rs->fieldIndex(campo_);
    if (f < 0)
        return {};
    auto it = ritirate_.find(exchange::RightTrimmed(common::NzStringa(rs->valueAt(row, f))));
    return it == ritirate_.end() ? std::string() : it->second;
}

void OpzioniRitirate::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    controls::GridDelegate::initStyleOption(option, index);
    // Codes are fixed-width: their padding would only push the text out.
    while (option->text.endsWith(QLatin1Char(' ')))
        option->text.chop(1);
    const std::string stato = Ritiro(index.row());
    if (stato.empty())
        return;
    option->palette.setColor(QPalette::Text, QColor(Qt::gray));
    option->palette.setColor(QPalette::HighlightedText, QColor(Qt::lightGray));
    if (index.column() < grid_->Columns().Count() &&
        grid_->Columns().Item(index.column()).Field() == campo_)
        option->text = option->text + QStringLiteral("  [") + QString::fromStdString(stato) +
                       QStringLiteral("]");
}

void MostraOpzioniRitirate(common::ItemCard& card) {
    StatoOpzioni& st = card.shared<StatoOpzioni>();
    const std::pair<controls::DataGrid*, const char*> liste[] = {
        {st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE"}, {st.GRDX_VARIANTI_DESTI, "MG5H_OPZIONE_MG5E"}};
    for (const auto& [grid, campo] : liste) {
        if (!grid)
            continue;
        auto* d = new OpzioniRitirate(card, grid, campo);
        // The code and the description; the tick column keeps its own painting.
        grid->setItemDelegateForColumn(1, d);
        grid->setItemDelegateForColumn(2, d);
    }
}

}  // namespace groupings
