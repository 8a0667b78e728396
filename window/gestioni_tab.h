#pragma once
// Tab 9 of the item card: the page of the linked-management commands and,
// below a movable split, the pane of the bill-of-materials duplication.
// Both panes are filled by their own modules; this tab owns the page.

#include <QPointer>
#include <memory>

#include "common/card_pane.h"
#include "common/item_card.h"
#include "platform/controls/forward.h"

class QGroupBox;

namespace card {

class GestioniTab : public common::CardTab {
public:
    explicit GestioniTab(common::ItemCard& card);

    void build(QWidget* page) override;
    void load() override;  // Tab_Gestioni
    void applySplit() override;
    void beforeTabSwitch() override;
    void newSearch() override;
    void release() override;

    QPointer<QGroupBox> FRAME_GESTIONI;  // the menu buttons CMD_GEST...
    QPointer<QGroupBox> FRAME_DUPL;      // the duplication pane
    QPointer<controls::SplitRegion> SplitRegionDupl;
    // The pane registered for FRAME_DUPL (the duplication of bills of
    // materials); nullptr when its library is not linked.
    common::CardPane* duplPane() const { return duplPane_.get(); }

protected:
    void firstActivation() override;

private:
    // Passes one of the tab's events on to the pane, when there is one.
    void toPane(void (common::CardPane::*event)());

    std::unique_ptr<common::CardPane> duplPane_;
};

}  // namespace card
