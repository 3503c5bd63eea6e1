#include "ui/qt/FrmmetalWindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <limits>

#include "ui/FormDescription.h"
#include "ui/qt/Accessibility.h"
#include "ui/qt/icons/metalweight.xpm"

namespace metalweight {
namespace {

constexpr double kReferenceDpi = 96.0;

QString storedText(Control control) {
    return QString::fromUtf8(describe(control).storedText.data(),
                             static_cast<qsizetype>(describe(control).storedText.size()));
}

QLabel* makeLabel(QWidget* parent, Control control) {
    auto* label = new QLabel(storedText(control), parent);
    label->setObjectName(QString::fromLatin1(controlName(control)));
    label->setTextFormat(Qt::PlainText);
    // Captions sit at the top-left of their area, as the result caption must: the
    // result box covers the lower part of its label.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QComboBox* makeValueField(QWidget* parent, Control control) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(controlName(control)));
    combo->setEditable(true);
    // The field takes exactly what is typed: no completion, nothing added on Enter.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Any text, of any length, is the field's text; none is cut short.
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    combo->setEditText(storedText(control));
    return combo;
}

}  // namespace

FrmmetalWindow::FrmmetalWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Frmmetal"));
    setWindowTitle(QStringLiteral("Frmmetal"));
    setWindowIcon(QIcon(QPixmap(metalweight_xpm)));

    // Created in the window's order, parents before children.
    Command2 = new QPushButton(storedText(Control::Command2), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(storedText(Control::Command1), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    lItem = new CategoryList(this);
    lItem->setObjectName(QStringLiteral("lItem"));
    Frame1 = new QGroupBox(storedText(Control::Frame1), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Comvalue3 = makeValueField(Frame1, Control::Comvalue3);
    Tretunval = new ResultBox(Frame1);
    Tretunval->setObjectName(QStringLiteral("Tretunval"));
    Tretunval->setMaxLength(std::numeric_limits<int>::max());
    Comvalue2 = makeValueField(Frame1, Control::Comvalue2);
    comvalue1 = makeValueField(Frame1, Control::comvalue1);
    lName3 = makeLabel(Frame1, Control::lName3);
    lreturn = makeLabel(Frame1, Control::lreturn);
    lName2 = makeLabel(Frame1, Control::lName2);
    lName1 = makeLabel(Frame1, Control::lName1);
    Comchoice = new QComboBox(this);
    Comchoice->setObjectName(QStringLiteral("Comchoice"));
    Label5 = makeLabel(this, Control::Label5);
    Lbchoice = makeLabel(this, Control::Lbchoice);

    for (const Control control : kAllControls) {
        const TwipsRect p = describe(control).place;
        widget(control)->setGeometry(pixels(p.left), pixels(p.top), pixels(p.width),
                                     pixels(p.height));
    }
    // Labels lie beneath the other controls, so the result box covers its caption's
    // lower part and takes every click there.
    for (QLabel* label : {Label5, Lbchoice, lName1, lName2, lName3, lreturn}) {
        label->lower();
    }

    // Each caption names its field, for screen readers too.
    Label5->setBuddy(lItem);
    // A list view's accessible name does not come from its buddy.
    lItem->setAccessibleName(Label5->text());
    Lbchoice->setBuddy(Comchoice);
    lName1->setBuddy(comvalue1);
    lName2->setBuddy(Comvalue2);
    lName3->setBuddy(Comvalue3);
    lreturn->setBuddy(Tretunval);

    // Tab order: Comvalue3 comes after lItem, not after Comvalue2.
    const auto order = tabOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(widget(order.at(i)), widget(order.at(i + 1)));
    }

    setFixedSize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
}

QWidget* FrmmetalWindow::widget(Control control) const {
    switch (control) {
        case Control::Command2:
            return Command2;
        case Control::Command1:
            return Command1;
        case Control::lItem:
            return lItem;
        case Control::Frame1:
            return Frame1;
        case Control::Comvalue3:
            return Comvalue3;
        case Control::Tretunval:
            return Tretunval;
        case Control::Comvalue2:
            return Comvalue2;
        case Control::comvalue1:
            return comvalue1;
        case Control::lName3:
            return lName3;
        case Control::lreturn:
            return lreturn;
        case Control::lName2:
            return lName2;
        case Control::lName1:
            return lName1;
        case Control::Comchoice:
            return Comchoice;
        case Control::Label5:
            return Label5;
        case Control::Lbchoice:
            return Lbchoice;
    }
    return nullptr;
}

int FrmmetalWindow::pixels(int twips) const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : kReferenceDpi;
    return twipsToPixels(twips, dpi);
}

void FrmmetalWindow::centreOnScreen() {
    centreFrame();
    awaitingFrame_ = frameGeometry().size() == size();
}

void FrmmetalWindow::centreFrame() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // move() places the frame's top-left corner; centre the frame's own size.
    const QRect available = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);
}

bool FrmmetalWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The first move or resize after which the window has a frame: the frame arrived.
    if (awaitingFrame_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        frameGeometry().size() != size()) {
        awaitingFrame_ = false;
        centreFrame();
    }
    return handled;
}

}  // namespace metalweight
