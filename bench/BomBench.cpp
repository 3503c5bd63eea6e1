// Throughput of the cut-list program's run: rows a second from a list in memory to a
// report thrown away, by format and with or without the reading thread.
// bench/bom-vs-awk.sh sets the same run against awk on a file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "tools/bom/CutList.h"
#include "tools/bom/StringSource.h"

namespace {

using namespace metalweight::bom;

// A list of `rows` rows over six kinds of section, lengths and quantities varying.
std::string cutList(int rows) {
    const char* kinds[] = {"工字钢,I20a", "管道,φ57×3.5",   "钢板,δ10",
                           "圆钢,φ20",    "等边角钢,∠63×6", "槽钢,[14b"};
    std::string text = "类别,规格,长度,数量,备注\n";
    for (int i = 0; i < rows; ++i) {
        text += kinds[i % 6];
        text += "," + std::to_string(i % 7 + 1) + "," + std::to_string(i % 9 + 1) + ",第" +
                std::to_string(i) + "件\n";
    }
    return text;
}

void weighList(benchmark::State& state, Format format, bool readAhead) {
    const int rows = static_cast<int>(state.range(0));
    const std::string text = cutList(rows);
    std::FILE* sink = std::fopen("/dev/null", "wb");
    RunOptions options;
    options.format = format;
    options.readAhead = readAhead;
    for (auto _ : state) {
        StringSource source(text);
        Output output(sink);
        benchmark::DoNotOptimize(runCutList(source, options, output, stderr));
    }
    std::fclose(sink);
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_CsvReport(benchmark::State& state) {
    weighList(state, Format::kCsv, true);
}
void BM_JsonReport(benchmark::State& state) {
    weighList(state, Format::kJson, true);
}
void BM_TableReport(benchmark::State& state) {
    weighList(state, Format::kTable, true);
}
void BM_CsvReportOneThread(benchmark::State& state) {
    weighList(state, Format::kCsv, false);
}

BENCHMARK(BM_CsvReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JsonReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TableReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CsvReportOneThread)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
