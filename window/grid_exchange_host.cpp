#include "window/grid_exchange_host.h"

#include <QString>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/recordset.h"
#include "platform/framework/company.h"

namespace card {

void InstallGridExchangeHost(common::ItemCard& card) {
    controls::ExchangeHost host;
    host.context = [&card] {
        common::WindowServices& ws = card.services();
        QString testo = ws.TranslateCaption(QStringLiteral("Ditta")) + " " +
                        QString::fromStdString(card.companyCode());
        if (!card.company().Name().empty())
            testo += " " + QString::fromStdString(card.company().Name()).trimmed();
        if (card.currentItem().empty() || card.currentItem() == common::kNessunArticolo)
            return testo;
        testo += " - " + ws.TranslateCaption(QStringLiteral("Articolo")) + " " +
                 QString::fromStdString(card.currentItem()).trimmed();
        try {
            db::Recordset* rs = card.itemRecordset();
            if (rs && rs->hasCurrentRow())
                testo +=
                    " " +
                    QString::fromStdString(common::NzStringa(rs->value("MG66_DESCART"))).trimmed();
        } catch (const std::exception&) {
            // The header goes without the description.
        }
        return testo;
    };
    host.message = [&card](long numero, const QString& testo,
                           const std::vector<db::Value>& parametri, int stile) {
        common::WindowServices& ws = card.services();
        return ws.VisualizzaMessaggio(testo.toStdString(), numero, stile,
                                      ws.TraduciTesto("Scheda articolo - varianti", 50877),
                                      parametri);
    };
    host.caption = [&card](const QString& text) { return card.services().TranslateCaption(text); };
    controls::SetExchangeHost(card.widget(), std::move(host));
}

}  // namespace card
