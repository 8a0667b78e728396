// The transcoding tab on the demo database, driven through its widgets:
// choosing variant and counterpart, the two counterpart lookups, the
// grouping filter, entering, changing and deleting rows, bad input and the
// error report.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_navigator.h"
#include "platform/controls/lookup_box.h"
#include "platform/controls/record_frame.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"
#include "tests/support/typing.h"
#include "transcoding/stato_trascodifica.h"
#include "transcoding/trascodifica_varianti_tab.h"

namespace {

using namespace cardtest;
using transcoding::TrascodificaVariantiTab;

struct Transcoding : ::testing::Test {
    void SetUp() override { cardtest::clearMessages(); }
    TestCard card;
    TrascodificaVariantiTab& tab =
        card.addTab<TrascodificaVariantiTab>(common::kTabTrascodificaVarianti);

    void open(const std::string& item) {
        card.showItem(item);
        tab.activate();
        tab.load();
    }
    // Chooses an entry of a combo as the user does.
    static void choose(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void variant(const std::string& code) {
        const int at = tab.CBO_TIPOVAR2->findData(common::indiceVariante(code));
        ASSERT_GE(at, 0) << code;
        choose(tab.CBO_TIPOVAR2, at);
    }
    void counterpart(int kind, const std::string& code) {
        if (tab.CBO_CLIFOR->currentIndex() != kind)
            choose(tab.CBO_CLIFOR, kind);
        type(tab.TXT_CLIFOR->LineEdit(), code);
    }
    // A new row as a user enters it: "Nuovo", the option (saved on leaving
    // the box), then the description confirmed with Enter.
    void enter(const std::string& option, const std::string& description = "") {
        tab.GRIDNAV_TRASCF->Click("Nuovo");
        type(tab.TXT_OPZIONECF->LineEdit(), option);
        if (!description.empty())
            type(tab.TXT_DESCRCF, description);
    }
    // Options listed, in list order (rows being entered left out).
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        db::Recordset* rs = tab.rsTrascf();
        if (!rs || !rs->isOpen() || tab.GRD_TRASCF->DataSource() != rs)
            return out;
        for (long r = 0; r < rs->recordCount(); ++r)
            if (rs->statusAt(r) != db::RecordStatus::New)
                out.push_back(text(rs->valueAt(r, rs->fieldIndex("MG5S_OPZIONE_MG5E"))));
        return out;
    }
    long rowOf(const std::string& option) {
        db::Recordset* rs = tab.rsTrascf();
        for (long r = 0; r < rs->recordCount(); ++r)
            if (text(rs->valueAt(r, rs->fieldIndex("MG5S_OPZIONE_MG5E"))) == option)
                return r;
        return -1;
    }
    std::string cell(const std::string& option, int column) {
        const long r = rowOf(option);
        return r < 0 ? "<none>" : tab.GRD_TRASCF->CellText(r, column).trimmed().toStdString();
    }
    long long rows(const std::string& where) {
        return count(card.connection(), "MG5S_VARCLIFOR", "MG5S_DITTA_CG18 = 1 AND " + where);
    }
    db::Value stored(const std::string& var, int kind, int clifor, const std::string& option) {
        return scalar(card.connection(),
                      "SELECT MG5S_DESCR FROM MG5S_VARCLIFOR WHERE MG5S_DITTA_CG18 = 1 AND "
                      "MG5S_CODICEVAR_MG5F = '" +
                          var + "' AND MG5S_TIPOCF_CG44 = " + std::to_string(kind) +
                          " AND MG5S_CLIFOR_CG44 = " + std::to_string(clifor) +
                          " AND MG5S_OPZIONE_MG5E = '" + option + "'");
    }
    static std::vector<std::string> sorted(std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    }
};

// ------------------------------------------------------------ the list

TEST_F(Transcoding, LoadsOncePerItemAndListsNothingUntilACounterpartIsKnown) {
    open("MAGLIA-001");
    EXPECT_EQ(card.cleared[common::kTabTrascodificaVarianti], 1);
    EXPECT_EQ(card.loadedItem(common::kTabTrascodificaVarianti), "MAGLIA-001");
    ASSERT_EQ(tab.CBO_TIPOVAR2->count(), 2);  // the item's active variants
    EXPECT_EQ(tab.variante(), "A0");
    EXPECT_EQ(tab.raggruppamento(), "TG-LETTERE");
    EXPECT_FALSE(tab.FRAME_DESCRCF->isEnabled());
    EXPECT_FALSE(tab.CMD_RIBALTA->isEnabled());
    EXPECT_EQ(tab.GRD_TRASCF->DataSource(), nullptr);

    counterpart(0, "2");
    EXPECT_EQ(tab.LBL_RAGSOCCF->text().toStdString(), "Grandi Magazzini Lanterna S.p.A.");
    EXPECT_TRUE(tab.FRAME_DESCRCF->isEnabled());
    EXPECT_TRUE(tab.CMD_RIBALTA->isEnabled());
    EXPECT_EQ(sorted(listed()), (std::vector<std::string>{"L", "M", "S"}));

    // Shown again for the same item: not reloaded, the choice stays.
    tab.load();
    EXPECT_EQ(card.cleared[common::kTabTrascodificaVarianti], 1);
    EXPECT_EQ(tab.TXT_CLIFOR->Text().toStdString(), "2");

    // Another item: the tab is emptied, the kind back to customer.
    choose(tab.CBO_CLIFOR, 1);
    card.showItem("MAGLIA-003");
    tab.load();
    EXPECT_EQ(card.cleared[common::kTabTrascodificaVarianti], 2);
    EXPECT_EQ(tab.CBO_CLIFOR->currentIndex(), 0);
    EXPECT_EQ(tab.LBL_CLIFOR->text().toStdString(), "Codice Cliente");
    EXPECT_TRUE(tab.TXT_CLIFOR->Text().isEmpty());
    EXPECT_TRUE(listed().empty());

    // An item not managed by variants: choosing a variant lists nothing.
    card.connection().execute(
        "UPDATE MG66_ANAGRART SET MG66_FLGVARART = 0 WHERE MG66_CODART = 'PANT-001'");
    card.showItem("PANT-001");
    tab.load();
    EXPECT_EQ(tab.variante(), "");
    counterpart(0, "3");
    EXPECT_TRUE(listed().empty());
    EXPECT_FALSE(tab.FRAME_DESCRCF->isEnabled());
}

TEST_F(Transcoding, GroupingFilterHidesOptionsOutsideTheGroupingWithoutDeletingThem) {
    open("MAGLIA-001");
    variant("A1");
    ASSERT_EQ(tab.raggruppamento(), "COL-MAGLIA");
    EXPECT_FALSE(tab.CMD_FILTROCLIFOR->isHidden());
    counterpart(0, "3");

    // Filter on: NER is not in COL-MAGLIA; no new rows while narrowed.
    EXPECT_TRUE(tab.filtro());
    EXPECT_EQ(sorted(listed()), (std::vector<std::string>{"BLU", "GRI", "ROS", "VER"}));
    EXPECT_EQ(tab.LBL_GRD_TRASCF->text().toStdString(), "Raggruppamento : COL-MAGLIA");
    EXPECT_EQ(tab.pictureFiltro(), "PIC_NOFILTRO");
    EXPECT_EQ(tab.CMD_FILTROCLIFOR->toolTip().toStdString(), "Visualizza tutte le opzioni");
    EXPECT_FALSE(tab.GRIDNAV_TRASCF->ButtonEnabled("Nuovo"));
    // The description next to the code is the grouping's when it has one.
    EXPECT_EQ(cell("BLU", 1), "Blu notte");
    EXPECT_EQ(cell("GRI", 1), "Grigio melange");
    EXPECT_EQ(cell("BLU", 2), "Marineblau");

    tab.CMD_FILTROCLIFOR->click();
    EXPECT_FALSE(tab.filtro());
    EXPECT_EQ(sorted(listed()), (std::vector<std::string>{"BLU", "GRI", "NER", "ROS", "VER"}));
    EXPECT_EQ(tab.LBL_GRD_TRASCF->text().toStdString(), "");
    EXPECT_EQ(tab.pictureFiltro(), "PIC_FILTRO");
    EXPECT_EQ(tab.CMD_FILTROCLIFOR->toolTip().toStdString(),
              "Visualizza solo opzioni del raggruppamento articolo");
    EXPECT_TRUE(tab.GRIDNAV_TRASCF->ButtonEnabled("Nuovo"));
    EXPECT_EQ(cell("NER", 1), "Nero");
    EXPECT_EQ(rows("MG5S_CODICEVAR_MG5F = 'A1' AND MG5S_CLIFOR_CG44 = 3"), 5);

    // The option lookup follows the filter.
    tab.CMD_FILTROCLIFOR->click();
    tab.TXT_OPZIONECF_StartLookup();
    db::Recordset lookup;
    lookup.open(tab.TXT_OPZIONECF->LookupQuery(), card.connection());
    EXPECT_EQ(lookup.recordCount(), 5);  // the grouping's five options
    tab.CMD_FILTROCLIFOR_Click();
    tab.TXT_OPZIONECF_StartLookup();
    lookup.open(tab.TXT_OPZIONECF->LookupQuery(), card.connection());
    EXPECT_EQ(lookup.recordCount(), 10);  // every option of the variant

    // An item without a grouping for the variant: no filter, every row.
    card.showItem("MAGLIA-003");
    tab.load();
    variant("A1");
    EXPECT_EQ(tab.raggruppamento(), "");
    EXPECT_TRUE(tab.CMD_FILTROCLIFOR->isHidden());
    counterpart(0, "3");
    EXPECT_EQ(listed().size(), 5u);
    EXPECT_EQ(cell("BLU", 1), "Blu navy");
}

TEST_F(Transcoding, CounterpartLookupsRestrictedAndStandard) {
    open("MAGLIA-001");
    variant("A1");
    ASSERT_TRUE(tab.restrizioneClifor());

    // The box's own lookup: only customers with transcodings of A1.
    tab.TXT_CLIFOR_StartLookup();
    db::Recordset own;
    own.open(tab.TXT_CLIFOR->LookupQuery(), card.connection());
    std::vector<std::string> codes;
    for (own.moveFirst(); !own.eof(); own.moveNext())
        codes.push_back(text(own.value("CLIFOR")));
    EXPECT_EQ(codes, (std::vector<std::string>{"3", "4"}));
    // Suppliers of A1 have their own list.
    choose(tab.CBO_CLIFOR, 1);
    EXPECT_EQ(tab.LBL_CLIFOR->text().toStdString(), "Codice Fornitore");
    tab.TXT_CLIFOR_StartLookup();
    own.open(tab.TXT_CLIFOR->LookupQuery(), card.connection());
    EXPECT_EQ(own.recordCount(), 2);
    choose(tab.CBO_CLIFOR, 0);

    // "Lookup standard" lists every customer, for one without transcodings
    // yet; the name with its apostrophe comes back whole.
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<controls::LookupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->VisibleRowCount(), 5);
        EXPECT_FALSE(tab.restrizioneClifor());
        QTest::keyClicks(dialog->FilterEdit(), "Arco");
        EXPECT_EQ(dialog->VisibleRowCount(), 1);
        QTest::keyClick(dialog->FilterEdit(), Qt::Key_Return);
    });
    tab.TXT_CLIFOR->TriggerMenuEntry("Kpers1");
    EXPECT_TRUE(seen);
    EXPECT_TRUE(tab.restrizioneClifor());
    EXPECT_EQ(tab.TXT_CLIFOR->Text().toStdString(), "5");
    EXPECT_EQ(tab.LBL_RAGSOCCF->text().toStdString(), "Emporio dell'Arco S.a.s.");
    EXPECT_TRUE(tab.FRAME_DESCRCF->isEnabled());
    EXPECT_TRUE(listed().empty());

    // The restricted lookup through the box itself.
    seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<controls::LookupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->VisibleRowCount(), 2);
        EXPECT_TRUE(dialog->windowTitle().endsWith(" con decodifica"));
        dialog->reject();
    });
    tab.TXT_CLIFOR->OpenLookup();
    EXPECT_TRUE(seen);
}

// ------------------------------------------------------------- editing

TEST_F(Transcoding, TheKindIsPartOfTheKeyAndApostrophesAreKept) {
    open("MAGLIA-003");
    variant("A1");
    counterpart(0, "5");
    ASSERT_TRUE(tab.FRAME_DESCRCF->isEnabled());
    enter("BLU", "Blu dell'Arco");
    // Confirmed, and entry goes on with a new row.
    EXPECT_EQ(tab.FME_TRASCF()->Status(), 2);
    EXPECT_TRUE(tab.TXT_OPZIONECF->isEnabled());
    EXPECT_EQ(text(stored("A1", 0, 5, "BLU")), "Blu dell'Arco");

    counterpart(1, "5");
    EXPECT_EQ(tab.LBL_RAGSOCCF->text().toStdString(), "Tessiture Lariane S.p.A.");
    EXPECT_TRUE(listed().empty());
    enter("BLU", "Col. 5'5 blu");
    EXPECT_EQ(text(stored("A1", 1, 5, "BLU")), "Col. 5'5 blu");
    EXPECT_EQ(text(stored("A1", 0, 5, "BLU")), "Blu dell'Arco");
    EXPECT_EQ(rows("MG5S_CLIFOR_CG44 = 5 AND MG5S_OPZIONE_MG5E = 'BLU'"), 2);

    counterpart(0, "5");
    EXPECT_EQ(listed(), (std::vector<std::string>{"BLU"}));
    EXPECT_EQ(cell("BLU", 2), "Blu dell'Arco");

    // Changing a description: only that row of that kind changes.
    tab.GRD_TRASCF->SetCurrentRow(rowOf("BLU"));
    EXPECT_FALSE(tab.TXT_OPZIONECF->isEnabled());  // a stored row shows its code
    type(tab.TXT_DESCRCF, "Bleu l'Arco");
    EXPECT_EQ(text(stored("A1", 0, 5, "BLU")), "Bleu l'Arco");
    EXPECT_EQ(text(stored("A1", 1, 5, "BLU")), "Col. 5'5 blu");

    // Deleting the supplier's row leaves the customer's.
    counterpart(1, "5");
    tab.GRD_TRASCF->SetCurrentRow(rowOf("BLU"));
    cardtest::queueAnswer(common::vbYes);
    tab.CMD_ELIMINACF->click();
    EXPECT_TRUE(stored("A1", 1, 5, "BLU").isEmpty());
    EXPECT_EQ(text(stored("A1", 0, 5, "BLU")), "Bleu l'Arco");
    EXPECT_TRUE(listed().empty());
}

TEST_F(Transcoding, ABlankDescriptionIsStoredEmptyAndTheOptionsOwnIsShown) {
    open("MAGLIA-001");
    variant("A1");
    counterpart(0, "4");
    tab.CMD_FILTROCLIFOR_Click();  // filter off: new rows allowed
    enter("GRI");                  // leaving the option box saves the row
    EXPECT_EQ(tab.FME_TRASCF()->Status(), 0);
    ASSERT_EQ(rows("MG5S_CLIFOR_CG44 = 4 AND MG5S_TIPOCF_CG44 = 0 AND MG5S_OPZIONE_MG5E = 'GRI'"),
              1);
    EXPECT_TRUE(text(stored("A1", 0, 4, "GRI")).empty());
    EXPECT_EQ(cell("GRI", 1), "Grigio melange");
    EXPECT_EQ(cell("GRI", 2), "");
    EXPECT_EQ(tab.LBL_DESOPZIONECF->text().toStdString(), "Grigio melange");
}

TEST_F(Transcoding, BadInputIsRefusedWithAClearMessageAndNothingIsLost) {
    open("MAGLIA-001");
    variant("A1");
    const long long before = rows("1 = 1");

    // A counterpart that does not exist.
    counterpart(0, "999");
    EXPECT_TRUE(shown("Il cliente 999 non esiste."));
    EXPECT_FALSE(tab.TXT_CLIFOR->Found());
    EXPECT_FALSE(tab.FRAME_DESCRCF->isEnabled());
    EXPECT_FALSE(tab.GRIDNAV_TRASCF->isEnabled());
    EXPECT_TRUE(listed().empty());
    counterpart(1, "6");
    EXPECT_TRUE(shown("Il fornitore 6 non esiste."));
    // Letters cannot be typed into the code.
    counterpart(0, "3");
    QTest::keyClicks(tab.TXT_CLIFOR->LineEdit(), "x'");
    EXPECT_EQ(tab.TXT_CLIFOR->Text().toStdString(), "3");
    EXPECT_EQ(rows("1 = 1"), before);

    tab.CMD_FILTROCLIFOR_Click();
    ASSERT_EQ(listed().size(), 5u);

    // The same option twice for the same counterpart and kind.
    cardtest::clearMessages();
    enter("BLU");
    EXPECT_TRUE(shown("L'opzione BLU ha gi\xC3\xA0 una descrizione per il cliente 3"));
    EXPECT_EQ(tab.FME_TRASCF()->Status(), 2);  // still to be corrected
    EXPECT_EQ(rows("MG5S_CLIFOR_CG44 = 3 AND MG5S_CODICEVAR_MG5F = 'A1' AND "
                   "MG5S_TIPOCF_CG44 = 0 AND MG5S_OPZIONE_MG5E = 'BLU'"),
              1);
    EXPECT_EQ(text(stored("A1", 0, 3, "BLU")), "Marineblau");

    // An option the variant does not have.
    cardtest::clearMessages();
    type(tab.TXT_OPZIONECF->LineEdit(), "ZZZ");
    EXPECT_TRUE(shown("L'opzione ZZZ non esiste per la variante"));
    EXPECT_EQ(rows("MG5S_OPZIONE_MG5E = 'ZZZ'"), 0);
    tab.FME_TRASCF()->Undo();
    EXPECT_EQ(rows("1 = 1"), before);

    // An existing row moved onto another stored option.
    tab.GRD_TRASCF->SetCurrentRow(rowOf("GRI"));
    fill(tab.TXT_DESCRCF, "Grau");
    ASSERT_TRUE(tab.TXT_OPZIONECF->isEnabled());
    cardtest::clearMessages();
    type(tab.TXT_OPZIONECF->LineEdit(), "NER");
    tab.GRIDNAV_TRASCF->Click("Conferma");
    EXPECT_TRUE(shown("L'opzione NER ha gi\xC3\xA0 una descrizione"));
    EXPECT_EQ(text(stored("A1", 0, 3, "GRI")), "Grau meliert");
    EXPECT_EQ(text(stored("A1", 0, 3, "NER")), "Schwarz");
    tab.FME_TRASCF()->Undo();

    // A description longer than its column: the box stops at the column's
    // width (the window says so), and what it holds is stored.
    tab.GRD_TRASCF->SetCurrentRow(rowOf("ROS"));
    cardtest::clearMessages();
    type(tab.TXT_DESCRCF, std::string(81, 'x'));
    EXPECT_EQ(text(stored("A1", 0, 3, "ROS")), std::string(80, 'x'));
    // The option box of the next row takes no more than its column.
    ASSERT_EQ(tab.FME_TRASCF()->Status(), 2);
    QTest::keyClicks(tab.TXT_OPZIONECF->LineEdit(), QString(25, 'A'));
    EXPECT_EQ(tab.TXT_OPZIONECF->Text().size(), 20);
    tab.FME_TRASCF()->Undo();
    EXPECT_EQ(rows("1 = 1"), before);
}

// ------------------------------------------------------------- deletion

TEST_F(Transcoding, DeletingRemovesExactlyOneRowAndSurvivesAFailure) {
    open("MAGLIA-001");
    variant("A1");
    counterpart(0, "3");
    tab.CMD_FILTROCLIFOR_Click();
    const auto blu = [&] { return rows("MG5S_OPZIONE_MG5E = 'BLU'"); };
    ASSERT_EQ(blu(), 4);  // customers 3 and 4, suppliers 1 and 2

    // Answering No deletes nothing.
    tab.GRD_TRASCF->SetCurrentRow(rowOf("BLU"));
    cardtest::queueAnswer(common::vbNo);
    tab.CMD_ELIMINACF_Click();
    EXPECT_TRUE(shown("Elimino la trascodifica dell'opzione BLU ?"));
    EXPECT_EQ(blu(), 4);

    // The database fails in the middle: abort keeps the row.
    card.connection().injectFault({"DELETE FROM MG5S_VARCLIFOR", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbYes);
    cardtest::queueAnswer(common::vbAbort);
    tab.CMD_ELIMINACF_Click();
    EXPECT_TRUE(shown("FME_TRASCF_BeforeDelete"));
    EXPECT_EQ(blu(), 4);
    EXPECT_GE(rowOf("BLU"), 0);

    // Retry once the cause is gone: one row, this counterpart's, goes.
    card.connection().injectFault({"DELETE FROM MG5S_VARCLIFOR", "08S01", 0, 1});
    tab.GRD_TRASCF->SetCurrentRow(rowOf("BLU"));
    cardtest::queueAnswer(common::vbYes);
    cardtest::queueAnswer(common::vbRetry);
    tab.CMD_ELIMINACF_Click();
    EXPECT_EQ(blu(), 3);
    EXPECT_TRUE(stored("A1", 0, 3, "BLU").isEmpty());
    EXPECT_EQ(text(stored("A1", 0, 4, "BLU")), "Bleu marine");
    EXPECT_EQ(text(stored("A1", 1, 1, "BLU")), "Col. 4410 navy");
    EXPECT_EQ(sorted(listed()), (std::vector<std::string>{"GRI", "NER", "ROS", "VER"}));

    // Del on the grid asks the same question.
    tab.GRD_TRASCF->SetCurrentRow(rowOf("VER"));
    cardtest::queueAnswer(common::vbYes);
    QTest::keyClick(tab.GRD_TRASCF, Qt::Key_Delete);
    EXPECT_EQ(rows("MG5S_CLIFOR_CG44 = 3 AND MG5S_CODICEVAR_MG5F = 'A1'"), 3);
    EXPECT_EQ(rows("MG5S_OPZIONE_MG5E = 'VER'"), 1);  // supplier 1's stays
}

// ------------------------------------------------- reload and export

TEST_F(Transcoding, AFailingReloadIsReportedAndRetriedAndTheListExports) {
    open("MAGLIA-001");
    variant("A1");
    card.connection().injectFault({"WHERE MG5S_DITTA_CG18     =", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbRetry);
    counterpart(0, "3");
    EXPECT_TRUE(shown("RicaricaDecodificaClifor"));
    EXPECT_EQ(listed().size(), 4u);

    QTemporaryDir dir;
    const QString path = dir.filePath("trascodifica.csv");
    tab.GRIDNAV_TRASCF->SetExportPath(path);
    tab.GRIDNAV_TRASCF->Click("Esporta");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0].toStdString(), "Opzione;Descrizione;Descrizione cliente/fornitore");
    EXPECT_TRUE(lines.filter(QRegularExpression("^BLU *;Blu notte;Marineblau$")).size() == 1)
        << lines.join('|').toStdString();

    // A file that cannot be written: the grids' own numbered message, and the
    // button says it failed.
    bool written = true;
    QObject::connect(tab.GRIDNAV_TRASCF, &controls::GridNavigator::afterButtonClick,
                     tab.GRIDNAV_TRASCF, [&](bool success, const QString&) { written = success; });
    tab.GRIDNAV_TRASCF->SetExportPath(dir.filePath("nessuna/cartella/trascodifica.csv"));
    tab.GRIDNAV_TRASCF->Click("Esporta");
    EXPECT_FALSE(written);
    EXPECT_TRUE(shown("[x91901x] Impossibile scrivere il file "));
}

// ------------------------------------------------------ the copy command

TEST_F(Transcoding, TheCopyCommandGetsTheChoiceOfTheTab) {
    open("MAGLIA-001");
    variant("A1");
    counterpart(1, "2");
    transcoding::StatoTrascodifica& st = card.shared<transcoding::StatoTrascodifica>();
    ASSERT_EQ(st.CMD_RIBALTA.data(), tab.CMD_RIBALTA);
    int calls = 0;
    st.CMD_RIBALTA_Click = [&] {
        ++calls;
        EXPECT_EQ(st.variante, "A1");
        EXPECT_EQ(st.descrizioneVariante, tab.CBO_TIPOVAR2->currentText().toStdString());
        EXPECT_EQ(st.raggruppamento, "COL-MAGLIA");
        EXPECT_EQ(st.tipoCF, 1);
        EXPECT_EQ(st.cliFor, "2");
    };
    tab.CMD_RIBALTA->click();
    EXPECT_EQ(calls, 1);
}

// A description changed in the box and not yet confirmed is what the user
// sees: the copy asks to save it first, and copies it; Annulla copies nothing.
TEST_F(Transcoding, TheCopyCommandConcludesTheDescriptionBeingEdited) {
    open("MAGLIA-001");
    variant("A0");
    counterpart(0, "2");
    transcoding::StatoTrascodifica& st = card.shared<transcoding::StatoTrascodifica>();
    std::vector<std::string> copied;
    st.CMD_RIBALTA_Click = [&] { copied.push_back(text(stored("A0", 0, 2, "L"))); };
    tab.GRD_TRASCF->SetCurrentRow(rowOf("L"));
    tab.TXT_DESCRCF->setFocus();
    tab.TXT_DESCRCF->selectAll();
    QTest::keyClicks(tab.TXT_DESCRCF, "Nuova L");
    ASSERT_NE(tab.FME_TRASCF()->Status(), controls::RecordFrame::Browse);

    queueAnswer(common::vbCancel);
    tab.CMD_RIBALTA->click();
    EXPECT_TRUE(copied.empty());
    EXPECT_EQ(text(stored("A0", 0, 2, "L")), "Taglia L - 50");

    queueAnswer(common::vbYes);
    tab.CMD_RIBALTA->click();
    EXPECT_EQ(copied, std::vector<std::string>{"Nuova L"});
    EXPECT_EQ(tab.FME_TRASCF()->Status(), controls::RecordFrame::Browse);
}

}  // namespace
