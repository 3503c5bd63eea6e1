#include "ui/qt/FrmmetalWindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <cmath>
#include <limits>

#include "ui/qt/Accessibility.h"
#include "ui/qt/icons/metalweight.xpm"

namespace metalweight {
namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr double kReferenceDpi = 96.0;
constexpr int kClientWidth = 5955;
constexpr int kClientHeight = 3870;

struct Placement {
    int left, top, width, height;
};

// Where each control stands, in twips from its parent's top-left corner; the controls
// inside Frame1 count from the frame's outer corner.
Placement placement(Control control) {
    switch (control) {
        case Control::Command2:
            return {4560, 840, 1215, 375};
        case Control::Command1:
            return {4560, 240, 1215, 375};
        case Control::lItem:
            return {120, 360, 2055, 2580};
        case Control::Frame1:
            return {2400, 120, 1935, 3555};
        case Control::Comvalue3:
            return {240, 2040, 1455, 300};
        case Control::Tretunval:
            return {240, 3000, 1455, 315};
        case Control::Comvalue2:
            return {240, 1320, 1455, 300};
        case Control::comvalue1:
            return {240, 585, 1455, 300};
        case Control::lName3:
            return {240, 1800, 1575, 255};
        case Control::lreturn:
            return {240, 2760, 1575, 375};
        case Control::lName2:
            return {240, 1080, 1575, 255};
        case Control::lName1:
            return {240, 360, 1575, 255};
        case Control::Comchoice:
            return {105, 3375, 2055, 300};
        case Control::Label5:
            return {120, 120, 2175, 255};
        case Control::Lbchoice:
            return {120, 3120, 1455, 255};
    }
    return {0, 0, 0, 0};
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    // Captions sit at the top-left of their area, as the result caption must: the
    // result box covers the lower part of its label.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QComboBox* makeValueField(QWidget* parent, const char* name, const QString& text) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    // The field takes exactly what is typed: no completion, nothing added on Enter.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Any text, of any length, is the field's text; none is cut short.
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    combo->setEditText(text);
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
    Command2 = new QPushButton(QStringLiteral("关于(&A)"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("关闭"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    lItem = new CategoryList(this);
    lItem->setObjectName(QStringLiteral("lItem"));
    Frame1 = new QGroupBox(QStringLiteral("Frame1"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Comvalue3 = makeValueField(Frame1, "Comvalue3", QStringLiteral("Combo4"));
    Tretunval = new ResultBox(Frame1);
    Tretunval->setObjectName(QStringLiteral("Tretunval"));
    Tretunval->setMaxLength(std::numeric_limits<int>::max());
    Comvalue2 = makeValueField(Frame1, "Comvalue2", QString());
    comvalue1 = makeValueField(Frame1, "comvalue1", QStringLiteral("comvalue1"));
    lName3 = makeLabel(Frame1, "lName3", QStringLiteral("Label6"));
    lreturn = makeLabel(Frame1, "lreturn", QStringLiteral("Label4"));
    lName2 = makeLabel(Frame1, "lName2", QStringLiteral("Label3"));
    lName1 = makeLabel(Frame1, "lName1", QStringLiteral("label1"));
    Comchoice = new QComboBox(this);
    Comchoice->setObjectName(QStringLiteral("Comchoice"));
    Label5 = makeLabel(this, "Label5", QStringLiteral("计算类别:"));
    Lbchoice = makeLabel(this, "Lbchoice", QStringLiteral("label2"));

    for (const Control control : kAllControls) {
        const Placement p = placement(control);
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
    QWidget* const order[] = {Comchoice, comvalue1, Comvalue2, Tretunval,
                              lItem,     Comvalue3, Command1,  Command2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
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
    return static_cast<int>(std::lround(twips * dpi / kReferenceDpi / kTwipsPerPixel));
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
