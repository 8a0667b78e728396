// Closing the window, a change of company and the navigator moving to another
// item: pending edits of every frame are settled first. Only the host's
// form-event object may refuse the close.

#include <QCloseEvent>

#include "common/pending_edits.h"
#include "platform/controls/record_frame.h"
#include "window/frmmg_veldrano.h"

namespace card {

bool FRMMG_VELDRANO::Update() {
    // The item's edits, then every tab's: the new company's item list drops
    // them all. Cancel keeps the edits and the company.
    if (fmeArt_ && !fmeArt_->SaveIfNeeded(true, false, true))
        return true;
    for (controls::RecordFrame* frame : findChildren<controls::RecordFrame*>())
        if (frame != fmeArt_.get() && frame->Recordset() && !frame->SaveIfNeeded(true, false, true))
            return true;
    return false;
}

bool FRMMG_VELDRANO::concludeTabEdits() {
    // The navigator is about to show another item: what was typed on a tab
    // is saved for the item it belongs to, dropped, or kept with the item.
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
