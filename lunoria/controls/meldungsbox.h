// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Modal message boxes of the controls, through a replaceable hook so that tests can answer them.

#include <QString>
#include <functional>

class QWidget;

namespace lunoria {

enum class TMeldungsArt { Warnung, Fehler, Information };

using TMeldungsBox = std::function<void(QWidget* eltern, const QString& titel, const QString& text, TMeldungsArt art)>;

// Shows a modal box with one OK button (or hands it to the installed hook).
void ZeigeMeldung(QWidget* eltern, const QString& titel, const QString& text, TMeldungsArt art);

// Installs a hook (an empty one restores the message boxes); returns the previous one.
TMeldungsBox SetzeMeldungsBox(TMeldungsBox box);

}  // namespace lunoria
