#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace metalweight::bom {

// Buffered writing to a file the caller owns, or appending to a text. A failed write is
// remembered, not thrown: the run checks `failed()` once it ends.
class Output {
  public:
    // Takes over the buffering of `file`, which must not have been written to yet: its
    // own buffer would only copy every byte once more.
    explicit Output(std::FILE* file) : file_(file), buffer_(own_) {
        std::setvbuf(file_, nullptr, _IONBF, 0);
        buffer_.reserve(kFlushAt + 4096);
    }
    // Appends to `text`, which outlives the output.
    explicit Output(std::string& text) : file_(nullptr), buffer_(text) {}
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Output& operator<<(std::string_view text) {
        buffer_ += text;
        if (file_ != nullptr && buffer_.size() >= kFlushAt) {
            flush();
        }
        return *this;
    }
    Output& operator<<(char c) {
        buffer_ += c;
        return *this;
    }
    // Writes a text that may be long: past the buffer, straight to the file.
    void write(std::string_view text);
    // A number in its shortest decimal text that reads back as exactly `value`.
    Output& number(double value);
    Output& number(std::uint64_t value);
    // Writes what is buffered; true when everything written so far reached the file.
    bool flush();
    [[nodiscard]] bool failed() const { return failed_; }

  private:
    static constexpr std::size_t kFlushAt = 1 << 16;
    std::FILE* file_;  // null for a text
    std::string own_;
    std::string& buffer_;
    bool failed_ = false;
};

// The shortest decimal text that reads back as exactly `value` ("168.3516", "6").
std::string numberText(double value);

}  // namespace metalweight::bom
