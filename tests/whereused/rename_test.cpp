// Renaming an option or a grouping everywhere in one transaction: every
// reference moves, composed codes change in the variant's slot only, bad new
// codes are refused with their numbers, a fault at any statement under any
// answer leaves the tables as before or fully renamed, and a reference the
// card does not know rolls the whole rename back.

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/value_helpers.h"
#include "groupings/frmmg_raggr.h"
#include "groupings/where_used_sql.h"
#include "tests/whereused/where_used_fixture.h"

namespace {

using cardtest::queueAnswer;
using cardtest::shown;
using wutest::photo;
using wutest::Strings;
using wutest::values;
using wutest::WhereUsed;

// The composed-code columns with A1 in characters 4 to 6.
const std::vector<std::pair<std::string, std::string>> kComposed = {
    {"MG87_ARTDESC", "MG87_OPZIONE_MG5E"},   {"MG73_ARTCLIFOR", "MG73_OPZIONE_MG5E"},
    {"MG70_MAGPROQTA", "MG70_OPZIONE_MG5E"}, {"MG7E_CLAVPROQTA", "MG7E_OPZIONE_MG5E"},
    {"PD95_DISBA", "PD95_OPZIONE"},          {"PD95_DISBA", "PD95_OPZCOMP"}};

std::multiset<std::string> codes(db::Connection& cn, const std::string& table,
                                 const std::string& col) {
    const Strings v = values(cn, "SELECT " + col + " FROM " + table);
    return {v.begin(), v.end()};
}

// The codes as a rename of BLU to the new code must leave them: the slot
// rewritten, every other character kept.
std::multiset<std::string> renamed(const std::multiset<std::string>& before,
                                   const std::string& nuovo) {
    std::multiset<std::string> out;
    for (std::string c : before) {
        if (c.size() >= 4 && wutest::rtrim(c.substr(3, 3)) == "BLU") {
            std::string slot = nuovo;
            slot.resize(3, ' ');
            c.replace(3, 3, slot);
        }
        out.insert(c);
    }
    return out;
}

groupings::UsedCode blu() {
    return {"1", "A1", "BLU", 4, 3, "Colore"};
}

TEST_F(WhereUsed, RenameMovesEveryReferenceAndOnlyTheOptionsSlot) {
    std::map<std::string, std::multiset<std::string>> before;
    for (const auto& [t, c] : kComposed)
        before[t + "." + c] = codes(cn(), t, c);
    const auto usesBefore = expected("BLU");
    const auto fotoBefore = photo(cn());

    groupings::WhereUsedDialog* w = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "BLU");
    ASSERT_NE(w, nullptr);
    card.markAllLoaded();
    w->TXT_NUOVOCODICE->setText("NV");  // shorter than the slot: padded
    queueAnswer(common::vbYes);
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_TRUE(shown("[x91835x] Rinomino BLU in NV?")) << cardtest::shownMessages().front();

    for (const auto& [t, c] : kComposed)
        EXPECT_EQ(codes(cn(), t, c), renamed(before[t + "." + c], "NV")) << t << "." << c;
    EXPECT_EQ(expected("NV"), usesBefore);
    for (const auto& [line, n] : expected("BLU"))
        EXPECT_EQ(n, 0) << line;
    EXPECT_EQ(options("A1", "MG5E_OPZIONE = 'BLU'"), 0);
    EXPECT_EQ(value("SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_CODICEVAR_MG5F = 'A1' AND "
                    "MG5E_OPZIONE = 'NV'"),
              "Blu navy");
    // Other tables and other variants' rows keep their sizes.
    const auto fotoAfter = photo(cn());
    for (const auto& t : wutest::kTables)
        EXPECT_EQ(fotoAfter.at(t).size(), fotoBefore.at(t).size()) << t;
    EXPECT_EQ(fotoAfter.at("MG5G_RAGGVAR"), fotoBefore.at("MG5G_RAGGVAR"));

    // The window now counts the new code; every other tab reloads; the
    // lists show it at once.
    EXPECT_EQ(w->codice().codice, "NV");
    EXPECT_EQ(counts(w), usesBefore);
    for (int tab = 0; tab < common::kLoadedItemTabs; ++tab)
        if (tab != common::kTabGestioneVarianti) {
            EXPECT_TRUE(card.loadedItem(tab).empty()) << tab;
        }
    EXPECT_GE(rowOf(st.sorgente.get(), "MG5E_OPZIONE", "NV"), 0);
    EXPECT_LT(rowOf(st.sorgente.get(), "MG5E_OPZIONE", "BLU"), 0);
    EXPECT_EQ(st.GRDX_VARIANTI_SOURCE->CurrentRow(),
              rowOf(st.sorgente.get(), "MG5E_OPZIONE", "NV"));
    EXPECT_EQ(st.opzione, "NV");

    // Renamed again from the same window, the list follows the latest code.
    w->TXT_NUOVOCODICE->setText("NX");
    queueAnswer(common::vbYes);
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_EQ(expected("NX"), usesBefore);
    EXPECT_EQ(st.opzione, "NX");
    EXPECT_EQ(st.GRDX_VARIANTI_SOURCE->CurrentRow(),
              rowOf(st.sorgente.get(), "MG5E_OPZIONE", "NX"));
}

TEST_F(WhereUsed, BadNewCodesAreRefusedAndNothingChanges) {
    const auto before = photo(cn());
    groupings::WhereUsedDialog* w = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "BLU");
    ASSERT_NE(w, nullptr);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"   ", "[x91831x] Indicare il nuovo codice."},
        {"B'L", "[x91832x] Il codice B'L non può contenere il carattere apice (')."},
        {"BLUE", "[x91833x] Il codice BLUE supera la lunghezza massima di 3 caratteri."},
        {"GRI", "[x91834x] L'opzione GRI esiste già per la variante Colore."},
        {"BLU", "[x91834x] L'opzione BLU esiste già per la variante Colore."}};
    for (const auto& [code, message] : cases) {
        SCOPED_TRACE(code);
        cardtest::clearMessages();
        w->TXT_NUOVOCODICE->setText(QString::fromStdString(code));
        QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
        ASSERT_EQ(cardtest::shownMessages().size(), 1u);
        EXPECT_EQ(cardtest::shownMessages().front(), message);
        EXPECT_EQ(photo(cn()), before);
    }
    // Answered no to the preview, nothing changes either. The preview is
    // read again: a default option given meanwhile (by another card) counts.
    cn().execute(
        "UPDATE MG6B_GESVARART SET MG6B_VARDEFAULT = 'BLU' WHERE MG6B_CODICEVAR_MG5F = 'A1' AND "
        "MG6B_CODART_MG66 <> 'MAGLIA-001'");
    const auto changed = photo(cn());
    long long total = 0;
    for (const auto& [line, n] : expected("BLU"))
        total += n;
    cardtest::clearMessages();
    w->TXT_NUOVOCODICE->setText("NAV");
    queueAnswer(common::vbNo);
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_TRUE(shown("[x91835x] Rinomino BLU in NAV? Cambiano le righe elencate (" +
                      std::to_string(total) + ")."))
        << cardtest::shownMessages().front();
    EXPECT_EQ(counts(w), expected("BLU"));
    EXPECT_EQ(photo(cn()), changed);
}

// A new code is judged by its characters as the columns hold them: typed,
// the box refuses Cyrillic, saying so; put in whole
// (a paste), a character the database cannot hold is refused by name; an
// accented letter is one character, not two bytes; a variant of digits
// takes only digits.
TEST_F(WhereUsed, NewCodesAreJudgedByCharacterAsTheColumnsHoldThem) {
    const auto before = photo(cn());
    groupings::WhereUsedDialog* w = openFrom(st.GRDX_VARIANTI_SOURCE, "MG5E_OPZIONE", "BLU");
    ASSERT_NE(w, nullptr);
    w->TXT_NUOVOCODICE->setFocus();
    cardtest::clearMessages();
    QTest::keyClicks(w->TXT_NUOVOCODICE, "N");
    QTest::sendKeyEvent(QTest::Click, w->TXT_NUOVOCODICE, Qt::Key_unknown, QStringLiteral("\u0416"),
                        Qt::NoModifier);
    EXPECT_EQ(w->TXT_NUOVOCODICE->text(), "N");
    EXPECT_TRUE(shown("[x91600x] Il carattere \"\u0416\" non può essere memorizzato"));

    cardtest::clearMessages();
    w->TXT_NUOVOCODICE->setText(QStringLiteral("\u0416\u0416"));
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    ASSERT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(cardtest::shownMessages().front(),
              "[x91600x] Il carattere \"\u0416\" non può essere memorizzato: usare lettere, "
              "cifre e segni dell'alfabeto latino.");
    EXPECT_EQ(photo(cn()), before);

    cardtest::clearMessages();
    w->TXT_NUOVOCODICE->setText(QStringLiteral("\u00C0\u00C8\u00CC"));
    queueAnswer(common::vbYes);
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_TRUE(shown("[x91835x] Rinomino BLU in \u00C0\u00C8\u00CC?"))
        << cardtest::shownMessages().front();
    EXPECT_EQ(options("A1", "MG5E_OPZIONE = '\u00C0\u00C8\u00CC'"), 1);
    EXPECT_EQ(options("A1", "MG5E_OPZIONE = 'BLU'"), 0);

    cn().execute(
        "UPDATE MG5F_DIMECONF SET MG5F_INDNATURA = 1 WHERE MG5F_DITTA_CG18 = 1 AND "
        "MG5F_CODICEVAR = 'A1'");
    const auto renamed = photo(cn());
    cardtest::clearMessages();
    w->TXT_NUOVOCODICE->setText("N1");
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    ASSERT_EQ(cardtest::shownMessages().size(), 1u);
    EXPECT_EQ(cardtest::shownMessages().front(),
              "[x91842x] Il codice N1 non è valido: la variante Colore accetta solo cifre.");
    EXPECT_EQ(photo(cn()), renamed);
}

// The rename of u to nuovo with a fault at each of its statements, under
// each answer: the tables as before, or as a run without faults leaves them.
void faultMatrix(groupings::CodeKind genere, const groupings::UsedCode& u, const std::string& nuovo,
                 std::size_t statementCount, const char* procedure) {
    cardtest::clearMessages();
    cardtest::TestCard clean;
    const auto original = photo(clean.connection());
    ASSERT_TRUE(groupings::RenameCode(clean.services(), clean.connection(), genere, u, nuovo));
    const auto full = photo(clean.connection());
    ASSERT_NE(full, original);

    const Strings statements = genere == groupings::CodeKind::Option
                                   ? groupings::sqlRenameOption(u, nuovo)
                                   : groupings::sqlRenameGrouping(u, nuovo);
    ASSERT_EQ(statements.size(), statementCount);
    for (const std::string& statement : statements) {
        const std::string match = statement.substr(0, 46);
        for (int answer : {common::vbAbort, common::vbRetry, common::vbIgnore}) {
            SCOPED_TRACE(match + " / " + cardtest::answerName(answer));
            cardtest::clearMessages();
            cardtest::TestCard card;
            db::Connection& cn = card.connection();
            cn.injectFault({match, "08S01", 0, 1});
            queueAnswer(answer);
            const bool done = groupings::RenameCode(card.services(), cn, genere, u, nuovo);
            EXPECT_TRUE(shown(std::string(procedure) + ": "));
            EXPECT_EQ(cn.transactionDepth(), 0);
            EXPECT_EQ(done, answer == common::vbRetry);
            // Passed over, a statement leaves the rename incomplete: it is
            // undone, said so, or the next statement's failure ends it.
            if (answer == common::vbIgnore) {
                EXPECT_TRUE(shown("[x91838x]") || cardtest::shownMessages().size() > 1);
            }
            const auto now = photo(cn);
            const auto& want = answer == common::vbRetry ? full : original;
            for (const auto& t : wutest::kTables)
                EXPECT_EQ(now.at(t), want.at(t)) << t;
        }
    }
}

TEST(RenameFault, EveryStatementOfAnOptionRenameUnderEveryAnswerLeavesAllOrNothing) {
    faultMatrix(groupings::CodeKind::Option, blu(), "NAV", 14, "RinominaOpzione");
}

TEST(RenameFault, EveryStatementOfAGroupingRenameUnderEveryAnswerLeavesAllOrNothing) {
    faultMatrix(groupings::CodeKind::Grouping, {"1", "A1", "COL-MAGLIA", 4, 3, "Colore"},
                "COL-AI26", 7, "RinominaRaggruppamento");
}

TEST(RenameFault, AReferenceTheCardDoesNotKnowRollsTheRenameBack) {
    cardtest::clearMessages();
    cardtest::TestCard card;
    db::Connection& cn = card.connection();
    cn.execute(
        "CREATE TABLE XX_ALTRO (XX_DITTA DECIMAL(5,0) NOT NULL, XX_VAR CHAR(2) NOT NULL, "
        "XX_OPZIONE CHAR(20) NOT NULL, CONSTRAINT FK_XX_MG5E FOREIGN KEY (XX_DITTA, XX_VAR, "
        "XX_OPZIONE) REFERENCES MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, "
        "MG5E_OPZIONE))");
    cn.execute("INSERT INTO XX_ALTRO VALUES (1, 'A1', 'BLU')");
    const auto before = photo(cn);
    EXPECT_FALSE(
        groupings::RenameCode(card.services(), cn, groupings::CodeKind::Option, blu(), "NAV"));
    EXPECT_TRUE(
        shown("[x91836x] L'opzione BLU è ancora usata da una tabella che la scheda non "
              "conosce"));
    EXPECT_EQ(cn.transactionDepth(), 0);
    EXPECT_EQ(photo(cn), before);
}

TEST_F(WhereUsed, GroupingRenameFromTheGroupingsWindow) {
    const auto before = photo(cn());
    auto where = [&](const std::string& table, const std::string& col, const std::string& code) {
        return cardtest::count(cn(), table, col + " = '" + code + "'");
    };
    const long long items = where("MG6B_GESVARART", "MG6B_CODRAGGVAR_MG5G", "COL-MAGLIA");
    const long long comp = where("MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G", "COL-MAGLIA");
    const long long states = where("MG5W_PROVSTATI", "MG5W_RAGGR1_MG5G", "COL-MAGLIA");
    const long long seasons = where("MG5U_VARSTAG", "MG5U_RAGGR_MG5G", "COL-MAGLIA");
    ASSERT_GT(items * comp * states * seasons, 0);

    groupings::FRMMG_RAGGR win(cn(), card.services(), "1", "A1", card.widget());
    win.dopoRinomina = [&](const std::string& v, const std::string& n) {
        groupings::AfterWhereUsedChange(card, v, n, true);
    };
    win.show();
    win.GRID_RAGGR->SetCurrentRow(rowOf(win.recordset(), "MG5G_CODRAGGVAR", "COL-MAGLIA"));
    QMenu* menu = controls::GridExchange::Of(win.GRID_RAGGR)->ContextMenu(win.GRID_RAGGR);
    menu->findChild<QAction*>(QStringLiteral("Dove \u00e8 usato\u2026"))->trigger();
    delete menu;
    auto* w = win.findChild<groupings::WhereUsedDialog*>();
    ASSERT_NE(w, nullptr);

    // An existing grouping and a code too long are refused.
    w->TXT_NUOVOCODICE->setText("COL-BASE");
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_TRUE(shown("[x91840x] Il raggruppamento COL-BASE esiste già per la variante Colore."));
    w->TXT_NUOVOCODICE->setText(QString(26, 'X'));
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_TRUE(shown("[x91833x]"));
    EXPECT_EQ(photo(cn()), before);

    // Typed in lower case, the code is a grouping code: upper case, as the
    // grouping box and the window's own code box write it.
    w->TXT_NUOVOCODICE->clear();
    w->TXT_NUOVOCODICE->setFocus();
    QTest::keyClicks(w->TXT_NUOVOCODICE, "col-maglia-ai26");
    EXPECT_EQ(w->TXT_NUOVOCODICE->text(), "COL-MAGLIA-AI26");
    queueAnswer(common::vbYes);
    QTest::mouseClick(w->CMD_RINOMINA, Qt::LeftButton);
    EXPECT_EQ(wutest::rtrim(cardtest::text(cardtest::scalar(
                  cn(),
                  "SELECT MG5G_CODRAGGVAR FROM MG5G_RAGGVAR WHERE MG5G_DITTA_CG18 = 1 AND "
                  "MG5G_CODICEVAR_MG5F = 'A1' AND MG5G_CODRAGGVAR = 'COL-MAGLIA-AI26'"))),
              "COL-MAGLIA-AI26");
    EXPECT_EQ(where("MG6B_GESVARART", "MG6B_CODRAGGVAR_MG5G", "COL-MAGLIA-AI26"), items);
    EXPECT_EQ(where("MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G", "COL-MAGLIA-AI26"), comp);
    EXPECT_EQ(where("MG5W_PROVSTATI", "MG5W_RAGGR1_MG5G", "COL-MAGLIA-AI26"), states);
    EXPECT_EQ(where("MG5U_VARSTAG", "MG5U_RAGGR_MG5G", "COL-MAGLIA-AI26"), seasons);
    EXPECT_EQ(where("MG5G_RAGGVAR", "MG5G_CODRAGGVAR", "COL-MAGLIA"), 0);
    EXPECT_EQ(where("MG5H_COMPRAGVAR", "MG5H_RAGGR_MG5G", "COL-MAGLIA"), 0);
    // The options tab follows: its grouping and composition under the new code.
    EXPECT_EQ(st.raggruppamento, "COL-MAGLIA-AI26");
    EXPECT_EQ(destination().size(), static_cast<std::size_t>(comp));
    EXPECT_GE(rowOf(win.recordset(), "MG5G_CODRAGGVAR", "COL-MAGLIA-AI26"), 0);
}

TEST(RenameTwoCards, TheOtherCardShowsTheNewCodeOnceItReloads) {
    QTemporaryDir dir;
    const std::string path = cardtest::demoFile(dir.path().toStdString());
    cardtest::clearMessages();
    cardtest::TestCard a("1", path);
    cardtest::TestCard b("1", path);
    auto& tabB = b.addTab<groupings::GestioneVariantiTab>(common::kTabGestioneVarianti);
    b.showItem("MAGLIA-001");
    tabB.load();
    auto& stB = tabB.stato();
    auto chooseA1 = [&] {
        const int at = stB.CBO_TIPOVAR1->findData(common::indiceVariante("A1"));
        stB.CBO_TIPOVAR1->setCurrentIndex(at);
        emit stB.CBO_TIPOVAR1->activated(at);
    };
    chooseA1();
    auto listed = [&](const char* code) {
        for (long r = 0; r < stB.sorgente->recordCount(); ++r)
            if (cardtest::text(
                    stB.sorgente->valueAt(r, stB.sorgente->fieldIndex("MG5E_OPZIONE"))) == code)
                return true;
        return false;
    };
    ASSERT_TRUE(listed("BLU"));
    ASSERT_TRUE(groupings::RenameCode(a.services(), a.connection(), groupings::CodeKind::Option,
                                      blu(), "NAV"));
    // Another variant and back reloads the lists.
    const int other = stB.CBO_TIPOVAR1->findData(common::indiceVariante("A0"));
    stB.CBO_TIPOVAR1->setCurrentIndex(other);
    emit stB.CBO_TIPOVAR1->activated(other);
    chooseA1();
    EXPECT_TRUE(listed("NAV"));
    EXPECT_FALSE(listed("BLU"));
}

}  // namespace
