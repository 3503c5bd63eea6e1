// A long random sequence of user actions through the handlers over the in-memory
// window, with the invariants of the window and the state checked after every action.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Choices.h"
#include "core/Recalculation.h"
#include "tests/FixedWeights.h"
#include "tools/scenario/MemoryWindow.h"
#include "ui/Frmmetal.h"

namespace metalweight {
namespace {

constexpr Control kValueFields[] = {Control::comvalue1, Control::Comvalue2, Control::Comvalue3};

// Pieces that random texts are made of: digits, signs, points, exponents, units,
// blanks, letters, Chinese text and control characters.
const std::vector<std::string> kPieces = {
    "0",  "1",    "2",    "5",     "9",  "12.5",   ".",      "-",   "+",
    "e",  "E",    "E400", "e-3",   " ",  "\t",     "mm",     "x",   "钢",
    "，", "\x01", "\x7f", "1e400", "-0", "+.5E-3", "0.0001", "630", "",
};

class Storm {
  public:
    explicit Storm(unsigned seed) : random_(seed), form_(window_) { form_.Form_Load(); }

    void step() {
        switch (pick(8)) {
            case 0:
                window_.userSelect(Control::lItem, pick(kCategoryCount));
                resultTyped_ = false;
                break;
            case 1:
                if (visible(Control::Comchoice)) {
                    window_.userSelect(Control::Comchoice, pick(listSize(Control::Comchoice)));
                    resultTyped_ = false;
                }
                break;
            case 2:
            case 3: {
                const Control field = visibleField();
                const std::string text = randomText();
                window_.userType(field, text);
                resultTyped_ = resultTyped_ && text.empty();  // typing nothing runs nothing
                break;
            }
            case 4: {
                const Control field = visibleField();
                window_.userSetText(field, randomText());
                resultTyped_ = false;
                break;
            }
            case 5: {
                const Control field = visibleField();
                if (listSize(field) > 0) {
                    window_.userPick(field, pick(listSize(field)));
                    resultTyped_ = false;
                }
                break;
            }
            case 6:
                if (pick(4) == 0) {
                    window_.userType(Control::Tretunval, randomText());
                    resultTyped_ = true;
                } else {
                    window_.userFocus(Control::Tretunval);
                }
                break;
            default:
                window_.userPress(Control::Command2);
                ASSERT_EQ(window_.takeMessages().size(), 1U);
                break;
        }
    }

    void checkInvariants() {
        const CalculatorState& state = form_.state();
        ASSERT_GE(state.category, 1);
        ASSERT_LE(state.category, kCategoryCount);
        const CategoryInfo& row = catalogueRow(state.category);
        ASSERT_EQ(state.hasChoice, row.hasChoice);
        ASSERT_EQ(state.valueCount, row.valueCount);
        ASSERT_EQ(window_.control(Control::lItem).selected + 1, state.category);
        if (state.category == kPipe) {
            ASSERT_EQ(state.densityFactor,
                      kMaterials[static_cast<std::size_t>(state.choice - 1)].densityFactor);
        } else {
            ASSERT_EQ(state.densityFactor, 0.785);
        }

        // Visibility follows the category, and hidden fields hold nothing.
        ASSERT_EQ(visible(Control::Comchoice), state.hasChoice);
        ASSERT_EQ(visible(Control::Lbchoice), state.hasChoice);
        for (int i = 0; i < 3; ++i) {
            const Control field = kValueFields[i];
            ASSERT_EQ(visible(field), i < state.valueCount);
            if (i >= state.valueCount) {
                ASSERT_EQ(window_.control(field).text, "");
                ASSERT_TRUE(window_.control(field).items.empty());
            }
        }

        // No list holds an entry twice.
        for (const Control list : {Control::lItem, Control::Comchoice, Control::comvalue1,
                                   Control::Comvalue2, Control::Comvalue3}) {
            const auto& items = window_.control(list).items;
            ASSERT_EQ(std::set<std::string>(items.begin(), items.end()).size(), items.size());
        }

        // The result box shows what a fresh recalculation of the current texts gives.
        if (!resultTyped_) {
            CalculatorState fresh = state;
            const std::string expected =
                recalculate(fresh, {window_.control(Control::comvalue1).text,
                                    window_.control(Control::Comvalue2).text,
                                    window_.control(Control::Comvalue3).text});
            ASSERT_EQ(window_.control(Control::Tretunval).text, expected);
        }
    }

    // Selects the fixed input's category (and the first choice) and types its texts as a
    // user would: the result must be the worked-out text.
    void probe(const FixedWeight& fixed) {
        window_.userSelect(Control::lItem, fixed.category - 1);
        if (form_.state().hasChoice) {
            window_.userSelect(Control::Comchoice, fixed.choice);
        }
        for (int i = 0; i < form_.state().valueCount; ++i) {
            window_.userType(kValueFields[i], fixed.texts[i]);
        }
        resultTyped_ = false;
        ASSERT_EQ(window_.control(Control::Tretunval).text, fixed.result)
            << catalogueRow(fixed.category).name;
    }

  private:
    int pick(std::size_t count) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_);
    }
    bool visible(Control control) const { return window_.control(control).visible; }
    std::size_t listSize(Control control) const { return window_.control(control).items.size(); }
    Control visibleField() {
        return kValueFields[pick(static_cast<std::size_t>(form_.state().valueCount))];
    }
    std::string randomText() {
        std::string text;
        for (int i = pick(5); i >= 0; --i) {
            text += kPieces[static_cast<std::size_t>(pick(kPieces.size()))];
        }
        return text;
    }

    std::mt19937 random_;
    MemoryWindow window_;
    Frmmetal form_;
    bool resultTyped_ = false;
};

TEST(EventStorm, HundredThousandRandomActionsKeepInvariants) {
    Storm storm(20261207U);
    storm.checkInvariants();
    for (int action = 0; action < 100000; ++action) {
        storm.step();
        ASSERT_NO_FATAL_FAILURE(storm.checkInvariants()) << "after action " << action;
        if (action % 1000 == 999) {
            const auto which = static_cast<std::size_t>(action / 1000) % std::size(kFixedWeights);
            ASSERT_NO_FATAL_FAILURE(storm.probe(kFixedWeights[which])) << "after action " << action;
        }
    }
}

}  // namespace
}  // namespace metalweight
