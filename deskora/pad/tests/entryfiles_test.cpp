// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// Entry file names, bytes on disk and reading back, in a temporary folder.

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "printers.h"

namespace deskora {
namespace {

QByteArray Bytes(const char* data, qsizetype size)
{
    return QByteArray(data, size);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void PutBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// UTF-16 code units without a mark, as Qt writes them.
QByteArray Le(QStringView text)
{
    return QStringEncoder(QStringEncoder::Utf16LE).encode(text);
}
QByteArray Be(QStringView text)
{
    return QStringEncoder(QStringEncoder::Utf16BE).encode(text);
}

class EntryFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldClock = SetClock([] { return QDateTime(QDate(2024, 6, 15), QTime(10, 0)); });
        ASSERT_TRUE(FDir.isValid());
    }
    void TearDown() override { SetClock(FOldClock); }
    QString Path(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir FDir;

private:
    TClock FOldClock;
};

TEST_F(EntryFiles, StemAndPathOfADay)
{
    EXPECT_EQ(EntryFileStem(QStringLiteral("15.02.02")), QLatin1String("150202"));
    EXPECT_EQ(EntryFileStem(QStringLiteral("15.02.1902")), QLatin1String("150202"));
    EXPECT_EQ(EntryFileStem(QStringLiteral("15.02.2002")), QLatin1String("150202"));
    EXPECT_EQ(EntryFileStem(QStringLiteral("1.3.4")), QLatin1String("010304"));
    EXPECT_THROW(EntryFileStem(QStringLiteral("31.02.02")), EConvertError);

    EXPECT_EQ(EntryFilePath(QStringLiteral("/home/ab/termine"), QStringLiteral("150202"),
                            QLatin1Char('N'), QStringLiteral("000")),
              QLatin1String("/home/ab/termine/150202N.000"));
    EXPECT_EQ(
        EntryFilePath(QStringLiteral("/x"), QStringLiteral("150202"), QLatin1Char('T'), QString()),
        QLatin1String("/x/150202T."));
}

TEST_F(EntryFiles, WritesCrLfAfterEveryLineInWindows1252OrElseUtf8)
{
    struct Case {
        QStringList lines;
        QByteArray bytes;
    };
    const Case cases[] = {
        {{}, QByteArray()},
        {{QString()}, Bytes("\r\n", 2)},
        {{"Zahnarzt", "", "Blumen"}, Bytes("Zahnarzt\r\n\r\nBlumen\r\n", 20)},
        {QStringList(SlotCount, QString()), QByteArray(SlotCount, '\r').replace("\r", "\r\n")},
        // ä ö ü ß and the euro sign are single bytes in Windows-1252.
        {{QStringLiteral("Grüße"), QStringLiteral("5 €")},
         Bytes("Gr\xFC\xDF"
               "e\r\n5 \x80\r\n",
               12)},
        // L with stroke (U+0141) has no Windows-1252 byte: the whole file is UTF-8.
        {{QStringLiteral("Łódź"), QStringLiteral("ä")},
         Bytes("\xC5\x81\xC3\xB3"
               "d\xC5\xBA\r\n\xC3\xA4\r\n",
               13)},
        // "Ã¤" in Windows-1252 would be the bytes C3 A4, the UTF-8 of "ä": write UTF-8.
        {{QStringLiteral("Ã¤")}, Bytes("\xC3\x83\xC2\xA4\r\n", 6)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeEntryLines(c.lines), c.bytes) << c.lines.join('|').toStdString();
        EXPECT_EQ(DecodeEntryLines(c.bytes), c.lines) << c.lines.join('|').toStdString();
    }
    EXPECT_EQ(QByteArray(SlotCount, '\r').replace("\r", "\r\n").size(), 34);
}

TEST_F(EntryFiles, ReadsEveryKindOfLineEndAndStopsAtNul)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {Bytes("a\nb\n", 4), {"a", "b"}},
        {Bytes("a\rb\r", 4), {"a", "b"}},
        {Bytes("a\r\nb", 4), {"a", "b"}},
        {Bytes("a\n\r\nb\r\r", 7), {"a", "", "b", ""}},
        {Bytes("a\0b\r\nc\r\n", 8), {"a"}},
        {Bytes("\0abc", 4), {}},
        {Bytes("\r\n", 2), {""}},
        // Windows-1252 text, as the earlier Windows releases wrote it.
        {Bytes("M\xE4rz \x80\x96\r\n", 9), {QStringLiteral("März €–")}},
        {Bytes("M\xC3\xA4rz\r\n", 7), {QStringLiteral("März")}},
        // Unassigned Windows-1252 bytes survive as the C1 controls of the same number.
        {Bytes("\x81\x8D\r\n", 4), {QString(QChar(0x81)) + QChar(0x8D)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeEntryLines(c.bytes), c.lines) << c.bytes.toHex().toStdString();
}

TEST_F(EntryFiles, FileRoundTripReplacesTheOldFile)
{
    const QString path = Path("150202T.000");
    EXPECT_FALSE(ReadEntryFile(path).has_value());

    WriteEntryFile(path, {"eins", "zwei", "drei"});
    EXPECT_EQ(FileBytes(path), Bytes("eins\r\nzwei\r\ndrei\r\n", 18));
    WriteEntryFile(path, {"Übung"});
    EXPECT_EQ(FileBytes(path), Bytes("\xDC"
                                     "bung\r\n",
                                     7));
    EXPECT_EQ(ReadEntryFile(path), QStringList({"Übung"}));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList({"150202T.000"}));

    PutBytes(path, Bytes("x\ny", 3));
    EXPECT_EQ(ReadEntryFile(path), QStringList({"x", "y"}));
}

TEST_F(EntryFiles, FailuresNameTheFullPathAndKeepTheOldFile)
{
    const QString missing = FDir.filePath(QStringLiteral("fehlt/150202N.000"));
    try {
        WriteEntryFile(missing, {"a"});
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Datei %1 kann nicht erstellt werden").arg(missing));
    }

    // A folder where the file should be cannot be replaced nor read, whoever runs the test.
    const QString blocked = Path("150202N.000");
    ASSERT_TRUE(QDir(FDir.path()).mkdir(QStringLiteral("150202N.000")));
    EXPECT_THROW(WriteEntryFile(blocked, {"a"}), EFileError);
    try {
        ReadEntryFile(blocked);
        ADD_FAILURE() << "read a folder";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(blocked));
    }

    // A folder nobody may write into, not even the superuser: the old file stays whole.
    const QString fixed = QStringLiteral("/proc/version");
    const QByteArray before = FileBytes(fixed);
    EXPECT_THROW(WriteEntryFile(fixed, {"a"}), EFileError);
    EXPECT_EQ(FileBytes(fixed), before);
}

TEST_F(EntryFiles, FilesAreWrittenBackInTheEncodingTheyWereReadIn)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
        TEntryEncoding encoding;
        // The first line is replaced by this one, and the file written back.
        QString first;
        QByteArray written;
    };
    const QString mueller = QStringLiteral("Müller!");
    const QByteArray le = Bytes("\xFF\xFE", 2);
    const QByteArray be = Bytes("\xFE\xFF", 2);
    const QByteArray mark = Bytes("\xEF\xBB\xBF", 3);
    const Case cases[] = {
        {le + Le(u"Erste\r\nZweite\r\n"),
         {"Erste", "Zweite"},
         TEntryEncoding::Utf16LE,
         mueller,
         le + Le(u"Müller!\r\nZweite\r\n")},
        // A U+0000 character ends the text, a 0 byte does not.
        {le + Le(u"a\r\nb") + Bytes("\0\0c\0", 4),
         {"a", "b"},
         TEntryEncoding::Utf16LE,
         mueller,
         le + Le(u"Müller!\r\nb\r\n")},
        {be + Be(u"Erste\r\n😀\r\n"),
         {"Erste", QStringLiteral("😀")},
         TEntryEncoding::Utf16BE,
         mueller,
         be + Be(u"Müller!\r\n😀\r\n")},
        {mark + "Notiz\r\nZweite\r\n",
         {"Notiz", "Zweite"},
         TEntryEncoding::Utf8Bom,
         mueller,
         mark + "M\xC3\xBCller!\r\nZweite\r\n"},
        // A U+FEFF that begins the text stays behind the file's own mark, byte for byte.
        {mark + mark + "x\r\n",
         {QStringLiteral("\uFEFFx")},
         TEntryEncoding::Utf8Bom,
         QStringLiteral("\uFEFFx"),
         mark + mark + "x\r\n"},
        // The mark before bytes that are not UTF-8 is Windows-1252 text, as ever.
        {mark + "\xE4\r\n",
         {QStringLiteral("ï»¿ä")},
         TEntryEncoding::Cp1252,
         mueller,
         "M\xFCller!\r\n"},
        {"M\xC3\xBCller\r\nZweite\r\n",
         {QStringLiteral("Müller"), "Zweite"},
         TEntryEncoding::Utf8,
         mueller,
         "M\xC3\xBCller!\r\nZweite\r\n"},
        {"M\xFCller\r\n",
         {QStringLiteral("Müller")},
         TEntryEncoding::Cp1252,
         mueller,
         "M\xFCller!\r\n"},
        {"M\xFCller\r\n",
         {QStringLiteral("Müller")},
         TEntryEncoding::Cp1252,
         QStringLiteral("Łódź"),
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA\r\n"},
        {"Notiz\r\n", {"Notiz"}, TEntryEncoding::New, mueller, "M\xFCller!\r\n"},
        // UTF-16 has an even number of bytes; Windows-1252 that would begin like it is written
        // as UTF-8.
        {"\xFF\xFE"
         "A",
         {QStringLiteral("ÿþA")},
         TEntryEncoding::Cp1252,
         QStringLiteral("ÿþ"),
         "\xC3\xBF\xC3\xBE\r\n"},
    };
    const QString path = Path("150202N.000");
    for (const Case& c : cases) {
        const std::string what = c.bytes.toHex(' ').toStdString();
        PutBytes(path, c.bytes);
        const std::optional<TEntryText> text = ReadEntryText(path, -1);
        ASSERT_TRUE(text.has_value()) << what;
        EXPECT_EQ(text->Lines, c.lines) << what;
        EXPECT_EQ(text->Encoding, c.encoding) << what;
        QStringList lines = text->Lines;
        lines[0] = c.first;
        WriteEntryFile(path, lines, nullptr, text->Encoding);
        EXPECT_EQ(FileBytes(path), c.written) << what;
        EXPECT_EQ(ReadEntryFile(path), lines) << what;
    }
}

TEST_F(EntryFiles, TheUnshownPartOfLongNotesStaysInTheFilesEncoding)
{
    const QStringList lines(40, QStringLiteral("Zeile ä 😀"));
    QStringList changed = lines;
    changed[0] = QStringLiteral("Müller!");
    const QString path = Path("150202N.000");
    for (const TEntryEncoding encoding :
         {TEntryEncoding::Utf16LE, TEntryEncoding::Utf16BE, TEntryEncoding::Utf8Bom}) {
        PutBytes(path, EncodeEntryLines(lines, encoding));
        std::optional<TEntryText> text = ReadEntryText(path, 30);
        ASSERT_TRUE(text && text->Unshown) << int(encoding);
        EXPECT_EQ(text->Encoding, encoding);
        EXPECT_EQ(text->Lines, lines.mid(0, 2));
        text->Lines[0] = changed[0];
        WriteEntryFile(path, text->Lines, &*text->Unshown, TEntryEncoding::New);
        EXPECT_EQ(FileBytes(path), EncodeEntryLines(changed, encoding)) << int(encoding);
    }
}

TEST_F(EntryFiles, OnlyRegularFilesAreReadAndNothingWaitsForAWriter)
{
    const QString fifo = Path("150202N.000");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = Path("160202N.000");
    ASSERT_TRUE(QDir(FDir.path()).mkdir(QStringLiteral("160202N.000")));
    const QString toFifo = Path("160202T.000");
    ASSERT_TRUE(QFile::link(fifo, toFifo));

    for (const QString& path : {fifo, folder, toFifo, QStringLiteral("/dev/null")}) {
        auto read = std::async(std::launch::async, [path] {
            try {
                ReadEntryText(path, 100);
            } catch (const EFileError& e) {
                return e.Message();
            }
            return QStringLiteral("read");
        });
        if (read.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "waits at " << path.toStdString();
            // A writer lets the reader go, so that the test ends.
            ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_EQ(read.get(), QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
    }

    // A symbolic link leads to the file, or to nothing.
    const QString file = Path("170202N.000");
    PutBytes(file, "a\r\n");
    ASSERT_TRUE(QFile::link(file, Path("170202T.000")));
    EXPECT_EQ(ReadEntryFile(Path("170202T.000")), QStringList({"a"}));
    ASSERT_TRUE(QFile::link(Path("fehlt"), Path("180202N.000")));
    EXPECT_FALSE(ReadEntryFile(Path("180202N.000")).has_value());
}

TEST_F(EntryFiles, ADayFileIsFoundUnderANameInAnotherCase)
{
    const QString wanted = Path("081226N.abc");
    PutBytes(Path("081226N.abcd"), "x");
    PutBytes(Path("181226n.abc"), "x");
    EXPECT_EQ(ExistingEntryPath(wanted), wanted);
    PutBytes(Path("081226n.abc"), "x");
    PutBytes(Path("081226n.ABC"), "x");
    EXPECT_EQ(ExistingEntryPath(wanted), Path("081226n.ABC"));
    PutBytes(wanted, "x");
    EXPECT_EQ(ExistingEntryPath(wanted), wanted);
    // A name in another folder stays as it is.
    EXPECT_EQ(ExistingEntryPath(Path("fehlt/081226N.abc")), Path("fehlt/081226N.abc"));
}

}  // namespace
}  // namespace deskora
