// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// A planner page that is turned and saved in a loop, for the test that kills it at random
// moments. Every version of a day's files says which version it is and how long it must be, so
// that a file cut short or mixed from two versions shows.
//
// deskora_save_probe FOLDER FIRST-VERSION: prints "bereit" once the pad is built, then writes
// versions FIRST-VERSION, FIRST-VERSION + 1, ... of days 01.03.04 to 05.03.04 until killed.

#include "pad/calendarpad.h"
#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

using namespace deskora;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int first = std::atoi(argv[2]);
    RemoveLeftoverTemporaryFiles(folder);
    SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
    SetErrorHook([](const QString& text) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        std::exit(1);
    });

    TCalendarPad pad;
    pad.setDirectory(folder);
    pad.setSoundEffect(false);
    std::puts("bereit");
    std::fflush(stdout);
    for (int version = first;; ++version) {
        for (int day = 1; day <= 5; ++day) {
            pad.setDate(QStringLiteral("0%1.03.04").arg(day));
            QString notes = QStringLiteral("Tag %1 Fassung %2").arg(day).arg(version);
            const int lines = 50 + version % 200;
            for (int line = 0; line < lines; ++line)
                notes += QStringLiteral("\nZeile %1 von %2").arg(line).arg(lines);
            notes += QStringLiteral("\nEnde %1").arg(version);
            pad.NotesField()->setPlainText(notes);
            for (int k = 1; k <= SlotCount; ++k)
                pad.SlotField(k)->setText(QStringLiteral("%1 %2").arg(version).arg(k));
            try {
                pad.SaveEntries();
            } catch (const EDeskoraError& e) {
                std::fprintf(stderr, "%s\n", e.what());
                return 1;
            }
        }
    }
}
