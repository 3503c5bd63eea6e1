#include "tests/bom/RunCutList.h"

#include "tools/bom/InputText.h"
#include "tools/bom/StringSource.h"

namespace metalweight::bom::testing {
namespace {

RunResult run(TextSource* source, std::FILE* in, const std::string& name, Format format,
              bool keepGoing) {
    RunResult result;
    std::FILE* out = std::tmpfile();
    std::FILE* diagnostics = std::tmpfile();
    if (out == nullptr || diagnostics == nullptr) {
        result.diagnostics = "no temporary file";
        return result;
    }
    RunOptions options;
    options.format = format;
    options.keepGoing = keepGoing;
    options.inputName = name;
    {
        Output output(out);
        try {
            if (source != nullptr) {
                result.status = runCutList(*source, options, output, diagnostics);
            } else {
                InputText text(in, name);
                result.status = runCutList(text, options, output, diagnostics);
            }
        } catch (const InputError& error) {
            std::fprintf(diagnostics, "%s\n", error.what());
            result.status = kRunFailed;
        }
    }
    result.output = readBack(out);
    result.diagnostics = readBack(diagnostics);
    return result;
}

}  // namespace

RunResult runFile(const std::filesystem::path& path, Format format, bool keepGoing) {
    std::FILE* in = std::fopen(path.string().c_str(), "rb");
    if (in == nullptr) {
        return {"", "cannot open " + path.string(), -1};
    }
    RunResult result = run(nullptr, in, path.filename().string(), format, keepGoing);
    std::fclose(in);
    return result;
}

RunResult runText(std::string_view text, Format format, bool keepGoing) {
    StringSource source(text);
    return run(&source, nullptr, "-", format, keepGoing);
}

}  // namespace metalweight::bom::testing
