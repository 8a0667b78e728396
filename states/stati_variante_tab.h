#pragma once
// Tab 5 of the item card: states of one variant of the item (MG5W_PROVSTATI
// rows about one variant), for the current item or for all items. The
// grouping grid lists the whole variant ("<< TUTTI >>") and its groupings;
// the option grid lists the options of the row selected there, outside any
// grouping for "<< TUTTI >>". Each level is stored by itself; every change
// is written at once and the empty state deletes the row.

#include <QPointer>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QComboBox;
class QLabel;
class QString;

namespace states {

class StateGrid;

class StatiVarianteTab : public common::CardTab {
public:
    explicit StatiVarianteTab(common::ItemCard& card);
    ~StatiVarianteTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_StatiVariante
    void clear() override;
    void applySplit() override;
    void release() override;

    void CBO_TIPOVAR5_Click();
    void CBO_TIPOCONF5_Click();
    void CaricaStatiRaggruppamenti();
    void CaricaStatiOpzioni(const std::string& raggr);
    void SalvaRecordRaggruppamento();
    void SalvaRecordOpzione();
    void GRDX_STATI_RAGGR_RowChanged();
    void GRDX_STATI_RAGGR_CloseUp(int column, long row);
    void GRDX_STATI_OPZIONI_CloseUp(int column, long row);
    void GRDX_STATI_RAGGR_ValueTyped(int column, long row, const QString& testo);
    void GRDX_STATI_OPZIONI_ValueTyped(int column, long row, const QString& testo);
    void InitGRDX_STATI_RAGGR();
    void InitGRDX_STATI_OPZIONI();

    // ---- tab state
    const std::string& variante() const { return var_; }
    const std::string& raggrArticolo() const { return raggrArticolo_; }
    db::Recordset* rsRaggr() const { return rsRaggr_.get(); }
    db::Recordset* rsOpzioni() const { return rsOpzioni_.get(); }

    // ---- controls
    QPointer<QComboBox> CBO_TIPOVAR5;
    QPointer<QComboBox> CBO_TIPOCONF5;
    QPointer<QLabel> LBL_AVVISO5;
    QPointer<StateGrid> GRDX_STATI_RAGGR;
    QPointer<StateGrid> GRDX_STATI_OPZIONI;
    QPointer<controls::SplitRegion> SplitRegion5;  // the grouping grid above the option grid

private:
    int ambito() const;
    void mostraAvviso();
    void attivaIncolla();
    // Writes the state of the current row of either grid (the grouping's
    // own, or an option's when withOption) under the procedure's name.
    void saveRow(const char* procedure, StateGrid* grid, db::Recordset* rs,
                 const char* groupingField, bool withOption);
    bool salvataggio_ = false;  // a row is being written: no reload on row change
    std::string var_;
    std::string raggrArticolo_;
    std::unique_ptr<db::Recordset> rsRaggr_;
    std::unique_ptr<db::Recordset> rsOpzioni_;
};

}  // namespace states
