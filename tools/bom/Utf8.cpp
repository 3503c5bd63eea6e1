#include "tools/bom/Utf8.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace metalweight::bom {

std::size_t validUtf8Prefix(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // Most of a cut list is ASCII: eight bytes at a time while it lasts, then on to
        // the first byte that is not.
        if (i + 8 <= size) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + i, sizeof word);
            const std::uint64_t high = word & 0x8080808080808080ULL;
            if (high == 0) {
                i += 8;
                continue;
            }
            if constexpr (std::endian::native == std::endian::little) {
                i += static_cast<std::size_t>(std::countr_zero(high)) / 8;
            }
        }
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // Chinese text is three-byte sequences of the common form: take them in one step.
        if (lead >= 0xE1 && lead <= 0xEC && i + 3 <= size && (bytes[i + 1] & 0xC0) == 0x80 &&
            (bytes[i + 2] & 0xC0) == 0x80) {
            i += 3;
            continue;
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
            return i;
        }
        if (i + length > size || bytes[i + 1] < low || bytes[i + 1] > high) {
            return i;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (bytes[i + k] < 0x80 || bytes[i + k] > 0xBF) {
                return i;
            }
        }
        i += length;
    }
    return size;
}

}  // namespace metalweight::bom
