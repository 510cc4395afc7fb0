#include "entryfiles.h"

#include "datehelpers.h"
#include "errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace deskora {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves unassigned map to the C1
// control of the same number, as Windows itself does, so that every byte reads and writes back.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
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

std::optional<QString> DecodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
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

QByteArray EncodeEntryLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    // Windows-1252 unless a character does not fit, or the bytes would read back as different
    // UTF-8 text (such as "Ã¤", whose two bytes are the UTF-8 of "ä"): then UTF-8.
    if (const std::optional<QByteArray> cp1252 = EncodeCp1252(text)) {
        if (IsAscii(*cp1252) || !DecodeUtf8(*cp1252))
            return *cp1252;
    }
    QStringEncoder encoder(QStringEncoder::Utf8);
    return encoder.encode(text);
}

QStringList DecodeEntryLines(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray content = nul >= 0 ? bytes.left(nul) : bytes;
    const std::optional<QString> utf8 = DecodeUtf8(content);
    const QString text = utf8 ? *utf8 : DecodeCp1252(content);

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

void WriteEntryFile(const QString& path, const QStringList& lines)
{
    const QByteArray bytes = EncodeEntryLines(lines);
    QSaveFile file(path);
    // Renaming over the old file is what makes the write atomic; never fall back to writing
    // into the old file directly.
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly)
                         && file.write(bytes) == bytes.size()
                         && file.commit();
    if (!written) {
        file.cancelWriting();
        throw EFileError(QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path));
    }
}

std::optional<QStringList> ReadEntryFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw EFileError(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileError(QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
    return DecodeEntryLines(bytes);
}

}  // namespace deskora
