#pragma once
// Tab 8 of the item card: the item's images, through the image viewer.

#include <QPointer>

#include "common/item_card.h"
#include "window/image_viewer.h"

namespace card {

class ImmaginiTab : public common::CardTab {
public:
    explicit ImmaginiTab(common::ItemCard& card);

    void build(QWidget* page) override;
    void load() override;  // Tab_Immagini
    void release() override;

    QPointer<ImageViewer> KOV_VISIMAGE1;
};

}  // namespace card
