#pragma once
// Tab 2 of the item card: for one variant of the item, the description each
// customer or supplier uses for the options (MG5S_VARCLIFOR). The user picks
// the variant, the kind of counterpart and its code; the rows of that
// counterpart are listed in GRD_TRASCF and edited one at a time in the record
// frame FME_TRASCF. When the item uses a grouping for the variant, the list
// and the option lookup can be narrowed to the grouping's options.
//
// The rows do not depend on the item: the item only decides which variants
// can be chosen and which grouping narrows the list.

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"
#include "platform/db/value.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace transcoding {

struct StatoTrascodifica;

class TrascodificaVariantiTab : public common::CardTab {
public:
    explicit TrascodificaVariantiTab(common::ItemCard& card);
    ~TrascodificaVariantiTab() override;

    void build(QWidget* page) override;
    void load() override;  // Tab_TrascodificaVarianti
    void clear() override;
    void release() override;
    // Another item or a new search: an edit of the rows shown is concluded.
    void itemShown() override;
    void newSearch() override;

    StatoTrascodifica& stato() const;

    // ---- procedures
    void InitGRD_TRASCF();
    void DTS_Descri_Clifor();
    bool ChiudiFrameworkTrascf();
    void RicaricaDecodificaClifor();

    // ---- event procedures
    void CBO_TIPOVAR2_Click();
    void CBO_CLIFOR_Click();
    void CMD_FILTROCLIFOR_Click();
    void TXT_CLIFOR_StartLookup();
    void TXT_CLIFOR_StartDecode(bool& cancel);
    void TXT_CLIFOR_AfterItem();
    void TXT_CLIFOR_MenuEntry(const QString& key);  // "Kpers1": the standard lookup
    void FME_TRASCF_AfterAddNew(bool success);
    void FME_TRASCF_BeforeUpdate(bool& cancel);
    void FME_TRASCF_ValidateRecord(QWidget*& invalidControl, bool& cancel);
    void FME_TRASCF_ChangeStatus(int status);
    void FME_TRASCF_BeforeDelete(bool& cancel);
    void TXT_OPZIONECF_StartLookup();
    void TXT_OPZIONECF_StartDecode(bool& cancel);
    void TXT_OPZIONECF_AfterItem();
    void GRIDNAV_TRASCF_AfterButtonClick(bool success, const QString& key);
    // The computed column "Descrizione": the option's description, within
    // the item's grouping when it has one there; empty on any failure.
    db::Value GRD_TRASCF_UnboundRead(long row);
    // Deletes the current row after a question (button and Del on the grid).
    void CMD_ELIMINACF_Click();
    void CMD_RIBALTA_Click();

    // ---- tab state
    const std::string& variante() const;
    const std::string& raggruppamento() const;
    bool filtro() const;
    // The counterpart lookup lists only counterparts with transcodings.
    bool restrizioneClifor() const { return restrizioneClifor_; }
    const std::string& sqlBase() const { return sqlBase_; }
    db::Recordset* rsTrascf() const { return rs_.get(); }
    controls::RecordFrame* FME_TRASCF() const { return frame_.get(); }
    // "PIC_FILTRO" or "PIC_NOFILTRO", the picture CMD_FILTROCLIFOR shows.
    const std::string& pictureFiltro() const { return pictureFiltro_; }

    // ---- controls
    QPointer<QComboBox> CBO_TIPOVAR2;
    QPointer<QComboBox> CBO_CLIFOR;
    QPointer<QLabel> LBL_CLIFOR;  // "Codice Cliente" / "Codice Fornitore"
    QPointer<controls::LookupBox> TXT_CLIFOR;
    QPointer<QLabel> LBL_RAGSOCCF;  // the counterpart's name
    QPointer<QToolButton> CMD_FILTROCLIFOR;
    QPointer<QLabel> LBL_GRD_TRASCF;  // the grid's caption
    QPointer<controls::DataGrid> GRD_TRASCF;
    QPointer<controls::GridNavigator> GRIDNAV_TRASCF;
    QPointer<QGroupBox> FRAME_DESCRCF;
    QPointer<controls::LookupBox> TXT_OPZIONECF;
    QPointer<QLabel> LBL_DESOPZIONECF;  // the option's description
    QPointer<QLineEdit> TXT_DESCRCF;
    QPointer<QPushButton> CMD_ELIMINACF;
    QPointer<QPushButton> CMD_RIBALTA;

protected:
    // The counterpart box gets its second lookup, "Lookup standard".
    void firstActivation() override;

private:
    bool articoloAVarianti() const;
    std::string tipoCF() const;  // {TipoCF}: "0" or "1"
    std::string cliFor() const;  // {CliFor}: the number typed, "0" when blank
    std::string titolo();
    int messaggio(const std::string& text, int style);
    void aggiornaStato();
    void mostraDescrizioneOpzione();
    std::string descrizioneOpzione(const std::string& opzione);
    void mostraFiltro();
    // The grid detached, the frame released, its rows closed.
    void dropFrame();

    std::unique_ptr<db::Recordset> rs_;
    std::unique_ptr<controls::RecordFrame> frame_;
    std::string sqlBase_;
    std::string pictureFiltro_ = "PIC_FILTRO";
    bool restrizioneClifor_ = false;
    std::string opzioneOriginale_;  // option of the row when its change began
    // Descriptions of the computed column by option, read once per reload.
    std::map<std::string, std::string> descrizioni_;
    // Context of the controls' connections: they end with the tab, before
    // its page goes.
    QObject contesto_;
};

}  // namespace transcoding
