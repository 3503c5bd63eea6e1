// The UTF-8 check of a list takes sixteen bytes at a time where they are ASCII and
// Chinese; a byte-wise reading of RFC 3629's table is the reference it must match on
// every text, wherever a character or a fault falls in a block.
#include "tools/bom/InputText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace metalweight::bom {
namespace {

// The well-formed byte sequences of RFC 3629, by the range of each byte.
struct Form {
    std::vector<std::pair<unsigned char, unsigned char>> ranges;
};
const std::vector<Form>& forms() {
    static const std::vector<Form> all = {
        {{{0x00, 0x7F}}},
        {{{0xC2, 0xDF}, {0x80, 0xBF}}},
        {{{0xE0, 0xE0}, {0xA0, 0xBF}, {0x80, 0xBF}}},
        {{{0xE1, 0xEC}, {0x80, 0xBF}, {0x80, 0xBF}}},
        {{{0xED, 0xED}, {0x80, 0x9F}, {0x80, 0xBF}}},
        {{{0xEE, 0xEF}, {0x80, 0xBF}, {0x80, 0xBF}}},
        {{{0xF0, 0xF0}, {0x90, 0xBF}, {0x80, 0xBF}, {0x80, 0xBF}}},
        {{{0xF1, 0xF3}, {0x80, 0xBF}, {0x80, 0xBF}, {0x80, 0xBF}}},
        {{{0xF4, 0xF4}, {0x80, 0x8F}, {0x80, 0xBF}, {0x80, 0xBF}}},
    };
    return all;
}

std::size_t referencePrefix(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = 0;
        for (const Form& form : forms()) {
            bool fits = i + form.ranges.size() <= text.size();
            for (std::size_t k = 0; fits && k < form.ranges.size(); ++k) {
                const auto byte = static_cast<unsigned char>(text[i + k]);
                fits = byte >= form.ranges[k].first && byte <= form.ranges[k].second;
            }
            if (fits) {
                length = form.ranges.size();
                break;
            }
        }
        if (length == 0) {
            return i;
        }
        i += length;
    }
    return text.size();
}

TEST(Utf8, ListLikeTextWithFaultsAnywhereMatchesTheReference) {
    std::mt19937_64 random(20261209);
    // Pieces a list has, and a few it should not: most of them ASCII and Chinese.
    const std::vector<std::string> pieces = {"管道",
                                             ",",
                                             "57",
                                             "3.5",
                                             "第0件",
                                             "\r\n",
                                             "\n",
                                             "工字钢",
                                             "钢板",
                                             "abc",
                                             "×",
                                             "φ",
                                             "∅",
                                             "😀",
                                             "\xE0\xA0\x80",
                                             "\xED\x9F\xBF",
                                             "\xEF\xBF\xBF",
                                             "\xF4\x8F\xBF\xBF"};
    const std::vector<std::string> faults = {"\x80",
                                             "\xBF",
                                             "\xC0\x80",
                                             "\xC1\xBF",
                                             "\xE0\x80\x80",
                                             "\xED\xA0\x80",
                                             "\xF4\x90\x80\x80",
                                             "\xF5\x80\x80\x80",
                                             "\xFF",
                                             "\xE7\xAE",
                                             "\xE7",
                                             "\xF0\x9F\x98"};
    int faulty = 0;
    for (int n = 0; n < 40000; ++n) {
        std::string text;
        const auto count = random() % 40;
        for (std::size_t k = 0; k < count; ++k) {
            text += pieces[random() % pieces.size()];
        }
        if (random() % 2 == 0) {
            const std::string& fault = faults[random() % faults.size()];
            text.insert(random() % (text.size() + 1), fault);
        }
        const std::size_t expected = referencePrefix(text);
        faulty += expected < text.size() ? 1 : 0;
        ASSERT_EQ(validUtf8Prefix(text), expected) << n;
    }
    EXPECT_GT(faulty, 10000);
}

TEST(Utf8, AFaultAtEveryPlaceInAndAroundABlock) {
    // Chinese text long enough for several blocks, a fault put at every byte in turn:
    // inside characters, at their leads, and across the blocks' ends.
    std::string text;
    for (int k = 0; k < 8; ++k) {
        text += "管道,57,3.5,第" + std::to_string(k) + "件\n";
    }
    ASSERT_EQ(validUtf8Prefix(text), text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        for (const char byte : {'\x80', '\xFF', 'A', '\xE7'}) {
            std::string changed = text;
            changed[at] = byte;
            EXPECT_EQ(validUtf8Prefix(changed), referencePrefix(changed)) << at << ' ' << byte;
        }
        const std::string cut = text.substr(0, at);
        EXPECT_EQ(validUtf8Prefix(cut), referencePrefix(cut)) << at;
    }
}

}  // namespace
}  // namespace metalweight::bom
