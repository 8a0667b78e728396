// The composition commands of the options tab over a grouping of 2,000
// options: adding 500 after the middle row, moving 500 scattered rows up and
// removing 500, each against the same statements hand-written in native
// SQLite on the same database (its own connection, statements prepared once,
// every row read out as the recordsets do).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/bench_runner.h"
#include "bench/support/native_sqlite.h"
#include "demo/demo_database.h"
#include "groupings/composizione_raggruppamento.h"
#include "groupings/gestione_varianti_tab.h"
#include "groupings/option_lists.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "tests/support/test_card.h"

namespace {

constexpr int kGrouping = 2000;
constexpr int kBlock = 500;
// The grouping as the adapter stores its CHAR(25) code.
const std::string kRaggr = "BENCH" + std::string(20, ' ');

std::string databasePath() {
    static const std::string path = [] {
        auto p = std::filesystem::temp_directory_path() / "veldrano_groupings_bench.db";
        demo::LargeSizes s;
        s.variants = 1;
        s.options = 5000;
        s.items = 4;
        s.progressiveRows = 40;
        demo::generateLargeDatabase(p.string(), s);
        return p.string();
    }();
    return path;
}

// The bare baseline on the same file, with foreign keys enforced as on the
// card's connection.
benchsupport::NativeSqlite& native() {
    static benchsupport::NativeSqlite n(databasePath());
    static const bool foreignKeys = (n.once("PRAGMA foreign_keys = ON"), true);
    (void)foreignKeys;
    return n;
}

const char* kWhere =
    " WHERE MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0' AND MG5H_RAGGR_MG5G = 'BENCH'";

std::string inList(const std::vector<std::string>& codes) {
    std::string list = "(";
    for (std::size_t i = 0; i < codes.size(); ++i)
        list += (i ? ", '" : "'") + codes[i] + "'";
    return list + ")";
}

// The grouping BENCH of variant A0: the first 2,000 options, kept in a copy
// that puts it back before every run; the first item uses it.
void prepareDatabase() {
    auto& n = native();
    n.once("DELETE FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'BENCH'");
    n.once("DELETE FROM MG5G_RAGGVAR WHERE MG5G_CODRAGGVAR = 'BENCH'");
    n.run(
        "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
        "MG5G_DESCRRAGGVAR) VALUES (1, 'A0', ?, 'Raggruppamento di prova')",
        {kRaggr});
    n.once(
        "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, "
        "MG5H_OPZIONE_MG5E, MG5H_SEQOPZIONE, MG5H_DESCR) SELECT 1, 'A0', '" +
        kRaggr +
        "', MG5E_OPZIONE, ROW_NUMBER() OVER (ORDER BY MG5E_OPZIONE), NULL FROM MG5E_OPZIONI "
        "WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0' ORDER BY MG5E_OPZIONE LIMIT " +
        std::to_string(kGrouping));
    n.once("DROP TABLE IF EXISTS BENCH_MG5H");
    n.once("CREATE TABLE BENCH_MG5H AS SELECT * FROM MG5H_COMPRAGVAR" + std::string(kWhere));
    n.run(
        "UPDATE MG6B_GESVARART SET MG6B_CODRAGGVAR_MG5G = ? WHERE MG6B_CODART_MG66 LIKE "
        "'ART-000001%' AND MG6B_CODICEVAR_MG5F = 'A0'",
        {kRaggr});
    const auto rows = n.run("SELECT COUNT(*) FROM MG5H_COMPRAGVAR" + std::string(kWhere));
    if (std::get<long long>(rows.at(0).at(0)) != kGrouping)
        throw std::runtime_error("the grouping BENCH was not written");
}

void resetGrouping() {
    auto& n = native();
    n.run("DELETE FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'BENCH'");
    n.run("INSERT INTO MG5H_COMPRAGVAR SELECT * FROM BENCH_MG5H");
}

// The options tab on the first item, BENCH chosen.
struct Fixture {
    cardtest::TestCard card{"1", databasePath()};
    groupings::GestioneVariantiTab& tab =
        card.addTab<groupings::GestioneVariantiTab>(common::kTabGestioneVarianti);
    Fixture() {
        card.showItem("ART-000001");
        tab.load();
        if (st().raggruppamento != "BENCH")
            throw std::runtime_error("the first item does not use the grouping BENCH");
    }
    groupings::StatoOpzioni& st() { return tab.stato(); }
    void reload() {
        resetGrouping();
        groupings::CaricaRaggruppamento(card, "A0", "BENCH", true, true, false);
    }
    // Every fourth row of the destination list from the fourth on.
    void tickScattered() {
        for (long r = 3; r < kGrouping; r += 4)
            st().GRDX_VARIANTI_DESTI->ToggleCheck(r, 0);
    }
    std::vector<std::string> destinationCodes(long from, long step) {
        std::vector<std::string> out;
        db::Recordset* rs = st().destinazione.get();
        const int f = rs->fieldIndex("MG5H_OPZIONE_MG5E");
        for (long r = from; r < rs->recordCount(); r += step)
            out.push_back(rs->valueAt(r, f).toText());
        return out;
    }
    std::vector<std::string> sourceCodes(long from, long count) {
        std::vector<std::string> out;
        db::Recordset* rs = st().sorgente.get();
        const int f = rs->fieldIndex("MG5E_OPZIONE");
        for (long r = from; r < from + count && r < rs->recordCount(); ++r)
            out.push_back(rs->valueAt(r, f).toText());
        return out;
    }
};

std::unique_ptr<Fixture>& fixtureSlot() {
    static std::unique_ptr<Fixture> f;
    return f;
}
Fixture& fixture() {
    if (!fixtureSlot()) {
        prepareDatabase();
        fixtureSlot() = std::make_unique<Fixture>();
    }
    return *fixtureSlot();
}

bool sequencesContinuous() {
    const auto rows = native().run("SELECT MG5H_SEQOPZIONE FROM MG5H_COMPRAGVAR" +
                                   std::string(kWhere) + " ORDER BY MG5H_SEQOPZIONE");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto* v = std::get_if<long long>(&rows[i][0]);
        if (!v || *v != static_cast<long long>(i) + 1)
            return false;
    }
    return true;
}

// ------------------------------------------------ the commands of the tab

void BM_Add(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.reload();
        // The options after the grouping's, after the middle row.
        for (long r = kGrouping; r < kGrouping + kBlock; ++r)
            f.st().GRDX_VARIANTI_SOURCE->ToggleCheck(r, 0);
        f.st().GRDX_VARIANTI_DESTI->SetCurrentRow(kGrouping / 2 - 1);
        state.ResumeTiming();
        groupings::CMD_ADDSEL_Click(f.card);
    }
    if (f.st().destinazione->recordCount() != kGrouping + kBlock || !sequencesContinuous())
        state.SkipWithError("the options were not added");
}
BENCHMARK(BM_Add);

// A command of the card over scattered ticks of the destination list, the
// list reloaded before each iteration.
void onScatteredTicks(benchmark::State& state, void (*command)(common::ItemCard& card)) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.reload();
        f.tickScattered();
        state.ResumeTiming();
        command(f.card);
    }
}

void BM_MoveUp(benchmark::State& state) {
    onScatteredTicks(state, groupings::CMD_SU_Click);
    if (!sequencesContinuous() || fixture().destinationCodes(0, 1).size() != kGrouping)
        state.SkipWithError("the block was not moved");
}
BENCHMARK(BM_MoveUp);

void BM_Remove(benchmark::State& state) {
    onScatteredTicks(state, groupings::CMD_TOGLISEL_Click);
    if (fixture().st().destinazione->recordCount() != kGrouping - kBlock || !sequencesContinuous())
        state.SkipWithError("the options were not removed");
}
BENCHMARK(BM_Remove);

// ------------------------------------- the same statements, native SQLite

void nativeReloadLists() {
    auto& n = native();
    n.run("DROP TABLE IF EXISTS temp.TMP_ORIG");
    n.run(
        "CREATE TEMP TABLE TMP_ORIG AS SELECT *, SUBSTR(MG5E_DESCR, 1, 1) AS LETTERA, "
        "CAST(0 AS DECIMAL(1, 0)) AS SELEZ, 0 AS SORT_CODE FROM MG5E_OPZIONI LEFT OUTER JOIN "
        "MG5H_COMPRAGVAR ON MG5H_DITTA_CG18 = MG5E_DITTA_CG18 AND MG5H_CODICEVAR_MG5F = "
        "MG5E_CODICEVAR_MG5F AND MG5H_RAGGR_MG5G = 'BENCH' AND MG5H_OPZIONE_MG5E = MG5E_OPZIONE "
        "WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0'");
    benchmark::DoNotOptimize(n.run("SELECT * FROM temp.TMP_ORIG ORDER BY MG5E_OPZIONE"));
    n.run("DROP TABLE IF EXISTS temp.TMP_DEST");
    n.run(
        "CREATE TEMP TABLE TMP_DEST AS SELECT *, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR "
        "ELSE MG5H_DESCR END) AS DESCR_OPZIONE, CAST(0 AS DECIMAL(1, 0)) AS SELEZ FROM "
        "MG5H_COMPRAGVAR INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18 = MG5H_DITTA_CG18 AND "
        "MG5E_CODICEVAR_MG5F = MG5H_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5H_OPZIONE_MG5E WHERE "
        "MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0' AND MG5H_RAGGR_MG5G = 'BENCH' ORDER "
        "BY MG5H_SEQOPZIONE");
    benchmark::DoNotOptimize(n.run("SELECT * FROM temp.TMP_DEST"));
}

void nativeTicks(const char* table, const char* field, const std::vector<std::string>& codes) {
    auto& n = native();
    n.run(std::string("UPDATE ") + table + " SET SELEZ = 0 WHERE SELEZ <> 0");
    if (!codes.empty())
        n.once(std::string("UPDATE ") + table + " SET SELEZ = 1 WHERE " + field + " IN " +
               inList(codes));
}

void nativeInsert(long after, const std::vector<std::string>& codes) {
    auto& n = native();
    n.once("UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = MG5H_SEQOPZIONE + " +
           std::to_string(codes.size()) + kWhere + " AND MG5H_SEQOPZIONE > " +
           std::to_string(after));
    const std::string head =
        "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, "
        "MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E) VALUES ";
    long seq = after;
    // A hundred rows to a statement, as the tab writes them.
    for (std::size_t from = 0; from < codes.size(); from += 100) {
        std::string sql = head;
        for (std::size_t i = from; i < codes.size() && i < from + 100; ++i) {
            if (i > from)
                sql += ", ";
            sql += "(1, 'A0', '" + kRaggr + "', " + std::to_string(++seq) + ", '" + codes[i] + "')";
        }
        n.once(sql);
    }
}

void nativeRenumber() {
    auto& n = native();
    benchmark::DoNotOptimize(n.run("SELECT COUNT(*) FROM MG5H_COMPRAGVAR" + std::string(kWhere)));
    n.run(
        "UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = N.NUOVA FROM (SELECT MG5H_OPZIONE_MG5E AS "
        "OPZIONE, ROW_NUMBER() OVER (ORDER BY MG5H_SEQOPZIONE) AS NUOVA FROM MG5H_COMPRAGVAR" +
        std::string(kWhere) + ") AS N" + kWhere +
        " AND MG5H_COMPRAGVAR.MG5H_OPZIONE_MG5E = N.OPZIONE AND MG5H_SEQOPZIONE <> N.NUOVA");
}

// The timed work of each native run, a function of its own for profiles.
void nativeAdd(const std::vector<std::string>& codes) {
    auto& n = native();
    benchmark::DoNotOptimize(
        n.run("SELECT * FROM MG5H_COMPRAGVAR" + std::string(kWhere) + " ORDER BY MG5H_SEQOPZIONE"));
    nativeTicks("temp.TMP_ORIG", "MG5E_OPZIONE", {});
    n.run("BEGIN");
    nativeInsert(kGrouping / 2, codes);
    n.run("COMMIT");
    nativeReloadLists();
    nativeTicks("temp.TMP_DEST", "MG5H_OPZIONE_MG5E", codes);
}

void nativeMoveUp(const std::vector<std::string>& codes) {
    auto& n = native();
    const std::string list = inList(codes);
    n.run("BEGIN");
    n.run("DROP TABLE IF EXISTS temp.MG5H");
    n.once("CREATE TEMP TABLE MG5H AS SELECT * FROM MG5H_COMPRAGVAR" + std::string(kWhere) +
           " AND MG5H_OPZIONE_MG5E IN " + list);
    n.once("DELETE FROM MG5H_COMPRAGVAR" + std::string(kWhere) + " AND MG5H_OPZIONE_MG5E IN " +
           list);
    nativeRenumber();
    nativeReloadLists();
    benchmark::DoNotOptimize(
        n.run("SELECT * FROM MG5H_COMPRAGVAR" + std::string(kWhere) + " ORDER BY MG5H_SEQOPZIONE"));
    nativeInsert(2, codes);
    n.run(
        "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = M.MG5H_DESCR FROM temp.MG5H AS M WHERE "
        "MG5H_COMPRAGVAR.MG5H_DITTA_CG18 = M.MG5H_DITTA_CG18 AND "
        "MG5H_COMPRAGVAR.MG5H_CODICEVAR_MG5F = M.MG5H_CODICEVAR_MG5F AND "
        "MG5H_COMPRAGVAR.MG5H_RAGGR_MG5G = M.MG5H_RAGGR_MG5G AND "
        "MG5H_COMPRAGVAR.MG5H_OPZIONE_MG5E = M.MG5H_OPZIONE_MG5E");
    n.run("DROP TABLE IF EXISTS temp.MG5H");
    nativeReloadLists();
    nativeTicks("temp.TMP_DEST", "MG5H_OPZIONE_MG5E", codes);
    n.run("COMMIT");
}

void nativeRemove(const std::vector<std::string>& codes) {
    auto& n = native();
    n.run("BEGIN");
    n.once("DELETE FROM MG5H_COMPRAGVAR" + std::string(kWhere) + " AND MG5H_OPZIONE_MG5E IN " +
           inList(codes));
    nativeRenumber();
    n.run("COMMIT");
    nativeReloadLists();
    nativeTicks("temp.TMP_ORIG", "MG5E_OPZIONE", codes);
}

void BM_NativeAdd(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        resetGrouping();
        nativeReloadLists();
        const std::vector<std::string> codes = f.sourceCodes(kGrouping, kBlock);
        state.ResumeTiming();
        nativeAdd(codes);
    }
}
BENCHMARK(BM_NativeAdd);

// A native run over every fourth option of the destination list from the
// fourth on, the list reloaded before each iteration.
void nativeOnDestination(benchmark::State& state,
                         void (*run)(const std::vector<std::string>& codes)) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.reload();
        const std::vector<std::string> codes = f.destinationCodes(3, 4);
        state.ResumeTiming();
        run(codes);
    }
}

void BM_NativeMoveUp(benchmark::State& state) {
    nativeOnDestination(state, nativeMoveUp);
}
BENCHMARK(BM_NativeMoveUp);

void BM_NativeRemove(benchmark::State& state) {
    nativeOnDestination(state, nativeRemove);
}
BENCHMARK(BM_NativeRemove);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.05);
    const benchsupport::StepFigures ms{"ms", 1, 300, 1, 1.5};
    benchsupport::PrintStep("groupings_add500", t["BM_Add"], t["BM_NativeAdd"], "native", ms);
    benchsupport::PrintStep("groupings_move500_up", t["BM_MoveUp"], t["BM_NativeMoveUp"], "native",
                            ms);
    benchsupport::PrintStep("groupings_remove500", t["BM_Remove"], t["BM_NativeRemove"], "native",
                            ms);
    benchmark::Shutdown();
    fixtureSlot().reset();
    std::filesystem::remove(databasePath());
    return 0;
}
