// Thousands of random user events through the real widgets: after every event the
// window and the state agree with each other, and Qt never warns.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <random>
#include <set>

#include "core/Catalogue.h"
#include "core/Recalculation.h"
#include "tests/FixedWeights.h"
#include "tests/qt/WindowFixture.h"

namespace metalweight {

namespace {

QStringList warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // The headless platform cannot raise windows or grab the keyboard; that is the
    // platform, not the program.
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(QStringLiteral("This plugin does not support"))) {
        warnings << message;
    }
}

const QStringList kPieces = {"0", "1", "5", "9", "12.5", ".", "-", "e", "E4", " ", "mm", "钢", "x"};

// Types a text key by key; characters beyond Latin-1 arrive as key events with text,
// as an input method delivers them.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

}  // namespace

class QtEventStormTest : public QObject {
    Q_OBJECT

  private slots:
    void randomEventsKeepWindowAndStateInStep();
};

void QtEventStormTest::randomEventsKeepWindowAndStateInStep() {
    const QtMessageHandler previous = qInstallMessageHandler(recordWarnings);
    RunningWindow w;
    QVERIFY(w.waitUntilActive());
    std::mt19937 random(7U);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    QComboBox* const fields[] = {w.window.comvalue1, w.window.Comvalue2, w.window.Comvalue3};
    QTimer aboutCloser;
    connect(&aboutCloser, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    aboutCloser.start(5);

    for (int event = 0; event < 3000; ++event) {
        const CalculatorState& state = w.form.state();
        QComboBox* field = fields[pick(state.valueCount)];
        switch (pick(10)) {
            case 0:
                w.clickCategory(pick(kCategoryCount));
                break;
            case 1:
                QTest::keyClick(w.window.lItem, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
                break;
            case 2:
                if (w.window.Comchoice->isVisible()) {
                    QTest::keyClick(w.window.Comchoice, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
                }
                break;
            case 3:
            case 4:
                typeText(field, kPieces[pick(static_cast<int>(kPieces.size()))]);
                break;
            case 5:
                QTest::keyClick(field, Qt::Key_Backspace);
                break;
            case 6:
                // Arrow keys in a closed value list pick the next or previous entry.
                QTest::keyClick(field, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
                break;
            case 7:
                QTest::keyClick(QApplication::focusWidget(),
                                pick(2) == 0 ? Qt::Key_Tab : Qt::Key_Backtab);
                break;
            case 8:
                QTest::mouseClick(w.window.Tretunval, Qt::LeftButton, {}, QPoint(3, 3));
                break;
            default:
                if (pick(20) == 0) {
                    QTest::mouseClick(w.window.Command2, Qt::LeftButton);
                    w.window.activateWindow();
                    QVERIFY(w.waitUntilActive());
                }
                break;
        }

        QVERIFY2(!w.ended, "the program ended");
        QCOMPARE(w.window.lItem->currentRow() + 1, int{state.category});
        QCOMPARE(w.window.Comchoice->isVisible(), state.hasChoice);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(fields[i]->isVisible(), i < state.valueCount);
            if (i >= state.valueCount) {
                QCOMPARE(fields[i]->currentText(), QString());
            }
            const int count = fields[i]->count();
            std::set<QString> distinct;
            for (int k = 0; k < count; ++k) {
                distinct.insert(fields[i]->itemText(k));
            }
            QCOMPARE(static_cast<int>(distinct.size()), count);
        }
        // Now and then a fixed input with a worked-out result, typed into the real fields.
        if (event % 100 == 99) {
            const FixedWeight& fixed =
                kFixedWeights[static_cast<std::size_t>(event / 100) % std::size(kFixedWeights)];
            w.clickCategory(fixed.category - 1);
            for (int i = 0; i < state.valueCount; ++i) {
                typeText(fields[i], QString::fromUtf8(fixed.texts[i]));
            }
            QCOMPARE(w.window.Tretunval->text(), QString::fromLatin1(fixed.result));
        }
        CalculatorState fresh = state;
        const std::string expected =
            recalculate(fresh, {w.layer.text(Control::comvalue1), w.layer.text(Control::Comvalue2),
                                w.layer.text(Control::Comvalue3)});
        QCOMPARE(w.window.Tretunval->text().toStdString(), expected);
    }
    qInstallMessageHandler(previous);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

}  // namespace metalweight

QTEST_MAIN(metalweight::QtEventStormTest)
#include "QtEventStormTest.moc"
