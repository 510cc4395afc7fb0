// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "entryfiles.h"

#include "datehelpers.h"
#include "errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace deskora {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves unassigned map to the C1
// control of the same number, as Windows itself does, so that every byte reads and writes back.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += QChar(b >= 0x80 && b <= 0x9F ? Cp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The Windows-1252 bytes of the text, or nothing when a character has no byte there.
std::optional<QByteArray> EncodeCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < Cp1252High.size(); ++i) {
            if (Cp1252High[i] == u) {
                bytes += static_cast<char>(0x80 + i);
                found = true;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return bytes;
}

// A byte-order mark at the start is kept as a character: the file's own mark is taken off
// before, so one that is left belongs to the text. With `partial`, the bytes may end inside a
// character, which then is not an error.
std::optional<QString> DecodeUtf8(const QByteArray& bytes, bool partial = false)
{
    QStringDecoder decoder(
        QStringDecoder::Utf8,
        partial ? QStringConverter::Flag::ConvertInitialBom
                : QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool IsAscii(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

constexpr char Utf8Mark[] = "\xEF\xBB\xBF";
constexpr qsizetype Utf8MarkSize = 3;

bool StartsWithUtf16Mark(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// A text as read, and how.
struct TDecoded {
    QString Text;
    TEntryEncoding Encoding = TEntryEncoding::New;
    // Whether a NUL ended the text before the end of the bytes.
    bool Ended = false;
};

// UTF-16 code units after the mark, up to a U+0000. A surrogate without its other half
// becomes U+FFFD, as no other encoding could write it back. An odd last byte (of a part read)
// is left for later.
QString DecodeUtf16(const QByteArray& bytes, bool littleEndian, bool& ended)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
        const auto unit = static_cast<char16_t>(hi << 8 | lo);
        if (unit == 0) {
            ended = true;
            break;
        }
        text += QChar(unit);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// The text of a file's bytes. `bytes` are the whole file of `size` bytes, or its first part
// when `partial`.
TDecoded DecodeText(const QByteArray& bytes, qint64 size, bool partial)
{
    TDecoded result;
    // UTF-16 has code units of two bytes, so a file of an odd size is something else.
    if (size % 2 == 0 && StartsWithUtf16Mark(bytes)) {
        const bool littleEndian = bytes.startsWith("\xFF\xFE");
        result.Encoding = littleEndian ? TEntryEncoding::Utf16LE : TEntryEncoding::Utf16BE;
        result.Text = DecodeUtf16(bytes, littleEndian, result.Ended);
        return result;
    }
    const qsizetype nul = bytes.indexOf('\0');
    result.Ended = nul >= 0;
    const QByteArray content = result.Ended ? bytes.left(nul) : bytes;
    const bool marked = content.startsWith(Utf8Mark);
    const std::optional<QString> utf8 = DecodeUtf8(marked ? content.mid(Utf8MarkSize) : content,
                                                   partial && !result.Ended);
    if (utf8) {
        result.Text = *utf8;
        result.Encoding = marked             ? TEntryEncoding::Utf8Bom
                          : IsAscii(content) ? TEntryEncoding::New
                                             : TEntryEncoding::Utf8;
    } else {
        result.Text = DecodeCp1252(content);
        result.Encoding = TEntryEncoding::Cp1252;
    }
    return result;
}

QStringList SplitEntryLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < length && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < length)
        lines << text.mid(start);
    return lines;
}

QString LineEnds(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return text;
}

QByteArray Utf8Bytes(const QString& text)
{
    QStringEncoder encoder(QStringEncoder::Utf8);
    return encoder.encode(text);
}

QByteArray Utf16Bytes(const QString& text, bool littleEndian)
{
    QByteArray bytes;
    bytes.reserve(2 * text.size() + 2);
    const auto put = [&](char16_t unit) {
        const auto lo = static_cast<char>(unit & 0xFF);
        const auto hi = static_cast<char>(unit >> 8);
        bytes += littleEndian ? lo : hi;
        bytes += littleEndian ? hi : lo;
    };
    put(0xFEFF);
    for (const QChar ch : text)
        put(ch.unicode());
    return bytes;
}

// Windows-1252 bytes read back as the same text only when they are plain ASCII, or neither
// valid UTF-8 nor begin like UTF-16 (whatever the length of the file they begin).
bool ReadsBackAsCp1252(const QByteArray& bytes)
{
    return IsAscii(bytes) || (!StartsWithUtf16Mark(bytes) && !DecodeUtf8(bytes));
}

QByteArray EncodeText(const QString& text, TEntryEncoding encoding)
{
    switch (encoding) {
    case TEntryEncoding::New:
    case TEntryEncoding::Cp1252:
        if (const std::optional<QByteArray> cp1252 = EncodeCp1252(text)) {
            if (ReadsBackAsCp1252(*cp1252))
                return *cp1252;
        }
        [[fallthrough]];
    case TEntryEncoding::Utf8:
        // A U+FEFF in front would be taken for the file's mark.
        if (!text.startsWith(QChar(0xFEFF)))
            return Utf8Bytes(text);
        [[fallthrough]];
    case TEntryEncoding::Utf8Bom: return Utf8Mark + Utf8Bytes(text);
    case TEntryEncoding::Utf16LE:
    case TEntryEncoding::Utf16BE: return Utf16Bytes(text, encoding == TEntryEncoding::Utf16LE);
    }
    return Utf8Bytes(text);
}

// Where the first `chars` characters of a decoded text end in its bytes.
qint64 BytesOfHead(const QString& text, qsizetype chars, TEntryEncoding encoding)
{
    switch (encoding) {
    case TEntryEncoding::Cp1252: return chars;
    case TEntryEncoding::New:
    case TEntryEncoding::Utf8: return Utf8Bytes(text.left(chars)).size();
    case TEntryEncoding::Utf8Bom: return Utf8MarkSize + Utf8Bytes(text.left(chars)).size();
    case TEntryEncoding::Utf16LE:
    case TEntryEncoding::Utf16BE: return 2 + 2 * qint64(chars);
    }
    return chars;
}

[[noreturn]] void CannotCreate(const QString& path)
{
    throw EFileError(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path));
}

[[noreturn]] void CannotOpen(const QString& path)
{
    throw EFileError(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
}

// The name under which a new version of the file is put before it replaces the old one.
// Hidden and fixed, so that one left behind by a killed program is found again.
QByteArray TemporaryName(const QString& path)
{
    const QFileInfo info(path);
    return QFile::encodeName(info.path() + QLatin1String("/.") + info.fileName()
                             + QLatin1String(".deskora-tmp"));
}

bool WriteAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(std::min<qint64>(size, 1 << 20)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// Copies the source's bytes from `from` to its end, as Windows-1252 turned into UTF-8 when
// asked.
bool CopyRest(int fd, int source, qint64 from, bool cp1252ToUtf8)
{
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::pread(source, buffer.data(), static_cast<size_t>(buffer.size()), from);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        from += n;
        if (cp1252ToUtf8) {
            const QByteArray utf8 = Utf8Bytes(DecodeCp1252(buffer.left(n)));
            if (!WriteAll(fd, utf8.constData(), utf8.size()))
                return false;
        } else if (!WriteAll(fd, buffer.constData(), n)) {
            return false;
        }
    }
}

// Opens a new, nameless file in the folder (a named hidden one where the file system cannot),
// writes it whole, syncs it, and only then gives it the name. Every step is checked: a full
// disk shows as a failed write or sync, never as a short file under the old name.
bool ReplaceFile(const QString& path, const QByteArray& head, const TUnshownPart* rest,
                 bool restToUtf8)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = TemporaryName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).path());
    ::unlink(temporary.constData());

    bool named = false;
    int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        named = true;
    }
    if (fd < 0)
        return false;
    // A file that is replaced keeps its permissions.
    struct stat old {};
    if (::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    bool ok = WriteAll(fd, head.constData(), head.size());
    if (ok && rest && rest->Source)
        ok = CopyRest(fd, rest->Source->handle(), rest->From, restToUtf8);
    ok = ok && ::fsync(fd) == 0;
    if (!named) {
        // Closing a file that was synced cannot lose data, so it waits until after the rename:
        // the named temporary file lives only between these two calls.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        ok = ok
             && ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporary.constData(),
                         AT_SYMLINK_FOLLOW)
                    == 0;
        named = ok;
        ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
        ok = ::close(fd) == 0 && ok;
    } else {
        ok = ::close(fd) == 0 && ok;
        ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    }
    if (!ok) {
        if (named)
            ::unlink(temporary.constData());
        return false;
    }
    // The new name itself is made durable with the folder.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

// Where a text longer than the limit is cut: after its last line end within the limit, else
// at the limit (never between the two halves of a character).
qsizetype CutPosition(const QString& text, qsizetype limit)
{
    for (qsizetype i = std::min(limit, text.size()) - 1; i >= 0; --i) {
        if (text[i] == QLatin1Char('\n'))
            return i + 1;
        if (text[i] == QLatin1Char('\r'))
            return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? i + 2 : i + 1;
    }
    return limit > 0 && text[limit - 1].isHighSurrogate() ? limit - 1 : limit;
}

}  // namespace

QString EntryFileStem(const QString& dateText)
{
    return DatePart(dateText, 0) + DatePart(dateText, 1) + DatePart(dateText, 2).right(2);
}

QString EntryFilePath(const QString& directory, const QString& stem, QChar suffix,
                      const QString& extension)
{
    return directory + QDir::separator() + stem + suffix + QLatin1Char('.') + extension;
}

QByteArray EncodeEntryLines(const QStringList& lines, TEntryEncoding encoding)
{
    return EncodeText(LineEnds(lines), encoding);
}

QStringList DecodeEntryLines(const QByteArray& bytes)
{
    return SplitEntryLines(DecodeText(bytes, bytes.size(), false).Text);
}

void WriteEntryFile(const QString& path, const QStringList& lines, TUnshownPart* unshown,
                    TEntryEncoding encoding)
{
    const QString text = LineEnds(lines);
    QByteArray head;
    bool restToUtf8 = false;
    if (!unshown || !unshown->Source) {
        head = EncodeText(text, encoding);
    } else if (unshown->Encoding == TEntryEncoding::Cp1252) {
        // The shown text goes back in the file's own encoding, so that the part behind it is
        // copied as it is; only a text that Windows-1252 cannot hold, or not so that it reads
        // back, turns the whole file into UTF-8.
        const std::optional<QByteArray> cp1252 = EncodeCp1252(text);
        restToUtf8 = !cp1252 || !ReadsBackAsCp1252(*cp1252);
        head = restToUtf8 ? EncodeText(text, TEntryEncoding::Utf8) : *cp1252;
    } else {
        head = EncodeText(text, unshown->Encoding);
    }
    if (!ReplaceFile(path, head, unshown, restToUtf8))
        CannotCreate(path);
    if (unshown && unshown->Source) {
        // The unshown part now follows the new head in the new file.
        auto source = std::make_shared<QFile>(path);
        if (source->open(QIODevice::ReadOnly)) {
            unshown->Source = source;
            unshown->From = head.size();
            if (restToUtf8)
                unshown->Encoding = TEntryEncoding::Utf8;
        }
    }
}

std::optional<QStringList> ReadEntryFile(const QString& path)
{
    std::optional<TEntryText> text = ReadEntryText(path, -1);
    if (!text)
        return std::nullopt;
    return text->Lines;
}

std::optional<TEntryText> ReadEntryText(const QString& path, qsizetype maxChars)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return std::nullopt;
    // Opening a FIFO or a device could wait for a writer or the device, so only a regular
    // file is opened, and without waiting, in case the name changed in between.
    if (!S_ISREG(st.st_mode))
        CannotOpen(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        CannotOpen(path);
    auto file = std::make_shared<QFile>();
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)
        || !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        CannotOpen(path);
    }
    // O_NONBLOCK does not change the reading of a regular file.
    const qint64 size = st.st_size;
    // A character of the field takes at most three bytes of UTF-8 (four for two of them) or
    // two of UTF-16: this much holds more than the limit.
    const qint64 wanted = maxChars < 0 ? size : std::min<qint64>(size, 3 * qint64(maxChars) + 8);
    const QByteArray bytes = maxChars < 0 ? file->readAll() : file->read(wanted);
    if (file->error() != QFileDevice::NoError)
        CannotOpen(path);
    const bool more = maxChars >= 0 && bytes.size() < size;

    TDecoded decoded = DecodeText(bytes, more ? size : bytes.size(), more);
    QString& text = decoded.Text;
    TEntryText result;
    result.Encoding = decoded.Encoding;
    if (maxChars >= 0 && (text.size() > maxChars || (more && !decoded.Ended))) {
        const qsizetype cut = CutPosition(text, maxChars);
        const TEntryEncoding rest = decoded.Encoding == TEntryEncoding::New ? TEntryEncoding::Utf8
                                                                            : decoded.Encoding;
        result.Unshown = TUnshownPart{file, BytesOfHead(text, cut, rest), rest};
        text.truncate(cut);
    }
    result.Lines = SplitEntryLines(text);
    return result;
}

bool EntryNameTaken(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

QString ExistingEntryPath(const QString& path)
{
    if (EntryNameTaken(path))
        return path;
    const QFileInfo info(path);
    const QString wanted = info.fileName();
    const QByteArray wantedBytes = QFile::encodeName(wanted);
    const bool ascii = IsAscii(wantedBytes);
    DIR* folder = ::opendir(QFile::encodeName(info.path()).constData());
    if (!folder)
        return path;
    QByteArray found;
    while (const dirent* entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        // Day file names are ASCII: compared byte by byte, without decoding every name.
        const bool same = ascii ? name.compare(wantedBytes, Qt::CaseInsensitive) == 0
                                : QFile::decodeName(name).compare(wanted, Qt::CaseInsensitive) == 0;
        if (same && (found.isEmpty() || name < found))
            found = name;
    }
    ::closedir(folder);
    if (found.isEmpty())
        return path;
    return path.left(path.size() - wanted.size()) + QFile::decodeName(found);
}

void RemoveLeftoverTemporaryFile(const QString& path)
{
    ::unlink(TemporaryName(path).constData());
}

void RemoveLeftoverTemporaryFiles(const QString& directory)
{
    const QDir folder(directory);
    const QStringList names = folder.entryList({QStringLiteral(".*.deskora-tmp")},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        ::unlink(QFile::encodeName(folder.filePath(name)).constData());
}

}  // namespace deskora
