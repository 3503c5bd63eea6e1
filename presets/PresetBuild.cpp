#include "presets/PresetBuild.h"

#include "core/NumberText.h"
#include "presets/DimensionPresets.h"

namespace metalweight {
namespace {

constexpr ValueField kFields[] = {ValueField::First, ValueField::Second, ValueField::Third};

PresetList toList(std::span<const double> values) {
    return {values.begin(), values.end()};
}

}  // namespace

void ComboxAdd_Fornext(ValueFields& fields, ValueField Ocombox, const PresetList& valueArray) {
    for (std::size_t i = 0; i < valueArray.size(); ++i) {
        const std::string text = presetText(valueArray[i]);
        bool add = true;
        // The list holds at most i entries here, since the caller cleared it first.
        for (std::size_t j = 0; j < i && add; ++j) {
            add = fields.fieldItemText(Ocombox, static_cast<int>(j)) != text;
        }
        if (add) {
            fields.addFieldItem(Ocombox, text);
        }
    }
}

void writevalues(CalculatorState& state, ValueFields& fields) {
    const DimensionPresets presets = dimensionPresets(categoryOf(state), state.choice);
    if (presets.row != nullptr) {
        state.valueList1 = toList(presets.row->list1);
        if (presets.listsBuilt >= 2) {
            state.valueList2 = toList(presets.row->list2);
        }
        if (presets.listsBuilt >= 3) {
            state.valueList3 = toList(presets.row->list3);
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        fields.setFieldCaption(kFields[i], presets.captions[i]);
    }
    for (const ValueField field : kFields) {
        fields.clearField(field);
    }
    ComboxAdd_Fornext(fields, ValueField::First, state.valueList1);
    if (state.valueCount >= 2) {
        ComboxAdd_Fornext(fields, ValueField::Second, state.valueList2);
    }
    if (state.valueCount >= 3) {
        ComboxAdd_Fornext(fields, ValueField::Third, state.valueList3);
    }
}

}  // namespace metalweight
