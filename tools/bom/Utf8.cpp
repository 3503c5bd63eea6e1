#include "tools/bom/Utf8.h"

namespace metalweight::bom {
namespace {

// The length of the well-formed character at `i` (which is before `size`), or 0.
std::size_t characterLength(const unsigned char* bytes, std::size_t i, std::size_t size) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > size || bytes[i + 1] < low || bytes[i + 1] > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (bytes[i + k] < 0x80 || bytes[i + k] > 0xBF) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::size_t validUtf8Prefix(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = characterLength(bytes, i, text.size());
        if (length == 0) {
            return i;
        }
        i += length;
    }
    return text.size();
}

}  // namespace metalweight::bom
