#pragma once
// Tab 12 of the item card, Tab_Generad: for every variant article of the
// item, its stored description next to a newly composed one, in the chosen
// language; the user picks rows, edits the new texts and stores them. The
// composing, checking and storing are the description calculator's
// (QELTA_DESCRVARIANTI.CLSFW_CALCDESCRVAR); this tab drives it.

#include <QPointer>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "platform/controls/forward.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace descriptions {

class CalcDescrVar;

class GeneradTab : public common::CardTab {
public:
    explicit GeneradTab(common::ItemCard& card);
    ~GeneradTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_Generad, every time the tab is shown
    void clear() override;
    void release() override;

    void Tab_Generad();
    void Configura_QGRID_GENERAD();
    void CMD_PRELOAD_ButtonClick();
    void CMD_MEMO_ButtonClick();
    // "Ktutte", "Knessuna", "Kinverti", "Krighe".
    void TBAR_SELEZIONA_MenuItemClick(const std::string& key);
    void TBAR_DESELEZIONA_MenuItemClick(const std::string& key);
    // Picks (or unpicks) the result's current row.
    void SelezionaRighe(bool pick);
    void QGRID_GENERAD_CheckEditToggleClick(int column, long row, bool& cancel);
    void CBO_LINGUA_Click();
    void CHK_VALCONFVAR_Click();

    // The language handed to the calculator: the first four characters of
    // the chosen entry ("" for the base language).
    std::string lingua() const;
    CalcDescrVar* generatore() const { return calc_; }

    QPointer<QComboBox> CBO_LINGUA;
    QPointer<QCheckBox> CHK_VALCONFVAR;
    QPointer<QCheckBox> CHK_MEMDESCLINGUE;
    QPointer<QCheckBox> CHK_SOVRASCRIVI;
    QPointer<QPushButton> CMD_PRELOAD;
    QPointer<QPushButton> CMD_MEMO;
    QPointer<QToolButton> TBAR_SELEZIONA;
    QPointer<QToolButton> TBAR_DESELEZIONA;
    QPointer<QLabel> LBL_ELAB;
    QPointer<controls::DataGrid> QGRID_GENERAD;
    controls::ProgressPanel* progress();

private:
    void LoadLanguages();
    void bind();
    void showOptionColumns();

    std::unique_ptr<framework::Cinterface> generator_;
    CalcDescrVar* calc_ = nullptr;
    bool configured_ = false;
    QPointer<controls::ProgressPanel> ownProgress_;
};

}  // namespace descriptions
