// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// The two entry files of a pad day.
//
// A day's notes and its hour slots live in two text files in one folder, named after the day:
// day, month and two-digit year, then "N." (notes) or "T." (slots) and the extension, "000" by
// default. 15.02.02 gives 150202N.000 and 150202T.000, and so do all days 100 years apart.
//
// Every line, the last one included, ends in CR LF, and a line ends at CR, LF or CR LF when
// read; a last line without a line end still counts.
//
// A file is read in the encoding its bytes show, and an edited file is written back in it, so
// that a file made elsewhere keeps its form. Two bytes FF FE or FE FF at the start of a file
// of an even number of bytes mark UTF-16, little- or big-endian: the rest are its code units,
// and a U+0000 character ends the text. Three bytes EF BB BF mark UTF-8 when the rest is
// valid UTF-8. Else the bytes are UTF-8 when they are valid UTF-8, and Windows-1252 (the code
// page of the program's earlier Windows releases) when they are not; in these, a NUL byte
// ends the text. A mark is not part of the text, and is written back in front of it.
//
// A file of plain ASCII, or a new one, is written as Windows-1252 when every character fits,
// else as UTF-8, and the same holds for a file that was read as Windows-1252. Text is never
// written in a form that would be read back differently: Windows-1252 bytes that are valid
// UTF-8 (such as "Ã¤", the UTF-8 of "ä") or begin like UTF-16 are written as UTF-8 instead,
// and UTF-8 text that begins with U+FEFF gets the UTF-8 mark in front of it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFile;

namespace deskora {

// Number of hour slots on a page, and so the number of lines in a slot file.
inline constexpr int SlotCount = 17;

// The six-character stem of a date text: day, month, last two digits of the year.
// Throws EConvertError for an unreadable date text.
QString EntryFileStem(const QString& dateText);

// Folder + separator + stem + suffix ("N" or "T") + "." + extension.
QString EntryFilePath(const QString& directory, const QString& stem, QChar suffix,
                      const QString& extension);

// How an entry file's text is encoded (see above). `New` is a file of plain ASCII, or none.
enum class TEntryEncoding { New, Cp1252, Utf8, Utf8Bom, Utf16LE, Utf16BE };

// The bytes of a file that holds the lines in the encoding.
QByteArray EncodeEntryLines(const QStringList& lines,
                            TEntryEncoding encoding = TEntryEncoding::New);

// The lines held by a file's bytes.
QStringList DecodeEntryLines(const QByteArray& bytes);

// The part of a file that a reader with a limit did not show. The file stays open, so that
// its bytes from `From` on can be copied behind the shown text when it is written back, even
// after the name has been given to a new file.
struct TUnshownPart {
    std::shared_ptr<QFile> Source;
    qint64 From = 0;
    // How those bytes are encoded; never `New` (plain ASCII counts as UTF-8 here).
    TEntryEncoding Encoding = TEntryEncoding::Utf8;
};

// What was read of an entry file: its lines, how it was encoded, and what was left unshown.
struct TEntryText {
    QStringList Lines;
    std::optional<TUnshownPart> Unshown;
    TEntryEncoding Encoding = TEntryEncoding::New;
};

// Replaces the file with the lines in the encoding, and the unshown part of the file it was
// read from when one is given (that part is then updated to point into the new file). With an
// unshown part, the file keeps the encoding that part is in, whatever `encoding` says, except
// that Windows-1252 turns into UTF-8 when the text needs it. The new file is written
// beside the old name and renamed over it: a failure at any point (a full disk included) leaves
// the previous file byte for byte as it was, and a symbolic link at the name is replaced by the
// new file, never written through. Throws EFileError "Datei %s kann nicht erstellt werden"
// with the full path.
void WriteEntryFile(const QString& path, const QStringList& lines, TUnshownPart* unshown = nullptr,
                    TEntryEncoding encoding = TEntryEncoding::New);

// The lines of the file, or nothing when there is no such file (a dangling symbolic link
// included). Throws EFileError "Datei %s kann nicht geöffnet werden" for a file that exists
// but cannot be read, and for anything at the name that is not a regular file (a folder, a
// FIFO, a socket, a device), without waiting for it.
std::optional<QStringList> ReadEntryFile(const QString& path);

// The same with a limit for text shown in a field of at most `maxChars` characters, line ends
// counted as one: a longer text is cut after its last whole line within the limit (or at the
// limit when a line alone is longer), and the rest of the file is left unshown. Only the first
// part of a large file is read, so that its size does not matter.
std::optional<TEntryText> ReadEntryText(const QString& path, qsizetype maxChars);

// Whether anything, a dangling symbolic link included, has the name.
bool EntryNameTaken(const QString& path);

// The name under which the entry file is found: `path` itself when something has that name or
// nothing in its folder has it in another case, else the entry of the folder whose name
// differs from it only in case (the first in byte order when there are several), so that a
// day file copied from another system as "081226n.000" is read and written back under that
// name rather than beside it. Lists the folder once when `path` itself is free.
QString ExistingEntryPath(const QString& path);

// Removes the temporary file that a write of the entry file left behind when the program was
// killed in the middle of it; a new write removes it as well.
void RemoveLeftoverTemporaryFile(const QString& path);
// The same for every entry file of a folder.
void RemoveLeftoverTemporaryFiles(const QString& directory);

}  // namespace deskora
