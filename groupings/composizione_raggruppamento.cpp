#include "groupings/composizione_raggruppamento.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "common/box_text.h"
#include "common/item_card.h"
#include "common/procedure.h"
#include "common/rights.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/codici_raggruppamento.h"
#include "groupings/groupings_sql.h"
#include "groupings/option_lists.h"
#include "groupings/unconfirmed_edits.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace groupings {

using common::Procedure;

namespace {

StatoOpzioni& stato(common::ItemCard& card) {
    return card.shared<StatoOpzioni>();
}

long numero(const db::Value& v) {
    return static_cast<long>(db::integerOf(v));
}

// Rows of one INSERT ... VALUES (the database takes up to 1,000): a few
// statements of moderate size cost least to prepare.
constexpr long kRigheInsert = 100;

// Positions are 16-bit, as the grouping editor has always kept them.
short posizione(long value) {
    if (value > std::numeric_limits<short>::max() || value < std::numeric_limits<short>::min())
        throw std::overflow_error("Overflow: la posizione " + std::to_string(value) +
                                  " supera il massimo di " +
                                  std::to_string(std::numeric_limits<short>::max()));
    return static_cast<short>(value);
}

std::string sqlElimina(common::ItemCard& card, const std::vector<std::string>& opzioni) {
    StatoOpzioni& st = stato(card);
    return sqlRemoveFromGrouping(card.companyCode(), st.variante, st.raggruppamento, opzioni);
}

// Ends a command's transaction after the error report ended it, and shows
// the lists as the database now holds them.
void annulla(common::ItemCard& card) {
    db::Connection& cn = card.connection();
    common::rollbackQuietly(cn);
    StatoOpzioni& st = stato(card);
    CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false);
}

// Starts a command's transaction as a step of p; abort ends it through annulla.
void iniziaComando(common::ItemCard& card, Procedure& p) {
    p.onAbort([&card] { annulla(card); });
    p.step([&card] { card.connection().beginTransaction(); });
}

// Ends a command's transaction: committed when the command went through,
// otherwise ended through annulla and the procedure left. Answers whether
// the commit ran.
bool concludiComando(common::ItemCard& card, Procedure& p, bool fatto) {
    if (!p.running())
        return false;
    if (!fatto) {
        annulla(card);
        p.leave();
        return false;
    }
    p.step([&card] { card.connection().commitTransaction(); });
    return true;
}

// Ticked positions of the destination list, ascending.
std::vector<long> sequenzeSpuntate(const StatoOpzioni& st) {
    std::vector<long> out;
    const db::Recordset* rs = st.destinazione.get();
    if (!rs || !rs->isOpen())
        return out;
    const int fSel = rs->fieldIndex("SELEZ");
    const int fSeq = rs->fieldIndex("MG5H_SEQOPZIONE");
    for (long r = 0; r < rs->recordCount(); ++r)
        if (numero(rs->valueAt(r, fSel)) != 0)
            out.push_back(numero(rs->valueAt(r, fSeq)));
    std::sort(out.begin(), out.end());
    return out;
}

// Makes the destination row with that position the current one.
void vaiASequenza(StatoOpzioni& st, long sequenza) {
    db::Recordset* rs = st.destinazione.get();
    if (!rs || !rs->isOpen())
        return;
    const int fSeq = rs->fieldIndex("MG5H_SEQOPZIONE");
    for (long r = 0; r < rs->recordCount(); ++r)
        if (numero(rs->valueAt(r, fSeq)) == sequenza) {
            rs->setAbsolutePosition(r + 1);
            return;
        }
}

// Ticks the destination rows given last positions and writes the ticks into
// #TMP_DEST.
void spuntaInserite(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    db::Recordset* rs = st.destinazione.get();
    if (!rs || !rs->isOpen())
        return;
    const int fSel = rs->fieldIndex("SELEZ");
    const int fSeq = rs->fieldIndex("MG5H_SEQOPZIONE");
    const std::unordered_set<long> nuove(st.sequenzeInserite.begin(), st.sequenzeInserite.end());
    for (long r = 0; r < rs->recordCount(); ++r)
        if (nuove.count(numero(rs->valueAt(r, fSeq))) > 0)
            rs->setValueAt(r, fSel, db::Value(1));
    WriteSelections(card, rs, "#TMP_DEST", "MG5H_OPZIONE_MG5E");
}

}  // namespace

void AzzeraTabStati(common::ItemCard& card) {
    card.clearLoadedItems(
        {common::kTabStatiCombinazione, common::kTabStatiStagione, common::kTabStatiVariante});
}

// ------------------------------------------------------------------ adding

void CMD_ADDSEL_Click(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    db::Recordset* sorgente = st.sorgente.get();
    std::vector<std::string> spuntate = ValoriSpuntati(sorgente, "MG5E_OPZIONE");
    if (spuntate.empty())
        return;
    // In the order of the source list as it was read: ascending code.
    std::sort(spuntate.begin(), spuntate.end(), [](const std::string& a, const std::string& b) {
        return db::Value::compare(db::Value(a), db::Value(b)) < 0;
    });
    if (!CheckRaggruppamento(card))
        return;

    db::Connection& cn = card.connection();
    Procedure p(card, "CMD_ADDSEL_Click");
    db::Recordset righe;
    p.step([&] {
        righe.open(sqlGroupingRows(card.companyCode(), st.variante, st.raggruppamento), cn);
    });
    std::vector<std::string> daInserire;
    p.step([&] {
        const int fOpz = righe.fieldIndex("MG5H_OPZIONE_MG5E");
        std::unordered_set<std::string> presenti;
        for (long r = 0; r < righe.recordCount(); ++r)
            presenti.insert(common::NzStringa(righe.valueAt(r, fOpz)));
        for (const std::string& opz : spuntate)
            if (presenti.count(opz) == 0)
                daInserire.push_back(opz);
        // Every ticked option is unticked, those already there too.
        const int fSel = sorgente->fieldIndex("SELEZ");
        for (long r = 0; r < sorgente->recordCount(); ++r)
            if (numero(sorgente->valueAt(r, fSel)) != 0)
                sorgente->setValueAt(r, fSel, db::Value(0));
    });
    p.step([&] { WriteSourceSelections(card); });
    if (!p.running() || daInserire.empty())
        return;

    short dopo = 0;
    p.step([&] {
        db::Recordset* dest = st.destinazione.get();
        if (!dest || !dest->hasCurrentRow())
            return;
        long seq = numero(dest->value("MG5H_SEQOPZIONE"));
        // The current row's place as stored now: another card on the same
        // item may have changed the grouping since the list was read.
        const std::string corrente = common::NzStringa(dest->value("MG5H_OPZIONE_MG5E"));
        const int fOpz = righe.fieldIndex("MG5H_OPZIONE_MG5E");
        const int fSeq = righe.fieldIndex("MG5H_SEQOPZIONE");
        for (long r = 0; r < righe.recordCount(); ++r)
            if (common::NzStringa(righe.valueAt(r, fOpz)) == corrente) {
                seq = numero(righe.valueAt(r, fSeq));
                break;
            }
        dopo = posizione(std::min(seq, static_cast<long>(righe.recordCount())));
    });
    iniziaComando(card, p);
    bool fatto = false;
    p.step([&] { fatto = InserisciElementi(card, dopo, daInserire, righe); });
    if (!concludiComando(card, p, fatto))
        return;
    p.step([&] { CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false); });
    p.step([&] {
        spuntaInserite(card);
        if (!st.sequenzeInserite.empty())
            vaiASequenza(st,
                         *std::min_element(st.sequenzeInserite.begin(), st.sequenzeInserite.end()));
    });
}

bool InserisciElementi(common::ItemCard& card, short dopo, const std::vector<std::string>& opzioni,
                       db::Recordset& righe) {
    StatoOpzioni& st = stato(card);
    db::Connection& cn = card.connection();
    Procedure p(card, "InserisciElementi");
    const long n = static_cast<long>(opzioni.size());
    p.step([&] { st.sequenzeInserite.clear(); });
    if (dopo >= 0) {
        // The later rows move down by n in one statement: positions carry no
        // unique key, so no two rows clash on the way.
        p.step([&] {
            posizione(righe.recordCount() + n);
            cn.execute(
                sqlShiftGroupingRows(card.companyCode(), st.variante, st.raggruppamento, n, dopo));
        });
    }
    // The new rows a hundred to a statement.
    for (long da = 0; da < n; da += kRigheInsert) {
        p.step([&] {
            const long a = std::min(n, da + kRigheInsert);
            std::vector<std::pair<short, std::string>> nuove;
            std::vector<short> sequenze;
            for (long j = da; j < a; ++j) {
                const short seq = posizione(dopo + j + 1);
                nuove.emplace_back(seq, opzioni[static_cast<std::size_t>(j)]);
                sequenze.push_back(seq);
            }
            cn.execute(
                sqlInsertGroupingRows(card.companyCode(), st.variante, st.raggruppamento, nuove));
            st.sequenzeInserite.insert(st.sequenzeInserite.end(), sequenze.begin(), sequenze.end());
        });
    }
    p.step([&] { AzzeraTabStati(card); });
    // A step skipped after an error (ignore) leaves a gap without rows or
    // two rows on one place: the caller rolls the command back.
    return p.running() && !p.skipped();
}

// ---------------------------------------------------------------- removing

bool RinumeraRaggruppamento(common::ItemCard& card) {
    db::Connection& cn = card.connection();
    Procedure p(card, "RinumeraRaggruppamento");
    const StatoOpzioni& st = stato(card);
    p.step([&] {
        db::Recordset righe;
        righe.open(sqlCountGroupingRows(card.companyCode(), st.variante, st.raggruppamento), cn);
        posizione(numero(righe.value("RIGHE")));
    });
    // Each row takes its place in position order; rows already in place are
    // not written. One statement, so the work stays on the database.
    p.step([&] {
        cn.execute(sqlRenumberGrouping(card.companyCode(), st.variante, st.raggruppamento));
    });
    return p.running() && !p.skipped();
}

void CMD_TOGLISEL_Click(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    const std::vector<std::string> spuntate =
        ValoriSpuntati(st.destinazione.get(), "MG5H_OPZIONE_MG5E");
    if (spuntate.empty())
        return;
    db::Connection& cn = card.connection();
    Procedure p(card, "CMD_TOGLISEL_Click");
    iniziaComando(card, p);
    p.step([&] { cn.execute(sqlElimina(card, spuntate)); });
    bool fatto = false;
    p.step([&] { fatto = RinumeraRaggruppamento(card); });
    if (!concludiComando(card, p, fatto))
        return;
    p.step([&] { CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false); });
    p.step([&] {
        db::Recordset* rs = st.sorgente.get();
        if (!rs || !rs->isOpen())
            return;
        const int fOpz = rs->fieldIndex("MG5E_OPZIONE");
        const int fSel = rs->fieldIndex("SELEZ");
        // Each removed option is ticked where exactly one row holds it.
        std::unordered_map<std::string, long> righe;
        for (long r = 0; r < rs->recordCount(); ++r) {
            auto [at, nuova] = righe.emplace(common::NzStringa(rs->valueAt(r, fOpz)), r);
            if (!nuova)
                at->second = -1;
        }
        for (const std::string& opz : spuntate) {
            auto at = righe.find(opz);
            if (at != righe.end() && at->second >= 0)
                rs->setValueAt(at->second, fSel, db::Value(1));
        }
        WriteSourceSelections(card);
    });
    p.step([&] { AzzeraTabStati(card); });
}

// ------------------------------------------------------------------ moving

bool SpostaElementi(common::ItemCard& card, short dopo) {
    StatoOpzioni& st = stato(card);
    db::Connection& cn = card.connection();
    common::WindowServices& ws = card.services();
    Procedure p(card, "SpostaElementi");
    std::vector<std::string> opzioni;
    p.step([&] {
        // The ticked rows in the list's order: ascending position.
        db::Recordset* dest = st.destinazione.get();
        const int fSel = dest->fieldIndex("SELEZ");
        const int fSeq = dest->fieldIndex("MG5H_SEQOPZIONE");
        const int fOpz = dest->fieldIndex("MG5H_OPZIONE_MG5E");
        std::vector<std::pair<long, std::string>> righe;
        for (long r = 0; r < dest->recordCount(); ++r)
            if (numero(dest->valueAt(r, fSel)) != 0)
                righe.emplace_back(numero(dest->valueAt(r, fSeq)),
                                   common::NzStringa(dest->valueAt(r, fOpz)));
        std::stable_sort(righe.begin(), righe.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& riga : righe)
            opzioni.push_back(riga.second);
    });
    if (!p.running() || opzioni.empty())
        return p.running();
    p.step([&] { ws.EliminaTabellaTemp("#MG5H"); });
    // The moved rows are kept, for their own descriptions.
    p.step([&] {
        cn.execute(sqlKeepMovedRows(card.companyCode(), st.variante, st.raggruppamento, opzioni));
    });
    p.step([&] { cn.execute(sqlElimina(card, opzioni)); });
    bool fatto = false;
    p.step([&] { fatto = RinumeraRaggruppamento(card); });
    if (!p.running() || !fatto)
        return false;
    p.step([&] {
        fatto = CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false);
    });
    if (!p.running() || !fatto)
        return false;
    db::Recordset righe;
    p.step([&] {
        righe.open(sqlGroupingRows(card.companyCode(), st.variante, st.raggruppamento), cn);
    });
    p.step([&] { fatto = InserisciElementi(card, dopo, opzioni, righe); });
    if (!p.running() || !fatto)
        return false;
    p.step([&] { righe.close(); });
    p.step([&] { cn.execute(kSqlRestoreMovedDescriptions); });
    p.step([&] { ws.EliminaTabellaTemp("#MG5H"); });
    p.step([&] {
        fatto = CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false);
    });
    if (!p.running() || !fatto)
        return false;
    p.step([&] {
        spuntaInserite(card);
        // The moved block shows with up to seven rows above it.
        long primo = st.sequenzeInserite.empty() ? 1 : st.sequenzeInserite.front();
        vaiASequenza(st, std::max(1L, primo - 7));
    });
    p.step([&] { AzzeraTabStati(card); });
    // A move is whole or not at all: after a skipped step the moved rows
    // may be missing or without their descriptions.
    return p.running() && !p.skipped();
}

namespace {

// Runs SpostaElementi in one transaction, as the move commands do.
void spostaInTransazione(common::ItemCard& card, Procedure& p, short dopo) {
    iniziaComando(card, p);
    bool fatto = false;
    p.step([&] { fatto = SpostaElementi(card, dopo); });
    concludiComando(card, p, fatto);
}

}  // namespace

namespace {

// The ticked rows one place up or down, together; the current row follows
// the first of them up, the last of them down.
void moveTicked(common::ItemCard& card, bool up) {
    StatoOpzioni& st = stato(card);
    std::vector<long> spuntate = sequenzeSpuntate(st);
    if (spuntate.empty())
        return;
    // A move renumbers the grouping's rows: a change, whatever it deletes and inserts.
    const common::DeclaredWrite change(common::WriteKind::Change);
    Procedure p(card, up ? "CMD_SU_Click" : "CMD_GIU_Click");
    if (up) {
        const long s = spuntate.front();
        if (s > 1)
            spostaInTransazione(card, p, posizione(s - 2));
    } else {
        const long n = static_cast<long>(spuntate.size());
        const long s = spuntate.back();
        const long righe = st.destinazione ? st.destinazione->recordCount() : 0;
        if (s < righe)
            spostaInTransazione(card, p, posizione(s + 1 - n));
    }
    if (!p.running())
        return;
    p.step([&] {
        std::vector<long> ora = sequenzeSpuntate(st);
        if (!ora.empty())
            vaiASequenza(st, up ? ora.front() : ora.back());
    });
}

}  // namespace

void CMD_SU_Click(common::ItemCard& card) {
    moveTicked(card, true);
}

void CMD_GIU_Click(common::ItemCard& card) {
    moveTicked(card, false);
}

// ------------------------------------------------------------- descriptions

void GRDX_VARIANTI_DESTI_RowChanged(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    db::Recordset* rs = st.destinazione.get();
    if (!rs || !rs->hasCurrentRow())
        return;
    const UnconfirmedOption edit = TakeUnconfirmedDestination(st);
    // Offered once the move is over: the list is not asked mid-click.
    if (StillApplies(st, edit) && st.TXT_DESOPZIONE_DEST)
        QMetaObject::invokeMethod(
            st.TXT_DESOPZIONE_DEST,
            [&card, &st, edit, target = common::NzStringa(rs->value("MG5H_OPZIONE_MG5E"))] {
                OfferUnconfirmedDestination(card, st, edit, target);
            },
            Qt::QueuedConnection);
    if (st.TXT_OPZIONE_DEST)
        st.TXT_OPZIONE_DEST->setText(
            QString::fromStdString(common::NzStringa(rs->value("MG5E_OPZIONE"))));
    if (st.TXT_DESOPZIONE_DEST)
        st.TXT_DESOPZIONE_DEST->setText(
            QString::fromStdString(common::NzStringa(rs->value("DESCR_OPZIONE"))));
    st.opzione = common::NzStringa(rs->value("MG5H_OPZIONE_MG5E"));
}

void CMD_OPZDEST_SALVA_Click(common::ItemCard& card) {
    StatoOpzioni& st = stato(card);
    if (!st.TXT_OPZIONE_DEST || !st.TXT_DESOPZIONE_DEST)
        return;
    const std::string opzione = common::BoxText(st.TXT_OPZIONE_DEST);
    if (opzione.empty())
        return;
    const std::string descr = common::BoxText(st.TXT_DESOPZIONE_DEST);
    st.destModificata = false;
    Procedure p(card, "CMD_OPZDEST_SALVA_Click");
    p.step([&] {
        card.connection().execute(sqlSetCompositionDescription(card.companyCode(), st.variante,
                                                               st.raggruppamento, opzione, descr));
    });
    p.step([&] { CaricaRaggruppamento(card, st.variante, st.raggruppamento, true, true, false); });
    p.step([&] {
        db::Recordset* rs = st.destinazione.get();
        const int f = rs ? rs->fieldIndex("MG5H_OPZIONE_MG5E") : -1;
        for (long r = 0; f >= 0 && r < rs->recordCount(); ++r)
            if (common::NzStringa(rs->valueAt(r, f)) == opzione) {
                rs->setAbsolutePosition(r + 1);
                break;
            }
    });
    p.step([&] { AzzeraTabStati(card); });
}

}  // namespace groupings
