#pragma once

#include "ui/Frmmetal.h"
#include "ui/qt/FrmmetalWindow.h"
#include "ui/qt/QtWindowLayer.h"
#include "ui/qt/ToolkitTranslation.h"

namespace metalweight {

// The program as it starts: the window with its controls, the window layer over them,
// and the handlers that own the calculation state.
class Program {
  public:
    explicit Program(QtWindowLayer::Ender ender = {})
        : layer(window, std::move(ender)), form(layer) {}

    // Loads the form while the window is hidden, then shows the window centred on the
    // screen with the focus in the choice list.
    void start() {
        form.Form_Load();
        window.Comchoice->setFocus();
        window.centreOnScreen();
        window.show();
        window.centreOnScreen();  // with the frame, where the platform knows it at once
    }

    // Before any control exists: every text of the toolkit's is then Chinese.
    ToolkitTranslation translation;
    FrmmetalWindow window;
    QtWindowLayer layer;
    Frmmetal form;
};

}  // namespace metalweight
