#include "states/state_rows.h"

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/state_services.h"
#include "states/states_sql.h"

namespace states {

namespace {

// The state the row holds in the database, read quietly after a write that
// did not happen: Null when there is none, or when it cannot be read either.
db::Value statoMemorizzato(common::ItemCard& card, const RigaStato& riga) {
    try {
        db::Recordset rs;
        rs.open(sqlStateRow(riga.tabella, riga.condizione), card.connection());
        if (rs.recordCount() == 0)
            return db::Value::null();
        rs.moveFirst();
        return rs.value(riga.campoStato);
    } catch (const std::exception&) {
        card.connection().clearErrors();
        return db::Value::null();
    }
}

}  // namespace

bool SameState(const db::Value& a, const db::Value& b) {
    return a == b || (statoVuoto(a) && statoVuoto(b));
}

db::Value WriteState(common::Procedure& p, common::ItemCard& card, const RigaStato& riga,
                     const db::Value& stato) {
    if (statoVuoto(stato)) {
        bool cancellato = false;
        p.step([&] {
            card.connection().execute(sqlDeleteStateRow(riga.tabella, riga.condizione));
            cancellato = true;
        });
        // Refused or failed, the delete left the state that is stored.
        return cancellato ? db::Value::null() : statoMemorizzato(card, riga);
    }
    db::Recordset rs;
    db::Value prima = db::Value::null();
    bool letto = false;
    p.step([&] { rs.open(sqlStateRow(riga.tabella, riga.condizione), card.connection()); });
    p.step([&] {
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            prima = rs.value(riga.campoStato);
        }
        letto = true;
        if (!ConfirmValidity(card, stato))
            p.leave();
    });
    if (!p.running())
        return letto ? prima : statoMemorizzato(card, riga);
    p.step([&] {
        if (rs.recordCount() == 0) {
            rs.addNew();
            for (const auto& [campo, valore] : riga.nuova)
                rs.setValue(campo, valore);
        }
        rs.setValue(riga.campoStato, StateNumber(stato));
    });
    bool scritto = false;
    p.step([&] {
        rs.updateBatch();
        scritto = true;
    });
    p.step([&] { rs.close(); });
    if (scritto)
        return stato;
    return letto ? prima : statoMemorizzato(card, riga);
}

void SaveRowState(common::Procedure& p, common::ItemCard& card, const RigaStato& riga,
                  db::Recordset& rs) {
    const db::Value stato = StateNumber(rs.value("STATO"));
    const db::Value scritto = WriteState(p, card, riga, stato);
    if (!SameState(scritto, stato))
        rs.setValue("STATO", scritto);
}

void FillWorkTable(common::Procedure& p, common::ItemCard& card, const std::string& table,
                   const std::function<std::string()>& fill) {
    p.step([&] { card.services().EliminaTabellaTemp(table); });
    p.step([&] { card.connection().execute(fill()); });
}

std::unique_ptr<db::Recordset> OpenOnFirstRow(common::ItemCard& card, const std::string& select) {
    auto rs = std::make_unique<db::Recordset>();
    rs->open(select, card.connection());
    if (rs->recordCount() > 0)
        rs->moveFirst();
    return rs;
}

}  // namespace states
