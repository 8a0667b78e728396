#include "common/progress_indicator.h"

#include <QApplication>
#include <QLayout>

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

controls::ProgressPanel* OwnProgressPanel(ItemCard& card, QWidget* parent, QLayout* layout) {
    if (card.KOV_PROGRESS1())
        return nullptr;
    auto* panel = new controls::ProgressPanel(parent);
    panel->setObjectName("KOV_PROGRESS1");
    panel->hide();
    layout->addWidget(panel);
    return panel;
}

}  // namespace common
