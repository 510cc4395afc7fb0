// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The folder ~/Deskora that the menu entry keeps the day files in (deskora --heimordner).

#include <QString>

namespace deskora {

// Either Folder is set (the folder exists, and the planner may enter it and write there) or
// Problem says in German, for the user, why the folder cannot be used: one sentence that names
// the folder, with the system's error text where there is one.
struct THomeFolder {
    QString Folder;
    QString Problem;
};

// Makes the folder "Deskora" in the personal folder home (the value of HOME) ready, creating it
// and the folders above it where missing. An empty home is a problem of its own: the planner
// would otherwise fall back to a folder of the root.
THomeFolder PrepareHomeFolder(const QString& home);

}  // namespace deskora
