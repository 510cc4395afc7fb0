// Entry file names, bytes on disk and reading back, in a temporary folder.

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

}  // namespace
}  // namespace deskora
