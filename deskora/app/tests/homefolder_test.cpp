// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The folder of the menu start in a temporary home: made when missing, else the reason why it
// cannot be used.

#include "app/homefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace deskora {
namespace {

TEST(HomeFolder, MadeWhenMissingElseTheReasonNamesTheFolder)
{
    struct Case {
        const char* Name;
        // Prepares the home folder; returns false where the case cannot be set up here (a
        // read-only folder that the user, root, may still write to).
        std::function<bool(const QString& home)> Arrange;
        bool Empty;  // HOME unset or empty
        QString Reason;
    };
    const QList<Case> cases = {
        {"missing folder", [](const QString&) { return true; }, false, {}},
        {"HOME unset", [](const QString&) { return true; }, true, QStringLiteral("HOME")},
        {"a file",
         [](const QString& home) {
             QFile file(home + QStringLiteral("/Deskora"));
             return file.open(QIODevice::WriteOnly);
         },
         false, QStringLiteral("/Deskora ist eine Datei, kein Ordner.")},
        {"read-only home",
         [](const QString& home) {
             QFile::setPermissions(home, QFile::ReadOwner | QFile::ExeOwner);
             return ::access(QFile::encodeName(home).constData(), W_OK) != 0;
         },
         false, QStringLiteral("/Deskora kann nicht angelegt werden: ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        if (!c.Arrange(home.path())) {
            QFile::setPermissions(home.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            continue;
        }
        const THomeFolder result = PrepareHomeFolder(c.Empty ? QString() : home.path());
        QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (c.Reason.isEmpty()) {
            EXPECT_EQ(result.Folder, home.filePath(QStringLiteral("Deskora")));
            EXPECT_TRUE(QFileInfo(result.Folder).isDir());
            EXPECT_TRUE(result.Problem.isEmpty());
            continue;
        }
        EXPECT_TRUE(result.Folder.isEmpty());
        EXPECT_TRUE(result.Problem.contains(c.Reason)) << result.Problem.toStdString();
        if (!c.Empty) {
            EXPECT_TRUE(result.Problem.contains(home.path())) << result.Problem.toStdString();
        }
    }
}

}  // namespace
}  // namespace deskora
