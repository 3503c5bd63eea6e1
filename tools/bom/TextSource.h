#pragma once

#include <string>

namespace metalweight::bom {

// Decoded UTF-8 text, handed out in blocks of whole lines.
class TextSource {
  public:
    virtual ~TextSource() = default;
    // Appends the next block to `text`: whole lines, the last one possibly without its
    // line end at the end of the input. Returns false, appending nothing, at the end.
    virtual bool readBlock(std::string& text) = 0;
};

}  // namespace metalweight::bom
