#pragma once
// "Duplica distinte": the pane of tab 9 (FRAME_DUPL) in which the user
// previews the variant articles that a choice of options gives the current
// item (#COMBIVAR from SPMG_COMBIVAR, one common table expression per
// variant, their cross join into #PREVIEW) and copies the bill of materials
// of an origin item onto the variant articles picked in the preview. The
// same pane starts the item duplication (CMD_DUPLART).

#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "common/card_pane.h"
#include "platform/controls/forward.h"
#include "platform/db/forward.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace duplication {

class BomDuplicator;
class VariantPreparer;

class DuplPane : public common::CardPane {
public:
    explicit DuplPane(common::ItemCard& card);
    ~DuplPane() override;

    void build(QWidget* frame) override;
    bool run(const std::string& procedure)
        override;  // "CreazioneDistinte", "Invoca_DuplicazioneArticolo"
    void firstActivation() override;
    void beforeTabSwitch() override;  // the pane hides until opened again
    void newSearch() override;
    void release() override;

    // ---- preview
    void CreazioneDistinte();
    bool CaricaRSTMG5F();
    bool CreaTemporaneaCombivar();
    bool CaricaCombivar(const std::string& item);
    bool Configura_QGRID_STRUTT_DESTI(const std::string& item);
    bool Configura_QGRID_PREVIEW();
    void CMD_ANTEPRIMA_ButtonClick();
    bool CreaAnteprima();
    bool CreaQueryCTE(const std::string& item);
    bool CaricaAnteprima();
    void TroncaPreview();
    // Structure grid: a click on an option cell flips its selection; a
    // click on an option column's header flips the whole column.
    void QGRID_STRUTT_DESTI_Click(const std::string& columnKey, long row);
    void QGRID_STRUTT_DESTI_BeforeSorting(const std::string& columnKey, bool& cancel);
    // Preview grid: the header check of SELEZ picks or clears every row.
    void QGRID_PREVIEW_HeadCheckClick(const std::string& columnKey, bool ticked, bool& cancel);

    // ---- duplication
    void CMD_DUPL_ButtonClick();
    // Whether the variant article has a bill of materials of kind 0.
    // Answers false when the procedure was left before it could tell.
    bool DistintaGiaPresente(const std::string& item, const std::string& variant, bool& found);
    void CMD_ABORT_Click() { abort_ = true; }
    void CHK_DUPLNOTE_Click();
    void CHK_REGOLE_FASHION_Click();
    void CMD_DUPLART_Click();
    void Invoca_DuplicazioneArticolo();

    // ---- controls
    QPointer<QWidget> FRAME_DUPL;
    QPointer<controls::LookupBox> TXT_ARTICOLO_ORIG;
    QPointer<QLineEdit> TXT_DESCR_ORIG;
    QPointer<controls::LookupBox> TXT_VARIANTE_ORIG;
    QPointer<controls::LookupBox> TXT_ARTICOLO_DESTI;
    QPointer<QLineEdit> TXT_DESART_DESTI;
    QPointer<QCheckBox> CHK_DUPLALTER;
    QPointer<QCheckBox> CHK_DUPLNOTE;
    QPointer<QCheckBox> CHK_GENERALE;
    QPointer<QCheckBox> CHK_COMMERC;
    QPointer<QCheckBox> CHK_CANTIERE;
    QPointer<QCheckBox> CHK_TECNICA;
    QPointer<QCheckBox> CHK_CICLI;
    QPointer<QCheckBox> CHK_REGOLE_FASHION;
    QPointer<QPushButton> CMD_ANTEPRIMA;
    QPointer<QPushButton> CMD_DUPL;
    QPointer<QPushButton> CMD_ABORT;
    QPointer<QPushButton> CMD_DUPLART;
    QPointer<controls::DataGrid> QGRID_STRUTT_DESTI;
    QPointer<controls::DataGrid> QGRID_PREVIEW;
    QPointer<QLabel> LBL_PREVIEW;  // the preview grid's caption
    controls::ProgressPanel* KOV_PROGRESS1();

    // ---- state, for the launcher and the tests
    db::Recordset* structure() const { return rsStrutt_.get(); }
    db::Recordset* preview() const { return rsPreview_.get(); }
    const std::string& previewTable() const { return nomePreview_; }
    bool headerChecked() const { return headCheck_; }
    // The new item code when the last item duplication created one.
    bool articoloDuplicato() const { return articoloDuplicato_; }
    const std::string& codiceDuplicato() const { return codiceDuplicato_; }
    // Emitted after each row of a duplication run (the row's position).
    std::function<void(long)> afterRow;

    // The host's objects; tests put others in place.
    void setDuplicator(std::unique_ptr<BomDuplicator> duplicator);
    std::function<std::unique_ptr<VariantPreparer>()> preparerFactory;

private:
    void buildLookups();
    void configureLookups();
    void structureCell(long row, const std::string& key);
    std::string descriptionOf(long row);
    void setRunning(bool running);
    int sizeOf(const std::string& variant);
    bool definedVariant(const std::string& variant);
    void warnOversizedOptions(const std::string& item);

    std::string nomeCombivar_;
    std::string nomePreview_;
    std::unique_ptr<db::Recordset> rsStrutt_;
    std::unique_ptr<db::Recordset> rsPreview_;
    std::unique_ptr<db::Recordset> rsMG5F_;
    bool creaPreview_ = false;
    bool nessunaSelezione_ = false;
    bool guardia_ = false;
    bool headCheck_ = false;
    bool abort_ = false;
    bool articoloDuplicato_ = false;
    std::string codiceDuplicato_;
    std::unique_ptr<BomDuplicator> duplicatore_;
    std::map<std::string, std::string> descrizioni_;
    QString lastOrigin_;
    QString selezCaption_;
    std::string mg5fDitta_;  // VARIANTE -> MG87_DESCART
    QPointer<controls::ProgressPanel> ownProgress_;
    QPointer<QWidget> frameGuard_;
};

}  // namespace duplication
