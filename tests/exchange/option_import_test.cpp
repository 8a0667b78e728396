// Options of a variant imported into the options tab from a CSV file and
// from a pasted block, on the demo data: MAGLIA-001, Taglia (A0, slot of
// three characters) with XS "Extra small", S "Small", M "Medium"...

#include "groupings/option_import.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "common/window_services.h"
#include "platform/controls/grid_exchange.h"
#include "platform/exchange/sheet.h"
#include "platform/framework/component_base.h"
#include "platform/framework/global.h"
#include "tests/exchange/exchange_test_support.h"
#include "tests/groupings/options_fixture.h"

namespace {

using cardtest::queueAnswer;
using groupings::ImportOutcome;

struct OptionImport : groupingstest::Options {
    void SetUp() override {
        groupingstest::Options::SetUp();
        open("MAGLIA-001");
        ASSERT_EQ(st.variante, "A0");
    }
    controls::GridExchange& scambio() {
        return *controls::GridExchange::Of(st.GRDX_VARIANTI_SOURCE.data());
    }
    std::string descr(const std::string& code) {
        return value(
            "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
            "MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = '" +
            code + "'");
    }
    std::string tutte() {
        return cardtest::snapshot(
            cn(), "SELECT * FROM MG5E_OPZIONI ORDER BY MG5E_CODICEVAR_MG5F, MG5E_OPZIONE");
    }
    // The preview, once shown, is read and answered by the button named.
    void rispondi(const char* button) {
        QTimer::singleShot(0, [this, button] {
            auto* dialog =
                qobject_cast<groupings::FRM_IMPORTAOPZIONI*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            anteprima.clear();
            const controls::DataGrid* grid = dialog->GRD_ANTEPRIMA;
            for (long r = 0; r < grid->model()->rowCount(); ++r)
                anteprima.push_back(grid->CellText(r, 1).toStdString() + " " +
                                    grid->CellText(r, 0).toStdString() + " " +
                                    grid->CellText(r, 3).toStdString());
            riepilogo = dialog->LBL_RIEPILOGO->text().toStdString();
            QTest::mouseClick(
                button == std::string("Conferma") ? dialog->CMD_CONFERMA : dialog->CMD_ANNULLA,
                Qt::LeftButton);
        });
    }
    // A file of the test's folder holding the bytes given; answers its path.
    QString csvFile(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    std::vector<std::string> anteprima;
    std::string riepilogo;
};

TEST_F(OptionImport, APreviewMarksEveryRowAndConfermaWritesTheAcceptedOnes) {
    const QString path = csvFile("taglie.csv",
                                 "\xEF\xBB\xBFOpzione;Descrizione;Lettera\r\n"
                                 "XS;Extra small;E\r\n"     // unchanged
                                 "S;Piccola;P\r\n"          // changed
                                 "3XL;Tripla extra;T\r\n"   // new
                                 "O'K;Con apice;C\r\n"      // apostrophe
                                 "XXXL;Troppo lungo;T\r\n"  // longer than the slot (3)
                                 "3XL;Ancora;A\r\n"         // repeated
                                 ";Senza codice;S\r\n"      // blank code
                                 "\r\n"                     // an empty line: ignored
                                 "4XL;\"L'ultima; con \"\"virgolette\"\"\";U\r\n");  // new, quoted
    const std::string before = tutte();

    // Annulla writes nothing.
    rispondi("Annulla");
    {
        exchangetest::ChosenFile chosen(path);
        scambio().Import();
    }
    EXPECT_EQ(tutte(), before);
    ASSERT_EQ(anteprima.size(), 8u);
    EXPECT_EQ(anteprima[0], "XS Invariata ");
    EXPECT_EQ(anteprima[1], "S Modificata ");
    EXPECT_EQ(anteprima[2], "3XL Nuova ");
    EXPECT_EQ(anteprima[3],
              "O'K Rifiutata [x91911x] il codice non può contenere il carattere apice (')");
    EXPECT_EQ(anteprima[4], "XXXL Rifiutata [x91912x] codice più lungo di 3 caratteri");
    EXPECT_EQ(anteprima[5], "3XL Rifiutata [x91914x] codice ripetuto");
    EXPECT_EQ(anteprima[6], " Rifiutata [x91910x] codice vuoto");
    EXPECT_EQ(anteprima[7], "4XL Nuova ");
    EXPECT_EQ(riepilogo, "[x91917x] Righe da scrivere: 3. Righe rifiutate: 4.");

    rispondi("Conferma");
    scambio().ImportFile(path);
    EXPECT_EQ(descr("S"), "Piccola");
    EXPECT_EQ(descr("3XL"), "Tripla extra");
    EXPECT_EQ(descr("4XL"), "L'ultima; con \"virgolette\"");
    EXPECT_EQ(descr("XS"), "Extra small");
    EXPECT_EQ(options("A0", "MG5E_OPZIONE IN ('O''K', 'XXXL', '')"), 0);
    // The source list shows the new options at once.
    const auto codes = source();
    EXPECT_NE(std::find(codes.begin(), codes.end(), "3XL"), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), "4XL"), codes.end());
}

TEST_F(OptionImport, APastedBlockUnderAFaultWritesNothing) {
    const std::string before = tutte();
    // Code and description without captions, pasted into the options grid.
    QApplication::clipboard()->setText("5XL\tCinque\r\n6XL\tSei\r\nM\tMedia\r\n");
    for (int answer : {common::vbAbort, common::vbIgnore}) {
        SCOPED_TRACE(answer);
        cardtest::clearMessages();
        cn().clearFaults();
        cn().injectFault({"INSERT INTO MG5E_OPZIONI", "08S01", 1, 1});  // the second insert
        queueAnswer(answer);
        rispondi("Conferma");
        st.GRDX_VARIANTI_SOURCE->setFocus();
        QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(cardtest::shown("ImportaOpzioni: "));
        EXPECT_EQ(cn().transactionDepth(), 0);
        EXPECT_EQ(tutte(), before);
    }
    cn().clearFaults();
    rispondi("Conferma");
    QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(descr("5XL"), "Cinque");
    EXPECT_EQ(descr("6XL"), "Sei");
    EXPECT_EQ(descr("M"), "Media");
}

// The database compares codes without regard to case: "m" of a file is the
// stored M, "x1" and "X1" are one code. Text the columns cannot hold (a
// control character of a binary file, Cyrillic) is refused by the preview.
TEST_F(OptionImport, CodesInAnotherCaseAreTheStoredOnesAndUnstorableTextIsRefused) {
    const QString path = csvFile("minuscole.csv",
                                 "Opzione;Descrizione\r\n"
                                 "m;Media\r\n"
                                 "xs;Extra small\r\n"
                                 "x1;Primo\r\n"
                                 "X1;Secondo\r\n"
                                 "\xD0\x96\xD0\x96;Cirillico\r\n"
                                 "Z\x01;Controllo\r\n"
                                 "Z2;Descrizione \xF0\x9F\x98\x80\r\n");
    const std::string before = tutte();

    rispondi("Conferma");
    scambio().ImportFile(path);
    ASSERT_EQ(anteprima.size(), 7u);
    EXPECT_EQ(anteprima[0], "M Modificata ");
    EXPECT_EQ(anteprima[1], "XS Invariata ");
    EXPECT_EQ(anteprima[2], "x1 Nuova ");
    EXPECT_EQ(anteprima[3], "X1 Rifiutata [x91914x] codice ripetuto");
    EXPECT_EQ(anteprima[4],
              "\u0416\u0416 Rifiutata [x91918x] il carattere \"\u0416\" non può essere "
              "memorizzato");
    EXPECT_EQ(anteprima[5],
              "Z\x01 Rifiutata [x91918x] il carattere \"\\x01\" non può essere memorizzato");
    EXPECT_EQ(anteprima[6],
              "Z2 Rifiutata [x91918x] il carattere \"\U0001F600\" non può essere memorizzato");
    EXPECT_EQ(riepilogo, "[x91917x] Righe da scrivere: 2. Righe rifiutate: 4.");
    // Written without a database error: M changed, x1 new, nothing else.
    EXPECT_FALSE(cardtest::shown("ImportaOpzioni: "));
    EXPECT_EQ(cn().transactionDepth(), 0);
    EXPECT_EQ(descr("M"), "Media");
    EXPECT_EQ(descr("x1"), "Primo");
    EXPECT_EQ(options("A0", "MG5E_OPZIONE LIKE 'Z%'"), 0);
    EXPECT_EQ(exchange::RightTrimmed(
                  value("SELECT MG5E_OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
                        "MG5E_CODICEVAR_MG5F = 'A0' AND MG5E_OPZIONE = 'm'")),
              "M");
    EXPECT_NE(tutte(), before);
}

// A row copied from the options grid (tick, code, description, letter,
// sort) and pasted back there is the same option, unchanged; so is the
// grid exported by an English card, whose captions are English, read back.
TEST_F(OptionImport, TheGridsOwnCopyAndItsEnglishExportReadBackUnchanged) {
    const std::string before = tutte();
    const long rows = st.GRDX_VARIANTI_SOURCE->model()->rowCount();
    ASSERT_GT(rows, 3);
    st.GRDX_VARIANTI_SOURCE->setFocus();
    QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_Down);
    QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QApplication::clipboard()->text().startsWith("0\t46\t"));
    rispondi("Annulla");  // Conferma stays off: there is nothing to write
    QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(anteprima, std::vector<std::string>{"46 Invariata "});
    EXPECT_EQ(riepilogo, "[x91917x] Righe da scrivere: 0. Righe rifiutate: 0.");
    EXPECT_EQ(tutte(), before);

    // The card in English: its captions are the English catalogue's.
    framework::Global global;
    global.SetMultilingua(framework::Multilingual(framework::Catalogue::FromFile(
        std::string(VELDRANO_SOURCE_DIR) + "/demo/messages_en.tsv")));
    struct Host : framework::ComponentBase {
        QWidget* CreateForm(QWidget*) override { return nullptr; }
    } host;
    host.SetClsGlobal(&global);
    card.services().setInterface(&host);
    card.services().TraduciColonne(st.GRDX_VARIANTI_SOURCE);
    const QString path = dir.filePath("options.csv");
    ASSERT_TRUE(scambio().ExportCsv(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_TRUE(f.readLine().contains("Option;Description"));
    f.close();
    rispondi("Annulla");
    scambio().ImportFile(path);
    card.services().setInterface(nullptr);
    ASSERT_EQ(anteprima.size(), static_cast<std::size_t>(rows));
    for (const std::string& riga : anteprima)
        EXPECT_NE(riga.find(" Unchanged "), std::string::npos) << riga;
    EXPECT_EQ(tutte(), before);
    // An Italian card reads the English export as well.
    rispondi("Annulla");
    scambio().ImportFile(path);
    ASSERT_EQ(anteprima.size(), static_cast<std::size_t>(rows));
    for (const std::string& riga : anteprima)
        EXPECT_NE(riga.find(" Invariata "), std::string::npos) << riga;
}

// While the grouping box holds a code that does not exist, options cannot be
// saved by hand; neither are they pasted: the user hears why, no preview.
// A description typed in the option boxes and not confirmed is offered
// before the pasted options rewrite the lists, not emptied away by them.
TEST_F(OptionImport, AnUnconfirmedEditIsOfferedBeforeThePasteRewritesTheLists) {
    st.GRDX_VARIANTI_SOURCE->SetCurrentRow(0);
    const std::string first = cardtest::text(st.sorgente->value("MG5E_OPZIONE"));
    st.TXT_DESOPZIONE_ORIG->setFocus();
    st.TXT_DESOPZIONE_ORIG->selectAll();
    QTest::keyClicks(st.TXT_DESOPZIONE_ORIG.data(), "Prima della copia");
    cardtest::clearMessages();
    queueAnswer(common::vbYes);
    QApplication::clipboard()->setText("7XL\tSette\r\n");
    rispondi("Conferma");
    st.GRDX_VARIANTI_SOURCE->setFocus();
    QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(cardtest::shown("[x91548x] Le modifiche all'opzione \"" + first + "\""));
    EXPECT_EQ(descr(first), "Prima della copia");
    EXPECT_EQ(descr("7XL"), "Sette");
}

TEST_F(OptionImport, NothingIsPastedWhileOptionsCannotBeSaved) {
    queueAnswer(common::vbNo);
    typeGrouping("NON-ESISTE");
    ASSERT_FALSE(st.CMD_OPZORIG_SALVA->isEnabled());
    ASSERT_TRUE(st.GRDX_VARIANTI_SOURCE->isEnabled());
    const std::string before = tutte();
    cardtest::clearMessages();
    QApplication::clipboard()->setText("7XL\tSette\r\n");
    bool preview = false;
    QTimer::singleShot(0, [&preview] {
        if (auto* d =
                qobject_cast<groupings::FRM_IMPORTAOPZIONI*>(QApplication::activeModalWidget())) {
            preview = true;
            d->reject();
        }
    });
    st.GRDX_VARIANTI_SOURCE->setFocus();
    QTest::keyClick(st.GRDX_VARIANTI_SOURCE.data(), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(preview);
    EXPECT_TRUE(cardtest::shown("[x91919x] Le opzioni non possono essere modificate ora"));
    EXPECT_EQ(tutte(), before);
}

}  // namespace
