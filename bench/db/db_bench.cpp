// The database layer on the large database (20 variants, 5,000 options,
// 2,000 items, 1,000,000 rows of stock progressives): the item card's own
// statements through the T-SQL adapter against the same work hand-written
// in SQLite's dialect on a plain SQLite connection (prepared once, every
// value read), with the translation cache warm; and the cost of
// translating a statement, with and without the cache.
//
//   bench_db [--quick] [Google Benchmark options]

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/bench_runner.h"
#include "bench/support/native_sqlite.h"
#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/db/tsql/plan.h"

namespace {

// One piece of the card's work: its statements as the card sends them, and
// the same work written for SQLite by hand.
struct Case {
    const char* name;
    std::vector<std::string> tsql;
    std::vector<std::string> native;
};

std::string pad(const std::string& s, std::size_t n) {
    return s.size() < n ? s + std::string(n - s.size(), ' ') : s;
}

// ART-000001 manages A0 and A1 with groupings RG-A0-1 and RG-A1-1; option
// codes are two characters wide, so A1's slot starts at 3.
const std::vector<Case>& cases() {
    static const std::vector<Case> all = [] {
        const std::string item = "ART-000001";
        const std::string padded = pad(item, 25);
        std::vector<Case> c;
        c.push_back(
            {"item_list",
             {"SELECT * FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = 1 ORDER BY "
              "MG66_CODART"},
             {"SELECT * FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 ORDER BY MG66_CODART"}});
        c.push_back(
            {"variant_slots",
             {"SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_INDGRIGLIA, MG5F_SIZE, (SELECT (CASE "
              "WHEN SUM(INIZIO.MG5F_SIZE) IS NULL THEN 1 ELSE SUM (INIZIO.MG5F_SIZE) + 1 END) FROM "
              "MG5F_DIMECONF AS INIZIO WITH (NOLOCK) WHERE INIZIO.MG5F_DITTA_CG18 = "
              "MG5F_DIMECONF.MG5F_DITTA_CG18 AND INIZIO.MG5F_CODICEVAR  < "
              "MG5F_DIMECONF.MG5F_CODICEVAR) AS MG5F_START FROM MG5F_DIMECONF WITH (NOLOCK) WHERE "
              "MG5F_DITTA_CG18 = 1"},
             {"SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_INDGRIGLIA, MG5F_SIZE, (SELECT "
              "COALESCE(SUM(I.MG5F_SIZE), 0) + 1 FROM MG5F_DIMECONF AS I WHERE I.MG5F_DITTA_CG18 = "
              "MG5F_DIMECONF.MG5F_DITTA_CG18 AND I.MG5F_CODICEVAR < MG5F_DIMECONF.MG5F_CODICEVAR) "
              "AS MG5F_START FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1"}});
        c.push_back(
            {"activation",
             {"SELECT * FROM MG6B_GESVARART INNER JOIN MG5F_DIMECONF ON MG5F_DITTA_CG18 = "
              "MG6B_DITTA_CG18 AND MG5F_CODICEVAR  = MG6B_CODICEVAR_MG5F LEFT OUTER JOIN "
              "MG5G_RAGGVAR ON MG5G_DITTA_CG18     = MG6B_DITTA_CG18     AND MG5G_CODICEVAR_MG5F "
              "= MG6B_CODICEVAR_MG5F AND MG5G_CODRAGGVAR     = MG6B_CODRAGGVAR_MG5G WHERE "
              "MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = '" +
                  item + "' ORDER BY MG6B_CODICEVAR_MG5F",
              "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG6B_GESVARART INNER JOIN "
              "MG5F_DIMECONF ON MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND    MG5F_CODICEVAR = "
              "MG6B_CODICEVAR_MG5F WHERE MG6B_DITTA_CG18  = 1 AND       MG6B_CODART_MG66 = '" +
                  item + "' AND       MG6B_FLGGESTVAR = 1"},
             {"SELECT * FROM MG6B_GESVARART JOIN MG5F_DIMECONF ON MG5F_DITTA_CG18 = "
              "MG6B_DITTA_CG18 AND MG5F_CODICEVAR = MG6B_CODICEVAR_MG5F LEFT JOIN MG5G_RAGGVAR ON "
              "MG5G_DITTA_CG18 = MG6B_DITTA_CG18 AND MG5G_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND "
              "MG5G_CODRAGGVAR = MG6B_CODRAGGVAR_MG5G WHERE MG6B_DITTA_CG18 = 1 AND "
              "MG6B_CODART_MG66 = '" +
                  padded + "' ORDER BY MG6B_CODICEVAR_MG5F",
              "SELECT MG5F_CODICEVAR, MG5F_DESCR_VAR FROM MG6B_GESVARART JOIN MG5F_DIMECONF ON "
              "MG5F_DITTA_CG18 = MG6B_DITTA_CG18 AND MG5F_CODICEVAR = MG6B_CODICEVAR_MG5F WHERE "
              "MG6B_DITTA_CG18 = 1 AND MG6B_CODART_MG66 = '" +
                  padded + "' AND MG6B_FLGGESTVAR = 1"}});
        c.push_back(
            {"option_lists",
             {"IF OBJECT_ID('tempdb..#TMP_ORIG') IS NOT NULL DROP TABLE #TMP_ORIG",
              "SELECT *, LEFT(MG5E_DESCR,1) AS LETTERA,        CAST(0 AS DECIMAL(1, 0)) AS SELEZ, "
              "       0 AS SORT_CODE INTO #TMP_ORIG FROM MG5E_OPZIONI WITH (NOLOCK) LEFT OUTER "
              "JOIN MG5H_COMPRAGVAR WITH (NOLOCK) ON MG5H_DITTA_CG18     = MG5E_DITTA_CG18 AND    "
              "MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND    MG5H_RAGGR_MG5G     = 'RG-A0-1' "
              "AND    MG5H_OPZIONE_MG5E   = MG5E_OPZIONE WHERE MG5E_DITTA_CG18     = 1 AND       "
              "MG5E_CODICEVAR_MG5F = 'A0'",
              "SELECT * FROM #TMP_ORIG ORDER BY MG5E_OPZIONE"},
             {"DROP TABLE IF EXISTS temp.TMP_ORIG",
              "CREATE TEMP TABLE TMP_ORIG AS SELECT *, substr(MG5E_DESCR, 1, 1) AS LETTERA, 0 AS "
              "SELEZ, 0 AS SORT_CODE FROM MG5E_OPZIONI LEFT JOIN MG5H_COMPRAGVAR ON "
              "MG5H_DITTA_CG18 = MG5E_DITTA_CG18 AND MG5H_CODICEVAR_MG5F = MG5E_CODICEVAR_MG5F AND "
              "MG5H_RAGGR_MG5G = 'RG-A0-1                  ' AND MG5H_OPZIONE_MG5E = MG5E_OPZIONE "
              "WHERE MG5E_DITTA_CG18 = 1 AND MG5E_CODICEVAR_MG5F = 'A0'",
              "SELECT * FROM temp.TMP_ORIG ORDER BY MG5E_OPZIONE"}});
        c.push_back(
            {"state_list",
             {";WITH CTE_MG5V AS ( SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR, CASE WHEN "
              "MG5V_DATAINIZIO IS NOT NULL THEN CASE WHEN DAY(MG5V_DATAINIZIO) > 9 THEN "
              "CONVERT(CHAR(2), DAY(MG5V_DATAINIZIO)) ELSE '0' + CONVERT(CHAR(1), "
              "DAY(MG5V_DATAINIZIO)) END + '/' + CASE WHEN MONTH(MG5V_DATAINIZIO) > 9 THEN "
              "CONVERT(CHAR(2), MONTH(MG5V_DATAINIZIO)) ELSE '0' + CONVERT(CHAR(1), "
              "MONTH(MG5V_DATAINIZIO)) END + '/' + CONVERT(CHAR(4), YEAR(MG5V_DATAINIZIO)) ELSE '' "
              "END AS MG5V_DATAINIZIO, CASE WHEN ISNULL(MG5V_ATTIVO, 0) = 0 THEN N'No' ELSE N'Si' "
              "END AS MG5V_ATTIVO FROM MG5V_STATIVAR WITH (NOLOCK) WHERE MG5V_DITTA_CG18 = 1 ) "
              "SELECT CONVERT(DECIMAL(18, 0), 0) AS Codice, '' AS Descrizione UNION ALL SELECT "
              "MG5V_IDSTATOVAR AS Codice, RTRIM(MG5V_CODICE) + CASE WHEN ISNULL(MG5V_DESCR, '') <> "
              "'' THEN ' - ' + RTRIM(ISNULL(MG5V_DESCR, '')) ELSE '' END + CASE WHEN "
              "ISNULL(MG5V_DATAINIZIO, '') <> '' THEN N'- dt.ini:' + MG5V_DATAINIZIO ELSE '' END + "
              "N'- attivo:' + MG5V_ATTIVO AS Descrizione FROM CTE_MG5V WITH (NOLOCK) ORDER BY "
              "Descrizione"},
             {"WITH S AS (SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR, CASE WHEN "
              "MG5V_DATAINIZIO IS NOT NULL THEN strftime('%d/%m/%Y', MG5V_DATAINIZIO) ELSE '' END "
              "AS MG5V_DATAINIZIO, CASE WHEN COALESCE(MG5V_ATTIVO, 0) = 0 THEN 'No' ELSE 'Si' END "
              "AS MG5V_ATTIVO FROM MG5V_STATIVAR WHERE MG5V_DITTA_CG18 = 1) SELECT 0 AS Codice, '' "
              "AS Descrizione UNION ALL SELECT MG5V_IDSTATOVAR, rtrim(MG5V_CODICE) || CASE WHEN "
              "COALESCE(MG5V_DESCR, '') <> '' THEN ' - ' || rtrim(MG5V_DESCR) ELSE '' END || CASE "
              "WHEN MG5V_DATAINIZIO <> '' THEN '- dt.ini:' || MG5V_DATAINIZIO ELSE '' END || '- "
              "attivo:' || MG5V_ATTIVO FROM S ORDER BY 2"}});
        c.push_back(
            {"progressives",
             {"SELECT DISTINCT SUBSTRING (MG70_OPZIONE_MG5E, 3, 2) AS OPZIONE FROM MG70_MAGPROQTA "
              "WHERE MG70_DITTA_CG18  = 1 AND MG70_CODART_MG66 = '" +
                  item + "' AND MG70_TIPOPROG    = 1 AND MG70_TIPOQTA     = 1 ORDER BY OPZIONE",
              "SELECT MG70_MAGPROQTA.*, MG58_DESCRDEP, STUFF (MG70_OPZIONE_MG5E, 3, 2, "
              "REPLICATE(' ',2)) AS VARIANTE, SUBSTRING (MG70_OPZIONE_MG5E, 3, 2) AS OPZIONE FROM "
              "MG70_MAGPROQTA INNER JOIN MG58_DEPOSITI WITH (NOLOCK) ON MG58_DITTA_CG18 = "
              "MG70_DITTA_CG18 AND MG58_CODDEP     = MG70_CODDEP_MG58 WHERE MG70_DITTA_CG18  = 1 "
              "AND MG70_CODART_MG66 = '" +
                  item +
                  "' AND MG70_TIPOPROG    = 1 AND MG70_TIPOQTA     = 1 ORDER BY MG70_CODDEP_MG58, "
                  "MG70_OPZIONE_MG5E"},
             {"SELECT DISTINCT substr(MG70_OPZIONE_MG5E, 3, 2) AS OPZIONE FROM MG70_MAGPROQTA "
              "WHERE MG70_DITTA_CG18 = 1 AND MG70_CODART_MG66 = '" +
                  padded + "' AND MG70_TIPOPROG = 1 AND MG70_TIPOQTA = 1 ORDER BY OPZIONE",
              "SELECT MG70_MAGPROQTA.*, MG58_DESCRDEP, substr(MG70_OPZIONE_MG5E, 1, 2) || '  ' || "
              "substr(MG70_OPZIONE_MG5E, 5) AS VARIANTE, substr(MG70_OPZIONE_MG5E, 3, 2) AS "
              "OPZIONE FROM MG70_MAGPROQTA JOIN MG58_DEPOSITI ON MG58_DITTA_CG18 = "
              "MG70_DITTA_CG18 AND MG58_CODDEP = MG70_CODDEP_MG58 WHERE MG70_DITTA_CG18 = 1 AND "
              "MG70_CODART_MG66 = '" +
                  padded +
                  "' AND MG70_TIPOPROG = 1 AND MG70_TIPOQTA = 1 ORDER BY MG70_CODDEP_MG58, "
                  "MG70_OPZIONE_MG5E"}});
        c.push_back(
            {"transcoding",
             {"SELECT MG5S_VARCLIFOR.*, (CASE WHEN MG5H_DESCR IS NULL THEN MG5E_DESCR ELSE "
              "MG5H_DESCR END) AS MG5E_DESCR, ISNULL (MG5H_DITTA_CG18,0) AS MG5H_DITTA_CG18 FROM "
              "MG5S_VARCLIFOR INNER JOIN MG5E_OPZIONI ON MG5E_DITTA_CG18     = MG5S_DITTA_CG18    "
              " AND MG5E_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND MG5E_OPZIONE        = "
              "MG5S_OPZIONE_MG5E LEFT OUTER JOIN MG6B_GESVARART ON MG6B_DITTA_CG18     = "
              "MG5S_DITTA_CG18 AND MG6B_CODART_MG66    = '" +
              item +
              "' AND MG6B_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND MG6B_FLGGESTVAR     = 1 "
              "LEFT OUTER JOIN MG5H_COMPRAGVAR ON MG5H_DITTA_CG18     = MG6B_DITTA_CG18 AND "
              "MG5H_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND MG5H_RAGGR_MG5G     = "
              "MG6B_CODRAGGVAR_MG5G AND MG5H_OPZIONE_MG5E   = MG5S_OPZIONE_MG5E WHERE "
              "MG5S_DITTA_CG18     = 1 AND MG5S_CODICEVAR_MG5F = 'A0' AND MG5S_TIPOCF_CG44    "
              "= 0 AND MG5S_CLIFOR_CG44    = 1"},
             {"SELECT MG5S_VARCLIFOR.*, COALESCE(MG5H_DESCR, MG5E_DESCR) AS MG5E_DESCR, "
              "COALESCE(MG5H_DITTA_CG18, 0) AS MG5H_DITTA_CG18 FROM MG5S_VARCLIFOR JOIN "
              "MG5E_OPZIONI ON MG5E_DITTA_CG18 = MG5S_DITTA_CG18 AND MG5E_CODICEVAR_MG5F = "
              "MG5S_CODICEVAR_MG5F AND MG5E_OPZIONE = MG5S_OPZIONE_MG5E LEFT JOIN MG6B_GESVARART "
              "ON MG6B_DITTA_CG18 = MG5S_DITTA_CG18 AND MG6B_CODART_MG66 = '" +
              padded +
              "' AND MG6B_CODICEVAR_MG5F = MG5S_CODICEVAR_MG5F AND MG6B_FLGGESTVAR = 1 LEFT "
              "JOIN MG5H_COMPRAGVAR ON MG5H_DITTA_CG18 = MG6B_DITTA_CG18 AND "
              "MG5H_CODICEVAR_MG5F = MG6B_CODICEVAR_MG5F AND MG5H_RAGGR_MG5G = "
              "MG6B_CODRAGGVAR_MG5G AND MG5H_OPZIONE_MG5E = MG5S_OPZIONE_MG5E WHERE "
              "MG5S_DITTA_CG18 = 1 AND MG5S_CODICEVAR_MG5F = 'A0' AND MG5S_TIPOCF_CG44 = 0 "
              "AND MG5S_CLIFOR_CG44 = 1"}});
        c.push_back(
            {"combination_states",
             {"SELECT * FROM MG5W_PROVSTATI WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = '" +
              item +
              "' AND MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_RAGGR1_MG5G IS NULL AND "
              "MG5W_CODICEVAR2_MG5F = 'A1' AND MG5W_RAGGR2_MG5G IS NULL AND MG5W_TIPODEFAULT IS "
              "NULL"},
             {"SELECT * FROM MG5W_PROVSTATI WHERE MG5W_DITTA_CG18 = 1 AND MG5W_CODART_MG66 = '" +
              padded +
              "' AND MG5W_CODICEVAR1_MG5F = 'A0' AND MG5W_RAGGR1_MG5G IS NULL AND "
              "MG5W_CODICEVAR2_MG5F = 'A1' AND MG5W_RAGGR2_MG5G IS NULL AND MG5W_TIPODEFAULT IS "
              "NULL"}});
        c.push_back(
            {"composition_writes",
             {"BEGIN TRANSACTION",
              "UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = MG5H_SEQOPZIONE + 1 WHERE "
              "MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0' AND MG5H_RAGGR_MG5G = 'RG-A0-1' "
              "AND MG5H_SEQOPZIONE > 40",
              "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, "
              "MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E)  VALUES ( 1, 'A0', "
              "'RG-A0-1', 41, '2S') ",
              "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = N'Descrizione dell''opzione' WHERE "
              "MG5H_DITTA_CG18     =  1 AND       MG5H_CODICEVAR_MG5F = 'A0' AND       "
              "MG5H_RAGGR_MG5G     = 'RG-A0-1' AND       MG5H_OPZIONE_MG5E   = '2S'",
              "DELETE MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18     = 1 AND       "
              "MG5H_CODICEVAR_MG5F = 'A0' AND       MG5H_RAGGR_MG5G     = 'RG-A0-1' AND       "
              "MG5H_OPZIONE_MG5E IN ('2S', '01')",
              "ROLLBACK TRANSACTION"},
             {"BEGIN",
              "UPDATE MG5H_COMPRAGVAR SET MG5H_SEQOPZIONE = MG5H_SEQOPZIONE + 1 WHERE "
              "MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0' AND MG5H_RAGGR_MG5G = "
              "'RG-A0-1                  ' AND MG5H_SEQOPZIONE > 40",
              "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, "
              "MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E) VALUES (1, 'A0', "
              "'RG-A0-1                  ', 41, '2S                  ')",
              "UPDATE MG5H_COMPRAGVAR SET MG5H_DESCR = 'Descrizione dell''opzione' WHERE "
              "MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = 'A0' AND MG5H_RAGGR_MG5G = 'RG-A0-1  "
              "                ' AND MG5H_OPZIONE_MG5E = '2S                  '",
              "DELETE FROM MG5H_COMPRAGVAR WHERE MG5H_DITTA_CG18 = 1 AND MG5H_CODICEVAR_MG5F = "
              "'A0' AND MG5H_RAGGR_MG5G = 'RG-A0-1                  ' AND MG5H_OPZIONE_MG5E IN "
              "('2S                  ', '01                  ')",
              "ROLLBACK"}});
        return c;
    }();
    return all;
}

std::string databasePath() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "veldrano_db_bench.db";
        demo::generateLargeDatabase(p.string());
        return p.string();
    }();
    return path;
}

db::Connection& adapter() {
    static db::Connection* c = [] {
        auto* connection = new db::Connection;
        connection->open("Data Source=" + databasePath());
        return connection;
    }();
    return *c;
}

benchsupport::NativeSqlite& native() {
    static auto* n = new benchsupport::NativeSqlite(databasePath());
    return *n;
}

void BM_Adapter(benchmark::State& state, const Case* c) {
    db::Connection& cn = adapter();
    for (auto _ : state)
        for (const auto& sql : c->tsql)
            benchmark::DoNotOptimize(cn.run(sql));
}

void BM_Native(benchmark::State& state, const Case* c) {
    auto& n = native();
    for (auto _ : state)
        for (const auto& sql : c->native)
            benchmark::DoNotOptimize(n.run(sql));
}

std::vector<std::string> everyStatement() {
    std::vector<std::string> out;
    for (const auto& c : cases())
        out.insert(out.end(), c.tsql.begin(), c.tsql.end());
    return out;
}

// Translation of each statement from scratch, per statement.
void BM_TranslateUncached(benchmark::State& state) {
    const auto statements = everyStatement();
    for (auto _ : state)
        for (const auto& sql : statements)
            benchmark::DoNotOptimize(db::tsql::translate(sql));
}

// The cache of a connection that has seen the statements before.
void BM_TranslateCached(benchmark::State& state) {
    const auto statements = everyStatement();
    db::tsql::PlanCache cache;
    db::tsql::Shape shape;
    for (const auto& sql : statements)
        cache.get(sql, shape);
    for (auto _ : state)
        for (const auto& sql : statements)
            benchmark::DoNotOptimize(cache.get(sql, shape));
}

// Keeps the processor time per iteration of every run, for the ratios:
// the machine runs other work too, and wall time would measure that.
class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIteration;  // nanoseconds
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            // The median of the repetitions, when there are some.
            if (r.error_occurred || r.iterations <= 0 ||
                (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median"))
                continue;
            perIteration[r.run_name.str()] =
                r.GetAdjustedCPUTime() * (r.time_unit == benchmark::kMicrosecond ? 1e3 : 1.0);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    // Both sides build and drop megabytes of rows per iteration: without
    // this, which side pays for the heap going back to the system and
    // faulting in again depends on the order of the runs, not on the code.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    const bool quick = benchsupport::TakeFlag(argc, argv, "--quick");
    std::vector<char*> args(argv, argv + argc);
    // Other work on the machine makes single runs noisy: the ratios take
    // the median of three.
    std::string minTime = "--benchmark_min_time=0.1";
    std::string repetitions = "--benchmark_repetitions=3";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    if (quick)
        args.push_back(minTime.data());
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());

    // Both sides once before measuring: the database file and the page
    // cache, the translation and statement caches.
    for (const auto& c : cases()) {
        for (const auto& sql : c.tsql)
            adapter().run(sql);
        for (const auto& sql : c.native)
            native().run(sql);
    }
    for (const auto& c : cases()) {
        benchmark::RegisterBenchmark((std::string("adapter/") + c.name).c_str(), BM_Adapter, &c)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("native/") + c.name).c_str(), BM_Native, &c)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("translate/uncached", BM_TranslateUncached)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("translate/cached", BM_TranslateCached)
        ->Unit(benchmark::kMicrosecond);

    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    auto& t = collector.perIteration;

    double adapterTotal = 0, nativeTotal = 0;
    for (const auto& c : cases()) {
        const auto a = t.find(std::string("adapter/") + c.name);
        const auto b = t.find(std::string("native/") + c.name);
        if (a == t.end() || b == t.end() || b->second <= 0)
            continue;
        adapterTotal += a->second;
        nativeTotal += b->second;
        std::printf("figure adapter_vs_native_%s %.2f x target <= 1.2\n", c.name,
                    a->second / b->second);
    }
    if (nativeTotal > 0)
        std::printf("figure adapter_vs_native %.2f x target <= 1.2\n", adapterTotal / nativeTotal);
    const double statements = static_cast<double>(everyStatement().size());
    if (auto u = t.find("translate/uncached"); u != t.end())
        std::printf("figure translate_uncached %.1f us target <= 200\n",
                    u->second / statements / 1e3);
    if (auto k = t.find("translate/cached"); k != t.end())
        std::printf("figure translate_cached %.2f us target <= 20\n", k->second / statements / 1e3);
    benchmark::Shutdown();
    return 0;
}
