// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "helpviewer.h"

#include "pad/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace deskora {

namespace {

QString& HelpFileName()
{
    static QString name;
    return name;
}

QPointer<THelpWindow>& TheHelpWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Deskora - Hilfe"));
    resize(580, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FBrowser = new QTextBrowser(this);
    FBrowser->setOpenExternalLinks(true);
    layout->addWidget(FBrowser);
}

void THelpWindow::ShowTopic(const QString& file, int context)
{
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(QString::number(context));
    FBrowser->setSource(url);
    // Loading the same page again does not move to its anchor by itself.
    FBrowser->scrollToAnchor(QString::number(context));
}

void SetHelpFile(const QString& name)
{
    HelpFileName() = name;
}

QString HelpFile()
{
    return HelpFileName();
}

QString FindHelpFile(const QString& name)
{
    if (name.isEmpty())
        return QString();
    if (QFileInfo(name).isAbsolute())
        return QFileInfo(name).isFile() ? name : QString();
    const QDir own(QCoreApplication::applicationDirPath());
    const QStringList candidates = {
        own.filePath(name),
        own.filePath(QStringLiteral("../share/deskora/") + name),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

THelpWindow* HelpContext(int context)
{
    const QString file = FindHelpFile(HelpFile());
    if (file.isEmpty()) {
        ShowErrorMessage(QStringLiteral("Die Hilfedatei \u201E%1\u201C wurde nicht gefunden. "
                                        "Sie gehört neben das Programm oder in den Ordner "
                                        "share/deskora der Installation.")
                             .arg(HelpFile()));
        return nullptr;
    }
    QPointer<THelpWindow>& window = TheHelpWindow();
    if (!window) {
        window = new THelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->ShowTopic(file, context);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CloseHelp()
{
    if (QPointer<THelpWindow>& window = TheHelpWindow())
        delete window.data();
}

}  // namespace deskora
