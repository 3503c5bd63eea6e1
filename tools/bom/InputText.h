#pragma once

#include <cstddef>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tools/bom/CsvReader.h"
#include "tools/bom/Gb18030.h"

namespace metalweight::bom {

// The length of the longest prefix of `text` that is well-formed UTF-8 (no overlong
// forms, no surrogates, nothing above U+10FFFF): text.size() when all of it is.
std::size_t validUtf8Prefix(std::string_view text);

// An input that cannot be read as a cut list at all: the program ends with status 2.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A cut list read from a file in UTF-8 (with or without a byte-order mark) or, when it
// is not valid UTF-8, in GB18030. A file that can be searched is checked as a whole
// first, so a GB18030 list whose first lines happen to be valid UTF-8 is still read as
// GB18030; a pipe is read once, and switches to GB18030 at its first byte that is not
// UTF-8 when everything before it was ASCII, which both encodings read alike.
class InputText final : public TextSource {
  public:
    // Reads `file`, which stays owned by the caller; `name` is used in messages. A file
    // that can be searched is checked when the first block is read.
    InputText(std::FILE* file, std::string name);
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;

    bool readBlock(std::string& text) override;

  private:
    enum class Encoding { kUndecided, kUtf8, kGb18030 };
    void decideFromWholeFile();
    void fill();
    void decodePart(std::size_t length, std::string& text);
    [[noreturn]] void fail(std::size_t offset, std::string_view what) const;

    std::FILE* file_;
    std::string name_;
    std::string raw_;
    bool end_ = false;
    bool start_ = true;
    bool sawNonAscii_ = false;
    bool checkedWhole_ = false;       // the whole file was checked before reading
    long long firstNonUtf8Line_ = 0;  // found by that check; 0 when none was found
    long long linesBefore_ = 0;       // line ends in the input before raw_
    Encoding encoding_ = Encoding::kUndecided;
};

}  // namespace metalweight::bom
