// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// What writing while typing costs on Deskora's pad: the handler time of a typed character (key
// event and a synchronous repaint of the field), and the time of one autosave of a full page
// (both files, synced to the disk) in a folder of the disk the day files live on. A key that
// arrives while a save runs waits for it, so the worst keystroke-to-screen time is their sum.
//
//   bench_tippen [folder] [keys]     (default: a new folder in the current one, 400 keys)
//
// Runs the pad offscreen; prints median and largest times in milliseconds.
#include "pad/calendarpad.h"
#include "pad/datehelpers.h"
#include "pad/padpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct TFigures {
    double Median = 0;
    double Largest = 0;
};

TFigures Figures(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/tippen-XXXXXX")
                                  : QStringLiteral("tippen-XXXXXX"));
    const int keys = argc > 2 ? std::max(10, std::atoi(argv[2])) : 400;
    if (!folder.isValid())
        return 1;
    deskora::SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});

    deskora::TCalendarPad pad;
    pad.setDirectory(folder.path());
    pad.setSoundEffect(false);
    pad.show();
    if (!QTest::qWaitForWindowExposed(&pad))
        return 1;
    // A full page: notes of some 2000 characters, every slot written.
    QString notes;
    for (int line = 0; line < 40; ++line)
        notes += QStringLiteral("Notizzeile %1 mit etwas Text darin\n").arg(line);
    pad.NotesField()->setPlainText(notes);
    for (int k = 1; k <= deskora::SlotCount; ++k)
        pad.SlotField(k)->setText(QStringLiteral("Termin %1").arg(k));

    QLineEdit* slot = pad.SlotField(3);
    slot->setFocus();
    std::vector<double> keyMs, saveMs;
    QElapsedTimer clock;
    for (int i = 0; i < keys; ++i) {
        if (slot->text().size() > 200)
            slot->clear();
        clock.start();
        QTest::keyClick(slot, char('a' + i % 26));
        slot->repaint();
        keyMs.push_back(clock.nsecsElapsed() / 1e6);
        // Every fourth key is followed by an autosave of the whole page, notes included.
        if (i % 4 == 0) {
            pad.Page()->MarkEdited(deskora::TPadPage::Notes);
            clock.start();
            pad.Page()->Autosave();
            saveMs.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    const TFigures key = Figures(keyMs);
    const TFigures save = Figures(saveMs);
    std::printf("typed character: median %.3f ms, largest %.3f ms (%d keys)\n", key.Median, key.Largest, keys);
    std::printf("autosave of the page: median %.3f ms, largest %.3f ms (%zu saves)\n", save.Median, save.Largest,
                saveMs.size());
    std::printf("keystroke to screen while a save runs: at most %.3f ms\n", key.Largest + save.Largest);
    return 0;
}
