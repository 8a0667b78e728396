// Where-used and rename of an option present in 100,000 composed codes of
// the large database's stock progressives: the where-used window (slot read,
// states, the counting statement into a recordset and its grid) against the
// same counting statements run bare, one by one; the rename (validation, one
// transaction) against its statements run bare in a transaction of their own.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/bench_runner.h"
#include "bench/support/bench_setup.h"
#include "demo/demo_database.h"
#include "groupings/where_used.h"
#include "groupings/where_used_sql.h"
#include "platform/db/connection.h"
#include "tests/support/test_card.h"

namespace {

constexpr long kRows = 100000;

std::string databasePath() {
    // A new option of the first variant, written into its slot of 100,000
    // progressives whose slot is blank: no key can collide.
    static const std::string path = benchsupport::LargeDatabase(
        "veldrano_whereused_bench.db", {},
        "INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, "
        "MG5E_DESCR) VALUES (1, 'A0', 'WU', 'Dove usata');"
        "UPDATE MG70_MAGPROQTA SET MG70_OPZIONE_MG5E = 'WU' || substr(MG70_OPZIONE_MG5E, 3) "
        "WHERE rowid IN (SELECT rowid FROM MG70_MAGPROQTA WHERE length(MG70_OPZIONE_MG5E) > 2 "
        "AND substr(MG70_OPZIONE_MG5E, 1, 2) = '  ' LIMIT " +
            std::to_string(kRows) + ");");
    return path;
}

struct Fixture {
    cardtest::TestCard card{"1", databasePath()};
    groupings::UsedCode u{"1", "A0", "WU", 0, 0, {}};
    // The rename goes back and forth between these two codes.
    std::string other = "WV";
    Fixture() { groupings::ReadSlot(card.connection(), u); }
    void flip() { std::swap(u.codice, other); }
};

Fixture& fixture() {
    return benchsupport::TheFixture<Fixture>();
}

void BM_WhereUsed(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        groupings::UsedCode u = f.u;
        u.size = 0;  // the window reads the slot itself
        auto* w = new groupings::WhereUsedDialog(f.card.connection(), f.card.services(),
                                                 groupings::CodeKind::Option, u, {}, nullptr);
        benchmark::DoNotOptimize(w->recordset());
        delete w;
    }
}
BENCHMARK(BM_WhereUsed);

void BM_BareCounts(benchmark::State& state) {
    Fixture& f = fixture();
    const auto usi = groupings::OptionUses(f.u);
    long long total = 0;
    for (auto _ : state)
        for (const auto& uso : usi)
            for (const auto& set :
                 f.card.connection().run("SELECT COUNT(*)" + uso.righe).resultSets)
                total += set.rows.front().front().toDecimal()->toInt64().value_or(0);
    benchmark::DoNotOptimize(total);
}
BENCHMARK(BM_BareCounts);

void BM_Rename(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        if (!groupings::RenameCode(f.card.services(), f.card.connection(),
                                   groupings::CodeKind::Option, f.u, f.other))
            state.SkipWithError("rename failed");
        f.flip();
    }
}
BENCHMARK(BM_Rename);

void BM_BareRename(benchmark::State& state) {
    Fixture& f = fixture();
    db::Connection& cn = f.card.connection();
    for (auto _ : state) {
        cn.beginTransaction();
        for (const auto& sql : groupings::sqlRenameOption(f.u, f.other))
            cn.execute(sql);
        cn.commitTransaction();
        f.flip();
    }
}
BENCHMARK(BM_BareRename);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The option is where the benchmark says it is.
    {
        Fixture& f = fixture();
        long long n = 0;
        for (const auto& set : f.card.connection()
                                   .run("SELECT COUNT(*)" + groupings::OptionUses(f.u)[8].righe)
                                   .resultSets)
            n = db::integerOf(set.rows.front().front());
        std::printf("progressives holding %s: %lld\n", f.u.codice.c_str(), n);
    }
    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.5, 2);
    // Milliseconds per iteration, printed in seconds.
    benchsupport::PrintStep("whereused_100k", t["BM_WhereUsed"], t["BM_BareCounts"], "bare",
                            {"s", 1000, 1, 3, 1.2});
    benchsupport::PrintStep("rename_100k", t["BM_Rename"], t["BM_BareRename"], "bare",
                            {"s", 1000, 10, 3, 1.3});
    benchmark::Shutdown();
    benchsupport::FixtureSlot<Fixture>().reset();
    std::filesystem::remove(databasePath());
    return 0;
}
