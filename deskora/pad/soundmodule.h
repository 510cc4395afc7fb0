// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The interface between PlaySoundFile and the module that plays the sound (deskora-sound.so,
// beside the program or in <prefix>/<libdir>/deskora): one C function taking the wave file's
// absolute path.

class QString;

extern "C" {
using TDeskoraPlayWave = void (*)(const QString& path);
}

inline constexpr const char* DeskoraPlayWaveSymbol = "deskora_play_wave";
