// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The page-turn sound: a wave file played without waiting, silent when the file or the audio
// device is missing.

#include <QString>

#include <functional>

namespace deskora {

// Flag of PlaySoundFile: start the sound and return at once.
inline constexpr int SND_ASYNC = 1;

// Plays a wave file through the installed player. A relative name is looked up in the current
// directory, then beside the program's own binary, then in the installation's data folder
// (<prefix>/share/deskora). Nothing is reported when the file is missing or cannot be played.
void PlaySoundFile(const QString& fileName, int flags);

// The player behind PlaySoundFile; tests install a recorder. An empty player restores the
// production one (QSoundEffect).
using TSoundPlayer = std::function<void(const QString& fileName, int flags)>;
TSoundPlayer SetSoundPlayer(TSoundPlayer player);

}  // namespace deskora
