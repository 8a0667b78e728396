// Tab 12, generated descriptions, on the demo database: the variant
// articles of an item with their stored descriptions, languages, composing
// with the validity check, picking rows, and storing with and without
// overwriting, for one language or all; a row that cannot be stored, and a
// database that fails in the middle of a store.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "descriptions/calcdescrvar.h"
#include "descriptions/generad_tab.h"
#include "platform/controls/data_grid.h"
#include "platform/db/recordset.h"
#include "tests/descriptions/generad_rows.h"
#include "tests/support/test_card.h"

namespace {

using cardtest::count;
using cardtest::scalar;
using cardtest::shown;
using cardtest::text;
using descriptions::GeneradTab;

struct Generad : ::testing::Test {
    cardtest::TestCard card;
    GeneradTab* tab = nullptr;
    void SetUp() override {
        cardtest::clearMessages();
        tab = &card.addTab<GeneradTab>(common::kTabGenerad);
        tab->activate();
    }
    db::Recordset& result() { return *tab->generatore()->Risultato(); }
    long rowOf(const std::string& code) { return generadtest::rowOfVariant(result(), code); }
    std::string field(const std::string& code, const std::string& name) {
        const long r = rowOf(code);
        return r < 0 ? "<none>" : text(result().valueAt(r, result().fieldIndex(name)));
    }
    bool isNull(const std::string& code, const std::string& name) {
        return result().valueAt(rowOf(code), result().fieldIndex(name)).isNull();
    }
    int column(const std::string& name) {
        auto& cols = tab->QGRID_GENERAD->Columns();
        for (int c = 0; c < cols.Count(); ++c)
            if (cols.Item(c).Field() == name)
                return c;
        return -1;
    }
    void pick(const std::string& code) {
        tab->QGRID_GENERAD->ToggleCheck(rowOf(code), column("SELEZ"));
    }
    void language(const std::string& prefix) {
        const int i =
            tab->CBO_LINGUA->findText(QString::fromStdString(prefix), Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << prefix;
        tab->CBO_LINGUA->setCurrentIndex(i);
        emit tab->CBO_LINGUA->activated(i);
    }
    std::string stored(const std::string& item, const std::string& code, const std::string& lang,
                       const std::string& column = "MG87_DESCART") {
        const db::Value v =
            scalar(card.connection(), "SELECT " + column +
                                          " FROM MG87_ARTDESC WHERE MG87_DITTA_CG18 = 1 "
                                          "AND MG87_CODART_MG66 = '" +
                                          item + "' AND MG87_OPZIONE_MG5E = '" + code +
                                          "' AND MG87_LINGUA_MG52 = '" + lang + "'");
        return v.isEmpty() ? "<none>" : text(v);
    }
    long long descriptions() { return count(card.connection(), "MG87_ARTDESC", "1 = 1"); }
};

TEST_F(Generad, ListsEveryVariantArticleWithItsStoredDescription) {
    card.showItem("MAGLIA-001");
    tab->load();
    // TG-LETTERE six sizes by COL-MAGLIA five colours.
    EXPECT_EQ(result().recordCount(), 30);
    EXPECT_EQ(tab->LBL_ELAB->text().toStdString(), "[x76503x] Combinazioni elaborate : 30");
    EXPECT_EQ(tab->QGRID_GENERAD->model()->rowCount(), 30);
    EXPECT_EQ(field("M  BLU", "DESCRIZIONE_ATTUALE"), "Maglia girocollo lana merino M blu notte");
    EXPECT_EQ(field("M  BLU", "OPZIONE_A0"), "M");
    EXPECT_EQ(field("M  BLU", "OPZIONE_A1"), "BLU");
    EXPECT_EQ(field("M  BLU", "ARTICOLO"), "MAGLIA-001");
    EXPECT_TRUE(isNull("M  BLU", "FLGVARVALIDA"));
    // Sizes in their grouping's order, the colour turning fastest.
    EXPECT_EQ(text(result().valueAt(0, result().fieldIndex("VARIANTE"))), "XS BLU");
    EXPECT_EQ(text(result().valueAt(1, result().fieldIndex("VARIANTE"))), "XS GRI");
    // Only the option columns of the item's variants are shown.
    EXPECT_TRUE(tab->QGRID_GENERAD->Columns().Find("OPZIONE_A1")->Visible());
    EXPECT_FALSE(tab->QGRID_GENERAD->Columns().Find("OPZIONE_A2")->Visible());

    // The tab loads every time it is shown.
    tab->load();
    EXPECT_EQ(card.cleared[common::kTabGenerad], 2);

    // An item without variant articles.
    card.showItem("TESSUTO-TW");
    tab->load();
    EXPECT_EQ(result().recordCount(), 0);
    EXPECT_EQ(tab->LBL_ELAB->text().toStdString(), "[x76503x] Combinazioni elaborate : 0");
    EXPECT_EQ(tab->QGRID_GENERAD->model()->rowCount(), 0);
}

// Sizes, colours, lengths and a thousand fits, none of them limited by a
// grouping, are 14 x 10 x 5 x 1,003 combinations, over what the generator
// composes at once: the user is told why the list is empty, at once, with nothing of
// the item shown before left on show.
TEST_F(Generad, TooManyCombinationsAreRefusedWithAReasonNotComposed) {
    card.showItem("MAGLIA-001");
    tab->load();
    ASSERT_EQ(result().recordCount(), 30);
    db::Connection& cn = card.connection();
    cn.execute(
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
        "MG5E_DESCR) SELECT 1, 'A3', 'V' + a.d + b.d + c.d, 'Vestibilit\xC3\xA0 ' + a.d + b.d + "
        "c.d FROM (VALUES ('0'), ('1'), ('2'), ('3'), ('4'), ('5'), ('6'), ('7'), ('8'), ('9')) "
        "a(d) CROSS JOIN (VALUES ('0'), ('1'), ('2'), ('3'), ('4'), ('5'), ('6'), ('7'), ('8'), "
        "('9')) b(d) CROSS JOIN (VALUES ('0'), ('1'), ('2'), ('3'), ('4'), ('5'), ('6'), ('7'), "
        "('8'), ('9')) c(d)");
    cn.execute(
        "UPDATE MG6B_GESVARART SET MG6B_CODRAGGVAR_MG5G = NULL, MG6B_FLGGESTVAR = 1 WHERE "
        "MG6B_CODART_MG66 = 'MAGLIA-001' AND MG6B_CODICEVAR_MG5F IN ('A0', 'A1', 'A2', 'A3')");
    cardtest::clearMessages();
    tab->load();
    EXPECT_TRUE(shown("[x91303x] L'articolo ha pi\xC3\xB9 di 250000 combinazioni di opzioni"));
    EXPECT_EQ(tab->QGRID_GENERAD->model()->rowCount(), 0);
    EXPECT_EQ(tab->LBL_ELAB->text().toStdString(), "[x76503x] Combinazioni elaborate : 0");
}

TEST_F(Generad, ALanguageHidesStoringForEveryLanguageAndBringsItsTexts) {
    card.showItem("MAGLIA-001");
    tab->load();
    ASSERT_EQ(tab->CBO_LINGUA->count(), 4);  // base, INGL, FRAN, TEDE
    EXPECT_EQ(tab->CBO_LINGUA->itemText(0).toStdString(), "");
    EXPECT_EQ(tab->CBO_LINGUA->itemData(0).toInt(), 0);
    const int english = tab->CBO_LINGUA->findText("INGL-Inglese");
    ASSERT_GT(english, 0);
    EXPECT_EQ(tab->CBO_LINGUA->itemData(english).toInt(), english);  // its place in the list
    EXPECT_FALSE(tab->CHK_MEMDESCLINGUE->isHidden());

    language("INGL");
    EXPECT_EQ(tab->lingua(), "INGL");
    EXPECT_TRUE(tab->CHK_MEMDESCLINGUE->isHidden());
    EXPECT_FALSE(tab->CHK_MEMDESCLINGUE->isEnabled());
    EXPECT_EQ(field("M  BLU", "DESCRIZIONE_ATTUALE"), "Merino crew-neck sweater M navy blue");
    EXPECT_EQ(field("S  BLU", "DESCRIZIONE_ATTUALE"), "");
    tab->CMD_PRELOAD->click();
    EXPECT_EQ(field("S  BLU", "DESCART"), "Merino wool crew-neck sweater Small Blu notte");

    tab->CBO_LINGUA->setCurrentIndex(0);
    emit tab->CBO_LINGUA->activated(0);
    EXPECT_EQ(tab->lingua(), "");
    EXPECT_FALSE(tab->CHK_MEMDESCLINGUE->isHidden());
    EXPECT_TRUE(tab->CHK_MEMDESCLINGUE->isEnabled());
    EXPECT_EQ(field("S  BLU", "DESCRIZIONE_ATTUALE"), "Maglia girocollo lana merino S blu notte");
}

TEST_F(Generad, ComposingChecksValidityAndClearingTheCheckClearsTheFlags) {
    card.showItem("MAGLIA-001");
    tab->load();
    tab->CHK_VALCONFVAR->click();
    tab->CMD_PRELOAD->click();
    EXPECT_EQ(field("XL CAM", "DESCART"), "Maglia girocollo lana merino Extra large Cammello");
    EXPECT_EQ(field("XL CAM", "DESCARTEST").rfind("Maglia girocollo in pura lana merino", 0), 0u);
    EXPECT_NE(field("XL CAM", "DESCARTEST").find("Taglia: Extra large; Colore: Cammello"),
              std::string::npos);
    // XL with CAM carries "Solo campionario", a state that is not active.
    EXPECT_EQ(field("XL CAM", "FLGVARVALIDA"), "0");
    EXPECT_EQ(field("XS ROS", "FLGVARVALIDA"), "1");
    EXPECT_EQ(tab->QGRID_GENERAD->CellText(rowOf("XL CAM"), column("FLGVARVALIDA")).toStdString(),
              "No");

    // Unpicking a row under the check forgets its flag.
    pick("XS ROS");
    pick("XS ROS");
    EXPECT_TRUE(isNull("XS ROS", "FLGVARVALIDA"));
    EXPECT_EQ(field("XL CAM", "FLGVARVALIDA"), "0");

    tab->CHK_VALCONFVAR->click();
    db::Recordset& rs = result();
    for (long r = 0; r < rs.recordCount(); ++r)
        EXPECT_TRUE(rs.valueAt(r, rs.fieldIndex("FLGVARVALIDA")).isNull()) << r;
    EXPECT_EQ(rs.filter(), "");
}

TEST_F(Generad, PickingRowsThroughTheMenus) {
    card.showItem("MAGLIA-001");
    tab->load();
    auto picked = [&] {
        long n = 0;
        db::Recordset& rs = result();
        for (long r = 0; r < rs.recordCount(); ++r)
            n += text(rs.valueAt(r, rs.fieldIndex("SELEZ"))) == "1";
        return n;
    };
    tab->TBAR_SELEZIONA_MenuItemClick("Ktutte");
    EXPECT_EQ(picked(), 30);
    tab->TBAR_SELEZIONA_MenuItemClick("Knessuna");
    EXPECT_EQ(picked(), 0);
    pick("XS BLU");
    tab->TBAR_SELEZIONA_MenuItemClick("Kinverti");
    EXPECT_EQ(picked(), 29);
    EXPECT_EQ(field("XS BLU", "SELEZ"), "0");
    // "Righe selezionate" acts on the current row.
    tab->QGRID_GENERAD->SetCurrentRow(rowOf("L  ROS"));
    tab->TBAR_DESELEZIONA_MenuItemClick("Krighe");
    EXPECT_EQ(field("L  ROS", "SELEZ"), "0");
    EXPECT_EQ(picked(), 28);
    tab->TBAR_SELEZIONA_MenuItemClick("Krighe");
    EXPECT_EQ(picked(), 29);
}

TEST_F(Generad, StoringKeepsWhatIsThereUnlessOverwriting) {
    card.showItem("MAGLIA-001");
    tab->load();
    tab->CMD_PRELOAD->click();
    pick("M  BLU");
    const long long before = descriptions();
    tab->CMD_MEMO->click();
    // Overwrite off: the stored description stays.
    EXPECT_EQ(stored("MAGLIA-001", "M  BLU", ""), "Maglia girocollo lana merino M blu notte");
    EXPECT_EQ(descriptions(), before);

    tab->CHK_SOVRASCRIVI->click();
    tab->CMD_MEMO->click();
    EXPECT_EQ(stored("MAGLIA-001", "M  BLU", ""), "Maglia girocollo lana merino Medium Blu notte");
    EXPECT_EQ(field("M  BLU", "DESCRIZIONE_ATTUALE"),
              "Maglia girocollo lana merino Medium Blu notte");
    EXPECT_EQ(field("M  BLU", "SELEZ"), "1");  // picks and texts stay in the grid
    EXPECT_EQ(descriptions(), before);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(Generad, StoringForEveryLanguageComposesEachLanguage) {
    card.showItem("PANT-001");
    tab->load();
    tab->CMD_PRELOAD->click();
    pick("50 BEI32SLIM");
    tab->CHK_MEMDESCLINGUE->click();
    const long long before = descriptions();
    tab->CMD_MEMO->click();
    EXPECT_EQ(descriptions(), before + 4);  // base, INGL, FRAN, TEDE
    EXPECT_EQ(stored("PANT-001", "50 BEI32SLIM", ""),
              "Pantalone chino in cotone Taglia 50 Beige Lunghezza 32 Slim fit");
    // PANT-001 has no English text of its own: the base one leads.
    EXPECT_EQ(stored("PANT-001", "50 BEI32SLIM", "INGL"),
              "Pantalone chino in cotone Taglia 50 Beige Lunghezza 32 Slim fit");
    EXPECT_NE(stored("PANT-001", "50 BEI32SLIM", "TEDE"), "<none>");
    // The code is stored with the company's full width.
    EXPECT_EQ(scalar(card.connection(),
                     "SELECT MG87_OPZIONE_MG5E FROM MG87_ARTDESC WHERE "
                     "MG87_CODART_MG66 = 'PANT-001' AND MG87_LINGUA_MG52 = 'FRAN'")
                  .toText(),
              "50 BEI32SLIM");
}

TEST_F(Generad, ARowThatCannotBeStoredIsReportedAndTheOthersAreStored) {
    card.showItem("PANT-001");
    tab->load();
    tab->CMD_PRELOAD->click();
    for (const char* code : {"50 BEI32SLIM", "52 BEI32SLIM", "54 BEI32SLIM"})
        pick(code);
    // Edited past the column's 80 characters, and emptied.
    db::Recordset& rs = result();
    rs.setValueAt(rowOf("52 BEI32SLIM"), rs.fieldIndex("DESCART"), db::Value(std::string(81, 'x')));
    rs.setValueAt(rowOf("54 BEI32SLIM"), rs.fieldIndex("DESCART"), db::Value("   "));
    const long long before = descriptions();
    tab->CMD_MEMO->click();
    EXPECT_EQ(descriptions(), before + 1);
    EXPECT_NE(stored("PANT-001", "50 BEI32SLIM", ""), "<none>");
    EXPECT_EQ(stored("PANT-001", "52 BEI32SLIM", ""), "<none>");
    EXPECT_EQ(stored("PANT-001", "54 BEI32SLIM", ""), "<none>");
    EXPECT_TRUE(shown("[x91301x] Non è stato possibile memorizzare la descrizione di 2 varianti"));
    EXPECT_TRUE(shown("PANT-001 52 BEI32SLIM: descrizione di 81 caratteri, al massimo 80"));
    EXPECT_TRUE(shown("PANT-001 54 BEI32SLIM: descrizione vuota"));
    // The rejected texts stay in the grid to be corrected.
    EXPECT_EQ(field("52 BEI32SLIM", "DESCART"), std::string(81, 'x'));

    // Only that row picked again: nothing else was stored, and the message
    // does not say so.
    cardtest::clearMessages();
    tab->TBAR_SELEZIONA_MenuItemClick("Knessuna");
    pick("52 BEI32SLIM");
    tab->CMD_MEMO->click();
    EXPECT_EQ(descriptions(), before + 1);
    EXPECT_TRUE(shown("[x91302x] Non è stato possibile memorizzare la descrizione di 1 variante"));
    EXPECT_FALSE(shown("le altre"));
}

TEST_F(Generad, NothingPickedNothingStored) {
    card.showItem("MAGLIA-001");
    tab->load();
    const long long before = descriptions();
    tab->CMD_MEMO->click();
    EXPECT_TRUE(shown("[x38832x] Nessun articolo selezionato."));
    EXPECT_EQ(descriptions(), before);
}

struct StoreFault : Generad {
    void SetUp() override {
        Generad::SetUp();
        card.showItem("PANT-001");
        tab->load();
        tab->CMD_PRELOAD->click();
        for (const char* code : {"50 BEI32SLIM", "52 BEI32SLIM", "54 BEI32SLIM"})
            pick(code);
        // The second row's write fails once.
        card.connection().injectFault({"INSERT INTO MG87_ARTDESC", "08S01", 1, 1});
    }
};

TEST_F(StoreFault, AbortLeavesNothingOfTheStore) {
    const long long before = descriptions();
    cardtest::queueAnswer(common::vbAbort);
    tab->CMD_MEMO->click();
    EXPECT_TRUE(shown("CMD_MEMO_ButtonClick: "));
    EXPECT_EQ(descriptions(), before);
    EXPECT_EQ(card.connection().transactionDepth(), 0);
    // The grid shows the result again, picks included.
    EXPECT_EQ(tab->QGRID_GENERAD->DataSource(), &result());
    EXPECT_EQ(field("52 BEI32SLIM", "SELEZ"), "1");
}

TEST_F(StoreFault, RetryStoresEveryRow) {
    const long long before = descriptions();
    cardtest::queueAnswer(common::vbRetry);
    tab->CMD_MEMO->click();
    EXPECT_TRUE(shown("CMD_MEMO_ButtonClick: "));
    EXPECT_EQ(descriptions(), before + 3);
    EXPECT_EQ(stored("PANT-001", "52 BEI32SLIM", ""),
              "Pantalone chino in cotone Taglia 52 Beige Lunghezza 32 Slim fit");
}

// The calculator one variant article at a time, as the item codes tab uses it.
struct Calculator : ::testing::Test {
    cardtest::TestCard card;
    std::unique_ptr<framework::Cinterface> object =
        card.createSibling(descriptions::kProgIdCalcDescrVar);
    descriptions::CalcDescrVar* calc = dynamic_cast<descriptions::CalcDescrVar*>(object.get());
    void set(const std::string& item, const std::string& code) {
        calc->SetProperty("CodiceArticolo", db::Value(item));
        calc->SetProperty("CodiceOpzione", db::Value(code));
    }
};

TEST_F(Calculator, ComposesAndStoresOneVariantArticle) {
    ASSERT_NE(calc, nullptr);
    calc->SetProperty("PrelevamentoDescrizioneArticoloBase", db::Value(0));
    calc->SetProperty("FlagMemorizzazioneSuDataBase", db::Value(false));
    set("MAGLIA-001", "S  GRI");
    calc->CalcolaDescrizioneOpzione();
    EXPECT_EQ(calc->Stato(), 0);
    EXPECT_EQ(calc->DescrizioneArticoloOpzione(),
              "Maglia girocollo lana merino Small Grigio melange");
    EXPECT_EQ(text(calc->GetProperty("DescrizioneArticoloOpzione")),
              "Maglia girocollo lana merino Small Grigio melange");
    calc->UpdateDescrizioneOpzione();
    EXPECT_EQ(calc->Stato(), 0);
    EXPECT_EQ(
        text(scalar(card.connection(),
                    "SELECT MG87_DESCART FROM MG87_ARTDESC WHERE MG87_CODART_MG66 = "
                    "'MAGLIA-001' AND MG87_OPZIONE_MG5E = 'S  GRI' AND MG87_LINGUA_MG52 = ''")),
        "Maglia girocollo lana merino Small Grigio melange");
    calc->DuplicaScorteUbicazioniOpzione();
    EXPECT_EQ(calc->Stato(), 0);

    // Wrong input: what is missing, an unknown item, an option the item does not have.
    set("MAGLIA-001", "");
    calc->CalcolaDescrizioneOpzione();
    EXPECT_EQ(calc->Stato(), 1);
    set("NONESISTE", "S  GRI");
    calc->CalcolaDescrizioneOpzione();
    EXPECT_EQ(calc->Stato(), 2);
    set("MAGLIA-001", "S  ARA");  // ARA is no colour of COL-MAGLIA
    calc->CalcolaDescrizioneOpzione();
    EXPECT_EQ(calc->Stato(), 3);
    EXPECT_EQ(text(calc->GetProperty("Messaggio")), "Opzione ARA inesistente.");
}

}  // namespace
