// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The moon picture, checked on drawn images of 120 x 120 pixels (centre 60, 60, radii 60).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/mondbild.h"

namespace lunoria {
namespace {

const QColor Grund(200, 200, 200);
const QColor Gelb(MondFuellRot, MondFuellGruen, MondFuellBlau);

QImage Zeichnen(Extended prozent, Extended winkel, bool zunehmend, const QImage* bild = nullptr)
{
    QImage canvas(120, 120, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    MondBildZeichnen(p, 60, 60, 60, 60, Grund, prozent, winkel, zunehmend, bild);
    return canvas;
}

// Share of the pixels well inside the disc that have the colour.
double Anteil(const QImage& bild, const QColor& farbe)
{
    int innen = 0, treffer = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const double dx = x + 0.5 - 60, dy = y + 0.5 - 60;
            if (dx * dx + dy * dy > 57.0 * 57.0)
                continue;
            ++innen;
            treffer += bild.pixelColor(x, y) == farbe;
        }
    return double(treffer) / innen;
}

TEST(MondBild, LitShapeForFractionAngleAndSide)
{
    struct Punkt {
        int x, y;
        bool hell;  // lit yellow, else the dark disc
    };
    const struct {
        Extended prozent, winkel;
        bool zunehmend;
        double anteilMin, anteilMax;  // lit share of the disc
        std::vector<Punkt> punkte;
    } faelle[] = {
        // Full moon: the whole disc, whichever side is the limb.
        {100, 0, true, 0.97, 1.0, {{60, 60, true}, {10, 60, true}, {110, 60, true}, {60, 8, true}, {60, 112, true}}},
        {100, 0, false, 0.97, 1.0, {{60, 60, true}, {10, 60, true}, {110, 60, true}, {60, 8, true}, {60, 112, true}}},
        // Half moon: the right half when waxing, the left half when waning.
        {50, 0, true, 0.45, 0.55, {{90, 60, true}, {90, 20, true}, {30, 60, false}, {30, 100, false}}},
        {50, 0, false, 0.45, 0.55, {{30, 60, true}, {30, 100, true}, {90, 60, false}, {90, 20, false}}},
        // New moon: a sliver along the limb at most.
        {0, 0, true, 0.0, 0.03, {{60, 60, false}, {100, 60, false}, {20, 60, false}}},
        {0, 0, false, 0.0, 0.03, {{60, 60, false}, {100, 60, false}, {20, 60, false}}},
        // A quarter turn takes the lit right half to the bottom, a half turn to the left.
        {50, 90, true, 0.45, 0.55, {{60, 90, true}, {20, 75, true}, {60, 30, false}, {100, 45, false}}},
        {50, 180, true, 0.45, 0.55, {{30, 60, true}, {90, 60, false}}},
        // Three quarters waxing: terminator semi-axis 30 bulges left of the centre line.
        {75, 0, true, 0.70, 0.80, {{40, 60, true}, {20, 60, false}}},
        // A quarter waxing: a crescent whose terminator runs 30 pixels right of the centre.
        {25, 0, true, 0.20, 0.30, {{100, 60, true}, {80, 60, false}, {60, 60, false}}},
        // Percentages outside 0 ... 100 and a NaN are taken as the nearest sound value.
        {130, 0, true, 0.97, 1.0, {{10, 60, true}}},
        {std::numeric_limits<Extended>::quiet_NaN(), 0, true, 0.0, 0.03, {{60, 60, false}}},
        {50, std::numeric_limits<Extended>::infinity(), true, 0.45, 0.55, {{90, 60, true}, {30, 60, false}}},
    };
    for (const auto& f : faelle) {
        const QImage bild = Zeichnen(f.prozent, f.winkel, f.zunehmend);
        SCOPED_TRACE(testing::Message() << f.prozent << "% " << f.winkel << " deg "
                                        << (f.zunehmend ? "waxing" : "waning"));
        const double anteil = Anteil(bild, Gelb);
        EXPECT_GE(anteil, f.anteilMin);
        EXPECT_LE(anteil, f.anteilMax);
        for (const Punkt& p : f.punkte)
            EXPECT_EQ(bild.pixelColor(p.x, p.y), p.hell ? Gelb : QColor(Qt::black)) << p.x << "," << p.y;
        // The corners lie outside the disc and keep the background; the box is 2 pixels wider.
        for (const QPoint ecke : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 119), QPoint(119, 119)})
            EXPECT_EQ(bild.pixelColor(ecke), Grund);
    }
}

TEST(MondBild, OutlinePointsAndRounding)
{
    // The limb starts one degree before the bottom: 60 sin(-1 deg) = -1.05, 60 cos(1 deg) = 59.99.
    const QVector<QPoint> zu = MondUmriss(60, 60, 60, 60, 100, 0, true);
    ASSERT_GE(zu.size(), 180);
    ASSERT_LE(zu.size(), 182);
    EXPECT_EQ(zu.front(), QPoint(59, 120));
    const QVector<QPoint> ab = MondUmriss(60, 60, 60, 60, 100, 0, false);
    EXPECT_EQ(ab.front(), QPoint(61, 120));
    // A quarter turn takes (-1, 60) to (-60, -1).
    EXPECT_EQ(MondUmriss(60, 60, 60, 60, 100, 90, true).front(), QPoint(0, 59));
    // Every point of a full disc lies on the rim.
    for (const QPoint& p : zu) {
        const double r = std::hypot(p.x() - 60.0, p.y() - 60.0);
        EXPECT_NEAR(r, 60.0, 1.0) << p.x() << "," << p.y();
    }

    // Terminator semi-axis 25/100 * |p - 50| * 2 with halves to the even neighbour:
    // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4. Waxing above 50 %, it bulges to the left.
    const struct {
        Extended prozent;
        int halbachse;
    } faelle[] = {{51, 0}, {53, 2}, {55, 2}, {57, 4}, {50, 0}, {100, 25}};
    for (const auto& f : faelle) {
        const QVector<QPoint> u = MondUmriss(100, 100, 25, 25, f.prozent, 0, true);
        int links = 100;
        for (int i = u.size() / 2; i < u.size(); ++i)
            links = std::min(links, u[i].x());
        EXPECT_EQ(100 - links, f.halbachse) << f.prozent;
    }
}

TEST(MondBild, PictureShowsOnlyInsideTheLitOutline)
{
    // A picture of four coloured quarters, stretched over the whole canvas.
    QImage viertel(2, 2, QImage::Format_RGB32);
    const QColor ol(Qt::red), or_(Qt::green), ul(Qt::blue), ur(Qt::magenta);
    viertel.setPixelColor(0, 0, ol);
    viertel.setPixelColor(1, 0, or_);
    viertel.setPixelColor(0, 1, ul);
    viertel.setPixelColor(1, 1, ur);

    const QImage halb = Zeichnen(50, 0, true, &viertel);
    EXPECT_EQ(halb.pixelColor(90, 30), or_);
    EXPECT_EQ(halb.pixelColor(90, 90), ur);
    EXPECT_EQ(halb.pixelColor(30, 30), QColor(Qt::black));
    EXPECT_EQ(halb.pixelColor(30, 90), QColor(Qt::black));
    for (const QPoint ecke : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 119), QPoint(119, 119)})
        EXPECT_EQ(halb.pixelColor(ecke), Grund);
    EXPECT_EQ(Anteil(halb, Gelb), 0.0);

    const QImage voll = Zeichnen(100, 0, false, &viertel);
    EXPECT_EQ(voll.pixelColor(30, 30), ol);
    EXPECT_EQ(voll.pixelColor(30, 90), ul);
    EXPECT_EQ(voll.pixelColor(119, 119), Grund);

    // On a larger canvas clipped to 120 x 120 the picture is stretched over the clipping
    // rectangle only; pen, brush and clipping are given back.
    QImage gross(200, 200, QImage::Format_RGB32);
    gross.fill(Qt::white);
    QPainter p(&gross);
    p.setClipRect(QRect(0, 0, 120, 120));
    p.setPen(QColor(1, 2, 3));
    p.setBrush(QColor(4, 5, 6));
    MondBildZeichnen(p, 60, 60, 60, 60, Grund, 100, 0, true, &viertel);
    EXPECT_EQ(p.pen().color(), QColor(1, 2, 3));
    EXPECT_EQ(p.brush().color(), QColor(4, 5, 6));
    EXPECT_EQ(p.clipBoundingRect().toRect(), QRect(0, 0, 120, 120));
    p.end();
    EXPECT_EQ(gross.pixelColor(90, 30), or_);
    EXPECT_EQ(gross.pixelColor(150, 150), QColor(Qt::white));

    // An empty picture draws the flat yellow shape.
    const QImage leer;
    EXPECT_EQ(Zeichnen(50, 0, true, &leer).pixelColor(90, 60), Gelb);
}

// Pixels of a square moon picture on whose side of the true limb (the circle of half the width)
// the drawing errs: the staircase along the edge.
int Treppenpixel(const QImage& bild)
{
    const double r = bild.width() / 2.0;
    int falsch = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const double dx = x + 0.5 - r, dy = y + 0.5 - r;
            falsch += (dx * dx + dy * dy < r * r) != (bild.pixelColor(x, y) != Grund);
        }
    return falsch;
}

TEST(MondBild, SharpLimbAtTheDevicePixelRatio)
{
    // A 120 x 120 picture on screens of ratio 1.5 and 2 has the device size and shows at the
    // logical one; its limb follows the circle more closely than the ratio-1 picture scaled up.
    for (const qreal verhaeltnis : {1.5, 2.0})
        for (const Extended winkel : {0.0L, 30.0L}) {
            SCOPED_TRACE(testing::Message() << verhaeltnis << " " << double(winkel));
            const QImage fein = MondBild(QSize(120, 120), verhaeltnis, Grund, 100, winkel, true, nullptr);
            EXPECT_EQ(fein.size(), (QSizeF(120, 120) * verhaeltnis).toSize());
            EXPECT_EQ(fein.deviceIndependentSize(), QSizeF(120, 120));
            const QImage grob = MondBild(QSize(120, 120), 1, Grund, 100, winkel, true, nullptr).scaled(fein.size());
            const int treppeFein = Treppenpixel(fein), treppeGrob = Treppenpixel(grob);
            // About half as many at both ratios (253 against 485, 331 against 750).
            EXPECT_LT(3 * treppeFein, 2 * treppeGrob) << treppeFein << " " << treppeGrob;
        }
    // A ratio that is no number draws at ratio 1.
    EXPECT_EQ(MondBild(QSize(120, 120), std::nan(""), Grund, 50, 0, true, nullptr).size(), QSize(120, 120));
}

}  // namespace
}  // namespace lunoria

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
