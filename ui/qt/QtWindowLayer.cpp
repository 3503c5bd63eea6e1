#include "ui/qt/QtWindowLayer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

namespace metalweight {
namespace {

// The About box: its lines never wrap. A message box wraps its text once it is wider
// than half the screen, and at twice the scale the third line of the About text is.
// Only a box wider than the whole screen wraps.
class AboutBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest && linesWhole_) {
            // The message box would size itself anew, wrapping again: skip that step
            // only and keep the lines.
            const bool handled = QDialog::event(event);  // NOLINT(bugprone-parent-virtual-call)
            keepLinesWhole();
            return handled;
        }
        const bool handled = QMessageBox::event(event);
        // The message box sizes itself anew when shown and on a style, font or screen
        // change (a window manager's settings or work area arriving late), wrapping the
        // label again each time.
        if (isVisible() && (laysOutAnew(event->type()) || (linesWhole_ && labelWraps()))) {
            keepLinesWhole();
        }
        return handled;
    }

  private:
    static bool laysOutAnew(QEvent::Type type) {
        return type == QEvent::Show || type == QEvent::StyleChange || type == QEvent::FontChange ||
               type == QEvent::ApplicationFontChange || type == QEvent::ScreenChangeInternal;
    }
    [[nodiscard]] QLabel* messageLabel() const {
        return findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    }
    [[nodiscard]] bool labelWraps() const {
        const QLabel* label = messageLabel();
        return label != nullptr && label->wordWrap();
    }
    void keepLinesWhole() {
        QLabel* label = messageLabel();
        if (label == nullptr || layout() == nullptr) {
            return;
        }
        label->setWordWrap(false);
        layout()->activate();
        const QSize whole = layout()->totalMinimumSize();
        if (whole.width() > screen()->availableGeometry().width()) {
            linesWhole_ = false;
            label->setWordWrap(true);
            return;
        }
        linesWhole_ = true;
        setFixedSize(whole);
    }

    bool linesWhole_ = false;
};

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

// UTF-16 position of character `index` (a Unicode code point) of `text`.
int utf16Position(const QString& text, int index) {
    int position = 0;
    for (int i = 0; i < index && position < text.size(); ++i) {
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    }
    return position;
}

}  // namespace

QtWindowLayer::QtWindowLayer(FrmmetalWindow& window, Ender ender)
    : QObject(&window), window_(window), ender_(std::move(ender)) {
    if (!ender_) {
        ender_ = [] { QCoreApplication::exit(0); };
    }
    wireUserEvents();
}

void QtWindowLayer::wireUserEvents() {
    connect(window_.lItem, &CategoryList::userSelected, this,
            [this] { deliver([](FormEvents& e) { e.selectionMade(Control::lItem); }); });
    // `activated` comes only from the user, also when the same entry is chosen again.
    connect(window_.Comchoice, &QComboBox::activated, this,
            [this] { deliver([](FormEvents& e) { e.selectionMade(Control::Comchoice); }); });
    for (const Control control : {Control::comvalue1, Control::Comvalue2, Control::Comvalue3}) {
        QComboBox* field = combo(control);
        // `textEdited` comes from typing and pasting, never from a text set by code.
        connect(field->lineEdit(), &QLineEdit::textEdited, this,
                [this, control] { deliver([control](FormEvents& e) { e.textChanged(control); }); });
        // A combo box takes a typed text that matches an entry, when the field loses the
        // focus or Enter is pressed, as a pick of that entry. Only the user's choice
        // from the list is a pick here.
        disconnect(field->lineEdit(), &QLineEdit::editingFinished, field, nullptr);
        disconnect(field->lineEdit(), &QLineEdit::returnPressed, field, nullptr);
        connect(field, &QComboBox::activated, this,
                [this, control] { deliver([control](FormEvents& e) { e.entryPicked(control); }); });
        field->installEventFilter(this);
    }
    connect(window_.Tretunval, &ResultBox::focusEntered, this,
            [this] { deliver([](FormEvents& e) { e.focusEntered(Control::Tretunval); }); });
    connect(window_.Command1, &QPushButton::clicked, this,
            [this] { deliver([](FormEvents& e) { e.pressed(Control::Command1); }); });
    connect(window_.Command2, &QPushButton::clicked, this,
            [this] { deliver([](FormEvents& e) { e.pressed(Control::Command2); }); });
    // Esc presses Command1, the window's cancel button, as a dialog's Esc does: only a
    // key that no control and no open list or menu has taken reaches the window.
    window_.installEventFilter(this);
}

bool QtWindowLayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                window_.Command1->animateClick();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        // Enter in a value field neither picks an entry nor reaches a button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride) {
        // Alt with a letter is the window's access key (Alt+A), never typed text.
        if (static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::AltModifier)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void QtWindowLayer::deliver(const std::function<void(FormEvents&)>& handler) {
    if (events_ == nullptr) {
        return;
    }
    try {
        handler(*events_);
    } catch (const WindowLayerError& error) {
        qWarning("window layer: %s", error.what());
    }
}

QComboBox* QtWindowLayer::combo(Control control) const {
    auto* box = qobject_cast<QComboBox*>(window_.widget(control));
    if (box == nullptr) {
        throw WindowLayerError(std::string(controlName(control)) + " is no combo box");
    }
    return box;
}

std::string QtWindowLayer::windowCaption() {
    return toStdString(window_.windowTitle());
}

void QtWindowLayer::setWindowCaption(std::string_view caption) {
    window_.setWindowTitle(toQString(caption));
}

void QtWindowLayer::setCaption(Control control, std::string_view caption) {
    QWidget* target = window_.widget(control);
    if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(toQString(caption));
        // A caption names its field for screen readers, lists included, and the editor
        // of a value field, which holds the focus while the user types.
        if (QWidget* field = label->buddy()) {
            field->setAccessibleName(label->text());
            if (auto* box = qobject_cast<QComboBox*>(field); box != nullptr && box->isEditable()) {
                box->lineEdit()->setAccessibleName(label->text());
            }
        }
    } else if (auto* frame = qobject_cast<QGroupBox*>(target)) {
        frame->setTitle(toQString(caption));
    } else if (auto* button = qobject_cast<QPushButton*>(target)) {
        button->setText(toQString(caption));
    } else {
        throw WindowLayerError(std::string(controlName(control)) + " has no caption");
    }
}

void QtWindowLayer::setVisible(Control control, bool visible) {
    window_.widget(control)->setVisible(visible);
}

void QtWindowLayer::addItem(Control control, std::string_view text) {
    if (control == Control::lItem) {
        window_.lItem->addItem(toQString(text));
        return;
    }
    QComboBox* box = combo(control);
    // A combo box selects its first entry by itself and shows it in its field; the
    // list here only grows, the selection and the text stay as they were.
    const int index = box->currentIndex();
    const QString editText = box->isEditable() ? box->lineEdit()->text() : QString();
    box->addItem(toQString(text));
    if (box->currentIndex() != index) {
        box->setCurrentIndex(index);
    }
    if (box->isEditable() && box->lineEdit()->text() != editText) {
        box->lineEdit()->setText(editText);
    }
}

std::string QtWindowLayer::itemText(Control control, int position) {
    if (control == Control::lItem) {
        const QListWidgetItem* item = window_.lItem->item(position);
        return item != nullptr ? toStdString(item->text()) : std::string();
    }
    const QComboBox* box = combo(control);
    return position >= 0 && position < box->count() ? toStdString(box->itemText(position))
                                                    : std::string();
}

int QtWindowLayer::selectedPosition(Control control) {
    if (control == Control::lItem) {
        return window_.lItem->currentRow();
    }
    return combo(control)->currentIndex();
}

void QtWindowLayer::setSelectedPosition(Control control, int position) {
    if (control == Control::lItem) {
        if (position < -1 || position >= window_.lItem->count()) {
            throw WindowLayerError("no entry " + std::to_string(position) + " in lItem");
        }
        window_.lItem->selectFromCode(position);
    } else {
        QComboBox* box = combo(control);
        if (position < -1 || position >= box->count()) {
            throw WindowLayerError("no entry " + std::to_string(position) + " in " +
                                   std::string(controlName(control)));
        }
        box->setCurrentIndex(position);
    }
    if (events_ != nullptr && !isValueField(control)) {
        events_->selectionMade(control);
    }
}

void QtWindowLayer::clear(Control control) {
    if (control == Control::lItem) {
        window_.lItem->clear();
        return;
    }
    QComboBox* box = combo(control);
    box->clear();
    if (box->isEditable()) {
        box->lineEdit()->clear();
    }
}

std::string QtWindowLayer::text(Control control) {
    if (control == Control::Tretunval) {
        return toStdString(window_.Tretunval->text());
    }
    return toStdString(combo(control)->lineEdit()->text());
}

void QtWindowLayer::setText(Control control, std::string_view text) {
    if (control == Control::Tretunval) {
        window_.Tretunval->setText(toQString(text));
        return;
    }
    if (!isValueField(control)) {
        throw WindowLayerError(std::string(controlName(control)) + " has no text");
    }
    combo(control)->lineEdit()->setText(toQString(text));
    if (events_ != nullptr) {
        events_->textChanged(control);
    }
}

void QtWindowLayer::setTextSelection(Control control, int start, int length) {
    if (control != Control::Tretunval) {
        throw WindowLayerError(std::string(controlName(control)) + " has no text selection");
    }
    ResultBox* box = window_.Tretunval;
    const QString text = box->text();
    const int from = utf16Position(text, start);
    const int to = utf16Position(text, start + length);
    if (to > from) {
        box->setSelection(from, to - from);
    } else {
        box->deselect();
    }
}

void QtWindowLayer::showMessage(std::string_view text, std::string_view title) {
    // The message separates its lines with carriage returns; on screen each is a break.
    QString shown = toQString(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    AboutBox box(QMessageBox::Information, toQString(title), shown, QMessageBox::Ok, &window_);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtWindowLayer::endProgram() {
    window_.hide();
    ender_();
}

}  // namespace metalweight
