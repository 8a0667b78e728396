#include "groupings/option_lists.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/frmmg_raggr.h"
#include "groupings/groupings_sql.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace groupings {

namespace {

void svuota(QLineEdit* box) {
    if (box)
        box->clear();
}

// A list unbound from its grid and closed.
void dropList(controls::DataGrid* grid, std::unique_ptr<db::Recordset>& list) {
    if (grid)
        grid->SetDataSource(nullptr);
    common::ChiudiRecordset(list);
}

// A list read again from its temporary table in place of the old one; its
// grid shows nothing meanwhile.
void reopenList(controls::DataGrid* grid, std::unique_ptr<db::Recordset>& list, const char* sql,
                db::Connection& cn, const char* sort = nullptr) {
    if (grid)
        grid->SetDataSource(nullptr);
    auto rs = std::make_unique<db::Recordset>();
    rs->open(sql, cn);
    if (sort)
        rs->setSort(sort);
    common::ChiudiRecordset(list);
    list = std::move(rs);
}

}  // namespace

StatoOpzioni::StatoOpzioni() = default;
StatoOpzioni::~StatoOpzioni() {
    rilascia();
}

void StatoOpzioni::rilascia() {
    concludiModifiche = nullptr;  // the tab that set it is going
    dropList(GRDX_VARIANTI_SOURCE, sorgente);
    dropList(GRDX_VARIANTI_DESTI, destinazione);
    common::ChiudiRecordset(dimensione);
    common::ChiudiRecordset(rigaVariante);
    delete frmRaggr.data();
}

bool CaricaRaggruppamento(common::ItemCard& card, const std::string& variante,
                          const std::string& raggruppamento, bool caricaSorgente,
                          bool caricaDestinazione, bool soloNonRaggruppate) {
    StatoOpzioni& st = card.shared<StatoOpzioni>();
    common::WindowServices& ws = card.services();
    db::Connection& cn = card.connection();
    const std::string& ditta = card.companyCode();

    common::Procedure p(card, "CaricaRaggruppamento");
    // An aborted load leaves no half-built list bound to a grid.
    p.onAbort([&] {
        if (caricaSorgente)
            dropList(st.GRDX_VARIANTI_SOURCE, st.sorgente);
        if (caricaDestinazione)
            dropList(st.GRDX_VARIANTI_DESTI, st.destinazione);
    });

    if (caricaSorgente) {
        p.step([&] {
            svuota(st.TXT_OPZIONE_ORIG);
            svuota(st.TXT_DESOPZIONE_ORIG);
        });
        if (soloNonRaggruppate) {
            p.step([&] { ws.EliminaTabellaTemp("#TMP_ORIG_FLT"); });
            p.step([&] { cn.execute(kSqlUngroupedOptions); });
            p.step([&] { ws.EliminaTabellaTemp("#TMP_ORIG"); });
            p.step([&] { cn.execute(kSqlSourceFromUngrouped); });
        } else {
            p.step([&] { ws.EliminaTabellaTemp("#TMP_ORIG"); });
            p.step([&] { cn.execute(sqlSourceOptions(ditta, variante, raggruppamento)); });
        }
        p.step([&] {
            // The address-book view survives a reload: rows by first letter.
            reopenList(st.GRDX_VARIANTI_SOURCE, st.sorgente, kSqlSourceList, cn,
                       st.rubrica ? "LETTERA ASC, MG5E_OPZIONE ASC" : nullptr);
            if (st.GRDX_VARIANTI_SOURCE)
                st.GRDX_VARIANTI_SOURCE->SetDataSource(st.sorgente.get());
        });
    }

    if (caricaDestinazione) {
        p.step([&] { ws.EliminaTabellaTemp("#TMP_DEST"); });
        p.step([&] { cn.execute(sqlGroupingOptions(ditta, variante, raggruppamento)); });
        p.step(
            [&] { reopenList(st.GRDX_VARIANTI_DESTI, st.destinazione, kSqlDestinationList, cn); });
        p.step([&] {
            db::Recordset* rs = st.destinazione.get();
            const bool righe = rs && rs->recordCount() > 0;
            if (!righe) {
                svuota(st.TXT_OPZIONE_DEST);
                svuota(st.TXT_DESOPZIONE_DEST);
            } else {
                rs->moveFirst();
            }
            if (st.TXT_DESOPZIONE_DEST)
                st.TXT_DESOPZIONE_DEST->setEnabled(righe);
            if (st.CMD_OPZDEST_SALVA)
                st.CMD_OPZDEST_SALVA->setEnabled(righe);
        });
        p.step([&] {
            if (st.GRDX_VARIANTI_DESTI)
                st.GRDX_VARIANTI_DESTI->SetDataSource(st.destinazione.get());
        });
    }
    return p.running();
}

std::vector<std::string> ValoriSpuntati(const db::Recordset* lista, const char* campo) {
    std::vector<std::string> out;
    if (!lista || !lista->isOpen())
        return out;
    const int fSel = lista->fieldIndex("SELEZ");
    const int fVal = lista->fieldIndex(campo);
    if (fSel < 0 || fVal < 0)
        return out;
    for (long r = 0; r < lista->recordCount(); ++r)
        if (common::IsNonZero(lista->valueAt(r, fSel)))
            out.push_back(common::NzStringa(lista->valueAt(r, fVal)));
    return out;
}

void WriteSelections(common::ItemCard& card, db::Recordset* lista, const char* tabella,
                     const char* campo) {
    if (!lista || !lista->isOpen())
        return;
    const std::vector<std::string> spuntate = ValoriSpuntati(lista, campo);
    db::Connection& cn = card.connection();
    cn.execute(sqlClearTicks(tabella));
    if (!spuntate.empty())
        cn.execute(sqlTickRows(tabella, campo, spuntate));
}

void WriteSourceSelections(common::ItemCard& card) {
    WriteSelections(card, card.shared<StatoOpzioni>().sorgente.get(), "#TMP_ORIG", "MG5E_OPZIONE");
}

}  // namespace groupings
