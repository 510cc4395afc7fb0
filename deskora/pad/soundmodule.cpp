// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The page-turn sound's player, a module of its own: Qt Multimedia and the audio libraries
// behind it (some twenty shared libraries) are loaded at the first page turn, not at every
// start of the planner. PlaySoundFile loads this module and calls the one function below.
#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include "soundmodule.h"

extern "C" Q_DECL_EXPORT void deskora_play_wave(const QString& path)
{
    // QSoundEffect always plays without blocking.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    // One effect for the whole process, owned by the application so that it goes before the
    // audio back end does.
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(app);
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect->source() != source)
        effect->setSource(source);
    else
        effect->stop();
    // Playing while the file still loads starts it once loaded; a file that fails to load or a
    // missing device stays silent.
    effect->play();
}
