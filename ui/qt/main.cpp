// metalweight: the theoretical unit weight of metal sections and stock.
#include <QApplication>

#include "Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("metalweight"));
    QApplication::setApplicationVersion(QStringLiteral(METALWEIGHT_VERSION));

    metalweight::Program program;
    program.start();
    return QApplication::exec();
}
