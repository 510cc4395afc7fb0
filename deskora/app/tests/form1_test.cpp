// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The planner window, its buttons and its web label, driven through real events. The entry
// files go to a temporary folder that is the current folder of the test, as it is the
// planner's start folder.

#include "app/exespeedbutton.h"
#include "app/form1.h"
#include "app/helpviewer.h"
#include "app/httplabel.h"
#include "app/oneinstance.h"
#include "app/trayicon.h"

#include "pad/calendarpad.h"
#include "pad/clock.h"
#include "pad/errors.h"
#include "pad/language.h"
#include "pad/rescue.h"
#include "pad/sound.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace deskora {
namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void PutFile(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

class Form : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        ASSERT_TRUE(FRuntime.isValid());
        FOldCurrent = QDir::currentPath();
        QDir::setCurrent(FDir.path());
        FOldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", FRuntime.path().toLocal8Bit());
        // Friday, 15 February 2002, 10:30.
        FOldClock = SetClock([] { return QDateTime(QDate(2002, 2, 15), QTime(10, 30)); });
        FOldLanguage = SetProfileLanguageProvider([] { return QStringLiteral("de_DE"); });
        FOldSound = SetSoundPlayer([](const QString&, int) {});
        FOldErrors = SetErrorHook([this](const QString& text) { FErrors << text; });
        FOldTray = TTrayIcon::SetTrayAvailability([this] { return FTrayThere; });
        FOldTerminator = TOneInstance::SetTerminator([this] { ++FTerminations; });
    }

    void TearDown() override
    {
        FForm.reset();
        CloseHelp();
        TOneInstance::SetTerminator(FOldTerminator);
        TTrayIcon::SetTrayAvailability(FOldTray);
        SetErrorHook(FOldErrors);
        SetSoundPlayer(FOldSound);
        SetProfileLanguageProvider(FOldLanguage);
        SetClock(FOldClock);
        qputenv("XDG_RUNTIME_DIR", FOldRuntime);
        QDir::setCurrent(FOldCurrent);
    }

    TForm1* Open()
    {
        FForm = std::make_unique<TForm1>();
        FForm->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
        return FForm.get();
    }

    QString Path(const char* name) const { return FDir.filePath(QString::fromLatin1(name)); }

    void TypeIntoSlot(int k, const QString& text)
    {
        QLineEdit* slot = FForm->CalendarPad1()->SlotField(k);
        slot->setFocus();
        QTest::keyClicks(slot, text);
    }

    QTemporaryDir FDir;
    QTemporaryDir FRuntime;
    QString FOldCurrent;
    QByteArray FOldRuntime;
    TClock FOldClock;
    TProfileLanguageProvider FOldLanguage;
    TSoundPlayer FOldSound;
    TErrorHook FOldErrors;
    TTrayIcon::TTrayAvailability FOldTray;
    TOneInstance::TTerminator FOldTerminator;
    bool FTrayThere = false;
    int FTerminations = 0;
    QStringList FErrors;
    std::unique_ptr<TForm1> FForm;
};

TEST_F(Form, StartsOnTodaysPageWithTheEntriesOfToday)
{
    PutFile(Path("150202N.000"), "Einkaufen\r\nBlumen\r\n");
    PutFile(Path("150202T.000"), "\r\n\r\nZahnarzt\r\n");
    TForm1* form = Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Terminplaner"));
    EXPECT_EQ(form->size(), QSize(TForm1::FormClientWidth, TForm1::FormClientHeight));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->Edit1()->text(), QStringLiteral("15.02.02"));
    EXPECT_TRUE(form->Edit1()->isReadOnly());
    EXPECT_EQ(form->CalendarPad1()->Date(), QStringLiteral("15.02.02"));
    EXPECT_EQ(form->CalendarPad1()->NotesField()->toPlainText(),
              QStringLiteral("Einkaufen\nBlumen"));
    // Slot 3 is the hour 09:00 of a pad that starts at 7.
    EXPECT_EQ(form->CalendarPad1()->SlotField(3)->text(), QStringLiteral("Zahnarzt"));
    EXPECT_EQ(form->CalendarPad1()->HourLabel(3), QStringLiteral("09:00"));
    EXPECT_TRUE(FErrors.isEmpty());
    EXPECT_TRUE(form->ShowAtStart());
}

TEST_F(Form, TypedTextSurvivesSchliessenAndTheNextStart)
{
    Open();
    TypeIntoSlot(5, QStringLiteral("Besprechung"));
    QTest::mouseClick(FForm->SpeedButton2(), Qt::LeftButton);
    EXPECT_FALSE(FForm->isVisible());
    EXPECT_EQ(FileBytes(Path("150202T.000")),
              QByteArray("\r\n").repeated(4) + "Besprechung\r\n" + QByteArray("\r\n").repeated(12));
    FForm.reset();

    Open();
    EXPECT_EQ(FForm->CalendarPad1()->SlotField(5)->text(), QStringLiteral("Besprechung"));
    EXPECT_TRUE(FErrors.isEmpty());
}

TEST_F(Form, ClosingAnUntouchedPageWritesNoFiles)
{
    Open();
    FForm->close();
    EXPECT_FALSE(FForm->isVisible());
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(Form, FailedSaveOnCloseKeepsTheWindowThenTheSecondCloseEnds)
{
    Open();
    const QString missing = FDir.filePath(QStringLiteral("weg"));
    FForm->CalendarPad1()->setDirectory(missing);
    TypeIntoSlot(1, QStringLiteral("Kaffee"));

    FForm->close();
    EXPECT_TRUE(FForm->isVisible());
    ASSERT_EQ(FErrors.size(), 1);
    EXPECT_EQ(FErrors[0], QStringLiteral("Datei %1 kann nicht erstellt werden")
                              .arg(QDir::toNativeSeparators(missing + "/150202T.000")));
    EXPECT_EQ(FForm->CalendarPad1()->SlotField(1)->text(), QStringLiteral("Kaffee"));

    FForm->close();
    EXPECT_FALSE(FForm->isVisible());
    EXPECT_EQ(FErrors.size(), 1);
}

// A request to end from outside never asks: a page that cannot be saved goes to a rescue file
// in the state folder, written like a day file, and where that fails too, into the message.
TEST_F(Form, RequestToEndRescuesThePageThatCannotBeSaved)
{
    QTemporaryDir state;
    const QByteArray oldState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    Open();
    FForm->CalendarPad1()->setDirectory(FDir.filePath(QStringLiteral("weg")));
    FForm->CalendarPad1()->NotesField()->setFocus();
    FForm->CalendarPad1()->NotesField()->insertPlainText(QStringLiteral("Grüße"));
    TypeIntoSlot(2, QStringLiteral("Post"));

    const TForm1::TEndReport rescued = FForm->SaveOrRescue();
    EXPECT_EQ(rescued.Status, 1);
    const QString folder = state.filePath(QStringLiteral("deskora"));
    const QString file = folder + QStringLiteral("/150202-gerettet-2002-02-15-103000.txt");
    EXPECT_EQ(FileBytes(file), QByteArray("Notizen (150202N.000):\r\nGr\xFC\xDF"
                                          "e\r\nStunden (150202T.000):\r\n\r\nPost\r\n")
                                   + QByteArray("\r\n").repeated(15));
    EXPECT_TRUE(rescued.Message.contains(file)) << rescued.Message.toStdString();
    EXPECT_TRUE(FErrors.isEmpty());
    // A second rescue in the same second keeps the first; each is reported once.
    FForm->SaveOrRescue();
    EXPECT_EQ(TakeUnreportedRescueFiles(folder),
              QStringList({QStringLiteral("150202-gerettet-2002-02-15-103000-2.txt"),
                           QStringLiteral("150202-gerettet-2002-02-15-103000.txt")}));
    EXPECT_EQ(TakeUnreportedRescueFiles(folder), QStringList());

    // No state folder can be made below a file: the text is in the message itself.
    PutFile(state.filePath(QStringLiteral("datei")), "");
    qputenv("XDG_STATE_HOME", state.filePath(QStringLiteral("datei")).toLocal8Bit());
    const TForm1::TEndReport lost = FForm->SaveOrRescue();
    EXPECT_EQ(lost.Status, 1);
    EXPECT_TRUE(lost.Message.endsWith(QStringLiteral("Notizen:\nGrüße\nStunden:\n\nPost")
                                      + QString(15, QLatin1Char('\n'))))
        << lost.Message.toStdString();
    qputenv("XDG_STATE_HOME", oldState);
}

TEST_F(Form, MinimisingToTheTraySavesThePageFirst)
{
    FTrayThere = true;
    Open();
    TypeIntoSlot(2, QStringLiteral("Post"));
    FForm->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !FForm->isVisible(); }, 3000));
    EXPECT_TRUE(FForm->TrayIcon1()->Visible());
    EXPECT_EQ(FileBytes(Path("150202T.000")).left(8), QByteArray("\r\nPost\r\n"));

    // A double click on the icon brings the page back as it was.
    FForm->TrayIcon1()->TrayMessage(tmLeftDblClick, QPoint());
    EXPECT_TRUE(FForm->isVisible());
    EXPECT_EQ(FForm->CalendarPad1()->SlotField(2)->text(), QStringLiteral("Post"));
}

TEST_F(Form, FailedSaveOnMinimiseKeepsTheWindowInView)
{
    FTrayThere = true;
    Open();
    FForm->CalendarPad1()->setDirectory(FDir.filePath(QStringLiteral("weg")));
    TypeIntoSlot(2, QStringLiteral("Post"));
    FForm->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !FErrors.isEmpty(); }, 3000));
    EXPECT_TRUE(FForm->isVisible());
    EXPECT_FALSE(FForm->isMinimized());
    EXPECT_FALSE(FForm->TrayIcon1()->Visible());
}

TEST_F(Form, WithoutATrayMinimiseIsAnOrdinaryMinimise)
{
    Open();
    FForm->setWindowState(Qt::WindowMinimized);
    QTest::qWait(20);
    EXPECT_TRUE(FForm->isVisible());
    EXPECT_TRUE(FForm->isMinimized());
    EXPECT_FALSE(FForm->TrayIcon1()->Visible());
}

TEST_F(Form, SecondWindowWhileTheFirstRunsIsNotShown)
{
    Open();
    TForm1 second;
    EXPECT_TRUE(second.OneInstance1()->Terminated());
    EXPECT_FALSE(second.ShowAtStart());
    EXPECT_EQ(FTerminations, 1);
}

TEST_F(Form, HilfeOpensTheHandbookAtContext100)
{
    SetHelpFile(QStringLiteral(DESKORA_HANDBOOK_SOURCE));
    Open();
    QTest::mouseClick(FForm->SpeedButton1(), Qt::LeftButton);
    THelpWindow* help = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<THelpWindow*>(widget))
            help = window;
    }
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Browser()->source().fragment(), QStringLiteral("100"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Terminplaner")));
    EXPECT_TRUE(FErrors.isEmpty());

    CloseHelp();
    SetHelpFile(QStringLiteral("nirgends.html"));
    QTest::mouseClick(FForm->SpeedButton1(), Qt::LeftButton);
    ASSERT_EQ(FErrors.size(), 1);
    EXPECT_TRUE(FErrors[0].startsWith(
        QStringLiteral("Die Hilfedatei \u201Enirgends.html\u201C wurde nicht gefunden.")));
}

TEST_F(Form, TrayIconTipNamesTheProgram)
{
    Open();
    auto* tray = FForm->TrayIcon1()->findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->toolTip(), QStringLiteral("Deskora"));
}

TEST(HttpLabel, AddressKeepsAGivenSchemeInAnyCaseAndAddsOneOtherwise)
{
    struct Case {
        const char* caption;
        bool secure;
        const char* address;
    } cases[] = {
        {"http://deskora.example", false, "http://deskora.example"},
        {"HTTP://deskora.example", true, "HTTP://deskora.example"},
        {"hTtPs://deskora.example", false, "hTtPs://deskora.example"},
        {"HTTPS://x", true, "HTTPS://x"},
        {"deskora.example", false, "Http://deskora.example"},
        {"deskora.example", true, "Https://deskora.example"},
        // Not a scheme of its own: "http:/" lacks a slash, "ftp://" is another scheme.
        {"http:/deskora.example", false, "Http://http:/deskora.example"},
        {"ftp://deskora.example", false, "Http://ftp://deskora.example"},
        {"www", false, "Http://www"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(THttpLabel::Address(QString::fromUtf8(c.caption), c.secure),
                  QString::fromUtf8(c.address))
            << c.caption;
    }
}

TEST(HttpLabel, ClickRaisesOnClickThenOpensTheAddress)
{
    QStringList events;
    auto old = THttpLabel::SetUrlOpener([&](const QUrl& url) {
        events << url.toString();
        return true;
    });
    THttpLabel label;
    label.resize(200, 20);
    QObject::connect(&label, &THttpLabel::OnClick, &label, [&] { events << "OnClick"; });
    label.setText(QStringLiteral("deskora.example/hilfe"));
    label.setSecureHttp(true);
    label.show();
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(events, (QStringList{"OnClick", "https://deskora.example/hilfe"}));

    // An empty caption names no address.
    events.clear();
    label.setText(QString());
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(events, QStringList{"OnClick"});
    THttpLabel::SetUrlOpener(old);
}

TEST(HttpLabel, HoverShowsTheHandAndUnderlineAndLeavingRestoresThem)
{
    THttpLabel label;
    label.setText(QStringLiteral("deskora.example"));
    label.setCursor(Qt::IBeamCursor);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(label.font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.cursor().shape(), Qt::IBeamCursor);
    EXPECT_FALSE(label.font().underline());
}

TEST(HttpLabel, HoverOffersNothingWhileTheCaptionIsEmpty)
{
    const struct {
        const char* caption;
        bool offers;
    } cases[] = {{"deskora.example", true}, {"", false}, {"  ", false}};
    for (const auto& c : cases) {
        THttpLabel label;
        label.setText(QString::fromLatin1(c.caption));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&label, &enter);
        EXPECT_EQ(label.cursor().shape() == Qt::PointingHandCursor, c.offers) << c.caption;
        EXPECT_EQ(label.font().underline(), c.offers) << c.caption;
    }
}

TEST(ExeSpeedButton, FindsTheProgramBesideItselfThenOnThePath)
{
    QTemporaryDir own, first, second;
    PutFile(own.filePath("lunoria"), "#!/bin/sh\n", true);
    PutFile(first.filePath("lunoria"), "#!/bin/sh\n", true);
    PutFile(first.filePath("notes"), "not a program");
    PutFile(second.filePath("notes"), "#!/bin/sh\n", true);
    const QString path = first.path() + ":" + second.path();

    struct Case {
        QString name, ownFolder, expected;
    } cases[] = {
        {"lunoria", own.path(), own.filePath("lunoria")},
        {"lunoria", QDir::tempPath() + "/nowhere", first.filePath("lunoria")},
        // A file without the execute bit is no program: the search goes on.
        {"notes", own.path(), second.filePath("notes")},
        {"missing", own.path(), QString()},
        {QString(), own.path(), QString()},
        // A name with a folder is taken as given.
        {first.filePath("notes"), own.path(), first.filePath("notes")},
        {first.filePath("missing"), own.path(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TExeSpeedButton::FindProgram(c.name, c.ownFolder, path), c.expected)
            << c.name.toStdString();

    // Relative PATH entries name folders of whatever the current folder is: passed over.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir(first.path()).mkdir("bin"));
    PutFile(first.filePath("bin/lunoria"), "#!/bin/sh\n", true);
    ASSERT_TRUE(QDir::setCurrent(first.path()));
    for (const QString& relative :
         {QString("."), QString("bin"), QString("::.:bin:"), ".:bin:" + own.path()}) {
        const QString expected = relative.endsWith(own.path()) ? own.filePath("lunoria")
                                                               : QString();
        EXPECT_EQ(TExeSpeedButton::FindProgram("lunoria", QString(), relative), expected)
            << relative.toStdString();
    }
    QDir::setCurrent(before);
}

TEST(ExeSpeedButton, ClickStartsTheProgramWithItsParametersAndIgnoresFailures)
{
    QTemporaryDir dir;
    const QString marker = dir.filePath("started");
    const QString script = dir.filePath("probe.sh");
    PutFile(script, QByteArray("#!/bin/sh\necho \"$1|$2\" > \"") + marker.toLocal8Bit() + "\"\n",
            true);
    TExeSpeedButton button;
    button.setExeName(script);
    button.setParameter(QStringLiteral("\"zwei Worte\" drei"));
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return FileBytes(marker) != "<missing>"; }, 10000));
    EXPECT_EQ(FileBytes(marker), QByteArray("zwei Worte|drei\n"));

    button.setExeName(QStringLiteral("deskora-no-such-program"));
    EXPECT_FALSE(button.Execute());
}

}  // namespace
}  // namespace deskora
