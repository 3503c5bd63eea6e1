// The real window driven through real input events: start-up, typing, picking,
// selecting, visibility, tab order, the About box, ending the program.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <iterator>

#include "core/Catalogue.h"
#include "tests/qt/WindowFixture.h"

namespace metalweight {

class FrmmetalWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpState();
    void keystrokesRecalculateAfterEveryKey();
    void pickFillsPairedFields();
    void categoryByMouseAndArrowKeys();
    void sameCategoryClickedAgainRunsHandler();
    void choiceSelection();
    void visibilityPerCategory_data();
    void visibilityPerCategory();
    void tabOrder_data();
    void tabOrder();
    void altAOpensAboutBox();
    void escapeEndsProgram();
    void command1EndsProgram();
    void enterInFieldDoesNotEndProgram();
    void windowHasFixedSize();
    void focusIntoResultSelectsAll();
    void captionsNameTheirFields();
    void germanLocaleKeepsDecimalPoint();
    void pastedMegabyteIsHandled();
};

void FrmmetalWindowTest::startUpState() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("金属材料单重计算"));
    QCOMPARE(QApplication::focusWidget(), w.window.Comchoice);
    QCOMPARE(w.window.lItem->count(), kCategoryCount);
    QCOMPARE(w.window.lItem->currentRow(), 0);
    QCOMPARE(w.window.Frame1->title(), QStringLiteral("管道"));
    QCOMPARE(w.window.Comchoice->count(), 6);
    QCOMPARE(w.window.Comchoice->currentText(), QStringLiteral("碳钢"));
    QCOMPARE(w.window.Lbchoice->text(), QStringLiteral("管道材质:"));
    QCOMPARE(w.window.lName1->text(), QStringLiteral("外径(mm):"));
    QCOMPARE(w.window.lreturn->text(), QStringLiteral("计算单重(kg/m):"));
    QVERIFY(w.window.comvalue1->isVisible());
    QVERIFY(w.window.Comvalue2->isVisible());
    QVERIFY(!w.window.Comvalue3->isVisible());
    QVERIFY(!w.window.lName3->isVisible());
    for (QComboBox* field : {w.window.comvalue1, w.window.Comvalue2, w.window.Comvalue3}) {
        QCOMPARE(field->currentText(), QString());
    }
    QCOMPARE(w.window.comvalue1->count(), 15);
    QCOMPARE(w.window.Tretunval->text(), QString());
    QCOMPARE(w.window.Command2->text(), QStringLiteral("关于(&A)"));
}

void FrmmetalWindowTest::keystrokesRecalculateAfterEveryKey() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.Comvalue2, QStringLiteral("4"));
    QCOMPARE(w.window.Tretunval->text(), QString());
    QTest::keyClick(w.window.comvalue1, Qt::Key_8);
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("0.3946"));
    QTest::keyClick(w.window.comvalue1, Qt::Key_9);
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("8.3849"));
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("x"));
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("8.3849"));
    QTest::keyClick(w.window.Comvalue2, Qt::Key_Backspace);
    QCOMPARE(w.window.Tretunval->text(), QString());
}

void FrmmetalWindowTest::pickFillsPairedFields() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(1);  // I-beam
    QCOMPARE(w.window.Frame1->title(), QStringLiteral("工字钢"));
    w.trace.clear();
    RunningWindow::pickFromList(w.window.comvalue1, 5);
    QCOMPARE(w.window.comvalue1->currentText(), QStringLiteral("180"));
    QCOMPARE(w.window.Comvalue2->currentText(), QStringLiteral("94"));
    QCOMPARE(w.window.Comvalue3->currentText(), QStringLiteral("6.5"));
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("24.0966"));
    QCOMPARE(w.trace.front(), std::string("comvalue1_Click"));
}

void FrmmetalWindowTest::categoryByMouseAndArrowKeys() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(10);
    QCOMPARE(w.window.lreturn->text(), QStringLiteral("计算单重(kg/m^2):"));
    QVERIFY(!w.window.Comchoice->isVisible());
    QTest::keyClick(w.window.lItem, Qt::Key_Down);
    QCOMPARE(w.window.Frame1->title(), QStringLiteral("钢丝"));
    QCOMPARE(w.window.lreturn->text(), QStringLiteral("计算单重(kg/m):"));
    QTest::keyClick(w.window.lItem, Qt::Key_Home);
    QCOMPARE(w.window.Frame1->title(), QStringLiteral("管道"));
    QVERIFY(w.window.Comchoice->isVisible());
}

void FrmmetalWindowTest::sameCategoryClickedAgainRunsHandler() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    w.trace.clear();
    w.clickCategory(0);
    QCOMPARE(w.trace.front(), std::string("lItem_Click"));
    QCOMPARE(w.window.comvalue1->currentText(), QString());
}

void FrmmetalWindowTest::choiceSelection() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("20"));
    RunningWindow::pickFromList(w.window.Comchoice, 4);  // lead
    QCOMPARE(w.window.lName1->text(), QStringLiteral("内径(mm):"));
    QCOMPARE(w.window.comvalue1->currentText(), QString());
    QCOMPARE(w.form.state().densityFactor, 1.134);
    QTest::keyClick(w.window.Comchoice, Qt::Key_Down);  // aluminium, by keyboard
    QCOMPARE(w.form.state().choice, 6);
    QCOMPARE(w.form.state().densityFactor, 0.28);
    w.trace.clear();
    RunningWindow::pickFromList(w.window.Comchoice, 5);  // the same entry again
    QCOMPARE(w.trace.front(), std::string("Comchoice_Click"));
}

void FrmmetalWindowTest::visibilityPerCategory_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("choice");
    QTest::addColumn<int>("fields");
    const int fields[] = {2, 3, 3, 3, 3, 2, 1, 1, 1, 2, 1, 1};
    static_assert(std::size(fields) == kCategoryCount, "one field count per category");
    for (int row = 0; row < kCategoryCount; ++row) {
        QTest::addRow("category %d", row + 1) << row << (row < 3) << fields[row];
    }
}

void FrmmetalWindowTest::visibilityPerCategory() {
    QFETCH(int, row);
    QFETCH(bool, choice);
    QFETCH(int, fields);
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(row == 0 ? 11 : 0);
    w.clickCategory(row);
    QCOMPARE(w.window.Comchoice->isVisible(), choice);
    QCOMPARE(w.window.Lbchoice->isVisible(), choice);
    QVERIFY(w.window.comvalue1->isVisible());
    QCOMPARE(w.window.Comvalue2->isVisible(), fields >= 2);
    QCOMPARE(w.window.lName2->isVisible(), fields >= 2);
    QCOMPARE(w.window.Comvalue3->isVisible(), fields >= 3);
    QCOMPARE(w.window.lName3->isVisible(), fields >= 3);
    // No control moves when others are hidden.
    QCOMPARE(w.window.Tretunval->pos(), QPoint(w.window.pixels(240), w.window.pixels(3000)));
}

void FrmmetalWindowTest::tabOrder_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("pipe, two fields")
        << 0 << QStringList{"Comchoice", "comvalue1", "Comvalue2", "Tretunval",
                            "lItem",     "Command1",  "Command2",  "Comchoice"};
    QTest::newRow("I-beam, three fields")
        << 1 << QStringList{"Comchoice", "comvalue1", "Comvalue2", "Tretunval", "lItem",
                            "Comvalue3", "Command1",  "Command2",  "Comchoice"};
}

void FrmmetalWindowTest::tabOrder() {
    QFETCH(int, row);
    QFETCH(QStringList, order);
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(row);
    w.window.Comchoice->setFocus();
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

void FrmmetalWindowTest::altAOpensAboutBox() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QTest::keyClicks(w.window.Comvalue2, QStringLiteral("4"));
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
    // The access key animates a click: the box opens a moment later, in its own loop.
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen) {
            return;
        }
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        QTest::keyClick(box, Qt::Key_Return);
    });
    watcher.start(10);
    w.window.comvalue1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(seen, kWindowSystemPatienceMs);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, kWindowSystemPatienceMs);
    QCOMPARE(w.trace.back(), std::string("Command2_Click"));
    QCOMPARE(title, QStringLiteral("金属材料单重计算"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QStringLiteral("有关常用金属材料理论单重计算程序。"));
    QVERIFY(lines[1].isEmpty());
    QCOMPARE(lines[2], QStringLiteral("选择类别并给出显示变量，即可计算出对应单重。"));
    QVERIFY(lines[5].isEmpty());
    QCOMPARE(lines[6], QStringLiteral("版本 1.0.5 (1999)"));
    // Nothing changed behind the box.
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("8.3849"));
    QCOMPARE(w.window.comvalue1->currentText(), QStringLiteral("89"));
    QVERIFY(!w.ended);
}

void FrmmetalWindowTest::escapeEndsProgram() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QTest::keyClick(w.window.comvalue1, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(w.ended, kWindowSystemPatienceMs);
    QVERIFY(!w.window.isVisible());
}

void FrmmetalWindowTest::command1EndsProgram() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::mouseClick(w.window.Command1, Qt::LeftButton);
    QVERIFY(w.ended);
    QCOMPARE(w.trace.back(), std::string("Command1_Click"));
}

void FrmmetalWindowTest::enterInFieldDoesNotEndProgram() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(1);
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("180"));
    w.trace.clear();
    QTest::keyClick(w.window.comvalue1, Qt::Key_Return);
    QTest::keyClick(w.window.comvalue1, Qt::Key_Enter);
    QTest::qWait(50);
    QVERIFY(!w.ended);
    QVERIFY(w.trace.empty());                  // Enter neither picks an entry nor presses a button
    QCOMPARE(w.window.comvalue1->count(), 6);  // nor adds one
}

void FrmmetalWindowTest::windowHasFixedSize() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
    QCOMPARE(w.window.size(), QSize(w.window.pixels(5955), w.window.pixels(3870)));
    const Qt::WindowFlags flags = w.window.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    w.window.resize(800, 600);
    QCOMPARE(w.window.size(), QSize(w.window.pixels(5955), w.window.pixels(3870)));
}

void FrmmetalWindowTest::focusIntoResultSelectsAll() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QTest::keyClicks(w.window.Comvalue2, QStringLiteral("4"));
    w.window.Comvalue2->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.window.Tretunval);
    QCOMPARE(w.window.Tretunval->selectedText(), QStringLiteral("8.3849"));
    QCOMPARE(w.trace.back(), std::string("Tretunval_GotFocus"));
    // By mouse too: the click that gives the focus keeps the selection.
    w.window.comvalue1->setFocus();
    QTest::mouseClick(w.window.Tretunval, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w.window.Tretunval->selectedText(), QStringLiteral("8.3849"));
}

void FrmmetalWindowTest::captionsNameTheirFields() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    const auto name = [](QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name(w.window.comvalue1), QStringLiteral("外径(mm):"));
    QCOMPARE(name(w.window.Comvalue2), QStringLiteral("壁厚(mm):"));
    QCOMPARE(name(w.window.Tretunval), QStringLiteral("计算单重(kg/m):"));
    QCOMPARE(name(w.window.lItem), QStringLiteral("计算类别:"));
    // The choice list is named by its caption, which also labels it.
    QCOMPARE(name(w.window.Comchoice), QStringLiteral("管道材质:"));
    QAccessibleInterface* choice = QAccessible::queryAccessibleInterface(w.window.Comchoice);
    bool labelled = false;
    for (const auto& [other, relation] : choice->relations(QAccessible::Label)) {
        labelled = labelled || other->object() == w.window.Lbchoice;
    }
    QVERIFY(labelled);
    w.clickCategory(6);
    QCOMPARE(name(w.window.comvalue1), QStringLiteral("直径(mm):"));
}

void FrmmetalWindowTest::germanLocaleKeepsDecimalPoint() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(6);  // round bar
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("12.5"));
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("0.9633"));
    w.clickCategory(11);  // wire: its presets show points too
    QCOMPARE(w.window.comvalue1->itemText(0), QStringLiteral("0.16"));
    RunningWindow::pickFromList(w.window.comvalue1, 7);  // 2.8
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("0.0483"));
    QLocale::setDefault(previous);
}

void FrmmetalWindowTest::pastedMegabyteIsHandled() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    w.clickCategory(10);  // plate
    QLineEdit* edit = w.window.comvalue1->lineEdit();
    edit->setFocus();
    QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(w.window.Tretunval->text(), QString());  // beyond the double range
    QApplication::clipboard()->setText(QStringLiteral("0.") + QString(1 << 20, QLatin1Char('1')));
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("0.8722"));
}

}  // namespace metalweight

QTEST_MAIN(metalweight::FrmmetalWindowTest)
#include "FrmmetalWindowTest.moc"
