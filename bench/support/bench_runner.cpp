#include "bench/support/bench_runner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace benchsupport {
namespace {

class Collector : public benchmark::ConsoleReporter {
public:
    Collector() : ConsoleReporter(OO_Tabular) {}
    Results results;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations <= 0 ||
                (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median"))
                continue;
            results.set(r.benchmark_name().substr(0, r.benchmark_name().find("_median")),
                        {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()});
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

Times Results::operator[](const std::string& name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? Times{} : it->second;
}

Results RunBenchmarks(int argc, char** argv, double quickMinTime, double fullMinTime) {
    const bool quick = TakeFlag(argc, argv, "--quick");
    std::vector<char*> args(argv, argv + argc);
    const double minTime = quick ? quickMinTime : fullMinTime;
    std::string minTimeArg = "--benchmark_min_time=" + std::to_string(minTime);
    if (minTime > 0)
        args.insert(args.begin() + 1, minTimeArg.data());
    // Card steps take milliseconds; a registration names its own unit where
    // it differs, and --benchmark_time_unit still wins.
    benchmark::SetDefaultTimeUnit(benchmark::kMillisecond);
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    return collector.results;
}

bool TakeFlag(int& argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], flag) == 0) {
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            return true;
        }
    return false;
}

void PrintFigure(const char* name, double value, const char* unit, double limit, int decimals) {
    if (value >= 0)
        std::printf("figure %s %.*f %s target <= %g\n", name, decimals, value, unit, limit);
}

void PrintRatio(const char* name, double mine, double bare, double limit) {
    if (mine >= 0 && bare > 0)
        PrintFigure(name, mine / bare, "x", limit);
}

void PrintStep(const std::string& name, Times mine, Times other, const char* otherName,
               const StepFigures& how) {
    PrintFigure(name.c_str(), mine.real / how.divisor, how.unit, how.limit, how.decimals);
    PrintFigure((name + "_cpu").c_str(), mine.cpu / how.divisor, how.unit, how.limit, how.decimals);
    PrintRatio((name + "_vs_" + otherName).c_str(), mine.cpu, other.cpu, how.ratioLimit);
}

}  // namespace benchsupport
