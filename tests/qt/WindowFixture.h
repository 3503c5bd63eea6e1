#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/qt/PagerActivation.h"
#include "ui/qt/Program.h"

namespace metalweight {

// How long a test waits for the window system (a window shown or activated, a popup
// opened or closed) before it fails. A wait ends as soon as the thing happens; the bound
// is wide because a busy machine, with a sanitizer build, can take seconds for it, and a
// verdict must not depend on how busy the machine is.
inline constexpr int kWindowSystemPatienceMs = 60000;

// The real window with its layer and handlers, started as the program starts it, with
// the handlers it runs recorded and the end of the program caught.
struct RunningWindow {
    RunningWindow() : program([this] { ended = true; }) {
        form.setHandlerTrace([this](std::string_view handler) { trace.emplace_back(handler); });
        program.start();
        window.activateWindow();
    }

    // Waits for the window to become active. When the window manager has not made it so
    // within a few seconds, it is asked once more, as a pager asks, and waited for again.
    bool waitUntilActive() {
        constexpr int kBeforeAskingAgainMs = 5000;
        if (QTest::qWaitForWindowActive(&window, kBeforeAskingAgainMs)) {
            return true;
        }
        requestActivationAsPager(window);
        return QTest::qWaitForWindowActive(&window, kWindowSystemPatienceMs);
    }

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
        if (!QTest::qWaitForWindowExposed(view->window(), kWindowSystemPatienceMs)) {
            qWarning("the drop-down list did not show");
        }
        const QModelIndex entry = view->model()->index(row, 0);
        view->scrollTo(entry);  // the list shows ten entries at a time
        const QRect rect = view->visualRect(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    bool ended = false;
    Program program;
    FrmmetalWindow& window = program.window;
    QtWindowLayer& layer = program.layer;
    Frmmetal& form = program.form;
    std::vector<std::string> trace;
};

}  // namespace metalweight
