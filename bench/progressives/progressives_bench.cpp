// The progressives tab on the large database (1,000,000 rows of stock
// progressives): an item with 5,000 variant articles in 20 warehouses
// (100,000 of those rows) pivoted by its first variant, against a
// hand-written aggregate of the same rows straight on SQLite.
//
// The database is generated once and kept in the temporary directory
// (veldrano_progressives_bench.db) for later runs; --fresh builds it again.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "bench/support/bench_runner.h"
#include "demo/demo_database.h"
#include "platform/controls/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/sqlite/sqlite_functions.h"
#include "progressives/dizionario_progressivi.h"
#include "progressives/progressivi_tab.h"
#include "tests/support/test_card.h"

namespace {

constexpr const char* kArticolo = "BENCH-PROG";
constexpr int kTaglie = 50;    // options of A0: the columns
constexpr int kColori = 100;   // options of A1: 50 x 100 = 5,000 variant articles
constexpr int kDepositi = 20;  // 100,000 rows of the item
constexpr long long kRigheTotali = 1000000;
constexpr const char* kVersione = "bench-progressives-2";

std::string databasePath() {
    return (std::filesystem::temp_directory_path() / "veldrano_progressives_bench.db").string();
}

std::string depositoDi(int d) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "B%02d", d + 1);
    return buffer;
}

// Six progressives of every row move; the others stay 0.
std::vector<std::string> quantita(int n) {
    const int carico = 20 + n % 37;
    const int vendite = n % 23;
    const int iniziale = n % 11;
    const int impegni = n % 5;
    const int giacenza = iniziale + carico - vendite;
    return {std::to_string(iniziale), std::to_string(giacenza) + ".250", std::to_string(giacenza),
            std::to_string(carico),   std::to_string(vendite) + ".5",    std::to_string(impegni)};
}
const char* const kColonne[] = {"MG70_QGIACINI", "MG70_QGIACATT", "MG70_QGIACEFF",
                                "MG70_QCARACQ",  "MG70_QSCAVEN",  "MG70_QIMPCLI"};

bool databaseReady(const std::string& path) {
    if (!std::filesystem::exists(path))
        return false;
    try {
        db::Connection cn;
        cn.open("Data Source=" + path);
        const auto r = cn.run(
            "SELECT MG66_DESCART FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 "
            "AND MG66_CODART = '" +
            std::string(kArticolo) + "'");
        return !r.resultSets.empty() && !r.resultSets.front().rows.empty() &&
               r.resultSets.front().rows.front().front().toText() == kVersione;
    } catch (const std::exception&) {
        return false;
    }
}

// The large database with 900,000 rows spread over its items, and the
// bench item with the other 100,000.
void generate(const std::string& path) {
    const auto started = std::chrono::steady_clock::now();
    demo::LargeSizes sizes;
    sizes.progressiveRows = kRigheTotali - static_cast<long long>(kTaglie) * kColori * kDepositi;
    demo::generateLargeDatabase(path, sizes);

    db::Connection cn;
    cn.open("Data Source=" + path);
    cn.beginTransaction();
    std::string sql =
        "INSERT INTO MG58_DEPOSITI (MG58_DITTA_CG18, MG58_CODDEP, MG58_DESCRDEP, MG58_FLGCLAV) "
        "VALUES ";
    for (int d = 0; d < kDepositi; ++d)
        sql += (d ? ", (1, '" : "(1, '") + depositoDi(d) + "', 'Deposito di prova " +
               std::to_string(d + 1) + "', 0)";
    cn.execute(sql);
    cn.execute(
        "INSERT INTO MG66_ANAGRART (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART, MG66_UM, "
        "MG66_FLGVARART) VALUES (1, '" +
        std::string(kArticolo) + "', '" + kVersione + "', 'PZ', 1)");
    cn.execute(
        "INSERT INTO MG6B_GESVARART (MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, "
        "MG6B_FLGGESTVAR) VALUES (1, '" +
        std::string(kArticolo) + "', 'A0', 1), (1, '" + kArticolo + "', 'A1', 1)");

    // The options of A0 and A1 and the width of a slot, as generated.
    auto opzioni = [&](const char* variante, int n) {
        db::Recordset rs;
        rs.open(std::string("SELECT MG5E_OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 "
                            "AND MG5E_CODICEVAR_MG5F = '") +
                    variante + "' ORDER BY MG5E_OPZIONE",
                cn);
        std::vector<std::string> out;
        for (rs.moveFirst(); !rs.eof() && static_cast<int>(out.size()) < n; rs.moveNext())
            out.push_back(cardtest::text(rs.value("MG5E_OPZIONE")));
        if (static_cast<int>(out.size()) < n)
            throw std::runtime_error("Not enough options in the large database");
        return out;
    };
    const std::vector<std::string> taglie = opzioni("A0", kTaglie);
    const std::vector<std::string> colori = opzioni("A1", kColori);
    // Slots of two characters: the aggregate below reads them so.
    const std::size_t width = taglie.front().size();
    if (width != 2 || colori.front().size() != 2)
        throw std::runtime_error("The large database has slots of another width");

    std::string cols =
        "MG70_DITTA_CG18, MG70_CODART_MG66, MG70_ANNO, MG70_CODDEP_MG58, "
        "MG70_OPZIONE_MG5E, MG70_TIPOPROG, MG70_TIPOQTA";
    for (const char* c : kColonne)
        cols += std::string(", ") + c;
    int n = 0;
    std::string batch;
    int inBatch = 0;
    auto flush = [&] {
        if (inBatch)
            cn.execute("INSERT INTO MG70_MAGPROQTA (" + cols + ") VALUES " + batch);
        batch.clear();
        inBatch = 0;
    };
    for (int d = 0; d < kDepositi; ++d)
        for (const auto& t : taglie)
            for (const auto& c : colori) {
                std::string code = t + c;
                code.resize(20 * width, ' ');
                std::string row = "(1, '" + std::string(kArticolo) + "', 2026, '" + depositoDi(d) +
                                  "', '" + code + "', 1, 1";
                for (const auto& q : quantita(n++))
                    row += ", " + q;
                batch += (inBatch++ ? ", " : "") + row + ")";
                if (inBatch == 500)
                    flush();
            }
    flush();
    cn.commitTransaction();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr, "large database generated in %.1f s\n", seconds);
}

struct Fixture {
    cardtest::TestCard card{"1", databasePath()};
    progressives::ProgressiviTab& tab =
        card.addTab<progressives::ProgressiviTab>(common::kTabProgressivi);
    Fixture() {
        card.showItem(kArticolo);
        reload();  // first use: caches of the database and of the adapter
    }
    void reload() {
        card.clearLoadedItem(common::kTabProgressivi);
        tab.load();
    }
};

// Released before the application, as its widgets need it.
std::unique_ptr<Fixture> gFixture;
Fixture& fixture() {
    if (!gFixture)
        gFixture = std::make_unique<Fixture>();
    return *gFixture;
}

// A read-only connection to the bench database with one statement over
// the item's progressives prepared once; each run starts it again with the
// item bound as ?1.
class ItemStatement {
public:
    explicit ItemStatement(const std::string& sql) {
        if (sqlite3_open_v2(databasePath().c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK)
            throw std::runtime_error("cannot open the bench database");
        db::sqlite::registerFunctions(db_);
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st_, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
    }
    ~ItemStatement() {
        sqlite3_finalize(st_);
        sqlite3_close(db_);
    }
    ItemStatement(const ItemStatement&) = delete;
    ItemStatement& operator=(const ItemStatement&) = delete;

    sqlite3_stmt* start() {
        sqlite3_reset(st_);
        sqlite3_bind_text(st_, 1, kArticolo, -1, SQLITE_STATIC);
        return st_;
    }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* st_ = nullptr;
};

// The item's rows of the first company, real-time progressives, first
// quantity, with their warehouse's description.
constexpr const char* kItemRows =
    " FROM MG70_MAGPROQTA INNER JOIN MG58_DEPOSITI ON MG58_DITTA_CG18 = MG70_DITTA_CG18 "
    "AND MG58_CODDEP = MG70_CODDEP_MG58 WHERE MG70_DITTA_CG18 = 1 AND MG70_CODART_MG66 = "
    "?1 AND MG70_TIPOPROG = 1 AND MG70_TIPOQTA = 1";

// The same aggregate written by hand: every progressive summed by
// warehouse, variant article without its size, and size.
std::string nativeAggregateSql() {
    std::string sql =
        "SELECT MG70_CODDEP_MG58, MG58_DESCRDEP, substr(MG70_OPZIONE_MG5E, 3) AS VARIANTE, "
        "substr(MG70_OPZIONE_MG5E, 1, 2) AS OPZIONE";
    for (const auto& voce : progressives::dizionarioProgressivi())
        sql += ", SUM(" + voce.colonna + ")";
    return sql + kItemRows + " GROUP BY MG70_CODDEP_MG58, MG58_DESCRDEP, VARIANTE, OPZIONE";
}

// Cells that moved.
long runNativeAggregate(ItemStatement& statement) {
    sqlite3_stmt* st = statement.start();
    long cells = 0;
    const int n = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW)
        for (int i = 4; i < n; ++i)
            cells += sqlite3_column_double(st, i) != 0.0;
    return cells;
}

// The same sums without GROUP BY: the item's rows read in the primary key's
// order and added up in a hash table, as a hand-written client would.
std::string nativeReadSql() {
    std::string sql = "SELECT MG70_CODDEP_MG58, MG58_DESCRDEP, MG70_OPZIONE_MG5E";
    for (const auto& voce : progressives::dizionarioProgressivi())
        sql += ", " + voce.colonna;
    return sql + kItemRows;
}

long runNativeRead(ItemStatement& statement) {
    sqlite3_stmt* st = statement.start();
    const int n = sqlite3_column_count(st);
    std::unordered_map<std::string, std::vector<double>> sums;
    std::string key;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const auto* dep = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        const auto* code = reinterpret_cast<const char*>(sqlite3_column_text(st, 2));
        const std::string_view c(code ? code : "");
        key.assign(dep ? dep : "").append(1, '\x01');
        key.append(c.substr(std::min<std::size_t>(2, c.size()))).append(1, '\x01');
        key.append(c.substr(0, 2));
        auto& row = sums[key];
        if (row.empty()) {
            row.assign(static_cast<std::size_t>(n - 3), 0.0);
            sqlite3_column_text(st, 1);  // the warehouse's description goes with it
        }
        for (int i = 3; i < n; ++i)
            row[static_cast<std::size_t>(i - 3)] += sqlite3_column_double(st, i);
    }
    long cells = 0;
    for (const auto& [k, row] : sums)
        for (double v : row)
            cells += v != 0.0;
    return cells;
}

void BM_Pivot(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        f.reload();
    const db::Recordset* pivot = f.tab.pivot();
    if (!pivot || pivot->recordCount() == 0)
        state.SkipWithError("the pivot is empty");
    else
        state.counters["rows"] = static_cast<double>(pivot->recordCount());
}
BENCHMARK(BM_Pivot);

// A native way, run once before it is timed: the same first use.
void timeNative(benchmark::State& state, ItemStatement& statement, long (*run)(ItemStatement&)) {
    long cells = run(statement);
    for (auto _ : state)
        cells = run(statement);
    state.counters["cells"] = static_cast<double>(cells);
}

void BM_NativeAggregate(benchmark::State& state) {
    static ItemStatement statement(nativeAggregateSql());
    timeNative(state, statement, runNativeAggregate);
}
BENCHMARK(BM_NativeAggregate);

void BM_NativeRead(benchmark::State& state) {
    static ItemStatement statement(nativeReadSql());
    timeNative(state, statement, runNativeRead);
}
BENCHMARK(BM_NativeRead);

}  // namespace

int main(int argc, char** argv) try {
    QApplication app(argc, argv);
    const bool fresh = benchsupport::TakeFlag(argc, argv, "--fresh");
    if (fresh || !databaseReady(databasePath()))
        generate(databasePath());
    // One measured load after the warm-up when quick; a few otherwise.
    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.1, 3);
    // Elapsed time is what the user waits; processor time, the work done,
    // is what the ratio compares, as it holds on a machine busy with other
    // work too.
    // The native side is the faster of its two ways, each on its own times.
    const auto pivot = t["BM_Pivot"], grouped = t["BM_NativeAggregate"], read = t["BM_NativeRead"];
    const auto best = [](double x, double y) { return x <= 0 ? y : y <= 0 ? x : std::min(x, y); };
    benchsupport::PrintFigure("progressives_pivot", pivot.real, "ms", 500, 0);
    benchsupport::PrintRatio("progressives_pivot_vs_native", pivot.real,
                             best(grouped.real, read.real), 1.1);
    benchsupport::PrintFigure("progressives_pivot_cpu", pivot.cpu, "ms", 500, 0);
    benchsupport::PrintRatio("progressives_pivot_vs_native_cpu", pivot.cpu,
                             best(grouped.cpu, read.cpu), 1.1);
    std::fflush(stdout);
    benchmark::Shutdown();
    gFixture.reset();
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_progressives: %s\n", e.what());
    return 1;
}
