#include "tools/bom/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// Checks sixteen bytes for ASCII and three-byte characters of the common form, a lead
// from E1 to EC and two continuation bytes, as Chinese text is: false when a byte is of
// another kind or out of place. `pending` holds, in its two low bits, where this block
// must begin with continuation bytes of a character the block before began, and is
// set for the next.
bool commonCharacters(const unsigned char* at, unsigned& pending) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(block));
    const __m128i fromE1 = _mm_sub_epi8(block, _mm_set1_epi8(static_cast<char>(0xE1)));
    const __m128i upToEC = _mm_set1_epi8(0x0B);
    const auto leads = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(fromE1, upToEC), fromE1)));
    const auto continuations = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_cmpeq_epi8(_mm_and_si128(block, _mm_set1_epi8(static_cast<char>(0xC0))),
                       _mm_set1_epi8(static_cast<char>(0x80)))));
    // Where continuation bytes must be: after each lead, bits 16 and 17 past the block.
    const unsigned expected = (leads << 1) | (leads << 2) | pending;
    const unsigned kinds = (~nonAscii & 0xFFFFU) | leads | continuations;
    if (((~kinds | (continuations ^ expected)) & 0xFFFFU) != 0) {
        return false;
    }
    pending = expected >> 16;
    return true;
}
#endif

}  // namespace

std::size_t validUtf8Prefix(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;  // a character's start
    while (i < size) {
        std::size_t until = size;
#if defined(__SSE2__)
        // Most of a cut list is ASCII and Chinese: sixteen bytes at a time while they
        // are. Each block's start follows from the last by a fixed step, so that the
        // loads do not wait for the checks.
        unsigned pending = 0;
        for (; i + 16 <= size && commonCharacters(bytes + i, pending); i += 16) {
        }
        // Back to the start of the character the block begins inside (its lead one or
        // two bytes before), then character by character to the end of the block.
        i -= pending == 3 ? 1 : (pending == 1 ? 2 : 0);
        until = std::min(size, i + 18);
#endif
        for (; i < until;) {
            const std::size_t length = characterLength(bytes, i, size);
            if (length == 0) {
                return i;
            }
            i += length;
        }
    }
    return size;
}

}  // namespace metalweight::bom
