#pragma once

#include <QObject>
#include <functional>

#include "ui/WindowLayer.h"
#include "ui/qt/FrmmetalWindow.h"

namespace metalweight {

// The window layer over the Qt widgets of FrmmetalWindow.
//
// What the user does reaches the handlers this way: a selection in lItem (mouse or
// keyboard, also of the entry already selected) or in Comchoice (an entry chosen from
// its list, by mouse, keyboard or wheel) runs the selection handler; an edit of a value
// field's text runs its change handler once per edit; an entry chosen from a value
// field's drop-down runs its click handler only; the focus entering Tretunval runs its
// focus handler; a press of Command1 or Command2 (mouse, Space, Alt+A, or Esc for
// Command1) runs its click handler. A change made from code runs its handler at once,
// exactly once; the signals Qt emits for it run nothing.
class QtWindowLayer final : public QObject, public WindowLayer {
    Q_OBJECT
  public:
    // How the program ends; by default the application's event loop is left.
    using Ender = std::function<void()>;

    explicit QtWindowLayer(FrmmetalWindow& window, Ender ender = {});

    void setEventSink(FormEvents* events) override { events_ = events; }
    std::string windowCaption() override;
    void setWindowCaption(std::string_view caption) override;
    void setCaption(Control control, std::string_view caption) override;
    void setVisible(Control control, bool visible) override;
    void addItem(Control control, std::string_view text) override;
    std::string itemText(Control control, int position) override;
    int selectedPosition(Control control) override;
    void setSelectedPosition(Control control, int position) override;
    void clear(Control control) override;
    std::string text(Control control) override;
    void setText(Control control, std::string_view text) override;
    void setTextSelection(Control control, int start, int length) override;
    void showMessage(std::string_view text, std::string_view title) override;
    void endProgram() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs a handler for a user action; a failing window call ends it there.
    void deliver(const std::function<void(FormEvents&)>& handler);
    [[nodiscard]] QComboBox* combo(Control control) const;
    void wireUserEvents();

    FrmmetalWindow& window_;
    Ender ender_;
    FormEvents* events_ = nullptr;
};

}  // namespace metalweight
