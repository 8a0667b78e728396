// A stored procedure's call against the same statements sent as one batch,
// both through the T-SQL adapter on the embedded database: what the call
// itself costs (finding the definition, binding the parameters, the body's
// own variables and table variable).
//
//   bench_procedures [--quick] [Google Benchmark options]

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/support/bench_runner.h"
#include "platform/db/connection.h"

namespace {

// The body: a parameter, a variable, a table variable, a read and a write,
// much as the demo's host procedure does its work.
const char* const kBody =
    "DECLARE @n INT = 0\n"
    "DECLARE @picked TABLE (K INT NOT NULL PRIMARY KEY, G VARCHAR(5))\n"
    "INSERT INTO @picked (K, G) SELECT K, G FROM ROWS_T WHERE G = @g AND K <= @top\n"
    "SELECT @n = COUNT(*) FROM @picked\n"
    "UPDATE COUNTS SET N = @n WHERE G = @g\n"
    "SELECT P.K, R.N FROM @picked AS P INNER JOIN ROWS_T AS R ON R.K = P.K ORDER BY P.K\n";

db::Connection& connection() {
    static db::Connection* c = [] {
        const auto path = std::filesystem::temp_directory_path() / "veldrano_procedure_bench.db";
        std::filesystem::remove(path);
        auto* cn = new db::Connection;
        cn->open("Data Source=" + path.string() + ";Mode=ReadWriteCreate");
        cn->execute("CREATE TABLE ROWS_T (K INT NOT NULL PRIMARY KEY, G VARCHAR(5), N INT)");
        cn->execute("CREATE TABLE COUNTS (G VARCHAR(5) NOT NULL PRIMARY KEY, N INT)");
        cn->execute(
            "BEGIN TRAN DECLARE @i INT = 1 WHILE @i <= 2000 BEGIN INSERT INTO ROWS_T VALUES "
            "(@i, CHAR(65 + @i % 10), @i * 3) SET @i = @i + 1 END COMMIT");
        cn->execute("INSERT INTO COUNTS SELECT DISTINCT G, 0 FROM ROWS_T");
        cn->execute(std::string("CREATE PROCEDURE PickRows @g VARCHAR(5), @top INT AS\n") + kBody);
        return cn;
    }();
    return *c;
}

void BM_Call(benchmark::State& state) {
    db::Connection& c = connection();
    for (auto _ : state)
        benchmark::DoNotOptimize(c.run("EXEC PickRows 'C', 200"));
}

void BM_Body(benchmark::State& state) {
    db::Connection& c = connection();
    const std::string batch = std::string("DECLARE @g VARCHAR(5) = 'C', @top INT = 200\n") + kBody;
    for (auto _ : state)
        benchmark::DoNotOptimize(c.run(batch));
}

}  // namespace

int main(int argc, char** argv) {
    connection();
    benchmark::RegisterBenchmark("procedure/call", BM_Call)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("procedure/body", BM_Body)->Unit(benchmark::kMicrosecond);
    const auto t = benchsupport::RunBenchmarks(argc, argv, 0.2);
    benchsupport::PrintRatio("procedure_call_vs_body", t["procedure/call"].cpu,
                             t["procedure/body"].cpu, 1.2);
    benchmark::Shutdown();
    return 0;
}
