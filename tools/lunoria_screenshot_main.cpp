// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Renders Lunoria's window to PNG files without a display: each tab of the window for a given
// date, and the month grid in its three drawing styles with and without week column and caption.
//
//   lunoria-screenshot [--datum TT.MM.JJJJ] [--ziel ORDNER] [--gitter]

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

#include "app/kalender1.h"
#include "app/systemquellen.h"
#include "calendar/datumstext.h"
#include "calendar/julian.h"
#include "calendar/uhr.h"
#include "controls/kalenderctrl.h"

using namespace lunoria;

namespace {

constexpr const char* Aufruf =
    "Aufruf: lunoria-screenshot [--datum TT.MM.JJJJ] [--ziel ORDNER] [--gitter]\n"
    "\n"
    "Zeichnet die Seiten von Lunoria ohne Bildschirm in PNG-Dateien.\n"
    "\n"
    "  --datum TT.MM.JJJJ   Datum der Aufnahme (ohne Angabe: heute)\n"
    "  --ziel ORDNER        Ordner der Bilder (Vorgabe: der aktuelle Ordner)\n"
    "  --gitter             auch das Monatsgitter in allen Darstellungen\n"
    "  --help               diese Hilfe\n";

bool Speichern(QWidget& w, const QString& pfad)
{
    w.show();
    QApplication::processEvents();
    const bool ok = w.grab().save(pfad);
    std::printf("%s %s\n", ok ? "geschrieben" : "FEHLER", qPrintable(pfad));
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser befehl;
    befehl.addOption({QStringLiteral("datum"), QStringLiteral("Datum der Aufnahme"), QStringLiteral("TT.MM.JJJJ")});
    befehl.addOption(
        {QStringLiteral("ziel"), QStringLiteral("Ordner der Bilder"), QStringLiteral("ORDNER"), QStringLiteral(".")});
    befehl.addOption({QStringLiteral("gitter"), QStringLiteral("auch das Monatsgitter in allen Darstellungen")});
    befehl.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("diese Hilfe")});
    // Parsed by hand, not by process(): Qt's own messages and help are English.
    if (!befehl.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "lunoria-screenshot: falscher Aufruf\n\n%s", Aufruf);
        return 2;
    }
    if (befehl.isSet(QStringLiteral("help"))) {
        std::fputs(Aufruf, stdout);
        return 0;
    }
    InstalliereSystemQuellen();

    const QString ziel = befehl.value(QStringLiteral("ziel"));
    QDir().mkpath(ziel);
    QString name = QStringLiteral("heute");
    if (befehl.isSet(QStringLiteral("datum"))) {
        int fehler = 0;
        const Extended mjd = TextDatumZuMJD(befehl.value(QStringLiteral("datum")).toStdString(), fehler);
        if (fehler != 0) {
            std::fprintf(stderr, "Das eingegebene Textdatum kann nicht aufgelöst werden\n");
            return 2;
        }
        // The window starts on today's date: let today be the date asked for, at noon.
        const TZeitpunkt echt = SystemJetzt();
        int t, m, j;
        Extended h;
        Caldat(mjd, t, m, j, h);
        SetzeUhr([=] {
            TZeitpunkt z = echt;
            z.Lokal = {j, m, t, 12, 0, 0, 0};
            return z;
        });
        name = QString::asprintf("%04d-%02d-%02d", j, m, t);
    }

    bool ok = true;
    TKalender1 fenster;
    auto* seiten = fenster.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; seiten && i < seiten->count(); ++i) {
        seiten->setCurrentIndex(i);
        ok &= Speichern(fenster, QStringLiteral("%1/lunoria-%2-%3.png").arg(ziel, name, seiten->tabText(i).toLower()));
    }

    if (befehl.isSet(QStringLiteral("gitter"))) {
        const char* stile[] = {"standard", "3d", "win95"};
        for (int stil = 0; stil < 3; ++stil)
            for (const bool woche : {false, true})
                for (const bool titel : {true, false}) {
                    TKalenderCtrl gitter;
                    gitter.setAussehen(stil);
                    gitter.show();
                    gitter.setShowKalenderWoche(woche);
                    gitter.setShowCaption(titel);
                    ok &= Speichern(
                        gitter, QStringLiteral("%1/gitter-%2%3%4.png")
                                    .arg(ziel, QLatin1String(stile[stil]), woche ? QStringLiteral("-kw") : QString(),
                                         titel ? QString() : QStringLiteral("-ohne-titel")));
                }
    }
    return ok ? 0 : 1;
}
