#pragma once

#include "core/CalculatorState.h"
#include "presets/ValueFields.h"

namespace metalweight {

// Puts the values of `valueArray` into the list of `Ocombox` in array order, each
// distinct text once: a value whose text one of the entries before its position
// already shows is skipped.
void ComboxAdd_Fornext(ValueFields& fields, ValueField Ocombox, const PresetList& valueArray);

// The preset build for the state's category and choice: stores the preset lists the
// category uses, writes the three field captions, clears the three fields and refills
// the lists of the fields the category uses.
void writevalues(CalculatorState& state, ValueFields& fields);

}  // namespace metalweight
