#include "ui/qt/ToolkitTranslation.h"

#include <QCoreApplication>

namespace metalweight {

ToolkitTranslation::ToolkitTranslation() {
    if (translator_.load(QStringLiteral(":/translations/qtbase_zh_CN.qm"))) {
        QCoreApplication::installTranslator(&translator_);
    } else {
        qWarning("the toolkit's Chinese translation is missing from the program");
    }
}

ToolkitTranslation::~ToolkitTranslation() {
    QCoreApplication::removeTranslator(&translator_);
}

}  // namespace metalweight
