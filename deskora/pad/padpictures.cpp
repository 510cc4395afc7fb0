// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "padpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace deskora {

namespace {

constexpr int PadWidth = 387;
constexpr int PadHeight = 278;

// Page rectangles; the contents of the pad (date box, notes, hour slots) lie inside them.
const QRect LeftPage(6, 6, 178, 266);
const QRect RightPage(203, 6, 178, 266);

void PaintWood(QPainter& p)
{
    QLinearGradient base(0, 0, 0, PadHeight);
    base.setColorAt(0.0, QColor(150, 92, 48));
    base.setColorAt(0.5, QColor(128, 74, 36));
    base.setColorAt(1.0, QColor(104, 58, 28));
    p.fillRect(0, 0, PadWidth, PadHeight, base);
    // Grain: gently waving lines of a darker and a lighter brown.
    for (int line = 0; line < 46; ++line) {
        const double y0 = line * 6.2 + 2;
        QPainterPath grain;
        grain.moveTo(0, y0);
        for (int x = 0; x <= PadWidth; x += 8) {
            const double y = y0 + 2.2 * std::sin(x / 37.0 + line * 0.9)
                             + 1.1 * std::sin(x / 11.0 + line * 2.3);
            grain.lineTo(x, y);
        }
        p.setPen(QPen(line % 3 == 0 ? QColor(90, 50, 22, 140) : QColor(170, 112, 62, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    // A bevel round the edge.
    p.setPen(QPen(QColor(186, 130, 78), 1));
    p.drawLine(0, 0, PadWidth - 1, 0);
    p.drawLine(0, 0, 0, PadHeight - 1);
    p.setPen(QPen(QColor(62, 34, 14), 1));
    p.drawLine(0, PadHeight - 1, PadWidth - 1, PadHeight - 1);
    p.drawLine(PadWidth - 1, 0, PadWidth - 1, PadHeight - 1);
}

void PaintPage(QPainter& p, const QRect& page)
{
    // The sheets underneath show as thin grey edges below and beside the top sheet.
    for (int sheet = 3; sheet >= 1; --sheet) {
        p.fillRect(page.translated(sheet, sheet),
                   QColor(200 - 18 * sheet, 200 - 18 * sheet, 196 - 18 * sheet));
    }
    p.fillRect(page, Qt::white);
    p.setPen(QColor(170, 170, 170));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.adjusted(0, 0, -1, -1));
}

void PaintHoles(QPainter& p, int y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 50));
    p.drawEllipse(QPointF(LeftPage.right() - 6, y), 3.5, 3.5);
    p.drawEllipse(QPointF(RightPage.left() + 6, y), 3.5, 3.5);
}

void PaintRing(QPainter& p, int y)
{
    // A metal ring seen from the front: a half ellipse from one page's hole to the other's.
    const QRectF ring(LeftPage.right() - 8, y - 16, RightPage.left() - LeftPage.right() + 16, 30);
    QLinearGradient metal(ring.topLeft(), ring.bottomLeft());
    metal.setColorAt(0.0, QColor(250, 250, 250));
    metal.setColorAt(0.45, QColor(165, 168, 175));
    metal.setColorAt(1.0, QColor(90, 92, 98));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 50, 55), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, 0, 180 * 16);
    p.setPen(QPen(QBrush(metal), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, 0, 180 * 16);
}

void PaintCornerArrow(QPainter& p, int tipX, int y, int direction)
{
    // A small filled arrow pointing outwards, direction -1 to the left, +1 to the right.
    const int len = 22;
    QPainterPath arrow;
    arrow.moveTo(tipX, y);
    arrow.lineTo(tipX - direction * 8, y - 6);
    arrow.lineTo(tipX - direction * 8, y - 2);
    arrow.lineTo(tipX - direction * len, y - 2);
    arrow.lineTo(tipX - direction * len, y + 2);
    arrow.lineTo(tipX - direction * 8, y + 2);
    arrow.lineTo(tipX - direction * 8, y + 6);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 150, 150));
    p.drawPath(arrow);
}

// A hand with the index finger pointing up, 32 x 32, the fingertip at (12, 1).
QPixmap UpHand()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    // Index finger.
    hand.addRoundedRect(QRectF(9.5, 1, 5, 16), 2.5, 2.5);
    // Folded fingers and the palm.
    hand.addRoundedRect(QRectF(14, 11, 5, 8), 2.2, 2.2);
    hand.addRoundedRect(QRectF(18.5, 12, 5, 8), 2.2, 2.2);
    hand.addRoundedRect(QRectF(23, 13.5, 4.5, 7.5), 2.2, 2.2);
    hand.addRoundedRect(QRectF(9.5, 15, 18, 13), 4, 4);
    // Thumb, against the palm's left side.
    QPainterPath thumb;
    thumb.moveTo(10, 20);
    thumb.cubicTo(7, 17, 4, 15, 3.5, 17.5);
    thumb.cubicTo(3, 20, 7, 24, 10, 26);
    thumb.closeSubpath();
    hand = hand.united(thumb);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    // The gaps between the folded fingers.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(18.7, 13), QPointF(18.7, 18));
    p.drawLine(QPointF(23.2, 14.5), QPointF(23.2, 19));
    // Cuff.
    p.fillRect(QRectF(11, 27.5, 15, 4), Qt::black);
    return pixmap;
}

QCursor Rotated(const QPixmap& up, int degrees, QPoint hotSpot)
{
    return QCursor(up.transformed(QTransform().rotate(degrees)), hotSpot.x(), hotSpot.y());
}

}  // namespace

QPixmap CalendarPadBitmap(qreal devicePixelRatio)
{
    return QPixmap::fromImage(CalendarPadImage(devicePixelRatio));
}

QImage CalendarPadImage(qreal devicePixelRatio)
{
    // Opaque, as a pixmap of the screen: the wood covers every pixel.
    QImage pixmap(QSize(PadWidth, PadHeight) * devicePixelRatio, QImage::Format_RGB32);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    PaintWood(p);
    PaintPage(p, LeftPage);
    PaintPage(p, RightPage);
    p.setRenderHint(QPainter::Antialiasing);
    for (const int y : {62, 212}) {
        PaintHoles(p, y);
        PaintRing(p, y);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // The arrows sit inside the corner regions that turn the page (x 1..36 and 349..384,
    // y 249..269).
    PaintCornerArrow(p, 10, 262, -1);
    PaintCornerArrow(p, 376, 262, +1);
    return pixmap;
}

QCursor PadCursor(int number)
{
    const QPixmap up = UpHand();
    switch (number) {
    case crTopHand: return QCursor(up, 12, 1);
    case crRightHand:
        // Turned a quarter clockwise the fingertip points right, at (30, 12).
        return Rotated(up, 90, QPoint(30, 12));
    case crLeftHand: return Rotated(up, -90, QPoint(1, 19));
    default: return QCursor(Qt::ArrowCursor);
    }
}

}  // namespace deskora
