#include "duplication/dupl_pane.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "common/box_text.h"
#include "common/item_card.h"
#include "common/procedure.h"
#include "common/progress_indicator.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "duplication/bom_services.h"
#include "duplication/db_read.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace duplication {

namespace {

const common::CardPaneRegistration registration("FRAME_DUPL", [](common::ItemCard& c) {
    return std::make_unique<DuplPane>(c);
});

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    return box;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    return b;
}

// A description box shows its text from the start.
void showDescription(QLineEdit* box, const db::Value& value) {
    box->setText(QString::fromStdString(common::NzValore(value, "")));
    box->setCursorPosition(0);
    box->setToolTip(box->text());
}

QLabel* label(const char* caption, QWidget* parent) {
    return new QLabel(QString::fromUtf8(caption), parent);
}

// Space on a cell of the structure grid flips it, as a click does
// (Ctrl+Space is the grid's own: its column's header, the whole column).
class SpaceFlips : public QObject {
public:
    SpaceFlips(controls::DataGrid* grid, std::function<void(int, long)> flip)
        : QObject(grid), grid_(grid), flip_(std::move(flip)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid_ && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
            grid_->CurrentRow() >= 0) {
            flip_(grid_->CurrentColumn(), grid_->CurrentRow());
            return true;
        }
        return false;
    }

private:
    controls::DataGrid* grid_;
    std::function<void(int, long)> flip_;
};

}  // namespace

DuplPane::DuplPane(common::ItemCard& card)
    : CardPane(card),
      preparerFactory([] { return createVariantPreparer(); }),
      duplicatore_(createBomDuplicator()) {}

DuplPane::~DuplPane() {
    release();
}

void DuplPane::setDuplicator(std::unique_ptr<BomDuplicator> duplicator) {
    duplicatore_ = std::move(duplicator);
}

void DuplPane::build(QWidget* frame) {
    FRAME_DUPL = frame;
    frameGuard_ = frame;
    QLayout* outer = frame->layout();
    if (!outer)
        outer = new QVBoxLayout(frame);

    auto* fields = new QGridLayout;
    TXT_ARTICOLO_ORIG = new controls::LookupBox(frame);
    TXT_ARTICOLO_ORIG->setObjectName("TXT_ARTICOLO_ORIG");
    TXT_ARTICOLO_ORIG->SetMaxLength(25);
    TXT_VARIANTE_ORIG = new controls::LookupBox(frame);
    TXT_VARIANTE_ORIG->setObjectName("TXT_VARIANTE_ORIG");
    TXT_VARIANTE_ORIG->SetMaxLength(40);
    TXT_DESCR_ORIG = new QLineEdit(frame);
    TXT_DESCR_ORIG->setObjectName("TXT_DESCR_ORIG");
    TXT_DESCR_ORIG->setReadOnly(true);
    TXT_DESCR_ORIG->setFocusPolicy(Qt::NoFocus);
    TXT_ARTICOLO_DESTI = new controls::LookupBox(frame);
    TXT_ARTICOLO_DESTI->setObjectName("TXT_ARTICOLO_DESTI");
    TXT_ARTICOLO_DESTI->SetReadOnly(true);
    TXT_DESART_DESTI = new QLineEdit(frame);
    TXT_DESART_DESTI->setObjectName("TXT_DESART_DESTI");
    TXT_DESART_DESTI->setReadOnly(true);
    TXT_DESART_DESTI->setFocusPolicy(Qt::NoFocus);
    for (const auto& box : {TXT_ARTICOLO_ORIG, TXT_VARIANTE_ORIG, TXT_ARTICOLO_DESTI})
        box->setMinimumWidth(130);
    fields->addWidget(label("Codice articolo origine", frame), 0, 0);
    fields->addWidget(TXT_ARTICOLO_ORIG, 0, 1);
    fields->addWidget(label("Codice variante assieme", frame), 0, 2);
    fields->addWidget(TXT_VARIANTE_ORIG, 0, 3);
    fields->addWidget(TXT_DESCR_ORIG, 0, 4);
    fields->addWidget(label("Codice articolo destinazione", frame), 1, 0);
    fields->addWidget(TXT_ARTICOLO_DESTI, 1, 1);
    fields->addWidget(TXT_DESART_DESTI, 1, 2, 1, 3);
    fields->setColumnStretch(4, 1);
    fields->setHorizontalSpacing(8);
    outer->addItem(fields);

    auto* options = new QGridLayout;
    CHK_DUPLALTER = checkBox("CHK_DUPLALTER", "Trasferimento alternativi", frame);
    CHK_CICLI = checkBox("CHK_CICLI", "Trasferimento cicli", frame);
    CHK_REGOLE_FASHION = checkBox("CHK_REGOLE_FASHION", "Duplica regole distinta fashion", frame);
    CHK_DUPLNOTE = checkBox("CHK_DUPLNOTE", "Trasferimento note", frame);
    CHK_GENERALE = checkBox("CHK_GENERALE", "Generale", frame);
    CHK_COMMERC = checkBox("CHK_COMMERC", "Commerciale", frame);
    CHK_CANTIERE = checkBox("CHK_CANTIERE", "Cantiere", frame);
    CHK_TECNICA = checkBox("CHK_TECNICA", "Tecnica", frame);
    options->addWidget(CHK_DUPLALTER, 0, 0);
    options->addWidget(CHK_CICLI, 0, 1);
    options->addWidget(CHK_REGOLE_FASHION, 0, 2, 1, 3);
    options->addWidget(CHK_DUPLNOTE, 1, 0);
    options->addWidget(CHK_GENERALE, 1, 1);
    options->addWidget(CHK_COMMERC, 1, 2);
    options->addWidget(CHK_CANTIERE, 1, 3);
    options->addWidget(CHK_TECNICA, 1, 4);
    options->setColumnStretch(5, 1);
    outer->addItem(options);

    CMD_ANTEPRIMA = button("CMD_ANTEPRIMA", "Anteprima", frame);
    CMD_DUPL = button("CMD_DUPL", "Duplica distinte", frame);
    CMD_ABORT = button("CMD_ABORT", "Interrompi", frame);
    CMD_DUPLART = button("CMD_DUPLART", "Duplica articolo...", frame);
    auto* commands = new QHBoxLayout;
    for (const auto& b : {CMD_ANTEPRIMA, CMD_DUPL, CMD_ABORT})
        commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(CMD_DUPLART);
    outer->addItem(commands);
    CMD_DUPL->setEnabled(false);
    CMD_ABORT->hide();

    auto* grids = new QSplitter(Qt::Horizontal, frame);
    grids->setObjectName("SPLIT_DUPL_GRIDS");
    grids->setChildrenCollapsible(false);
    QGRID_STRUTT_DESTI = new controls::DataGrid(grids);
    QGRID_STRUTT_DESTI->setObjectName("QGRID_STRUTT_DESTI");
    QGRID_STRUTT_DESTI->SetReadOnly(true);
    auto* right = new QWidget(grids);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    LBL_PREVIEW = new QLabel(right);
    LBL_PREVIEW->setObjectName("LBL_PREVIEW");
    QGRID_PREVIEW = new controls::DataGrid(right);
    QGRID_PREVIEW->setObjectName("QGRID_PREVIEW");
    QGRID_PREVIEW->SetFixedOrder(true);  // the combinations in their generated order
    rightLayout->addWidget(LBL_PREVIEW);
    rightLayout->addWidget(QGRID_PREVIEW, 1);
    grids->addWidget(QGRID_STRUTT_DESTI);
    grids->addWidget(right);
    grids->setStretchFactor(0, 1);
    grids->setStretchFactor(1, 2);
    outer->addWidget(grids);
    if (auto* box = qobject_cast<QBoxLayout*>(outer))
        box->setStretchFactor(grids, 1);

    // Without a window's progress panel (a card of the tests) the pane has its own.
    ownProgress_ = common::OwnProgressPanel(card(), frame, outer);

    buildLookups();
    configureLookups();
    QObject::connect(CMD_ANTEPRIMA, &QPushButton::clicked, [this] { CMD_ANTEPRIMA_ButtonClick(); });
    QObject::connect(CMD_DUPL, &QPushButton::clicked, [this] { CMD_DUPL_ButtonClick(); });
    QObject::connect(CMD_ABORT, &QPushButton::clicked, [this] { CMD_ABORT_Click(); });
    QObject::connect(CMD_DUPLART, &QPushButton::clicked, [this] { CMD_DUPLART_Click(); });
    QObject::connect(CHK_DUPLNOTE, &QCheckBox::clicked, [this] { CHK_DUPLNOTE_Click(); });
    QObject::connect(CHK_REGOLE_FASHION, &QCheckBox::clicked,
                     [this] { CHK_REGOLE_FASHION_Click(); });
    QObject::connect(QGRID_STRUTT_DESTI, &controls::DataGrid::cellClick, [this](int c, long r) {
        structureCell(r, QGRID_STRUTT_DESTI->Columns().Item(c).Key().toStdString());
    });
    QGRID_STRUTT_DESTI->installEventFilter(
        new SpaceFlips(QGRID_STRUTT_DESTI, [this](int c, long r) {
            structureCell(r, QGRID_STRUTT_DESTI->Columns().Item(c).Key().toStdString());
        }));
    QObject::connect(QGRID_STRUTT_DESTI, &controls::DataGrid::beforeSorting,
                     [this](int c, bool& cancel) {
                         QGRID_STRUTT_DESTI_BeforeSorting(
                             QGRID_STRUTT_DESTI->Columns().Item(c).Key().toStdString(), cancel);
                     });
    QObject::connect(
        QGRID_PREVIEW, &controls::DataGrid::beforeSorting, [this](int c, bool& cancel) {
            const std::string key = QGRID_PREVIEW->Columns().Item(c).Key().toStdString();
            if (key == "SELEZ") {
                cancel = true;
                QGRID_PREVIEW_HeadCheckClick(key, !headCheck_, cancel);
            }
        });

    CHK_DUPLNOTE_Click();
    Configura_QGRID_PREVIEW();
    // Hidden until the launcher opens it (CreazioneDistinte).
    FRAME_DUPL->hide();
}

controls::ProgressPanel* DuplPane::KOV_PROGRESS1() {
    if (controls::ProgressPanel* p = card().KOV_PROGRESS1())
        return p;
    return ownProgress_;
}

bool DuplPane::run(const std::string& procedure) {
    if (procedure == "CreazioneDistinte") {
        CreazioneDistinte();
        return true;
    }
    if (procedure == "Invoca_DuplicazioneArticolo") {
        CMD_DUPLART_Click();
        return true;
    }
    return false;
}

void DuplPane::firstActivation() {
    configureLookups();
}

void DuplPane::beforeTabSwitch() {
    if (frameGuard_)
        FRAME_DUPL->hide();
}

// A new search hides the frame as a tab switch does.
void DuplPane::newSearch() {
    beforeTabSwitch();
}

void DuplPane::release() {
    // The page may be gone before the pane: its widgets with it.
    if (frameGuard_) {
        common::releaseQuietly([&] {
            QGRID_STRUTT_DESTI->SetDataSource(nullptr);
            QGRID_PREVIEW->SetDataSource(nullptr);
            for (const auto& box : {TXT_ARTICOLO_ORIG, TXT_VARIANTE_ORIG, TXT_ARTICOLO_DESTI})
                box->SetConnection(nullptr);
        });
    }
    common::ChiudiRecordset(rsStrutt_);
    common::ChiudiRecordset(rsPreview_);
    common::ChiudiRecordset(rsMG5F_);
}

void DuplPane::setRunning(bool running) {
    CMD_ANTEPRIMA->setVisible(!running);
    CMD_DUPL->setVisible(!running);
    CMD_ABORT->setVisible(running);
    for (QWidget* w : std::initializer_list<QWidget*>{
             TXT_ARTICOLO_ORIG, TXT_VARIANTE_ORIG, CHK_DUPLALTER, CHK_DUPLNOTE, CHK_CICLI,
             CHK_REGOLE_FASHION, CMD_DUPLART, QGRID_STRUTT_DESTI, QGRID_PREVIEW})
        w->setEnabled(!running);
    if (!running)
        CHK_DUPLNOTE_Click();
    else
        for (const auto& c : {CHK_GENERALE, CHK_COMMERC, CHK_CANTIERE, CHK_TECNICA})
            c->setEnabled(false);
}

void DuplPane::CreazioneDistinte() {
    const std::string item = card().currentItem();
    if (!common::IsItemCode(item))
        return;
    if (card().currentTab() != common::kTabGestioni)
        card().selectTab(common::kTabGestioni);
    common::Procedure p(card(), "CreazioneDistinte");
    p.step([&] {
        TXT_ARTICOLO_ORIG->SetText({});
        TXT_VARIANTE_ORIG->SetText({});
        TXT_DESCR_ORIG->clear();
        TXT_ARTICOLO_DESTI->SetText(QString::fromStdString(item));
        TXT_ARTICOLO_DESTI->Decode();
        CMD_DUPL->setEnabled(false);
    });
    p.step([&] { CaricaRSTMG5F(); });
    p.step([&] {
        // A structure of another item may stand behind the preview: it goes.
        QGRID_PREVIEW->SetDataSource(nullptr);
        common::ChiudiRecordset(rsPreview_);
        LBL_PREVIEW->setText(
            QString::fromStdString(card().services().TraduciTesto("Anteprima", 6888)));
    });
    p.step([&] {
        if (CreaTemporaneaCombivar() && CaricaCombivar(item))
            Configura_QGRID_STRUTT_DESTI(item);
    });
    p.step([&] { Configura_QGRID_PREVIEW(); });
    p.step([&] {
        FRAME_DUPL->show();
        TXT_ARTICOLO_ORIG->LineEdit()->setFocus();
    });
}

void DuplPane::CHK_DUPLNOTE_Click() {
    try {
        const bool notes = CHK_DUPLNOTE->isChecked();
        for (const auto& c : {CHK_GENERALE, CHK_COMMERC, CHK_CANTIERE, CHK_TECNICA}) {
            if (!notes)
                c->setChecked(false);
            c->setEnabled(notes);
        }
    } catch (...) {
    }
}

void DuplPane::CHK_REGOLE_FASHION_Click() {
    common::Procedure p(card(), "CHK_REGOLE_FASHION_Click");
    p.step([&] {
        const std::string origin = common::BoxText(TXT_ARTICOLO_ORIG);
        if (!CHK_REGOLE_FASHION->isChecked() || origin.empty())
            return;
        duplicatore_->SetConnection(&card().connection());
        const std::string variant = common::BoxText(TXT_VARIANTE_ORIG);
        if (!duplicatore_->OriginRulesExist(card().companyCode(), origin, variant)) {
            card().services().VisualizzaMessaggio(
                "Non esistono regole origine per la distinta base indicata.", 91516,
                common::vbInformation, card().widget()->windowTitle().toStdString());
            CHK_REGOLE_FASHION->setChecked(false);
        }
    });
}

// ---- lookups

void DuplPane::buildLookups() {
    auto& lk = *TXT_ARTICOLO_ORIG;
    QObject::connect(&lk, &controls::LookupBox::startLookup, [this](bool&) {
        controls::ApplyLookup(*TXT_ARTICOLO_ORIG, card().lookups().Items());
    });
    QObject::connect(&lk, &controls::LookupBox::startDecode, [this](bool&) {
        controls::ApplyDecode(*TXT_ARTICOLO_ORIG,
                              card().lookups().DecodeItem(TXT_ARTICOLO_ORIG->Text().toStdString()));
    });
    QObject::connect(&lk, &controls::LookupBox::afterItem, [this] {
        showDescription(TXT_DESCR_ORIG, TXT_ARTICOLO_ORIG->ItemValue("MG66_DESCART"));
        // A variant article chosen for another origin means nothing here.
        if (TXT_ARTICOLO_ORIG->Text() != lastOrigin_) {
            lastOrigin_ = TXT_ARTICOLO_ORIG->Text();
            TXT_VARIANTE_ORIG->SetText({});
        }
    });

    QObject::connect(TXT_VARIANTE_ORIG, &controls::LookupBox::startLookup, [this](bool& cancel) {
        const std::string origin =
            common::NzStringa(db::Value(TXT_ARTICOLO_ORIG->Text().toStdString()));
        if (origin.empty()) {
            cancel = true;
            card().services().VisualizzaMessaggio("Indicare il codice articolo di origine.", 32819,
                                                  common::vbCritical,
                                                  card().widget()->windowTitle().toStdString());
            return;
        }
        TXT_VARIANTE_ORIG->SetLookupQuery(
            "SELECT DISTINCT PD95_OPZIONE AS VARIANTE, MG87_DESCART AS DESCRIZIONE FROM "
            "PD95_DISBA WITH (NOLOCK) LEFT OUTER JOIN MG87_ARTDESC WITH (NOLOCK) ON "
            "MG87_DITTA_CG18 = PD95_DITTA_CG18 AND MG87_CODART_MG66 = PD95_CODART_MG66 AND "
            "MG87_OPZIONE_MG5E = PD95_OPZIONE AND MG87_LINGUA_MG52 = '' WHERE PD95_DITTA_CG18 = " +
            card().companyCode() + " AND PD95_CODART_MG66 = " + quoted(origin) +
            " AND PD95_OPZIONE <> '' AND PD95_TIPO_DISTINTA = 0 ORDER BY PD95_OPZIONE");
        TXT_VARIANTE_ORIG->SetLookupColumns({"VARIANTE", "DESCRIZIONE"},
                                            {"Variante articolo", "Descrizione"});
        TXT_VARIANTE_ORIG->SetReturnField("VARIANTE");
        // The caption in the user's language, then the item.
        TXT_VARIANTE_ORIG->SetLookupTitle(
            card().services().TranslateCaption(QStringLiteral("Varianti con distinta base di")) +
            QLatin1Char(' ') + QString::fromStdString(origin));
    });
    QObject::connect(TXT_VARIANTE_ORIG, &controls::LookupBox::startDecode, [this](bool& cancel) {
        const std::string origin =
            common::NzStringa(db::Value(TXT_ARTICOLO_ORIG->Text().toStdString()));
        if (origin.empty()) {
            cancel = true;
            TXT_DESCR_ORIG->clear();
            return;
        }
        TXT_VARIANTE_ORIG->SetDecodeQuery(
            "SELECT MG87_DESCART FROM MG87_ARTDESC WITH (NOLOCK) WHERE MG87_DITTA_CG18 = " +
            card().companyCode() + " AND MG87_CODART_MG66 = " + quoted(origin) +
            " AND MG87_OPZIONE_MG5E = " + quoted(TXT_VARIANTE_ORIG->Text().toStdString()) +
            " AND MG87_LINGUA_MG52 = ''");
    });
    QObject::connect(TXT_VARIANTE_ORIG, &controls::LookupBox::afterItem, [this] {
        if (common::NzStringa(db::Value(TXT_VARIANTE_ORIG->Text().toStdString())).empty())
            showDescription(TXT_DESCR_ORIG, TXT_ARTICOLO_ORIG->ItemValue("MG66_DESCART"));
        else
            showDescription(TXT_DESCR_ORIG, TXT_VARIANTE_ORIG->ItemValue("MG87_DESCART"));
    });

    QObject::connect(TXT_ARTICOLO_DESTI, &controls::LookupBox::startDecode, [this](bool&) {
        controls::ApplyDecode(*TXT_ARTICOLO_DESTI, card().lookups().DecodeItem(
                                                       TXT_ARTICOLO_DESTI->Text().toStdString()));
    });
    QObject::connect(TXT_ARTICOLO_DESTI, &controls::LookupBox::afterItem, [this] {
        showDescription(TXT_DESART_DESTI, TXT_ARTICOLO_DESTI->ItemValue("MG66_DESCART"));
    });
}

void DuplPane::configureLookups() {
    TXT_ARTICOLO_ORIG->SetLookupKind(framework::kLookupArticoli);
    TXT_ARTICOLO_DESTI->SetLookupKind(framework::kLookupArticoli);
    TXT_VARIANTE_ORIG->SetLookupKind(framework::kLookupStandard);
    for (const auto& box : {TXT_ARTICOLO_ORIG, TXT_VARIANTE_ORIG, TXT_ARTICOLO_DESTI})
        box->SetConnection(&card().connection());
}

}  // namespace duplication
