#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace metalweight::bom {

// A text an Output writes into. Its room is not filled before it is written, as a
// std::string's would be, and it keeps its storage when cleared: a batch's report text
// starts again at no cost.
class TextBuffer {
  public:
    [[nodiscard]] std::string_view view() const { return {data_.get(), size_}; }
    [[nodiscard]] bool empty() const { return size_ == 0; }
    void clear() { size_ = 0; }

  private:
    friend class Output;
    // Room for `capacity` bytes, keeping the first `keep`.
    void reserve(std::size_t capacity, std::size_t keep);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// Buffered writing to a file the caller owns, or appending to a text. A failed write is
// remembered, not thrown: the run checks `failed()` once it ends.
//
// A report is many short pieces a row, so the buffer is written through a pointer and
// short pieces are copied inline: a call to memcpy for each would cost more than the copy.
class Output {
  public:
    // Takes over the buffering of `file`, which must not have been written to yet: its
    // own buffer would only copy every byte once more.
    explicit Output(std::FILE* file);
    // Appends to `text`, which holds what was written once the output is flushed or gone.
    explicit Output(TextBuffer& text);
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Inline whatever the compiler would decide: a row is a score of these. A file's
    // buffer is written out when it has no room left.
    [[gnu::always_inline]] Output& operator<<(std::string_view text) {
        if (text.size() > capacity_ - used_) {
            makeRoom(text.size());
        }
        copy(data_ + used_, text.data(), text.size());
        used_ += text.size();
        return *this;
    }
    Output& operator<<(char c) {
        if (used_ == capacity_) {
            makeRoom(1);
        }
        data_[used_++] = c;
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
    // Bytes in the text so far, those before the output began included (text only).
    [[nodiscard]] std::size_t size() const { return used_; }

  private:
    static constexpr std::size_t kBufferSize = 1 << 16;  // a file's

    // Copies of up to 32 bytes are two overlapping loads and stores of the widest
    // width that fits, so that a piece of any length takes a few steps and no loop.
    template <typename Word>
    static void copyTwice(char* to, const char* from, std::size_t size) {
        Word head{};
        Word tail{};
        std::memcpy(&head, from, sizeof head);
        std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
        std::memcpy(to, &head, sizeof head);
        std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
    }
    struct Sixteen {
        std::uint64_t low;
        std::uint64_t high;
    };
    static void copy(char* to, const char* from, std::size_t size) {
        if (size >= 8) {
            if (size <= 16) {
                copyTwice<std::uint64_t>(to, from, size);
            } else if (size <= 32) {
                copyTwice<Sixteen>(to, from, size);
            } else {
                std::memcpy(to, from, size);
            }
        } else if (size >= 4) {
            copyTwice<std::uint32_t>(to, from, size);
        } else if (size > 0) {
            // One to three bytes: the first, the middle and the last.
            to[0] = from[0];
            to[size / 2] = from[size / 2];
            to[size - 1] = from[size - 1];
        }
    }
    // Room for `size` more bytes: the file's buffer written out, or the text grown.
    void makeRoom(std::size_t size);
    // A number's text, written straight into the buffer by `write`, which returns its
    // end; `longest` bounds it.
    template <typename Write>
    Output& writeNumber(std::size_t longest, Write write);

    std::FILE* file_;    // null for a text
    TextBuffer own_;     // the file's buffer
    TextBuffer& store_;  // own_, or the text
    char* data_ = nullptr;
    std::size_t used_ = 0;
    std::size_t capacity_ = 0;
    bool failed_ = false;
};

// The shortest decimal text that reads back as exactly `value` ("168.3516", "6").
std::string numberText(double value);

}  // namespace metalweight::bom
