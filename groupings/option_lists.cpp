#include "groupings/option_lists.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/frmmg_raggr.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace groupings {

StatoOpzioni::StatoOpzioni() = default;
StatoOpzioni::~StatoOpzioni() {
    rilascia();
}

namespace {

void svuota(QLineEdit* box) {
    if (box)
        box->clear();
}

std::string raggrLit(const std::string& raggr) {
    return common::FormatoDBTesto(db::Value(raggr), common::kTesto, true);
}

bool spuntato(const db::Value& v) {
    auto d = v.toDecimal();
    return d && !d->isZero();
}

}  // namespace

void StatoOpzioni::rilascia() {
    if (GRDX_VARIANTI_SOURCE)
        GRDX_VARIANTI_SOURCE->SetDataSource(nullptr);
    if (GRDX_VARIANTI_DESTI)
        GRDX_VARIANTI_DESTI->SetDataSource(nullptr);
    common::ChiudiRecordset(sorgente);
    common::ChiudiRecordset(destinazione);
    common::ChiudiRecordset(dimensione);
    common::ChiudiRecordset(rigaVariante);
    delete frmRaggr.data();
}

std::string sqlCreaOrig(const std::string& ditta, const std::string& var,
                        const std::string& raggr) {
    return "SELECT *, LEFT(MG5E_DESCR,1) AS LETTERA,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ,  "
           "      0 AS SORT_CODE INTO #TMP_ORIG FROM MG5E_OPZIONI WITH (NOLOCK) LEFT OUTER JOIN "
           "MG5H_COMPRAGVAR WITH (NOLOCK) ON MG5H_DITTA_CG18     = MG5E_DITTA_CG18 AND    "
           "MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND    MG5H_RAGGR_MG5G     = " +
           raggrLit(raggr) +
           " AND    MG5H_OPZIONE_MG5E   = MG5E_OPZIONE WHERE MG5E_DITTA_CG18     = " + ditta +
           " AND       MG5E_CODICEVAR_MG5F = '" + common::RaddoppiaApici(var) + "'";
}

std::string sqlCreaOrigFiltrata() {
    return "SELECT #TMP_ORIG.* INTO #TMP_ORIG_FLT FROM #TMP_ORIG LEFT OUTER JOIN #TMP_DEST ON "
           "#TMP_ORIG.MG5E_DITTA_CG18 = #TMP_DEST.MG5H_DITTA_CG18 AND    "
           "#TMP_ORIG.MG5E_CODICEVAR_MG5F = #TMP_DEST.MG5H_CODICEVAR_MG5F AND    "
           "#TMP_ORIG.MG5E_OPZIONE = #TMP_DEST.MG5H_OPZIONE_MG5E WHERE "
           "#TMP_DEST.MG5H_DITTA_CG18 IS NULL";
}

std::string sqlCreaDest(const std::string& ditta, const std::string& var,
                        const std::string& raggr) {
    return "SELECT *, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE MG5H_DESCR END) AS "
           "DESCR_OPZIONE,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ INTO #TMP_DEST FROM "
           "MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18     = MG5H_DITTA_CG18 AND "
           "   MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND    MG5E_OPZIONE        = "
           "MG5H_OPZIONE_MG5E WHERE MG5H_DITTA_CG18     =  " +
           ditta + " AND       MG5H_CODICEVAR_MG5F = '" + common::RaddoppiaApici(var) +
           "' AND       MG5H_RAGGR_MG5G     = " + raggrLit(raggr) + " ORDER BY MG5H_SEQOPZIONE";
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
        if (caricaSorgente) {
            if (st.GRDX_VARIANTI_SOURCE)
                st.GRDX_VARIANTI_SOURCE->SetDataSource(nullptr);
            common::ChiudiRecordset(st.sorgente);
        }
        if (caricaDestinazione) {
            if (st.GRDX_VARIANTI_DESTI)
                st.GRDX_VARIANTI_DESTI->SetDataSource(nullptr);
            common::ChiudiRecordset(st.destinazione);
        }
    });

    if (caricaSorgente) {
        p.step([&] {
            svuota(st.TXT_OPZIONE_ORIG);
            svuota(st.TXT_DESOPZIONE_ORIG);
        });
        if (soloNonRaggruppate) {
            p.step([&] { ws.EliminaTabellaTemp("#TMP_ORIG_FLT"); });
            p.step([&] { cn.execute(sqlCreaOrigFiltrata()); });
            p.step([&] { ws.EliminaTabellaTemp("#TMP_ORIG"); });
            p.step([&] { cn.execute("SELECT * INTO #TMP_ORIG FROM #TMP_ORIG_FLT"); });
        } else {
            p.step([&] { ws.EliminaTabellaTemp("#TMP_ORIG"); });
            p.step([&] { cn.execute(sqlCreaOrig(ditta, variante, raggruppamento)); });
        }
        p.step([&] {
            if (st.GRDX_VARIANTI_SOURCE)
                st.GRDX_VARIANTI_SOURCE->SetDataSource(nullptr);
            auto rs = std::make_unique<db::Recordset>();
            rs->open("SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE", cn);
            // The address-book view survives a reload: rows by first letter.
            if (st.rubrica)
                rs->setSort("LETTERA ASC, MG5E_OPZIONE ASC");
            common::ChiudiRecordset(st.sorgente);
            st.sorgente = std::move(rs);
            if (st.GRDX_VARIANTI_SOURCE)
                st.GRDX_VARIANTI_SOURCE->SetDataSource(st.sorgente.get());
        });
    }

    if (caricaDestinazione) {
        p.step([&] { ws.EliminaTabellaTemp("#TMP_DEST"); });
        p.step([&] { cn.execute(sqlCreaDest(ditta, variante, raggruppamento)); });
        p.step([&] {
            if (st.GRDX_VARIANTI_DESTI)
                st.GRDX_VARIANTI_DESTI->SetDataSource(nullptr);
            auto rs = std::make_unique<db::Recordset>();
            rs->open("SELECT * FROM #TMP_DEST", cn);
            common::ChiudiRecordset(st.destinazione);
            st.destinazione = std::move(rs);
        });
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
        if (spuntato(lista->valueAt(r, fSel)))
            out.push_back(common::NzStringa(lista->valueAt(r, fVal)));
    return out;
}

void WriteSelections(common::ItemCard& card, db::Recordset* lista, const char* tabella,
                     const char* campo) {
    if (!lista || !lista->isOpen())
        return;
    const std::vector<std::string> spuntate = ValoriSpuntati(lista, campo);
    db::Connection& cn = card.connection();
    const std::string t = tabella;
    cn.execute("UPDATE " + t + " SET SELEZ = 0 WHERE SELEZ <> 0");
    if (!spuntate.empty())
        cn.execute("UPDATE " + t + " SET SELEZ = 1 WHERE " + campo + " IN " + InList(spuntate));
}

void WriteSourceSelections(common::ItemCard& card) {
    WriteSelections(card, card.shared<StatoOpzioni>().sorgente.get(), "#TMP_ORIG", "MG5E_OPZIONE");
}

std::string InList(const std::vector<std::string>& codici) {
    std::string lista = "(";
    for (std::size_t i = 0; i < codici.size(); ++i)
        lista += (i ? ", '" : "'") + common::RaddoppiaApici(codici[i]) + "'";
    return lista + ")";
}

}  // namespace groupings
