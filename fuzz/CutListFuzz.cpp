// The cut-list program on any bytes: the encoding check and decoding, the row reader,
// the columns and cells, and the designation parser for every category.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "tools/bom/CellText.h"
#include "tools/bom/CutList.h"
#include "tools/bom/Designation.h"
#include "tools/bom/InputText.h"

namespace {

using namespace metalweight;
using namespace metalweight::bom;

std::FILE* sink() {
    static std::FILE* file = std::fopen("/dev/null", "wb");
    return file;
}

void checkDesignation(Category category, std::string_view text) {
    const Designation designation = parseDesignation(category, text);
    if (!designation.error.empty()) {
        return;
    }
    for (const std::string_view dimension :
         std::span(designation.dimensions).first(designation.count)) {
        // The views stay inside the text and are plain decimals.
        if (dimension.data() < text.data() ||
            dimension.data() + dimension.size() > text.data() + text.size() ||
            !isPlainDecimal(dimension)) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The input's first bytes as a designation of the category its last byte picks: the
    // fuzzer steers every category's parser without paying for twelve on every input.
    const int category = 1 + (size == 0 ? 0 : data[size - 1] % kCategoryCount);
    checkDesignation(static_cast<Category>(category), text.substr(0, 64));

    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (in == nullptr) {
        return 0;  // fmemopen takes no empty buffer on some systems
    }
    RunOptions options;
    options.format =
        size % 3 == 0 ? Format::kJson : (size % 3 == 1 ? Format::kCsv : Format::kTable);
    options.keepGoing = true;
    {
        InputText input(in, "fuzz");
        Output output(sink());
        const int status = runCutList(input, options, output, sink());
        if (status != kRunSucceeded && status != kRunHadBadRows && status != kRunFailed) {
            std::abort();
        }
    }
    std::fclose(in);
    return 0;
}
