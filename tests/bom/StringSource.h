#pragma once

#include <string_view>

#include "tools/bom/CsvReader.h"

namespace metalweight::bom {

// A decoded list held in memory, handed out in blocks of at most `blockLines` lines.
class StringSource final : public TextSource {
  public:
    explicit StringSource(std::string_view text, std::size_t blockLines = 4096)
        : text_(text), blockLines_(blockLines) {}

    bool readBlock(std::string& text) override {
        if (text_.empty()) {
            return false;
        }
        std::size_t end = 0;
        for (std::size_t lines = 0; lines < blockLines_ && end < text_.size(); ++lines) {
            const std::size_t lineEnd = text_.find('\n', end);
            end = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
        }
        text.append(text_.substr(0, end));
        text_.remove_prefix(end);
        return true;
    }

  private:
    std::string_view text_;
    std::size_t blockLines_;
};

}  // namespace metalweight::bom
