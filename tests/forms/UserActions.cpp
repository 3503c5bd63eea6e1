#include "tests/forms/UserActions.h"

#include <utility>

namespace metalweight {

std::string describeAction(const UserAction& action) {
    const std::string on = std::string(controlName(action.control));
    const std::string at = std::to_string(action.position);
    switch (action.kind) {
        case UserAction::Kind::SelectCategory:
            return "select category " + at;
        case UserAction::Kind::NextCategoryByKey:
            return "Down in the category list";
        case UserAction::Kind::SelectChoice:
            return "select choice " + at;
        case UserAction::Kind::Type:
            return "type \"" + action.text + "\" into " + on;
        case UserAction::Kind::Paste:
            return "paste \"" + action.text + "\" into " + on;
        case UserAction::Kind::Pick:
            return "pick entry " + at + " of " + on;
        case UserAction::Kind::FocusResult:
            return "click into the result";
        case UserAction::Kind::About:
            return "about";
    }
    return "?";
}

namespace {

UserAction act(UserAction::Kind kind, Control control = Control::lItem, int position = 0,
               std::string text = {}) {
    return {kind, control, position, std::move(text)};
}
UserAction selectCategory(int row) {
    return act(UserAction::Kind::SelectCategory, Control::lItem, row);
}
UserAction selectChoice(int row) {
    return act(UserAction::Kind::SelectChoice, Control::Comchoice, row);
}
UserAction type(Control field, std::string text) {
    return act(UserAction::Kind::Type, field, 0, std::move(text));
}
UserAction paste(Control field, std::string text) {
    return act(UserAction::Kind::Paste, field, 0, std::move(text));
}
UserAction pick(Control field, int row) {
    return act(UserAction::Kind::Pick, field, row);
}

}  // namespace

std::vector<UserAction> parityActions() {
    using K = UserAction::Kind;
    return {
        type(Control::comvalue1, "89"),
        type(Control::Comvalue2, "4.5"),
        act(K::FocusResult),
        selectChoice(2),
        pick(Control::comvalue1, 14),
        pick(Control::Comvalue2, 3),
        selectChoice(2),
        selectCategory(1),
        pick(Control::comvalue1, 5),
        pick(Control::Comvalue3, 0),
        type(Control::Comvalue3, "x"),
        selectChoice(3),
        pick(Control::comvalue1, 8),
        act(K::About),
        selectCategory(1),
        act(K::NextCategoryByKey),
        paste(Control::comvalue1, "12.5mm"),
        paste(Control::Comvalue2, "63"),
        type(Control::Comvalue3, "6"),
        selectCategory(6),
        pick(Control::comvalue1, 4),
        act(K::NextCategoryByKey),
        type(Control::comvalue1, "1e400"),
        selectCategory(10),
        type(Control::comvalue1, "10"),
        act(K::FocusResult),
        selectCategory(0),
    };
}

ReferenceWindow::ReferenceWindow() : form(window) {
    form.setHandlerTrace([this](std::string_view handler) { trace.emplace_back(handler); });
    form.Form_Load();
}

void ReferenceWindow::perform(const UserAction& action) {
    switch (action.kind) {
        case UserAction::Kind::SelectCategory:
        case UserAction::Kind::SelectChoice:
            window.userSelect(action.control, action.position);
            break;
        case UserAction::Kind::NextCategoryByKey:
            window.userSelect(Control::lItem, window.control(Control::lItem).selected + 1);
            break;
        case UserAction::Kind::Type:
            window.userType(action.control, action.text);
            break;
        case UserAction::Kind::Paste:
            window.userSetText(action.control, action.text);
            break;
        case UserAction::Kind::Pick:
            window.userPick(action.control, action.position);
            break;
        case UserAction::Kind::FocusResult:
            window.userFocus(Control::Tretunval);
            break;
        case UserAction::Kind::About:
            window.userPress(Control::Command2);
            window.takeMessages();
            break;
    }
}

}  // namespace metalweight
