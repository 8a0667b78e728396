// Closing the window, a change of company and the navigator moving to another
// item: pending edits of every frame are settled first. Only the host's
// form-event object may refuse the close.

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QPointer>

#include "common/pending_edits.h"
#include "platform/controls/record_frame.h"
#include "window/frmmg_veldrano.h"

namespace card {

bool FRMMG_VELDRANO::Update() {
    // The item's edits, then every tab's: the new company's item list drops
    // them all. Cancel keeps the edits and the company.
    leaveFocusedBox();
    if (fmeArt_ && !fmeArt_->SaveIfNeeded(true, false, true))
        return true;
    for (controls::RecordFrame* frame : findChildren<controls::RecordFrame*>())
        if (frame != fmeArt_.get() && frame->Recordset() && !frame->SaveIfNeeded(true, false, true))
            return true;
    return false;
}

void FRMMG_VELDRANO::leaveFocusedBox() {
    QPointer<QWidget> box = QApplication::focusWidget();
    if (!box || !isAncestorOf(box))
        return;
    // A cell being typed in is its grid's to conclude: its list may be open
    // on a half-typed code.
    for (QWidget* w = box; w; w = w->parentWidget())
        if (qobject_cast<QAbstractItemView*>(w))
            return;
    box->clearFocus();
    // Back where the user was, unless leaving put the focus somewhere on purpose.
    if (box && !QApplication::focusWidget() && box->isEnabled() && box->isVisible())
        box->setFocus(Qt::OtherFocusReason);
}

bool FRMMG_VELDRANO::concludeTabEdits() {
    // The navigator is about to show another item: what was typed on a tab
    // is saved for the item it belongs to, dropped, or kept with the item.
    leaveFocusedBox();
    // Frames first: their Annulla keeps the item, and nothing else is asked.
    for (controls::RecordFrame* frame : findChildren<controls::RecordFrame*>())
        if (frame != fmeArt_.get() && !common::concludeBeforeLeaving(services_, *frame))
            return false;
    for (auto& t : tabs_)
        if (t)
            t->beforeItemChange();
    return true;
}

void FRMMG_VELDRANO::closeEvent(QCloseEvent* e) {
    if (!unloaded_ && loaded_) {
        leaveFocusedBox();
        // Only the host's form-event object may refuse the close.
        bool cancel = false;
        Form_QueryUnload(cancel, 0);
        if (cancel) {
            e->ignore();
            return;
        }
        // Pending edits of the item are saved or dropped, never kept: the
        // tabs' frames do the same as they are released.
        if (fmeArt_)
            common::concludeOnClose(services_, *fmeArt_, "Form_QueryUnload");
        Form_Unload();
    }
    e->accept();
}

}  // namespace card
