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
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "window/formatta_campo.h"

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

struct Conto {
    const char* kind;
    const char* caption;
};
const Conto kConti[] = {
    {"CMEVENIT", "Conto vendita Italia"},    {"CMEVENES", "Conto vendita Estero"},
    {"CREVENIT", "Conto reso vend. Italia"}, {"CREVENES", "Conto reso vend. Estero"},
    {"CMEACQIT", "Conto acquisti Italia"},   {"CMEACQES", "Conto acquisti Estero"},
    {"CREACQIT", "Conto reso acq. Italia"},  {"CREACQES", "Conto reso acq. Estero"},
};

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
    std::string gruppo = firstValue(card.connection(),
                                    "SELECT CG18_GRUPPO_CG10 FROM CG18_ANADITTABASE WITH (NOLOCK) "
                                    "WHERE CG18_DITTA = " +
                                        card.companyCode());
    if (!gruppo.empty())
        c.gruppo = gruppo;
    c.classificazione = firstValue(card.connection(),
                                   "SELECT MG01_INDCLASSIF FROM MG01_PARAMDITTA WITH (NOLOCK) "
                                   "WHERE MG01_DITTA_CG18 = " +
                                       card.companyCode());
    return c;
}

std::string SqlItemData(const std::string& ditta, const std::string& codArt,
                        const ContestoDitta& contesto) {
    std::string sql =
        "SELECT TOP 1 MG87_DESCARTEST, MG6W_DESCR, MG87_NOTEART,\n"
        "       MG66_FLGSTINV, MG66_FLGARTCLI, MG66_FLGARTFOR, MG66_FLGSTGIOR, MG66_FLGALTER, "
        "MG66_FLGSOST,\n"
        "       MG53_DESCRFAM      AS [Famiglia],\n"
        "       MG54_DESCRSFAM     AS [Sotto famiglia],\n"
        "       MG55_DESCRGRUPPO   AS [Gruppo],\n"
        "       MG56_DESCRSGRUPPO  AS [Sotto gruppo],\n"
        "       MG61_DESCRGRUFIS   AS [Gruppo fiscale],\n"
        "       MG64_DESCRMARCA    AS [Marca],\n"
        "       MG74_DESGRUSTAT1   AS [Gruppo stat.1],\n"
        "       MG75_DESGRUSTAT2   AS [Gruppo stat.2],\n"
        "       MG76_DESGRUSTAT3   AS [Gruppo stat.3],\n"
        "       MG77_DESGRUSTAT4   AS [Gruppo stat.4],\n"
        "       CG28_DESCR         AS [Codice Iva]";
    for (const Conto& c : kConti) {
        const std::string k = c.kind;
        sql += ",\n       (CASE WHEN CG39_" + k + ".CG39_DESCR IS NULL\n             THEN CG24_" +
               k + ".CG24_DESCR\n             ELSE CG39_" + k + ".CG39_DESCR END) AS [" +
               c.caption + "]";
    }
    sql +=
        "\nFROM MG66_ANAGRART WITH (NOLOCK)\n"
        "INNER JOIN MG87_ARTDESC WITH (NOLOCK)\n"
        "ON MG87_DITTA_CG18   = MG66_DITTA_CG18 AND\n"
        "   MG87_CODART_MG66  = MG66_CODART     AND\n"
        "   MG87_OPZIONE_MG5E = ''              AND\n"
        "   MG87_LINGUA_MG52  = ''\n"
        "LEFT OUTER JOIN MG6W_STATIART WITH (NOLOCK)\n"
        "ON MG6W_INDSTATO = MG66_INDSTATO_MG6W\n"
        " OUTER APPLY dbo.FNMG53_FAMIGLIE ( MG66_FAM_MG53 , MG66_DITTA_CG18 )\n";
    if (contesto.classificazione == "1") {
        sql +=
            " OUTER APPLY dbo.FNMG54_SOTTOFAM    (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_DITTA_CG18)"
            "                                       MG54_SOTTOFAM\n"
            " OUTER APPLY dbo.FNMG55_GRUPPI      (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, "
            "MG66_DITTA_CG18)                     MG55_GRUPPI\n"
            " OUTER APPLY dbo.FNMG56_SOTTOGRUPPI (MG66_FAM_MG53,MG66_SFAM_MG54,MG66_GRUPPO_MG55, "
            "MG66_SGRUPPO_MG56,MG66_DITTA_CG18)   MG56_SOTTOGRUPPI\n";
    } else {
        sql +=
            " OUTER APPLY dbo.FNMG54_SOTTOFAM    ('',MG66_SFAM_MG54,MG66_DITTA_CG18)"
            "             MG54_SOTTOFAM\n"
            " OUTER APPLY dbo.FNMG55_GRUPPI      ('','',MG66_GRUPPO_MG55, MG66_DITTA_CG18)"
            "       MG55_GRUPPI\n"
            " OUTER APPLY dbo.FNMG56_SOTTOGRUPPI ('','','', MG66_SGRUPPO_MG56,MG66_DITTA_CG18)"
            "   MG56_SOTTOGRUPPI\n";
    }
    sql +=
        " OUTER APPLY dbo.FNMG61_GRUPPIFIS (MG66_GRUPFIS_MG61,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG64_MARCHEART (MG66_MARCA_MG64,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG74_GRUSTAT1  (MG66_GRUSTAT1_MG74,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG75_GRUSTAT2  (MG66_GRUSTAT2_MG75,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG76_GRUSTAT3  (MG66_GRUSTAT3_MG76,MG66_DITTA_CG18)\n"
        " OUTER APPLY dbo.FNMG77_GRUSTAT4  (MG66_GRUSTAT4_MG77,MG66_DITTA_CG18)\n"
        " OUTER APPLY DBO.FNCG28_TABCODIVA(MG66_ALIVA_CG28,MG66_DITTA_CG18)\n";
    for (const Conto& c : kConti) {
        const std::string k = c.kind;
        sql += "LEFT OUTER JOIN CG24_TABPDC AS CG24_" + k + " WITH (NOLOCK)\nON CG24_" + k +
               ".CG24_GRUPPO_CG10 = " + contesto.gruppo + " AND\n   CG24_" + k +
               ".CG24_CONTO       = MG66_" + k + "_CG24\nLEFT OUTER JOIN CG39_PRSDESPDC AS CG39_" +
               k + " WITH (NOLOCK)\nON CG39_" + k +
               ".CG39_DITTA_CG18  = MG66_DITTA_CG18 AND\n   CG39_" + k +
               ".CG39_GRUPPO_CG10 = " + contesto.gruppo + " AND\n   CG39_" + k +
               ".CG39_CONTO_CG24  = MG66_" + k + "_CG24\n";
    }
    sql += "WHERE MG66_DITTA_CG18 = " + ditta + " AND       MG66_CODART = '" + codArt + "'";
    return sql;
}

// -------------------------------------------------------------------- tab

DatiAnagraficiTab::DatiAnagraficiTab(common::ItemCard& card)
    : CardTab(card, common::kTabDatiAnagrafici, "Tab_DatiAnagrafici") {}

DatiAnagraficiTab::~DatiAnagraficiTab() {
    if (FLEX_ANAG)
        FLEX_ANAG->SetDataSource(nullptr);
}

void DatiAnagraficiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* top = new QGridLayout;
    layout->addLayout(top);
    top->addWidget(new QLabel(QStringLiteral("Descrizione estesa"), page), 0, 0);
    TXT_DESCRESTESA = new QPlainTextEdit(page);
    TXT_DESCRESTESA->setObjectName("TXT_DESCRESTESA");
    TXT_DESCRESTESA->setReadOnly(true);
    TXT_DESCRESTESA->setMaximumHeight(90);
    top->addWidget(TXT_DESCRESTESA, 1, 0);
    top->addWidget(new QLabel(QStringLiteral("Note"), page), 0, 1);
    TXT_NOTE = new QPlainTextEdit(page);
    TXT_NOTE->setObjectName("TXT_NOTE");
    TXT_NOTE->setReadOnly(true);
    TXT_NOTE->setMaximumHeight(90);
    top->addWidget(TXT_NOTE, 1, 1);
    LBL_STATO = new QLabel(page);
    LBL_STATO->setObjectName("LBL_STATO");
    LBL_STATO->setStyleSheet("font-weight: bold;");
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
