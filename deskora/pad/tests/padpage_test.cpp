// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The page model without a window: another program's changes, two planners on one folder,
// browsing without writing, the clock and the pad's first and last day.

#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/errors.h"
#include "pad/padpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "printers.h"

namespace deskora {
namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Written as a sync tool does: a temporary name, then renamed over the day's file.
void SyncWrite(const QString& path, const QByteArray& bytes)
{
    const QString temporary = path + QStringLiteral(".sync-tmp");
    QFile file(temporary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_EQ(
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()), 0);
}

QByteArray Crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList Slots(std::initializer_list<std::pair<int, const char*>> filled)
{
    QStringList lines(SlotCount);
    for (const auto& [k, text] : filled)
        lines[k - 1] = QString::fromLatin1(text);
    return lines;
}

// A page whose fields are two lists, as the pad's fields would be.
struct TFields {
    QStringList Notes;
    QStringList SlotTexts = QStringList(SlotCount);
    TPadPage Page;
    int Merges = 0;
    explicit TFields(const QString& folder)
    {
        Page.SetFolder(folder, QStringLiteral("000"));
        Page.SetSources([this] { return Notes; }, [this] { return SlotTexts; });
        QObject::connect(&Page, &TPadPage::OutsideChange,
                         [this](TPadPage::TPart part, bool merged) {
                             (part == TPadPage::Notes ? Notes : SlotTexts) = Page.Lines(part);
                             while (SlotTexts.size() < SlotCount)
                                 SlotTexts << QString();
                             Merges += merged;
                         });
    }
    void Load(const char* date)
    {
        Page.Load(QString::fromLatin1(date));
        Notes = Page.Lines(TPadPage::Notes);
        SlotTexts = Page.Lines(TPadPage::Slots);
        while (SlotTexts.size() < SlotCount)
            SlotTexts << QString();
    }
    void TypeSlot(int k, const char* text)
    {
        SlotTexts[k - 1] = QString::fromLatin1(text);
        Page.MarkEdited(TPadPage::Slots);
    }
    void TypeNotes(const QStringList& lines)
    {
        Notes = lines;
        Page.MarkEdited(TPadPage::Notes);
    }
};

class PadPage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "padpage_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
    void SetUp() override
    {
        FOldClock = SetClock([this] { return FNow; });
        FOldSettings = DateFormatSettings();
        SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
        ASSERT_TRUE(FDir.isValid());
    }
    void TearDown() override
    {
        SetClock(FOldClock);
        SetDateFormatSettings(FOldSettings);
    }
    QString File(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }

    QDateTime FNow = QDateTime(QDate(2026, 12, 8), QTime(14, 32));
    QTemporaryDir FDir;

private:
    TClock FOldClock;
    TDateFormatSettings FOldSettings;
};

TEST_F(PadPage, AnotherProgramsChangeIsShownOrMergedNeverLost)
{
    const QByteArray start = Crlf(Slots({{1, "alt 1"}, {3, "alt 3"}}));
    const QStringList notes = {QStringLiteral("Notiz")};
    struct TCase {
        const char* Name;
        std::function<void(TFields&)> User;  // before the other program
        QByteArray TheirSlots;               // empty: the slot file is deleted
        std::function<void(TFields&)> UserAfter;
        QByteArray WantSlots;
        int WantMerges;
    };
    const TCase cases[] = {
        {"unedited page takes the other side, then the user's slot 5", nullptr,
         Crlf(Slots({{1, "neu 1"}, {2, "neu 2"}, {3, "alt 3"}})),
         [](TFields& f) { f.TypeSlot(5, "mein 5"); },
         Crlf(Slots({{1, "neu 1"}, {2, "neu 2"}, {3, "alt 3"}, {5, "mein 5"}})), 0},
        {"edited before the other program: each side's slots kept",
         [](TFields& f) { f.TypeSlot(5, "mein 5"); },
         Crlf(Slots({{1, "neu 1"}, {2, "neu 2"}, {3, "alt 3"}})), nullptr,
         Crlf(Slots({{1, "neu 1"}, {2, "neu 2"}, {3, "alt 3"}, {5, "mein 5"}})), 1},
        {"one slot changed on both sides keeps both texts",
         [](TFields& f) { f.TypeSlot(3, "mein 3"); }, Crlf(Slots({{1, "alt 1"}, {3, "fremd 3"}})),
         nullptr, Crlf(Slots({{1, "alt 1"}, {3, "mein 3 / fremd 3"}})), 1},
        {"saved here while the other program changed the same start (a sync conflict)",
         [](TFields& f) {
             f.TypeSlot(4, "mein 4");
             f.Page.Save();
         },
         Crlf(Slots({{1, "alt 1"}, {3, "fremd 3"}})), nullptr,
         Crlf(Slots({{1, "alt 1"}, {3, "fremd 3"}, {4, "mein 4"}})), 1},
        {"saved here, then changed by a program that had seen it: no conflict",
         [](TFields& f) {
             f.TypeSlot(1, "mein 1");
             f.TypeSlot(2, "mein 2");
             f.Page.Save();
         },
         Crlf(Slots({{1, "mein 1 korrigiert"}, {2, "mein 2"}, {3, "alt 3"}})), nullptr,
         Crlf(Slots({{1, "mein 1 korrigiert"}, {2, "mein 2"}, {3, "alt 3"}})), 0},
        {"deleted outside while edited: the user's text is written",
         [](TFields& f) { f.TypeSlot(2, "mein 2"); }, QByteArray(), nullptr,
         Crlf(Slots({{1, "alt 1"}, {2, "mein 2"}, {3, "alt 3"}})), 0},
        {"deleted outside, unedited: the page empties and nothing comes back", nullptr,
         QByteArray(), nullptr, QByteArray("<missing>"), 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(File("081226T.000"));
        SyncWrite(File("081226T.000"), start);
        SyncWrite(File("081226N.000"), Crlf(notes));
        TFields fields(FDir.path());
        fields.Load("08.12.26");
        if (c.User)
            c.User(fields);
        if (c.TheirSlots.isEmpty())
            QFile::remove(File("081226T.000"));
        else
            SyncWrite(File("081226T.000"), c.TheirSlots);
        // What the watcher does for an unedited page; a page turn or the autosave then saves.
        fields.Page.CheckOutside(false);
        if (!c.User) {
            EXPECT_EQ(Crlf(fields.SlotTexts),
                      c.TheirSlots.isEmpty() ? Crlf(QStringList(SlotCount)) : c.TheirSlots);
        }
        if (c.UserAfter)
            c.UserAfter(fields);
        fields.Page.Save();
        EXPECT_EQ(FileBytes(File("081226T.000")), c.WantSlots);
        EXPECT_EQ(FileBytes(File("081226N.000")), Crlf(notes));  // never touched
        EXPECT_EQ(fields.Merges, c.WantMerges);
        EXPECT_FALSE(fields.Page.Edited());
    }
}

TEST_F(PadPage, NotesChangedOnBothSidesKeepBothUnderAMarker)
{
    SyncWrite(File("081226N.000"), "Anfang\r\n");
    TFields fields(FDir.path());
    fields.Load("08.12.26");
    fields.TypeNotes({QStringLiteral("Anfang"), QStringLiteral("von mir")});
    SyncWrite(File("081226N.000"), "Anfang\r\nvom Laptop\r\n");
    fields.Page.Save();
    const QDateTime when = QFileInfo(File("081226N.000")).lastModified();
    EXPECT_EQ(FileBytes(File("081226N.000")),
              QByteArray("Anfang\r\nvon mir\r\n--- ge\xE4ndert von einem anderen Programm (")
                  + when.toString(QStringLiteral("dd.MM.yyyy hh:mm")).toLatin1()
                  + ") ---\r\nAnfang\r\nvom Laptop\r\n");
    EXPECT_EQ(fields.Merges, 1);
    // The page now shows what the file holds, and a second save changes nothing.
    EXPECT_EQ(fields.Notes.size(), 5);
    const QByteArray merged = FileBytes(File("081226N.000"));
    fields.Page.Save();
    EXPECT_EQ(FileBytes(File("081226N.000")), merged);
}

TEST_F(PadPage, TwoPlannersOnOneFolderKeepEachOthersText)
{
    TFields here(FDir.path());
    TFields there(FDir.path());
    here.Load("08.12.26");
    there.Load("08.12.26");
    here.TypeSlot(1, "hier");
    here.Page.Save();
    there.TypeSlot(2, "dort");
    there.Page.Save();
    here.TypeSlot(3, "hier wieder");
    here.Page.Save();
    EXPECT_EQ(FileBytes(File("081226T.000")),
              Crlf(Slots({{1, "hier"}, {2, "dort"}, {3, "hier wieder"}})));
    // The notes file came with the first save, empty, and nobody wrote it again.
    EXPECT_EQ(FileBytes(File("081226N.000")), QByteArray());
}

TEST_F(PadPage, DaysOnlyLookedAtGetNoFilesEvenInAFolderThatTakesNone)
{
    for (const QString& folder : {FDir.path(), QStringLiteral("/proc")}) {
        TFields fields(folder);
        for (const char* day : {"07.12.26", "08.12.26", "09.12.26"}) {
            fields.Load(day);
            EXPECT_NO_THROW(fields.Page.Save()) << day;
        }
    }
    EXPECT_TRUE(QDir(FDir.path()).isEmpty());
    // Typing there is a save that fails, and says so.
    TFields fields(QStringLiteral("/proc"));
    fields.Load("08.12.26");
    fields.TypeSlot(1, "Termin");
    EXPECT_THROW(fields.Page.Save(), EFileError);
    EXPECT_TRUE(fields.Page.Edited());
}

TEST_F(PadPage, AutosaveAnnouncesAFailureOnceAndWaitsForTheInputMethod)
{
    TFields fields(QStringLiteral("/proc"));
    QStringList failures;
    QObject::connect(&fields.Page, &TPadPage::AutosaveFailed,
                     [&](const QString& message) { failures << message; });
    bool composing = true;
    fields.Page.SetComposingCheck([&] { return composing; });
    fields.Load("08.12.26");
    fields.TypeSlot(1, "Termin");
    fields.Page.Autosave();
    EXPECT_TRUE(failures.isEmpty());  // nothing is tried while the input method composes
    composing = false;
    for (int i = 0; i < 3; ++i)
        fields.Page.Autosave();
    EXPECT_EQ(failures.size(), 1);

    TFields writable(FDir.path());
    writable.Load("08.12.26");
    writable.TypeSlot(1, "Termin");
    writable.Page.Autosave();
    EXPECT_EQ(FileBytes(File("081226T.000")), Crlf(Slots({{1, "Termin"}})));
}

TEST_F(PadPage, ThePageFollowsTheClockToANewTodayOnceTheUserPauses)
{
    TFields fields(FDir.path());
    FNow = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 40));
    fields.Load("08.12.26");
    EXPECT_EQ(fields.Page.DayToFollow(), std::nullopt);
    fields.TypeSlot(17, "spaet");
    FNow = QDateTime(QDate(2026, 12, 9), QTime(0, 0, 5));
    EXPECT_EQ(fields.Page.DayToFollow(), std::nullopt);  // typed 25 s ago
    FNow = FNow.addSecs(30);
    EXPECT_EQ(fields.Page.DayToFollow(), QStringLiteral("09.12.26"));

    // A page the user turned to stays, also when the clock jumps a day on (a resume).
    fields.Load("24.12.26");
    FNow = QDateTime(QDate(2026, 12, 11), QTime(8, 0));
    EXPECT_EQ(fields.Page.DayToFollow(), std::nullopt);
    // Today's page follows a jump at once when nothing was typed on it.
    fields.Load("11.12.26");
    FNow = QDateTime(QDate(2026, 12, 14), QTime(7, 0));
    EXPECT_EQ(fields.Page.DayToFollow(), QStringLiteral("14.12.26"));
}

TEST_F(PadPage, TurningStopsAtThePadsFirstAndLastDay)
{
    const struct {
        const char* From;
        bool Forward;
        std::optional<QString> To;
    } cases[] = {
        {"28.02.04", true, QStringLiteral("29.02.04")},
        {"31.12.99", true, std::nullopt},
        {"01.01.00", false, QStringLiteral("31.12.1999")},
        {"31.12.1999", true, QStringLiteral("01.01.2000")},
        {"01.01.1901", false, std::nullopt},
        {"02.01.1901", false, QStringLiteral("01.01.1901")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeighbourDay(QString::fromLatin1(c.From), c.Forward), c.To) << c.From;
}

}  // namespace
}  // namespace deskora
