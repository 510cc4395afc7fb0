// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Entry files: decoded lines hold no line end or NUL, encoding (in any encoding) and decoding
// give the lines back, files read back as written, a kept unshown tail stays behind the shown
// lines, and a date text gives a stem of six digits or is refused.

#include "properties.h"

#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <optional>

namespace deskora::fuzz {

namespace {

// Beside the others in memory where the machine has such a folder: every write syncs.
const QTemporaryDir& Folder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/deskora-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/deskora-fuzz-XXXXXX"));
    return folder;
}

std::string Show(const QStringList& lines)
{
    return lines.join(QStringLiteral("|")).toStdString();
}

bool PutBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The lines of a text split at CR, LF and NUL, as a field could hold them.
QStringList FieldLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0)) {
            lines << line;
            line.clear();
        } else {
            line += c;
        }
    }
    lines << line;
    return lines;
}

std::string CheckLines(const QStringList& lines, const char* what)
{
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')) || line.contains(QChar(0)))
            return std::string(what) + ": a line holds CR, LF or NUL";
    }
    for (const TEntryEncoding encoding : {TEntryEncoding::New, TEntryEncoding::Cp1252, TEntryEncoding::Utf8,
                                          TEntryEncoding::Utf8Bom, TEntryEncoding::Utf16LE, TEntryEncoding::Utf16BE}) {
        const QStringList back = DecodeEntryLines(EncodeEntryLines(lines, encoding));
        if (back != lines)
            return std::string(what) + ": encoded (" + std::to_string(int(encoding)) + ") and decoded [" + Show(lines) +
                   "] gives [" + Show(back) + "]";
    }
    return {};
}

std::string CheckFiles(const QByteArray& bytes, qsizetype limit)
{
    const QString path = Folder().filePath(QStringLiteral("150202N.000"));
    if (!PutBytes(path, bytes))
        return "cannot write the test file";
    const QStringList lines = DecodeEntryLines(bytes);
    if (ReadEntryFile(path) != lines)
        return "ReadEntryFile differs from DecodeEntryLines";

    // Written and read again: the same lines.
    WriteEntryFile(path, lines);
    if (const auto back = ReadEntryFile(path); back != lines)
        return "written [" + Show(lines) + "] reads back as [" + Show(back.value_or(QStringList())) + "]";

    // With a limit: what is shown fits it, and written back with its unshown tail the file
    // still begins with the shown lines.
    if (!PutBytes(path, bytes))
        return "cannot write the test file";
    std::optional<TEntryText> shown = ReadEntryText(path, limit);
    if (!shown)
        return "ReadEntryText finds no file";
    if (!shown->Unshown)
        return shown->Lines == lines ? std::string() : "ReadEntryText without a tail differs";
    qsizetype chars = 0;
    for (const QString& line : shown->Lines)
        chars += line.size();
    if (chars > limit)
        return "ReadEntryText shows more than the limit";
    // The tail is copied as it is, so only a file read the same way whole and in part keeps
    // its lines (a file of plain ASCII reads as UTF-8 in part).
    const std::optional<TEntryText> entire = ReadEntryText(path, -1);
    const TEntryEncoding wholeEncoding = entire && entire->Encoding != TEntryEncoding::New ? entire->Encoding
                                                                                           : TEntryEncoding::Utf8;
    const bool sameEncoding = wholeEncoding == shown->Unshown->Encoding;
    WriteEntryFile(path, shown->Lines, &*shown->Unshown);
    const QStringList whole = ReadEntryFile(path).value_or(QStringList());
    if (sameEncoding && whole.mid(0, shown->Lines.size()) != shown->Lines)
        return "the shown lines [" + Show(shown->Lines) + "] do not begin the file written with its tail";
    return {};
}

std::string CheckStem(const QString& text)
{
    QString stem;
    try {
        stem = EntryFileStem(text);
    } catch (const EConvertError&) {
        return {};
    }
    bool digits = stem.size() == 6;
    for (const QChar c : stem)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digits)
        return "EntryFileStem gives \"" + stem.toStdString() + "\"";
    // The same day written in full names the same files.
    if (EntryFileStem(WriteExactDate(ReadDate(text))) != stem)
        return "EntryFileStem differs for the same day written in full";
    return {};
}

}  // namespace

std::string CheckEntryFile(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const qsizetype limit = data[0] * 4;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    try {
        if (std::string f = CheckLines(DecodeEntryLines(bytes), "decoded lines"); !f.empty())
            return f;
        // Text typed into a field, a byte-order mark first included.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QString text = decoder.decode(bytes);
        if (std::string f = CheckLines(FieldLines(text), "field lines"); !f.empty())
            return f;
        if (std::string f = CheckLines(FieldLines(QChar(0xFEFF) + text), "field lines after U+FEFF"); !f.empty())
            return f;
        if (std::string f = CheckFiles(bytes, limit); !f.empty())
            return f;
        return CheckStem(text);
    } catch (const EDeskoraError& e) {
        return "unexpected error: " + e.Message().toStdString();
    }
}

}  // namespace deskora::fuzz
