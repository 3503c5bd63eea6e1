#include "ui/Control.h"

#include <array>

namespace metalweight {
namespace {

constexpr std::array<std::string_view, std::size(kAllControls)> kNames = {
    "Command2", "Command1", "lItem",  "Frame1", "Comvalue3", "Tretunval", "Comvalue2", "comvalue1",
    "lName3",   "lreturn",  "lName2", "lName1", "Comchoice", "Label5",    "Lbchoice",
};

}  // namespace

std::string_view controlName(Control control) {
    return kNames[static_cast<std::size_t>(control)];
}

std::optional<Control> controlByName(std::string_view name) {
    for (const Control control : kAllControls) {
        if (controlName(control) == name) {
            return control;
        }
    }
    return std::nullopt;
}

bool isValueField(Control control) {
    return control == Control::comvalue1 || control == Control::Comvalue2 ||
           control == Control::Comvalue3;
}

}  // namespace metalweight
