#pragma once

#include <string>
#include <string_view>

namespace metalweight {

// The three dimension fields (comvalue1, Comvalue2, Comvalue3) with their caption
// labels (lName1, lName2, lName3).
enum class ValueField { First, Second, Third };

// What the preset build needs of the window: the captions of the field labels and the
// drop-down lists of the value fields.
class ValueFields {
  public:
    virtual ~ValueFields() = default;
    virtual void setFieldCaption(ValueField field, std::string_view caption) = 0;
    // Removes every list entry and empties the field's text; runs no handler.
    virtual void clearField(ValueField field) = 0;
    // The text of the list entry at `position`; empty at or past the end of the list.
    virtual std::string fieldItemText(ValueField field, int position) = 0;
    virtual void addFieldItem(ValueField field, std::string_view text) = 0;
};

}  // namespace metalweight
