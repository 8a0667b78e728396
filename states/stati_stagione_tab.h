#pragma once
// Tab 4 of the item card: states of the options of one variant of the item
// in one season (MG5U_VARSTAG), within the grouping the item uses for the
// variant. Nothing is shown until a variant, a known season and a valid
// grouping are given; every change is written at once and the empty state
// deletes the row.

#include <QPointer>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "platform/db/value.h"
#include "states/state_rows.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QString;

namespace states {

class StateGrid;

class StatiStagioneTab : public common::CardTab {
public:
    explicit StatiStagioneTab(common::ItemCard& card);
    ~StatiStagioneTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_StatiStagione
    void clear() override;
    void release() override;

    void CBO_TIPOVAR4_Click();
    void TXT_STAGIONE4_StartLookup();
    void TXT_STAGIONE4_StartDecode();
    void TXT_STAGIONE4_AfterItem();
    void TXT_RAGGR4_StartDecode();
    // The season loader.
    void CaricaStatiOpzioni();
    void SalvaRecordStagione();
    void GRDX_STATI_STAGIONI_CloseUp(int column, long row);
    void GRDX_STATI_STAGIONI_ValueTyped(int column, long row, const QString& testo);
    void InitGRDX_STATI_STAGIONI();

    // ---- tab state
    const std::string& variante() const { return var_; }
    const std::string& raggrArticolo() const { return raggr_; }
    const db::Value& idStagione() const { return idStagione_; }
    db::Recordset* rsStagioni() const { return rsStagioni_.get(); }

    // ---- controls
    QPointer<QComboBox> CBO_TIPOVAR4;
    QPointer<controls::LookupBox> TXT_RAGGR4;
    QPointer<QLineEdit> TXT_DESRAGGR4;
    QPointer<controls::LookupBox> TXT_STAGIONE4;
    QPointer<QLineEdit> TXT_DESSTAGIONE4;
    QPointer<QLineEdit> TXT_CODSTAGIONE4;
    QPointer<QLineEdit> TXT_ANNO4;
    QPointer<QLabel> LBL_AVVISO4;
    QPointer<StateGrid> GRDX_STATI_STAGIONI;

private:
    void mostraAvviso();
    RigaStato rigaStagione(const std::string& opzione) const;
    void attivaIncolla();
    std::string var_;
    std::string raggr_;
    db::Value idStagione_ = 0;
    std::unique_ptr<db::Recordset> rsStagioni_;
};

}  // namespace states
