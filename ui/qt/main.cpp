// metalweight: the theoretical unit weight of metal sections and stock.
#include <QApplication>

#include "Frmmetal.h"
#include "FrmmetalWindow.h"
#include "QtWindowLayer.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("metalweight"));
    QApplication::setApplicationVersion(QStringLiteral(METALWEIGHT_VERSION));

    metalweight::FrmmetalWindow window;
    metalweight::QtWindowLayer layer(window);
    metalweight::Frmmetal form(layer);
    form.Form_Load();

    window.centreOnScreen();
    window.Comchoice->setFocus();
    window.show();
    return QApplication::exec();
}
