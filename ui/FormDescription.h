#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "ui/Control.h"

namespace metalweight {

// The main window's controls as plain data, for every window layer to build the same
// window from: kind, parent, place, stored caption or text and tab index, in the order
// the window creates them (parents before children). Places are in twips, 15 to a pixel
// at 96 dots per inch.

enum class ControlKind {
    PushButton,
    ListBox,
    Frame,
    ValueCombo,    // an editable drop-down combo box
    DropDownList,  // a drop-down list that can only be picked from
    TextBox,
    Label,
};

struct TwipsRect {
    int left, top, width, height;
};

struct ControlDescription {
    Control control;
    ControlKind kind;
    // The frame that holds the control, or none for a control of the window. A held
    // control's place counts from the frame's outer top-left corner.
    std::optional<Control> parent;
    TwipsRect place;
    int tabIndex;
    // A label's, the frame's or a button's caption; a text box's or value field's text.
    std::string_view storedText;
};

inline constexpr int kClientWidthTwips = 5955;
inline constexpr int kClientHeightTwips = 3870;
inline constexpr int kTwipsPerPixelAt96Dpi = 15;

inline constexpr std::array<ControlDescription, std::size(kAllControls)> kFormControls = {{
    {Control::Command2,
     ControlKind::PushButton,
     std::nullopt,
     {4560, 840, 1215, 375},
     14,
     "关于(&A)"},
    {Control::Command1, ControlKind::PushButton, std::nullopt, {4560, 240, 1215, 375}, 13, "关闭"},
    {Control::lItem, ControlKind::ListBox, std::nullopt, {120, 360, 2055, 2580}, 10, ""},
    {Control::Frame1, ControlKind::Frame, std::nullopt, {2400, 120, 1935, 3555}, 2, "Frame1"},
    {Control::Comvalue3,
     ControlKind::ValueCombo,
     Control::Frame1,
     {240, 2040, 1455, 300},
     11,
     "Combo4"},
    {Control::Tretunval, ControlKind::TextBox, Control::Frame1, {240, 3000, 1455, 315}, 5, ""},
    {Control::Comvalue2, ControlKind::ValueCombo, Control::Frame1, {240, 1320, 1455, 300}, 4, ""},
    {Control::comvalue1,
     ControlKind::ValueCombo,
     Control::Frame1,
     {240, 585, 1455, 300},
     3,
     "comvalue1"},
    {Control::lName3, ControlKind::Label, Control::Frame1, {240, 1800, 1575, 255}, 12, "Label6"},
    {Control::lreturn, ControlKind::Label, Control::Frame1, {240, 2760, 1575, 375}, 8, "Label4"},
    {Control::lName2, ControlKind::Label, Control::Frame1, {240, 1080, 1575, 255}, 7, "Label3"},
    {Control::lName1, ControlKind::Label, Control::Frame1, {240, 360, 1575, 255}, 6, "label1"},
    {Control::Comchoice, ControlKind::DropDownList, std::nullopt, {105, 3375, 2055, 300}, 0, ""},
    {Control::Label5, ControlKind::Label, std::nullopt, {120, 120, 2175, 255}, 9, "计算类别:"},
    {Control::Lbchoice, ControlKind::Label, std::nullopt, {120, 3120, 1455, 255}, 1, "label2"},
}};

const ControlDescription& describe(Control control);

// The controls that take the keyboard focus, in tab order (labels and the frame carry
// tab indexes too but never take it).
std::array<Control, 8> tabOrder();

// The control's place in the window's client area, in twips.
TwipsRect placeInClientArea(Control control);

// Pixels for a length in twips at `dpi` dots per inch, to the nearest pixel.
int twipsToPixels(int twips, double dpi);

// The control that names a field for screen readers: its caption just above it.
std::optional<Control> captionOf(Control field);

}  // namespace metalweight
