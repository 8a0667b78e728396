#pragma once
// Tabs 10 and 11 of the item card: the codes under which customers
// (Tab_Artcli) and suppliers (Tab_Artfor) know the current item and its
// variant articles (MG73_ARTCLIFOR). A record frame over the tab's work
// table joined to MG73_ARTCLIFOR, with its grid, grid navigator and row
// editor; one implementation, told the kind by TipoArtCliFor.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "common/item_card.h"
#include "itemcodes/tipo_artclifor.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/forward.h"

namespace itemcodes {

// Message numbers of the notices both tabs show alike; those that name the
// counterpart (customer or supplier) are in TipoArtCliFor.
inline constexpr long kMsgTroppoLungo = 91622;        // a text beyond its column
inline constexpr long kMsgVarianteEstranea = 91623;   // not a variant article of the item
inline constexpr long kMsgGestioneConCodici = 91624;  // the flag cannot change

// Programs of the host that manage customer and supplier item codes in full.
inline constexpr const char* kProgrammaArticoliClienti = "MG.ARTCLI";
inline constexpr const char* kProgrammaArticoliFornitori = "MG.ARTFOR";

class ArtCliForTab : public common::CardTab {
public:
    ArtCliForTab(common::ItemCard& card, const TipoArtCliFor& tipo);
    ~ArtCliForTab() override;

    const TipoArtCliFor& tipo() const { return tipo_; }

    void build(QWidget* page) override;
    void load() override;   // Tab_Artcli / Tab_Artfor
    void clear() override;  // PulisciTab: grid detached, detail emptied
    void release() override;
    void itemShown() override;  // another item: this tab's pending edits concluded
    void newSearch() override;

    // ---- procedures
    // Builds the work table, the recordset and the frame; false when it was left.
    bool AttivaFrameworkArtclifor();
    // Ends the frame; with chiediSalvataggio the user concludes pending
    // edits first. Answers whether they were concluded.
    bool DisattivaFrameworkArtclifor(bool chiediSalvataggio);
    void RefreshArtclifor();
    void CheckArtcliforRows();
    void Configura_QGRID_ARTCLIFOR();
    // Whether another customer/supplier is already the preferred one of the
    // item and the variant article in the editor (and says so).
    bool EsisteCliForPreferenziale(int tipo, long codice);
    void Invoca_ArtClifor(int tipo, const std::string& opzione);
    void InvocaGestione_LISTINI(int tipo, long codice, const std::string& artCliFor);

    // ---- events
    void FME_ARTCLIFOR_AfterAddNew(bool success);
    void FME_ARTCLIFOR_AfterUpdate(bool success);
    void FME_ARTCLIFOR_AfterUndo();
    void FME_ARTCLIFOR_AfterDelete(bool success);
    void FME_ARTCLIFOR_ValidateRecord(QWidget*& invalid, bool& cancel);
    void FME_ARTCLIFOR_BeforeUpdate(bool& cancel);
    void FME_ARTCLIFOR_BeforeDelete(bool& cancel);
    void FME_ARTCLIFOR_ChangeStatus(int status);
    void CHK_ARTCLIFOR_Click();
    void CHK_FLGDESCPERSCLIFOR_Click();
    void GRIDNAV_ARTCLIFOR_AfterButtonClick(bool success, const QString& key);
    void GRD_ARTCLIFOR_ButtonClick(int column, long row);
    void TXT_CLIFOR_OPZIONE_StartLookup(bool& cancel);
    void TXT_CLIFOR_OPZIONE_StartDecode(bool& cancel);
    void TXT_CLIFOR_OPZIONE_AfterItem();
    void TXT_ARTCLIFOR_AfterItem();
    void TXT_CODCLIFOR_StartLookup(bool& cancel);
    void TXT_CODCLIFOR_StartDecode(bool& cancel);
    void TXT_CODCLIFOR_AfterItem();
    // The Delete key on the grid: asks, then the frame deletes the row.
    void DeleteCurrentRow();

    // ---- window state of the tab
    const std::string& tabellaLavoro() const { return workTable_; }
    const std::string& sqlArtclifor() const { return sql_; }
    const std::string& nomeChiavePrimaria() const { return pkName_; }
    db::Recordset* recordset() const { return rs_.get(); }
    controls::RecordFrame* frame() const { return FME_ARTCLIFOR; }

    // ---- controls
    QPointer<QCheckBox> CHK_ARTCLIFOR;  // "Gestione articoli cliente/fornitori"
    QPointer<controls::DataGrid> GRD_ARTCLIFOR;
    QPointer<controls::GridNavigator> GRIDNAV_ARTCLIFOR;
    QPointer<QWidget> FRAME_ARTCLIFOR;  // the row editor
    QPointer<controls::LookupBox> TXT_CLIFOR_OPZIONE;
    QPointer<QLineEdit> TXT_CODART_CLIFOR;
    QPointer<QLineEdit> TXT_ARTCLIFOR;
    QPointer<controls::LookupBox> TXT_CODCLIFOR;
    QPointer<QLineEdit> TXT_DESCODCLIFOR;
    QPointer<QPlainTextEdit> TXT_DESCARTCLIFOR;
    QPointer<QCheckBox> CHK_FLGDESCPERSCLIFOR;
    QPointer<QPlainTextEdit> TXT_NOTEARTCLIFOR;
    QPointer<QPlainTextEdit> TXT_DESCARTESTCLIFOR;
    QPointer<QCheckBox> CHK_FLGCLIFORPREF;

private:
    void abilitaGestione(bool on);
    void abilitaDescrizione();
    void cercaRecord();  // the frame's look-up of a new row's key
    void timbraUltimaModifica();
    long contaCodici();
    bool rigaCorrente() const;
    db::Value campo(const char* field) const;
    // The item of the row in the editor: an edit settled after the item
    // changed belongs to the item it was made on.
    std::string articoloRiga() const;
    // A column of the stored row the current row was read from (its key as
    // the work table keeps it); Empty for a new row.
    db::Value valoreSalvato(const char* column) const;
    bool editorHaFuoco() const;
    // Makes this tab's frame the host's active frame, or gives it back to the item's.
    void rendiAttivo(bool questo);
    void messaggio(const std::string& testo, long numero, int stile,
                   const common::Parametri& parametri = std::nullopt);

    const TipoArtCliFor& tipo_;
    QPointer<QWidget> page_;
    QMetaObject::Connection focusWatch_;
    QPointer<controls::RecordFrame> FME_ARTCLIFOR;
    std::unique_ptr<db::Recordset> rs_;
    int listener_ = 0;
    std::string workTable_;
    std::string sql_;
    std::string pkName_;
    bool grigliaBloccata_ = false;  // suppliers: a new row holds the grid
};

}  // namespace itemcodes
