// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Handler time of a date typed into the "Astronomie" tab: each keystroke, and Enter up to the
// repainted tab. Runs Lunoria's window offscreen with the system's regional settings and zone.
//
//   bench_datumseingabe [runden]     (default 40 dates)
//
// Prints the median and the largest time of the Enter handler (QElapsedTimer around the key
// event and a synchronous repaint of the tab) and of a single typed character.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/kalender1.h"
#include "app/systemquellen.h"
#include "controls/kalenderedit.h"

namespace {

double Median(std::vector<double> werte)
{
    if (werte.empty())
        return 0;
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

double Groesster(const std::vector<double>& werte)
{
    return werte.empty() ? 0 : *std::max_element(werte.begin(), werte.end());
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    lunoria::InstalliereSystemQuellen();
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    lunoria::TKalender1 fenster;
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    auto* edit = fenster.findChild<lunoria::TKalenderEdit*>(QStringLiteral("KalenderEdit1"));
    auto* tab = fenster.findChild<QWidget*>(QStringLiteral("TabSheet2"));
    if (!edit || !tab)
        return 1;
    edit->setFocus();

    // Two series: every date in a year not shown before, and dates of one year.
    int berechnungen = 0;
    for (const bool jahrWechsel : {true, false}) {
        std::vector<double> enterMs;
        std::vector<double> tasteMs;
        const int vorher = fenster.AstronomieBerechnungen();
        QElapsedTimer uhr;
        for (int i = 0; i < runden; ++i) {
            // Dates a few weeks apart, so that every Enter is a change.
            const int tag = 1 + (i * 7) % 28;
            const int monat = 1 + (i * 5) % 12;
            const int jahr = jahrWechsel ? 1700 + i : 2024;
            const QString text = QStringLiteral("%1.%2.%3")
                                     .arg(tag, 2, 10, QLatin1Char('0'))
                                     .arg(monat, 2, 10, QLatin1Char('0'))
                                     .arg(jahr);
            edit->selectAll();
            for (const QChar c : text) {
                uhr.start();
                QTest::keyClick(edit, c.toLatin1());
                tasteMs.push_back(uhr.nsecsElapsed() / 1e6);
            }
            uhr.start();
            QTest::keyClick(edit, Qt::Key_Return);
            tab->repaint();
            enterMs.push_back(uhr.nsecsElapsed() / 1e6);
        }
        const int n = fenster.AstronomieBerechnungen() - vorher;
        berechnungen += n;
        std::printf("%s:\n", jahrWechsel ? "jedes Datum in einem anderen Jahr" : "Daten eines Jahres");
        std::printf("  Enter bis zum neu gezeichneten Reiter: Median %.3f ms, hoechstens %.3f ms (%d Daten)\n",
                    Median(enterMs), Groesster(enterMs), runden);
        std::printf("  ein getipptes Zeichen: Median %.4f ms, hoechstens %.3f ms (%zu Zeichen)\n", Median(tasteMs),
                    Groesster(tasteMs), tasteMs.size());
        std::printf("  Berechnungen des Reiters: %d fuer %d Daten\n", n, runden);
    }
    return berechnungen == 2 * runden ? 0 : 1;
}
