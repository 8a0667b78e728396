#pragma once
// What the benchmark programs share: running the registered benchmarks
// (shorter with --quick), the time per iteration of each, and the figure
// lines they print.

#include <map>
#include <string>

namespace benchsupport {

// Per iteration, in the benchmark's own unit; negative when it did not run.
struct Times {
    double real = -1;
    double cpu = -1;
};

class Results {
public:
    Times operator[](const std::string& name) const;
    void set(const std::string& name, Times times) { times_[name] = times; }

private:
    std::map<std::string, Times> times_;
};

// Runs every registered benchmark with the program's arguments, in
// milliseconds unless a registration sets its own unit; "--quick"
// is taken out and gives each benchmark quickMinTime seconds, and
// fullMinTime (when given) applies otherwise; a --benchmark_min_time among
// the arguments still wins. The median stands for a
// benchmark repeated. Output has no colours, so figures start their lines.
Results RunBenchmarks(int argc, char** argv, double quickMinTime, double fullMinTime = 0);

// Takes a program's own flag out of the arguments; true when it was there.
bool TakeFlag(int& argc, char** argv, const char* flag);

// "figure NAME VALUE UNIT target <= LIMIT", when the value is known.
void PrintFigure(const char* name, double value, const char* unit, double limit, int decimals = 2);
// The figure of mine / bare, in "x", when both are known.
void PrintRatio(const char* name, double mine, double bare, double limit = 2);

// How a step's times are printed: divided by `divisor` into `unit`, within
// `limit`, with `decimals`; its ratio to the other way within ratioLimit.
struct StepFigures {
    const char* unit;
    double divisor;
    double limit;
    int decimals;
    double ratioLimit;
};
// A step measured against another way of doing the same: NAME, the time the
// user waits for it; NAME_cpu, its processor time; NAME_vs_OTHER, the ratio
// on processor time, which holds on a machine busy with other work too.
void PrintStep(const std::string& name, Times mine, Times other, const char* otherName,
               const StepFigures& how);

}  // namespace benchsupport
