// The window where people meet it: Esc with a list or menu open, the toolkit's own texts
// in Chinese, the window centred with its frame, the About box at any scale, and what a
// screen reader hears.
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "tests/qt/WindowFixture.h"

namespace metalweight {
namespace {

// Latin words of two letters or more: what an untranslated toolkit text shows. A single
// letter is an access key ("撤销(&U)"); what follows a tab is the key to press.
bool hasEnglishWord(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text.section(QLatin1Char('\t'), 0, 0)).hasMatch();
}

bool hasChinese(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) {
            return true;
        }
    }
    return false;
}

// Opens the context menu of `widget` as the menu key does and hands it to `inspect`
// while it is open; the menu is then closed with Esc, as a user would.
void withContextMenu(QWidget* widget, const std::function<void(QMenu*)>& inspect) {
    bool seen = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu != nullptr && !seen) {
            seen = true;
            inspect(menu);
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
    watcher.start(20);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);  // some menus return at once, some on closing
    QTRY_VERIFY2_WITH_TIMEOUT(seen, "no context menu opened", kWindowSystemPatienceMs);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr, kWindowSystemPatienceMs);
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

}  // namespace

class WindowEdgesTest : public QObject {
    Q_OBJECT

  private slots:
    void escapeClosesOnlyAnOpenDropDown_data();
    void escapeClosesOnlyAnOpenDropDown();
    void escapeClosesOnlyAContextMenu();
    void escapeWithoutPopupStillEnds();
    void aboutButtonSpeaksChinese();
    void contextMenusSpeakChinese();
    void windowFrameIsCentred();
    void aboutBoxKeepsSevenLines();
    void fieldsAreNamedByCaptionWithValue();
    void focusedEditorCarriesCaption();
    void windowIsANamedFrame();
    void listsAndButtonsKeepTheirNames();
};

void WindowEdgesTest::escapeClosesOnlyAnOpenDropDown_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("material list") << QStringLiteral("Comchoice");
    QTest::newRow("first value field") << QStringLiteral("comvalue1");
    QTest::newRow("second value field") << QStringLiteral("Comvalue2");
}

void WindowEdgesTest::escapeClosesOnlyAnOpenDropDown() {
    QFETCH(QString, name);
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QTest::keyClicks(w.window.Comvalue2, QStringLiteral("4"));
    auto* combo = w.window.findChild<QComboBox*>(name);
    QVERIFY(combo != nullptr);
    combo->setFocus(Qt::MouseFocusReason);
    combo->showPopup();
    QWidget* popup = combo->view()->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup, kWindowSystemPatienceMs));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), kWindowSystemPatienceMs);
    QTest::qWait(50);
    QVERIFY2(!w.ended, "Esc in an open list ended the program");
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.window.comvalue1->currentText(), QStringLiteral("89"));
    QCOMPARE(w.window.Comvalue2->currentText(), QStringLiteral("4"));
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("8.3849"));
}

void WindowEdgesTest::escapeClosesOnlyAContextMenu() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QTest::keyClicks(w.window.Comvalue2, QStringLiteral("4"));
    withContextMenu(w.window.comvalue1->lineEdit(), [](QMenu*) {});
    withContextMenu(w.window.Tretunval, [](QMenu*) {});
    QTest::qWait(50);
    QVERIFY2(!w.ended, "Esc in a context menu ended the program");
    QCOMPARE(w.window.Tretunval->text(), QStringLiteral("8.3849"));
}

void WindowEdgesTest::escapeWithoutPopupStillEnds() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    for (QWidget* target : std::initializer_list<QWidget*>{w.window.lItem, w.window.Comchoice}) {
        RunningWindow again;
        QVERIFY(again.waitUntilActive());
        QWidget* same = again.window.findChild<QWidget*>(target->objectName());
        same->setFocus();
        QTest::keyClick(same, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(again.ended, kWindowSystemPatienceMs);
    }
}

void WindowEdgesTest::aboutButtonSpeaksChinese() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QString buttonText;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && buttonText.isEmpty()) {
            buttonText = box->button(QMessageBox::Ok)->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    watcher.start(10);
    QTest::mouseClick(w.window.Command2, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!buttonText.isEmpty(), kWindowSystemPatienceMs);
    QVERIFY2(hasChinese(buttonText) && !hasEnglishWord(buttonText), qPrintable(buttonText));
    QVERIFY(!w.ended);
}

void WindowEdgesTest::contextMenusSpeakChinese() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QStringList seen;
    const auto checkMenu = [&seen](QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            seen << action->text();
            QVERIFY2(hasChinese(action->text()) && !hasEnglishWord(action->text()),
                     qPrintable(action->text()));
        }
    };
    withContextMenu(w.window.comvalue1->lineEdit(), checkMenu);
    withContextMenu(w.window.Tretunval, checkMenu);
    withContextMenu(w.window.lItem->verticalScrollBar(), checkMenu);
    QVERIFY(seen.size() >= 7 + 7 + 7);  // undo ... select all twice, the scroll bar's menu
}

void WindowEdgesTest::windowFrameIsCentred() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    const QRect available = w.window.screen()->availableGeometry();
    // The frame may come a moment after the window is shown, when a window manager
    // decorates it.
    QTest::qWait(200);
    const QPoint offset = w.window.frameGeometry().center() - available.center();
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                            .arg(w.window.frameGeometry().x())
                            .arg(w.window.frameGeometry().y())
                            .arg(w.window.frameGeometry().width())
                            .arg(w.window.frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
}

void WindowEdgesTest::aboutBoxKeepsSevenLines() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    int lines = 0;
    int ticksShown = 0;
    QString text;
    QString seen;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Measured a while after it shows, so that a late style or screen change that
        // lays the box out anew is seen too.
        if (box == nullptr || lines != 0 || !box->isVisible() || ++ticksShown < 10) {
            return;
        }
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        text = label->text();
        seen = QStringLiteral("label %1 px wide, word wrap %2, box %3 px on %4 px")
                   .arg(label->contentsRect().width())
                   .arg(label->wordWrap() ? "on" : "off")
                   .arg(box->width())
                   .arg(box->screen()->availableGeometry().width());
        // The lines on screen: a line of the text that is wider than the label either
        // wraps (word wrap on) or is cut off (off); either way it is not one whole line.
        const QFontMetrics metrics = label->fontMetrics();
        const int width = label->contentsRect().width();
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const int advance = metrics.horizontalAdvance(line);
            lines += advance <= width ? 1 : 1 + (label->wordWrap() ? advance / width : 1);
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    watcher.start(20);
    QTest::mouseClick(w.window.Command2, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(lines != 0, kWindowSystemPatienceMs);
    QCOMPARE(text.count(QLatin1Char('\n')) + 1, 7);
    QVERIFY2(lines == 7, qPrintable(QStringLiteral("%1 lines: %2").arg(lines).arg(seen)));
}

void WindowEdgesTest::fieldsAreNamedByCaptionWithValue() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QAccessibleInterface* outer = accessible(w.window.comvalue1);
    QCOMPARE(outer->role(), QAccessible::ComboBox);
    QCOMPARE(outer->text(QAccessible::Name), QStringLiteral("外径(mm):"));
    QCOMPARE(outer->text(QAccessible::Value), QStringLiteral("89"));
    QAccessibleTextInterface* outerText = outer->textInterface();
    QVERIFY(outerText != nullptr);
    QCOMPARE(outerText->text(0, outerText->characterCount()), QStringLiteral("89"));

    QAccessibleInterface* choice = accessible(w.window.Comchoice);
    QCOMPARE(choice->role(), QAccessible::ComboBox);
    QCOMPARE(choice->text(QAccessible::Name), QStringLiteral("管道材质:"));
    QCOMPARE(choice->text(QAccessible::Value), QStringLiteral("碳钢"));
    // The drop-down's entries stay reachable as the list's children.
    bool listed = false;
    for (int i = 0; i < choice->childCount(); ++i) {
        QAccessibleInterface* child = choice->child(i);
        listed = listed || (child->role() == QAccessible::List && child->childCount() == 6);
    }
    QVERIFY(listed);
    QVERIFY(choice->actionInterface() != nullptr);
    QVERIFY(choice->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::showMenuAction()));

    // A new category renames the fields and keeps the value readable.
    w.clickCategory(1);  // I-beam
    QTest::keyClicks(w.window.Comvalue3, QStringLiteral("7"));
    QCOMPARE(accessible(w.window.Comvalue3)->text(QAccessible::Name), QStringLiteral("腰厚(mm):"));
    QCOMPARE(accessible(w.window.Comvalue3)->text(QAccessible::Value), QStringLiteral("7"));
    QCOMPARE(accessible(w.window.Comchoice)->text(QAccessible::Name),
             QStringLiteral("工字钢型号类别:"));
}

void WindowEdgesTest::focusedEditorCarriesCaption() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // into comvalue1
    QCOMPARE(QApplication::focusWidget(), w.window.comvalue1);
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("57"));
    // What a screen reader takes as focused: the field's innermost focused object.
    QAccessibleInterface* editor = accessible(w.window.comvalue1);
    while (QAccessibleInterface* inner = editor->focusChild()) {
        if (inner == editor) {
            break;
        }
        editor = inner;
    }
    QCOMPARE(editor->object(), w.window.comvalue1->lineEdit());
    QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("外径(mm):"));
    QVERIFY(editor->textInterface() != nullptr);
    QCOMPARE(editor->textInterface()->text(0, 2), QStringLiteral("57"));
    QCOMPARE(accessible(w.window.Comvalue2->lineEdit())->text(QAccessible::Name),
             QStringLiteral("壁厚(mm):"));
}

void WindowEdgesTest::windowIsANamedFrame() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QAccessibleInterface* window = accessible(&w.window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("金属材料单重计算"));
}

void WindowEdgesTest::listsAndButtonsKeepTheirNames() {
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    QAccessibleInterface* list = accessible(w.window.lItem);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("计算类别:"));
    QCOMPARE(list->childCount(), 12);
    QAccessibleInterface* result = accessible(w.window.Tretunval);
    QCOMPARE(result->text(QAccessible::Name), QStringLiteral("计算单重(kg/m):"));
    QTest::keyClicks(w.window.comvalue1, QStringLiteral("89"));
    QTest::keyClicks(w.window.Comvalue2, QStringLiteral("4"));
    QCOMPARE(result->textInterface()->text(0, 6), QStringLiteral("8.3849"));
    QCOMPARE(accessible(w.window.Command1)->text(QAccessible::Name), QStringLiteral("关闭"));
    QCOMPARE(accessible(w.window.Command2)->text(QAccessible::Name), QStringLiteral("关于(A)"));
}

}  // namespace metalweight

QTEST_MAIN(metalweight::WindowEdgesTest)
#include "WindowEdgesTest.moc"
