// The options tab over a variant of 5,000 options: loading the tab, a
// search and the refused deletion of 1,000 ticked options, each against the
// bare statements that do the same work on the database.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

#include "bench/support/bench_runner.h"
#include "bench/support/bench_setup.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "groupings/gestione_varianti_tab.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"

namespace {

std::string databasePath() {
    static const std::string path =
        benchsupport::LargeDatabase("veldrano_options_bench.db", benchsupport::OneLargeVariant());
    return path;
}

struct Fixture {
    cardtest::TestCard card{"1", databasePath()};
    groupings::GestioneVariantiTab& tab =
        card.addTab<groupings::GestioneVariantiTab>(common::kTabGestioneVarianti);
    Fixture() { card.showItem("ART-000001"); }
    groupings::StatoOpzioni& st() { return tab.stato(); }
    void reload() {
        card.clearLoadedItem(common::kTabGestioneVarianti);
        tab.load();
    }
};

Fixture& fixture() {
    return benchsupport::TheFixture<Fixture>();
}

const char* kOrig =
    "SELECT *, LEFT(MG5E_DESCR,1) AS LETTERA, CAST(0 AS DECIMAL(1, 0)) AS SELEZ, 0 AS SORT_CODE "
    "INTO #B_ORIG FROM MG5E_OPZIONI LEFT OUTER JOIN MG5H_COMPRAGVAR ON MG5H_DITTA_CG18 = "
    "MG5E_DITTA_CG18 AND MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND MG5H_RAGGR_MG5G = "
    "'RG-A0-1' AND MG5H_OPZIONE_MG5E = MG5E_OPZIONE WHERE MG5E_DITTA_CG18 = 1 AND "
    "MG5E_CODICEVAR_MG5F = 'A0'";

void bareLoad(db::Connection& cn) {
    cn.execute("IF OBJECT_ID('tempdb..#B_ORIG') IS NOT NULL DROP TABLE #B_ORIG");
    cn.execute(kOrig);
    db::Recordset a;
    a.open("SELECT * FROM #B_ORIG ORDER BY MG5E_OPZIONE", cn);
    cn.execute("IF OBJECT_ID('tempdb..#B_DEST') IS NOT NULL DROP TABLE #B_DEST");
    std::string dest = groupings::sqlGroupingOptions("1", "A0", "RG-A0-1");
    dest.replace(dest.find("#TMP_DEST"), 9, "#B_DEST");
    cn.execute(dest);
    db::Recordset b;
    b.open("SELECT * FROM #B_DEST", cn);
    benchmark::DoNotOptimize(a.recordCount() + b.recordCount());
}

void BM_LoadTab(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        f.reload();
    benchmark::DoNotOptimize(f.st().sorgente->recordCount());
}
BENCHMARK(BM_LoadTab);

void BM_LoadBare(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        bareLoad(f.card.connection());
}
BENCHMARK(BM_LoadBare);

void BM_Search(benchmark::State& state) {
    Fixture& f = fixture();
    f.reload();
    f.st().TXT_DESOPZIONE_ORIG->setText("opzione 1");
    for (auto _ : state)
        f.tab.CMD_SEARCH_Click();
}
BENCHMARK(BM_Search);

void BM_SearchBare(benchmark::State& state) {
    Fixture& f = fixture();
    db::Connection& cn = f.card.connection();
    bareLoad(cn);
    for (auto _ : state) {
        cn.execute(
            "UPDATE #B_ORIG SET SORT_CODE = CASE WHEN UPPER(MG5E_DESCR) LIKE '%OPZIONE 1%' THEN "
            "1 ELSE 0 END");
        cn.execute("UPDATE #B_ORIG SET SELEZ = SORT_CODE");
        db::Recordset rs;
        rs.open("SELECT * FROM #B_ORIG ORDER BY SORT_CODE DESC", cn);
        benchmark::DoNotOptimize(rs.recordCount());
    }
}
BENCHMARK(BM_SearchBare);

// The first 1,000 options: a third of the variant is in a grouping, so the
// deletion is refused.
std::string inList(db::Recordset& rs) {
    std::string list = "(";
    int f = rs.fieldIndex("MG5E_OPZIONE");
    for (long r = 0; r < 1000 && r < rs.recordCount(); ++r)
        list += (r ? ", '" : "'") + cardtest::text(rs.valueAt(r, f)) + "'";
    return list + ")";
}

void BM_DeleteRefused(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.reload();
        controls::DataGrid* grid = f.st().GRDX_VARIANTI_SOURCE;
        for (long r = 0; r < 1000; ++r)
            grid->ToggleCheck(r, 0);
        cardtest::queueAnswer(common::vbYes);
        state.ResumeTiming();
        f.tab.CMD_OPZORIG_ELIMINA_Click();
    }
    if (!cardtest::shown("gia' state utilizzate"))
        state.SkipWithError("the deletion was not refused");
}
BENCHMARK(BM_DeleteRefused);

void BM_DeleteBare(benchmark::State& state) {
    Fixture& f = fixture();
    db::Connection& cn = f.card.connection();
    bareLoad(cn);
    db::Recordset rs;
    rs.open("SELECT MG5E_OPZIONE FROM #B_ORIG ORDER BY MG5E_OPZIONE", cn);
    const std::string list = inList(rs);
    for (auto _ : state) {
        try {
            cn.execute(
                "DELETE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = "
                "'A0' AND MG5E_OPZIONE IN " +
                list);
        } catch (const std::exception&) {
        }
        bareLoad(cn);
    }
}
BENCHMARK(BM_DeleteBare);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using benchsupport::PrintFigure;
    using benchsupport::PrintRatio;
    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.05);
    PrintRatio("options_load_vs_bare", t["BM_LoadTab"].real, t["BM_LoadBare"].real);
    PrintRatio("options_search_vs_bare", t["BM_Search"].real, t["BM_SearchBare"].real);
    PrintRatio("options_delete_refused_vs_bare", t["BM_DeleteRefused"].real,
               t["BM_DeleteBare"].real);
    PrintFigure("options_load", t["BM_LoadTab"].real, "ms", 200, 1);
    PrintFigure("options_search", t["BM_Search"].real, "ms", 200, 1);
    PrintFigure("options_delete_refused", t["BM_DeleteRefused"].real, "ms", 200, 1);
    benchmark::Shutdown();
    benchsupport::FixtureSlot<Fixture>().reset();
    std::filesystem::remove(databasePath());
    return 0;
}
