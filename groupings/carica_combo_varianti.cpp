#include "groupings/carica_combo_varianti.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "platform/db/recordset.h"

namespace groupings {

void CaricaComboVarianti(common::ItemCard& card, QComboBox* combo) {
    if (!combo)
        return;
    common::Procedure p(card, "CaricaComboVarianti");
    db::Recordset rs;
    p.step([&] {
        const QSignalBlocker quiet(combo);
        combo->clear();
    });
    p.step([&] {
        rs.open(
            "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG6B_GESVARART INNER JOIN "
            "MG5F_DIMECONF ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND    MG5F_CODICEVAR = "
            "MG6B_CODICEVAR_MG5F WHERE MG6B_DITTA_CG18  = " +
                card.companyCode() + " AND       MG6B_CODART_MG66 = '" +
                common::RaddoppiaApici(card.currentItem()) + "' AND       MG6B_FLGGESTVAR = 1",
            card.connection());
    });
    p.step([&] {
        const QSignalBlocker quiet(combo);
        for (rs.moveFirst(); rs.isOpen() && !rs.eof(); rs.moveNext())
            combo->addItem(QString::fromStdString(common::NzStringa(rs.value("MG5F_DESCR_VAR"))),
                           common::indiceVariante(common::NzStringa(rs.value("MG5F_CODICEVAR"))));
        combo->setCurrentIndex(-1);
    });
}

}  // namespace groupings
