// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "exespeedbutton.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace deskora {

namespace {

bool IsProgramFile(const QFileInfo& info)
{
    return info.isFile() && info.isExecutable();
}

}  // namespace

TExeSpeedButton::TExeSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] { Execute(); });
}

QString TExeSpeedButton::FindProgram(const QString& name, const QString& ownFolder,
                                     const QString& searchPath)
{
    if (name.isEmpty())
        return QString();
    if (name.contains(QLatin1Char('/')))
        return QFileInfo::exists(name) ? name : QString();
    const QFileInfo beside(QDir(ownFolder), name);
    if (!ownFolder.isEmpty() && IsProgramFile(beside))
        return beside.absoluteFilePath();
    for (const QString& folder : searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // A relative entry ("." or "bin") names a folder of whatever the current folder is,
        // where anyone may have put a file of that name: only absolute folders are searched.
        if (!QDir::isAbsolutePath(folder))
            continue;
        const QFileInfo candidate(QDir(folder), name);
        if (IsProgramFile(candidate))
            return candidate.absoluteFilePath();
    }
    return QString();
}

bool TExeSpeedButton::Execute() const
{
    const QString file = FindProgram(FExeName, QCoreApplication::applicationDirPath(),
                                     qEnvironmentVariable("PATH"));
    if (file.isEmpty())
        return false;
    const QFileInfo info(file);
    if (IsProgramFile(info))
        return QProcess::startDetached(file, QProcess::splitCommand(FParameter));
    // A document goes to the desktop's program for it.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace deskora
