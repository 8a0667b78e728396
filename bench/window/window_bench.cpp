// The item card window on the large database (2,000 items, 20 variants,
// 1,000,000 progressive rows), offscreen:
//   open   a new window (load, activation, its own connection), an item typed
//          into the code box and tab 0 shown for it;
//   next   the navigator's "next" on the item frame, with tab 0 reloaded.
// The open against the same statements run bare on a connection: the
// window's statements are captured by the connection trace during one open
// and replayed as they are, on a connection of its own as the window opens
// one.
//
// The database is generated once into the temporary directory
// (veldrano_window_bench.db) and kept; --fresh builds it again. The window
// only reads it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/bench_runner.h"
#include "common/item_card.h"
#include "common/window_services.h"
#include "demo/demo_database.h"
#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "window/frmmg_veldrano.h"

namespace {

constexpr const char* kFirstItem = "ART-001000";

std::string databasePath() {
    return (std::filesystem::temp_directory_path() / "veldrano_window_bench.db").string();
}
std::string connectionString() {
    return "Data Source=" + databasePath();
}

// The window's message boxes and error reports answer at once: a modal
// dialog would wait forever offscreen. A report is a failed measurement.
class Answers : public common::Dialoghi {
public:
    int KOVMsgBox(const std::string& text, int, const std::string&) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return common::vbOK;
    }
    int errorReport(const common::RapportoErrore& r) override {
        std::fprintf(stderr, "error report: %s: %s\n", r.procedure.c_str(),
                     r.error.description.c_str());
        ++reports;
        return common::vbAbort;
    }
    int reports = 0;
};
Answers gAnswers;

// The statements every connection runs while a capture is alive.
class Capture {
public:
    Capture() {
        db::Connection::setTrace(
            [this](const db::Connection&, std::string_view sql) { statements.emplace_back(sql); });
    }
    ~Capture() { db::Connection::setTrace({}); }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    std::vector<std::string> statements;
};

// The window as the host opens it, without a host: the context given
// directly, then load, show, first activation, and an item typed.
std::unique_ptr<card::FRMMG_VELDRANO> openCard(const std::string& item) {
    auto w = std::make_unique<card::FRMMG_VELDRANO>();
    w->setContext(connectionString(), "1");
    w->Form_Load();
    w->show();
    w->Form_Activate();
    w->TXT_CODART()->setText(QString::fromStdString(item));
    w->TXT_CODART_Confirm(item);
    QApplication::processEvents();  // laid out and painted, as the user sees it
    return w;
}

bool tab0Shows(card::FRMMG_VELDRANO& w) {
    return !w.currentItem().empty() && w.currentTab() == 0 && w.loadedItem(0) == w.currentItem();
}

void replay(db::Connection& cn, const std::vector<std::string>& statements) {
    for (const std::string& sql : statements)
        benchmark::DoNotOptimize(cn.run(sql));
}

std::vector<std::string> gOpenStatements;
std::vector<std::string> gNextStatements;

void BM_Open(benchmark::State& state) {
    for (auto _ : state) {
        auto w = openCard(kFirstItem);
        state.PauseTiming();
        if (!tab0Shows(*w)) {
            state.SkipWithError("tab 0 is not shown for the item");
            break;
        }
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open);

void BM_OpenBare(benchmark::State& state) {
    for (auto _ : state) {
        db::Connection cn;
        cn.open(connectionString());
        replay(cn, gOpenStatements);
        state.PauseTiming();
        cn.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenBare);

// One window for the moves, kept between the runs of the benchmark.
std::unique_ptr<card::FRMMG_VELDRANO> gWindow;

void BM_Next(benchmark::State& state) {
    card::FRMMG_VELDRANO& w = *gWindow;
    for (auto _ : state) {
        const bool moved = w.FME_ART()->MoveNext();
        QApplication::processEvents();
        if (!moved) {  // the last item: back to the first, untimed
            state.PauseTiming();
            w.FME_ART()->MoveFirst();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    if (!tab0Shows(w))
        state.SkipWithError("tab 0 is not shown for the item");
}
BENCHMARK(BM_Next);

// The statements of one open and of one move (after a first move, which
// also reads the frame's navigation list once per window).
void captureStatements() {
    {
        Capture open;
        auto w = openCard(kFirstItem);
        if (!tab0Shows(*w))
            throw std::runtime_error("the card did not show the item " + std::string(kFirstItem));
        gOpenStatements = open.statements;
    }
    gWindow = openCard(kFirstItem);
    gWindow->FME_ART()->MoveNext();
    QApplication::processEvents();
    Capture next;
    if (!gWindow->FME_ART()->MoveNext())
        throw std::runtime_error("the item frame did not move to the next item");
    QApplication::processEvents();
    gNextStatements = next.statements;
    if (!tab0Shows(*gWindow))
        throw std::runtime_error("tab 0 did not follow the next item");
}

}  // namespace

int main(int argc, char** argv) try {
    QApplication app(argc, argv);
    const bool fresh = benchsupport::TakeFlag(argc, argv, "--fresh");
    common::setDialoghi(&gAnswers);
    if (fresh || !std::filesystem::exists(databasePath()))
        demo::generateLargeDatabase(databasePath());
    captureStatements();
    std::printf("statements: open %zu, next %zu\n", gOpenStatements.size(), gNextStatements.size());

    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.3, 3);
    // Elapsed time is what the user waits; the ratios compare processor
    // time, the work done, which holds on a machine busy with other work.
    benchsupport::PrintFigure("window_open_ms", t["BM_Open"].real, "ms", 300, 1);
    benchsupport::PrintRatio("window_open_vs_bare", t["BM_Open"].cpu, t["BM_OpenBare"].cpu);
    // One frame: the move is seen as immediate. Its bare statements take a
    // fifth of a millisecond, too little to be a measure of it.
    benchsupport::PrintFigure("window_next_ms", t["BM_Next"].real, "ms", 16, 1);
    // The processor's part of it: on a shared machine the elapsed time also
    // waits for other work.
    benchsupport::PrintFigure("window_next_cpu_ms", t["BM_Next"].cpu, "ms", 16, 1);
    std::fflush(stdout);
    benchmark::Shutdown();
    gWindow.reset();
    common::setDialoghi(nullptr);
    if (gAnswers.reports > 0) {
        std::fprintf(stderr, "bench_window: %d error reports during the run\n", gAnswers.reports);
        return 1;
    }
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_window: %s\n", e.what());
    return 1;
}
