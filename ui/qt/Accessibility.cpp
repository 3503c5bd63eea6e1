#include "ui/qt/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "ui/qt/FrmmetalWindow.h"

namespace metalweight {
namespace {

// A drop-down of the window: named by its caption, valued by its text.
class DropDownAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DropDownAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return current();
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.editable = combo()->isEditable();
        state.readOnly = !combo()->isEditable();
        return state;
    }

    // The list of entries first, then the editor of a value field, as Qt's own
    // drop-down has them.
    [[nodiscard]] int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(combo()->view());
        }
        if (index == 1 && combo()->isEditable()) {
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        }
        return nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        if (child->object() == combo()->view()) {
            return 0;
        }
        return combo()->isEditable() && child->object() == combo()->lineEdit() ? 1 : -1;
    }
    // With the focus in a value field the typing goes to its editor.
    [[nodiscard]] QAccessibleInterface* focusChild() const override {
        if (combo()->isEditable() && combo()->hasFocus()) {
            return child(1);
        }
        return QAccessibleWidget::focusChild();
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    // The current text, read only: no selection, the caret at its start.
    [[nodiscard]] QString text(int startOffset, int endOffset) const override {
        return current().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(current().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    [[nodiscard]] QRect characterRect(int) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

  private:
    [[nodiscard]] QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    [[nodiscard]] QString current() const {
        return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
    }
};

QAccessibleInterface* windowInterfaces(const QString& /*className*/, QObject* object) {
    if (auto* window = qobject_cast<FrmmetalWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    auto* combo = qobject_cast<QComboBox*>(object);
    if (combo != nullptr && qobject_cast<FrmmetalWindow*>(combo->window()) != nullptr) {
        return new DropDownAccessible(combo);
    }
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(windowInterfaces);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace metalweight
