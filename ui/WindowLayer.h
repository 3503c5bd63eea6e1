#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace metalweight {

// A window-layer operation that could not be carried out. It ends the handler that made
// the call and every handler it is nested in; the layer that delivered the event
// catches it, and the window goes on taking events.
class WindowLayerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The handlers a window layer runs on its controls' events.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    // lItem or Comchoice: an entry was selected (by the user or from code).
    virtual void selectionMade(Control control) = 0;
    // A value field's text changed (typed, or set from code).
    virtual void textChanged(Control control) = 0;
    // An entry was picked from a value field's drop-down list.
    virtual void entryPicked(Control control) = 0;
    // Tretunval received the keyboard focus.
    virtual void focusEntered(Control control) = 0;
    // Command1 or Command2 was pressed.
    virtual void pressed(Control control) = 0;
};

// The operations the form's handlers perform on the window and its controls.
//
// Event rules every implementation keeps: setting the selected position of lItem or
// Comchoice runs FormEvents::selectionMade at once, also when the position does not
// change; setting the text of a value field runs FormEvents::textChanged at once, also
// when the text does not change. Each runs to its end before the call returns. Nothing
// else that the handlers do raises an event.
class WindowLayer {
  public:
    virtual ~WindowLayer() = default;

    virtual void setEventSink(FormEvents* events) = 0;

    virtual std::string windowCaption() = 0;
    virtual void setWindowCaption(std::string_view caption) = 0;

    // Frame1 and the labels.
    virtual void setCaption(Control control, std::string_view caption) = 0;
    virtual void setVisible(Control control, bool visible) = 0;

    // lItem, Comchoice and the value fields.
    virtual void addItem(Control control, std::string_view text) = 0;
    // The entry's text; empty at or past the end of the list.
    virtual std::string itemText(Control control, int position) = 0;
    // -1 when nothing is selected.
    virtual int selectedPosition(Control control) = 0;
    virtual void setSelectedPosition(Control control, int position) = 0;
    // Removes every entry; a value field's text becomes empty too. Runs no handler.
    virtual void clear(Control control) = 0;

    // The value fields and Tretunval.
    virtual std::string text(Control control) = 0;
    virtual void setText(Control control, std::string_view text) = 0;
    // Selects `length` characters from character `start` of Tretunval's text.
    virtual void setTextSelection(Control control, int start, int length) = 0;

    // A modal information box with one OK button; returns when the user closes it.
    virtual void showMessage(std::string_view text, std::string_view title) = 0;
    // Ends the program at once; no handler runs on the way out.
    virtual void endProgram() = 0;
};

}  // namespace metalweight
