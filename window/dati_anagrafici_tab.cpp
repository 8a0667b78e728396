#include "window/dati_anagrafici_tab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/progress.h"
#include "platform/controls/steady_label.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "window/formatta_campo.h"
#include "window/window_sql.h"

namespace card {

using common::Procedure;

namespace {

// Columns of the summary statement before the list rows: extended
// description, state, notes and the six flags.
constexpr int kColonnaDescrizione = 0;
constexpr int kColonnaStato = 1;
constexpr int kColonnaNote = 2;
constexpr int kPrimaColonnaFlag = 3;
constexpr int kPrimaColonnaLista = 9;

std::string firstValue(db::Connection& cn, const std::string& sql) {
    db::Recordset rs;
    rs.open(sql, cn);
    if (rs.recordCount() == 0)
        return "";
    rs.moveFirst();
    return common::NzStringa(rs.value(0));
}

}  // namespace

const std::array<const char*, 6> kCaptionFlag = {
    "Stampa inventario", "Articoli clienti",     "Articoli fornitori",
    "Stampa giornale",   "Articoli alternativi", "Articoli sostitutivi",
};

ContestoDitta ReadCompanyContext(common::ItemCard& card) {
    // The host's company object reads the same registry rows: the chart group
    // of the company and the warehouse parameter of its classification.
    ContestoDitta c;
    std::string gruppo = firstValue(card.connection(), sqlCompanyChartGroup(card.companyCode()));
    if (!gruppo.empty())
        c.gruppo = gruppo;
    c.classificazione = firstValue(card.connection(), sqlCompanyClassification(card.companyCode()));
    return c;
}

// -------------------------------------------------------------------- tab

DatiAnagraficiTab::DatiAnagraficiTab(common::ItemCard& card)
    : CardTab(card, common::kTabDatiAnagrafici) {}

DatiAnagraficiTab::~DatiAnagraficiTab() {
    if (FLEX_ANAG)
        FLEX_ANAG->SetDataSource(nullptr);
}

void DatiAnagraficiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* top = new QGridLayout;
    layout->addLayout(top);
    // The item's texts side by side, each under its caption, read only.
    auto text = [&](const char* caption, const char* name, int column) {
        top->addWidget(new QLabel(QString::fromUtf8(caption), page), 0, column);
        auto* box = new QPlainTextEdit(page);
        box->setObjectName(name);
        box->setReadOnly(true);
        box->setMaximumHeight(90);
        top->addWidget(box, 1, column);
        return box;
    };
    TXT_DESCRESTESA = text("Descrizione estesa", "TXT_DESCRESTESA", 0);
    TXT_NOTE = text("Note", "TXT_NOTE", 1);
    LBL_STATO = new QLabel(page);
    LBL_STATO->setObjectName("LBL_STATO");
    LBL_STATO->setStyleSheet("font-weight: bold;");
    controls::KeepPlaceWhenHidden(LBL_STATO);
    top->addWidget(LBL_STATO, 2, 0, 1, 2);

    auto* flags = new QGridLayout;
    layout->addLayout(flags);
    for (int i = 0; i < 6; ++i) {
        CHK_FLAG[i] = new QCheckBox(QString::fromUtf8(kCaptionFlag[i]), page);
        CHK_FLAG[i]->setObjectName(QString("CHK_FLAG_%1").arg(i));
        flags->addWidget(CHK_FLAG[i], i / 3, i % 3);
    }

    FLEX_ANAG = new controls::DataGrid(page);
    FLEX_ANAG->setObjectName("FLEX_ANAG");
    FLEX_ANAG->SetReadOnly(true);
    layout->addWidget(FLEX_ANAG, 1);
    clear();
}

void DatiAnagraficiTab::clear() {
    if (TXT_DESCRESTESA)
        TXT_DESCRESTESA->setPlainText("");
    if (TXT_NOTE)
        TXT_NOTE->setPlainText("");
    if (LBL_STATO) {
        LBL_STATO->setText("");
        LBL_STATO->hide();
    }
    for (QCheckBox* c : CHK_FLAG) {
        if (!c)
            continue;
        c->hide();
        c->setEnabled(false);
    }
    // The list goes too: after a new search no load follows until an item
    // is chosen, and the last item's data must not stay on show.
    release();
}

void DatiAnagraficiTab::release() {
    if (FLEX_ANAG)
        FLEX_ANAG->SetDataSource(nullptr);
    common::ChiudiRecordset(rsAnag_);
}

void DatiAnagraficiTab::InitFLEX_ANAG() {
    Procedure p(card(), "InitFLEX_ANAG");
    p.step([&] {
        FLEX_ANAG->SetDataSource(nullptr);
        controls::GridColumns& cols = FLEX_ANAG->Columns();
        cols.Clear();
        cols.Add("ID").SetKey("ID").SetVisible(false);
        cols.Add("LBL", QStringLiteral("Dato")).SetWidth(200).SetReadOnly(true);
        cols.Add("TXT", QStringLiteral("Descrizione")).SetWidth(420).SetReadOnly(true);
    });
}

void DatiAnagraficiTab::CreaRsDatiAnagrafici() {
    Procedure p(card(), "CreaRsDatiAnagrafici");
    p.step([&] {
        if (FLEX_ANAG)
            FLEX_ANAG->SetDataSource(nullptr);
        common::ChiudiRecordset(rsAnag_);
        rsAnag_ = std::make_unique<db::Recordset>();
        rsAnag_->appendField("ID", db::FieldType::Decimal, 0, 2, 0);
        rsAnag_->appendField("LBL", db::FieldType::Text, 8000);
        rsAnag_->appendField("TXT", db::FieldType::Text, 8000);
        rsAnag_->open();
    });
}

std::string DatiAnagraficiTab::FormattaCampo(const db::Recordset& rs, int field) {
    std::string out;
    Procedure p(card(), "FormattaCampo");
    p.step([&] { out = card::FormattaCampo(rs, field); });
    return out;
}

void DatiAnagraficiTab::showProgress(long value, long maximum) {
    controls::ProgressPanel* progress = card().KOV_PROGRESS1();
    if (!progress)
        return;
    if (value == 0 && maximum >= 0 && !progress->isVisible())
        progress->Start(QString::fromStdString(
                            card().services().TraduciTesto("Caricamento in corso...", 10044)),
                        maximum);
    progress->SetMaximum(maximum);
    progress->SetValue(value);
}

void DatiAnagraficiTab::hideProgress() {
    if (controls::ProgressPanel* progress = card().KOV_PROGRESS1())
        progress->Finish();
}

void DatiAnagraficiTab::load() {
    if (card().isLoaded(index()))
        return;
    Procedure p(card(), loaderName());
    p.onAbort([&] { hideProgress(); });
    ContestoDitta contesto;
    db::Recordset rs;
    bool trovato = false;
    p.step([&] { showProgress(0, 1); });
    p.step([&] { contesto = ReadCompanyContext(card()); });
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] {
        rs.open(SqlItemData(card().companyCode(), card().currentItem(), contesto),
                card().connection());
    });
    p.step([&] {
        trovato = rs.recordCount() == 1;
        if (trovato)
            rs.moveFirst();
    });
    p.step([&] { InitFLEX_ANAG(); });
    p.step([&] { CreaRsDatiAnagrafici(); });
    if (!p.running() || !rsAnag_ || !rsAnag_->isOpen()) {
        hideProgress();
        return;
    }
    const int massimo = rs.fieldCount() - 1;
    p.step([&] { showProgress(0, massimo); });
    for (int i = 0; i <= massimo && p.running(); ++i) {
        p.step([&] {
            showProgress(i, massimo);
            if (i == kColonnaDescrizione) {
                TXT_DESCRESTESA->setPlainText(
                    QString::fromStdString(trovato ? FormattaCampo(rs, i) : ""));
            } else if (i == kColonnaStato) {
                LBL_STATO->setText(QString::fromStdString(trovato ? FormattaCampo(rs, i) : ""));
                LBL_STATO->show();
            } else if (i == kColonnaNote) {
                TXT_NOTE->setPlainText(QString::fromStdString(trovato ? FormattaCampo(rs, i) : ""));
            } else if (i < kPrimaColonnaLista) {
                if (trovato) {
                    QCheckBox* c = CHK_FLAG[i - kPrimaColonnaFlag];
                    auto n = common::NzNumero(rs.value(i)).toDecimal();
                    c->setChecked(n && !n->isZero());
                    c->show();
                }
            } else {
                rsAnag_->addNew();
                rsAnag_->setValue("ID", db::Value(db::Decimal(rsAnag_->recordCount())));
                rsAnag_->setValue("LBL",
                                  db::Value(card().services().TraduciCaption(rs.field(i).name)));
                if (trovato && rs.hasCurrentRow())
                    rsAnag_->setValue("TXT", db::Value(FormattaCampo(rs, i)));
            }
        });
    }
    p.step([&] {
        if (rsAnag_->recordCount() > 0)
            rsAnag_->moveFirst();
        FLEX_ANAG->SetDataSource(rsAnag_.get());
        FLEX_ANAG->Refresh();
    });
    hideProgress();
    p.step([&] { card().setLoadedItem(index()); });
}

}  // namespace card
