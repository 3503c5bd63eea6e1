#include "ui/qt/Widgets.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace metalweight {

CategoryList::CategoryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!fromCode_ && row >= 0) {
            emit userSelected();
        }
    });
}

void CategoryList::selectFromCode(int row) {
    fromCode_ = true;
    setCurrentRow(row);
    fromCode_ = false;
}

void CategoryList::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    // A click on the selected entry changes nothing in the list, but is a selection.
    const QListWidgetItem* clicked = itemAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && clicked != nullptr && row(clicked) == before &&
        currentRow() == before) {
        emit userSelected();
    }
}

QItemSelectionModel::SelectionFlags CategoryList::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        flags = QItemSelectionModel::ClearAndSelect;
    }
    return flags;
}

void ResultBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The focus coming back when the window is activated again or a drop-down list
    // closes is no move of the user's into the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    keepSelectionOnPress_ = event->reason() == Qt::MouseFocusReason;
    emit focusEntered();
}

void ResultBox::mousePressEvent(QMouseEvent* event) {
    if (keepSelectionOnPress_) {
        keepSelectionOnPress_ = false;
        const int start = selectionStart();
        const auto length = static_cast<int>(selectedText().size());
        QLineEdit::mousePressEvent(event);
        if (start >= 0) {
            setSelection(start, length);
        }
        return;
    }
    QLineEdit::mousePressEvent(event);
}

}  // namespace metalweight
