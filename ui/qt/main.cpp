// metalweight: the theoretical unit weight of metal sections and stock.
#include <QApplication>

#include "ui/Version.h"
#include "ui/qt/Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("metalweight"));
    QApplication::setApplicationVersion(QString::fromLatin1(metalweight::kVersionRecord));

    metalweight::Program program;
    program.start();
    return QApplication::exec();
}
