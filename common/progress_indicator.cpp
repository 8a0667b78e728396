#include "common/progress_indicator.h"

#include <QApplication>

#include "common/item_card.h"
#include "common/window_services.h"
#include "platform/controls/progress.h"

namespace common {

void ShowProgress(ItemCard& card, const std::string& testo, long numero) {
    if (controls::ProgressPanel* progress = card.KOV_PROGRESS1())
        progress->Start(QString::fromStdString(card.services().TraduciTesto(testo, numero)), 0);
    if (qApp)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void HideProgress(ItemCard& card) {
    if (controls::ProgressPanel* progress = card.KOV_PROGRESS1())
        progress->Finish();
    if (qApp)
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
}

}  // namespace common
