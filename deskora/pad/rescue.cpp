// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "rescue.h"

#include "entryfiles.h"
#include "errors.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace deskora {

namespace {

// The names of the rescue files already reported, one per line.
constexpr char ReportedListName[] = ".gemeldet";

const QRegularExpression& RescueFileName()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\d{6}-gerettet-\d{4}-\d{2}-\d{2}-\d{6}(-\d+)?\.txt$)"));
    return pattern;
}

}  // namespace

QString RescueFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("deskora"));
}

QString WriteRescueFile(const QString& folder, const QString& stem, const QString& extension,
                        const QStringList& notes, const QStringList& slotLines,
                        const QDateTime& now)
{
    if (!QDir().mkpath(folder)) {
        throw EFileError(QStringLiteral("Ordner %1 kann nicht erstellt werden")
                             .arg(QDir::toNativeSeparators(folder)));
    }
    QStringList lines;
    lines << QStringLiteral("Notizen (%1N.%2):").arg(stem, extension) << notes
          << QStringLiteral("Stunden (%1T.%2):").arg(stem, extension) << slotLines;
    const QString name = stem + QStringLiteral("-gerettet-")
                         + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    // A second rescue in the same second (another page) gets a number rather than replacing
    // the first.
    QString path = QDir(folder).filePath(name + QStringLiteral(".txt"));
    for (int n = 2; EntryNameTaken(path); ++n)
        path = QDir(folder).filePath(name + QStringLiteral("-%1.txt").arg(n));
    WriteEntryFile(path, lines);
    return path;
}

QStringList TakeUnreportedRescueFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files, QDir::Name);
    names = names.filter(RescueFileName());
    if (names.isEmpty())
        return {};
    QFile list(dir.filePath(QLatin1String(ReportedListName)));
    QStringList reported;
    if (list.open(QIODevice::ReadOnly))
        reported = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    list.close();
    QStringList fresh;
    for (const QString& name : std::as_const(names)) {
        if (!reported.contains(name))
            fresh << name;
    }
    if (fresh.isEmpty())
        return {};
    // The list names the files there now: those the user has removed drop out of it.
    if (list.open(QIODevice::WriteOnly | QIODevice::Truncate))
        list.write((names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return fresh;
}

}  // namespace deskora
