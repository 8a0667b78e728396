#pragma once
// Tab 1 of the item card: one of the item's active variants at a time, its
// options (MG5E_OPZIONI, shared by every item of the company) in the source
// list, the composition of its grouping in the destination list. This class
// holds the options editor; the grouping code and composition editors work
// on the same StatoOpzioni and place their controls in areaRaggruppamento().

#include <string>

#include "common/item_card.h"
#include "groupings/carica_combo_varianti.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace groupings {

struct StatoOpzioni;

class GestioneVariantiTab : public common::CardTab {
public:
    explicit GestioneVariantiTab(common::ItemCard& card);
    ~GestioneVariantiTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_GestioneVarianti
    void clear() override;
    void release() override;

    StatoOpzioni& stato() const;

    // ---- event procedures
    void CBO_TIPOVAR1_Click();
    void CMD_OPZORIG_NUOVO_Click();
    void CMD_OPZORIG_SALVA_Click();  // SalvaRecordOpzione
    void CMD_OPZORIG_ELIMINA_Click();
    bool TXT_OPZIONE_ORIG_Validate();  // true: the box refuses to be left
    void TXT_DESOPZIONE_ORIG_AfterEntry();
    void GRDX_VARIANTI_SOURCE_RowChanged();
    void GRDX_VARIANTI_SOURCE_CheckToggled(long row);
    void CMD_DASELEZ_ButtonClick();
    void CMD_RUBRICA1_ButtonClick();
    void CMD_SEARCH_Click();
    void CMD_LINK1_Click();
    void InitGRDX_VARIANTI_SOURCE();
    void InitGRDX_VARIANTI_DESTI();

    // ---- controls of the tab (the shared lists and boxes are in stato())
    QPushButton* CMD_OPZORIG_NUOVO = nullptr;
    QPushButton* CMD_OPZORIG_SALVA = nullptr;
    QPushButton* CMD_OPZORIG_ELIMINA = nullptr;
    QPushButton* CMD_SEARCH = nullptr;
    QPushButton* CMD_LINK1 = nullptr;
    QPushButton* CMD_DASELEZ = nullptr;
    QPushButton* CMD_RUBRICA1 = nullptr;
    QPushButton* CMD_ADDSEL = nullptr;
    QWidget* areaRaggruppamento() const { return areaRaggruppamento_; }
    // The filter picture currently shown by CMD_DASELEZ: "PIC_FILTRO" or "PIC_NOFILTRO".
    const std::string& pictureDaselez() const { return pictureDaselez_; }

private:
    void azzeraTabStati();
    QWidget* areaRaggruppamento_ = nullptr;
    std::string pictureDaselez_ = "PIC_FILTRO";
};

}  // namespace groupings
