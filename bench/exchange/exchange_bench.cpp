// Taking data in and out of grids at scale: a block of 300 x 100 = 30,000
// state codes pasted into the cross grid (decoded, then written in one
// transaction) against the same DELETE and INSERT statements run bare; and
// 100,000 grid rows exported to XLSX against libxlsxwriter writing the same
// cells directly.

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "bench/support/bench_runner.h"
#include "bench/support/bench_setup.h"
#include "bench/support/combination_setup.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/state_grid.h"
#include "states/state_paste.h"
#include "states/stati_combinazione_tab.h"
#include "tests/support/test_card.h"

namespace {

constexpr int kColumns = 300;  // options of the first variant (A2)
constexpr int kRows = 100;     // options of the second variant (A3)
constexpr long kExportRows = 100000;

struct Fixture {
    cardtest::TestCard card;
    states::StatiCombinazioneTab& tab =
        card.addTab<states::StatiCombinazioneTab>(common::kTabStatiCombinazione);
    states::StateTarget target;
    Fixture() {
        // Without groupings and the demo's loose options: every cell is one of ours.
        benchsupport::WidenLengthAndFit(card.connection(), kColumns, kRows, true);
        benchsupport::ShowLengthAgainstFit(card, tab);
        tab.CombinazioneVarianti();
        target = {tab.GRDX_COMBINAZIONI, "IncollaStatiCombinazione",
                  [this](int c) {
                      return c >= 2 ? tab.GRDX_COMBINAZIONI->Columns().Item(c).Field()
                                    : std::string();
                  },
                  [this](long row, const std::string& field) {
                      return std::optional<states::RigaStato>(tab.RigaCombinazione(
                          field, cardtest::text(tab.rsCross()->valueAt(row, 0))));
                  },
                  nullptr};
    }
    // The whole grid as a block of one code (or blank), pasted at its first state cell.
    exchange::TextRows block(const std::string& text) {
        return exchange::TextRows(kRows, std::vector<std::string>(kColumns, text));
    }
};

Fixture& fixture() {
    return benchsupport::TheFixture<Fixture>();
}

// Each iteration fills every cell with a state, the next one empties them:
// 30,000 cells decoded and written, the grid's recordset updated as a
// reload would leave it.
void BM_PasteBlock(benchmark::State& state) {
    Fixture& f = fixture();
    f.tab.GRDX_COMBINAZIONI->setCurrentIndex(f.tab.GRDX_COMBINAZIONI->model()->index(0, 2));
    bool full = false;
    for (auto _ : state) {
        full = !full;
        const states::StateBlock b =
            states::DecodeStateBlock(f.card, f.target, f.block(full ? "DISP" : ""), false);
        if (b.celle.size() != static_cast<std::size_t>(kRows * kColumns)) {
            state.SkipWithError("the block was not decoded whole");
            break;
        }
        if (!states::WriteStateBlock(f.card, f.target, b)) {
            state.SkipWithError("the block was not written");
            break;
        }
        state.PauseTiming();
        for (const auto& c : b.celle)
            f.tab.rsCross()->setValueAt(c.riga, f.tab.rsCross()->fieldIndex(c.campo), c.stato);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteBlock);

// The statements the paste runs, in one transaction, without decoding.
void BM_PasteBare(benchmark::State& state) {
    Fixture& f = fixture();
    db::Connection& cn = f.card.connection();
    // The cells of the grid: its option columns by its option rows.
    const db::Recordset& cross = *f.tab.rsCross();
    std::vector<std::pair<std::string, std::string>> cells;
    for (long r = 0; r < cross.recordCount(); ++r)
        for (int c = 2; c < cross.fieldCount(); ++c)
            cells.emplace_back(cross.field(c).name, cardtest::text(cross.valueAt(r, 0)));
    bool full = false;
    for (auto _ : state) {
        full = !full;
        cn.beginTransaction();
        for (const auto& [l, v] : cells) {
            const std::string where =
                " WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = 'MAGLIA-001' AND "
                "MG5W_CODICEVAR1_MG5F = 'A2' AND MG5W_RAGGR1_MG5G IS NULL AND "
                "MG5W_OPZIONE1_MG5E = '" +
                l +
                "' AND MG5W_CODICEVAR2_MG5F = 'A3' AND MG5W_RAGGR2_MG5G IS NULL AND "
                "MG5W_OPZIONE2_MG5E = '" +
                v + "' AND MG5W_TIPODEFAULT IS NULL";
            cn.execute("DELETE FROM MG5W_PROVSTATI" + where);
            if (full)
                cn.execute(
                    "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODICEVAR1_MG5F, "
                    "MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, MG5W_OPZIONE2_MG5E, "
                    "MG5W_CODART_MG66, MG5W_IDSTATOVAR_MG5V) VALUES (1, 'A2', '" +
                    l + "', 'A3', '" + v + "', 'MAGLIA-001', 1)");
        }
        cn.commitTransaction();
    }
}
BENCHMARK(BM_PasteBare);

// 100,000 rows of a code, a description, a quantity and a date.
struct ExportFixture {
    db::Recordset rs;
    QWidget top;
    controls::DataGrid* grid = nullptr;
    QTemporaryDir dir;
    ExportFixture() {
        rs.appendField("CODICE", db::FieldType::FixedText, 20);
        rs.appendField("DESCR", db::FieldType::Text, 80);
        rs.appendField("QTA", db::FieldType::Decimal, 0, 18, 3);
        rs.appendField("DATA", db::FieldType::Date);
        rs.open();
        db::DateTime day;
        day.year = 2026;
        day.month = 3;
        day.day = 1;
        for (long i = 0; i < kExportRows; ++i) {
            rs.addNew();
            rs.setValue("CODICE",
                        benchsupport::NumberedCode('C', static_cast<int>(i % 1000)) + "   ");
            rs.setValue("DESCR", "Riga " + std::to_string(i));
            rs.setValue("QTA", db::Decimal(static_cast<__int128>(i * 125), 3));
            rs.setValue("DATA", day);
        }
        grid = new controls::DataGrid(&top);
        grid->Columns().Add("CODICE", "Codice").SetWidth(80);
        grid->Columns().Add("DESCR", "Descrizione").SetWidth(200);
        grid->Columns().Add("QTA", "Quantità").SetNumberFormat(3, true).SetWidth(90);
        grid->Columns().Add("DATA", "Data").SetDateFormat("dd/MM/yyyy").SetWidth(80);
        grid->SetDataSource(&rs);
    }
};

ExportFixture& exportFixture() {
    static ExportFixture f;
    return f;
}

void BM_ExportXlsx(benchmark::State& state) {
    ExportFixture& f = exportFixture();
    const QString path = f.dir.filePath("grid.xlsx");
    for (auto _ : state)
        if (!controls::GridExchange::Of(f.grid)->ExportXlsx(path))
            state.SkipWithError("the workbook was not written");
}
BENCHMARK(BM_ExportXlsx);

// The same cells written by libxlsxwriter directly: strings, numbers with a
// format, dates with a format.
void BM_ExportXlsxBare(benchmark::State& state) {
    ExportFixture& f = exportFixture();
    const std::string path = f.dir.filePath("bare.xlsx").toStdString();
    for (auto _ : state) {
        lxw_workbook* book = workbook_new(path.c_str());
        lxw_worksheet* ws = workbook_add_worksheet(book, "Foglio");
        lxw_format* bold = workbook_add_format(book);
        format_set_bold(bold);
        lxw_format* number = workbook_add_format(book);
        format_set_num_format(number, "0.000");
        lxw_format* date = workbook_add_format(book);
        format_set_num_format(date, "dd/mm/yyyy");
        const char* captions[] = {"Codice", "Descrizione", "Quantità", "Data"};
        for (int c = 0; c < 4; ++c)
            worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), captions[c], bold);
        worksheet_freeze_panes(ws, 1, 0);
        for (long r = 0; r < kExportRows; ++r) {
            const auto row = static_cast<lxw_row_t>(r + 1);
            std::string code = f.rs.valueAt(r, 0).toText();
            while (!code.empty() && code.back() == ' ')
                code.pop_back();
            worksheet_write_string(ws, row, 0, code.c_str(), nullptr);
            worksheet_write_string(ws, row, 1, f.rs.valueAt(r, 1).toText().c_str(), nullptr);
            worksheet_write_number(ws, row, 2, f.rs.valueAt(r, 2).asDecimal().toDouble(), number);
            const db::DateTime& d = f.rs.valueAt(r, 3).asDate();
            lxw_datetime dt{d.year, d.month, d.day, 0, 0, 0};
            worksheet_write_datetime(ws, row, 3, &dt, date);
        }
        workbook_close(book);
    }
}
BENCHMARK(BM_ExportXlsxBare);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    cardtest::clearMessages();
    const benchsupport::Results r = benchsupport::RunBenchmarks(argc, argv, 0.05, 0.5);
    benchsupport::PrintFigure("paste_30000_cells_ms", r["BM_PasteBlock"].real, "ms", 60000, 0);
    benchsupport::PrintRatio("paste_30000_cells_vs_bare", r["BM_PasteBlock"].real,
                             r["BM_PasteBare"].real, 2);
    benchsupport::PrintFigure("export_100000_rows_xlsx_ms", r["BM_ExportXlsx"].real, "ms", 60000,
                              0);
    benchsupport::PrintRatio("export_100000_rows_xlsx_vs_bare", r["BM_ExportXlsx"].real,
                             r["BM_ExportXlsxBare"].real, 1.3);
    benchsupport::FixtureSlot<Fixture>().reset();
    return 0;
}
