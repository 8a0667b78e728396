// The duplication run of the "Duplica distinte" pane: the origin's bill of
// materials copied onto every variant article picked in the preview, one
// transaction per article, with the outcome of each written into ESITO.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "common/box_text.h"
#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "duplication/bom_services.h"
#include "duplication/db_read.h"
#include "duplication/dupl_pane.h"
#include "duplication/preview_sql.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/input_guard.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace duplication {

bool DuplPane::DistintaGiaPresente(const std::string& item, const std::string& variant,
                                   bool& found) {
    common::Procedure p(card(), "DistintaGiaPresente");
    p.step([&] {
        found = returnsRow(card().connection(), sqlBillExists(card().companyCode(), item, variant));
    });
    return p.running();
}

void DuplPane::CMD_DUPL_ButtonClick() {
    common::WindowServices& ws = card().services();
    db::Connection& cn = card().connection();
    const std::string title = card().widget()->windowTitle().toStdString();
    common::Procedure p(card(), "CMD_DUPL_ButtonClick");

    std::unique_ptr<VariantPreparer> preparer;
    std::unique_ptr<controls::InputGuard> guard;
    std::vector<QPointer<QWidget>> closeAfter;
    // A window closed during the run closes once the run, its final message
    // included, is over.
    struct CloseAfter {
        std::vector<QPointer<QWidget>>& windows;
        ~CloseAfter() { controls::closeLater(windows); }
    } closeAfterRun{closeAfter};
    bool filtered = false;
    bool running = false;
    bool failure = false;
    // Step 6 of the run, also when the procedure is left on an error.
    auto finish = [&] {
        try {
            if (filtered && rsPreview_)
                rsPreview_->setFilter("");
            filtered = false;
            if (preparer)
                preparer->SetInterface(nullptr);
            if (guard) {
                closeAfter = guard->closeRequests();
                guard.reset();
            }
            if (running) {
                running = false;
                if (controls::ProgressPanel* bar = KOV_PROGRESS1())
                    bar->Finish();
                setRunning(false);
            }
            QGRID_PREVIEW->Refresh();
        } catch (...) {
        }
    };
    struct Finally {
        std::function<void()> f;
        ~Finally() { f(); }
    } finally{finish};
    p.onAbort([&] { common::rollbackQuietly(cn); });

    p.step([&] {
        if (common::BoxText(TXT_ARTICOLO_ORIG).empty()) {
            ws.VisualizzaMessaggio("Indicare il codice articolo di origine.", 32819,
                                   common::vbCritical, title);
            TXT_ARTICOLO_ORIG->LineEdit()->setFocus();
            p.leave();
            return;
        }
        // A code typed and not yet left is decided as leaving the box would;
        // an origin that is no item would fail every article alike.
        TXT_ARTICOLO_ORIG->DecodePending();
        if (!TXT_ARTICOLO_ORIG->Found()) {
            const std::string code = common::BoxText(TXT_ARTICOLO_ORIG);
            ws.VisualizzaMessaggio("L'articolo di origine " + code + " non esiste.", 91204,
                                   common::vbCritical, title, std::vector<db::Value>{code});
            TXT_ARTICOLO_ORIG->LineEdit()->setFocus();
            TXT_ARTICOLO_ORIG->LineEdit()->selectAll();
            p.leave();
        }
    });
    p.step([&] {
        if (rsPreview_ && rsPreview_->isOpen()) {
            rsPreview_->setFilter("SELEZ = 1");
            filtered = true;
        }
        if (!rsPreview_ || !rsPreview_->isOpen() || rsPreview_->recordCount() == 0) {
            finish();
            ws.VisualizzaMessaggio("Nessun articolo selezionato.", 38832, common::vbCritical,
                                   title);
            p.leave();
        }
    });
    p.step([&] {
        if (ws.VisualizzaMessaggio("Confermi duplicazione distinte base ?", 14692,
                                   common::vbYesNo + common::vbQuestion + common::vbDefaultButton2,
                                   title) != common::vbYes) {
            finish();
            p.leave();
        }
    });

    // The values every row gets, as the user left them.
    const std::string origin = common::BoxText(TXT_ARTICOLO_ORIG);
    const std::string originVariant = common::BoxText(TXT_VARIANTE_ORIG);
    const std::string destination = TXT_ARTICOLO_DESTI->Text().toStdString();
    long total = 0;
    p.step([&] {
        abort_ = false;
        preparer = preparerFactory();
        preparer->SetInterface(card().Pcls_Interface());
        preparer->SetConnection(&cn);
        preparer->SetCompany(&card().company());
        preparer->SetCompanyCode(card().companyCode());
        total = rsPreview_->recordCount();
        running = true;
        setRunning(true);
        guard = std::make_unique<controls::InputGuard>(
            std::vector<QPointer<QWidget>>{QPointer<QWidget>(CMD_ABORT.data()),
                                           QPointer<QWidget>(KOV_PROGRESS1())},
            [this] { abort_ = true; });
        if (controls::ProgressPanel* bar = KOV_PROGRESS1()) {
            bar->Start(QString::fromStdString(ws.TraduciTesto("Elaborazione in corso...", 24146)),
                       total);
            bar->repaint();
        }
    });

    const int fSelez = rsPreview_ ? rsPreview_->fieldIndex("SELEZ") : -1;
    const int fVariante = rsPreview_ ? rsPreview_->fieldIndex("VARIANTE") : -1;
    const int fEsito = rsPreview_ ? rsPreview_->fieldIndex("ESITO") : -1;
    for (long row = 0; p.running() && row < total; ++row) {
        bool done = false;
        p.step([&] {
            done = false;
            if (db::integerOf(rsPreview_->valueAt(row, fSelez)) != 1) {
                done = true;
                return;
            }
            const std::string variant = common::NzValore(rsPreview_->valueAt(row, fVariante), "");
            bool found = false;
            if (!DistintaGiaPresente(destination, variant, found)) {
                // Without knowing whether a bill is there the run goes no further.
                abort_ = true;
                done = true;
                return;
            }
            std::string esito;
            if (found) {
                esito = ws.TraduciTesto("Distinta base gia' presente.", 74042);
            } else {
                cn.beginTransaction();
                try {
                    preparer->SetItem(destination);
                    preparer->SetVariantArticle(variant);
                    preparer->Proceed();
                    preparer->Proceed();
                    BomDuplicator& d = *duplicatore_;
                    d.SetConnection(&cn);
                    d.SetOriginItem(origin);
                    d.SetOriginVariant(originVariant);
                    d.SetOriginRevision(0);
                    d.SetDestinationItem(destination);
                    d.SetDestinationVariant(variant);
                    d.SetDestinationRevision(0);
                    d.SetCopyComponents(true);
                    d.SetCopyAlternatives(CHK_DUPLALTER->isChecked());
                    d.SetCopyNotes(CHK_DUPLNOTE->isChecked());
                    d.SetNoteKinds(CHK_GENERALE->isChecked(), CHK_COMMERC->isChecked(),
                                   CHK_CANTIERE->isChecked(), CHK_TECNICA->isChecked());
                    d.SetCopyCycles(CHK_CICLI->isChecked());
                    d.SetCopyFashionRules(CHK_REGOLE_FASHION->isChecked());
                    if (!d.Run(card().companyCode())) {
                        cn.commitTransaction();
                        esito = "OK";
                    } else {
                        // Nothing of a failed article stays: not even its preparation.
                        cn.rollbackTransaction();
                        failure = true;
                        switch (d.ErrorCode()) {
                            case kErrParametri:
                                esito = ws.TraduciTesto("Parametri errati.", 43155);
                                break;
                            case kErrNessunLegame:
                                esito = ws.TraduciTesto("Nessun legame trovato.", 80580);
                                break;
                            case kErrDuplicazione:
                                esito =
                                    ws.TraduciTesto("Duplicazione non andata a buon fine.", 80579);
                                break;
                            case kErrFiltroRevisioni:
                                esito = ws.TraduciTesto("Errore nel filtro revisioni.", 80582);
                                break;
                            case kErrMessaggio:
                                if (d.HasMessage()) {
                                    esito = d.Message();
                                    break;
                                }
                                [[fallthrough]];
                            default:
                                esito = ws.TraduciTesto("Errore generico.", 80583);
                                break;
                        }
                    }
                } catch (...) {
                    // The row is copied whole or not at all: a retry starts it again.
                    if (cn.transactionDepth() > 0)
                        cn.rollbackTransaction();
                    throw;
                }
            }
            rsPreview_->setValueAt(row, fEsito, db::Value(esito.substr(0, 256)));
            done = true;
        });
        if (!p.running())
            break;
        if (!done) {
            // The error was ignored: the article was rolled back, and its
            // outcome and the final message say so.
            failure = true;
            rsPreview_->setValueAt(
                row, fEsito, db::Value(ws.TraduciTesto("Errore generico.", 80583).substr(0, 256)));
        }
        if (controls::ProgressPanel* bar = KOV_PROGRESS1()) {
            bar->SetValue(row + 1);
            bar->repaint();
            if (bar->Aborted())
                abort_ = true;
        }
        if (afterRow)
            afterRow(row);
        if (abort_)
            break;
    }
    if (!p.running())
        return;
    finish();
    if (failure)
        ws.VisualizzaMessaggio(
            "Alcune duplicazioni hanno avuto esito negativo. Verificare l'esito delle operazioni.",
            5851, common::vbCritical, title);
    else
        ws.VisualizzaMessaggio("Elaborazione terminata.", 24233, common::vbInformation, title);
}

}  // namespace duplication
