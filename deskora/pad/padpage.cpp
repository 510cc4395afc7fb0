// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "padpage.h"

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace deskora {

namespace {

// More than any day file the pad writes; of a larger file the head, size and time are compared.
constexpr qint64 StampBytes = 256 * 1024;

QStringList Padded(QStringList lines, qsizetype count)
{
    while (lines.size() < count)
        lines << QString();
    return lines;
}

}  // namespace

std::optional<QString> NeighbourDay(const QString& dateText, bool forward)
{
    const QDate next = ReadDate(dateText).addDays(forward ? 1 : -1);
    if (next < FirstPadDay || next > LastPadDay)
        return std::nullopt;
    const QString text = forward ? AddDays(dateText, 1) : SubtractDays(dateText, 1);
    // Stepping from 01.01.00 back would give "31.12.99", which reads as the end of the century.
    return ReadDate(text) == next ? text : WriteExactDate(next);
}

TDiskStamp ReadDiskStamp(const QString& path)
{
    TDiskStamp stamp;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return stamp;
    stamp.Exists = true;
    stamp.Size = st.st_size;
    stamp.ModifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.Inode = st.st_ino;
    if (!S_ISREG(st.st_mode))
        return stamp;
    // A name that turned into a pipe between the two calls must not block the reader.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return stamp;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        stamp.Head.resize(std::min<qint64>(st.st_size, StampBytes));
        qint64 done = 0;
        while (done < stamp.Head.size()) {
            const ssize_t n = ::pread(fd, stamp.Head.data() + done,
                                      static_cast<size_t>(stamp.Head.size() - done), done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        stamp.Head.truncate(done);
    }
    ::close(fd);
    return stamp;
}

QString MergeMarker(const QDateTime& when)
{
    return QStringLiteral("--- geändert von einem anderen Programm (%1) ---")
        .arg(when.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
}

QStringList MergeSlots(const QStringList& base, const QStringList& mine, const QStringList& theirs)
{
    const QStringList b = Padded(base, SlotCount);
    const QStringList m = Padded(mine, SlotCount);
    const QStringList t = Padded(theirs, SlotCount);
    QStringList merged;
    for (int k = 0; k < SlotCount; ++k) {
        if (m[k] == b[k] || m[k] == t[k])
            merged << t[k];
        else if (t[k] == b[k])
            merged << m[k];
        else if (m[k].isEmpty() || t[k].isEmpty())
            merged << m[k] + t[k];  // emptied on one side, rewritten on the other
        else
            merged << m[k] + QStringLiteral(" / ") + t[k];
    }
    return merged;
}

QStringList MergeNotes(const QStringList& base, const QStringList& mine, const QStringList& theirs,
                       const QDateTime& theirTime)
{
    if (mine == base || mine == theirs)
        return theirs;
    if (theirs == base)
        return mine;
    return mine + QStringList{MergeMarker(theirTime)} + theirs;
}

TPadPage::TPadPage(QObject* parent) : QObject(parent)
{
    FAutosaveTimer = new QTimer(this);
    FAutosaveTimer->setSingleShot(true);
    FDeadlineTimer = new QTimer(this);
    FDeadlineTimer->setSingleShot(true);
    connect(FAutosaveTimer, &QTimer::timeout, this, &TPadPage::Autosave);
    connect(FDeadlineTimer, &QTimer::timeout, this, &TPadPage::Autosave);

    // Sync tools replace a file in several steps (a temporary name, a rename): one look after
    // the burst of signals is enough.
    FWatchDelay = new QTimer(this);
    FWatchDelay->setSingleShot(true);
    FWatchDelay->setInterval(150);
    FWatcher = new QFileSystemWatcher(this);
    connect(FWatcher, &QFileSystemWatcher::directoryChanged, FWatchDelay,
            qOverload<>(&QTimer::start));
    connect(FWatcher, &QFileSystemWatcher::fileChanged, FWatchDelay, qOverload<>(&QTimer::start));
    connect(FWatchDelay, &QTimer::timeout, this, [this] {
        const bool edited = Edited();
        try {
            CheckOutside(false);
        } catch (const EDeskoraError&) {
            // Reported when the page is saved or loaded.
        }
        // A changed part is merged by the next save, once the user pauses.
        if (edited && !FAutosaveTimer->isActive())
            FAutosaveTimer->start(AutosaveDelayMs);
        Watch();
    });
}

void TPadPage::SetFolder(const QString& directory, const QString& extension)
{
    if (directory == FDirectory && extension == FExtension)
        return;
    FDirectory = directory;
    FExtension = extension;
    if (FDate.isEmpty())
        return;
    // The page goes on with the same day's files in the new place; what the user changed
    // stays on the page and is written there.
    for (TPart part : {Notes, Slots}) {
        TFilePart& p = FParts[part];
        const QStringList shown = p.Shown;
        p.Path = PartPath(part);
        ReadPart(part);
        if (p.Edited)
            p.Shown = shown;
    }
    Watch();
}

QString TPadPage::PartPath(TPart part) const
{
    // A day file copied from another system may differ in case ("081226n.000"): it is read
    // and written under the name it has, never beside a second pair.
    return ExistingEntryPath(EntryFilePath(FDirectory, EntryFileStem(FDate),
                                           part == Notes ? QLatin1Char('N') : QLatin1Char('T'),
                                           FExtension));
}

void TPadPage::SetSources(TLinesSource notesSource, TLinesSource slotSource)
{
    FSources[Notes] = std::move(notesSource);
    FSources[Slots] = std::move(slotSource);
}

void TPadPage::SetComposingCheck(std::function<bool()> composing)
{
    FComposing = std::move(composing);
}

QStringList TPadPage::Current(TPart part) const
{
    return FSources[part] ? FSources[part]() : FParts[part].Shown;
}

QString TPadPage::ReadPart(TPart part)
{
    TFilePart& p = FParts[part];
    // The stamp first: a change between the two reads then shows as a change at the next look.
    p.Stamp = ReadDiskStamp(p.Path);
    p.StampTime = QDateTime::fromMSecsSinceEpoch(p.Stamp.ModifiedNs / 1000000);
    p.Readable = true;
    p.Loaded.reset();
    p.Written.reset();
    p.Unshown.reset();
    p.Encoding = TEntryEncoding::New;
    try {
        if (std::optional<TEntryText> text = ReadEntryText(p.Path,
                                                           part == Notes ? NotesMaxChars : -1)) {
            p.Loaded = text->Lines;
            p.Encoding = text->Encoding;
            if (part == Notes)
                p.Unshown = text->Unshown;
        }
    } catch (const EFileError& e) {
        p.Readable = false;
        p.Shown.clear();
        return e.Message();
    }
    p.Shown = p.Loaded.value_or(QStringList());
    return QString();
}

QStringList TPadPage::Load(const QString& date)
{
    EntryFileStem(date);  // an unreadable date text changes nothing
    StopAutosave();
    FFailureAnnounced = false;
    FDate = date;
    QStringList errors;
    for (TPart part : {Notes, Slots}) {
        TFilePart& p = FParts[part];
        p.Path = PartPath(part);
        p.Edited = false;
        RemoveLeftoverTemporaryFile(p.Path);
        const QString error = ReadPart(part);
        if (!error.isEmpty())
            errors << error;
    }
    FToday = Now().date();
    FFollowsToday = ShowsToday();
    Watch();
    return errors;
}

void TPadPage::MarkEdited(TPart part)
{
    FParts[part].Edited = true;
    FLastEdit = Now();
    FAutosaveTimer->start(AutosaveDelayMs);
    if (!FDeadlineTimer->isActive())
        FDeadlineTimer->start(AutosaveDeadlineMs);
}

void TPadPage::StopAutosave()
{
    FAutosaveTimer->stop();
    FDeadlineTimer->stop();
}

void TPadPage::TakeOutsideChange(TPart part, bool mergeEdited)
{
    TFilePart& p = FParts[part];
    if (p.Edited && !mergeEdited)
        return;
    // The page has text of its own when the user typed since the last save, or when it wrote
    // the file since it was read: the other program may not have seen that version.
    const bool own = p.Edited || p.Written.has_value();
    const QStringList mine = own ? Current(part) : QStringList();
    QStringList base = p.Loaded.value_or(QStringList());
    const std::optional<QStringList> written = p.Written;
    const QString error = ReadPart(part);
    if (!error.isEmpty())
        throw EFileError(error);
    if (!own) {
        emit OutsideChange(part, false);
        return;
    }
    if (!p.Loaded) {
        // Deleted outside: typed text stays and is written again; a page without unsaved text
        // follows the deletion.
        if (p.Edited)
            p.Shown = mine;
        else
            emit OutsideChange(part, false);
        return;
    }
    const QStringList& theirs = *p.Loaded;
    // Where the other version holds text that this page wrote, the other program has seen that
    // version: it is then the one both started from.
    if (written && SawWritten(part, base, *written, theirs))
        base = *written;
    p.Shown = part == Slots ? MergeSlots(base, mine, theirs)
                            : MergeNotes(base, mine, theirs, p.StampTime);
    if (p.Shown != theirs) {
        // The merged page differs from the file: it is written at the next save.
        p.Edited = true;
        if (!FAutosaveTimer->isActive())
            FAutosaveTimer->start(AutosaveDelayMs);
    }
    if (p.Shown != mine)
        emit OutsideChange(part, p.Shown != theirs);
}

bool TPadPage::SawWritten(TPart part, const QStringList& loaded, const QStringList& written,
                          const QStringList& theirs)
{
    if (part == Notes) {
        // Every line written is in the other version, in order.
        qsizetype at = 0;
        for (const QString& line : theirs) {
            if (at < written.size() && line == written[at])
                ++at;
        }
        return written != loaded && at == written.size();
    }
    const QStringList l = Padded(loaded, SlotCount);
    const QStringList w = Padded(written, SlotCount);
    const QStringList t = Padded(theirs, SlotCount);
    for (int k = 0; k < SlotCount; ++k) {
        if (w[k] != l[k] && !w[k].isEmpty() && t[k] == w[k])
            return true;
    }
    return false;
}

void TPadPage::CheckOutside(bool mergeEdited)
{
    if (FDate.isEmpty())
        return;
    for (TPart part : {Notes, Slots}) {
        TFilePart& p = FParts[part];
        if (!p.Readable || ReadDiskStamp(p.Path) == p.Stamp)
            continue;
        TakeOutsideChange(part, mergeEdited);
    }
}

void TPadPage::Save()
{
    if (FDate.isEmpty())
        return;
    CheckOutside(true);
    // A day gets its files only when the user wrote on it, and then both of them: the edited
    // parts first (notes before slots), then the other one where the day has none yet, so that
    // a full disk leaves no new empty file behind a failed save.
    const bool written = Edited();
    for (const bool companions : {false, true}) {
        for (TPart part : {Notes, Slots}) {
            TFilePart& p = FParts[part];
            if (!p.Readable) {
                p.Edited = false;
                continue;
            }
            if (companions ? !(written && !EntryNameTaken(p.Path)) : !p.Edited)
                continue;
            const QStringList lines = Current(part);
            WriteEntryFile(p.Path, lines, part == Notes && p.Unshown ? &*p.Unshown : nullptr,
                           p.Encoding);
            p.Stamp = ReadDiskStamp(p.Path);
            p.Written = lines;
            p.Shown = lines;
            p.Edited = false;
        }
    }
    StopAutosave();
}

void TPadPage::Autosave()
{
    if (!Edited()) {
        StopAutosave();
        return;
    }
    if (FComposing && FComposing()) {
        FAutosaveTimer->start(ComposingRetryMs);
        return;
    }
    try {
        Save();
        FFailureAnnounced = false;
    } catch (const EDeskoraError& e) {
        FAutosaveTimer->start(FailedRetryMs);
        if (!FFailureAnnounced) {
            FFailureAnnounced = true;
            emit AutosaveFailed(e.Message());
        }
    }
}

void TPadPage::Watch()
{
    const QStringList watched = FWatcher->files() + FWatcher->directories();
    if (!watched.isEmpty())
        FWatcher->removePaths(watched);
    QStringList paths;
    if (QFileInfo(FDirectory).isDir())
        paths << FDirectory;
    for (const TFilePart& p : FParts) {
        if (p.Stamp.Exists && p.Readable)
            paths << p.Path;
    }
    if (!paths.isEmpty())
        FWatcher->addPaths(paths);
}

bool TPadPage::ShowsToday() const
{
    try {
        return !FDate.isEmpty() && ReadDate(FDate) == Now().date();
    } catch (const EDeskoraError&) {
        return false;
    }
}

std::optional<QString> TPadPage::DayToFollow()
{
    const QDateTime now = Now();
    const QDate today = now.date();
    if (ShowsToday()) {
        FFollowsToday = true;
        FToday = today;
        return std::nullopt;
    }
    FToday = today;
    if (!FFollowsToday || FDate.isEmpty())
        return std::nullopt;
    // The user is still writing on the old day; a clock that went back counts as a pause.
    if (FLastEdit.isValid()) {
        const qint64 idle = FLastEdit.secsTo(now);
        if (idle >= 0 && idle < FollowTodayAfterIdleSecs)
            return std::nullopt;
    }
    if (today < FirstPadDay || today > LastPadDay)
        return std::nullopt;
    return WriteExactDate(today);
}

}  // namespace deskora
