#pragma once

#include <functional>
#include <string_view>

#include "core/CalculatorState.h"
#include "presets/ValueFields.h"
#include "ui/WindowLayer.h"

namespace metalweight {

// The main window's logic: its event handlers and form methods, run against a window
// layer. It owns the one CalculatorState.
//
// A handler that selects an entry or sets a field's text from code has the window layer
// run the handler so caused at once, nested; start-up, the category selection, the
// emptying of the fields and the copying of presets all rest on that order.
class Frmmetal final : public FormEvents, private ValueFields {
  public:
    // Handlers by name, in the order they start; for tests that compare window layers.
    using HandlerTrace = std::function<void(std::string_view handler)>;

    explicit Frmmetal(WindowLayer& window);
    ~Frmmetal() override;
    Frmmetal(const Frmmetal&) = delete;
    Frmmetal& operator=(const Frmmetal&) = delete;

    [[nodiscard]] const CalculatorState& state() const { return state_; }
    void setHandlerTrace(HandlerTrace trace) { trace_ = std::move(trace); }

    // The window was loaded, still hidden.
    void Form_Load();

    void lItem_Click();
    void Comchoice_Click();
    void comvalue1_Change();
    void comvalue1_Click();
    void Comvalue2_Change();
    void Comvalue2_Click();
    void Comvalue3_Change();
    void Comvalue3_Click();
    void Tretunval_GotFocus();
    void Command1_Click();
    void Command2_Click();

    // FormEvents: route a control's event to its handler.
    void selectionMade(Control control) override;
    void textChanged(Control control) override;
    void entryPicked(Control control) override;
    void focusEntered(Control control) override;
    void pressed(Control control) override;

  private:
    void iscomchoicevalue();
    void comvlauex();
    void iniComboxValempty();
    void writecombo();
    void copyPreset(const PresetList& list, std::size_t& position, Control field);
    void traceRun(std::string_view handler) const;

    // ValueFields, for the preset build.
    void setFieldCaption(ValueField field, std::string_view caption) override;
    void clearField(ValueField field) override;
    std::string fieldItemText(ValueField field, int position) override;
    void addFieldItem(ValueField field, std::string_view text) override;

    WindowLayer& window_;
    CalculatorState state_;
    HandlerTrace trace_;
};

}  // namespace metalweight
