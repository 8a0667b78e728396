#include "groupings/frmmg_raggr.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "common/frame_messages.h"
#include "common/procedure.h"
#include "common/text_limit_notice.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/groupings_sql.h"
#include "groupings/where_used.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace groupings {

using common::Procedure;

FRMMG_RAGGR::FRMMG_RAGGR(db::Connection& connection, common::WindowServices& services,
                         std::string ditta, const std::string& variante, QWidget* parent)
    : QDialog(parent), cn_(connection), ws_(services), ditta_(std::move(ditta)) {
    setObjectName("FRMMG_RAGGR");
    new common::TextLimitNotice(this, ws_);
    setWindowTitle(QString::fromStdString(ws_.TraduciCaption("Raggruppamenti")));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Tipo raggruppamento"), this), 0, 0);
    CBO_TIPORAGGR = new QComboBox(this);
    CBO_TIPORAGGR->setObjectName("CBO_TIPORAGGR");
    layout->addWidget(CBO_TIPORAGGR, 0, 1);

    GRID_RAGGR = new controls::DataGrid(this);
    GRID_RAGGR->setObjectName("GRID_RAGGR");
    GRID_RAGGR->SetReadOnly(true);
    GRID_RAGGR->Columns().Add("MG5G_CODRAGGVAR", QStringLiteral("Codice")).SetWidth(190);
    GRID_RAGGR->Columns().Add("MG5G_DESCRRAGGVAR", QStringLiteral("Descrizione")).SetWidth(300);
    layout->addWidget(GRID_RAGGR, 1, 0, 1, 2);

    layout->addWidget(new QLabel(QStringLiteral("Codice raggruppamento"), this), 2, 0);
    TXT_CODRAGGR = new QLineEdit(this);
    TXT_CODRAGGR->setObjectName("TXT_CODRAGGR");
    TXT_CODRAGGR->setMaxLength(25);
    layout->addWidget(TXT_CODRAGGR, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("Descrizone raggruppamento"), this), 3, 0);
    TXT_DESCR = new QLineEdit(this);
    TXT_DESCR->setObjectName("TXT_DESCR");
    TXT_DESCR->setMaxLength(40);
    layout->addWidget(TXT_DESCR, 3, 1);

    GRIDNAV = new controls::GridNavigator(this);
    GRIDNAV->setObjectName("GRIDNAV");
    layout->addWidget(GRIDNAV, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    FME_DIMEC = new controls::RecordFrame(this);
    FME_DIMEC->SetName(windowTitle());
    FME_DIMEC->SetRecordDescription(QStringLiteral("il raggruppamento"));
    common::routeFrameMessages(ws_, *FME_DIMEC, [this] { return windowTitle().toStdString(); });

    connect(CBO_TIPORAGGR, &QComboBox::activated, this, [this](int) { CBO_TIPORAGGR_Click(); });
    connect(FME_DIMEC, &controls::RecordFrame::changeStatus, this,
            [this](int status) { FME_DIMEC_ChangeStatus(status); });
    connect(FME_DIMEC, &controls::RecordFrame::afterAddNew, this,
            [this](bool success) { FME_DIMEC_AfterAddNew(success); });
    connect(TXT_CODRAGGR, &QLineEdit::editingFinished, this, [this] {
        if (TXT_CODRAGGR_Validate())
            TXT_CODRAGGR->setFocus();
    });
    // "Esporta" hands the code back instead of writing a file.
    connect(GRIDNAV, &controls::GridNavigator::beforeButtonClick, this,
            [this](const QString& key, bool& cancel) {
                if (key == QLatin1String("Esporta")) {
                    cancel = true;
                    GRIDNAV_AfterButtonClick(true, key);
                }
            });
    connect(GRIDNAV, &controls::GridNavigator::afterButtonClick, this,
            [this](bool success, const QString& key) { GRIDNAV_AfterButtonClick(success, key); });

    // Where the current grouping is used; a rename there shows here at once.
    controls::GridExchange::Of(GRID_RAGGR)
        ->AddMenuEntry(QStringLiteral("Dove \u00e8 usato\u2026"), [this] {
            if (!rs_ || !rs_->hasCurrentRow())
                return;
            const std::string codice = common::NzStringa(rs_->value("MG5G_CODRAGGVAR"));
            OpenGroupingWhereUsed(
                cn_, ws_, ditta_, this->variante(),
                codice.substr(0, codice.find_last_not_of(' ') + 1),
                [this](const std::string& vecchio, const std::string& nuovo) {
                    caricaRaggruppamenti();
                    if (dopoRinomina)
                        dopoRinomina(vecchio, nuovo);
                },
                this);
        });
    // Its own captions in the user's language, each command with its letter;
    // before the lists, whose entries are the tables' own.
    ws_.TranslateControls(this);
    controls::AssignMnemonics(this);
    caricaVarianti(variante);
    caricaRaggruppamenti();
    resize(560, 420);
}

FRMMG_RAGGR::~FRMMG_RAGGR() {
    GRID_RAGGR->SetDataSource(nullptr);
    FME_DIMEC->Release();
}

int FRMMG_RAGGR::messaggio(const std::string& text, int style) {
    return common::showFrameMessage(ws_, text, style, windowTitle().toStdString());
}

std::string FRMMG_RAGGR::variante() const {
    return CBO_TIPORAGGR->currentIndex() < 0
               ? std::string()
               : common::codiceVariante(CBO_TIPORAGGR->currentData().toInt());
}

void FRMMG_RAGGR::caricaVarianti(const std::string& variante) {
    Procedure p(ws_, "CBO_TIPORAGGR");
    p.step([&] {
        db::Recordset rs;
        rs.open(sqlCompanyVariants(ditta_), cn_);
        const QSignalBlocker quiet(CBO_TIPORAGGR);
        CBO_TIPORAGGR->clear();
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            CBO_TIPORAGGR->addItem(
                QString::fromStdString(common::NzStringa(rs.value("MG5F_DESCR_VAR"))),
                common::indiceVariante(common::NzStringa(rs.value("MG5F_CODICEVAR"))));
        CBO_TIPORAGGR->setCurrentIndex(CBO_TIPORAGGR->findData(common::indiceVariante(variante)));
    });
}

void FRMMG_RAGGR::caricaRaggruppamenti() {
    Procedure p(ws_, "CBO_TIPORAGGR_Click");
    p.step([&] {
        GRID_RAGGR->SetDataSource(nullptr);
        FME_DIMEC->Release();
        auto rs = std::make_unique<db::Recordset>();
        rs->open(sqlGroupingsOfVariant(ditta_, variante()), cn_);
        rs_ = std::move(rs);
        if (rs_->recordCount() > 0)
            rs_->moveFirst();
        FME_DIMEC->Bind(&cn_, rs_.get(), "MG5G_CODRAGGVAR");
        FME_DIMEC->BindControl(TXT_CODRAGGR, "MG5G_CODRAGGVAR",
                               {QStringLiteral("Codice raggruppamento"), true, true});
        FME_DIMEC->BindControl(TXT_DESCR, "MG5G_DESCRRAGGVAR",
                               {QStringLiteral("Descrizone raggruppamento"), false, false});
        FME_DIMEC->SetGrid(GRID_RAGGR);
        FME_DIMEC->SetNavigator(GRIDNAV);
        GRID_RAGGR->SetDataSource(rs_.get());
        FME_DIMEC_ChangeStatus(FME_DIMEC->Status());
    });
}

void FRMMG_RAGGR::CBO_TIPORAGGR_Click() {
    // Pending edits of the previous variant are concluded first.
    if (!FME_DIMEC->SaveIfNeeded(true, false, false))
        return;
    caricaRaggruppamenti();
}

void FRMMG_RAGGR::FME_DIMEC_AfterAddNew(bool success) {
    if (!success)
        return;
    Procedure p(ws_, "FME_DIMEC_AfterAddNew");
    p.step([&] {
        rs_->setValue("MG5G_DITTA_CG18", common::NzNumero(db::Value(ditta_)));
        rs_->setValue("MG5G_CODICEVAR_MG5F", db::Value(variante()));
    });
}

void FRMMG_RAGGR::FME_DIMEC_ChangeStatus(int status) {
    Procedure p(ws_, "FME_DIMEC_ChangeStatus");
    p.step([&] {
        TXT_CODRAGGR->setEnabled(status == controls::RecordFrame::Entering);
        // While a row is changed the list stays where it is.
        const bool libera = status != controls::RecordFrame::Changed;
        GRID_RAGGR->setEnabled(libera);
        for (const char* key : {"Nuovo", "Apri", "Esporta"})
            GRIDNAV->SetButtonEnabled(QString::fromLatin1(key), libera);
    });
}

bool FRMMG_RAGGR::TXT_CODRAGGR_Validate() {
    if (FME_DIMEC->Status() != controls::RecordFrame::Entering)
        return false;
    QString testo = TXT_CODRAGGR->text();
    const std::string codice = common::NzValore(db::Value(testo.toUpper().toStdString()));
    if (codice.empty())
        return false;
    bool rifiuta = false;
    Procedure p(ws_, "TXT_CODRAGGR_Validate");
    p.step([&] {
        if (codice.find('\'') == std::string::npos)
            return;
        messaggio("Il codice raggruppamento non pu\xC3\xB2 contenere il carattere apice (')",
                  common::vbExclamation);
        TXT_CODRAGGR->setText(testo.remove(QLatin1Char('\'')));
        rifiuta = true;
    });
    if (rifiuta || !p.running())
        return true;
    p.step([&] {
        db::Recordset esiste;
        esiste.open(sqlGroupingCodeExists(ditta_, variante(), codice), cn_);
        if (esiste.recordCount() == 0)
            return;
        messaggio("Il codice raggruppamento " + codice + " esiste gi\xC3\xA0.",
                  common::vbExclamation);
        rifiuta = true;
    });
    if (rifiuta || !p.running())
        return true;
    p.step([&] {
        rs_->setValue("MG5G_CODRAGGVAR", db::Value(codice));
        FME_DIMEC->Update();
        GRID_RAGGR->setEnabled(true);
        GRID_RAGGR->Refresh();
    });
    return false;
}

void FRMMG_RAGGR::GRIDNAV_AfterButtonClick(bool success, const QString& key) {
    if (!success)
        return;
    Procedure p(ws_, "GRIDNAV_AfterButtonClick");
    p.step([&] {
        if (key == QLatin1String("Nuovo")) {
            TXT_CODRAGGR->setFocus();
        } else if (key == QLatin1String("Conferma")) {
            GRID_RAGGR->setFocus();
        } else if (key == QLatin1String("Esporta")) {
            varianteRitorno_ = variante();
            raggrRitorno_.clear();
            if (rs_ && rs_->hasCurrentRow() && rs_->status() != db::RecordStatus::New)
                raggrRitorno_ = common::NzStringa(rs_->value("MG5G_CODRAGGVAR"));
            accept();
        }
    });
}

void FRMMG_RAGGR::done(int result) {
    if (!chiusa_) {
        chiusa_ = true;
        try {
            // A row being entered is dropped; changes of a stored one are
            // offered for saving.
            if (FME_DIMEC->Status() == controls::RecordFrame::Entering)
                FME_DIMEC->Undo();
            else
                FME_DIMEC->SaveIfNeeded(true, false, false);
        } catch (...) {
        }
        emit CloseFormRaggrVar(QString::fromStdString(varianteRitorno_),
                               QString::fromStdString(raggrRitorno_));
    }
    QDialog::done(result);
}

}  // namespace groupings
