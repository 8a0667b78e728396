// The combination states tab over two variants of 300 and 100 options
// (30,000 cells, one in thirty holding a state): building the cross grid and
// setting one cell, each against the bare statements that do the same work
// on the database.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "bench/support/bench_runner.h"
#include "bench/support/bench_setup.h"
#include "bench/support/combination_setup.h"
#include "common/window_services.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/state_grid.h"
#include "states/state_services.h"
#include "states/stati_combinazione_tab.h"
#include "tests/support/test_card.h"

namespace {

constexpr int kColonne = 300;  // options of the first variant (A2)
constexpr int kRighe = 100;    // options of the second variant (A3)

using benchsupport::NumberedCode;

// MAGLIA-001 over Lunghezza and Vestibilità widened to 300 and 100 options,
// and a state in every thirtieth cell.
void prepara(db::Connection& cn) {
    const auto [colonne, righe] = benchsupport::WidenLengthAndFit(cn, kColonne, kRighe, false);
    cn.beginTransaction();
    int n = 0;
    for (int c = 1; c <= colonne; ++c)
        for (int r = 1; r <= righe; ++r)
            if (++n % 30 == 0)
                cn.execute(
                    "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, "
                    "MG5W_CODICEVAR1_MG5F, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, "
                    "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V) VALUES (1, 'MAGLIA-001', 'A2', '" +
                    NumberedCode('L', c) + "', 'A3', '" + NumberedCode('V', r) + "', " +
                    std::to_string(1 + n % 4) + ")");
    cn.commitTransaction();
}

struct Fixture {
    cardtest::TestCard card;
    states::StatiCombinazioneTab& tab =
        card.addTab<states::StatiCombinazioneTab>(common::kTabStatiCombinazione);
    Fixture() {
        prepara(card.connection());
        benchsupport::ShowLengthAgainstFit(card, tab);
    }
};

Fixture& fixture() {
    return benchsupport::TheFixture<Fixture>();
}

// The statements of a rebuild, as they reach the database, on the tab's own
// work tables.
void costruisciBare(cardtest::TestCard& card) {
    db::Connection& cn = card.connection();
    db::Recordset opzioni;
    opzioni.open(
        "SELECT MG5E_OPZIONE AS OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
        "MG5E_CODICEVAR_MG5F = 'A2' ORDER BY MG5E_OPZIONE",
        cn);
    cn.execute("IF OBJECT_ID('tempdb..#TMP_VARIANTE1') IS NOT NULL DROP TABLE #TMP_VARIANTE1");
    std::vector<std::string> nomi;
    std::string colonne;
    for (opzioni.moveFirst(); !opzioni.eof(); opzioni.moveNext()) {
        nomi.push_back(cardtest::text(opzioni.value("OPZIONE")));
        colonne += (colonne.empty() ? "[" : ", [") + nomi.back() + "] DECIMAL(18,0) NULL";
    }
    cn.execute("CREATE TABLE #TMP_VARIANTE1(" + colonne + ")");
    cn.execute("IF OBJECT_ID('tempdb..#TMP_VARIANTE2') IS NOT NULL DROP TABLE #TMP_VARIANTE2");
    cn.execute(
        "SELECT MG5E_OPZIONE AS 'Vestibilità', MG5E_DESCR INTO #TMP_VARIANTE2 FROM MG5E_OPZIONI "
        "WHERE "
        "MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A3' ORDER BY MG5E_OPZIONE");
    cn.execute("IF OBJECT_ID('tempdb..#TMP_CROSSVAR') IS NOT NULL DROP TABLE #TMP_CROSSVAR");
    cn.execute(
        "SELECT * INTO #TMP_CROSSVAR FROM #TMP_VARIANTE2 LEFT OUTER JOIN #TMP_VARIANTE1 ON 1=1");
    db::Recordset stati;
    stati.open(
        "SELECT * FROM MG5W_PROVSTATI WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = "
        "'MAGLIA-001' AND MG5W_CODICEVAR1_MG5F = 'A2' AND MG5W_RAGGR1_MG5G IS NULL AND "
        "MG5W_CODICEVAR2_MG5F = 'A3' AND MG5W_RAGGR2_MG5G IS NULL AND MG5W_TIPODEFAULT IS NULL",
        cn);
    for (stati.moveFirst(); !stati.eof(); stati.moveNext())
        cn.execute(
            "UPDATE #TMP_CROSSVAR SET [" + cardtest::text(stati.value("MG5W_OPZIONE1_MG5E")) +
            "] = " + stati.value("MG5W_IDSTATOVAR_MG5V").toText() + " WHERE [Vestibilità] = '" +
            cardtest::text(stati.value("MG5W_OPZIONE2_MG5E")) + "'");
    db::Recordset predefinito;
    predefinito.open(
        "SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_ATTIVO FROM MG5W_PROVSTATI WITH (NOLOCK) INNER "
        "JOIN MG5V_STATIVAR WITH (NOLOCK) ON MG5V_IDSTATOVAR = MG5W_IDSTATOVAR_MG5V WHERE "
        "MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_CODICEVAR1_MG5F = 'A2' "
        "AND MG5W_CODICEVAR2_MG5F = 'A3' AND MG5W_TIPODEFAULT = 1",
        cn);
    db::Recordset cross;
    cross.open("SELECT * FROM #TMP_CROSSVAR", cn);
    db::Recordset elenco;
    elenco.open(states::GetSqlElencoStati(card), cn);
    db::Recordset forma;
    forma.open("SELECT * FROM #TMP_CROSSVAR WHERE 1 = 0", cn);
    for (const auto& nome : nomi) {
        db::Recordset d;
        d.open(
            "SELECT MG5E_DESCR FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
            "MG5E_CODICEVAR_MG5F = 'A2' AND MG5E_OPZIONE = '" +
                nome + "'",
            cn);
    }
    benchmark::DoNotOptimize(cross.recordCount());
}

void BM_BuildGrid(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        f.tab.CombinazioneVarianti();
    if (!f.tab.rsCross() || f.tab.rsCross()->recordCount() != kRighe ||
        f.tab.GRDX_COMBINAZIONI->Columns().Count() != kColonne + 2)
        state.SkipWithError(cardtest::shownMessages().empty()
                                ? "the cross grid was not built"
                                : cardtest::shownMessages().front().c_str());
}
BENCHMARK(BM_BuildGrid);

void BM_BuildBare(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        costruisciBare(f.card);
}
BENCHMARK(BM_BuildBare);

// One cell set to a state and back to none: a row written, then deleted.
void BM_SetCell(benchmark::State& state) {
    Fixture& f = fixture();
    f.tab.CombinazioneVarianti();
    states::StateGrid& grid = *f.tab.GRDX_COMBINAZIONI;
    const int colonna = 5;  // an empty cell of the first row
    const std::string cella = "MG5W_CODART_MG66 = 'MAGLIA-001' AND MG5W_OPZIONE1_MG5E = '" +
                              cardtest::text(f.tab.rsCross()->field(colonna).name) +
                              "' AND MG5W_OPZIONE2_MG5E = '" +
                              cardtest::text(f.tab.rsCross()->valueAt(0, 0)) + "'";
    grid.ChooseValue(0, colonna, db::Value(3));
    const bool scritta = cardtest::count(f.card.connection(), "MG5W_PROVSTATI", cella) == 1;
    grid.ChooseValue(0, colonna, db::Value(0));
    if (!scritta || cardtest::count(f.card.connection(), "MG5W_PROVSTATI", cella) != 0)
        state.SkipWithError("the cell was not written and deleted");
    bool pieno = false;
    for (auto _ : state) {
        pieno = !pieno;
        grid.ChooseValue(0, colonna, pieno ? db::Value(3) : db::Value(0));
    }
    if (!cardtest::shownMessages().empty())
        state.SkipWithError(cardtest::shownMessages().front().c_str());
}
BENCHMARK(BM_SetCell);

void BM_SetCellBare(benchmark::State& state) {
    Fixture& f = fixture();
    db::Connection& cn = f.card.connection();
    const std::string where =
        " WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = 'MAGLIA-001' AND "
        "MG5W_CODICEVAR1_MG5F = 'A2' AND MG5W_RAGGR1_MG5G IS NULL AND MG5W_OPZIONE1_MG5E = "
        "'L004' AND MG5W_CODICEVAR2_MG5F = 'A3' AND MG5W_RAGGR2_MG5G IS NULL AND "
        "MG5W_OPZIONE2_MG5E = 'V001' AND MG5W_TIPODEFAULT IS NULL";
    bool pieno = false;
    for (auto _ : state) {
        pieno = !pieno;
        if (pieno) {
            db::Recordset rs;
            rs.open("SELECT * FROM MG5W_PROVSTATI" + where, cn);
            cn.execute(
                "INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, "
                "MG5W_CODICEVAR1_MG5F, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, "
                "MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V) VALUES (1, 'MAGLIA-001', 'A2', "
                "'L004', 'A3', 'V001', 3)");
            cn.run("SELECT SCOPE_IDENTITY()");
        } else {
            cn.execute("DELETE FROM MG5W_PROVSTATI" + where);
        }
    }
}
BENCHMARK(BM_SetCellBare);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using benchsupport::PrintFigure;
    using benchsupport::PrintRatio;
    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.2);
    PrintFigure("states_grid_build", t["BM_BuildGrid"].real, "ms", 500, 1);
    PrintFigure("states_cell_set", t["BM_SetCell"].real, "ms", 20);
    PrintRatio("states_grid_build_vs_bare", t["BM_BuildGrid"].real, t["BM_BuildBare"].real);
    PrintRatio("states_cell_set_vs_bare", t["BM_SetCell"].real, t["BM_SetCellBare"].real);
    benchmark::Shutdown();
    benchsupport::FixtureSlot<Fixture>().reset();
    return 0;
}
