// metalweight-screenshot OUTPUT.png: starts the calculator's window, picks the I-beam
// category and the height 180 with real input events, and saves a picture of the
// window, for the documentation.
#include <QAbstractItemView>
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "ui/qt/Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: metalweight-screenshot OUTPUT.png\n");
        return 2;
    }
    metalweight::Program program;
    program.start();
    metalweight::FrmmetalWindow& window = program.window;
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }

    QListWidget* categories = window.lItem;
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                      categories->visualItemRect(categories->item(1)).center());
    QComboBox* heights = window.comvalue1;
    heights->showPopup();
    QAbstractItemView* list = heights->view();
    QTest::qWait(200);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(5, 0)).center());
    QTest::qWait(200);

    const QPixmap picture = window.grab();
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
