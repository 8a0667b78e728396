// The host's rights on the window's own controls, and the item search of the
// code box (which CanQbe governs). The connection refuses every write the
// rights forbid (common/rights.h); here the controls say so before the user
// tries: the tabs' frames neither add nor delete rows without the right, the
// write commands are disabled, and a command a tab enables again is refused
// with the numbered message when pressed.

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "common/rights.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "window/frmmg_veldrano.h"

namespace card {

namespace {

struct WriteCommand {
    const char* name;
    common::WriteKind kind;
};

// The write commands of the tabs, by the kind of write each does.
const WriteCommand kWriteCommands[] = {
    {"CMD_ADDSEL", common::WriteKind::Add},
    {"CMD_OPZORIG_NUOVO", common::WriteKind::Add},
    {"CMD_TOGLISEL", common::WriteKind::Remove},
    {"CMD_OPZORIG_ELIMINA", common::WriteKind::Remove},
    {"CMD_ELIMINACF", common::WriteKind::Remove},
    {"CMD_ELIMINACOMBI", common::WriteKind::Remove},
    {"CMD_ASSOCIA", common::WriteKind::Change},
    {"CMD_SU", common::WriteKind::Change},
    {"CMD_GIU", common::WriteKind::Change},
    {"CMD_OPZORIG_SALVA", common::WriteKind::Change},
    {"CMD_OPZDEST_SALVA", common::WriteKind::Change},
    {"CMD_RIBALTA", common::WriteKind::Change},
    {"CMD_MEMO", common::WriteKind::Change},
    {"CHK_FLGVARART", common::WriteKind::Change},
};

// Presses of a command the rights forbid: told, and eaten.
class CommandGuard : public QObject {
public:
    CommandGuard(std::function<bool()> allowed, QObject* parent)
        : QObject(parent), allowed_(std::move(allowed)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const bool press = e->type() == QEvent::MouseButtonPress ||
                           e->type() == QEvent::MouseButtonDblClick ||
                           (e->type() == QEvent::KeyPress &&
                            (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space ||
                             static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return ||
                             static_cast<QKeyEvent*>(e)->key() == Qt::Key_Enter));
        if (!press)
            return false;
        return !allowed_();
    }

private:
    std::function<bool()> allowed_;
};

// Disables the window's buttons of that name and refuses their presses, told
// by the numbered message, should a tab enable them again.
void guardButtons(QWidget& window, const char* name, const std::function<bool()>& allowed) {
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>(QString::fromLatin1(name))) {
        b->setEnabled(false);
        if (!b->property("guardiaRights").toBool()) {
            b->installEventFilter(new CommandGuard(allowed, b));
            b->setProperty("guardiaRights", true);
        }
    }
}

}  // namespace

void FRMMG_VELDRANO::applicaRights() {
    const common::Rights d = common::rightsOf(pclsInterface_);
    for (controls::RecordFrame* frame : findChildren<controls::RecordFrame*>()) {
        if (frame == fmeArt_.get())
            continue;  // the item frame neither inserts nor deletes items anyway
        if (!common::allowed(d, common::WriteKind::Add))
            frame->SetAllowInsert(false);
        if (!common::allowed(d, common::WriteKind::Remove))
            frame->SetAllowDelete(false);
    }
    for (const WriteCommand& c : kWriteCommands) {
        if (!common::allowed(d, c.kind))
            guardButtons(*this, c.name,
                         [this, k = c.kind] { return common::checkRight(*this, k); });
    }
    if (!d.search) {
        // The options search of the options tab, like the item search.
        guardButtons(*this, "CMD_SEARCH", [this] { return common::checkSearch(*this); });
        cmdNuovo_->setEnabled(false);
        if (auto* button = lkpCodArt_->findChild<QToolButton*>())
            button->setEnabled(false);
    }
}

void FRMMG_VELDRANO::TXT_CODART_StartLookup(bool& cancel) {
    if (!common::checkSearch(*this)) {
        cancel = true;
        return;
    }
    lkpCodArt_->SetConnection(connection_.get());
    controls::ApplyLookup(*lkpCodArt_, lookups().Items());
}

}  // namespace card
