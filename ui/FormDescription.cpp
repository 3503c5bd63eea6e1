#include "ui/FormDescription.h"

#include <algorithm>
#include <cmath>

namespace metalweight {
namespace {

constexpr bool tableFollowsControls() {
    for (std::size_t i = 0; i < std::size(kFormControls); ++i) {
        if (kFormControls.at(i).control != kAllControls[i]) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsControls(), "the form's table lists the controls in creation order");

}  // namespace

const ControlDescription& describe(Control control) {
    // The table is in creation order, which is also the order of the Control values.
    return kFormControls[static_cast<std::size_t>(control)];
}

std::array<Control, 8> tabOrder() {
    std::array<ControlDescription, std::size(kFormControls)> byIndex = kFormControls;
    std::sort(byIndex.begin(), byIndex.end(),
              [](const auto& a, const auto& b) { return a.tabIndex < b.tabIndex; });
    std::array<Control, 8> order{};
    std::size_t next = 0;
    for (const ControlDescription& d : byIndex) {
        if (d.kind != ControlKind::Label && d.kind != ControlKind::Frame) {
            order.at(next++) = d.control;
        }
    }
    return order;
}

TwipsRect placeInClientArea(Control control) {
    const ControlDescription& d = describe(control);
    TwipsRect place = d.place;
    if (d.parent) {
        place.left += describe(*d.parent).place.left;
        place.top += describe(*d.parent).place.top;
    }
    return place;
}

int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 96.0 / kTwipsPerPixelAt96Dpi));
}

std::optional<Control> captionOf(Control field) {
    switch (field) {
        case Control::lItem:
            return Control::Label5;
        case Control::Comchoice:
            return Control::Lbchoice;
        case Control::comvalue1:
            return Control::lName1;
        case Control::Comvalue2:
            return Control::lName2;
        case Control::Comvalue3:
            return Control::lName3;
        case Control::Tretunval:
            return Control::lreturn;
        default:
            return std::nullopt;
    }
}

}  // namespace metalweight
