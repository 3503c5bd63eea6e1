// Speed of what the user waits for: one keystroke's recalculation per category, one
// category switch (the whole chain of handlers with the preset build and the emptying),
// and one pick of an I-beam height.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

#include "core/Catalogue.h"
#include "core/Choices.h"
#include "core/NumberText.h"
#include "core/Recalculation.h"
#include "tools/scenario/MemoryWindow.h"
#include "ui/Frmmetal.h"

namespace metalweight {
namespace {

// Typical texts of each category, as a user would have typed them.
const DimensionTexts kTypicalTexts[] = {
    {"89", "4", ""},   {"200", "100", "7"}, {"100", "48", "5.3"}, {"6.3", "63", "6"},
    {"75", "50", "6"}, {"50", "5", ""},     {"20", "", ""},       {"20", "", ""},
    {"20", "", ""},    {"25", "8", ""},     {"10", "", ""},       {"2.8", "", ""},
};
static_assert(std::size(kTypicalTexts) == kCategoryCount, "one row per category");

void BM_Recalculate(benchmark::State& bench) {
    const auto category = static_cast<int>(bench.range(0));
    CalculatorState state;
    selectCategory(state, static_cast<Category>(category));
    const DimensionTexts& texts = kTypicalTexts[category - 1];
    for (auto _ : bench) {
        std::string result = recalculate(state, texts);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Recalculate)->DenseRange(1, kCategoryCount);

// A keystroke through the handlers and the in-memory window: the change handler reads
// the three fields and writes the result box.
void BM_KeystrokeThroughHandlers(benchmark::State& bench) {
    MemoryWindow window;
    Frmmetal form(window);
    form.Form_Load();
    window.userSetText(Control::comvalue1, "89");
    for (auto _ : bench) {
        window.userSetText(Control::Comvalue2, "4");
    }
}
BENCHMARK(BM_KeystrokeThroughHandlers);

void BM_CategorySwitch(benchmark::State& bench) {
    MemoryWindow window;
    Frmmetal form(window);
    form.Form_Load();
    int position = 0;
    for (auto _ : bench) {
        position = position == 1 ? 4 : 1;  // I-beam and unequal angle: three full lists
        window.userSelect(Control::lItem, position);
    }
}
BENCHMARK(BM_CategorySwitch);

void BM_PickIBeamHeight(benchmark::State& bench) {
    MemoryWindow window;
    Frmmetal form(window);
    form.Form_Load();
    window.userSelect(Control::lItem, 1);
    for (auto _ : bench) {
        window.userPick(Control::comvalue1, 5);
    }
}
BENCHMARK(BM_PickIBeamHeight);

void BM_ReadPastedMegabyte(benchmark::State& bench) {
    const std::string digits = "0." + std::string(1 << 20, '7');
    for (auto _ : bench) {
        benchmark::DoNotOptimize(readLeadingNumber(digits));
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) *
                            static_cast<std::int64_t>(digits.size()));
}
BENCHMARK(BM_ReadPastedMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace metalweight
