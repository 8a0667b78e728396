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

#include "platform/controls/grid_exchange.h"
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
    std::vector<std::string> anteprima;
    std::string riepilogo;
};

TEST_F(OptionImport, APreviewMarksEveryRowAndConfermaWritesTheAcceptedOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("taglie.csv");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "\xEF\xBB\xBFOpzione;Descrizione;Lettera\r\n"
        "XS;Extra small;E\r\n"                              // unchanged
        "S;Piccola;P\r\n"                                   // changed
        "3XL;Tripla extra;T\r\n"                            // new
        "O'K;Con apice;C\r\n"                               // apostrophe
        "XXXL;Troppo lungo;T\r\n"                           // longer than the slot (3)
        "3XL;Ancora;A\r\n"                                  // repeated
        ";Senza codice;S\r\n"                               // blank code
        "\r\n"                                              // an empty line: ignored
        "4XL;\"L'ultima; con \"\"virgolette\"\"\";U\r\n");  // new, quoted
    f.close();
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

}  // namespace
