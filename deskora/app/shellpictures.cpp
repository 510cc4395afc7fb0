// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "shellpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace deskora {

namespace {

constexpr int ButtonPictureSize = 16;

QImage EmptyPicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QPixmap MondPicture()
{
    QImage image = EmptyPicture(ButtonPictureSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A disc less a disc shifted to the right leaves a waning crescent.
    QPainterPath disc;
    disc.addEllipse(QRectF(1.5, 1.5, 13, 13));
    QPainterPath bite;
    bite.addEllipse(QRectF(5.5, 0.5, 12, 12));
    painter.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    painter.setBrush(QColor(0xFF, 0xE0, 0x40));
    painter.drawPath(disc.subtracted(bite));
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap HilfePicture()
{
    QImage image = EmptyPicture(ButtonPictureSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(0x20, 0x60, 0xD0));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    // The question mark: a hook of an arc and a stem, then the dot.
    QPen pen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.arcMoveTo(QRectF(5, 3, 6, 5.5), 160);
    hook.arcTo(QRectF(5, 3, 6, 5.5), 160, -250);
    hook.lineTo(8, 9.5);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(6.8, 11, 2.4, 2.4));
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap SchliessenPicture()
{
    QImage image = EmptyPicture(ButtonPictureSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Door frame and the opened wooden leaf.
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawRect(QRectF(6.5, 1.5, 8, 13));
    QPolygonF leaf;
    leaf << QPointF(6.5, 1.5) << QPointF(11.5, 3.5) << QPointF(11.5, 15.5) << QPointF(6.5, 14.5);
    painter.setBrush(QColor(0xB0, 0x70, 0x30));
    painter.drawPolygon(leaf);
    // The arrow out of the door.
    QPen arrow(QColor(0xD0, 0x10, 0x10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(arrow);
    painter.drawLine(QPointF(1.5, 8.5), QPointF(8, 8.5));
    painter.drawLine(QPointF(1.5, 8.5), QPointF(4, 6));
    painter.drawLine(QPointF(1.5, 8.5), QPointF(4, 11));
    painter.end();
    return QPixmap::fromImage(image);
}

QImage ProgramIconImage(int size)
{
    QImage image = EmptyPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    PaintProgramIcon(painter);
    painter.end();
    return image;
}

void PaintProgramIcon(QPainter& painter)
{
    // Wooden frame.
    painter.setPen(QPen(QColor(0x5A, 0x32, 0x10), 1.5));
    painter.setBrush(QColor(0xA8, 0x6A, 0x32));
    painter.drawRoundedRect(QRectF(2, 6, 60, 52), 4, 4);
    // The page.
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7, 11, 50, 42));
    // The red date box with a white day number.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x10, 0x10));
    painter.drawRect(QRectF(11, 16, 18, 16));
    painter.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17, 20), QPointF(20, 18));
    painter.drawLine(QPointF(20, 18), QPointF(20, 29));
    // Ruled lines: notes on the left, hour slots on the right.
    painter.setPen(QPen(QColor(0x30, 0x30, 0x80), 1.4));
    for (int y = 37; y <= 49; y += 4)
        painter.drawLine(QPointF(11, y), QPointF(29, y));
    for (int y = 17; y <= 49; y += 4)
        painter.drawLine(QPointF(36, y), QPointF(53, y));
    // Two rings in the middle.
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(29.5, 15, 5, 8));
    painter.drawEllipse(QRectF(29.5, 39, 5, 8));
}

QIcon ProgramIcon()
{
    // The sizes of title bars, task switchers and tray areas, painted once for the window and
    // the tray icon together. Larger ones are the menus' business (the installed icon files): the
    // window system receives every size of a window icon as plain pixels, and 256 pixels alone
    // cost the start some milliseconds.
    // Kept to the end of the process: pixmaps must not be freed after the application object.
    static const QIcon* const icon = [] {
        auto* sizes = new QIcon;
        for (int size : {16, 22, 32, 48})
            sizes->addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
        return sizes;
    }();
    return *icon;
}

}  // namespace deskora
