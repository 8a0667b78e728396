// The host's rights on the window's own controls, and the item search of the
// code box (which CanQbe governs). The connection refuses every write the
// rights forbid (common/diritti.h); here the controls say so before the user
// tries: the tabs' frames neither add nor delete rows without the right, the
// write commands are disabled, and a command a tab enables again is refused
// with the numbered message when pressed.

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include "common/diritti.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "window/frmmg_veldrano.h"

namespace card {

namespace {

struct Comando {
    const char* name;
    common::Scrittura kind;
};

// The write commands of the tabs, by the kind of write each does.
const Comando kComandi[] = {
    {"CMD_ADDSEL", common::Scrittura::Aggiunta},
    {"CMD_OPZORIG_NUOVO", common::Scrittura::Aggiunta},
    {"CMD_TOGLISEL", common::Scrittura::Rimozione},
    {"CMD_OPZORIG_ELIMINA", common::Scrittura::Rimozione},
    {"CMD_ELIMINACF", common::Scrittura::Rimozione},
    {"CMD_ELIMINACOMBI", common::Scrittura::Rimozione},
    {"CMD_ASSOCIA", common::Scrittura::Modifica},
    {"CMD_SU", common::Scrittura::Modifica},
    {"CMD_GIU", common::Scrittura::Modifica},
    {"CMD_OPZORIG_SALVA", common::Scrittura::Modifica},
    {"CMD_OPZDEST_SALVA", common::Scrittura::Modifica},
    {"CMD_RIBALTA", common::Scrittura::Modifica},
    {"CMD_MEMO", common::Scrittura::Modifica},
    {"CHK_FLGVARART", common::Scrittura::Modifica},
};

// Presses of a write command the rights forbid: told, and eaten.
class GuardiaComando : public QObject {
public:
    GuardiaComando(FRMMG_VELDRANO& window, common::Scrittura kind, QObject* parent)
        : QObject(parent), window_(window), kind_(kind) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const bool press =
            e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick ||
            (e->type() == QEvent::KeyPress &&
             (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space ||
              static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return ||
              static_cast<QKeyEvent*>(e)->key() == Qt::Key_Enter));
        if (!press)
            return false;
        return !common::VerificaDiritto(window_, kind_);
    }

private:
    FRMMG_VELDRANO& window_;
    common::Scrittura kind_;
};

}  // namespace

void FRMMG_VELDRANO::applicaDiritti() {
    const common::Diritti d = common::dirittiDi(pclsInterface_);
    for (controls::RecordFrame* frame : findChildren<controls::RecordFrame*>()) {
        if (frame == fmeArt_.get())
            continue;  // the item frame neither inserts nor deletes items anyway
        if (!common::consentita(d, common::Scrittura::Aggiunta))
            frame->SetAllowInsert(false);
        if (!common::consentita(d, common::Scrittura::Rimozione))
            frame->SetAllowDelete(false);
    }
    for (const Comando& c : kComandi) {
        if (common::consentita(d, c.kind))
            continue;
        for (QAbstractButton* b : findChildren<QAbstractButton*>(QString::fromLatin1(c.name))) {
            b->setEnabled(false);
            if (!b->property("guardiaDiritti").toBool()) {
                b->installEventFilter(new GuardiaComando(*this, c.kind, b));
                b->setProperty("guardiaDiritti", true);
            }
        }
    }
    if (!d.ricerca) {
        cmdNuovo_->setEnabled(false);
        if (auto* button = lkpCodArt_->findChild<QToolButton*>())
            button->setEnabled(false);
    }
}

void FRMMG_VELDRANO::TXT_CODART_StartLookup(bool& cancel) {
    if (!common::VerificaRicerca(*this)) {
        cancel = true;
        return;
    }
    lkpCodArt_->SetConnection(connection_.get());
    controls::ApplyLookup(*lkpCodArt_, lookups().Items());
}

}  // namespace card
