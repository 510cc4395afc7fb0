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

// The bytes of a file that holds the lines.
QByteArray EncodeEntryLines(const QStringList& lines);

// The lines held by a file's bytes.
QStringList DecodeEntryLines(const QByteArray& bytes);

// The part of a file that a reader with a limit did not show. The file stays open, so that
// its bytes from `From` on can be copied behind the shown text when it is written back, even
// after the name has been given to a new file.
struct TUnshownPart {
    std::shared_ptr<QFile> Source;
    qint64 From = 0;
    // Whether the file was read as UTF-8 (else as Windows-1252).
    bool Utf8 = false;
};

// What was read of an entry file: its lines, and what was left unshown.
struct TEntryText {
    QStringList Lines;
    std::optional<TUnshownPart> Unshown;
};

// Replaces the file with the lines, and the unshown part of the file it was read from when one
// is given (that part is then updated to point into the new file). The new file is written
// beside the old name and renamed over it: a failure at any point (a full disk included) leaves
// the previous file byte for byte as it was, and a symbolic link at the name is replaced by the
// new file, never written through. Throws EFileError "Datei %s kann nicht erstellt werden"
// with the full path.
void WriteEntryFile(const QString& path, const QStringList& lines, TUnshownPart* unshown = nullptr);

// The lines of the file, or nothing when there is no such file. Throws EFileError
// "Datei %s kann nicht geöffnet werden" for a file that exists but cannot be read.
std::optional<QStringList> ReadEntryFile(const QString& path);

// The same with a limit for text shown in a field of at most `maxChars` characters, line ends
// counted as one: a longer text is cut after its last whole line within the limit (or at the
// limit when a line alone is longer), and the rest of the file is left unshown. Only the first
// part of a large file is read, so that its size does not matter.
std::optional<TEntryText> ReadEntryText(const QString& path, qsizetype maxChars);

// Whether anything, a dangling symbolic link included, has the name.
bool EntryNameTaken(const QString& path);

// Removes the temporary file that a write of the entry file left behind when the program was
// killed in the middle of it; a new write removes it as well.
void RemoveLeftoverTemporaryFile(const QString& path);
// The same for every entry file of a folder.
void RemoveLeftoverTemporaryFiles(const QString& directory);

}  // namespace deskora
