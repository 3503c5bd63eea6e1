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

// The result box. It reports the focus the user moves into it (Tab, Shift+Tab, a click,
// an access key), not the focus it gets back when the window is activated again or a
// drop-down list closes. The selection that the focus handler makes survives the mouse
// press that gave the focus, so a click selects the whole result as Tab does.
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
