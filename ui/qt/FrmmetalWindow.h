#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ui/Control.h"
#include "ui/qt/Widgets.h"

namespace metalweight {

// The main window and its fifteen controls: kinds, names, parents, geometry, stored
// captions and tab order. Geometry is kept in twips (15 to a pixel at 96 dpi) and
// scaled with the screen's logical dpi. It holds no logic; QtWindowLayer drives it.
class FrmmetalWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit FrmmetalWindow(QWidget* parent = nullptr);

    [[nodiscard]] QWidget* widget(Control control) const;

    CategoryList* lItem;
    QGroupBox* Frame1;
    QComboBox* Comchoice;
    QComboBox* comvalue1;
    QComboBox* Comvalue2;
    QComboBox* Comvalue3;
    QLabel* Label5;
    QLabel* Lbchoice;
    QLabel* lName1;
    QLabel* lName2;
    QLabel* lName3;
    QLabel* lreturn;
    ResultBox* Tretunval;
    QPushButton* Command1;
    QPushButton* Command2;

    // Pixels for a length in twips on this window's screen.
    [[nodiscard]] int pixels(int twips) const;

    // Centres the window, frame and all, on its screen's available area. A window
    // manager adds its frame only once the window is shown; the window then centres
    // itself once more, with the frame it has been given.
    void centreOnScreen();

  protected:
    bool event(QEvent* event) override;

  private:
    void centreFrame();
    bool awaitingFrame_ = false;
};

}  // namespace metalweight
