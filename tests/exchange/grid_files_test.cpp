// A grid written to files as a user asks from its context menu: CSV as
// Italian spreadsheets read it, XLSX read back by an independent reader
// (Python's zipfile and XML), PDF checked with pdfinfo and pdftotext.

#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/controls/grid_print.h"
#include "platform/db/recordset.h"
#include "platform/exchange/csv.h"
#include "platform/exchange/xlsx_reader.h"
#include "tests/exchange/exchange_test_support.h"

namespace {

using controls::DataGrid;
using controls::GridExchange;

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

const std::string kReader = std::string(VELDRANO_SOURCE_DIR) + "/tests/exchange/read_xlsx.py";

struct GridFiles : ::testing::Test {
    void SetUp() override {
        exchangetest::openDemo(cn);
        grid = new DataGrid(&top);
        grid->setObjectName("GRD_PROVA");
        top.resize(700, 300);
        grid->resize(700, 300);
        top.show();
    }
    // Options of A0 with a quantity, a price and a date; the codes padded
    // as CHAR(20) stores them.
    void opzioni() {
        rs.open(
            "SELECT CONVERT(CHAR(20), MG5E_OPZIONE) AS MG5E_OPZIONE, MG5E_DESCR, "
            "CONVERT(DECIMAL(18,3), 1234.5) AS QTA, CONVERT(DECIMAL(18,2), -7.25) AS PREZZO, "
            "MG5V_DATAINIZIO AS DATA FROM MG5E_OPZIONI CROSS JOIN MG5V_STATIVAR WHERE "
            "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' AND MG5V_IDSTATOVAR = 2 ORDER BY "
            "MG5E_OPZIONE",
            cn);
        auto& cols = grid->Columns();
        cols.Add("MG5E_OPZIONE", "Opzione").SetWidth(80);
        cols.Add("MG5E_DESCR", "Descrizione; lunga").SetWidth(200);
        cols.Add("QTA", "Quantità").SetNumberFormat(3, true).SetWidth(90);
        cols.Add("PREZZO", "Prezzo").SetNumberFormat(2).SetWidth(70);
        cols.Add("DATA", "Data").SetDateFormat("dd/MM/yyyy").SetWidth(80);
        grid->SetDataSource(&rs);
    }
    std::string file(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }
    // Runs the menu entry with the file dialogs answering this path.
    void menu(const QString& entry, const QString& path) {
        exchangetest::ChosenFile chosen(path);
        std::unique_ptr<QMenu> m(GridExchange::Of(grid)->ContextMenu(&top));
        for (QAction* a : m->actions())
            if (a->text() == entry)
                return a->trigger();
        ADD_FAILURE() << entry.toStdString();
    }
    db::Connection cn;
    db::Recordset rs;
    QWidget top;
    DataGrid* grid = nullptr;
    QTemporaryDir dir;
};

TEST_F(GridFiles, CsvIsWhatItalianSpreadsheetsRead) {
    opzioni();
    const QString path = dir.filePath("opzioni");  // the suffix is added
    menu("Esporta in CSV\u2026", path);
    const std::string csv = file(path + ".csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::string descr44 = trimmed(rs.valueAt(0, 1).toText());
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") + 2 - 3),
              "Opzione;\"Descrizione; lunga\";Quantità;Prezzo;Data\r\n");
    EXPECT_NE(csv.find("\r\n44;" + descr44 + ";1234,500;-7,25;01/09/2026\r\n"), std::string::npos);
    EXPECT_EQ(csv.find("\n\n"), std::string::npos);
    // Every line ends CRLF; read back it has a row per option and the captions.
    const auto rows = exchange::ParseDelimited(csv, exchange::GuessSeparator(csv.substr(3)));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(rs.recordCount() + 1));
    EXPECT_EQ(rows[0][1], "Descrizione; lunga");
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        EXPECT_EQ(rows[i + 1][0], trimmed(rs.valueAt(static_cast<long>(i), 0).toText()));

    // A text holding quotes and line breaks stays one field (RFC 4180).
    db::Recordset odd;
    odd.open("SELECT 'dice \"no\"' AS A, 'due' + CHAR(13) + CHAR(10) + 'righe' AS B", cn);
    grid->Columns().Clear();
    grid->SetDataSource(&odd);
    ASSERT_TRUE(GridExchange::Of(grid)->ExportCsv(dir.filePath("odd.csv")));
    EXPECT_EQ(file(dir.filePath("odd.csv")),
              "\xEF\xBB\xBF"
              "A;B\r\n\"dice \"\"no\"\"\";\"due\r\nrighe\"\r\n");
    EXPECT_EQ(exchange::ReadTableFile(dir.filePath("odd.csv").toStdString())[1][1], "due\r\nrighe");
    grid->SetDataSource(nullptr);
}

TEST_F(GridFiles, XlsxReadByAnIndependentReader) {
    opzioni();
    const QString path = dir.filePath("opzioni.xlsx");
    menu("Esporta in Excel\u2026", path);
    const std::string out =
        exchangetest::output("python3 " + kReader + " " + path.toStdString() + " 2>&1");
    // The sheet is named after the grid (no tab here); captions bold and
    // frozen above the rows.
    EXPECT_EQ(out.substr(0, out.find('\n')), "sheet GRD_PROVA") << out;
    EXPECT_NE(out.find("frozen A2\n"), std::string::npos) << out;
    EXPECT_NE(out.find("A1\ts\tb\t\tOpzione\n"), std::string::npos) << out;
    EXPECT_NE(out.find("C1\ts\tb\t\tQuantità\n"), std::string::npos) << out;
    // Codes without their padding, numbers as numbers with their scale,
    // dates as dates.
    EXPECT_NE(out.find("A2\ts\t-\t\t44\n"), std::string::npos) << out;
    EXPECT_NE(out.find("C2\tn\t-\t0.000\t1234.5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("D2\tn\t-\t0.00\t-7.25\n"), std::string::npos) << out;
    EXPECT_NE(out.find("E2\td\t-\tdd/mm/yyyy\t46266"), std::string::npos) << out;  // 2026-09-01
    // Widths follow the grid: the description is the widest column.
    EXPECT_NE(out.find("col 2 2 "), std::string::npos) << out;
    // Every row's code, in the grid's order.
    const long n = rs.recordCount();
    for (long r = 0; r < n; ++r)
        EXPECT_NE(out.find("A" + std::to_string(r + 2) + "\ts\t-\t\t" +
                           trimmed(rs.valueAt(r, 0).toText()) + "\n"),
                  std::string::npos)
            << r;
    // Our own reader reads the same cells.
    const auto sheets = exchange::ReadXlsx(path.toStdString());
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].rows.size(), static_cast<std::size_t>(n + 1));
    EXPECT_EQ(sheets[0].rows[1][0], "44");
    EXPECT_EQ(sheets[0].rows[1][2], "1234.5");
}

TEST_F(GridFiles, PdfHasEveryRowOnTheRightNumberOfPages) {
    // 150 rows: more than a page holds.
    rs.open(
        "WITH N AS (SELECT 1 AS I UNION ALL SELECT I + 1 FROM N WHERE I < 15), M AS (SELECT "
        "(A.I - 1) * 10 + B.I AS I FROM N A CROSS JOIN N B WHERE B.I <= 10) SELECT 'COD-' + "
        "CONVERT(VARCHAR(10), I) AS CODICE, 'Riga numero ' + CONVERT(VARCHAR(10), I) AS DESCR "
        "FROM M ORDER BY I",
        cn);
    ASSERT_EQ(rs.recordCount(), 150);
    grid->Columns().Add("CODICE", "Codice").SetWidth(90);
    grid->Columns().Add("DESCR", "Descrizione").SetWidth(200);
    grid->SetDataSource(&rs);
    const QString path = dir.filePath("righe.pdf");
    menu("Stampa / PDF\u2026", path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const int perPage = controls::PrintRowsPerPage(printer);  // portrait: the grid is narrow
    const int pages = (150 + perPage - 1) / perPage;
    ASSERT_GT(pages, 1);
    const std::string info = exchangetest::output("pdfinfo " + path.toStdString() + " 2>&1");
    int printed = 0;
    ASSERT_NE(info.find("Pages:"), std::string::npos) << info;
    std::sscanf(info.c_str() + info.find("Pages:"), "Pages: %d", &printed);
    EXPECT_EQ(printed, pages) << info;
    EXPECT_EQ(info.find("landscape"), std::string::npos);
    const std::string text = exchangetest::output("pdftotext -layout " + path.toStdString() + " -");
    for (int i = 1; i <= 150; ++i)
        EXPECT_NE(text.find("COD-" + std::to_string(i) + " "), std::string::npos) << i;
    EXPECT_NE(text.find("Pagina 1 di " + std::to_string(pages)), std::string::npos);
    EXPECT_NE(text.find("Pagina " + std::to_string(pages) + " di " + std::to_string(pages)),
              std::string::npos);
    EXPECT_NE(text.find("Codice"), std::string::npos);

    // Wide columns: landscape.
    grid->Columns().Item(1).SetWidth(1400);
    ASSERT_TRUE(GridExchange::Of(grid)->ExportPdf(dir.filePath("largo.pdf")));
    const std::string wide =
        exchangetest::output("pdfinfo " + dir.filePath("largo.pdf").toStdString() + " 2>&1");
    const auto size = wide.find("Page size:");
    ASSERT_NE(size, std::string::npos) << wide;
    double w = 0, h = 0;
    std::sscanf(wide.c_str() + size, "Page size: %lf x %lf", &w, &h);
    EXPECT_GT(w, h) << wide;
}

TEST_F(GridFiles, AFileThatCannotBeWrittenIsANumberedMessage) {
    opzioni();
    exchangetest::Messages messages;
    EXPECT_FALSE(GridExchange::Of(grid)->ExportXlsx("/nonexistent/folder/x.xlsx"));
    EXPECT_FALSE(GridExchange::Of(grid)->ExportCsv("/nonexistent/folder/x.csv"));
    EXPECT_FALSE(GridExchange::Of(grid)->ExportPdf("/nonexistent/folder/x.pdf"));
    ASSERT_EQ(messages.texts.size(), 3u);
    for (const auto& t : messages.texts)
        EXPECT_EQ(t.rfind("[x91901x] Impossibile scrivere il file /nonexistent/folder/x.", 0), 0u)
            << t;
    // The reason is the system's, in the user's language, the same for every
    // kind of file: not the workbook library's English with the path again.
    const auto reason = [](const std::string& t) { return t.substr(t.find(": ")); };
    EXPECT_EQ(reason(messages.texts[0]), reason(messages.texts[1]));
    EXPECT_EQ(messages.texts[0].find("/nonexistent/folder/x.xlsx"),
              messages.texts[0].rfind("/nonexistent/folder/x.xlsx"));
}

// Files chosen with "Importa…": what is no spreadsheet is refused with a
// reason of ours, before anything is handed on; a CSV saved by an Italian
// Excel (code page 1252) or as Unicode text (UTF-16) is read as written.
TEST_F(GridFiles, ImportedFilesAreReadInTheirEncodingOrRefusedWithAReason) {
    opzioni();
    std::vector<exchange::TextRows> received;
    GridExchange::Of(grid)->SetReceiver(
        [&](const exchange::TextRows& rows, bool) { received.push_back(rows); });
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    exchangetest::Messages messages;
    menu("Importa\u2026", write("immagine.csv", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    menu("Importa\u2026", write("finto.xlsx", "Opzione;Descrizione\r\nXS;Piccola\r\n"));
    menu("Importa\u2026", dir.filePath("manca.csv"));
    EXPECT_TRUE(received.empty());
    ASSERT_EQ(messages.texts.size(), 3u);
    EXPECT_EQ(messages.texts[0], "[x91902x] Impossibile leggere il file " +
                                     dir.filePath("immagine.csv").toStdString() +
                                     ": non è un file di testo o CSV");
    EXPECT_EQ(messages.texts[1], "[x91902x] Impossibile leggere il file " +
                                     dir.filePath("finto.xlsx").toStdString() +
                                     ": non è una cartella di lavoro Excel leggibile");
    QFile missing(dir.filePath("manca.csv"));
    missing.open(QIODevice::ReadOnly);
    EXPECT_EQ(messages.texts[2], "[x91902x] Impossibile leggere il file " +
                                     dir.filePath("manca.csv").toStdString() + ": " +
                                     missing.errorString().toStdString());

    messages.texts.clear();
    menu("Importa\u2026", write("excel.csv", "Opzione;Descrizione\r\nPER\xD2;Citt\xE0 \x80 5\r\n"));
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : QStringLiteral("Opzione\tDescrizione\r\nR\u00D2\tRos\u00E9\r\n")) {
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
        utf16.append(static_cast<char>(c.unicode() >> 8));
    }
    menu("Importa\u2026", write("unicode.txt", utf16));
    EXPECT_TRUE(messages.texts.empty());
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], (exchange::TextRows{{"Opzione", "Descrizione"},
                                               {"PER\u00D2", "Citt\u00E0 \u20AC 5"}}));
    EXPECT_EQ(received[1],
              (exchange::TextRows{{"Opzione", "Descrizione"}, {"R\u00D2", "Ros\u00E9"}}));
}

}  // namespace
