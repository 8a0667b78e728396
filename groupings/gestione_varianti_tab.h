#pragma once
// Tab 1 of the item card: one of the item's active variants at a time, its
// options (MG5E_OPZIONI, shared by every item of the company) in the source
// list, the grouping chosen for it in the grouping box and the grouping's
// composition in the destination list. This class builds the page and holds
// the options editor; the grouping codes (codici_raggruppamento.h) and the
// composition commands (composizione_raggruppamento.h) work on the same
// StatoOpzioni.

#include <QPointer>
#include <string>

#include "common/item_card.h"
#include "groupings/carica_combo_varianti.h"
#include "platform/controls/forward.h"

class QLayout;
class QPushButton;
class QWidget;

namespace groupings {

struct StatoOpzioni;
struct UnconfirmedOption;

class GestioneVariantiTab : public common::CardTab {
public:
    explicit GestioneVariantiTab(common::ItemCard& card);
    ~GestioneVariantiTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_GestioneVarianti
    void clear() override;
    void applySplit() override;
    void release() override;
    // A side-bar choice leaves the tab: a grouping change is settled first.
    void beforeSidebarChoice() override;
    // A new search: an option's edit not confirmed is offered for storing first.
    void newSearch() override;
    void beforeItemChange() override;

    StatoOpzioni& stato() const;

    // ---- event procedures
    void CBO_TIPOVAR1_Click();
    void CMD_OPZORIG_NUOVO_Click();
    void CMD_OPZORIG_SALVA_Click();  // SalvaRecordOpzione
    void CMD_OPZORIG_ELIMINA_Click();
    bool TXT_OPZIONE_ORIG_Validate();  // true: the box refuses to be left
    void TXT_DESOPZIONE_ORIG_AfterEntry();
    void GRDX_VARIANTI_SOURCE_RowChanged();
    // What was typed for the option left and not confirmed, offered for storing.
    void offerUnconfirmedSource(const UnconfirmedOption& edit, const std::string& target);
    // The same for both lists' boxes before they show another variant.
    void settleUnconfirmedEdits();
    // A tick of either list, written into its work table.
    void GRDX_CheckEditToggleClick(bool sorgente, long row);
    void CMD_DASELEZ_ButtonClick();
    void CMD_RUBRICA1_ButtonClick();
    void CMD_SEARCH_Click();
    void CMD_LINK1_Click();
    void InitGRDX_VARIANTI_SOURCE();
    void InitGRDX_VARIANTI_DESTI();
    // The destination list becomes the active list (true) or the source list.
    void SetListActive(bool destinazione);

    QPointer<QPushButton> CMD_LINK1;
    // The source list | the composition commands | the destination list.
    QPointer<controls::SplitRegion> SplitRegion1;
    // The filter picture currently shown by CMD_DASELEZ: "PIC_FILTRO" or "PIC_NOFILTRO".
    const std::string& pictureDaselez() const { return pictureDaselez_; }

private:
    // The parts of the page, as build() puts them together.
    QLayout* createVariantBox(QWidget* page);
    QWidget* createSourceBox(QWidget* page);
    QWidget* createCommandsBox(QWidget* page);
    QWidget* createDestinationBox(QWidget* page);
    void connectListEvents(QWidget* page);
    void connectGroupingEvents(QWidget* page);

    std::string pictureDaselez_ = "PIC_FILTRO";
};

}  // namespace groupings
