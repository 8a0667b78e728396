#pragma once
// Tab 6 of the item card: states of the combinations of one option of a
// first variant with one option of a second variant, and a default state
// for the pair, for the current item or for all items (MG5W_PROVSTATI).
// Two presentations of the same rows: a cross grid (options of the first
// variant as columns, of the second as rows) and a list of combinations
// edited one at a time in the record frame FME_COMBI.
//
// Rows always store the lesser variant code first ("A3" before "B0"), so a
// combination is found whichever variant the user chose first. Every
// change is written at once; choosing the empty state deletes the row.

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
class QLayout;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace states {

class BandHeader;
class StateGrid;

class StatiCombinazioneTab : public common::CardTab {
public:
    explicit StatiCombinazioneTab(common::ItemCard& card);
    ~StatiCombinazioneTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_StatiCombinazione
    void clear() override;
    void beforeTabSwitch() override;
    void release() override;

    // ---- selectors
    void CBO_TIPOCOMBINAZIONE_Click();
    void CBO_TIPOCONF6_Click();
    void CBO_TIPOVAR6_1_Click();
    void CBO_TIPOVAR6_2_Click();
    void TXT_RAGGR6_1_StartLookup();
    void TXT_RAGGR6_1_StartDecode();
    void TXT_RAGGR6_1_AfterItem();
    void TXT_RAGGR6_2_StartLookup();
    void TXT_RAGGR6_2_StartDecode();
    void TXT_RAGGR6_2_AfterItem();
    void CaricaValoreVariante1();
    void CaricaValoreVariante2();
    // Rebuilds the presentation shown.
    void CombinazioneVarianti();

    // ---- cross grid
    void CreaCombinazioneVarianti();
    void LoadCombinazioneVarianti();
    void VisualizzaCombinazioneVarianti();
    void InitGRDX_COMBINAZIONI();
    std::string GetDescrizioneOpzione(const std::string& variante, const std::string& opzione,
                                      const std::string& raggr);
    void SalvaGRDX_COMBINAZIONI(const db::Value& valore);
    void SalvaRecordCombinazione(const std::string& colonna);
    // The assignment of the cell in the column of a first-variant option
    // and the row of a second-variant option.
    RigaStato RigaCombinazione(const std::string& colonna, const std::string& opzioneRiga) const;
    void GRDX_COMBINAZIONI_CloseUp(int column, long row);
    void GRDX_COMBINAZIONI_ValueTyped(int column, long row, const QString& testo);

    // ---- default state of the pair
    void CaricaDefaultCombinazione(const std::string& condArt, const std::string& varA,
                                   const std::string& varB);
    void SalvaDefaultCombinazione(const db::Value& stato);
    void TXT_STATODEF_StartLookup();
    void TXT_STATODEF_StartDecode();
    void TXT_STATODEF_Validate();
    void VisualizzaIndicatoreStato();

    // ---- list of combinations
    void AttivaFrameworkCombi();
    bool ChiudiFrameworkCombi();
    void Configura_QGRID_COMBI();
    void RicaricaCombi();
    void FME_COMBI_ValidateRecord(QWidget*& invalid, bool& cancel);
    void FME_COMBI_AfterAddNew(bool success);
    void FME_COMBI_BeforeUpdate(bool& cancel);
    void FME_COMBI_ChangeStatus(int status);
    void FME_COMBI_BeforeDelete(bool& cancel);
    void GRIDNAV_COMBI_AfterButtonClick(bool success, const QString& key);
    void CMD_ELIMINACOMBI_Click();
    void TXT_OPZIONE1_StartLookup();
    void TXT_OPZIONE1_StartDecode();
    void TXT_OPZIONE1_AfterItem();
    void TXT_OPZIONE2_StartLookup();
    void TXT_OPZIONE2_StartDecode();
    void TXT_OPZIONE2_AfterItem();
    void TXT_STATOCOMBI_StartLookup();
    void TXT_STATOCOMBI_StartDecode();
    void TXT_STATOCOMBI_StartEdit();
    void TXT_STATOCOMBI_AfterItem();

    // ---- tab state
    const std::string& variante1() const { return var1_; }
    const std::string& variante2() const { return var2_; }
    const std::string& raggr1() const { return raggr1_; }
    const std::string& raggr2() const { return raggr2_; }
    const db::Value& statoDefault() const { return defId_; }
    int statoDefaultAttivo() const { return defAttivo_; }
    db::Recordset* rsCross() const { return rsCross_.get(); }
    db::Recordset* rsCombi() const { return rsCombi_.get(); }
    const std::string& sqlCombi() const { return sqlCombi_; }
    controls::RecordFrame* FME_COMBI() const { return frame_.get(); }
    // The lesser and the greater of the two variant codes.
    std::string varA() const;
    std::string varB() const;
    bool coppiaValida() const { return !var1_.empty() && !var2_.empty() && var1_ != var2_; }

    // ---- controls
    QPointer<QComboBox> CBO_TIPOCOMBINAZIONE;
    QPointer<QComboBox> CBO_TIPOCONF6;
    QPointer<QLabel> LBL_TIPOVAR6_1;  // caption above the first selector
    QPointer<QLabel> LBL_TIPOVAR6_2;
    QPointer<QComboBox> CBO_TIPOVAR6_1;
    QPointer<QComboBox> CBO_TIPOVAR6_2;
    QPointer<controls::LookupBox> TXT_RAGGR6_1;
    QPointer<controls::LookupBox> TXT_RAGGR6_2;
    QPointer<QLineEdit> TXT_DESRAGGR6_1;
    QPointer<QLineEdit> TXT_DESRAGGR6_2;
    QPointer<QLabel> LBL_OPZIONE1;
    QPointer<QLabel> LBL_OPZIONE2;
    QPointer<controls::LookupBox> TXT_STATODEF;
    QPointer<QLineEdit> TXT_DESSTATODEF;
    QPointer<QLabel> IMG_OK;
    QPointer<QLabel> IMG_KO;
    QPointer<QLabel> LBL_AVVISO;  // why nothing is shown, when nothing is
    QPointer<QWidget> AREA_GRIGLIA;
    QPointer<StateGrid> GRDX_COMBINAZIONI;
    QPointer<BandHeader> BANDE_COMBINAZIONI;
    QPointer<QWidget> FRAME_COMBINAZIONI;
    QPointer<controls::DataGrid> GRD_COMBI;
    QPointer<controls::GridNavigator> GRIDNAV_COMBI;
    QPointer<QPushButton> CMD_ELIMINACOMBI;
    QPointer<controls::LookupBox> TXT_OPZIONE1;
    QPointer<controls::LookupBox> TXT_OPZIONE2;
    QPointer<QLineEdit> TXT_DESOPZIONE1;
    QPointer<QLineEdit> TXT_DESOPZIONE2;
    QPointer<controls::LookupBox> TXT_STATOCOMBI;
    QPointer<QLineEdit> TXT_DESSTATOCOMBI;
    // TXT_STATOCOMBI refuses an empty text.
    bool statoCombiObbligatorio = true;

private:
    QLayout* buildSelectors(QWidget* page);
    void buildGrid(QWidget* page);
    void buildList(QWidget* page);
    void connectEvents(QWidget* page);
    int presentazione() const;
    int ambito() const;
    std::string condArt() const;
    std::string descrizioneVariante(const QComboBox* combo) const;
    void mostraAvviso();
    void salvaSeCompleta();
    void opzioneScelta(int quale, controls::LookupBox* box, QLineEdit* descrBox,
                       const char* procedura);
    void mostraStatoRiga();
    // Elimina is on only while there is a row to delete (a stored one or a new one).
    void updateDeleteButton();
    std::string campoOpzione(int quale) const;  // the option column a box edits
    void scollegaGriglia();

    std::string var1_, var2_, raggr1_, raggr2_;
    db::Value defId_ = 0;
    int defAttivo_ = -1;
    std::string defDescr_;
    std::string ultimoStato_;  // TXT_STATOCOMBI when its editing started
    std::unique_ptr<db::Recordset> rsCross_;
    std::unique_ptr<db::Recordset> rsCombi_;
    std::string sqlCombi_;
    std::unique_ptr<controls::RecordFrame> frame_;
    bool crossPronta_ = false;     // #TMP_CROSSVAR was built by the last rebuild
    bool prendendoStato_ = false;  // TXT_STATOCOMBI is writing the row's state
};

}  // namespace states
