#include "tests/bom/RunCutList.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "tests/bom/StringSource.h"
#include "tools/bom/InputText.h"

namespace metalweight::bom::testing {
namespace {

// A file of this run's own, removed once closed. On Windows std::tmpfile is not that:
// the C runtime makes it in the root of the current drive (where a user may not write),
// under a name built from the process number, which another test program running at
// the same time, under another Wine server, can have too. There the system makes the
// file under a name no other file has, in the user's temporary folder.
std::FILE* temporaryFile() {
#ifdef _WIN32
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"mwb", 0, name) == 0) {
        return nullptr;
    }
    HANDLE file = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileW(name);
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(file);
        return nullptr;
    }
    return _fdopen(descriptor, "w+b");
#else
    return std::tmpfile();
#endif
}

RunResult run(TextSource* source, std::FILE* in, const std::string& name, Format format,
              bool keepGoing) {
    RunResult result;
    std::FILE* out = temporaryFile();
    std::FILE* diagnostics = temporaryFile();
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
