#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/window_services.h"
#include "groupings/clsmg_opzioni.h"
#include "tests/groupings/options_fixture.h"
#include "tests/support/typing.h"

namespace {

using cardtest::count;
using cardtest::scalar;
using cardtest::TestCard;
using cardtest::text;
using groupings::GestioneVariantiTab;
using groupings::StatoOpzioni;
using groupingstest::app;

struct Options : groupingstest::Options {
    long rowOf(const std::string& code) {
        return groupingstest::Options::rowOf(st.sorgente.get(), "MG5E_OPZIONE", code);
    }
    void tick(const char* code) { tickSource({code}); }
    std::vector<std::string> column(db::Recordset* rs, const char* field) {
        return groupingstest::Options::column(rs, field);
    }
};

// ------------------------------------------------------------ the lists

TEST_F(Options, LoadsTheActiveVariantsAndBothListsOfTheFirst) {
    open("MAGLIA-001");
    ASSERT_EQ(st.CBO_TIPOVAR1->count(), 2);
    EXPECT_EQ(st.CBO_TIPOVAR1->itemText(0).toStdString(), "Taglia");
    EXPECT_EQ(st.CBO_TIPOVAR1->itemData(1).toInt(), 1);
    EXPECT_EQ(st.variante, "A0");
    EXPECT_EQ(st.raggruppamento, "TG-LETTERE");
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "MAGLIA-001");
    EXPECT_EQ(st.TXT_RAGGR1->Text().toStdString(), "TG-LETTERE");
    EXPECT_TRUE(st.TXT_RAGGR1->isEnabled());
    EXPECT_TRUE(st.TXT_RAGGR1->Found());
    EXPECT_EQ(st.TXT_DESRAGGR1->text().toStdString(), "Taglie a lettere XS-XXL");
    EXPECT_FALSE(st.CMD_ASSOCIA->isEnabled());
    EXPECT_EQ(st.TXT_OPZIONE_ORIG->maxLength(), 3);

    EXPECT_EQ(column(st.destinazione.get(), "MG5H_OPZIONE_MG5E"),
              (std::vector<std::string>{"XS", "S", "M", "L", "XL", "XXL"}));
    EXPECT_TRUE(st.TXT_DESOPZIONE_DEST->isEnabled());
    auto codes = column(st.sorgente.get(), "MG5E_OPZIONE");
    ASSERT_EQ(codes.size(), 14u);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(st.GRDX_VARIANTI_SOURCE->model()->rowCount(), 14);

    // Second variant: its grouping keeps its own descriptions where it has them.
    st.CBO_TIPOVAR1->setCurrentIndex(1);
    tab.CBO_TIPOVAR1_Click();
    EXPECT_EQ(st.variante, "A1");
    EXPECT_EQ(column(st.destinazione.get(), "DESCR_OPZIONE"),
              (std::vector<std::string>{"Blu notte", "Grigio melange", "Rosso bordeaux",
                                        "Verde bottiglia", "Cammello"}));

    tab.load();  // same item
    EXPECT_EQ(card.cleared[common::kTabGestioneVarianti], 1);
}

TEST_F(Options, BlankGroupingGivesAnEmptyDestinationAndEveryOption) {
    open("MAGLIA-002");  // A0 without grouping
    EXPECT_EQ(st.raggruppamento, "");
    EXPECT_EQ(st.destinazione->recordCount(), 0);
    EXPECT_FALSE(st.TXT_DESOPZIONE_DEST->isEnabled());
    EXPECT_FALSE(st.CMD_OPZDEST_SALVA->isEnabled());
    EXPECT_EQ(st.TXT_OPZIONE_DEST->text().toStdString(), "");
    EXPECT_EQ(st.sorgente->recordCount(), 14);
}

TEST_F(Options, FilterKeepsOnlyOptionsMissingFromTheGroupingAndToggles) {
    open("MAGLIA-001");
    tab.CMD_DASELEZ_ButtonClick();
    EXPECT_EQ(st.sorgente->recordCount(), 8);
    EXPECT_EQ(rowOf("XS"), -1);
    EXPECT_GE(rowOf("TU"), 0);
    EXPECT_EQ(st.CMD_DASELEZ->text().toStdString(), "Visualizza tutte le opzioni");
    EXPECT_EQ(tab.pictureDaselez(), "PIC_NOFILTRO");
    tab.CMD_DASELEZ_ButtonClick();
    EXPECT_EQ(st.sorgente->recordCount(), 14);
    EXPECT_EQ(tab.pictureDaselez(), "PIC_FILTRO");
}

TEST_F(Options, RowChangeFollowsTheSourceList) {
    open("MAGLIA-001");
    st.GRDX_VARIANTI_DESTI->setFocus();
    tab.SetListActive(true);
    EXPECT_TRUE(st.CMD_SU->isEnabled());
    st.GRDX_VARIANTI_SOURCE->SetCurrentRow(rowOf("XL"));
    EXPECT_EQ(st.TXT_OPZIONE_ORIG->text().toStdString(), "XL");
    EXPECT_EQ(st.TXT_DESOPZIONE_ORIG->text().toStdString(), "Extra large");
    EXPECT_EQ(st.opzione, "XL");
    tab.SetListActive(false);
    EXPECT_FALSE(st.CMD_SU->isEnabled());
    EXPECT_FALSE(st.CMD_GIU->isEnabled());
}

// -------------------------------------------------------------- editing

TEST_F(Options, SavingAnExistingCodeChangesOnlyItsDescription) {
    open("MAGLIA-001");
    card.markAllLoaded();
    st.GRDX_VARIANTI_SOURCE->SetCurrentRow(rowOf("M"));
    st.TXT_DESOPZIONE_ORIG->setText("Media");
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_EQ(options("A0"), 14);
    EXPECT_EQ(text(scalar(card.connection(),
                          "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
                          "MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = 'M'")),
              "Media");
    EXPECT_EQ(column(st.sorgente.get(), "MG5E_DESCR")[rowOf("M")], "Media");
    EXPECT_EQ(column(st.destinazione.get(), "DESCR_OPZIONE")[2], "Media");
    EXPECT_EQ(card.loadedItem(common::kTabStatiVariante), "");
    EXPECT_EQ(card.loadedItem(common::kTabTrascodificaVarianti), "MAGLIA-001");

    // A "new" code that differs only in case is the same option to the
    // database: once the user agrees, its description changes, with no
    // duplicate-key failure.
    tab.CMD_OPZORIG_NUOVO_Click();
    st.TXT_OPZIONE_ORIG->setText("xs");
    st.TXT_DESOPZIONE_ORIG->setText("Extra piccola");
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_EQ(cardtest::shownMessages(),
              (std::vector<std::string>{"[x91549x] L'opzione \"xs\" esiste gi\xC3\xA0: sostituirne "
                                        "la descrizione con quella indicata?"}));
    EXPECT_EQ(options("A0"), 14);
    EXPECT_EQ(options("A0", "MG5E_OPZIONE = 'XS' AND MG5E_DESCR = 'Extra piccola'"), 1);
    EXPECT_EQ(column(st.sorgente.get(), "MG5E_DESCR")[rowOf("XS")], "Extra piccola");
}

TEST_F(Options, SavingANewCodeInsertsItAndMakesItTheCurrentRow) {
    open("MAGLIA-001");
    tab.CMD_OPZORIG_NUOVO_Click();
    EXPECT_TRUE(st.TXT_OPZIONE_ORIG->isEnabled());
    st.TXT_OPZIONE_ORIG->setText("3XL");
    st.TXT_DESOPZIONE_ORIG->setText("Tripla extra large");
    tab.TXT_DESOPZIONE_ORIG_AfterEntry();
    EXPECT_FALSE(st.TXT_OPZIONE_ORIG->isEnabled());
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_EQ(options("A0"), 15);
    EXPECT_EQ(st.sorgente->recordCount(), 15);
    EXPECT_EQ(text(st.sorgente->value("MG5E_OPZIONE")), "3XL");
    EXPECT_EQ(st.opzione, "3XL");

    // A description of no characters is stored as NULL.
    tab.CMD_OPZORIG_NUOVO_Click();
    st.TXT_OPZIONE_ORIG->setText("4XL");
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_EQ(options("A0", "MG5E_OPZIONE = '4XL' AND MG5E_DESCR IS NULL"), 1);
}

TEST_F(Options, BadCodesAreRefusedWithNothingSaved) {
    open("MAGLIA-001");
    // An apostrophe: message, removed, the box keeps the focus.
    tab.CMD_OPZORIG_NUOVO_Click();
    st.TXT_OPZIONE_ORIG->setText("O'B");
    EXPECT_TRUE(tab.TXT_OPZIONE_ORIG_Validate());
    EXPECT_TRUE(cardtest::shown("non pu\xC3\xB2 contenere il carattere apice (')"));
    EXPECT_EQ(st.TXT_OPZIONE_ORIG->text().toStdString(), "OB");
    EXPECT_FALSE(tab.TXT_OPZIONE_ORIG_Validate());

    // Longer than the variant's slot: the box holds only MG5F_SIZE characters.
    st.TXT_OPZIONE_ORIG->setText("ABCDEFG");
    EXPECT_EQ(st.TXT_OPZIONE_ORIG->text().toStdString(), "ABC");
    st.TXT_OPZIONE_ORIG->setMaxLength(30);
    st.TXT_OPZIONE_ORIG->setText("ABCDEFG");
    cardtest::clearMessages();
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_TRUE(cardtest::shown("non pu\xC3\xB2 superare 3 caratteri"));

    // A blank code does nothing.
    st.TXT_OPZIONE_ORIG->setText("   ");
    st.TXT_DESOPZIONE_ORIG->setText("Senza codice");
    tab.CMD_OPZORIG_SALVA_Click();

    // An apostrophe that reached the save is refused too.
    st.TXT_OPZIONE_ORIG->setText("A'B");
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_EQ(options("A0"), 14);
    EXPECT_EQ(st.sorgente->recordCount(), 14);
}

TEST_F(Options, NumericVariantsTakeDigitsOnly) {
    card.showItem("ABITO-SU01");
    // Company 2 is not the card's; a card for it.
    TestCard card2("2");
    auto& tab2 = card2.addTab<GestioneVariantiTab>(common::kTabGestioneVarianti);
    card2.showItem("ABITO-SU01");
    tab2.load();
    StatoOpzioni& st2 = tab2.stato();
    ASSERT_EQ(st2.CBO_TIPOVAR1->count(), 3);
    int b0 = st2.CBO_TIPOVAR1->findData(10);
    ASSERT_GE(b0, 0);
    st2.CBO_TIPOVAR1->setCurrentIndex(b0);
    tab2.CBO_TIPOVAR1_Click();
    EXPECT_EQ(st2.variante, "B0");
    ASSERT_NE(st2.TXT_OPZIONE_ORIG->validator(), nullptr);
    QString letters = "AB";
    int pos = 0;
    EXPECT_EQ(st2.TXT_OPZIONE_ORIG->validator()->validate(letters, pos), QValidator::Invalid);
}

// ------------------------------------------------------------- deleting

TEST_F(Options, DeletingWithNothingTickedDoesNothing) {
    open("MAGLIA-001");
    tab.CMD_OPZORIG_ELIMINA_Click();
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(options("A0"), 14);
}

TEST_F(Options, OptionsInUseAreRefusedAndNoneOfTheTickedIsDeleted) {
    open("MAGLIA-001");
    card.markAllLoaded();
    tick("TU");  // unused
    tick("XS");  // in TG-LETTERE
    cardtest::queueAnswer(common::vbYes);
    tab.CMD_OPZORIG_ELIMINA_Click();
    EXPECT_TRUE(cardtest::shown("Elimino le opzioni selezionate ?"));
    EXPECT_TRUE(cardtest::shown("gia' state utilizzate"));
    EXPECT_EQ(options("A0"), 14);
    EXPECT_EQ(st.sorgente->recordCount(), 14);
    EXPECT_EQ(card.loadedItem(common::kTabStatiCombinazione), "");

    // Answering No deletes nothing either.
    tick("TU");
    cardtest::queueAnswer(common::vbNo);
    tab.CMD_OPZORIG_ELIMINA_Click();
    EXPECT_EQ(options("A0"), 14);

    // Unused options go (TU is still ticked: No leaves the list as it was).
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    tab.CMD_OPZORIG_ELIMINA_Click();
    EXPECT_FALSE(cardtest::shown("gia' state utilizzate"));
    EXPECT_EQ(options("A0"), 13);
    EXPECT_EQ(rowOf("TU"), -1);
}

// --------------------------------------------------------------- search

TEST_F(Options, SearchTicksAndListsFirstTheMatchesInAnyCase) {
    open("MAGLIA-001", 1);  // colours
    tab.CMD_RUBRICA1_ButtonClick();
    EXPECT_TRUE(st.rubrica);
    EXPECT_EQ(text(st.sorgente->valueAt(0, st.sorgente->fieldIndex("LETTERA"))), "A");
    EXPECT_NE(st.CMD_RUBRICA1->text().toStdString().find("Disattiva visualizzazione rubrica"),
              std::string::npos);
    st.TXT_DESOPZIONE_ORIG->setText("ro");
    tab.CMD_SEARCH_Click();
    EXPECT_FALSE(st.rubrica);
    auto codes = column(st.sorgente.get(), "MG5E_OPZIONE");
    auto ticks = column(st.sorgente.get(), "SELEZ");
    // "Nero", "Rosso bordeaux", "Azzurro": every description holding RO, in any case.
    ASSERT_EQ(codes.size(), 10u);
    std::vector<std::string> first(codes.begin(), codes.begin() + 3);
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, (std::vector<std::string>{"AZZ", "NER", "ROS"}));
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), "1"), 3);
    EXPECT_EQ(ticks[0], "1");
    EXPECT_EQ(ticks[3], "0");
    EXPECT_EQ(count(card.connection(), "#TMP_ORIG", "SELEZ = 1"), 3);

    // A new search moves the ticks to its own matches.
    st.TXT_DESOPZIONE_ORIG->setText("ROS");
    tab.CMD_SEARCH_Click();
    EXPECT_EQ(text(st.sorgente->value("MG5E_OPZIONE")), "ROS");
    EXPECT_EQ(count(card.connection(), "#TMP_ORIG", "SELEZ = 1"), 1);
}

// -------------------------------------------------------- no variants

TEST_F(Options, ItemsWithoutActiveVariantsOrVariantManagementChooseNothing) {
    open("TESSUTO-TW");
    EXPECT_EQ(st.CBO_TIPOVAR1->count(), 0);
    tab.CBO_TIPOVAR1_Click();
    EXPECT_EQ(st.variante, "");
    EXPECT_EQ(st.sorgente, nullptr);
    // Saving without a variant is refused with a message.
    st.TXT_OPZIONE_ORIG->setText("X");
    tab.CMD_OPZORIG_SALVA_Click();
    EXPECT_TRUE(cardtest::shown("Scegliere prima una variante"));

    // Variant management off: the combo loads but choosing does nothing.
    card.connection().execute(
        "UPDATE MG66_ANAGRART SET MG66_FLGVARART = 0 WHERE MG66_CODART = 'PANT-001'");
    open("PANT-001");
    EXPECT_EQ(st.CBO_TIPOVAR1->count(), 4);
    EXPECT_EQ(st.variante, "");
}

// ------------------------------------------------- options management

TEST_F(Options, OptionsManagementOpensOnTheVariantAndTheTabReloadsAfter) {
    open("MAGLIA-001", 1);
    card.selectTab(common::kTabGestioneVarianti);  // shown, already loaded
    card.markAllLoaded();
    st.GRDX_VARIANTI_SOURCE->SetCurrentRow(rowOf("ROS"));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<groupings::FRMMG_OPZIONI*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(text(w->recordset()->value("MG5E_OPZIONE")), "ROS");
        w->nuovo();
        w->TXT_OPZIONE->setText("OCR");
        w->TXT_DESCR->setText("Ocra");
        EXPECT_TRUE(w->salva());
        w->accept();
    });
    tab.CMD_LINK1_Click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(st.variantePreselezionata, 1);
    EXPECT_EQ(card.switches, 2);
    EXPECT_EQ(card.cleared[common::kTabGestioneVarianti], 2);
    // Reloaded on the remembered variant, with the new option.
    EXPECT_EQ(st.variante, "A1");
    EXPECT_EQ(card.loadedItem(common::kTabGestioneVarianti), "MAGLIA-001");
    EXPECT_EQ(card.loadedItem(common::kTabTrascodificaVarianti), "");
    EXPECT_GE(rowOf("OCR"), 0);
}

TEST(OptionsManagement, RefusesBadCodesAndOptionsInUse) {
    app();
    TestCard card;
    db::Connection& cn = card.connection();
    groupings::FRMMG_OPZIONI w(cn, "1", "A1");
    w.show();
    w.carica("");
    // Nuovo, a code and a description typed, Conferma answered as given.
    auto typeNew = [&](const char* code, const char* description, int answer) {
        cardtest::clearMessages();
        QTest::mouseClick(w.CMD_NUOVO, Qt::LeftButton);
        cardtest::fill(w.TXT_OPZIONE, code);
        cardtest::fill(w.TXT_DESCR, description);
        cardtest::queueAnswer(answer);
        QTest::mouseClick(w.CMD_SALVA, Qt::LeftButton);
    };
    EXPECT_EQ(w.windowTitle().toStdString(), "[x91560x] Gestione opzioni variante A1");
    EXPECT_EQ(w.recordset()->recordCount(), 10);
    QTest::mouseClick(w.CMD_NUOVO, Qt::LeftButton);
    cardtest::fill(w.TXT_OPZIONE, "A'B");
    QTest::mouseClick(w.CMD_SALVA, Qt::LeftButton);
    EXPECT_EQ(w.LBL_STATO->text().toStdString(), "[x91561x] Codice opzione non valido.");
    cardtest::fill(w.TXT_OPZIONE, "");
    QTest::mouseClick(w.CMD_SALVA, Qt::LeftButton);
    EXPECT_EQ(w.LBL_STATO->text().toStdString(), "[x91561x] Codice opzione non valido.");
    const std::string blu =
        "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_OPZIONE = 'BLU'";
    const std::string before = text(scalar(cn, "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE " + blu));

    // A code typed after Nuovo that differs only in case is the option
    // itself: its shared description is replaced only when the user says so.
    typeNew("blu", "Blu scuro", common::vbNo);
    EXPECT_TRUE(cardtest::shown("[x91549x] L'opzione \"blu\" esiste gi\xC3\xA0"));
    EXPECT_EQ(text(scalar(cn, "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE " + blu)), before);
    EXPECT_EQ(w.TXT_OPZIONE->text(), QStringLiteral("blu"));  // what was typed stays
    EXPECT_EQ(w.TXT_DESCR->text(), QStringLiteral("Blu scuro"));
    EXPECT_TRUE(w.LBL_STATO->text().isEmpty()) << w.LBL_STATO->text().toStdString();
    cardtest::queueAnswer(common::vbYes);
    QTest::mouseClick(w.CMD_SALVA, Qt::LeftButton);
    EXPECT_EQ(count(cn, "MG5E_OPZIONI", blu + " AND MG5E_DESCR = 'Blu scuro'"), 1);
    EXPECT_EQ(count(cn, "MG5E_OPZIONI", "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A1'"), 10);
    EXPECT_EQ(text(w.recordset()->value("MG5E_OPZIONE")), "BLU");  // on the option itself
    EXPECT_TRUE(w.LBL_STATO->text().isEmpty()) << w.LBL_STATO->text().toStdString();

    // An option added elsewhere after the list was read is found in the table:
    // asked about, never a duplicate-key error.
    cn.execute(
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
        "MG5E_DESCR) VALUES (1, 'A1', 'OCR', 'Ocra')");
    typeNew("OCR", "Ocra chiaro", common::vbNo);
    EXPECT_TRUE(cardtest::shown("[x91549x]"));
    EXPECT_TRUE(w.LBL_STATO->text().isEmpty()) << w.LBL_STATO->text().toStdString();
    EXPECT_EQ(count(cn, "MG5E_OPZIONI", "MG5E_CODICEVAR_MG5F = 'A1' AND MG5E_DESCR = 'Ocra'"), 1);

    // A row chosen in the list is described anew without a question.
    cardtest::clearMessages();
    w.carica("BLU");
    cardtest::fill(w.TXT_DESCR, "Blu notte");
    QTest::mouseClick(w.CMD_SALVA, Qt::LeftButton);
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(count(cn, "MG5E_OPZIONI", blu + " AND MG5E_DESCR = 'Blu notte'"), 1);

    w.carica("BLU");
    QTest::mouseClick(w.CMD_ELIMINA, Qt::LeftButton);  // in two groupings
    EXPECT_EQ(w.LBL_STATO->text().toStdString(),
              "[x91562x] L'opzione \xC3\xA8 gi\xC3\xA0 stata utilizzata. Impossibile eliminarla.");
    EXPECT_EQ(count(cn, "MG5E_OPZIONI", blu), 1);
    w.carica("BEI");
    EXPECT_TRUE(w.elimina());
    EXPECT_EQ(w.recordset()->recordCount(), 10);  // OCR in, BEI out
}

}  // namespace
