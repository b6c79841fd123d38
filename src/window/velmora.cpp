#include "window/velmora.h"

#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>

#include "form/failure_message.h"
#include "window/app_icon.h"
#include "window/box_text.h"
#include "window/form_accessible.h"
#include "window/palette.h"

namespace velmora {

QFont formFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    return font;
}

Velmora::Velmora(QWidget* parent) : QWidget(parent), commands_(state_, boxes_) {
    presentFormAsFrame();
    const QPalette light = lightPalette();
    setUpForm(light);
    controls_ = buildControls(this, classicStyle(), light);
    attachBoxes();
    connectEvents();
    commands_.load();
}

// The font goes on the form before the controls exist, so they inherit it without a font change
// going through each of them.
void Velmora::setUpForm(const QPalette& light) {
    setWindowTitle(fromUtf8(windowCaption()));
    setFixedSize(clientArea.width / twipsPerPixel, clientArea.height / twipsPerPixel);
    setPalette(formPalette(light));
    setFont(formFont());
    setWindowIcon(velmoraIcon());
}

// The controls keep the plain look of the classic desktop: sunken boxes, raised buttons with a
// solid face in the button's colour. It is also the cheapest style to draw, and the window
// appears that much sooner.
QStyle* Velmora::classicStyle() {
    QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
    if (style == nullptr) {
        return QWidget::style();
    }
    style->setParent(this);
    return style;
}

void Velmora::attachBoxes() {
    for (const int box : {taskBox, reportBox}) {
        boxes_.attach(box, static_cast<MultiLineBox*>(pole(box)));
    }
    for (const int box : {resultBox, firstOperandBox, secondOperandBox}) {
        boxes_.attach(box, static_cast<QLineEdit*>(pole(box)));
    }
}

void Velmora::connectEvents() {
    for (int index = 0; index < butonCount; ++index) {
        connect(buton(index), &QPushButton::clicked, this, [this, index] { handleClick(index); });
    }
    for (const int box : {firstOperandBox, secondOperandBox}) {
        connect(static_cast<QLineEdit*>(pole(box)), &QLineEdit::returnPressed, this,
                [this] { handleClick(computeButton); });
    }
}

// The procedures handle no errors; a command that stops keeps what it had written, so the boxes
// are shown before the message.
void Velmora::handleClick(int index) {
    try {
        commands_.click(index);
        boxes_.flush();
    } catch (const std::exception& error) {
        boxes_.flush();
        showFailure(error);
    }
}

void Velmora::showFailure(const std::exception& error) {
    QMessageBox::critical(this, QStringLiteral("Velmora — грешка"),
                          QString::fromStdString(failureMessage(error)));
}

}  // namespace velmora
