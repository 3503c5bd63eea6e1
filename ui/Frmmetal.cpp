#include "ui/Frmmetal.h"

#include <string>

#include "core/Catalogue.h"
#include "core/Choices.h"
#include "core/NumberText.h"
#include "core/Recalculation.h"
#include "presets/PresetBuild.h"
#include "ui/AboutText.h"
#include "ui/FormDescription.h"

namespace metalweight {
namespace {

constexpr std::string_view kWindowTitle = "金属材料单重计算";

Control fieldControl(ValueField field) {
    switch (field) {
        case ValueField::First:
            return Control::comvalue1;
        case ValueField::Second:
            return Control::Comvalue2;
        case ValueField::Third:
            return Control::Comvalue3;
    }
    return Control::comvalue1;
}

// Characters of a UTF-8 text: every byte that does not continue a sequence.
int characterCount(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

}  // namespace

Frmmetal::Frmmetal(WindowLayer& window) : window_(window) {
    window_.setEventSink(this);
}

Frmmetal::~Frmmetal() {
    window_.setEventSink(nullptr);
}

void Frmmetal::traceRun(std::string_view handler) const {
    if (trace_) {
        trace_(handler);
    }
}

void Frmmetal::Form_Load() {
    traceRun("Form_Load");
    for (const CategoryInfo& row : kCatalogue) {
        window_.addItem(Control::lItem, row.name);
    }
    window_.setWindowCaption(kWindowTitle);
    window_.setSelectedPosition(Control::lItem, 0);
    // Selects the first material once more: the material step runs again and leaves
    // the state as the category selection left it.
    window_.setSelectedPosition(Control::Comchoice, 0);
}

void Frmmetal::lItem_Click() {
    traceRun("lItem_Click");
    const int position = window_.selectedPosition(Control::lItem);
    if (position < 0 || position >= kCategoryCount) {
        return;  // nothing selected: no category to switch to
    }
    applyCategoryStep(state_, position);
    window_.setCaption(Control::Frame1, window_.itemText(Control::lItem, state_.category - 1));
    window_.setCaption(Control::lreturn, catalogueRow(state_.category).resultCaption);
    iscomchoicevalue();
    comvlauex();
    if (state_.hasChoice) {
        writecombo();  // its selection of the first entry runs the preset build
    } else {
        writevalues(state_, *this);
    }
    iniComboxValempty();
}

void Frmmetal::Comchoice_Click() {
    traceRun("Comchoice_Click");
    const int position = window_.selectedPosition(Control::Comchoice);
    if (position < 0) {
        return;
    }
    applyChoice(state_, position);
    writevalues(state_, *this);
    iniComboxValempty();
    // The new material's density only once the fields are empty, so no weight is ever
    // shown with the factor of the previous material.
    applyMaterialDensity(state_);
}

void Frmmetal::comvalue1_Change() {
    traceRun("comvalue1_Change");
    const std::string first = window_.text(Control::comvalue1);
    const std::string second = window_.text(Control::Comvalue2);
    const std::string third = window_.text(Control::Comvalue3);
    // Emptied before any check, so a rejected input never leaves an old result.
    window_.setText(Control::Tretunval, "");
    const std::string result = recalculate(state_, {first, second, third});
    if (!result.empty()) {
        window_.setText(Control::Tretunval, result);
    }
}

void Frmmetal::comvalue1_Click() {
    traceRun("comvalue1_Click");
    const int picked = window_.selectedPosition(Control::comvalue1);
    if (picked < 0) {
        return;
    }
    // Positions are taken in the preset lists, which pair entry by entry; the lists of
    // the other fields may show fewer entries, since repeats are listed once.
    auto position = static_cast<std::size_t>(picked);
    if (state_.valueCount >= 2) {
        copyPreset(state_.valueList2, position, Control::Comvalue2);
    }
    if (state_.valueCount >= 3) {
        copyPreset(state_.valueList3, position, Control::Comvalue3);
    }
    Comvalue2_Change();
}

// Puts entry `position` of `list` into `field`; a list shorter than that gives its last
// entry, and the position stays reduced for the next list.
void Frmmetal::copyPreset(const PresetList& list, std::size_t& position, Control field) {
    if (list.empty()) {
        return;
    }
    if (position >= list.size()) {
        position = list.size() - 1;
    }
    window_.setText(field, presetText(list[position]));
}

void Frmmetal::Comvalue2_Change() {
    traceRun("Comvalue2_Change");
    comvalue1_Change();
}

void Frmmetal::Comvalue2_Click() {
    traceRun("Comvalue2_Click");
    comvalue1_Change();
}

void Frmmetal::Comvalue3_Change() {
    traceRun("Comvalue3_Change");
    comvalue1_Change();
}

void Frmmetal::Comvalue3_Click() {
    traceRun("Comvalue3_Click");
    comvalue1_Change();
}

void Frmmetal::Tretunval_GotFocus() {
    traceRun("Tretunval_GotFocus");
    window_.setTextSelection(Control::Tretunval, 0,
                             characterCount(window_.text(Control::Tretunval)));
}

void Frmmetal::Command1_Click() {
    traceRun("Command1_Click");
    window_.endProgram();
}

void Frmmetal::Command2_Click() {
    traceRun("Command2_Click");
    const std::string message = aboutMessage(programVersion());
    window_.showMessage(message, window_.windowCaption());
}

void Frmmetal::iscomchoicevalue() {
    window_.setVisible(Control::Comchoice, state_.hasChoice);
    window_.setVisible(Control::Lbchoice, state_.hasChoice);
}

void Frmmetal::comvlauex() {
    const int count = state_.valueCount;
    window_.setVisible(Control::comvalue1, count >= 1);
    window_.setVisible(Control::lName1, count >= 1);
    window_.setVisible(Control::Comvalue2, count >= 2);
    window_.setVisible(Control::lName2, count >= 2);
    window_.setVisible(Control::Comvalue3, count >= 3);
    window_.setVisible(Control::lName3, count >= 3);
}

void Frmmetal::iniComboxValempty() {
    // Each of the first three runs its field's change handler: the recalculation runs
    // on partly emptied fields and ends with an empty result.
    window_.setText(Control::comvalue1, "");
    window_.setText(Control::Comvalue2, "");
    window_.setText(Control::Comvalue3, "");
    window_.setText(Control::Tretunval, "");
}

void Frmmetal::writecombo() {
    window_.clear(Control::Comchoice);
    const std::string categoryName = window_.itemText(Control::lItem, state_.category - 1);
    window_.setCaption(Control::Lbchoice, choiceCaption(state_.category, categoryName));
    for (const std::string_view entry : choiceEntries(state_.category)) {
        window_.addItem(Control::Comchoice, entry);
    }
    window_.setSelectedPosition(Control::Comchoice, 0);
}

void Frmmetal::selectionMade(Control control) {
    if (control == Control::lItem) {
        lItem_Click();
    } else if (control == Control::Comchoice) {
        Comchoice_Click();
    }
}

void Frmmetal::textChanged(Control control) {
    if (control == Control::comvalue1) {
        comvalue1_Change();
    } else if (control == Control::Comvalue2) {
        Comvalue2_Change();
    } else if (control == Control::Comvalue3) {
        Comvalue3_Change();
    }
}

void Frmmetal::entryPicked(Control control) {
    if (control == Control::comvalue1) {
        comvalue1_Click();
    } else if (control == Control::Comvalue2) {
        Comvalue2_Click();
    } else if (control == Control::Comvalue3) {
        Comvalue3_Click();
    }
}

void Frmmetal::focusEntered(Control control) {
    if (control == Control::Tretunval) {
        Tretunval_GotFocus();
    }
}

void Frmmetal::pressed(Control control) {
    if (control == Control::Command1) {
        Command1_Click();
    } else if (control == Control::Command2) {
        Command2_Click();
    }
}

void Frmmetal::setFieldCaption(ValueField field, std::string_view caption) {
    // A field's caption is the label above it (lName1 over comvalue1, ...).
    window_.setCaption(*captionOf(fieldControl(field)), caption);
}

void Frmmetal::clearField(ValueField field) {
    window_.clear(fieldControl(field));
}

std::string Frmmetal::fieldItemText(ValueField field, int position) {
    return window_.itemText(fieldControl(field), position);
}

void Frmmetal::addFieldItem(ValueField field, std::string_view text) {
    window_.addItem(fieldControl(field), text);
}

}  // namespace metalweight
