// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Rescue files: the page that could not be saved when the planner had to end.
//
// When a request to end from outside (logout, kill, Ctrl+C) finds that the shown page cannot be
// written to its day files (a full disk, a folder gone read-only), the text goes to a rescue
// file in the user's state folder instead, so that it outlives the program. The next start
// tells the user where it waits. One file per page and rescue, named after the page's day (the
// stem of its day files) and the moment of the rescue:
//
//     <state folder>/deskora/081226-gerettet-2026-12-08-184012.txt
//
// It holds the two parts of the page as the day files would, each behind a line that names the
// day file it belongs in, written like a day file (CR LF, Windows-1252 where the text fits):
//
//     Notizen (081226N.000):
//     <the lines of the notes>
//     Stunden (081226T.000):
//     <the 17 slot lines>

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace deskora {

// $XDG_STATE_HOME/deskora, or ~/.local/state/deskora when the variable is unset or not an
// absolute path.
QString RescueFolder();

// Writes a rescue file into the folder (created when missing) and returns its full path.
// `stem` is the stem of the page's day files, `extension` their extension. Throws EFileError.
QString WriteRescueFile(const QString& folder, const QString& stem, const QString& extension,
                        const QStringList& notes, const QStringList& slotLines,
                        const QDateTime& now);

// The rescue files of the folder that have not been reported yet, oldest first, and marks them
// as reported (a hidden list in the folder), so that each is told about once.
QStringList TakeUnreportedRescueFiles(const QString& folder);

}  // namespace deskora
