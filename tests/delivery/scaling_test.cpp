// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The window drawn at twice its size (run with QT_SCALE_FACTOR=2 on the offscreen platform): the
// client area doubles to 1250 x 862 device pixels, every control keeps its place in the layout and
// stays inside the client area, and no caption of a label or a button is cut off.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>

#include "form/control_table.h"
#include "window/velmora.h"

namespace {

constexpr int scale = 2;

QRect pixelPlace(const velmora::Twips& twips) {
    return {twips.left / velmora::twipsPerPixel, twips.top / velmora::twipsPerPixel,
            twips.width / velmora::twipsPerPixel, twips.height / velmora::twipsPerPixel};
}

QString controlName(velmora::ControlArray array, int index) {
    switch (array) {
        case velmora::ControlArray::pole:
            return QStringLiteral("Pole%1").arg(index);
        case velmora::ControlArray::buton:
            return QStringLiteral("Buton%1").arg(index);
        case velmora::ControlArray::etiket:
            return QStringLiteral("Etiket%1").arg(index);
    }
    return {};
}

// The room a caption gets: a label's contents less its margin, or the part of a button that its
// style leaves for the text inside the bevel.
QSize captionRoom(const QWidget& control) {
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.features = button->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .size();
    }
    const int margin = 2 * qobject_cast<const QLabel*>(&control)->margin();
    return control.contentsRect().size() - QSize(margin, margin);
}

// Caption ink: a pixel much darker than the light label and button colours.
bool isInk(QRgb pixel) {
    return qGray(pixel) < 96;
}

// Whether the picture has ink at all, and whether any lies on its outermost frame of pixels, where
// a caption that does not fit would be cut off.
struct InkSpread {
    bool drawn = false;
    bool onEdge = false;
};

InkSpread inkSpread(const QImage& picture) {
    InkSpread spread;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (isInk(picture.pixel(x, y))) {
                spread.drawn = true;
                spread.onEdge = spread.onEdge || x == 0 || y == 0 || x == picture.width() - 1 ||
                                y == picture.height() - 1;
            }
        }
    }
    return spread;
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void scaleFactorIsInForce();
    void clientAreaDoubles();
    void controlKeepsItsPlace_data();
    void controlKeepsItsPlace();
    void captionFits_data();
    void captionFits();
    void captionIsDrawnWhole_data() { captionFits_data(); }
    void captionIsDrawnWhole();

private:
    QWidget* control(const QString& name) const;

    std::unique_ptr<velmora::Velmora> window_;
};

void ScalingTest::initTestCase() {
    window_ = std::make_unique<velmora::Velmora>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

QWidget* ScalingTest::control(const QString& name) const {
    return window_->findChild<QWidget*>(name);
}

void ScalingTest::scaleFactorIsInForce() {
    QCOMPARE(window_->devicePixelRatioF(), qreal(scale));
}

void ScalingTest::clientAreaDoubles() {
    QCOMPARE(window_->size(), pixelPlace(velmora::clientArea).size());
    const QImage frame = window_->grab().toImage();
    QCOMPARE(frame.size(), QSize(1250, 862));
}

void ScalingTest::controlKeepsItsPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    for (const auto& row : velmora::controlTable()) {
        const QString name = controlName(row.array, row.index);
        QTest::newRow(qPrintable(name)) << name << pixelPlace(row.place);
    }
}

void ScalingTest::controlKeepsItsPlace() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QWidget* found = control(name);
    QVERIFY2(found != nullptr, qPrintable(name + QStringLiteral(" is not in the window")));
    QCOMPARE(found->geometry(), place);
    QVERIFY(window_->rect().contains(found->geometry()));
    QVERIFY(found->isVisible());
    // Drawn at the scale factor: the control's own picture has twice its size in device pixels.
    QCOMPARE(found->grab().toImage().size(), place.size() * scale);
}

void ScalingTest::captionFits_data() {
    QTest::addColumn<QString>("name");
    for (const auto& row : velmora::controlTable()) {
        if (row.array != velmora::ControlArray::pole) {
            const QString name = controlName(row.array, row.index);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
}

void ScalingTest::captionFits() {
    QFETCH(QString, name);
    const QWidget* found = control(name);
    QVERIFY2(found != nullptr, qPrintable(name + QStringLiteral(" is not in the window")));
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(found)) {
        caption = label->text();
    } else if (const auto* button = qobject_cast<const QPushButton*>(found)) {
        caption = button->text();
    }
    QVERIFY2(!caption.isEmpty(), qPrintable(name + QStringLiteral(" has no caption")));
    const QRect ink = QFontMetrics(found->font()).boundingRect(caption);
    const QSize room = captionRoom(*found);
    QVERIFY2(ink.width() <= room.width(), qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                                                         .arg(caption)
                                                         .arg(ink.width())
                                                         .arg(room.width())));
    QVERIFY2(ink.height() <= room.height(),
             qPrintable(QStringLiteral("\"%1\" needs %2 px high, has %3")
                            .arg(caption)
                            .arg(ink.height())
                            .arg(room.height())));
}

void ScalingTest::captionIsDrawnWhole() {
    QFETCH(QString, name);
    QWidget* found = control(name);
    QVERIFY2(found != nullptr, qPrintable(name + QStringLiteral(" is not in the window")));
    const InkSpread spread = inkSpread(found->grab().toImage());
    QVERIFY2(spread.drawn, "no caption is drawn");
    QVERIFY2(!spread.onEdge, "the caption runs into the edge of the control");
}

QTEST_MAIN(ScalingTest)
#include "scaling_test.moc"
