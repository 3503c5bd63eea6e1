#include "tools/bom/Utf8.h"

namespace metalweight::bom {

std::size_t validUtf8Prefix(std::string_view text) {
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead < 0xC2 || lead > 0xF4) {
            return i;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        // The second byte's range rules out overlong forms, surrogates and anything
        // above U+10FFFF; the others are any continuation byte.
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) {
            return i;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
                return i;
            }
        }
        i += length;
    }
    return text.size();
}

}  // namespace metalweight::bom
