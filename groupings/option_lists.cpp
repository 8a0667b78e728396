#include "groupings/option_lists.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "variants/record_grid.h"
#include "variants/sql_text.h"

namespace groupings {

using variants::letterale;

StatoOpzioni::StatoOpzioni() = default;
StatoOpzioni::~StatoOpzioni() {
    rilascia();
}

namespace {

void chiudi(std::unique_ptr<db::Recordset>& rs) {
    if (rs && rs->isOpen())
        rs->close();
    rs.reset();
}

void svuota(QLineEdit* box) {
    if (box)
        box->clear();
}

}  // namespace

void StatoOpzioni::rilascia() {
    if (GRDX_VARIANTI_SOURCE)
        GRDX_VARIANTI_SOURCE->setRecordset(nullptr);
    if (GRDX_VARIANTI_DESTI)
        GRDX_VARIANTI_DESTI->setRecordset(nullptr);
    chiudi(sorgente);
    chiudi(destinazione);
    chiudi(dimensione);
    chiudi(rigaVariante);
}

std::string sqlCreaOrig(const std::string& ditta, const std::string& var,
                        const std::string& raggr) {
    return "SELECT *, LEFT(MG5E_DESCR,1) AS LETTERA,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ,  "
           "      0 AS SORT_CODE INTO #TMP_ORIG FROM MG5E_OPZIONI WITH (NOLOCK) LEFT OUTER JOIN "
           "MG5H_COMPRAGVAR WITH (NOLOCK) ON MG5H_DITTA_CG18     = MG5E_DITTA_CG18 AND    "
           "MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND    MG5H_RAGGR_MG5G     = " +
           letterale(raggr) +
           " AND    MG5H_OPZIONE_MG5E   = MG5E_OPZIONE WHERE MG5E_DITTA_CG18     = " + ditta +
           " AND       MG5E_CODICEVAR_MG5F = '" + var + "'";
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
           ditta + " AND       MG5H_CODICEVAR_MG5F = '" + var +
           "' AND       MG5H_RAGGR_MG5G     = " + letterale(raggr) + " ORDER BY MG5H_SEQOPZIONE";
}

void CaricaRaggruppamento(common::ItemCard& card, const std::string& variante,
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
                st.GRDX_VARIANTI_SOURCE->setRecordset(nullptr);
            chiudi(st.sorgente);
        }
        if (caricaDestinazione) {
            if (st.GRDX_VARIANTI_DESTI)
                st.GRDX_VARIANTI_DESTI->setRecordset(nullptr);
            chiudi(st.destinazione);
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
                st.GRDX_VARIANTI_SOURCE->setRecordset(nullptr);
            auto rs = std::make_unique<db::Recordset>();
            rs->open("SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE", cn);
            chiudi(st.sorgente);
            st.sorgente = std::move(rs);
            if (st.GRDX_VARIANTI_SOURCE)
                st.GRDX_VARIANTI_SOURCE->setRecordset(st.sorgente.get());
        });
    }

    if (caricaDestinazione) {
        p.step([&] { ws.EliminaTabellaTemp("#TMP_DEST"); });
        p.step([&] { cn.execute(sqlCreaDest(ditta, variante, raggruppamento)); });
        p.step([&] {
            if (st.GRDX_VARIANTI_DESTI)
                st.GRDX_VARIANTI_DESTI->setRecordset(nullptr);
            auto rs = std::make_unique<db::Recordset>();
            rs->open("SELECT * FROM #TMP_DEST", cn);
            chiudi(st.destinazione);
            st.destinazione = std::move(rs);
        });
        p.step([&] {
            db::Recordset* rs = st.destinazione.get();
            bool righe = rs && rs->recordCount() > 0;
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
                st.GRDX_VARIANTI_DESTI->setRecordset(st.destinazione.get());
        });
    }
}

void ScriviSelezioniSorgente(common::ItemCard& card) {
    StatoOpzioni& st = card.shared<StatoOpzioni>();
    db::Recordset* rs = st.sorgente.get();
    if (!rs || !rs->isOpen())
        return;
    int fOpz = rs->fieldIndex("MG5E_OPZIONE");
    int fSel = rs->fieldIndex("SELEZ");
    std::string lista;
    for (long r = 0; r < rs->recordCount(); ++r) {
        auto d = rs->valueAt(r, fSel).toDecimal();
        if (d && !d->isZero()) {
            if (!lista.empty())
                lista += ", ";
            lista += "'" + variants::raddoppiaApici(variants::testo(rs->valueAt(r, fOpz))) + "'";
        }
    }
    db::Connection& cn = card.connection();
    cn.execute("UPDATE #TMP_ORIG SET SELEZ = 0 WHERE SELEZ <> 0");
    if (!lista.empty())
        cn.execute("UPDATE #TMP_ORIG SET SELEZ = 1 WHERE MG5E_OPZIONE IN (" + lista + ")");
}

}  // namespace groupings
