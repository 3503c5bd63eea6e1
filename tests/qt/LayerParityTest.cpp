// The same user actions through the Qt window and through the in-memory window run the
// same handlers, in the same order, and leave the same texts.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "tests/forms/UserActions.h"
#include "tests/qt/WindowFixture.h"

namespace metalweight {

namespace {

QComboBox* field(FrmmetalWindow& window, Control control) {
    return control == Control::comvalue1   ? window.comvalue1
           : control == Control::Comvalue2 ? window.Comvalue2
                                           : window.Comvalue3;
}

// Does the action with real key and mouse events on the Qt widgets.
void perform(RunningWindow& w, const UserAction& action) {
    const QString text = QString::fromStdString(action.text);
    switch (action.kind) {
        case UserAction::Kind::SelectCategory:
            w.clickCategory(action.position);
            break;
        case UserAction::Kind::NextCategoryByKey:
            QTest::keyClick(w.window.lItem, Qt::Key_Down);
            break;
        case UserAction::Kind::SelectChoice:
            RunningWindow::pickFromList(w.window.Comchoice, action.position);
            break;
        case UserAction::Kind::Type:
            QTest::keyClicks(field(w.window, action.control), text);
            break;
        case UserAction::Kind::Paste: {
            QApplication::clipboard()->setText(text);
            QLineEdit* edit = field(w.window, action.control)->lineEdit();
            edit->setFocus();
            QTest::keySequence(edit, QKeySequence::SelectAll);
            QTest::keySequence(edit, QKeySequence::Paste);
            break;
        }
        case UserAction::Kind::Pick:
            RunningWindow::pickFromList(field(w.window, action.control), action.position);
            break;
        case UserAction::Kind::FocusResult:
            w.window.lItem->setFocus();
            QTest::mouseClick(w.window.Tretunval, Qt::LeftButton, {}, QPoint(4, 4));
            break;
        case UserAction::Kind::About:
            QTimer::singleShot(0, [] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    QTest::keyClick(box, Qt::Key_Return);
                }
            });
            QTest::mouseClick(w.window.Command2, Qt::LeftButton);
            // The window manager hands the activation back when the box closes.
            w.window.activateWindow();
            QVERIFY(w.waitUntilActive());
            break;
    }
}

}  // namespace

class LayerParityTest : public QObject {
    Q_OBJECT

  private slots:
    void sameHandlersInSameOrder();
};

void LayerParityTest::sameHandlersInSameOrder() {
    RunningWindow qt;
    QVERIFY(qt.waitUntilActive());
    ReferenceWindow memory;
    QCOMPARE(qt.trace, memory.trace);

    for (const UserAction& action : parityActions()) {
        qt.trace.clear();
        memory.trace.clear();
        perform(qt, action);
        memory.perform(action);
        if (qt.trace != memory.trace) {
            QString message =
                QString::fromStdString(describeAction(action)) + QStringLiteral(": Qt ran");
            for (const std::string& handler : qt.trace) {
                message += QLatin1Char(' ') + QString::fromStdString(handler);
            }
            message += QStringLiteral("; in memory");
            for (const std::string& handler : memory.trace) {
                message += QLatin1Char(' ') + QString::fromStdString(handler);
            }
            QFAIL(qPrintable(message));
        }
        for (const Control control :
             {Control::comvalue1, Control::Comvalue2, Control::Comvalue3, Control::Tretunval}) {
            QCOMPARE(qt.layer.text(control), memory.window.text(control));
        }
        QCOMPARE(QString::fromStdString(qt.layer.text(Control::Tretunval))
                     .left(qt.window.Tretunval->selectedText().size()),
                 qt.window.Tretunval->selectedText());
        QCOMPARE(qt.window.Tretunval->selectedText().toStdString(),
                 memory.window.selectedText(Control::Tretunval));
    }
}

}  // namespace metalweight

QTEST_MAIN(metalweight::LayerParityTest)
#include "LayerParityTest.moc"
