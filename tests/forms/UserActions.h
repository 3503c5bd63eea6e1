#pragma once

#include <string>
#include <vector>

#include "tools/scenario/MemoryWindow.h"
#include "ui/Frmmetal.h"

namespace metalweight {

// One thing a user does to the window, whatever draws it. Each window layer's tests do
// it with real input on their own controls; the in-memory window is the reference.
struct UserAction {
    enum class Kind {
        SelectCategory,     // a click on entry `position` of lItem
        NextCategoryByKey,  // Down in lItem
        SelectChoice,       // entry `position` picked from Comchoice's list by mouse
        Type,               // `text` typed at the end of `control`, key by key
        Paste,              // `control`'s whole text replaced by pasting `text`
        Pick,               // entry `position` picked from `control`'s list by mouse
        FocusResult,        // a click into Tretunval, the focus coming from lItem
        About,              // Command2 pressed, and its box closed with Enter
    };
    Kind kind;
    Control control = Control::lItem;
    int position = 0;
    std::string text;
};

// What the action is, for a failure message.
std::string describeAction(const UserAction& action);

// The run every window layer is compared with the in-memory window on: every kind of
// action, nested events (picks that fill other fields, selections that empty them),
// three-field and one-field categories.
std::vector<UserAction> parityActions();

// The in-memory window with its handlers, started as the program starts, recording
// the handlers it runs.
struct ReferenceWindow {
    ReferenceWindow();
    void perform(const UserAction& action);

    MemoryWindow window;
    Frmmetal form;
    std::vector<std::string> trace;
};

}  // namespace metalweight
