#include "groupings/carica_combo_varianti.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "groupings/groupings_sql.h"
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
        rs.open(sqlItemManagedVariants(card.companyCode(), card.currentItem()), card.connection());
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
