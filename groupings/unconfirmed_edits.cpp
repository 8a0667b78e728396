#include "groupings/unconfirmed_edits.h"

#include <QLineEdit>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/option_lists.h"
#include "platform/db/recordset.h"

namespace groupings {

namespace {

UnconfirmedOption take(StatoOpzioni& st, bool& mark, const QLineEdit* code,
                       const QLineEdit* description) {
    UnconfirmedOption edit;
    if (!mark || !code || !description)
        return edit;
    mark = false;
    edit.code = common::NzValore(db::Value(code->text().toStdString()));
    edit.description = description->text();
    edit.isNew = code->isEnabled();
    edit.variant = st.variante;
    edit.grouping = st.raggruppamento;
    return edit;
}

}  // namespace

UnconfirmedOption TakeUnconfirmedSource(StatoOpzioni& st) {
    UnconfirmedOption edit =
        take(st, st.origModificata, st.TXT_OPZIONE_ORIG, st.TXT_DESOPZIONE_ORIG);
    edit.isNew = edit.isNew || st.opzioneNuova;
    return edit;
}

UnconfirmedOption TakeUnconfirmedDestination(StatoOpzioni& st) {
    UnconfirmedOption edit =
        take(st, st.destModificata, st.TXT_OPZIONE_DEST, st.TXT_DESOPZIONE_DEST);
    edit.isNew = false;  // the composition's code box only shows the option
    return edit;
}

bool StillApplies(const StatoOpzioni& st, const UnconfirmedOption& edit) {
    return !edit.code.empty() && edit.variant == st.variante && edit.grouping == st.raggruppamento;
}

bool AskToStore(common::ItemCard& card, const std::string& code) {
    common::WindowServices& ws = card.services();
    const int answer = ws.VisualizzaMessaggio(
        "Le modifiche all'opzione \"" + code + "\" non sono state confermate: memorizzarle?", 91548,
        common::vbYesNo + common::vbQuestion, ws.TraduciTesto("Scheda articolo - varianti", 50877),
        std::vector<db::Value>{db::Value(code)});
    return answer == common::vbYes;
}

bool MoveToOption(db::Recordset* rs, const char* field, const std::string& code) {
    if (!rs || code.empty())
        return false;
    const int f = rs->fieldIndex(field);
    const db::Value wanted(code);
    for (long r = 0; f >= 0 && r < rs->recordCount(); ++r)
        if (db::Value::compare(rs->valueAt(r, f), wanted) == 0) {
            rs->setAbsolutePosition(r + 1);
            return true;
        }
    return false;
}

void OfferUnconfirmedDestination(common::ItemCard& card, StatoOpzioni& st,
                                 const UnconfirmedOption& edit, const std::string& target) {
    if (!StillApplies(st, edit) || !st.TXT_OPZIONE_DEST || !st.TXT_DESOPZIONE_DEST ||
        !AskToStore(card, edit.code))
        return;
    st.TXT_OPZIONE_DEST->setText(QString::fromStdString(edit.code));
    st.TXT_DESOPZIONE_DEST->setText(edit.description);
    CMD_OPZDEST_SALVA_Click(card);
    if (MoveToOption(st.destinazione.get(), "MG5H_OPZIONE_MG5E", target))
        GRDX_VARIANTI_DESTI_RowChanged(card);
}

}  // namespace groupings
