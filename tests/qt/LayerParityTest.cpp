// The same user actions through the Qt window and through the in-memory window run the
// same handlers, in the same order, and leave the same texts.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "tests/qt/WindowFixture.h"
#include "tools/scenario/MemoryWindow.h"

namespace metalweight {

namespace {

// One user action, done on the real widgets and on the in-memory window.
struct Action {
    const char* what;
    std::function<void(RunningWindow&)> onQt;
    std::function<void(MemoryWindow&)> onMemory;
};

QComboBox* field(FrmmetalWindow& window, Control control) {
    return control == Control::comvalue1   ? window.comvalue1
           : control == Control::Comvalue2 ? window.Comvalue2
                                           : window.Comvalue3;
}

Action selectCategory(int row) {
    return {"select category", [row](RunningWindow& w) { w.clickCategory(row); },
            [row](MemoryWindow& m) { m.userSelect(Control::lItem, row); }};
}

Action nextCategoryByKey() {
    return {"arrow down in the category list",
            [](RunningWindow& w) { QTest::keyClick(w.window.lItem, Qt::Key_Down); },
            [](MemoryWindow& m) {
                m.userSelect(Control::lItem, m.control(Control::lItem).selected + 1);
            }};
}

Action selectChoice(int row) {
    return {"select choice",
            [row](RunningWindow& w) { RunningWindow::pickFromList(w.window.Comchoice, row); },
            [row](MemoryWindow& m) { m.userSelect(Control::Comchoice, row); }};
}

Action type(Control control, const QString& text) {
    return {"type",
            [control, text](RunningWindow& w) { QTest::keyClicks(field(w.window, control), text); },
            [control, text](MemoryWindow& m) { m.userType(control, text.toStdString()); }};
}

Action paste(Control control, const QString& text) {
    return {"select all and paste",
            [control, text](RunningWindow& w) {
                QApplication::clipboard()->setText(text);
                QLineEdit* edit = field(w.window, control)->lineEdit();
                edit->setFocus();
                QTest::keySequence(edit, QKeySequence::SelectAll);
                QTest::keySequence(edit, QKeySequence::Paste);
            },
            [control, text](MemoryWindow& m) { m.userSetText(control, text.toStdString()); }};
}

Action pick(Control control, int row) {
    return {"pick",
            [control, row](RunningWindow& w) {
                RunningWindow::pickFromList(field(w.window, control), row);
            },
            [control, row](MemoryWindow& m) { m.userPick(control, row); }};
}

Action focusResult() {
    return {"click into the result",
            [](RunningWindow& w) {
                w.window.lItem->setFocus();
                QTest::mouseClick(w.window.Tretunval, Qt::LeftButton, {}, QPoint(4, 4));
            },
            [](MemoryWindow& m) { m.userFocus(Control::Tretunval); }};
}

Action about() {
    return {"about",
            [](RunningWindow& w) {
                QTimer::singleShot(0, [] {
                    if (QWidget* box = QApplication::activeModalWidget()) {
                        QTest::keyClick(box, Qt::Key_Return);
                    }
                });
                QTest::mouseClick(w.window.Command2, Qt::LeftButton);
                // The window manager hands the activation back when the box closes.
                w.window.activateWindow();
                QVERIFY(w.waitUntilActive());
            },
            [](MemoryWindow& m) {
                m.userPress(Control::Command2);
                m.takeMessages();
            }};
}

}  // namespace

class LayerParityTest : public QObject {
    Q_OBJECT

  private slots:
    void sameHandlersInSameOrder();
};

void LayerParityTest::sameHandlersInSameOrder() {
    const std::vector<Action> actions = {
        type(Control::comvalue1, "89"),
        type(Control::Comvalue2, "4.5"),
        focusResult(),
        selectChoice(2),
        pick(Control::comvalue1, 14),
        pick(Control::Comvalue2, 3),
        selectChoice(2),
        selectCategory(1),
        pick(Control::comvalue1, 5),
        pick(Control::Comvalue3, 0),
        type(Control::Comvalue3, "x"),
        selectChoice(3),
        pick(Control::comvalue1, 8),
        about(),
        selectCategory(1),
        nextCategoryByKey(),
        paste(Control::comvalue1, "12.5mm"),
        paste(Control::Comvalue2, "63"),
        type(Control::Comvalue3, "6"),
        selectCategory(6),
        pick(Control::comvalue1, 4),
        nextCategoryByKey(),
        type(Control::comvalue1, "1e400"),
        selectCategory(10),
        type(Control::comvalue1, "10"),
        focusResult(),
        selectCategory(0),
    };

    RunningWindow qt;
    QVERIFY(qt.waitUntilActive());
    MemoryWindow memory;
    Frmmetal memoryForm(memory);
    std::vector<std::string> memoryTrace;
    memoryForm.setHandlerTrace(
        [&memoryTrace](std::string_view handler) { memoryTrace.emplace_back(handler); });
    memoryForm.Form_Load();
    QCOMPARE(qt.trace, memoryTrace);

    for (const Action& action : actions) {
        qt.trace.clear();
        memoryTrace.clear();
        action.onQt(qt);
        action.onMemory(memory);
        if (qt.trace != memoryTrace) {
            QString message = QString::fromLatin1(action.what) + QStringLiteral(": Qt ran");
            for (const std::string& handler : qt.trace) {
                message += QLatin1Char(' ') + QString::fromStdString(handler);
            }
            message += QStringLiteral("; in memory");
            for (const std::string& handler : memoryTrace) {
                message += QLatin1Char(' ') + QString::fromStdString(handler);
            }
            QFAIL(qPrintable(message));
        }
        for (const Control control :
             {Control::comvalue1, Control::Comvalue2, Control::Comvalue3, Control::Tretunval}) {
            QCOMPARE(qt.layer.text(control), memory.text(control));
        }
        QCOMPARE(QString::fromStdString(qt.layer.text(Control::Tretunval))
                     .left(qt.window.Tretunval->selectedText().size()),
                 qt.window.Tretunval->selectedText());
        QCOMPARE(qt.window.Tretunval->selectedText().toStdString(),
                 memory.selectedText(Control::Tretunval));
    }
}

}  // namespace metalweight

QTEST_MAIN(metalweight::LayerParityTest)
#include "LayerParityTest.moc"
