// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "app/homefolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace deskora {

namespace {

// The system's text for an error number, in the language of the user's settings.
QString SystemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

THomeFolder PrepareHomeFolder(const QString& home)
{
    if (home.isEmpty()) {
        return {{},
                QStringLiteral("Der persönliche Ordner, in dem ~/Deskora liegt, ist unbekannt: "
                               "Die Umgebungsvariable HOME ist leer oder nicht gesetzt.")};
    }
    const QString folder = QDir(home).filePath(QStringLiteral("Deskora"));
    const QString shown = QDir::toNativeSeparators(folder);
    const QByteArray path = QFile::encodeName(folder);

    struct stat info {};
    if (::stat(path.constData(), &info) == 0) {
        if (S_ISREG(info.st_mode))
            return {{}, QStringLiteral("%1 ist eine Datei, kein Ordner.").arg(shown)};
        if (!S_ISDIR(info.st_mode))
            return {{}, QStringLiteral("%1 ist kein Ordner.").arg(shown)};
    } else {
        std::error_code error;
        std::filesystem::create_directories(path.constData(), error);
        if (error) {
            return {{},
                    QStringLiteral("%1 kann nicht angelegt werden: %2.")
                        .arg(shown, SystemText(error.value()))};
        }
    }
    // Entering the folder (x) and creating the day files in it (w).
    if (::access(path.constData(), W_OK | X_OK) != 0) {
        return {{},
                QStringLiteral("In %1 darf nicht geschrieben werden: %2.")
                    .arg(shown, SystemText(errno))};
    }
    return {folder, {}};
}

}  // namespace deskora
