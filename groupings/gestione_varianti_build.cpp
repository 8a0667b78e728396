// The options tab's page: the variant and grouping boxes, the two lists with
// the composition commands between them, and the wiring of their events.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "common/procedure.h"
#include "common/progress_indicator.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/clsmg_opzioni.h"
#include "groupings/codici_raggruppamento.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/gestione_varianti_tab.h"
#include "groupings/groupings_sql.h"
#include "groupings/option_import.h"
#include "groupings/option_lists.h"
#include "groupings/ribalta_descrizioni.h"
#include "groupings/where_used.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/key_filters.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/mnemonics.h"
#include "platform/controls/split_region.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"
#include "platform/framework/component_registry.h"

namespace groupings {

using common::Procedure;

namespace {

QPushButton* pulsante(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* casella(const char* name, int maxLength, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    return e;
}

}  // namespace

void GestioneVariantiTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(createVariantBox(page));
    // The two lists with the composition commands between them, across a
    // split region the user may move.
    SplitRegion1 = new controls::SplitRegion(Qt::Horizontal, page);
    SplitRegion1->setObjectName("SplitRegion1");
    layout->addWidget(SplitRegion1, 1);
    SplitRegion1->addWidget(createSourceBox(page));
    SplitRegion1->addWidget(createCommandsBox(page));
    SplitRegion1->addWidget(createDestinationBox(page));
    SplitRegion1->SetProportions({1, 0, 1});

    StatoOpzioni& st = stato();
    st.concludiModifiche = [this] { settleUnconfirmedEdits(); };
    common::WindowServices& ws = card().services();
    controls::SetCommandText(st.CMD_DASELEZ, QString::fromStdString(ws.TraduciTesto(
                                                 "Visualizza solo opzioni da selezionare", 76542)));
    controls::SetCommandText(st.CMD_RUBRICA1, QString::fromStdString(ws.TraduciTesto(
                                                  "Attiva visualizzazione rubrica", 76561)));
    InitGRDX_VARIANTI_SOURCE();
    InitGRDX_VARIANTI_DESTI();

    connectListEvents(page);
    connectGroupingEvents(page);
    // The transcoding tab's copy into a grouping is this module's.
    ConnectDescriptionCopy(card());
    ConnectWhereUsed(card());
}

// Variant and grouping.
QLayout* GestioneVariantiTab::createVariantBox(QWidget* page) {
    StatoOpzioni& st = stato();
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Variante"), page), 0, 0);
    st.CBO_TIPOVAR1 = new QComboBox(page);
    st.CBO_TIPOVAR1->setObjectName("CBO_TIPOVAR1");
    st.CBO_TIPOVAR1->setMinimumWidth(180);
    top->addWidget(st.CBO_TIPOVAR1, 0, 1);
    CMD_LINK1 = pulsante("CMD_LINK1", QStringLiteral("Gestione varianti"), page);
    top->addWidget(CMD_LINK1, 0, 2);
    top->addWidget(new QLabel(QStringLiteral("Raggruppamento"), page), 1, 0);
    st.TXT_RAGGR1 = new controls::LookupBox(page);
    st.TXT_RAGGR1->setObjectName("TXT_RAGGR1");
    st.TXT_RAGGR1->SetMaxLength(25);
    st.TXT_RAGGR1->SetUpperCase(true);
    st.TXT_RAGGR1->SetConnection(&card().connection());
    st.TXT_RAGGR1->AddMenuEntry(QStringLiteral("Kgestione"),
                                QStringLiteral("Gestione raggruppamenti..."));
    top->addWidget(st.TXT_RAGGR1, 1, 1);
    st.TXT_DESRAGGR1 = casella("TXT_DESRAGGR1", 40, page);
    st.TXT_DESRAGGR1->setEnabled(false);
    top->addWidget(st.TXT_DESRAGGR1, 1, 2, 1, 2);
    st.CMD_ASSOCIA = pulsante("CMD_ASSOCIA", QStringLiteral("Associa"), page);
    st.CMD_ASSOCIA->setToolTip(QStringLiteral("Associa il raggruppamento alla variante"));
    st.CMD_ASSOCIA->setEnabled(false);
    top->addWidget(st.CMD_ASSOCIA, 1, 4);
    top->setColumnStretch(3, 1);
    return top;
}

// The source list with its editor.
QWidget* GestioneVariantiTab::createSourceBox(QWidget* page) {
    StatoOpzioni& st = stato();
    auto* origine = new QGroupBox(QStringLiteral("Opzioni della variante"), page);
    auto* left = new QGridLayout(origine);
    left->addWidget(new QLabel(QStringLiteral("Codice"), origine), 0, 0);
    st.TXT_OPZIONE_ORIG = casella("TXT_OPZIONE_ORIG", 20, origine);
    st.TXT_OPZIONE_ORIG->setEnabled(false);
    left->addWidget(st.TXT_OPZIONE_ORIG, 0, 1);
    st.TXT_DESOPZIONE_ORIG = casella("TXT_DESOPZIONE_ORIG", 80, origine);
    left->addWidget(st.TXT_DESOPZIONE_ORIG, 0, 2, 1, 2);
    auto* cmds = new QHBoxLayout;
    st.CMD_OPZORIG_NUOVO = pulsante("CMD_OPZORIG_NUOVO", QStringLiteral("Nuovo"), origine);
    st.CMD_OPZORIG_SALVA = pulsante("CMD_OPZORIG_SALVA", QStringLiteral("Conferma"), origine);
    st.CMD_OPZORIG_ELIMINA = pulsante("CMD_OPZORIG_ELIMINA", QStringLiteral("Elimina"), origine);
    st.CMD_SEARCH = pulsante("CMD_SEARCH", QStringLiteral("Cerca (descrizione contiene)"), origine);
    for (QPushButton* b : {st.CMD_OPZORIG_NUOVO.data(), st.CMD_OPZORIG_SALVA.data(),
                           st.CMD_OPZORIG_ELIMINA.data(), st.CMD_SEARCH.data()})
        cmds->addWidget(b);
    cmds->addStretch(1);
    left->addLayout(cmds, 1, 0, 1, 4);
    // The two view toggles have long captions: one above the other, each
    // keeps its words whole in a narrow pane.
    auto* views = new QVBoxLayout;
    st.CMD_DASELEZ = pulsante("CMD_DASELEZ", {}, origine);
    st.CMD_RUBRICA1 = pulsante("CMD_RUBRICA1", {}, origine);
    views->addWidget(st.CMD_DASELEZ, 0, Qt::AlignLeft);
    views->addWidget(st.CMD_RUBRICA1, 0, Qt::AlignLeft);
    left->addLayout(views, 2, 0, 1, 4);
    st.GRDX_VARIANTI_SOURCE = new controls::DataGrid(origine);
    st.GRDX_VARIANTI_SOURCE->setObjectName("GRDX_VARIANTI_SOURCE");
    EnableOptionImport(card(), st.GRDX_VARIANTI_SOURCE);  // pasted or imported options
    left->addWidget(st.GRDX_VARIANTI_SOURCE, 3, 0, 1, 4);
    left->setColumnStretch(2, 1);
    left->setRowStretch(3, 1);
    return origine;
}

// Between the lists: the composition commands.
QWidget* GestioneVariantiTab::createCommandsBox(QWidget* page) {
    StatoOpzioni& st = stato();
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    st.CMD_ADDSEL = pulsante("CMD_ADDSEL", QStringLiteral("Aggiungi >>"), page);
    st.CMD_ADDSEL->setToolTip(QStringLiteral("Aggiungi le varianti selezionate"));
    st.CMD_TOGLISEL = pulsante("CMD_TOGLISEL", QStringLiteral("<< Togli"), page);
    st.CMD_TOGLISEL->setToolTip(QStringLiteral("Togli le varianti selezionate"));
    st.CMD_SU = pulsante("CMD_SU", QStringLiteral("Su"), page);
    st.CMD_GIU = pulsante("CMD_GIU", QStringLiteral("Gi\u00f9"), page);
    st.CMD_SU->setEnabled(false);
    st.CMD_GIU->setEnabled(false);
    for (QPushButton* b :
         {st.CMD_ADDSEL.data(), st.CMD_TOGLISEL.data(), st.CMD_SU.data(), st.CMD_GIU.data()})
        middle->addWidget(b);
    middle->addStretch(1);
    auto* comandi = new QWidget(SplitRegion1);
    comandi->setLayout(middle);
    return comandi;
}

// The destination list: the grouping's composition.
QWidget* GestioneVariantiTab::createDestinationBox(QWidget* page) {
    StatoOpzioni& st = stato();
    auto* destino = new QGroupBox(QStringLiteral("Composizione del raggruppamento"), page);
    auto* right = new QGridLayout(destino);
    st.TXT_OPZIONE_DEST = casella("TXT_OPZIONE_DEST", 20, destino);
    st.TXT_OPZIONE_DEST->setEnabled(false);
    st.TXT_OPZIONE_DEST->setMaximumWidth(120);
    right->addWidget(st.TXT_OPZIONE_DEST, 0, 0);
    st.TXT_DESOPZIONE_DEST = casella("TXT_DESOPZIONE_DEST", 80, destino);
    // The description on a row of its own: it stays readable in a narrow pane.
    right->addWidget(st.TXT_DESOPZIONE_DEST, 1, 0, 1, 3);
    st.CMD_OPZDEST_SALVA = pulsante("CMD_OPZDEST_SALVA", QStringLiteral("Conferma"), destino);
    right->addWidget(st.CMD_OPZDEST_SALVA, 0, 2);
    st.GRDX_VARIANTI_DESTI = new controls::DataGrid(destino);
    st.GRDX_VARIANTI_DESTI->setObjectName("GRDX_VARIANTI_DESTI");
    st.GRDX_VARIANTI_DESTI->SetFixedOrder(true);  // the grouping's own sequence
    right->addWidget(st.GRDX_VARIANTI_DESTI, 2, 0, 1, 3);
    right->setColumnStretch(1, 1);
    right->setRowStretch(2, 1);
    return destino;
}

void GestioneVariantiTab::connectListEvents(QWidget* page) {
    StatoOpzioni& st = stato();
    common::ItemCard& c = card();
    QObject::connect(st.CBO_TIPOVAR1, &QComboBox::activated, page,
                     [this](int) { CBO_TIPOVAR1_Click(); });
    QObject::connect(st.CMD_OPZORIG_NUOVO, &QPushButton::clicked, page,
                     [this] { CMD_OPZORIG_NUOVO_Click(); });
    QObject::connect(st.CMD_OPZORIG_SALVA, &QPushButton::clicked, page,
                     [this] { CMD_OPZORIG_SALVA_Click(); });
    QObject::connect(st.CMD_OPZORIG_ELIMINA, &QPushButton::clicked, page,
                     [this] { CMD_OPZORIG_ELIMINA_Click(); });
    QObject::connect(st.CMD_SEARCH, &QPushButton::clicked, page, [this] { CMD_SEARCH_Click(); });
    QObject::connect(CMD_LINK1, &QPushButton::clicked, page, [this] { CMD_LINK1_Click(); });
    QObject::connect(st.CMD_DASELEZ, &QPushButton::clicked, page,
                     [this] { CMD_DASELEZ_ButtonClick(); });
    QObject::connect(st.CMD_RUBRICA1, &QPushButton::clicked, page,
                     [this] { CMD_RUBRICA1_ButtonClick(); });
    QObject::connect(st.TXT_OPZIONE_ORIG, &QLineEdit::editingFinished, page, [this] {
        if (TXT_OPZIONE_ORIG_Validate())
            stato().TXT_OPZIONE_ORIG->setFocus();
    });
    QObject::connect(st.TXT_DESOPZIONE_ORIG, &QLineEdit::editingFinished, page,
                     [this] { TXT_DESOPZIONE_ORIG_AfterEntry(); });
    // Esc drops what was typed in the option boxes, as a frame's undo does:
    // they show the current option again and a new code not yet saved is gone.
    for (QLineEdit* box : {st.TXT_OPZIONE_ORIG.data(), st.TXT_DESOPZIONE_ORIG.data()})
        controls::OnKeyPress(box, Qt::Key_Escape, [this] {
            StatoOpzioni& s = stato();
            s.origModificata = false;
            s.TXT_OPZIONE_ORIG->clear();
            s.TXT_DESOPZIONE_ORIG->clear();
            s.TXT_OPZIONE_ORIG->setEnabled(false);
            GRDX_VARIANTI_SOURCE_RowChanged();
        });
    // Only what the user types marks the boxes as edited (a row shown does not).
    for (QLineEdit* box : {st.TXT_OPZIONE_ORIG.data(), st.TXT_DESOPZIONE_ORIG.data()})
        QObject::connect(box, &QLineEdit::textEdited, page,
                         [this] { stato().origModificata = true; });
    QObject::connect(st.TXT_DESOPZIONE_DEST, &QLineEdit::textEdited, page,
                     [this] { stato().destModificata = true; });
    QObject::connect(st.GRDX_VARIANTI_SOURCE, &controls::DataGrid::rowChanged, page,
                     [this](long, long) { GRDX_VARIANTI_SOURCE_RowChanged(); });
    QObject::connect(st.GRDX_VARIANTI_DESTI, &controls::DataGrid::rowChanged, page,
                     [&c](long, long) { GRDX_VARIANTI_DESTI_RowChanged(c); });
    QObject::connect(st.GRDX_VARIANTI_SOURCE, &controls::DataGrid::checkEditToggleClick, page,
                     [this](int, long row, bool& cancel) {
                         cancel = true;
                         GRDX_CheckEditToggleClick(true, row);
                     });
    QObject::connect(st.GRDX_VARIANTI_DESTI, &controls::DataGrid::checkEditToggleClick, page,
                     [this](int, long row, bool& cancel) {
                         cancel = true;
                         GRDX_CheckEditToggleClick(false, row);
                     });
    // The list the user works in decides whether the move buttons apply.
    controls::OnFocusIn(st.GRDX_VARIANTI_SOURCE, [this] { SetListActive(false); });
    controls::OnFocusIn(st.GRDX_VARIANTI_DESTI, [this] { SetListActive(true); });
    QObject::connect(st.GRDX_VARIANTI_SOURCE, &controls::DataGrid::cellClick, page,
                     [this](int, long) { SetListActive(false); });
    QObject::connect(st.GRDX_VARIANTI_DESTI, &controls::DataGrid::cellClick, page,
                     [this](int, long) { SetListActive(true); });
}

void GestioneVariantiTab::connectGroupingEvents(QWidget* page) {
    StatoOpzioni& st = stato();
    common::ItemCard& c = card();
    // Grouping codes.
    QObject::connect(st.TXT_RAGGR1, &controls::LookupBox::startLookup, page,
                     [&c](bool&) { TXT_RAGGR1_StartLookup(c); });
    QObject::connect(st.TXT_RAGGR1, &controls::LookupBox::startDecode, page,
                     [&c](bool&) { TXT_RAGGR1_StartDecode(c); });
    // Another grouping reloads both lists: what was typed for an option of
    // the one on show is offered first.
    QObject::connect(st.TXT_RAGGR1, &controls::LookupBox::afterItem, page, [this, &c] {
        settleUnconfirmedEdits();
        TXT_RAGGR1_AfterItem(c);
    });
    QObject::connect(st.TXT_RAGGR1, &controls::LookupBox::menuEntry, page,
                     [&c](const QString& key) { TXT_RAGGR1_MenuEntry(c, key.toStdString()); });
    QObject::connect(st.TXT_DESRAGGR1, &QLineEdit::editingFinished, page,
                     [&c] { TXT_DESRAGGR1_Validate(c); });
    QObject::connect(st.CMD_ASSOCIA, &QPushButton::clicked, page, [&c] { CMD_ASSOCIA_Click(c); });

    // Composition.
    QObject::connect(st.CMD_ADDSEL, &QPushButton::clicked, page, [&c] { CMD_ADDSEL_Click(c); });
    QObject::connect(st.CMD_TOGLISEL, &QPushButton::clicked, page, [&c] { CMD_TOGLISEL_Click(c); });
    QObject::connect(st.CMD_SU, &QPushButton::clicked, page, [&c] { CMD_SU_Click(c); });
    QObject::connect(st.CMD_GIU, &QPushButton::clicked, page, [&c] { CMD_GIU_Click(c); });
    QObject::connect(st.CMD_OPZDEST_SALVA, &QPushButton::clicked, page,
                     [&c] { CMD_OPZDEST_SALVA_Click(c); });
}

void GestioneVariantiTab::InitGRDX_VARIANTI_SOURCE() {
    StatoOpzioni& st = stato();
    Procedure p(card(), "InitGRDX_VARIANTI_SOURCE");
    p.step([&] {
        controls::GridColumns& cols = st.GRDX_VARIANTI_SOURCE->Columns();
        cols.Clear();
        cols.Add("SELEZ", QStringLiteral("Sel.")).SetKind(controls::CellKind::Check).SetWidth(36);
        cols.Add("MG5E_OPZIONE", QStringLiteral("Opzione")).SetWidth(90).SetReadOnly(true);
        cols.Add("MG5E_DESCR", QStringLiteral("Descrizione")).SetWidth(220).SetReadOnly(true);
        cols.Add("LETTERA", QStringLiteral("Lettera")).SetWidth(50).SetReadOnly(true);
        cols.Add("SORT_CODE", QStringLiteral("SortCode"))
            .SetNumberFormat(0)
            .SetWidth(60)
            .SetReadOnly(true);
        card().services().TraduciColonne(st.GRDX_VARIANTI_SOURCE);
    });
}

void GestioneVariantiTab::InitGRDX_VARIANTI_DESTI() {
    StatoOpzioni& st = stato();
    Procedure p(card(), "InitGRDX_VARIANTI_DESTI");
    p.step([&] {
        controls::GridColumns& cols = st.GRDX_VARIANTI_DESTI->Columns();
        cols.Clear();
        cols.Add("SELEZ", QStringLiteral("Sel.")).SetKind(controls::CellKind::Check).SetWidth(36);
        cols.Add("MG5H_OPZIONE_MG5E", QStringLiteral("Opzione")).SetWidth(90).SetReadOnly(true);
        cols.Add("DESCR_OPZIONE", QStringLiteral("Descrizione")).SetWidth(220).SetReadOnly(true);
        cols.Add("MG5H_SEQOPZIONE", QStringLiteral("Sequenza"))
            .SetNumberFormat(0)
            .SetWidth(70)
            .SetReadOnly(true);
        card().services().TraduciColonne(st.GRDX_VARIANTI_DESTI);
    });
}

void GestioneVariantiTab::applySplit() {
    if (SplitRegion1)
        SplitRegion1->ApplyProportions();
}

}  // namespace groupings
