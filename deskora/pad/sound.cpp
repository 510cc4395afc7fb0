// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <utility>

#include "soundmodule.h"

namespace deskora {

namespace {

TSoundPlayer& Player()
{
    static TSoundPlayer player;
    return player;
}

QString FindSoundFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    if (info.isFile())
        return info.absoluteFilePath();
    if (info.isRelative() && QCoreApplication::instance()) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()), fileName);
        if (beside.isFile())
            return beside.absoluteFilePath();
        // An installed program keeps its data in <prefix>/share/deskora.
        const QFileInfo shared(QDir(QCoreApplication::applicationDirPath()),
                               QStringLiteral("../share/deskora/") + fileName);
        if (shared.isFile())
            return shared.absoluteFilePath();
    }
    return {};
}

// The player module's function, loaded at the first sound: from beside the program (the build
// folder), else from the installation's library folder. Null when neither loads: no sound then,
// as with a missing audio device.
TDeskoraPlayWave SoundModule()
{
    static const TDeskoraPlayWave play = []() -> TDeskoraPlayWave {
        const QDir programDir(QCoreApplication::applicationDirPath());
        for (const QString& path : {programDir.filePath(QStringLiteral("deskora-sound.so")),
                                    programDir.filePath(QStringLiteral(
                                        "../" DESKORA_SOUND_MODULE_DIR "/deskora-sound.so"))}) {
            if (!QFileInfo(path).isFile())
                continue;
            QLibrary module(path);
            if (auto f = reinterpret_cast<TDeskoraPlayWave>(module.resolve(DeskoraPlayWaveSymbol)))
                return f;  // the module stays loaded: QLibrary unloads only on unload()
        }
        return nullptr;
    }();
    return play;
}

void PlayWithSoundEffect(const QString& fileName, int /*flags*/)
{
    if (!QCoreApplication::instance())
        return;
    const QString path = FindSoundFile(fileName);
    if (path.isEmpty())
        return;
    if (const TDeskoraPlayWave play = SoundModule())
        play(path);
}

}  // namespace

void PlaySoundFile(const QString& fileName, int flags)
{
    const TSoundPlayer& player = Player();
    if (player)
        player(fileName, flags);
    else
        PlayWithSoundEffect(fileName, flags);
}

TSoundPlayer SetSoundPlayer(TSoundPlayer player)
{
    return std::exchange(Player(), std::move(player));
}

}  // namespace deskora
