// Feeds arbitrary bytes as the three field texts of every category and choice through
// the recalculation and checks its contract: the result is empty or a number with
// exactly four decimals (never a sign, "inf" or "nan"), and the same texts always give
// the same result.
//
// Input: one byte picks the category and choice; the rest is split at the first two
// 0xFF bytes into the three texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Catalogue.h"
#include "core/Choices.h"
#include "core/Recalculation.h"

namespace {

bool isWeightText(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || text.size() - point - 1 != 4) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != point && (text[i] < '0' || text[i] > '9')) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace metalweight;
    if (size == 0) {
        return 0;
    }
    const int category = data[0] % kCategoryCount + 1;
    const int choice = (data[0] / kCategoryCount) % kAluminium + 1;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t first = rest.find('\xFF');
    const std::size_t second =
        first == std::string_view::npos ? std::string_view::npos : rest.find('\xFF', first + 1);
    const DimensionTexts texts{
        rest.substr(0, first),
        first == std::string_view::npos ? std::string_view()
                                        : rest.substr(first + 1, second - first - 1),
        second == std::string_view::npos ? std::string_view() : rest.substr(second + 1)};

    CalculatorState state;
    const auto key = static_cast<Category>(category);
    selectCategory(state, key, key == kPipe ? choice : (choice - 1) % kTypeC + 1);
    const std::string result = recalculate(state, texts);
    if (!result.empty() && !isWeightText(result)) {
        std::abort();
    }
    CalculatorState again = state;
    again.unitWeight = -1.0;  // what an earlier run left must not matter
    if (recalculate(again, texts) != result) {
        std::abort();
    }
    return 0;
}
