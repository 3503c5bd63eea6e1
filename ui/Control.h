#pragma once

#include <optional>
#include <string_view>

namespace metalweight {

// The fifteen controls of the main window, by their names.
enum class Control {
    Command2,
    Command1,
    lItem,
    Frame1,
    Comvalue3,
    Tretunval,
    Comvalue2,
    comvalue1,
    lName3,
    lreturn,
    lName2,
    lName1,
    Comchoice,
    Label5,
    Lbchoice,
};

inline constexpr Control kAllControls[] = {
    Control::Command2,  Control::Command1,  Control::lItem,     Control::Frame1, Control::Comvalue3,
    Control::Tretunval, Control::Comvalue2, Control::comvalue1, Control::lName3, Control::lreturn,
    Control::lName2,    Control::lName1,    Control::Comchoice, Control::Label5, Control::Lbchoice,
};

std::string_view controlName(Control control);
std::optional<Control> controlByName(std::string_view name);

// comvalue1, Comvalue2 and Comvalue3: the editable dimension fields.
bool isValueField(Control control);

}  // namespace metalweight
