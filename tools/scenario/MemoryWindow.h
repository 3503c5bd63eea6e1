#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/WindowLayer.h"

namespace metalweight {

// A window layer held in memory: the controls' captions, texts, lists, selections and
// visibility, with the event rules of the real window. It runs the form's handlers
// without a screen, for the scenario runner and the tests.
class MemoryWindow final : public WindowLayer {
  public:
    struct ControlData {
        std::string caption;  // labels, frame and buttons
        std::string text;     // value fields and Tretunval
        std::vector<std::string> items;
        int selected = -1;
        bool visible = true;
        int selectionStart = 0;  // in characters, Tretunval only
        int selectionLength = 0;
    };

    struct Message {
        std::string text;
        std::string title;
    };

    // The controls as the window creates them, with their stored captions and texts.
    MemoryWindow();

    [[nodiscard]] const ControlData& control(Control control) const { return data(control); }
    [[nodiscard]] const std::string& caption() const { return caption_; }
    [[nodiscard]] bool ended() const { return ended_; }
    // The selected part of Tretunval's text.
    [[nodiscard]] std::string selectedText(Control control) const;
    // The message boxes shown so far, oldest first; taking them empties the list.
    std::vector<Message> takeMessages();

    // What the user does. The caller has checked that the control can take the action
    // (visible, position inside the list).
    void userSelect(Control control, int position);
    // Types `text` at the end of the field, one character at a time: the change handler
    // runs once per character.
    void userType(Control control, std::string_view text);
    // Replaces the whole text at once: the change handler runs once.
    void userSetText(Control control, std::string_view text);
    // Picks a list entry: the text becomes the entry's text; the click handler runs.
    void userPick(Control control, int position);
    void userFocus(Control control);
    void userPress(Control control);
    // The close box of the title bar: the program ends, no handler runs.
    void userClose() { ended_ = true; }

    // WindowLayer
    void setEventSink(FormEvents* events) override { events_ = events; }
    std::string windowCaption() override { return caption_; }
    void setWindowCaption(std::string_view caption) override { caption_ = caption; }
    void setCaption(Control control, std::string_view caption) override;
    void setVisible(Control control, bool visible) override;
    void addItem(Control control, std::string_view text) override;
    std::string itemText(Control control, int position) override;
    int selectedPosition(Control control) override { return data(control).selected; }
    void setSelectedPosition(Control control, int position) override;
    void clear(Control control) override;
    std::string text(Control control) override { return data(control).text; }
    void setText(Control control, std::string_view text) override;
    void setTextSelection(Control control, int start, int length) override;
    void showMessage(std::string_view text, std::string_view title) override;
    void endProgram() override { ended_ = true; }

  private:
    ControlData& data(Control control) { return controls_[static_cast<std::size_t>(control)]; }
    [[nodiscard]] const ControlData& data(Control control) const {
        return controls_[static_cast<std::size_t>(control)];
    }
    // A text changed: a value field's list selection and Tretunval's text selection go.
    void textEdited(Control control);
    void changed(Control control);

    std::array<ControlData, std::size(kAllControls)> controls_;
    std::string caption_ = "Frmmetal";
    FormEvents* events_ = nullptr;
    std::vector<Message> messages_;
    bool ended_ = false;
};

}  // namespace metalweight
