// The generation preview of 30,000 combinations (30, 20, 10 and 5 selected
// options of four variants) and of 240,000 (40, 30, 10, 5 and 4 of five)
// against the same cross joins written by hand in native SQLite, the memory
// each takes and the time to the first screen painted, and the duplication
// of a bill of materials onto 1,000 variant articles.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>

#include "bench/support/bench_runner.h"
#include "common/card_pane.h"
#include "duplication/dupl_pane.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/lookup_box.h"
#include "platform/db/recordset.h"
#include "tests/duplication/generated_item.h"
#include "tests/support/test_card.h"

namespace {

using dupltest::generatedOption;
using dupltest::kGeneratedVariants;

// Options of each variant in the benchmark item (240,000 combinations), and
// those selected for the smaller preview (30,000).
const int kAll[] = {40, 30, 10, 5, 4};
const int kSmall[] = {30, 20, 10, 5, 0};

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Fixture {
    cardtest::TestCard card;
    QWidget frame;
    std::unique_ptr<common::CardPane> owned;
    duplication::DuplPane* pane = nullptr;

    Fixture() {
        dupltest::addGeneratedItem(card.connection(), "BENCH-PREV", kAll);
        card.showItem("BENCH-PREV");
        frame.resize(900, 700);
        owned = common::createCardPane(card, "FRAME_DUPL", &frame);
        pane = dynamic_cast<duplication::DuplPane*>(owned.get());
        pane->CreazioneDistinte();
    }
    int column(const std::string& key) {
        return pane->QGRID_STRUTT_DESTI->Columns().IndexOf(QString::fromStdString(key));
    }
    // Every option of every variant, as five header clicks select them.
    void selectAll() {
        pane->CreazioneDistinte();
        for (const auto& v : kGeneratedVariants)
            pane->QGRID_STRUTT_DESTI->ClickHeader(column(v.code));
    }
    // The first options of each variant as kSmall counts them, clicked.
    void selectSmall() {
        pane->CreazioneDistinte();
        for (std::size_t i = 0; i < std::size(kGeneratedVariants); ++i)
            for (long r = 0; r < kSmall[i]; ++r)
                pane->QGRID_STRUTT_DESTI_Click(kGeneratedVariants[i].code, r);
    }
    // The first ten options of A0, A1 and A2: 1,000 variant articles.
    void selectThousand() {
        pane->CreazioneDistinte();
        for (const char* v : {"A0", "A1", "A2"})
            for (long r = 0; r < 10; ++r)
                pane->QGRID_STRUTT_DESTI_Click(v, r);
    }
};

// Made on first use, released before the application ends.
std::unique_ptr<Fixture> theFixture;
Fixture& fixture() {
    if (!theFixture)
        theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

void preview(benchmark::State& state, long rows) {
    Fixture& f = fixture();
    if (rows == 240000)
        f.selectAll();
    else
        f.selectSmall();
    for (auto _ : state)
        f.pane->CMD_ANTEPRIMA_ButtonClick();
    if (!f.pane->preview() || f.pane->preview()->recordCount() != rows)
        state.SkipWithError("the preview does not have the rows expected");
}
void BM_Preview(benchmark::State& state) {
    preview(state, 30000);
}
BENCHMARK(BM_Preview);
void BM_Preview240000(benchmark::State& state) {
    preview(state, 240000);
}
BENCHMARK(BM_Preview240000);

// The same combinations, cross-joined by hand in native SQLite and read out.
void nativeCrossJoin(benchmark::State& state, const int* counts, long expected) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    std::string sources, code;
    for (std::size_t i = 0; i < std::size(kGeneratedVariants); ++i) {
        const auto& v = kGeneratedVariants[i];
        if (counts[i] == 0)
            continue;
        std::string sql =
            std::string("CREATE TABLE ") + v.code + " (o TEXT); INSERT INTO " + v.code + " VALUES ";
        for (int o = 0; o < counts[i]; ++o)
            sql += (o ? ", ('" : "('") + generatedOption(v, o) + "')";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        sources += std::string(sources.empty() ? "" : " CROSS JOIN ") + v.code;
        code += std::string(code.empty() ? "" : " || ") + "substr(" + v.code + ".o || '    ', 1, " +
                std::to_string(v.size) + ")";
    }
    const std::string create =
        "DROP TABLE IF EXISTS p; CREATE TABLE p AS SELECT 'BENCH-PREV' AS ARTICOLO, 0 AS SELEZ, "
        "NULL AS ESITO, " +
        code + " AS VARIANTE FROM " + sources;
    const char* read =
        "SELECT p.*, CAST(ROW_NUMBER() OVER (ORDER BY VARIANTE) AS TEXT) AS CHIAVE FROM p "
        "ORDER BY VARIANTE";
    for (auto _ : state) {
        sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, read, -1, &st, nullptr);
        std::vector<std::vector<std::string>> rows;
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < 5; ++c) {
                const unsigned char* t = sqlite3_column_text(st, c);
                row.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(st);
        if (static_cast<long>(rows.size()) != expected)
            state.SkipWithError("the cross join does not have the rows expected");
        benchmark::DoNotOptimize(rows.data());
    }
    sqlite3_close(db);
}
void BM_NativeCrossJoin(benchmark::State& state) {
    nativeCrossJoin(state, kSmall, 30000);
}
BENCHMARK(BM_NativeCrossJoin);
void BM_NativeCrossJoin240000(benchmark::State& state) {
    nativeCrossJoin(state, kAll, 240000);
}
BENCHMARK(BM_NativeCrossJoin240000);

// Memory a first preview adds, with its rows kept, from just before
// "Anteprima" is pressed.
double previewMemoryMb(bool large) {
    Fixture& f = fixture();
    f.pane->CreazioneDistinte();  // no preview held
    if (large)
        f.selectAll();
    else
        f.selectSmall();
    const long before = residentKb();
    f.pane->CMD_ANTEPRIMA_ButtonClick();
    return static_cast<double>(residentKb() - before) / 1024.0;
}

// From the press of "Anteprima" to the preview grid's first screen painted.
double firstScreenMs() {
    Fixture& f = fixture();
    f.frame.show();
    f.selectAll();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    f.pane->CMD_ANTEPRIMA_ButtonClick();
    f.pane->QGRID_PREVIEW->viewport()->repaint();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    f.frame.hide();
    return f.pane->preview()->recordCount() == 240000 ? ms : -1;
}

// The bill of GIACCA-001 (four lines) copied onto 1,000 variant articles:
// wall-clock seconds, and the processor's in cpuSeconds.
double duplicationSeconds(double& cpuSeconds) {
    Fixture& f = fixture();
    f.selectThousand();
    f.pane->CMD_ANTEPRIMA_ButtonClick();
    if (f.pane->preview()->recordCount() != 1000)
        return -1;
    f.pane->QGRID_PREVIEW->ClickHeader(0);
    f.pane->TXT_ARTICOLO_ORIG->SetText("GIACCA-001");
    f.pane->TXT_ARTICOLO_ORIG->Decode();
    long shown = 0;
    f.pane->afterRow = [&](long) { ++shown; };
    cardtest::clearMessages();
    cardtest::queueAnswer(common::vbYes);
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    f.pane->CMD_DUPL_ButtonClick();
    cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long long copied =
        cardtest::count(f.card.connection(), "PD95_DISBA", "PD95_CODART_MG66 = 'BENCH-PREV'");
    if (copied != 4000 || shown != 1000 || !cardtest::shown("Elaborazione terminata."))
        return -1;
    return s;
}

}  // namespace

int main(int argc, char** argv) try {
    QApplication app(argc, argv);
    const double memory = previewMemoryMb(false);
    const double memoryLarge = previewMemoryMb(true);
    const double firstScreen = firstScreenMs();
    const benchsupport::Results t = benchsupport::RunBenchmarks(argc, argv, 0.05);
    double dupCpu = 0;
    const double dup = duplicationSeconds(dupCpu);

    benchsupport::PrintFigure("preview_30000", t["BM_Preview"].real, "ms", 1000, 0);
    // The ratios on processor time: other work on a shared machine weighs on
    // the wall-clock time of both sides unevenly.
    benchsupport::PrintRatio("preview_vs_native", t["BM_Preview"].cpu, t["BM_NativeCrossJoin"].cpu,
                             1.5);
    benchsupport::PrintFigure("preview_memory", memory, "MB", 100, 1);
    benchsupport::PrintFigure("preview_240000_first_screen", firstScreen, "ms", 5000, 0);
    benchsupport::PrintRatio("preview_240000_vs_native", t["BM_Preview240000"].cpu,
                             t["BM_NativeCrossJoin240000"].cpu, 1.5);
    benchsupport::PrintFigure("preview_240000_memory", memoryLarge, "MB", 200, 1);
    if (dup >= 0) {
        benchsupport::PrintFigure("duplication_1000", dup, "s", 10);
        benchsupport::PrintFigure("duplication_1000_cpu", dupCpu, "s", 10);
    } else
        std::printf("duplication of 1,000 articles did not complete\n");
    std::fflush(stdout);
    benchmark::Shutdown();
    theFixture.reset();
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_preview: %s\n", e.what());
    theFixture.reset();
    return 1;
}
