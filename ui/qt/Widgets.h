#pragma once

#include <QLineEdit>
#include <QListWidget>

namespace metalweight {

// The category list: a plain single-selection list box whose entry, once selected,
// cannot be deselected with Ctrl+click. It reports every selection the user makes,
// by mouse or keyboard, also a click on the entry that is already selected.
class CategoryList final : public QListWidget {
    Q_OBJECT
public:
    explicit CategoryList(QWidget* parent);

    // Sets the selected entry without reporting it.
    void selectFromCode(int row);

signals:
    void userSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    bool fromCode_ = false;
};

// The result box. Focus by Tab or by a click selects its whole text: the selection
// that the focus handler makes survives the mouse press that gave the focus.
class ResultBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent) : QLineEdit(parent) {}

signals:
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool keepSelectionOnPress_ = false;
};

}  // namespace metalweight
