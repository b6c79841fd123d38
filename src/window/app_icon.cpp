// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace velmora {

namespace {

// The sum sign as strokes on a 32 x 32 grid: no font is needed, so it looks the same everywhere.
QPainterPath sumSign() {
    QPainterPath path;
    path.moveTo(23, 9);
    path.lineTo(23, 7);
    path.lineTo(9, 7);
    path.lineTo(17, 16);
    path.lineTo(9, 25);
    path.lineTo(23, 25);
    path.lineTo(23, 23);
    return path;
}

// Draws the icon when the window system first asks for it, at the size it asks for, rather than
// while the window is being built; drawn there, it takes BM_VelmoraFirstFrame past its goal.
class IconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, velmoraIconImage(std::min(rect.width(), rect.height())));
    }
    QIconEngine* clone() const override { return new IconEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32)};
    }
};

}  // namespace

QImage velmoraIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    painter.setPen(QPen(QColor(64, 64, 160), 1.5));
    painter.setBrush(QColor(128, 128, 255));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 192, 128));
    painter.drawRoundedRect(QRectF(5, 4, 22, 24), 3, 3);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(sumSign());
    return image;
}

QIcon velmoraIcon() {
    return QIcon(new IconEngine);
}

}  // namespace velmora
