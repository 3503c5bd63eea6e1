// metalweight-bom: the weight of a whole cut list, with the window's own unit weights.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "tools/bom/CutList.h"
#include "tools/bom/InputText.h"
#include "tools/bom/SystemText.h"
#include "ui/Version.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace metalweight::bom;

// The report for -o goes to a new file beside the named one, which takes its place only
// once the report is complete: an existing file is never left half-written.
class ReplacedFile {
  public:
    explicit ReplacedFile(const std::string& target) : target_(pathOf(target)) {}
    ~ReplacedFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
            std::error_code ignored;
            std::filesystem::remove(temporary_, ignored);
        }
    }
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    std::FILE* open() {
#ifdef _WIN32
        std::wstring pattern = target_.wstring() + L".XXXXXX";
        if (_wmktemp_s(pattern.data(), pattern.size() + 1) != 0) {
            return nullptr;
        }
        file_ = _wfopen(pattern.c_str(), L"wb");
#else
        std::string pattern = target_.string() + ".XXXXXX";
        const int descriptor = mkstemp(pattern.data());
        file_ = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
#endif
        temporary_ = pattern;
        return file_;
    }

    // Closes the new file and puts it in the target's place.
    bool commit() {
        std::error_code error;
        if (std::fclose(std::exchange(file_, nullptr)) == 0) {
            std::filesystem::rename(temporary_, target_, error);
            if (!error) {
                return true;
            }
        }
        std::filesystem::remove(temporary_, error);
        return false;
    }

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
};

int run(const std::vector<std::string>& arguments) {
    CLI::App app{
        "金属材料单重计算：按下料清单算出每一行的单重、单件重量和总重量，"
        "以及按类别的合计和总重量。",
        "metalweight-bom"};
    std::string format;
    std::string outputName;
    RunOptions options;
    const std::map<std::string, Format> formats = {
        {"table", Format::kTable}, {"csv", Format::kCsv}, {"json", Format::kJson}};
    app.add_option("--format", format,
                   "输出格式：table（终端上的默认）、csv（其他时候的默认）或 json")
        ->check(CLI::IsMember({"table", "csv", "json"}));
    app.add_option("-o,--output", outputName, "写到这个文件（完成后才替换已有的文件）");
    app.add_flag("--keep-going", options.keepGoing,
                 "报告所有有错的行，照样算出其余的行；退出状态仍为 1");
    app.add_option("FILE", options.inputName, "清单文件（CSV 或制表符分隔）；- 或不写为标准输入");
    // Not "/o" for "-o" on Windows: a path such as /data/list.csv is a file there too.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", "metalweight-bom " +
                                          std::to_string(metalweight::kVersionMajor) + "." +
                                          std::to_string(metalweight::kVersionMinor) + "." +
                                          std::to_string(metalweight::kVersionRevision));
    try {
        // CLI11 takes the arguments after the program's own name, the last one first.
        const auto name = arguments.empty() ? arguments.rend() : arguments.rend() - 1;
        app.parse(std::vector<std::string>(arguments.rbegin(), name));
    } catch (const CLI::ParseError& error) {
        // --help, --version and a bad option, through the console's own text on Windows.
        std::ostringstream out;
        std::ostringstream err;
        const int status = app.exit(error, out, err);
        writeText(stdout, out.str());
        writeText(stderr, err.str());
        return status == 0 ? 0 : kRunFailed;
    }

#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const bool toTerminal = outputName.empty() && isTerminal(stdout);
    options.format =
        format.empty() ? (toTerminal ? Format::kTable : Format::kCsv) : formats.at(format);

    std::FILE* in = stdin;
    if (options.inputName != "-") {
        in = openFile(options.inputName, "rb");
        if (in == nullptr) {
            writeLine(stderr, options.inputName + ": 打不开：" + std::strerror(errno));
            return kRunFailed;
        }
    }
    std::optional<ReplacedFile> replaced;
    std::FILE* out = stdout;
    if (!outputName.empty()) {
        replaced.emplace(outputName);
        out = replaced->open();
        if (out == nullptr) {
            writeLine(stderr, outputName + ": 不能在它旁边建立文件：" + std::strerror(errno));
            return kRunFailed;
        }
    }
    int status = kRunFailed;
    try {
        InputText text(in, options.inputName);
        Output output(out);
        status = runCutList(text, options, output, stderr);
    } catch (const InputError& error) {
        writeLine(stderr, error.what());
    }
    if (in != stdin) {
        std::fclose(in);
    }
    // With --keep-going, a report with bad rows left out is complete, and written.
    const bool complete =
        status == kRunSucceeded || (status == kRunHadBadRows && options.keepGoing);
    if (replaced && complete && !replaced->commit()) {
        writeLine(stderr, outputName + ": 不能替换：" + std::strerror(errno));
        return kRunFailed;
    }
    return status;
}
}  // namespace

int main(int argc, char** argv) {
    try {
        return run(programArguments(argc, argv));
    } catch (const std::exception& error) {  // out of memory, or a file system error
        writeLine(stderr, std::string("metalweight-bom: ") + error.what());
        return kRunFailed;
    }
}
