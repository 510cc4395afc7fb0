// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Paints Lunoria's pictures: the full moon that the moon picture cuts its lit part out of, and
// the program icon. The results are committed as resources; run this only to change them.
//
//   lunoria-mondbild [--ziel ORDNER]     writes ORDNER/mondimage.png, ORDNER/mondimage@2x.png (the
//                                        same at twice the size, for screens of a device pixel
//                                        ratio above 1), ORDNER/lunoria.png and the window
//                                        icon's sizes ORDNER/lunoria-16.png, -48.png
//   lunoria-mondbild --symbol DATEI [--groesse N]
//                                        writes only the program icon: N x N pixels (default
//                                        256), or scalable for a DATEI ending in .svg; for the
//                                        desktop's icon theme, made at build time
//
// The full moon is an orthographic view of the near side, north up, east to the right as seen
// from the northern hemisphere: bright highlands, the dark maria at their selenographic places
// and sizes, and the ray systems of Tycho, Copernicus, Kepler, Aristarchus and Proclus.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "astronomy/mondbild.h"

namespace {

constexpr double Grad = std::numbers::pi / 180;

struct Vektor {
    double x, y, z;  // x east, y north, z towards the viewer
};

double Punkt(const Vektor& a, const Vektor& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vektor Kreuz(const Vektor& a, const Vektor& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vektor Normiert(const Vektor& a)
{
    const double l = std::sqrt(Punkt(a, a));
    return {a.x / l, a.y / l, a.z / l};
}

// Unit vector of a selenographic place (degrees; longitude positive east).
Vektor Ort(double breite, double laenge)
{
    return {std::cos(breite * Grad) * std::sin(laenge * Grad), std::sin(breite * Grad),
            std::cos(breite * Grad) * std::cos(laenge * Grad)};
}

// Angular distance in degrees.
double Abstand(const Vektor& a, const Vektor& b)
{
    return std::acos(std::clamp(Punkt(a, b), -1.0, 1.0)) / Grad;
}

double Glatt(double kante0, double kante1, double x)
{
    const double t = std::clamp((x - kante0) / (kante1 - kante0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A mare as a round patch: centre, angular radius (degrees), depth of its darkening (0 ... 1).
struct Fleck {
    double breite, laenge, radius, tiefe;
};

// Radii from the published diameters (radius of the moon 1737 km); the large irregular basins,
// Oceanus Procellarum and Mare Frigoris, are made of several patches.
const Fleck Maria[] = {
    {32.8, -15.6, 18.0, 1.0},    // Mare Imbrium
    {28.0, 17.5, 11.0, 1.0},     // Mare Serenitatis
    {8.5, 31.4, 12.5, 1.0},      // Mare Tranquillitatis
    {17.0, 59.1, 8.5, 1.0},      // Mare Crisium
    {-7.8, 51.3, 10.0, 0.9},     // Mare Fecunditatis
    {-15.2, 35.5, 5.5, 0.95},    // Mare Nectaris
    {-21.3, -16.6, 10.0, 0.85},  // Mare Nubium
    {-24.4, -38.6, 6.4, 0.95},   // Mare Humorum
    {13.3, 3.6, 4.0, 0.85},      // Mare Vaporum
    {-10.0, -23.1, 5.5, 0.8},    // Mare Cognitum
    {7.5, -30.9, 7.0, 0.8},      // Mare Insularum
    {2.0, 1.0, 3.0, 0.7},        // Sinus Medii
    {-1.0, 86.0, 5.0, 0.8},      // Mare Smythii
    {13.0, 86.0, 4.0, 0.7},      // Mare Marginis
    {-46.0, 85.0, 7.0, 0.6},     // Mare Australe
    {20.0, -56.0, 16.0, 0.9},    // Oceanus Procellarum
    {5.0, -55.0, 14.0, 0.9},    {-8.0, -45.0, 10.0, 0.85}, {33.0, -45.0, 12.0, 0.85},
    {44.0, -33.0, 8.0, 0.75},   {22.0, -70.0, 10.0, 0.85}, {-4.0, -66.0, 9.0, 0.8},
    {12.0, -42.0, 10.0, 0.8},   {55.0, -40.0, 4.5, 0.7},  // Mare Frigoris
    {56.5, -30.0, 4.5, 0.7},    {57.5, -20.0, 4.5, 0.7},   {58.0, -10.0, 4.5, 0.7},
    {58.0, 0.0, 4.5, 0.7},      {57.5, 10.0, 4.5, 0.7},    {57.0, 20.0, 4.5, 0.7},
    {56.0, 30.0, 4.0, 0.65},    {47.0, 26.0, 5.5, 0.9},  // Lacus Somniorum, Mare Serenitatis' north-east
};

// A bright young crater with its rays: place, radius of the bright spot and of its halo, number
// and length of the rays (degrees), brightness of the rays.
struct Strahlenkrater {
    double breite, laenge, fleck, hof;
    int strahlen;
    double laenge_strahl, helligkeit;
};

const Strahlenkrater Krater[] = {
    {-43.3, -11.4, 1.3, 4.0, 18, 45.0, 0.22},  // Tycho
    {9.6, -20.1, 1.2, 3.5, 14, 14.0, 0.16},    // Copernicus
    {8.1, -38.0, 0.9, 2.5, 10, 10.0, 0.2},     // Kepler
    {23.7, -47.4, 1.1, 2.0, 6, 6.0, 0.25},     // Aristarchus
    {16.1, 46.8, 0.9, 2.0, 8, 9.0, 0.2},       // Proclus
};

// Deterministic relief of the surface: a few incommensurate waves on the sphere, smooth at the
// picture's scale.
double Rauschen(const Vektor& p)
{
    return 0.5 * std::sin(7.1 * p.x + 4.3 * p.y + 1.0) * std::sin(5.7 * p.y - 3.1 * p.z + 2.0) +
           0.3 * std::sin(13.3 * p.z + 9.7 * p.x + 0.5) * std::sin(11.9 * p.x - 6.1 * p.y + 1.5) +
           0.2 * std::sin(21.1 * p.y + 17.3 * p.z + 2.5) * std::sin(19.7 * p.z - 15.1 * p.x + 0.2);
}

// Brightness (0 ... 1) of the full moon at a place on the near side.
double Helligkeit(const Vektor& p)
{
    // The patches merge into one another like the real basins; their shores are irregular.
    const double ufer = 1 + 0.18 * Rauschen(Vektor{p.z, p.x, p.y});
    double hell = 1;
    for (const Fleck& f : Maria) {
        const double d = Abstand(p, Ort(f.breite, f.laenge)) * ufer;
        hell *= 1 - f.tiefe * (1 - Glatt(f.radius * 0.8, f.radius * 1.25, d));
    }
    const double mare = 1 - hell;
    const double hochland = 0.76 + 0.05 * Rauschen(p);
    const double tiefland = 0.38 + 0.05 * Rauschen(Vektor{p.y, p.z, p.x});
    double h = hochland * (1 - mare) + tiefland * mare;

    for (const Strahlenkrater& k : Krater) {
        const Vektor c = Ort(k.breite, k.laenge);
        const double d = Abstand(p, c);
        h += 0.35 * (1 - Glatt(k.fleck * 0.5, k.fleck, d)) + 0.08 * (1 - Glatt(k.fleck, k.hof, d));
        if (d < 0.2 || d > k.laenge_strahl)
            continue;
        // Bearing of p seen from the crater, from its local east and north.
        const Vektor ost = Normiert(Kreuz(Vektor{0, 1, 0}, c));
        const Vektor nord = Kreuz(c, ost);
        const double richtung = std::atan2(Punkt(p, nord), Punkt(p, ost));
        double strahl = 0;
        for (int i = 0; i < k.strahlen; ++i) {
            // Irregular but fixed directions.
            const double r = 2 * std::numbers::pi * (i + 0.37 * std::sin(7.3 * i + k.breite)) / k.strahlen;
            const double quer = d * std::sin(richtung - r);
            if (std::cos(richtung - r) <= 0)
                continue;
            const double breite = 0.5 + 0.04 * d;
            strahl = std::max(strahl, std::exp(-quer * quer / (breite * breite)));
        }
        h += k.helligkeit * strahl * (1 - d / k.laenge_strahl);
    }
    return std::clamp(h, 0.0, 1.0);
}

// The full moon filling a square picture of the given size; outside the disc it is black, like
// the dark disc it is laid on.
QImage Vollmond(int groesse)
{
    QImage bild(groesse, groesse, QImage::Format_RGB32);
    constexpr int n = 4;  // samples per pixel and axis
    const double r = groesse / 2.0;
    for (int py = 0; py < groesse; ++py)
        for (int px = 0; px < groesse; ++px) {
            double summe = 0;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx) {
                    const double u = (px + (sx + 0.5) / n - r) / r;
                    const double v = (r - py - (sy + 0.5) / n) / r;
                    const double q = u * u + v * v;
                    if (q >= 1)
                        continue;
                    const Vektor p{u, v, std::sqrt(1 - q)};
                    summe += Helligkeit(p) * (0.88 + 0.12 * p.z);  // faint darkening at the limb
                }
            const double h = summe / (n * n);
            bild.setPixelColor(px, py, QColor::fromRgbF(float(h), float(h * 0.98), float(h * 0.93)));
        }
    return bild;
}

// The program icon: a waxing gibbous moon on a night-blue rounded square with a few stars,
// painted in a square of groesse units. The moon is a picture of aufloesung pixels (any
// painter, also a scalable one, takes it so); outside its disc the picture is transparent.
void SymbolMalen(QPainter& p, int groesse, int aufloesung)
{
    const QColor himmel(16, 28, 64);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath rahmen;
    const double rand = groesse * 0.04;
    rahmen.addRoundedRect(QRectF(rand, rand, groesse - 2 * rand, groesse - 2 * rand), groesse * 0.18, groesse * 0.18);
    p.fillPath(rahmen, himmel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    const struct {
        double x, y, r;
    } sterne[] = {{0.17, 0.2, 0.012}, {0.3, 0.12, 0.008}, {0.14, 0.45, 0.007}, {0.84, 0.16, 0.01}, {0.2, 0.8, 0.009}};
    for (const auto& s : sterne)
        p.drawEllipse(QPointF(s.x * groesse, s.y * groesse), s.r * groesse, s.r * groesse);

    const int n = aufloesung & ~1;
    const QImage voll = Vollmond(n);
    QImage mond(n, n, QImage::Format_ARGB32_Premultiplied);
    mond.fill(Qt::transparent);
    {
        QPainter m(&mond);
        lunoria::MondBildZeichnen(m, n / 2, n / 2, n / 2, n / 2, himmel, 70, -25, true, &voll);
        // Only the disc: the square around it would show as a darker patch on the rounded frame.
        m.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::white);
        m.drawEllipse(QRectF(0, 0, n, n));
    }
    const double d = int(groesse * 0.7) & ~1;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(groesse * 0.56 - d / 2, groesse * 0.54 - d / 2, d, d), mond);
}

QImage Symbol(int groesse)
{
    QImage symbol(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    symbol.fill(Qt::transparent);
    QPainter p(&symbol);
    SymbolMalen(p, groesse, int(groesse * 0.7));
    return symbol;
}

// The program icon as a scalable picture of 256 units, its moon 512 pixels wide.
bool SymbolSvg(const QString& datei)
{
    QSvgGenerator svg;
    svg.setFileName(datei);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Lunoria"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    SymbolMalen(p, 256, 512);
    return p.end();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser befehl;
    befehl.addOption(
        {QStringLiteral("ziel"), QStringLiteral("Ordner der Bilder"), QStringLiteral("ORDNER"), QStringLiteral(".")});
    befehl.addOption(
        {QStringLiteral("symbol"), QStringLiteral("nur das Programmsymbol schreiben"), QStringLiteral("DATEI")});
    befehl.addOption({QStringLiteral("groesse"), QStringLiteral("Kantenlänge des Programmsymbols"), QStringLiteral("N"),
                      QStringLiteral("256")});
    befehl.addHelpOption();
    befehl.process(app);
    if (befehl.isSet(QStringLiteral("symbol"))) {
        const QString datei = befehl.value(QStringLiteral("symbol"));
        bool zahl = false;
        const int groesse = befehl.value(QStringLiteral("groesse")).toInt(&zahl);
        if (!zahl || groesse < 16 || groesse > 1024) {
            std::fprintf(stderr, "lunoria-mondbild: --groesse muss zwischen 16 und 1024 liegen\n");
            return 2;
        }
        const bool gut = datei.endsWith(QLatin1String(".svg")) ? SymbolSvg(datei) : Symbol(groesse).save(datei, "PNG");
        if (!gut)
            std::fprintf(stderr, "lunoria-mondbild: FEHLER %s\n", qPrintable(datei));
        return gut ? 0 : 1;
    }
    const QString ziel = befehl.value(QStringLiteral("ziel"));
    QDir().mkpath(ziel);
    bool ok = true;
    for (const auto& [name, bild] : {std::pair{QStringLiteral("mondimage.png"), Vollmond(120)},
                                     std::pair{QStringLiteral("mondimage@2x.png"), Vollmond(240)},
                                     std::pair{QStringLiteral("lunoria.png"), Symbol(256)},
                                     std::pair{QStringLiteral("lunoria-16.png"), Symbol(16)},
                                     std::pair{QStringLiteral("lunoria-48.png"), Symbol(48)}}) {
        const QString pfad = ziel + QLatin1Char('/') + name;
        const bool gut = bild.save(pfad);
        std::printf("%s %s\n", gut ? "geschrieben" : "FEHLER", qPrintable(pfad));
        ok &= gut;
    }
    return ok ? 0 : 1;
}
