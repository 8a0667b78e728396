#pragma once
// Tab 9 of the item card: the page of the linked-management commands and,
// below a movable split, the pane of the bill-of-materials duplication.
// Both panes are filled by their own modules; this tab owns the page.

#include <QPointer>

#include "common/item_card.h"

class QGroupBox;

namespace controls {
class SplitRegion;
}

namespace card {

class GestioniTab : public common::CardTab {
public:
    explicit GestioniTab(common::ItemCard& card);

    void build(QWidget* page) override;
    void load() override;  // Tab_Gestioni
    void applySplit() override;

    QGroupBox* FRAME_GESTIONI = nullptr;  // the menu buttons CMD_GEST...
    QGroupBox* FRAME_DUPL = nullptr;      // the duplication pane
    QPointer<controls::SplitRegion> SplitRegionDupl;

private:
    bool splitApplied_ = false;
};

}  // namespace card
