// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Kills a process that turns and saves pages at random moments: every day file is always one
// whole version, old or new, and no temporary file stays behind.

#include "pad/entryfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace deskora {
namespace {

// The version a notes file holds, or -1 when it is not one whole version.
int NotesVersion(const QStringList& lines)
{
    static const QRegularExpression head(QStringLiteral("^Tag \\d Fassung (\\d+)$"));
    const QRegularExpressionMatch match = lines.isEmpty() ? QRegularExpressionMatch()
                                                          : head.match(lines.first());
    if (!match.hasMatch())
        return -1;
    const int version = match.captured(1).toInt();
    const int count = 50 + version % 200;
    if (lines.size() != count + 2 || lines.last() != QStringLiteral("Ende %1").arg(version))
        return -1;
    for (int line = 0; line < count; ++line) {
        if (lines.at(line + 1) != QStringLiteral("Zeile %1 von %2").arg(line).arg(count))
            return -1;
    }
    return version;
}

int SlotVersion(const QStringList& lines)
{
    if (lines.size() != 17)
        return -1;
    const int version = lines.first().section(QLatin1Char(' '), 0, 0).toInt();
    for (int k = 1; k <= 17; ++k) {
        if (lines.at(k - 1) != QStringLiteral("%1 %2").arg(version).arg(k))
            return -1;
    }
    return version;
}

TEST(CrashSafety, KilledWhileSavingEveryFileIsOneWholeVersion)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QElapsedTimer clock;
    clock.start();
    int version = 0;
    int temporaryRightAfterKill = 0;
    constexpr int Kills = 200;
    for (int run = 0; run < Kills; ++run) {
        QProcess probe;
        probe.start(QStringLiteral(DESKORA_SAVE_PROBE), {folder.path(), QString::number(version)});
        ASSERT_TRUE(probe.waitForReadyRead(10000)) << "run " << run;
        QThread::usleep(QRandomGenerator::global()->bounded(1, 20000));
        ::kill(static_cast<pid_t>(probe.processId()), SIGKILL);
        ASSERT_TRUE(probe.waitForFinished(10000));
        ASSERT_EQ(probe.exitStatus(), QProcess::CrashExit) << probe.readAllStandardError().data();

        for (int day = 1; day <= 5; ++day) {
            const QString stem = folder.filePath(QStringLiteral("0%1").arg(day)
                                                 + QLatin1String("0304"));
            const auto notes = ReadEntryFile(stem + QLatin1String("N.000"));
            const auto hours = ReadEntryFile(stem + QLatin1String("T.000"));
            if (notes) {
                ASSERT_GE(NotesVersion(*notes), 0) << "run " << run << ", day " << day;
            }
            if (hours) {
                ASSERT_GE(SlotVersion(*hours), 0) << "run " << run << ", day " << day;
            }
        }
        temporaryRightAfterKill += static_cast<int>(
            QDir(folder.path())
                .entryList({QStringLiteral(".*.deskora-tmp")}, QDir::Hidden | QDir::Files)
                .size());
        version += 1000;
    }
    // A temporary file can only be left in the moment between naming the new version and
    // renaming it over the old; the next start removes it.
    QProcess probe;
    probe.start(QStringLiteral(DESKORA_SAVE_PROBE), {folder.path(), QString::number(version)});
    ASSERT_TRUE(probe.waitForReadyRead(10000));
    probe.kill();
    probe.waitForFinished();
    const QStringList names = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    const QRegularExpression dayFile(QStringLiteral("^0[1-5]0304[NT]\\.000$"));
    for (const QString& name : names)
        EXPECT_TRUE(dayFile.match(name).hasMatch()) << name.toStdString();
    std::printf("%d kills in %lld ms; temporary files seen right after a kill: %d\n", Kills,
                clock.elapsed(), temporaryRightAfterKill);
}

}  // namespace
}  // namespace deskora
