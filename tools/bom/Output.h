#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace metalweight::bom {

// Buffered writing to a file the caller owns. A failed write is remembered, not thrown:
// the run checks the last `flush()`.
class Output {
  public:
    explicit Output(std::FILE* file) : file_(file) {}
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Output& operator<<(std::string_view text) {
        buffer_.append(text);
        if (buffer_.size() >= kBufferSize) {
            flush();
        }
        return *this;
    }
    Output& operator<<(char c) { return *this << std::string_view(&c, 1); }
    // A number in its shortest decimal text that reads back as exactly `value`.
    Output& number(double value);
    // Writes what is buffered; true when everything written so far reached the file.
    bool flush();

  private:
    static constexpr std::size_t kBufferSize = 1 << 16;

    std::FILE* file_;
    std::string buffer_;  // bytes not written yet
    bool failed_ = false;
};

// The shortest decimal text that reads back as exactly `value` ("168.3516", "6"), as
// std::to_chars writes it: fixed or scientific, whichever is shorter.
std::string numberText(double value);

}  // namespace metalweight::bom
