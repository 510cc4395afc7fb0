// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The desk pad driven through real mouse, key and focus events, its files in a temporary folder.

#include "pad/calendarpad.h"
#include "pad/clock.h"
#include "pad/datehelpers.h"
#include "pad/entryfiles.h"
#include "pad/errors.h"
#include "pad/language.h"
#include "pad/perpcal.h"
#include "pad/sound.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "modalanswer.h"
#include "printers.h"

#include <sys/mount.h>
#include <unistd.h>

namespace deskora {
namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void PutBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray CrLfLines(std::initializer_list<const char*> lines)
{
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

const QPoint PriorCorner(20, 260);
const QPoint NextCorner(370, 260);
const QPoint DateBox(130, 40);

class Pad : public ::testing::Test {
protected:
    void SetUp() override
    {
        FOldClock = SetClock([this] { return FNow; });
        FOldLanguage = SetProfileLanguageProvider([] { return QStringLiteral("DEU"); });
        FOldSettings = DateFormatSettings();
        SetDateFormatSettings({QStringLiteral("dd.mm.yy"), QLatin1Char('.')});
        FOldSound = SetSoundPlayer([this](const QString& name, int flags) {
            FSounds << name;
            EXPECT_EQ(flags, SND_ASYNC);
        });
        FOldErrors = SetErrorHook([this](const QString& text) { FErrors << text; });
        ASSERT_TRUE(FDir.isValid());

        FWindow = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(FWindow.get());
        FPad = new TCalendarPad(FWindow.get());
        FOutside = new QLineEdit(FWindow.get());
        layout->addWidget(FPad);
        layout->addWidget(FOutside);
        FPad->setDirectory(FDir.path());
        FPad->setSoundFileName(QStringLiteral("paper.wav"));
        FPad->setStartTime(7);
        FPad->setDate(QStringLiteral("01.03.04"));
        FWindow->show();
        FWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
        // Each test's window lies where the previous one was, and a move to the point where
        // the pointer already is does not count: start from a point of no region.
        QTest::mouseMove(FPad, QPoint(190, 150));
        QTest::mouseMove(FPad, QPoint(191, 151));
    }
    void TearDown() override
    {
        FWindow.reset();
        SetClock(FOldClock);
        SetProfileLanguageProvider(FOldLanguage);
        SetDateFormatSettings(FOldSettings);
        SetSoundPlayer(FOldSound);
        SetErrorHook(FOldErrors);
    }

    QString File(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }

    void ClickAt(QPoint point)
    {
        QTest::mouseMove(FPad, point);
        QTest::mouseClick(FPad, Qt::LeftButton, {}, point);
    }
    void TypeInto(QWidget* field, const QString& text)
    {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(field, Qt::Key_End);
        for (const QChar ch : text) {
            // Letters beyond ASCII are sent as the key of that letter with its text.
            if (ch.unicode() < 0x80)
                QTest::keyClick(field, char(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key(ch.toUpper().unicode()),
                                    QString(ch), Qt::NoModifier);
        }
    }
    // Answers the next modal dialog from a timer while the pad waits in its event loop.
    void AnswerCalendar(std::function<void(TPerpetualCalendarDlg*)> answer)
    {
        AnswerCalendarDialog(FWindow.get(), std::move(answer));
    }

    QDateTime FNow = QDateTime(QDate(2004, 3, 1), QTime(14, 30));
    QTemporaryDir FDir;
    std::unique_ptr<QWidget> FWindow;
    TCalendarPad* FPad = nullptr;
    QLineEdit* FOutside = nullptr;
    QStringList FSounds;
    QStringList FErrors;

private:
    TClock FOldClock;
    TProfileLanguageProvider FOldLanguage;
    TDateFormatSettings FOldSettings;
    TSoundPlayer FOldSound;
    TErrorHook FOldErrors;
};

TEST_F(Pad, CornersTurnOnePagePerReleaseAndSaveThePageLeft)
{
    ClickAt(PriorCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("29.02.04"));
    // A day only looked at gets no files; a day written on gets both.
    EXPECT_FALSE(QFile::exists(File("010304N.000")));
    EXPECT_FALSE(QFile::exists(File("010304T.000")));

    FPad->setDate(QStringLiteral("31.12.03"));
    FPad->NotesField()->setPlainText(QStringLiteral("Silvester"));
    ClickAt(NextCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("01.01.04"));
    EXPECT_EQ(FileBytes(File("311203N.000")), QByteArray("Silvester\r\n"));
    EXPECT_EQ(FileBytes(File("311203T.000")), QByteArray(34, '\n').replace("\n\n", "\r\n"));
    // Without moving, every further click turns one more page.
    QTest::mouseClick(FPad, Qt::LeftButton, {}, NextCorner);
    QTest::mouseClick(FPad, Qt::LeftButton, {}, NextCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("03.01.04"));
    EXPECT_FALSE(QFile::exists(File("010104T.000")));
    EXPECT_EQ(FSounds, QStringList(4, QStringLiteral("paper.wav")));

    // Away from the corners a release turns nothing, and no sound plays.
    ClickAt(QPoint(190, 150));
    EXPECT_EQ(FPad->Date(), QLatin1String("03.01.04"));
    EXPECT_EQ(FSounds.size(), 4);
    FPad->setSoundEffect(false);
    ClickAt(PriorCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("02.01.04"));
    EXPECT_EQ(FSounds.size(), 4);
}

TEST_F(Pad, ARefusedChangeKeepsThePageYetTheSoundPlays)
{
    QStringList asked;
    QObject::connect(
        FPad, &TCalendarPad::OnChange, FPad,
        [&](TCalendarPad* sender, const QString& newDate, bool& allow) {
            EXPECT_EQ(sender, FPad);
            EXPECT_TRUE(allow);
            asked << newDate;
            allow = false;
        },
        Qt::DirectConnection);
    ClickAt(NextCorner);
    EXPECT_EQ(asked, QStringList({"02.03.04"}));
    EXPECT_EQ(FPad->Date(), QLatin1String("01.03.04"));
    EXPECT_EQ(FSounds.size(), 1);
}

TEST_F(Pad, SettersIgnoreValuesOutOfRange)
{
    FPad->setStartTime(24);
    FPad->setStartTime(-1);
    EXPECT_EQ(FPad->StartTime(), 7);
    FPad->setStartTime(0);
    EXPECT_EQ(FPad->StartTime(), 0);

    FPad->setDestroyDelay(0);
    FPad->setDestroyDelay(366);
    EXPECT_EQ(FPad->DestroyDelay(), 10);
    FPad->setDestroyDelay(365);
    EXPECT_EQ(FPad->DestroyDelay(), 365);

    FPad->setExtensionFile(QStringLiteral("0001"));
    EXPECT_EQ(FPad->ExtensionFile(), QLatin1String("000"));
    EXPECT_TRUE(FPad->NotesFilePath().endsWith(QLatin1String("010304N.000")));
    FPad->setExtensionFile(QString());
    EXPECT_EQ(FPad->NotesFilePath(), FDir.path() + QLatin1String("/010304N."));
    EXPECT_EQ(FPad->SlotFilePath(), FDir.path() + QLatin1String("/010304T."));
}

TEST_F(Pad, HourLabelsAndTheCurrentHour)
{
    struct Case {
        int start;
        TLanguage language;
        int k;
        const char* label;
    };
    const Case cases[] = {
        {7, laGerman, 1, "07:00"},   {7, laGerman, 17, "23:00"},  {8, laGerman, 16, "23:00"},
        {8, laGerman, 17, "00:00"},  {7, laEnglish, 6, "12:00"},  {7, laEnglish, 7, "01:00"},
        {7, laEnglish, 17, "11:00"}, {8, laEnglish, 17, "12:00"}, {7, laDefault, 7, "13:00"},
    };
    for (const Case& c : cases) {
        FPad->setStartTime(c.start);
        FPad->setLanguage(c.language);
        EXPECT_EQ(FPad->HourLabel(c.k), QLatin1String(c.label)) << c.start << "/" << c.k;
    }

    // 14:30 with the first slot at 7: the eighth slot, label 14:00, is the current one.
    FPad->setStartTime(7);
    FPad->setLanguage(laGerman);
    FPad->RefreshHourLabels();
    for (int k = 1; k <= SlotCount; ++k) {
        const QColor expected = k == 8 ? QColor(Qt::red) : QColor(Qt::black);
        EXPECT_EQ(FPad->SlotField(k)->palette().color(QPalette::Text), expected) << k;
        EXPECT_EQ(FPad->IsCurrentHourSlot(k), k == 8) << k;
    }
    // Only the eighth label holds red pixels.
    const QImage page = FPad->grab().toImage();
    for (int k = 1; k <= SlotCount; ++k) {
        int red = 0;
        for (int y = 14 * k + 5; y < 14 * k + 17; ++y) {
            for (int x = 218; x < 246; ++x)
                red += page.pixelColor(x, y) == QColor(Qt::red);
        }
        EXPECT_EQ(red > 0, k == 8) << k;
    }

    // On the twelve-hour dial the same slot reads 02:00 and is still the current hour.
    FPad->setLanguage(laEnglish);
    EXPECT_EQ(FPad->HourLabel(8), QLatin1String("02:00"));
    EXPECT_TRUE(FPad->IsCurrentHourSlot(8));

    // The minute timer's tick recolours when the hour has moved on.
    FNow = FNow.addSecs(3600);
    FPad->RefreshHourLabels();
    EXPECT_EQ(FPad->SlotField(9)->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(FPad->SlotField(8)->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(Pad, FooterHintsAndCursorsOfTheRegions)
{
    EXPECT_EQ(TCalendarPad::FooterText(QStringLiteral("15.02.02"), laGerman),
              QLatin1String("Tag 46 - Woche 7"));
    EXPECT_EQ(TCalendarPad::FooterText(QStringLiteral("01.01.21"), laEnglish),
              QLatin1String("Day 1 - Week 53"));

    struct Case {
        QPoint at;
        const char* hint;
        bool hand;
    };
    const Case cases[] = {
        {PriorCorner, "Vortag", true},    {QPoint(1, 249), "Vortag", true},
        {NextCorner, "Folgendtag", true}, {QPoint(384, 269), "Folgendtag", true},
        {DateBox, "Gehen", true},         {QPoint(165, 75), "Gehen", true},
        {QPoint(37, 260), "", false},     {QPoint(190, 150), "", false},
    };
    for (const Case& c : cases) {
        QTest::mouseMove(FPad, c.at);
        EXPECT_EQ(FPad->toolTip(), QString::fromUtf8(c.hint)) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(FPad->cursor().shape() == Qt::BitmapCursor, c.hand);
    }
}

TEST_F(Pad, DoubleClickOnTheDateBoxJumpsThroughThePerpetualCalendar)
{
    TypeInto(FPad->NotesField(), QStringLiteral("Geburtstag"));
    QStringList asked;
    QObject::connect(
        FPad, &TCalendarPad::OnChange, FPad,
        [&](TCalendarPad*, const QString& newDate, bool&) { asked << newDate; },
        Qt::DirectConnection);

    QString shownWith;
    AnswerCalendar([&](TPerpetualCalendarDlg* dialog) {
        shownWith = dialog->DateText();
        dialog->Year->setValue(2005);
        dialog->Calendar->setSelectedDate(QDate(2005, 3, 31));
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
    });
    QTest::mouseMove(FPad, DateBox);
    QTest::mouseDClick(FPad, Qt::LeftButton, {}, DateBox);

    EXPECT_EQ(shownWith, QLatin1String("01.03.04"));
    EXPECT_EQ(FPad->Date(), QLatin1String("31.03.05"));
    EXPECT_EQ(asked, QStringList({"31.03.05"}));
    // The day left was saved before the dialog opened.
    EXPECT_EQ(FileBytes(File("010304N.000")), CrLfLines({"Geburtstag"}));
    EXPECT_TRUE(FPad->NotesField()->toPlainText().isEmpty());
    EXPECT_EQ(FWindow->focusWidget(), FPad->NotesField());

    // Cancel gives the unchanged date back, and OnChange is asked all the same.
    AnswerCalendar([](TPerpetualCalendarDlg* dialog) {
        dialog->Year->setValue(2010);
        QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);
    });
    QTest::mouseMove(FPad, DateBox);
    QTest::mouseDClick(FPad, Qt::LeftButton, {}, DateBox);
    EXPECT_EQ(FPad->Date(), QLatin1String("31.03.05"));
    EXPECT_EQ(asked, QStringList({"31.03.05", "31.03.05"}));
}

TEST_F(Pad, DoubleClickOutsideTheDateBoxDoesNothing)
{
    bool opened = false;
    AnswerCalendar([&](TPerpetualCalendarDlg* dialog) {
        opened = true;
        dialog->reject();
    });
    for (const QPoint at : {QPoint(60, 30), QPoint(104, 40), QPoint(300, 5)}) {
        QTest::mouseMove(FPad, at);
        QTest::mouseDClick(FPad, Qt::LeftButton, {}, at);
    }
    QTest::qWait(50);
    EXPECT_FALSE(opened);
    EXPECT_EQ(FPad->Date(), QLatin1String("01.03.04"));
    EXPECT_FALSE(QFile::exists(File("010304N.000")));
}

// The keys turn the page from any field, saving the page left as a click on a corner does;
// Alt+Home goes back to today, Ctrl+K opens the perpetual calendar with its grid in the focus.
TEST_F(Pad, KeysTurnThePageAndSaveLikeTheCorners)
{
    const struct {
        QWidget* field;
        QKeyCombination keys;
        const char* date;
    } turns[] = {
        {FPad->SlotField(5), Qt::ALT | Qt::Key_Right, "02.03.04"},
        {FPad->NotesField(), Qt::CTRL | Qt::Key_PageDown, "03.03.04"},
        {FPad->SlotField(17), Qt::ALT | Qt::Key_Left, "02.03.04"},
        {FPad->NotesField(), Qt::CTRL | Qt::Key_PageUp, "01.03.04"},
        {FPad->SlotField(1), Qt::CTRL | Qt::Key_PageUp, "29.02.04"},
        {FPad->SlotField(1), Qt::ALT | Qt::Key_Home, "01.03.04"},
    };
    for (const auto& turn : turns) {
        turn.field->setFocus();
        QTest::keyClick(turn.field, turn.keys.key(), turn.keys.keyboardModifiers());
        EXPECT_EQ(FPad->Date(), QLatin1String(turn.date)) << turn.keys.toCombined();
    }
    // Five turns with the sound, none for Alt+Home on today's page.
    FPad->SlotField(1)->setFocus();
    QTest::keyClick(FPad->SlotField(1), Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(FSounds.size(), 6);

    // Text typed, then a key turn: the file is the one a click on the corner writes.
    TypeInto(FPad->SlotField(3), QStringLiteral("Bank"));
    QTest::keyClick(FPad->SlotField(3), Qt::Key_Right, Qt::AltModifier);
    const QByteArray byKey = FileBytes(File("010304T.000"));
    EXPECT_EQ(FPad->SlotField(3)->text(), QString());
    EXPECT_EQ(FPad->SlotField(3)->selectedText(), QString());
    ASSERT_TRUE(QFile::remove(File("010304T.000")));
    ASSERT_TRUE(QFile::remove(File("010304N.000")));
    ClickAt(PriorCorner);
    TypeInto(FPad->SlotField(3), QStringLiteral("Bank"));
    ClickAt(NextCorner);
    EXPECT_EQ(FileBytes(File("010304T.000")), byKey);
    EXPECT_TRUE(byKey.startsWith("\r\n\r\nBank\r\n"));

    // Ctrl+K: the grid takes Page Down at once.
    bool gridHadFocus = false;
    AnswerCalendar([&](TPerpetualCalendarDlg* dialog) {
        EXPECT_TRUE(QTest::qWaitFor([dialog] {
            return QApplication::focusWidget() && QApplication::focusWidget()->window() == dialog;
        }));
        QWidget* focus = QApplication::focusWidget();
        gridHadFocus = qobject_cast<QTableView*>(focus) && dialog->Calendar->isAncestorOf(focus);
        QTest::keyClick(focus, Qt::Key_PageDown);
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    });
    FPad->SlotField(2)->setFocus();
    QTest::keyClick(FPad->SlotField(2), Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(gridHadFocus);
    EXPECT_EQ(FPad->Date(), QLatin1String("02.04.04"));
    EXPECT_EQ(FPad->SlotField(2)->text(), QString());
}

TEST_F(Pad, FocusLeavingThePadSavesAndEnteringItLoads)
{
    TypeInto(FPad->SlotField(2), QStringLiteral("Zahnarzt"));
    TypeInto(FPad->NotesField(), QStringLiteral("Grüße"));
    // Within the pad nothing is written yet.
    EXPECT_FALSE(QFile::exists(File("010304T.000")));
    QTest::mouseClick(FPad->SlotField(17), Qt::LeftButton);
    QTest::keyClick(FPad->SlotField(17), Qt::Key_Tab);
    ASSERT_TRUE(FOutside->hasFocus());
    EXPECT_EQ(FileBytes(File("010304N.000")), QByteArray("Gr\xFC\xDF"
                                                         "e\r\n"));
    QByteArray slotBytes = CrLfLines({"", "Zahnarzt"});
    for (int k = 3; k <= SlotCount; ++k)
        slotBytes += "\r\n";
    EXPECT_EQ(FileBytes(File("010304T.000")), slotBytes);

    // Changed on disk while the pad holds nothing unsaved: entering the pad shows the files.
    PutBytes(File("010304T.000"), "Friseur\nZahnarzt\n");
    QTest::mouseClick(FPad->SlotField(5), Qt::LeftButton);
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("Friseur"));
    EXPECT_EQ(FPad->SlotField(2)->text(), QLatin1String("Zahnarzt"));
    EXPECT_EQ(FPad->SlotField(3)->text(), QString());
}

TEST_F(Pad, TypedTextSurvivesRepaintsAndFocusMovesInsideThePad)
{
    TypeInto(FPad->SlotField(3), QStringLiteral("Bank"));
    FPad->repaint();
    FPad->update();
    QTest::qWait(20);
    QTest::mouseClick(FPad->NotesField(), Qt::LeftButton);
    QTest::mouseClick(FPad->SlotField(5), Qt::LeftButton);
    FPad->repaint();
    EXPECT_EQ(FPad->SlotField(3)->text(), QLatin1String("Bank"));

    ClickAt(NextCorner);
    ClickAt(PriorCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("01.03.04"));
    EXPECT_EQ(FPad->SlotField(3)->text(), QLatin1String("Bank"));
    EXPECT_TRUE(FileBytes(File("010304T.000")).startsWith("\r\n\r\nBank\r\n"));
}

TEST_F(Pad, AFailedSaveKeepsThePageAndTheText)
{
    // A folder that cannot take new files, even for the superuser.
    QTemporaryDir readOnly;
    QString folder = QStringLiteral("/proc");
    if (geteuid() != 0) {
        folder = readOnly.path();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    FPad->setDirectory(folder);
    TypeInto(FPad->SlotField(1), QStringLiteral("Termin"));
    ClickAt(NextCorner);
    EXPECT_EQ(FErrors,
              QStringList(
                  {QStringLiteral("Datei %1/010304T.000 kann nicht erstellt werden").arg(folder)}));
    EXPECT_EQ(FPad->Date(), QLatin1String("01.03.04"));
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("Termin"));
    EXPECT_TRUE(FSounds.isEmpty());

    // Nor does the calendar open.
    bool opened = false;
    AnswerCalendar([&](TPerpetualCalendarDlg* dialog) {
        opened = true;
        dialog->reject();
    });
    QTest::mouseMove(FPad, DateBox);
    QTest::mouseDClick(FPad, Qt::LeftButton, {}, DateBox);
    QTest::qWait(50);
    EXPECT_FALSE(opened);
    EXPECT_EQ(FErrors.size(), 2);
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("Termin"));
    QFile::setPermissions(readOnly.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(Pad, SlotFilesOfAnyLengthShowSeventeenLinesAndSaveSeventeen)
{
    QByteArray twenty;
    for (int line = 1; line <= 20; ++line)
        twenty += "Zeile " + QByteArray::number(line) + "\n";
    PutBytes(File("020304T.000"), twenty);
    PutBytes(File("030304T.000"), "eins\r\nzwei");

    ClickAt(NextCorner);
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("Zeile 1"));
    EXPECT_EQ(FPad->SlotField(17)->text(), QLatin1String("Zeile 17"));
    // Turning past the page unchanged keeps the file as it is; an edit writes 17 lines.
    ClickAt(NextCorner);
    EXPECT_EQ(FileBytes(File("020304T.000")), twenty);
    ClickAt(PriorCorner);
    FPad->SlotField(1)->setText(QStringLiteral("geaendert"));
    FPad->SlotField(1)->setText(QStringLiteral("Zeile 1"));
    ClickAt(NextCorner);
    QByteArray seventeen;
    for (int line = 1; line <= 17; ++line)
        seventeen += "Zeile " + QByteArray::number(line) + "\r\n";
    EXPECT_EQ(FileBytes(File("020304T.000")), seventeen);

    // A short file leaves the other slots empty, with nothing of the day before in them.
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("eins"));
    EXPECT_EQ(FPad->SlotField(2)->text(), QLatin1String("zwei"));
    for (int k = 3; k <= SlotCount; ++k)
        EXPECT_EQ(FPad->SlotField(k)->text(), QString()) << k;
}

TEST_F(Pad, NotesAreStoredAsTheirDisplayLines)
{
    TypeInto(FPad->NotesField(), QStringLiteral("Brot"));
    QTest::keyClick(FPad->NotesField(), Qt::Key_Return);
    QTest::keyClicks(FPad->NotesField(), QStringLiteral("Milch"));
    QTest::keyClick(FPad->NotesField(), Qt::Key_Return);
    ClickAt(NextCorner);
    EXPECT_EQ(FErrors, QStringList());
    EXPECT_EQ(FPad->Date(), QLatin1String("02.03.04"));
    EXPECT_EQ(FileBytes(File("010304N.000")), CrLfLines({"Brot", "Milch"}));
    ClickAt(PriorCorner);
    EXPECT_EQ(FPad->NotesField()->toPlainText(), QLatin1String("Brot\nMilch"));

    // One paragraph far wider than the field comes back as several lines that, joined, give
    // the paragraph again.
    const QString paragraph = QStringLiteral(
        "Morgen um neun Uhr die Unterlagen zur Steuererklaerung beim Berater abgeben");
    FPad->NotesField()->setPlainText(paragraph);
    ClickAt(NextCorner);
    const QStringList lines = DecodeEntryLines(FileBytes(File("010304N.000")));
    EXPECT_GE(lines.size(), 3);
    EXPECT_EQ(lines.join(QString()), paragraph);
    ClickAt(PriorCorner);
    EXPECT_EQ(FPad->NotesField()->blockCount(), lines.size());
}

TEST_F(Pad, UnreadableDatesAndFilesAreReportedOnceNotAtEveryPaint)
{
    FPad->setDate(QStringLiteral("32.13.04"));
    FPad->repaint();
    FPad->repaint();
    QTest::qWait(20);
    EXPECT_EQ(FErrors, QStringList({QStringLiteral("'32.13.04' ist kein gültiges Datum")}));
    EXPECT_EQ(FPad->Date(), QLatin1String("32.13.04"));

    // A notes "file" that is a folder cannot be opened; the page shows empty fields.
    FErrors.clear();
    ASSERT_TRUE(QDir(FDir.path()).mkdir(QStringLiteral("050304N.000")));
    PutBytes(File("050304T.000"), "Kino\r\n");
    FPad->SlotField(1)->setText(QStringLiteral("vom Vortag"));
    FPad->setDate(QStringLiteral("05.03.04"));
    FPad->repaint();
    FPad->repaint();
    QTest::qWait(20);
    EXPECT_EQ(
        FErrors,
        QStringList(
            {QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(File("050304N.000"))}));
    // The readable slot file shows; nothing of the day before stays.
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("Kino"));
    EXPECT_EQ(FPad->SlotField(2)->text(), QString());
}

TEST_F(Pad, SlotsStayOneLineOnScreenAndOnDisk)
{
    struct Case {
        QString pasted;
        const char* shown;
    };
    const Case cases[] = {
        {QStringLiteral("A\nB\nC"), "A B C"},
        {QStringLiteral("Zeile1\nZeile2\r\nZeile3\rEnde"), "Zeile1 Zeile2  Zeile3 Ende"},
        {QStringLiteral("x") + QChar(0x2028) + u'y' + QChar(0x2029) + u'z' + QChar(0) + u'!',
         "x y z !"},
    };
    int k = 1;
    for (const Case& c : cases) {
        QApplication::clipboard()->setText(c.pasted);
        QLineEdit* slot = FPad->SlotField(k++);
        QTest::mouseClick(slot, Qt::LeftButton);
        QTest::keyClick(slot, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(slot->text(), QLatin1String(c.shown));
    }
    FPad->SlotField(16)->setText(QStringLiteral("p\nq"));
    ClickAt(NextCorner);
    QByteArray expected = CrLfLines({"A B C", "Zeile1 Zeile2  Zeile3 Ende", "x y z !"});
    for (int line = 4; line <= SlotCount; ++line)
        expected += line == 16 ? "p q\r\n" : "\r\n";
    EXPECT_EQ(FileBytes(File("010304T.000")), expected);
    ClickAt(PriorCorner);
    EXPECT_EQ(FPad->SlotField(17)->text(), QString());
    EXPECT_EQ(FPad->SlotField(16)->text(), QLatin1String("p q"));
}

TEST_F(Pad, PagesLeftUnchangedKeepTheirFilesByteForByte)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("ziel.txt"));
    PutBytes(target, "fremd\r\n");
    QByteArray twentyUtf8;
    for (int line = 1; line <= 20; ++line)
        twentyUtf8 += "Stunde \xC3\xA4 " + QByteArray::number(line) + "\n";
    const std::pair<const char*, QByteArray> foreign[] = {
        {"020304N.000", twentyUtf8},
        {"020304T.000", twentyUtf8},
        {"030304N.000", QByteArray("vor\0nach\r\n", 10)},
        {"030304T.000", QByteArray("a\0b", 3)},
        {"040304N.000", QByteArray(3000, 'w') + "\r\nkurz"},
    };
    for (const auto& [name, bytes] : foreign)
        PutBytes(File(name), bytes);
    ASSERT_TRUE(QFile::link(target, File("040304T.000")));

    // Through every day and back, leaving the pad and opening the calendar on the way.
    for (int i = 0; i < 4; ++i)
        ClickAt(NextCorner);
    QTest::mouseClick(FPad->SlotField(1), Qt::LeftButton);
    QTest::mouseClick(FOutside, Qt::LeftButton);
    for (int i = 0; i < 2; ++i)
        ClickAt(PriorCorner);
    AnswerCalendar([](TPerpetualCalendarDlg* dialog) { dialog->reject(); });
    QTest::mouseMove(FPad, DateBox);
    QTest::mouseDClick(FPad, Qt::LeftButton, {}, DateBox);
    EXPECT_EQ(FErrors, QStringList());

    for (const auto& [name, bytes] : foreign)
        EXPECT_EQ(FileBytes(File(name)), bytes) << name;
    EXPECT_TRUE(QFileInfo(File("040304T.000")).isSymLink());
    EXPECT_EQ(FileBytes(target), "fremd\r\n");
    // Days that had no files still have none.
    for (const char* day : {"010304", "050304"}) {
        EXPECT_FALSE(QFile::exists(File(day) + QLatin1String("N.000"))) << day;
        EXPECT_FALSE(QFile::exists(File(day) + QLatin1String("T.000"))) << day;
    }
    EXPECT_EQ(FileBytes(File("040304N.000")), QByteArray(3000, 'w') + "\r\nkurz");

    // An edit replaces the link by a file of the folder; what it pointed to stays.
    ClickAt(NextCorner);
    ASSERT_EQ(FPad->Date(), QLatin1String("04.03.04"));
    EXPECT_EQ(FPad->SlotField(1)->text(), QLatin1String("fremd"));
    TypeInto(FPad->SlotField(2), QStringLiteral("neu"));
    ClickAt(NextCorner);
    EXPECT_FALSE(QFileInfo(File("040304T.000")).isSymLink());
    EXPECT_TRUE(FileBytes(File("040304T.000")).startsWith("fremd\r\nneu\r\n\r\n"));
    EXPECT_EQ(FileBytes(target), "fremd\r\n");
}

TEST_F(Pad, AnUnreadableFileIsReportedOncePerPageAndNeverOverwritten)
{
    ASSERT_TRUE(QDir(FDir.path()).mkdir(QStringLiteral("020304N.000")));
    PutBytes(File("020304T.000"), "Kino\r\n");
    ClickAt(NextCorner);
    QTest::mouseMove(FPad, QPoint(190, 150));
    // Focus going in and out and repaints do not repeat the message.
    for (int i = 0; i < 3; ++i) {
        QTest::qWait(10);
        QTest::mouseClick(FPad->NotesField()->viewport(), Qt::LeftButton);
        QTest::mouseClick(FOutside, Qt::LeftButton);
        FPad->repaint();
    }
    QTest::qWait(10);
    const QString message =
        QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(File("020304N.000"));
    EXPECT_EQ(FErrors, QStringList({message}));
    EXPECT_TRUE(FPad->NotesField()->isReadOnly());
    TypeInto(FPad->NotesField(), QStringLiteral("weg"));
    TypeInto(FPad->SlotField(2), QStringLiteral("Popcorn"));
    EXPECT_TRUE(FPad->NotesField()->toPlainText().isEmpty());

    // The page can be left; the readable file takes the edit, the folder stays a folder.
    ClickAt(NextCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("03.03.04"));
    EXPECT_TRUE(QFileInfo(File("020304N.000")).isDir());
    EXPECT_TRUE(FileBytes(File("020304T.000")).startsWith("Kino\r\nPopcorn\r\n"));
    EXPECT_FALSE(FPad->NotesField()->isReadOnly());
    // Shown anew, the page reports anew.
    ClickAt(PriorCorner);
    QTest::qWait(10);
    EXPECT_EQ(FErrors, QStringList({message, message}));
}

TEST_F(Pad, LargeNotesShowTheirBeginningQuicklyAndKeepEveryByte)
{
    // 100 MB of numbered lines, and 1 MB in one line without a blank.
    QByteArray huge;
    huge.reserve(100'000'020);
    for (int line = 0; huge.size() < 100'000'000; ++line)
        huge += "Notiz " + QByteArray::number(line).rightJustified(9, '0') + " Text\r\n";
    PutBytes(File("020304N.000"), huge);
    PutBytes(File("030304N.000"), QByteArray(1 << 20, 'x'));
    PutBytes(File("040304N.000"), CrLfLines({"1", "2", "3"}));

    // Each turn loads the next day and leaves the one before, unchanged.
    QElapsedTimer clock;
    for (const char* day : {"02.03.04", "03.03.04", "04.03.04"}) {
        clock.start();
        ClickAt(NextCorner);
        std::printf("turn to %s: %lld ms\n", day, static_cast<long long>(clock.elapsed()));
        EXPECT_LT(clock.elapsed(), 2000) << day;
        ASSERT_EQ(FPad->Date(), QLatin1String(day));
        TNotesField* notes = FPad->NotesField();
        const bool large = day != QLatin1String("04.03.04");
        EXPECT_EQ(FPad->NotesCut(), large) << day;
        EXPECT_LE(notes->toPlainText().size(), TNotesField::MaxLength) << day;
        EXPECT_GT(notes->toPlainText().size(), large ? 30000 : 4) << day;
        EXPECT_EQ(notes->verticalScrollBar()->isVisible(), large) << day;
    }
    EXPECT_EQ(FileBytes(File("030304N.000")), QByteArray(1 << 20, 'x'));
    EXPECT_TRUE(FileBytes(File("020304N.000")) == huge);

    // An edit of the shown beginning keeps the rest behind it.
    ClickAt(PriorCorner);
    ClickAt(PriorCorner);
    QTest::mouseClick(FPad->NotesField()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(FPad->NotesField(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(FPad->NotesField(), QStringLiteral("Neu"));
    QTest::keyClick(FPad->NotesField(), Qt::Key_Return);
    clock.start();
    ClickAt(NextCorner);
    std::printf("edited 100 MB page saved and left: %lld ms\n",
                static_cast<long long>(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(FErrors, QStringList());
    EXPECT_TRUE(FileBytes(File("020304N.000")) == "Neu\r\n" + huge);
}

// A small file system of its own that can be filled up; needs the right to mount.
class FullDisk : public Pad {
protected:
    void SetUp() override
    {
        Pad::SetUp();
        FMounted = ::mount("tmpfs", QFile::encodeName(FDir.path()).constData(), "tmpfs", 0,
                           "size=512k")
                   == 0;
    }
    void TearDown() override
    {
        Pad::TearDown();
        if (FMounted)
            ::umount2(QFile::encodeName(FDir.path()).constData(), MNT_DETACH);
    }
    void Fill()
    {
        QFile filler(File("fueller"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    bool FMounted = false;
};

TEST_F(FullDisk, AFullDiskIsAFailedSaveThatKeepsEverything)
{
    if (!FMounted)
        GTEST_SKIP() << "no right to mount a small file system here";
    TypeInto(FPad->NotesField(), QStringLiteral("alt"));
    ClickAt(NextCorner);
    ClickAt(PriorCorner);
    ASSERT_EQ(FileBytes(File("010304N.000")), "alt\r\n");

    Fill();
    QString typed;
    for (int line = 0; line < 200; ++line)
        typed += QStringLiteral("Eine neue Zeile mit Text %1\n").arg(line);
    FPad->NotesField()->setPlainText(typed);
    ClickAt(NextCorner);
    EXPECT_EQ(
        FErrors,
        QStringList(
            {QStringLiteral("Datei %1 kann nicht erstellt werden").arg(File("010304N.000"))}));
    EXPECT_EQ(FPad->Date(), QLatin1String("01.03.04"));
    EXPECT_EQ(FPad->NotesField()->toPlainText(), typed);
    EXPECT_EQ(FileBytes(File("010304N.000")), "alt\r\n");
    const QStringList left = QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList({"010304N.000", "010304T.000", "fueller"}));

    // With room again, the same turn saves.
    QFile::remove(File("fueller"));
    ClickAt(NextCorner);
    EXPECT_EQ(FPad->Date(), QLatin1String("02.03.04"));
    EXPECT_TRUE(FileBytes(File("010304N.000")).startsWith("Eine neue Zeile mit Text 0\r\n"));
}

}  // namespace
}  // namespace deskora
