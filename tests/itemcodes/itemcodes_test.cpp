// The customer and supplier item-code tabs on the demo database, driven
// through their widgets: loading, entering and changing codes, the
// preferred and personal-description rules, variant articles, the
// management flag, deleting, the look-up of a typed key, the managements
// the rows open and the bad input each rule refuses.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QTest>
#include <QTimer>

#include "common/value_helpers.h"
#include "common/work_tables.h"
#include "descriptions/calcdescrvar.h"
#include "itemcodes/artclifor_sql.h"
#include "itemcodes/artclifor_tab.h"
#include "itemcodes/articoli_variante.h"
#include "itemcodes/clsmg_listartclartfo.h"
#include "platform/db/recordset.h"
#include "platform/framework/component_registry.h"
#include "tests/support/test_card.h"
#include "tests/support/typing.h"

namespace {

using namespace cardtest;
using itemcodes::ArtCliForTab;

// The description calculator as the tabs see it: it records each variant
// article it is asked about and answers the states a test sets.
class Calcolatore : public descriptions::CalcDescrVar {
public:
    static inline std::vector<std::pair<std::string, std::string>> chiamate;
    static inline int statoUpdate = 0;
    static inline int statoDuplica = 0;
    static inline bool connessioneRilasciata = false;

    Calcolatore() {
        AcceptProperties({"PrelevamentoDescrizioneArticoloBase", "FlagMemorizzazioneSuDataBase",
                          "CodiceArticolo", "CodiceOpzione"});
    }
    ~Calcolatore() override { connessioneRilasciata = ADOConnection() == nullptr; }
    void CalcolaDescrizioneOpzione() override {
        chiamate.emplace_back(TextProperty("CodiceArticolo"), TextProperty("CodiceOpzione"));
        stato_ = ADOConnection() ? 0 : 1;
    }
    void UpdateDescrizioneOpzione() override { stato_ = statoUpdate; }
    void DuplicaScorteUbicazioniOpzione() override { stato_ = statoDuplica; }
    int Stato() const override { return stato_; }
    std::string DescrizioneArticoloOpzione() const override { return "descrizione"; }
    void Attach(framework::Cinterface*, db::Connection*, const std::string&,
                const std::string&) override {}
    void SetLingua(const std::string&) override {}
    void SetSelezione(const std::string&) override {}
    void Genera() override {}
    db::Recordset* Risultato() override { return nullptr; }
    void SetProgresso(controls::ProgressPanel*) override {}
    void SetControlloValidita(bool) override {}
    void Componi() override {}
    void SelezionaRighe(int) override {}
    void SetTutteLingue(bool) override {}
    void SetSovrascrivi(bool) override {}
    void Memorizza() override {}
    std::vector<descriptions::RigaScartata> Scarti() const override { return {}; }
    long StoredCount() const override { return 0; }
    bool RigenerazioneNecessaria() const override { return false; }
    void Detach() override {}

protected:
    QWidget* CreateForm(QWidget*) override { return nullptr; }

private:
    int stato_ = 0;
};

// Whether a message containing the text was shown; a miss lists them all.
testing::AssertionResult Shown(const std::string& part) {
    if (shown(part))
        return testing::AssertionSuccess();
    std::string said;
    for (const auto& m : cardtest::shownMessages())
        said += "\n  " + m;
    return testing::AssertionFailure() << "not shown; messages:" << said;
}

struct ItemCodes : ::testing::Test {
    void SetUp() override {
        cardtest::clearMessages();
        Calcolatore::chiamate.clear();
        Calcolatore::statoUpdate = 0;
        Calcolatore::statoDuplica = 0;
        framework::RegisterComponent(descriptions::kProgIdCalcDescrVar,
                                     [] { return std::make_unique<Calcolatore>(); });
    }
    TestCard card;
    ArtCliForTab& clienti = card.addTab<ArtCliForTab>(common::kTabArtcli);
    ArtCliForTab& fornitori = card.addTab<ArtCliForTab>(common::kTabArtfor);

    void open(const std::string& item, ArtCliForTab* tab = nullptr) {
        card.showItem(item);
        (tab ? *tab : clienti).load();
    }
    static void write(QPlainTextEdit* box, const std::string& value) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        const QStringList lines = QString::fromStdString(value).split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, lines[i]);
        }
    }
    // A new row as a user enters it: "Nuovo", variant article, code, counterpart.
    static void enter(ArtCliForTab& tab, const std::string& option, const std::string& code,
                      const std::string& counterpart) {
        tab.GRIDNAV_ARTCLIFOR->Click("Nuovo");
        if (!option.empty())
            type(tab.TXT_CLIFOR_OPZIONE->LineEdit(), option);
        type(tab.TXT_ARTCLIFOR, code);
        type(tab.TXT_CODCLIFOR->LineEdit(), counterpart);
    }
    // Presses "Conferma"; a refused save tells the messages it showed.
    static testing::AssertionResult save(ArtCliForTab& tab) {
        tab.GRIDNAV_ARTCLIFOR->Click("Conferma");
        if (tab.frame() && tab.frame()->Status() == 0)
            return testing::AssertionSuccess();
        std::string said;
        for (const auto& m : cardtest::shownMessages())
            said += "\n  " + m;
        return testing::AssertionFailure() << "not saved; messages:" << said;
    }
    // Moves the tab to the row of a code, as a click in the grid does.
    static void select(ArtCliForTab& tab, const std::string& code) {
        db::Recordset* rs = tab.recordset();
        for (long r = 0; r < rs->recordCount(); ++r)
            if (text(rs->valueAt(r, rs->fieldIndex("MG73_ARTCLIFOR"))) == code) {
                tab.GRD_ARTCLIFOR->SetCurrentRow(r);
                return;
            }
        ADD_FAILURE() << "no row " << code;
    }
    long long rows(const std::string& where) {
        return count(card.connection(), "MG73_ARTCLIFOR", "MG73_DITTA_CG18 = 1 AND " + where);
    }
    db::Value stored(const std::string& column, const std::string& code) {
        return scalar(
            card.connection(),
            "SELECT " + column + " FROM MG73_ARTCLIFOR WHERE MG73_ARTCLIFOR = '" + code + "'");
    }
    // A new code marked preferred where one is already: the user is told
    // and the row is stored without the flag.
    void enterSecondPreferred(ArtCliForTab& tab, const std::string& option, const std::string& code,
                              const std::string& counterpart, const std::string& message) {
        enter(tab, option, code, counterpart);
        tab.CHK_FLGCLIFORPREF->click();
        ASSERT_TRUE(save(tab));
        EXPECT_TRUE(Shown(message));
        EXPECT_EQ(text(stored("MG73_FLGFORPREF", code)), "0");
    }
    static std::string today() { return QDate::currentDate().toString("yyyy-MM-dd").toStdString(); }
};

// ------------------------------------------------------------ loading

TEST_F(ItemCodes, LoadsTheItemsCodesOncePerItemWithTheirWorkTable) {
    open("MAGLIA-001");
    db::Recordset* rs = clienti.recordset();
    ASSERT_NE(rs, nullptr);
    ASSERT_EQ(rs->recordCount(), 5);
    // Ordered by counterpart, each with its name and its fixed-width key.
    EXPECT_EQ(text(rs->valueAt(0, rs->fieldIndex("MG73_CLIFOR_CG44"))), "2");
    EXPECT_EQ(text(rs->valueAt(4, rs->fieldIndex("MG73_CLIFOR_CG44"))), "4");
    EXPECT_EQ(clienti.GRD_ARTCLIFOR->CellText(4, 2).toStdString(), "Atelier Duval SARL");
    EXPECT_EQ(clienti.GRD_ARTCLIFOR->CellText(0, 6).toStdString(), "Gestione");
    EXPECT_EQ(clienti.GRD_ARTCLIFOR->CellText(0, 7).toStdString(), "Listini");
    EXPECT_EQ(text(scalar(card.connection(),
                          "SELECT CHIAVE FROM #TMP_ARTCLI WHERE ARTCLIFOR = 'DUV/PULL/07'")),
              "1    DUV/PULL/07              04");
    EXPECT_EQ(card.loadedItem(common::kTabArtcli), "MAGLIA-001");
    const std::string pk = clienti.nomeChiavePrimaria();
    ASSERT_EQ(pk.size(), 34u);
    EXPECT_EQ(pk.substr(0, 2), "PK");
    EXPECT_EQ(pk.find_first_not_of("0123456789ABCDEFabcdef", 2), std::string::npos);

    // The item has codes: its flag cannot change; status 0 locks the key boxes.
    EXPECT_TRUE(clienti.CHK_ARTCLIFOR->isChecked());
    EXPECT_FALSE(clienti.CHK_ARTCLIFOR->isEnabled());
    EXPECT_TRUE(clienti.GRD_ARTCLIFOR->isEnabled());
    EXPECT_FALSE(clienti.TXT_ARTCLIFOR->isEnabled());
    EXPECT_EQ(clienti.TXT_CODART_CLIFOR->text().toStdString(), "MAGLIA-001");

    // Shown again for the same item: not reloaded.
    clienti.load();
    EXPECT_EQ(card.cleared[common::kTabArtcli], 1);
    EXPECT_EQ(clienti.nomeChiavePrimaria(), pk);

    // Another item: reloaded with its own codes; the supplier twin keeps kind 1.
    open("PANT-001");
    EXPECT_EQ(clienti.recordset()->recordCount(), 1);
    fornitori.load();
    EXPECT_EQ(fornitori.recordset()->recordCount(), 0);
    open("MAGLIA-001", &fornitori);
    EXPECT_EQ(fornitori.recordset()->recordCount(), 3);
    EXPECT_EQ(fornitori.tabellaLavoro(), "#TMP_ARTFOR");
}

TEST_F(ItemCodes, TwoSessionsNameTheirWorkTableKeysApart) {
    TestCard other;
    auto& altro = other.addTab<ArtCliForTab>(common::kTabArtcli);
    open("MAGLIA-001");
    other.showItem("MAGLIA-001");
    altro.load();
    ASSERT_NE(altro.recordset(), nullptr);
    EXPECT_NE(clienti.nomeChiavePrimaria(), altro.nomeChiavePrimaria());
    // The time-stamped name, used when no NEWID() can be read.
    db::DateTime t;
    t.year = 2026;
    t.month = 3;
    t.day = 7;
    t.hour = 9;
    t.minute = 5;
    t.second = 1;
    EXPECT_EQ(common::WorkTableKeyNameAt(t), "PK20260307090501");
}

// ------------------------------------------------------------ entering codes

TEST_F(ItemCodes, ANewCodeIsSavedWithItsDefaultsAndTheVariantArticlesDescriptionRecomputed) {
    open("MAGLIA-001");
    enter(clienti, "", "RIVA-MAG-01", "1");
    EXPECT_EQ(clienti.TXT_DESCODCLIFOR->text().toStdString(), "Boutique Riva S.r.l.");
    EXPECT_FALSE(clienti.GRD_ARTCLIFOR->isEnabled());  // status 2 holds the grid
    write(clienti.TXT_NOTEARTCLIFOR, "Riga due\nnote");
    ASSERT_TRUE(save(clienti));

    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'RIVA-MAG-01'"), 1);
    EXPECT_EQ(text(stored("MG73_OPZIONE_MG5E", "RIVA-MAG-01")), "");
    EXPECT_EQ(text(stored("MG73_CODART_MG66", "RIVA-MAG-01")), "MAGLIA-001");
    EXPECT_EQ(text(stored("MG73_TIPOCF_CG44", "RIVA-MAG-01")), "0");
    EXPECT_EQ(text(stored("MG73_NOTEARTCF", "RIVA-MAG-01")), "Riga due\nnote");
    EXPECT_EQ(stored("MG73_DTCREAZ", "RIVA-MAG-01").toText().substr(0, 10), today());
    EXPECT_EQ(text(stored("MG73_LOTTOMAX", "RIVA-MAG-01")), "0.000");
    // The work table row carries the plain key and the images.
    EXPECT_EQ(text(scalar(card.connection(),
                          "SELECT CHIAVE FROM #TMP_ARTCLI WHERE ARTCLIFOR = 'RIVA-MAG-01'")),
              "1RIVA-MAG-0101");
    EXPECT_EQ(text(scalar(card.connection(),
                          "SELECT IMAGE_LIST FROM #TMP_ARTCLI WHERE ARTCLIFOR = 'RIVA-MAG-01'")),
              "1");
    EXPECT_TRUE(Calcolatore::chiamate.empty());  // no variant article, no description
    EXPECT_TRUE(clienti.GRD_ARTCLIFOR->isEnabled());

    // A code for a variant article: the article's description is computed again.
    enter(clienti, "L  ROS", "RIVA-MAG-LR", "1");
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(text(stored("MG73_OPZIONE_MG5E", "RIVA-MAG-LR")), "L  ROS");
    ASSERT_EQ(Calcolatore::chiamate.size(), 1u);
    EXPECT_EQ(Calcolatore::chiamate[0].first, "MAGLIA-001");
    EXPECT_EQ(Calcolatore::chiamate[0].second, "L  ROS");
    EXPECT_TRUE(Calcolatore::connessioneRilasciata);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(ItemCodes, TheCalculatorsFailuresAreReportedButTheCodeStaysSaved) {
    open("MAGLIA-001");
    Calcolatore::statoUpdate = 9;
    enter(clienti, "M  GRI", "RIVA-MG", "1");
    ASSERT_TRUE(save(clienti));
    EXPECT_TRUE(Shown("[x80574x] Errore in UpdateDescrizione !!!\rStato: 9"));
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'RIVA-MG'"), 1);

    cardtest::clearMessages();
    Calcolatore::statoUpdate = 0;
    Calcolatore::statoDuplica = 4;
    enter(clienti, "S  GRI", "RIVA-SG", "1");
    ASSERT_TRUE(save(clienti));
    EXPECT_TRUE(Shown("[x80575x] Errore in DuplicaScorteUbicazioniOpzione !!!\rStato: 4"));

    // No calculator at all: the code is saved all the same, silently.
    framework::UnregisterComponent(descriptions::kProgIdCalcDescrVar);
    cardtest::clearMessages();
    enter(clienti, "XL CAM", "RIVA-XC", "1");
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'RIVA-XC'"), 1);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(ItemCodes, TypingTheKeyOfAStoredCodeShowsThatCodeStampedToday) {
    open("MAGLIA-001");
    const long before = clienti.recordset()->recordCount();
    enter(clienti, "", "lnt-55120", "2");
    ASSERT_NE(clienti.frame()->Status(), 2);
    EXPECT_EQ(text(clienti.recordset()->value("MG73_ARTCLIFOR")), "LNT-55120");
    EXPECT_EQ(clienti.recordset()->value("MG73_DTULTAGG").toText().substr(0, 10), today());
    EXPECT_EQ(clienti.recordset()->recordCount(), before);
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(stored("MG73_DTULTAGG", "LNT-55120").toText().substr(0, 10), today());
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'LNT-55120'"), 1);
}

// ------------------------------------------------------------ preferred rule

TEST_F(ItemCodes, ASecondPreferredCustomerIsToldAndSavedWithoutTheFlag) {
    open("MAGLIA-001");
    ASSERT_NO_FATAL_FAILURE(
        enterSecondPreferred(clienti, "", "BRG-PREF", "3",
                             "L'articolo MAGLIA-001 è già dotato di cliente preferenziale."
                             "\r\nIl cliente preferenziale è Grandi Magazzini Lanterna S.p.A. "
                             "(codice 2)."));
    EXPECT_EQ(text(stored("MG73_FLGFORPREF", "LNT-55120")), "1");
    EXPECT_FALSE(clienti.CHK_FLGCLIFORPREF->isChecked());

    // The preferred row itself saved again: no message, the flag stays.
    cardtest::clearMessages();
    select(clienti, "LNT-55120");
    write(clienti.TXT_NOTEARTCLIFOR, "Aggiornato");
    ASSERT_TRUE(save(clienti));
    EXPECT_TRUE(cardtest::shownMessages().empty());
    EXPECT_EQ(text(stored("MG73_FLGFORPREF", "LNT-55120")), "1");

    // Another variant article has no preferred customer yet: the flag stays.
    enter(clienti, "M  BLU", "BRG-M-BLU", "3");
    clienti.CHK_FLGCLIFORPREF->click();
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(text(stored("MG73_FLGFORPREF", "BRG-M-BLU")), "1");
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

TEST_F(ItemCodes, ThePreferredSupplierRuleComparesTheVariantArticle) {
    open("MAGLIA-001", &fornitori);
    // 'S  BLU' (stored padded) already has supplier 4 as its preferred one.
    ASSERT_NO_FATAL_FAILURE(
        enterSecondPreferred(fornitori, "S  BLU", "FBR-S-BLU", "1",
                             "L'articolo MAGLIA-001 variante S  BLU è già dotato di "
                             "fornitore preferenziale.\r\nIl fornitore preferenziale è "
                             "Confezioni Valdarno S.r.l. (codice 4)."));
    // The supplier grid comes back once the new row is saved.
    EXPECT_TRUE(fornitori.GRD_ARTCLIFOR->isEnabled());
}

// ------------------------------------------------------------ personal description

TEST_F(ItemCodes, APersonalDescriptionOfBlanksIsRefusedAndClearingTheFlagLeavesOneBlank) {
    open("MAGLIA-001");
    const long long before = rows("MG73_TIPOCF_CG44 = 0");
    enter(clienti, "", "RIVA-DESC", "1");
    EXPECT_FALSE(clienti.TXT_DESCARTCLIFOR->isEnabled());
    clienti.CHK_FLGDESCPERSCLIFOR->click();
    EXPECT_TRUE(clienti.TXT_DESCARTCLIFOR->isEnabled());
    write(clienti.TXT_DESCARTCLIFOR, "   ");
    EXPECT_FALSE(save(clienti));
    EXPECT_TRUE(Shown("Impostare la descrizione personalizzata!"));
    EXPECT_EQ(clienti.frame()->Status(), 2);  // still being entered
    EXPECT_EQ(rows("MG73_TIPOCF_CG44 = 0"), before);

    // Written, it saves.
    write(clienti.TXT_DESCARTCLIFOR, "Maglia Riva");
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(text(stored("MG73_DESCARTCF", "RIVA-DESC")), "Maglia Riva");

    // Cleared: a single blank stands for the description, both boxes locked.
    clienti.CHK_FLGDESCPERSCLIFOR->click();
    EXPECT_FALSE(clienti.TXT_DESCARTCLIFOR->isEnabled());
    EXPECT_FALSE(clienti.TXT_DESCARTESTCLIFOR->isEnabled());
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(stored("MG73_DESCARTCF", "RIVA-DESC").toText(), " ");
    EXPECT_EQ(text(stored("MG73_FLGDESCPERS", "RIVA-DESC")), "0");

    // The supplier tab says it through the catalogue.
    cardtest::clearMessages();
    open("MAGLIA-001", &fornitori);
    enter(fornitori, "", "FBR-DESC", "2");
    fornitori.CHK_FLGDESCPERSCLIFOR->click();
    EXPECT_FALSE(save(fornitori));
    EXPECT_TRUE(Shown("[x32358x] Impostare la descrizione personalizzata!"));
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'FBR-DESC'"), 0);
}

// ------------------------------------------------------------ variant articles

TEST_F(ItemCodes, AVariantArticleMustBelongToTheItem) {
    open("MAGLIA-001");
    const long long before = rows("MG73_TIPOCF_CG44 = 0");
    // NER is a colour of the company but not of the item's grouping.
    enter(clienti, "M  NER", "RIVA-NER", "1");
    EXPECT_TRUE(Shown("La variante \"M  NER\" non appartiene all'articolo MAGLIA-001."));
    cardtest::clearMessages();
    EXPECT_FALSE(save(clienti));
    EXPECT_TRUE(Shown("[x91623x] La variante \"M  NER\" non appartiene all'articolo MAGLIA-001."));
    // A length the item does not manage, and a code wider than the company's.
    type(clienti.TXT_CLIFOR_OPZIONE->LineEdit(), "M  BLU32");
    EXPECT_FALSE(save(clienti));
    type(clienti.TXT_CLIFOR_OPZIONE->LineEdit(), "M  BLU      X");
    EXPECT_FALSE(save(clienti));
    EXPECT_EQ(rows("MG73_TIPOCF_CG44 = 0"), before);
    // One of its own saves.
    type(clienti.TXT_CLIFOR_OPZIONE->LineEdit(), "XXLVER");
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(text(stored("MG73_OPZIONE_MG5E", "RIVA-NER")), "XXLVER");
}

TEST_F(ItemCodes, VariantArticlesOfAnItemFollowItsVariantsGroupingsAndObligations) {
    db::Connection& cn = card.connection();
    const auto decodes = [&](const std::string& item, const std::string& code) {
        const auto s = itemcodes::StrutturaArticolo(cn, "1", item);
        db::Recordset r;
        r.open(itemcodes::SqlDecodeVariantArticle(s, "1", item, code), cn);
        return r.recordCount() == 1;
    };
    EXPECT_TRUE(decodes("MAGLIA-001", "M  BLU"));
    EXPECT_TRUE(decodes("MAGLIA-001", "M  BLU      "));
    EXPECT_FALSE(decodes("MAGLIA-001", "M"));       // colour is obligatory
    EXPECT_FALSE(decodes("MAGLIA-001", "44 BLU"));  // not a size of its grouping
    EXPECT_TRUE(decodes("FILATO-MER", "   BLU"));   // the first slot blank
    EXPECT_FALSE(decodes("FILATO-MER", "S  BLU"));  // sizes not managed
    EXPECT_TRUE(decodes("PANT-001", "48 BEI32SLIM"));
    EXPECT_TRUE(decodes("PANT-001", "48 BEI32"));  // fit is not obligatory
    EXPECT_FALSE(decodes("PANT-001", "48 BEI36SLIM"));
    EXPECT_FALSE(decodes("MAGLIA-OLD", "M  BLU"));   // no variants at all
    EXPECT_FALSE(decodes("MAGLIA-001", "O'  BLU"));  // an apostrophe is just text

    // The list: every full combination of the item, in grouping order.
    const auto s = itemcodes::StrutturaArticolo(cn, "1", "MAGLIA-001");
    db::Recordset list;
    list.open(itemcodes::SqlVariantArticles(s, "1"), cn);
    ASSERT_EQ(list.recordCount(), 6 * 5);
    list.moveFirst();
    EXPECT_EQ(list.value("VARIANTE").toText(), "XS BLU      ");
    EXPECT_EQ(list.value("DESCRIZIONE").toText(), "Extra small - Blu notte");
    const auto old = itemcodes::StrutturaArticolo(cn, "1", "MAGLIA-OLD");
    db::Recordset none;
    none.open(itemcodes::SqlVariantArticles(old, "1"), cn);
    EXPECT_EQ(none.recordCount(), 0);
}

TEST_F(ItemCodes, AVariantArticleChosenFromTheListKeepsItsLeadingBlanks) {
    open("FILATO-MER", &fornitori);
    fornitori.GRIDNAV_ARTCLIFOR->Click("Nuovo");
    // The list dialog trims what it returns; the box takes the code back
    // from the chosen row.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<controls::LookupDialog*>(w)) {
                QTest::keyClicks(dialog->FilterEdit(), "VER");
                dialog->Choose();
            }
    });
    ASSERT_TRUE(fornitori.TXT_CLIFOR_OPZIONE->OpenLookup());
    EXPECT_EQ(fornitori.TXT_CLIFOR_OPZIONE->Text().toStdString(), "   VER");
    type(fornitori.TXT_ARTCLIFOR, "FBR-2/28-6215");
    type(fornitori.TXT_CODCLIFOR->LineEdit(), "1");
    ASSERT_TRUE(save(fornitori));
    EXPECT_EQ(stored("MG73_OPZIONE_MG5E", "FBR-2/28-6215").toText(), "   VER");
}

// ------------------------------------------------------------ counterparts and lengths

TEST_F(ItemCodes, ACustomerThatDoesNotExistIsRefused) {
    open("MAGLIA-001");
    const long long before = rows("MG73_TIPOCF_CG44 = 0");
    enter(clienti, "", "RIVA-X", "9");
    EXPECT_TRUE(Shown("Il cliente 9 non esiste o non è valido alla data odierna."));
    EXPECT_TRUE(clienti.TXT_DESCODCLIFOR->text().isEmpty());
    EXPECT_FALSE(save(clienti));
    // Expired at the end of 2024, a supplier's number, letters, nothing.
    for (const char* code : {"5", "AB", "1234567"}) {
        cardtest::clearMessages();
        type(clienti.TXT_CODCLIFOR->LineEdit(), code);
        EXPECT_FALSE(save(clienti)) << code;
        EXPECT_FALSE(cardtest::shownMessages().empty()) << code;
    }
    EXPECT_TRUE(Shown("[x91618x] Il cliente 1234567 non esiste"));
    type(clienti.TXT_CODCLIFOR->LineEdit(), "AB");
    EXPECT_TRUE(Shown("[x91616x] Il codice del cliente deve essere un numero: \"AB\""));
    cardtest::clearMessages();
    fill(clienti.TXT_CODCLIFOR->LineEdit(), "");
    EXPECT_FALSE(save(clienti));
    EXPECT_TRUE(Shown("[x91614x] Indicare il codice del cliente."));
    EXPECT_EQ(rows("MG73_TIPOCF_CG44 = 0"), before);
    // The box's own limit: eight characters, upper case.
    fill(clienti.TXT_CODCLIFOR->LineEdit(), "123456789ab");
    EXPECT_EQ(clienti.TXT_CODCLIFOR->Text().toStdString(), "12345678");

    // A stored code whose customer has expired since stays editable.
    type(clienti.TXT_CODCLIFOR->LineEdit(), "4");
    ASSERT_TRUE(save(clienti));
    card.connection().execute(
        "UPDATE CG44_CLIFOR SET CG44_DTFINVAL = '2020-01-01' WHERE CG44_DITTA_CG18 = 1 AND "
        "CG44_TIPOCF = 0 AND CG44_CLIFOR = 4");
    select(clienti, "RIVA-X");
    write(clienti.TXT_NOTEARTCLIFOR, "ancora valido");
    EXPECT_TRUE(save(clienti));
    EXPECT_EQ(text(stored("MG73_NOTEARTCF", "RIVA-X")), "ancora valido");
}

TEST_F(ItemCodes, CodesTooLongAreCutByTheBoxesAndRefusedWhenTheyGetThrough) {
    open("MAGLIA-001");
    enter(clienti, "", std::string(30, 'A'), "1");
    EXPECT_EQ(clienti.TXT_ARTCLIFOR->text().size(), 25);
    clienti.CHK_FLGDESCPERSCLIFOR->click();
    write(clienti.TXT_DESCARTCLIFOR, std::string(80, 'd'));
    EXPECT_EQ(clienti.TXT_DESCARTCLIFOR->toPlainText().size(), 72);
    write(clienti.TXT_NOTEARTCLIFOR, std::string(250, 'n'));
    EXPECT_EQ(clienti.TXT_NOTEARTCLIFOR->toPlainText().size(), 240);
    // A value put in the row past its box (as a paste into a grid would).
    clienti.recordset()->setValue("MG73_ARTCLIFOR", std::string(26, 'B'));
    EXPECT_FALSE(save(clienti));
    EXPECT_TRUE(
        Shown("[x91622x] Il campo \"Articolo cliente/fornitore\" non può superare "
              "25 caratteri."));
    EXPECT_EQ(rows("MG73_ARTCLIFOR LIKE 'BBBB%'"), 0);
    clienti.recordset()->setValue("MG73_ARTCLIFOR", std::string(25, 'A'));
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(text(stored("MG73_DESCARTCF", std::string(25, 'A'))), std::string(72, 'd'));
}

// ------------------------------------------------------------ the management flag

TEST_F(ItemCodes, TheManagementFlagCannotChangeWhileCodesExist) {
    open("MAGLIA-001");
    EXPECT_FALSE(clienti.CHK_ARTCLIFOR->isEnabled());
    // Loaded before another session added the codes: the click is refused.
    clienti.CHK_ARTCLIFOR->setEnabled(true);
    clienti.CHK_ARTCLIFOR->click();
    EXPECT_TRUE(clienti.CHK_ARTCLIFOR->isChecked());
    EXPECT_FALSE(clienti.CHK_ARTCLIFOR->isEnabled());
    EXPECT_TRUE(
        Shown("[x91624x] L'articolo MAGLIA-001 ha 5 codici cliente: \"Gestione articoli "
              "cliente\" non si può modificare."));
    EXPECT_EQ(text(scalar(card.connection(),
                          "SELECT MG66_FLGARTCLI FROM MG66_ANAGRART WHERE "
                          "MG66_DITTA_CG18 = 1 AND MG66_CODART = 'MAGLIA-001'")),
              "1");

    // Without codes the flag switches the tab, and is written to the item.
    open("MAGLIA-002");
    ASSERT_TRUE(clienti.CHK_ARTCLIFOR->isEnabled());
    clienti.CHK_ARTCLIFOR->click();
    EXPECT_FALSE(clienti.GRD_ARTCLIFOR->isEnabled());
    EXPECT_FALSE(clienti.FRAME_ARTCLIFOR->isEnabled());
    EXPECT_FALSE(clienti.GRIDNAV_ARTCLIFOR->isEnabled());
    EXPECT_EQ(text(scalar(card.connection(),
                          "SELECT MG66_FLGARTCLI FROM MG66_ANAGRART WHERE "
                          "MG66_DITTA_CG18 = 1 AND MG66_CODART = 'MAGLIA-002'")),
              "0");
    clienti.CHK_ARTCLIFOR->click();
    EXPECT_TRUE(clienti.FRAME_ARTCLIFOR->isEnabled());
    // The first code locks it again.
    enter(clienti, "", "MAG2-01", "2");
    ASSERT_TRUE(save(clienti));
    EXPECT_FALSE(clienti.CHK_ARTCLIFOR->isEnabled());
}

TEST_F(ItemCodes, ACompanyThatKeepsNoSupplierCodesLeavesTheFlagLocked) {
    TestCard sartoria("2");
    auto& tab = sartoria.addTab<ArtCliForTab>(common::kTabArtfor);
    sartoria.showItem("CAMICIA-SM");
    tab.load();
    EXPECT_FALSE(tab.CHK_ARTCLIFOR->isEnabled());
    EXPECT_FALSE(tab.CHK_ARTCLIFOR->isChecked());
    EXPECT_FALSE(tab.FRAME_ARTCLIFOR->isEnabled());
}

// ------------------------------------------------------------ deleting

TEST_F(ItemCodes, DeletingRemovesTheCodeFromBothTablesAndRebuildsTheGrid) {
    open("MAGLIA-001");
    select(clienti, "BRG-MER-100");
    cardtest::queueAnswer(common::vbYes);
    QTest::keyClick(clienti.GRD_ARTCLIFOR, Qt::Key_Delete);
    EXPECT_TRUE(Shown("[x91620x] Eliminare il codice BRG-MER-100 del cliente 3?"));
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'BRG-MER-100'"), 0);
    EXPECT_EQ(count(card.connection(), "#TMP_ARTCLI", "ARTCLIFOR = 'BRG-MER-100'"), 0);
    EXPECT_EQ(clienti.recordset()->recordCount(), 4);
    EXPECT_EQ(rows("MG73_TIPOCF_CG44 = 0 AND MG73_CODART_MG66 = 'MAGLIA-001'"), 4);

    // Answered no: nothing goes.
    select(clienti, "DUV/PULL/07");
    cardtest::queueAnswer(common::vbNo);
    QTest::keyClick(clienti.GRD_ARTCLIFOR, Qt::Key_Delete);
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'DUV/PULL/07'"), 1);
}

TEST_F(ItemCodes, ADeleteThatFailsHalfWayLeavesTheCodeAndRetryCompletesIt) {
    open("MAGLIA-001");
    select(clienti, "DUV/PULL/07");
    card.connection().injectFault({"DELETE FROM #TMP_ARTCLI", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbAbort);
    EXPECT_FALSE(clienti.frame()->Delete());
    EXPECT_TRUE(Shown("FME_ARTCLI_BeforeDelete"));
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'DUV/PULL/07'"), 1);
    EXPECT_EQ(count(card.connection(), "#TMP_ARTCLI", "ARTCLIFOR = 'DUV/PULL/07'"), 1);

    card.connection().injectFault({"DELETE FROM #TMP_ARTCLI", "08S01", 0, 1});
    cardtest::queueAnswer(common::vbRetry);
    clienti.frame()->Delete();
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'DUV/PULL/07'"), 0);
    EXPECT_EQ(clienti.recordset()->recordCount(), 4);
}

TEST_F(ItemCodes, ACustomersCodeWithAnApostropheIsSavedFoundAndDeleted) {
    open("MAGLIA-001");
    enter(clienti, "", "DUV'08", "4");
    ASSERT_TRUE(save(clienti));
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'DUV''08'"), 1);
    clienti.frame()->Delete();
    EXPECT_EQ(rows("MG73_ARTCLIFOR = 'DUV''08'"), 0);
    EXPECT_TRUE(cardtest::shownMessages().empty());
}

// ------------------------------------------------------------ managements opened from a row

TEST_F(ItemCodes, ARowOpensTheFullManagementAndItsPriceLists) {
    open("MAGLIA-001");
    select(clienti, "LNT-55120-BLM");
    clienti.GRD_ARTCLIFOR->PressButton(clienti.GRD_ARTCLIFOR->CurrentRow(), 7);
    ASSERT_EQ(card.programs.size(), 1u);
    EXPECT_EQ(card.programs[0].first, itemcodes::kProgIdListini);
    auto& ctx = card.programs[0].second;
    EXPECT_EQ(ctx["Modo"].toText(), "0");
    EXPECT_EQ(ctx["TipoCF"].toText(), "0");
    EXPECT_EQ(ctx["ArtCliFor"].toText(), "LNT-55120-BLM");
    EXPECT_EQ(ctx["CliFor"].toText(), "2");

    clienti.GRD_ARTCLIFOR->PressButton(clienti.GRD_ARTCLIFOR->CurrentRow(), 6);
    ASSERT_EQ(card.programs.size(), 2u);
    EXPECT_EQ(card.programs[1].first, itemcodes::kProgrammaArticoliClienti);
    EXPECT_EQ(card.programs[1].second["CodiceArticolo"].toText(), "MAGLIA-001");
    EXPECT_EQ(card.programs[1].second["CodiceOpzione"].toText(), "M  BLU");
    // Back from the management the tab is read again.
    EXPECT_EQ(clienti.recordset()->recordCount(), 5);

    open("MAGLIA-001", &fornitori);
    fornitori.GRIDNAV_ARTCLIFOR->Click("Apri");
    ASSERT_EQ(card.programs.size(), 3u);
    EXPECT_EQ(card.programs[2].first, itemcodes::kProgrammaArticoliFornitori);
}

}  // namespace
