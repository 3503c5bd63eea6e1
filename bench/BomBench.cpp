// Throughput of the cut-list program's run: rows a second from a list in memory to a
// report thrown away, by format, with sections that repeat and sections that all differ.
// bench/bom-vs-awk.sh sets the same run against awk on a file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/bom/StringSource.h"
#include "tools/bom/CutList.h"

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

// A list of `rows` rows whose sections all differ: pipes, round bars, I-beams and flat
// bars by their dimension columns, from a fixed sequence of pseudo-random numbers.
std::string differentSections(int rows) {
    std::uint32_t seed = 7;
    // A dimension from `low` mm in steps of 0.1 mm, `steps` of them.
    auto dimension = [&seed](int low, std::uint32_t steps) {
        seed = seed * 1664525U + 1013904223U;
        const std::uint32_t tenths = (seed >> 8) % steps;
        return std::to_string(low + static_cast<int>(tenths / 10)) + "." +
               std::to_string(tenths % 10);
    };
    std::string text = "类别,尺寸1,尺寸2,尺寸3,长度,数量,备注\n";
    for (int i = 0; i < rows; ++i) {
        switch (i % 4) {
            case 0:
                text += "管道," + dimension(20, 3000) + "," + dimension(1, 80) + ",,";
                break;
            case 1:
                text += "圆钢," + dimension(5, 2000) + ",,,";
                break;
            case 2:
                text += "工字钢," + dimension(100, 4000) + "," + dimension(50, 1000) + "," +
                        dimension(4, 100) + ",";
                break;
            default:
                text += "扁钢," + dimension(10, 1900) + "," + dimension(2, 300) + ",,";
                break;
        }
        text += dimension(1, 90) + "," + std::to_string(i % 20 + 1) + ",第" + std::to_string(i) +
                "件\n";
    }
    return text;
}

void weighList(benchmark::State& state, Format format, std::string (*list)(int) = cutList) {
    const int rows = static_cast<int>(state.range(0));
    const std::string text = list(rows);
    std::FILE* sink = std::fopen("/dev/null", "wb");
    RunOptions options;
    options.format = format;
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
    weighList(state, Format::kCsv);
}
void BM_JsonReport(benchmark::State& state) {
    weighList(state, Format::kJson);
}
void BM_TableReport(benchmark::State& state) {
    weighList(state, Format::kTable);
}
void BM_CsvReportDifferentSections(benchmark::State& state) {
    weighList(state, Format::kCsv, differentSections);
}
void BM_JsonReportDifferentSections(benchmark::State& state) {
    weighList(state, Format::kJson, differentSections);
}

BENCHMARK(BM_CsvReport)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JsonReport)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableReport)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvReportDifferentSections)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JsonReportDifferentSections)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
