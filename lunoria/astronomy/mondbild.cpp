// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "mondbild.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <cfenv>
#include <cmath>
#include <limits>

#include "kreisfunktionen.h"

namespace lunoria {

namespace {

// v taken to the nearest integer, halves to the even neighbour. Only called with values bounded
// by the radii, so the result always fits an int.
int Naechste(Extended v)
{
    return static_cast<int>(std::nearbyintl(v));
}

// Appends the points of a half-ellipse arc with the signed horizontal semi-axis a, starting one
// degree before theta0 and stepping 181/90 degrees while below theta0 + 180. theta = 0 is the
// bottom of the disc (y grows downwards).
void Bogen(QVector<QPoint>& punkte, Extended a, int ry, Extended theta0)
{
    constexpr Extended schritt = 181.0L / 90.0L;
    for (Extended theta = theta0 - 1; theta < theta0 + 180; theta += schritt)
        punkte.append(QPoint(Naechste(a * std::sin(theta * GradZuRad)), Naechste(ry * std::cos(theta * GradZuRad))));
}

// The off-screen image that every picture drawing reuses; it lives as long as the program.
QImage& Zwischenbild()
{
    static QImage bild;
    return bild;
}

}  // namespace

QVector<QPoint> MondUmriss(int cx, int cy, int rx, int ry, Extended prozent, Extended winkel, bool zunehmend)
{
    // The rounding below assumes the default rounding mode; keep it whatever the caller set.
    const int modus = std::fegetround();
    std::fesetround(FE_TONEAREST);

    if (std::isnan(prozent))
        prozent = 0;
    prozent = std::fmin(std::fmax(prozent, 0.0L), 100.0L);
    if (!std::isfinite(winkel))
        winkel = 0;

    QVector<QPoint> punkte;
    punkte.reserve(2 * 91);
    // Limb: bottom over the right side (waxing) or the left side (waning) to the top.
    Bogen(punkte, zunehmend ? rx : -rx, ry, 0);
    // Terminator from the top back to the bottom: bulging away from the lit limb above 50 %
    // (gibbous), towards it below 50 % (crescent), the vertical diameter at 50 %.
    const int w = Naechste(rx / 100.0L * std::fabs(prozent - 50) * 2);
    const int e = prozent > 50 ? w : -w;
    const int d = prozent > 50 ? -w : w;
    Bogen(punkte, zunehmend ? e : d, ry, 180);

    const Extended c = std::cos(winkel * GradZuRad);
    const Extended s = std::sin(winkel * GradZuRad);
    for (QPoint& p : punkte) {
        const Extended x = p.x();
        const Extended y = p.y();
        p = QPoint(Naechste(c * x - s * y) + cx, Naechste(s * x + c * y) + cy);
    }
    std::fesetround(modus);
    return punkte;
}

void MondBildZeichnen(QPainter& canvas, int cx, int cy, int rx, int ry, const QColor& hintergrund, Extended prozent,
                      Extended winkel, bool zunehmend, const QImage* bild)
{
    // Pen, brush and clipping are given back as they were.
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);

    // Background rectangle and the dark moon; both boxes exclude their right and bottom edges.
    canvas.setPen(Qt::NoPen);
    canvas.setBrush(hintergrund);
    canvas.drawRect(QRect(QPoint(cx - rx - 2, cy - ry - 2), QPoint(cx + rx + 1, cy + ry + 1)));
    canvas.setBrush(Qt::black);
    canvas.drawEllipse(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry));

    const QVector<QPoint> punkte = MondUmriss(cx, cy, rx, ry, prozent, winkel, zunehmend);
    const QPolygon umriss(punkte);

    if (bild && !bild->isNull()) {
        // The off-screen image takes the size of the canvas's clipping rectangle, measured from
        // the canvas origin, and the whole picture stretched onto it.
        QRect grenze = canvas.hasClipping() ? canvas.clipBoundingRect().toAlignedRect()
                                            : QRect(0, 0, canvas.device()->width(), canvas.device()->height());
        const int breite = grenze.x() + grenze.width();
        const int hoehe = grenze.y() + grenze.height();
        if (breite > 0 && hoehe > 0) {
            QImage& zwischen = Zwischenbild();
            if (zwischen.size() != QSize(breite, hoehe))
                zwischen = QImage(breite, hoehe, QImage::Format_RGB32);
            {
                QPainter p(&zwischen);
                p.setRenderHint(QPainter::SmoothPixmapTransform, false);  // a plain copy, no smoothing
                p.drawImage(QRect(0, 0, breite, hoehe), *bild);
            }
            canvas.setClipRegion(QRegion(umriss, Qt::OddEvenFill), Qt::IntersectClip);
            canvas.drawImage(QRect(0, 0, breite, hoehe), zwischen);
        }
    } else {
        canvas.setPen(QPen(Qt::black, 0));
        canvas.setBrush(QColor(MondFuellRot, MondFuellGruen, MondFuellBlau));
        canvas.drawPolygon(umriss, Qt::OddEvenFill);
    }
    canvas.restore();
}

QImage MondBild(QSize groesse, qreal pixelVerhaeltnis, const QColor& hintergrund, Extended prozent, Extended winkel,
                bool zunehmend, const QImage* bild)
{
    if (!(pixelVerhaeltnis > 0 && pixelVerhaeltnis <= 16))
        pixelVerhaeltnis = 1;
    QImage ziel((QSizeF(groesse) * pixelVerhaeltnis).toSize(), QImage::Format_RGB32);
    {
        QPainter canvas(&ziel);
        MondBildZeichnen(canvas, ziel.width() / 2, ziel.height() / 2, ziel.width() / 2, ziel.height() / 2, hintergrund,
                         prozent, winkel, zunehmend, bild);
    }
    ziel.setDevicePixelRatio(pixelVerhaeltnis);
    return ziel;
}

}  // namespace lunoria
