#pragma once

#include <cstddef>
#include <string_view>

namespace metalweight::bom {

// The length of the longest prefix of `text` that is well-formed UTF-8 (no overlong
// forms, no surrogates, nothing above U+10FFFF): text.size() when all of it is.
std::size_t validUtf8Prefix(std::string_view text);

}  // namespace metalweight::bom
