#include "descriptions/generad_tab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/procedure.h"
#include "common/progress_indicator.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "descriptions/calcdescrvar.h"
#include "descriptions/composer.h"
#include "descriptions/descriptions_sql.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/component_registry.h"

namespace descriptions {

namespace {

const common::RegisteredTab<GeneradTab> registration(common::kTabGenerad);

// The hourglass while a step runs.
struct Attesa {
    Attesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Attesa() { QApplication::restoreOverrideCursor(); }
    Attesa(const Attesa&) = delete;
    Attesa& operator=(const Attesa&) = delete;
};

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    return box;
}

QToolButton* menuButton(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QString::fromUtf8(caption));
    b->setPopupMode(QToolButton::InstantPopup);
    b->setMenu(new QMenu(b));
    return b;
}

}  // namespace

GeneradTab::GeneradTab(common::ItemCard& card) : CardTab(card, common::kTabGenerad) {}

GeneradTab::~GeneradTab() {
    release();
}

controls::ProgressPanel* GeneradTab::progress() {
    if (controls::ProgressPanel* p = card().KOV_PROGRESS1())
        return p;
    return ownProgress_;
}

void GeneradTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* top = new QGridLayout;
    CBO_LINGUA = new QComboBox(page);
    CBO_LINGUA->setObjectName("CBO_LINGUA");
    CBO_LINGUA->setMinimumWidth(150);
    CBO_LINGUA->setToolTip(QStringLiteral("Lingua delle descrizioni"));
    CHK_VALCONFVAR = checkBox("CHK_VALCONFVAR", "Controllo validità varianti", page);
    CHK_MEMDESCLINGUE = checkBox("CHK_MEMDESCLINGUE", "Memorizza in tutte le lingue", page);
    CHK_SOVRASCRIVI = checkBox("CHK_SOVRASCRIVI", "Sovrascrivi descrizioni", page);
    CMD_PRELOAD = new QPushButton(QStringLiteral("Componi descrizioni"), page);
    CMD_PRELOAD->setObjectName("CMD_PRELOAD");
    CMD_MEMO = new QPushButton(QStringLiteral("Memorizza"), page);
    CMD_MEMO->setObjectName("CMD_MEMO");
    TBAR_SELEZIONA = menuButton("TBAR_SELEZIONA", "Seleziona", page);
    TBAR_DESELEZIONA = menuButton("TBAR_DESELEZIONA", "Deseleziona", page);
    LBL_ELAB = new QLabel(page);
    LBL_ELAB->setObjectName("LBL_ELAB");
    top->addWidget(new QLabel(QStringLiteral("Lingua"), page), 0, 0);
    top->addWidget(CBO_LINGUA, 0, 1);
    top->addWidget(CHK_VALCONFVAR, 0, 2);
    top->addWidget(CHK_MEMDESCLINGUE, 0, 3);
    top->addWidget(CHK_SOVRASCRIVI, 0, 4);
    top->setColumnStretch(5, 1);
    layout->addLayout(top);
    auto* commands = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{CMD_PRELOAD, CMD_MEMO, TBAR_SELEZIONA, TBAR_DESELEZIONA})
        commands->addWidget(w);
    commands->addStretch(1);
    commands->addWidget(LBL_ELAB);
    layout->addLayout(commands);
    QGRID_GENERAD = new controls::DataGrid(page);
    QGRID_GENERAD->setObjectName("QGRID_GENERAD");
    layout->addWidget(QGRID_GENERAD, 1);
    ownProgress_ = common::OwnProgressPanel(card(), page, layout);

    struct Entry {
        const char* key;
        const char* caption;
    };
    for (const Entry& e :
         {Entry{"Ktutte", "Tutte"}, Entry{"Knessuna", "Nessuna"},
          Entry{"Kinverti", "Inverti selezione"}, Entry{"Krighe", "Righe selezionate"}}) {
        const std::string key = e.key;
        TBAR_SELEZIONA->menu()->addAction(QString::fromUtf8(e.caption),
                                          [this, key] { TBAR_SELEZIONA_MenuItemClick(key); });
    }
    TBAR_DESELEZIONA->menu()->addAction(QStringLiteral("Righe selezionate"),
                                        [this] { TBAR_DESELEZIONA_MenuItemClick("Krighe"); });

    QObject::connect(CMD_PRELOAD, &QPushButton::clicked, [this] { CMD_PRELOAD_ButtonClick(); });
    QObject::connect(CMD_MEMO, &QPushButton::clicked, [this] { CMD_MEMO_ButtonClick(); });
    QObject::connect(CHK_VALCONFVAR, &QCheckBox::clicked, [this] { CHK_VALCONFVAR_Click(); });
    QObject::connect(CBO_LINGUA, qOverload<int>(&QComboBox::activated),
                     [this](int) { CBO_LINGUA_Click(); });
    QObject::connect(
        QGRID_GENERAD, &controls::DataGrid::checkEditToggleClick,
        [this](int c, long r, bool& cancel) { QGRID_GENERAD_CheckEditToggleClick(c, r, cancel); });

    // The calculator lives as long as the window (Form_Load attaches it).
    common::Procedure p(card(), "Form_Load");
    p.step([&] {
        generator_ = framework::CreateObject(kProgIdCalcDescrVar);
        calc_ = dynamic_cast<CalcDescrVar*>(generator_.get());
        if (!calc_)
            throw framework::ComponentError(std::string(kProgIdCalcDescrVar) +
                                            " non offre il calcolo delle descrizioni");
        calc_->Attach(card().Pcls_Interface(), &card().connection(), card().connectionString(),
                      card().companyCode());
    });
    p.step([&] { LoadLanguages(); });
}

void GeneradTab::LoadLanguages() {
    CBO_LINGUA->clear();
    CBO_LINGUA->addItem(QString(), 0);
    db::Recordset rs;
    rs.open(sqlCompanyLanguages(card().companyCode()), card().connection());
    for (long r = 0; r < rs.recordCount(); ++r)
        CBO_LINGUA->addItem(
            QString::fromStdString(rs.valueAt(r, 0).toText() + "-" + rs.valueAt(r, 1).toText()),
            static_cast<int>(r + 1));
    CBO_LINGUA->setCurrentIndex(0);
}

std::string GeneradTab::lingua() const {
    const QString text = CBO_LINGUA ? CBO_LINGUA->currentText() : QString();
    return db::rtrim(text.left(4).toStdString());
}

// Reloads on every show: the other tabs may have changed what it describes.
void GeneradTab::load() {
    Tab_Generad();
}

void GeneradTab::clear() {
    if (QGRID_GENERAD)
        QGRID_GENERAD->SetDataSource(nullptr);
}

void GeneradTab::release() {
    common::releaseQuietly([&] {
        clear();
        if (calc_)
            calc_->Detach();
    });
    calc_ = nullptr;
    generator_.reset();
}

void GeneradTab::bind() {
    QGRID_GENERAD->SetDataSource(calc_ ? calc_->Risultato() : nullptr);
}

void GeneradTab::Tab_Generad() {
    common::Procedure p(card(), loaderName());
    p.step([&] { card().PulisciTab(index()); });
    p.step([&] { Configura_QGRID_GENERAD(); });
    p.step([&] {
        Attesa attesa;
        calc_->SetLingua(lingua());
        calc_->SetSelezione("MG6B_CODART_MG66 = '" + card().currentItem() + "'");
        try {
            calc_->Genera();
        } catch (const TroppeCombinazioni& troppe) {
            // The list stays empty; the user learns why and what to change.
            common::WindowServices& ws = card().services();
            const std::string massimo = std::to_string(troppe.massimo);
            ws.VisualizzaMessaggio(
                "L'articolo ha pi\xC3\xB9 di " + massimo +
                    " combinazioni di opzioni: troppe per comporle insieme. Assegnare alle sue "
                    "varianti raggruppamenti pi\xC3\xB9 ristretti.",
                91303, common::vbExclamation, card().widget()->windowTitle().toStdString(),
                std::vector<db::Value>{db::Value(massimo)});
        }
    });
    p.step([&] {
        db::Recordset* rs = calc_->Risultato();
        LBL_ELAB->setText(QString::fromStdString(
            card().services().TraduciTesto("Combinazioni elaborate : ", 76503) +
            std::to_string(rs ? rs->recordCount() : 0)));
    });
    p.step([&] {
        bind();
        showOptionColumns();
    });
}

void GeneradTab::Configura_QGRID_GENERAD() {
    if (configured_)
        return;
    auto& cols = QGRID_GENERAD->Columns();
    cols.Clear();
    cols.Add("SELEZ", QStringLiteral("Selezione")).SetKind(controls::CellKind::Check).SetWidth(70);
    cols.Add("ARTICOLO", QStringLiteral("Articolo")).SetReadOnly(true).SetWidth(100);
    cols.Add("VARIANTE", QStringLiteral("Variante")).SetReadOnly(true).SetWidth(100);
    cols.Add("DESCRIZIONE_ATTUALE", QStringLiteral("Descrizione attuale"))
        .SetReadOnly(true)
        .SetWidth(220);
    for (int i = 0; i < kOpzioniRisultato; ++i)
        cols.Add("OPZIONE_A" + std::to_string(i), QStringLiteral("OpzioneA%1").arg(i))
            .SetReadOnly(true)
            .SetWidth(75);
    cols.Add("DESCRIZIONE_ESTESA_ATTUALE", QStringLiteral("Descrizione estesa attuale"))
        .SetReadOnly(true)
        .SetWidth(220);
    cols.Add("DESCART", QStringLiteral("Nuova descrizione")).SetWidth(260);
    cols.Add("DESCARTEST", QStringLiteral("Nuova descrizione estesa")).SetWidth(320);
    cols.Add("FLGVARVALIDA", QString::fromUtf8("Validità variante"))
        .SetKind(controls::CellKind::Combo)
        .SetValueList(
            {{db::Value(1), QString::fromUtf8("Sì")}, {db::Value(0), QStringLiteral("No")}})
        .SetReadOnly(true)
        .SetAlignment(Qt::AlignCenter)
        .SetWidth(100);
    card().services().TraduciColonne(QGRID_GENERAD);
    QGRID_GENERAD->SetFrozenColumns(3);
    configured_ = true;
}

void GeneradTab::showOptionColumns() {
    // Only the option columns of the variants the item manages are worth a place.
    db::Recordset* rs = calc_ ? calc_->Risultato() : nullptr;
    auto& cols = QGRID_GENERAD->Columns();
    for (int i = 0; i < kOpzioniRisultato; ++i) {
        controls::GridColumn* c = cols.Find(QStringLiteral("OPZIONE_A%1").arg(i));
        if (!c)
            continue;
        bool used = false;
        if (rs && rs->isOpen() && rs->recordCount() > 0) {
            const int f = rs->fieldIndex("OPZIONE_A" + std::to_string(i));
            used = f >= 0 && !common::NzStringa(rs->valueAt(0, f)).empty();
        }
        c->SetVisible(used || !rs || rs->recordCount() == 0);
    }
}

void GeneradTab::CMD_PRELOAD_ButtonClick() {
    common::Procedure p(card(), "CMD_PRELOAD_ButtonClick");
    controls::ProgressPanel* bar = progress();
    p.onAbort([&] {
        if (bar)
            bar->Finish();
    });
    p.step([&] {
        if (bar) {
            db::Recordset* rs = calc_->Risultato();
            bar->Start(QString::fromStdString(
                           card().services().TraduciTesto("Elaborazione in corso...", 24146)),
                       rs ? rs->recordCount() : 0);
        }
    });
    p.step([&] { calc_->SetProgresso(bar); });
    p.step([&] { calc_->SetControlloValidita(CHK_VALCONFVAR->isChecked()); });
    p.step([&] {
        Attesa attesa;
        calc_->Componi();
    });
    p.step([&] { QGRID_GENERAD->Refresh(); });
    p.step([&] {
        if (bar)
            bar->Finish();
    });
}

void GeneradTab::CMD_MEMO_ButtonClick() {
    common::WindowServices& ws = card().services();
    const std::string title = card().widget()->windowTitle().toStdString();
    common::Procedure p(card(), "CMD_MEMO_ButtonClick");
    controls::ProgressPanel* bar = progress();
    // An abandoned store wrote nothing (the calculator rolled it back): the
    // grid shows the result again as it was.
    p.onAbort([&] {
        if (bar)
            bar->Finish();
        bind();
    });
    p.step([&] {
        db::Recordset* rs = calc_->Risultato();
        bool picked = false;
        if (rs && rs->isOpen()) {
            const int f = rs->fieldIndex("SELEZ");
            for (long r = 0; r < rs->recordCount() && !picked; ++r)
                picked = common::IsNonZero(rs->valueAt(r, f));
        }
        if (!picked) {
            ws.VisualizzaMessaggio("Nessun articolo selezionato.", 38832, common::vbCritical,
                                   title);
            p.leave();
        }
    });
    p.step([&] { QGRID_GENERAD->SetDataSource(nullptr); });
    p.step([&] {
        if (bar)
            bar->Start(QString::fromStdString(ws.TraduciTesto("Elaborazione in corso...", 24146)),
                       calc_->Risultato()->recordCount());
    });
    p.step([&] {
        // The box decides, shown or not: a language chosen hides it but
        // leaves it as the user set it.
        calc_->SetTutteLingue(CHK_MEMDESCLINGUE->isChecked());
    });
    p.step([&] { calc_->SetProgresso(bar); });
    p.step([&] { calc_->SetSovrascrivi(CHK_SOVRASCRIVI->isChecked()); });
    p.step([&] {
        Attesa attesa;
        calc_->Memorizza();
    });
    p.step([&] {
        if (calc_->RigenerazioneNecessaria()) {
            Attesa attesa;
            calc_->Genera();
        }
    });
    p.step([&] { bind(); });
    p.step([&] {
        if (bar)
            bar->Finish();
    });
    p.step([&] {
        const auto scarti = calc_->Scarti();
        if (scarti.empty())
            return;
        std::string list;
        for (const auto& s : scarti)
            list.append("\n")
                .append(s.articolo)
                .append(" ")
                .append(common::NzStringa(db::Value(s.variante)))
                .append(": ")
                .append(s.motivo);
        const long n = static_cast<long>(scarti.size());
        // "The others are stored" only when there were others.
        const bool others = calc_->StoredCount() > 0;
        ws.VisualizzaMessaggio(
            "Non è stato possibile memorizzare la descrizione di " +
                common::countText(n, common::kVariantiArticolo) +
                (others ? "; le altre sono memorizzate." : ".") + list,
            others ? 91301 : 91302, common::vbExclamation, title,
            std::vector<db::Value>{ws.CountText(n, common::kVariantiArticolo), list});
    });
}

void GeneradTab::TBAR_SELEZIONA_MenuItemClick(const std::string& key) {
    if (key == "Krighe") {
        SelezionaRighe(true);
        return;
    }
    const int mode = key == "Ktutte"     ? kSelezionaTutte
                     : key == "Knessuna" ? kSelezionaNessuna
                     : key == "Kinverti" ? kInvertiSelezione
                                         : -1;
    if (mode < 0)
        return;
    common::Procedure p(card(), "TBAR_SELEZIONA_MenuItemClick");
    p.onAbort([&] { bind(); });
    p.step([&] { QGRID_GENERAD->SetDataSource(nullptr); });
    p.step([&] {
        Attesa attesa;
        calc_->SelezionaRighe(mode);
    });
    p.step([&] { bind(); });
}

void GeneradTab::TBAR_DESELEZIONA_MenuItemClick(const std::string& key) {
    if (key == "Krighe")
        SelezionaRighe(false);
}

void GeneradTab::SelezionaRighe(bool pick) {
    // "Righe selezionate" covers the result's current row (the grid's
    // cursor); the other menu keys cover every row through the calculator.
    common::Procedure p(card(), "SelezionaRighe");
    p.step([&] {
        db::Recordset* rs = calc_ ? calc_->Risultato() : nullptr;
        if (!rs || !rs->hasCurrentRow())
            return;
        Attesa attesa;
        const long row = rs->absolutePosition() - 1;
        const int f = rs->fieldIndex("SELEZ");
        for (long n = 0; n < rs->recordCount(); ++n)
            rs->setValueAt(row, f, db::Value(db::Decimal(pick ? 1 : 0)));
        QGRID_GENERAD->Refresh();
    });
}

void GeneradTab::QGRID_GENERAD_CheckEditToggleClick(int column, long row, bool& cancel) {
    (void)cancel;
    common::Procedure p(card(), "QGRID_GENERAD_CheckEditToggleClick");
    p.step([&] {
        db::Recordset* rs = calc_ ? calc_->Risultato() : nullptr;
        if (!rs || QGRID_GENERAD->Columns().Item(column).Field() != "SELEZ")
            return;
        const long long now = db::integerOf(rs->valueAt(row, rs->fieldIndex("SELEZ")));
        const long long next = now - 1 < 0 ? 1 - now : now - 1;
        if (CHK_VALCONFVAR->isChecked() && next == 0) {
            const int f = rs->fieldIndex("FLGVARVALIDA");
            if (!rs->valueAt(row, f).isNull()) {
                rs->setValueAt(row, f, db::Value::null());
                QGRID_GENERAD->Refresh();
            }
        }
    });
}

void GeneradTab::CHK_VALCONFVAR_Click() {
    common::Procedure p(card(), "CHK_VALCONFVAR_Click");
    p.step([&] {
        if (CHK_VALCONFVAR->isChecked())
            return;
        db::Recordset* rs = calc_ ? calc_->Risultato() : nullptr;
        if (!rs || !rs->isOpen())
            return;
        Attesa attesa;
        const std::string filter = rs->filter();
        rs->setFilter("FLGVARVALIDA <> NULL");
        const int f = rs->fieldIndex("FLGVARVALIDA");
        for (long r = rs->recordCount(); r-- > 0;)
            rs->setValueAt(r, f, db::Value::null());
        rs->setFilter(filter);
        QGRID_GENERAD->Refresh();
    });
}

void GeneradTab::CBO_LINGUA_Click() {
    try {
        if (activated())
            Tab_Generad();
        const bool base = CBO_LINGUA->currentData().toInt() == 0;
        CHK_MEMDESCLINGUE->setVisible(base);
        CHK_MEMDESCLINGUE->setEnabled(base);
    } catch (...) {
    }
}

}  // namespace descriptions
