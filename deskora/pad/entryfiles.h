#pragma once
// The two entry files of a pad day.
//
// A day's notes and its hour slots live in two text files in one folder, named after the day:
// day, month and two-digit year, then "N." (notes) or "T." (slots) and the extension, "000" by
// default. 15.02.02 gives 150202N.000 and 150202T.000, and so do all days 100 years apart.
//
// Every line, the last one included, ends in CR LF. Text is written as Windows-1252 (the code
// page of the program's earlier Windows releases) when every character fits, else as UTF-8;
// it is read as UTF-8 when the bytes are valid UTF-8, else as Windows-1252. A line ends at CR,
// LF or CR LF, a last line without a line end still counts, and a NUL byte ends the text.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace deskora {

// Number of hour slots on a page, and so the number of lines in a slot file.
inline constexpr int SlotCount = 17;

// The six-character stem of a date text: day, month, last two digits of the year.
// Throws EConvertError for an unreadable date text.
QString EntryFileStem(const QString& dateText);

// Folder + separator + stem + suffix ("N" or "T") + "." + extension.
QString EntryFilePath(const QString& directory, const QString& stem, QChar suffix,
                      const QString& extension);

// The bytes of a file that holds the lines.
QByteArray EncodeEntryLines(const QStringList& lines);

// The lines held by a file's bytes.
QStringList DecodeEntryLines(const QByteArray& bytes);

// Replaces the file with the lines, atomically: a failure leaves the previous file whole.
// Throws EFileError "Datei %s kann nicht erstellt werden" with the full path.
void WriteEntryFile(const QString& path, const QStringList& lines);

// The lines of the file, or nothing when there is no such file. Throws EFileError
// "Datei %s kann nicht geöffnet werden" for a file that exists but cannot be read.
std::optional<QStringList> ReadEntryFile(const QString& path);

}  // namespace deskora
