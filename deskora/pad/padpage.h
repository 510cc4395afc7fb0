// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// TPadPage: the desk pad's page without its pictures. It knows which day is shown, what the
// day's two files held when they were last read or written, which part the user has changed
// since, and it decides when and how those changes go to disk.
//
// - The user's changes are written about a second after the last keystroke (at the latest five
//   seconds after the first unsaved one), never while an input method is still composing, and
//   before every page turn. Only a changed part is written; a day the user only looked at gets
//   no files, so a read-only or full folder can be browsed.
// - Another program may change the files at any time (a sync tool, an editor, a second
//   planner). The folder is watched, and before every write the file on disk is compared with
//   what was read (size, time, inode and content). A part without text of the page's own then
//   shows the new text at once; otherwise the two versions are merged against the version the
//   page read (or the one it wrote, where the other version shows it has seen it): a slot
//   changed on one side takes that side, a slot changed on both keeps both texts
//   ("mine / theirs"), notes changed on both keep the user's notes followed by the other
//   version under a marker line. Nothing of either side is lost. Files keep the encoding and
//   the name (in whatever case) they were found with.
// - A page that shows today follows the clock: after midnight, or after the clock jumped, it
//   turns to the new today once the user has not typed for half a minute.

#include "pad/entryfiles.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QFileSystemWatcher;
class QTimer;

namespace deskora {

// The first and the last day the pad turns to: the years of the perpetual calendar and of the
// pad's leap-year rule, whose two-digit year texts are read back as the same day.
inline const QDate FirstPadDay{1901, 1, 1};
inline const QDate LastPadDay{2099, 12, 31};

// The most characters the notes field shows; a longer notes file keeps the rest unshown.
inline constexpr int NotesMaxChars = 32000;

// The date text one day later or earlier, or nothing beyond the first or the last pad day. A
// day whose two-digit year would read as another century is written with four digits.
std::optional<QString> NeighbourDay(const QString& dateText, bool forward);

// What a file held when it was last looked at: compared before every write, so that a change
// by another program is never overwritten.
struct TDiskStamp {
    bool Exists = false;
    qint64 Size = -1;
    qint64 ModifiedNs = 0;
    quint64 Inode = 0;
    QByteArray Head;  // the first bytes (all of them for every ordinary day file)
    bool operator==(const TDiskStamp&) const = default;
};
TDiskStamp ReadDiskStamp(const QString& path);

// The line of the notes that separates the user's notes from another program's version.
QString MergeMarker(const QDateTime& when);

// Merges two versions of the notes or of the slot lines against the version both started
// from. Slots are merged line by line, the notes as a whole.
QStringList MergeSlots(const QStringList& base, const QStringList& mine, const QStringList& theirs);
QStringList MergeNotes(const QStringList& base, const QStringList& mine, const QStringList& theirs,
                       const QDateTime& theirTime);

class TPadPage : public QObject {
    Q_OBJECT
public:
    enum TPart { Notes = 0, Slots = 1 };
    using TLinesSource = std::function<QStringList()>;

    // Delay after the last keystroke, longest wait after the first unsaved one, wait while an
    // input method composes, wait after a failed save.
    static constexpr int AutosaveDelayMs = 1000;
    static constexpr int AutosaveDeadlineMs = 5000;
    static constexpr int ComposingRetryMs = 300;
    static constexpr int FailedRetryMs = 2000;
    // How long the user must not have typed before the page follows the clock to a new today.
    static constexpr int FollowTodayAfterIdleSecs = 30;

    explicit TPadPage(QObject* parent = nullptr);

    void SetFolder(const QString& directory, const QString& extension);
    QString Directory() const { return FDirectory; }
    QString Extension() const { return FExtension; }

    // Where the page gets the user's current text from (the notes as the field's display
    // lines, the 17 slot texts), and whether an input method is composing right now.
    void SetSources(TLinesSource notesSource, TLinesSource slotSource);
    void SetComposingCheck(std::function<bool()> composing);

    // The date text whose files were loaded; empty before the first load.
    QString LoadedDate() const { return FDate; }
    QString FilePath(TPart part) const { return FParts[part].Path; }

    // Reads the files of the date (the date must be readable: EConvertError otherwise).
    // Returns the messages of files that exist but cannot be read; such a part is shown empty
    // and is never written.
    QStringList Load(const QString& date);

    // What the fields are to show: the text read or merged.
    QStringList Lines(TPart part) const { return FParts[part].Shown; }
    bool Readable(TPart part) const { return FParts[part].Readable; }
    bool NotesCut() const { return FParts[Notes].Unshown.has_value(); }

    // The user changed a part: it is written at the next save, and the autosave delay starts.
    void MarkEdited(TPart part);
    bool Edited() const { return FParts[Notes].Edited || FParts[Slots].Edited; }
    bool Edited(TPart part) const { return FParts[part].Edited; }

    // Merges what another program wrote since the last look, then writes the changed parts
    // (with the other part's file, when the day has none yet). Throws EFileError.
    void Save();

    // Looks for changes by another program now; a part the user has not changed takes them,
    // a changed part is merged when asked (and then written at the next save). Throws
    // EFileError when a changed file cannot be read.
    void CheckOutside(bool mergeEdited = true);

    // The autosave: writes when something is changed and no input method composes; a failure
    // is announced once (AutosaveFailed) and tried again until a save succeeds.
    void Autosave();

    // The day the page should turn to because the clock moved on to a new today while it
    // showed the old one, and the user has been idle long enough; nothing otherwise.
    std::optional<QString> DayToFollow();
    // Whether the loaded day is today by the clock.
    bool ShowsToday() const;

signals:
    // The shown text of a part changed without the user: another program's text, or that text
    // merged with the user's (merged = true). The fields take Lines(part).
    void OutsideChange(deskora::TPadPage::TPart part, bool merged);
    void AutosaveFailed(const QString& message);

private:
    struct TFilePart {
        QString Path;
        // The lines as last read from the file (at the load or when another program changed
        // it): the version a merge starts from. Nothing when there was no file.
        std::optional<QStringList> Loaded;
        // What this page wrote to the file since then.
        std::optional<QStringList> Written;
        TEntryEncoding Encoding = TEntryEncoding::New;
        // The lines the fields show after a load or a merge.
        QStringList Shown;
        TDiskStamp Stamp;
        QDateTime StampTime;
        bool Readable = true;
        bool Edited = false;
        std::optional<TUnshownPart> Unshown;
    };
    QStringList Current(TPart part) const;
    QString PartPath(TPart part) const;
    // Reads a part's file into Loaded and Stamp; returns the error message of an unreadable
    // file.
    QString ReadPart(TPart part);
    void TakeOutsideChange(TPart part, bool mergeEdited);
    static bool SawWritten(TPart part, const QStringList& loaded, const QStringList& written,
                           const QStringList& theirs);
    void Watch();
    void StopAutosave();

    QString FDirectory;
    QString FExtension = QStringLiteral("000");
    QString FDate;
    std::array<TFilePart, 2> FParts;
    TLinesSource FSources[2];
    std::function<bool()> FComposing;
    QTimer* FAutosaveTimer = nullptr;
    QTimer* FDeadlineTimer = nullptr;
    QTimer* FWatchDelay = nullptr;
    QFileSystemWatcher* FWatcher = nullptr;
    bool FFailureAnnounced = false;
    QDateTime FLastEdit;
    // The today the page followed at the last look, and whether the page showed it then.
    QDate FToday;
    bool FFollowsToday = false;
};

}  // namespace deskora
