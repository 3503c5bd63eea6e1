#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "Frmmetal.h"
#include "FrmmetalWindow.h"
#include "QtWindowLayer.h"

namespace metalweight {

// The real window with its layer and handlers, started as the program starts it, with
// the handlers it runs recorded and the end of the program caught.
struct RunningWindow {
    RunningWindow() : layer(window, [this] { ended = true; }), form(layer) {
        form.setHandlerTrace([this](std::string_view handler) { trace.emplace_back(handler); });
        form.Form_Load();
        window.centreOnScreen();
        window.Comchoice->setFocus();
        window.show();
        window.activateWindow();
    }

    bool waitUntilActive() { return QTest::qWaitForWindowActive(&window); }

    // Clicks an entry of the category list.
    void clickCategory(int row) {
        QListWidget* list = window.lItem;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    // Opens a combo box's drop-down and clicks an entry in it.
    static void pickFromList(QComboBox* combo, int row) {
        combo->setFocus(Qt::MouseFocusReason);  // the click that opens the list
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        if (!QTest::qWaitForWindowExposed(view->window())) {
            qWarning("the drop-down list did not show");
        }
        const QModelIndex entry = view->model()->index(row, 0);
        view->scrollTo(entry);  // the list shows ten entries at a time
        const QRect rect = view->visualRect(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    FrmmetalWindow window;
    bool ended = false;
    QtWindowLayer layer;
    Frmmetal form;
    std::vector<std::string> trace;
};

}  // namespace metalweight
