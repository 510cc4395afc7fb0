// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The single-instance guard, in this process and with real processes. Every test uses a
// private runtime folder, so it never meets a running planner or another test.

#include "app/oneinstance.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace deskora {
namespace {

constexpr int ProcessTimeoutMs = 20000;

// Points XDG_RUNTIME_DIR at a fresh folder for the test's lifetime.
class TPrivateRuntime {
public:
    TPrivateRuntime()
    {
        FOld = qgetenv("XDG_RUNTIME_DIR");
        FHadOld = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", FDir.path().toLocal8Bit());
    }
    ~TPrivateRuntime()
    {
        if (FHadOld)
            qputenv("XDG_RUNTIME_DIR", FOld);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    QString Path() const { return FDir.path(); }

private:
    QTemporaryDir FDir;
    QByteArray FOld;
    bool FHadOld = false;
};

// Sets an environment variable (an empty value unsets it) for the object's lifetime.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const QString& value)
        : FName(name),
          FOld(qgetenv(name)),
          FHadOld(qEnvironmentVariableIsSet(name))
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~TScopedEnv()
    {
        if (FHadOld)
            qputenv(FName, FOld);
        else
            qunsetenv(FName);
    }

private:
    const char* FName;
    QByteArray FOld;
    bool FHadOld;
};

class Guard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(FRuntime.Path()).isDir());
        FOldBox = TOneInstance::SetMessageBox([this](const QString& caption, const QString& text) {
            FBoxes << caption + QStringLiteral(" | ") + text;
        });
        FOldTerminator = TOneInstance::SetTerminator([this] { ++FTerminations; });
    }
    void TearDown() override
    {
        TOneInstance::SetMessageBox(FOldBox);
        TOneInstance::SetTerminator(FOldTerminator);
    }

    // A window with a guard that has run its check.
    std::unique_ptr<QWidget> Copy(std::function<void(TOneInstance*)> setUp = {})
    {
        auto window = std::make_unique<QWidget>();
        auto* guard = new TOneInstance(window.get());
        if (setUp)
            setUp(guard);
        guard->Loaded();
        return window;
    }
    static TOneInstance* GuardOf(const std::unique_ptr<QWidget>& window)
    {
        return window->findChild<TOneInstance*>();
    }

    TPrivateRuntime FRuntime;
    QStringList FBoxes;
    int FTerminations = 0;
    TOneInstance::TMessageBox FOldBox;
    TOneInstance::TTerminator FOldTerminator;
};

TEST_F(Guard, LockNamesAndStandardTextFollowTheTitle)
{
    EXPECT_EQ(TOneInstance::CheckLockName(QStringLiteral("Deskora")),
              QStringLiteral("Deskora.OneInstance.CriticalSection"));
    EXPECT_EQ(TOneInstance::InstanceLockName(QStringLiteral("Deskora")),
              QStringLiteral("Deskora.OneInstance.Default"));
    EXPECT_EQ(TOneInstance::StandardMessage(QStringLiteral("Deskora")),
              QStringLiteral("Application \"Deskora\" is already running."));
    EXPECT_EQ(TOneInstance::LockFolder(), QDir::cleanPath(FRuntime.Path()));
}

TEST_F(Guard, SecondCopyEndsSilentlyAndRestoresTheFirst)
{
    auto first = Copy();
    ASSERT_FALSE(GuardOf(first)->Terminated());
    ASSERT_TRUE(GuardOf(first)->HoldsInstanceLock());
    EXPECT_TRUE(QFile::exists(FRuntime.Path() + "/Deskora.OneInstance.Default"));
    first->show();
    first->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(first->isMinimized());

    auto second = Copy();
    EXPECT_TRUE(GuardOf(second)->Terminated());
    EXPECT_FALSE(GuardOf(second)->HoldsInstanceLock());
    EXPECT_EQ(FTerminations, 1);
    EXPECT_TRUE(FBoxes.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !first->isMinimized(); }, 5000));

    // A window hidden away (to the tray) is shown again.
    first->hide();
    auto third = Copy();
    EXPECT_TRUE(GuardOf(third)->Terminated());
    EXPECT_TRUE(QTest::qWaitFor([&] { return first->isVisible(); }, 5000));
}

TEST_F(Guard, OnlyTheRequestLineRaisesAndAnEndlessLineIsCutOff)
{
    auto first = Copy();
    const QByteArray path = QFile::encodeName(FRuntime.Path()
                                              + "/Deskora.OneInstance.Default.socket");
    const auto connectToFirst = [&path] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return fd;
    };

    // Another line, then bytes without end: the running copy closes the connection, unraised.
    const int stranger = connectToFirst();
    const QByteArray junk = "hello\n" + QByteArray(1000, 'x');
    ASSERT_EQ(::write(stranger, junk.constData(), size_t(junk.size())), junk.size());
    char byte;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ::recv(stranger, &byte, 1, MSG_DONTWAIT) == 0; }, 5000));
    ::close(stranger);
    EXPECT_FALSE(first->isVisible());

    // The request itself still works, sent in two parts.
    const int second = connectToFirst();
    ASSERT_EQ(::write(second, "activ", 5), 5);
    QTest::qWait(20);
    ASSERT_EQ(::write(second, "ate\n", 4), 4);
    ::close(second);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first->isVisible(); }, 5000));
}

TEST_F(Guard, ShowMessageUsesTheStandardTextOrTheOwnMessage)
{
    auto first = Copy();
    auto second = Copy([](TOneInstance* guard) { guard->setShowMessage(true); });
    auto third = Copy([](TOneInstance* guard) {
        guard->setShowMessage(true);
        guard->setMessage(QStringLiteral("Deskora läuft schon."));
    });
    EXPECT_EQ(FBoxes,
              (QStringList{QStringLiteral("Deskora | Application \"Deskora\" is already running."),
                           QStringLiteral("Deskora | Deskora läuft schon.")}));
    EXPECT_EQ(FTerminations, 2);
}

TEST_F(Guard, HandlerThatClearsTerminateLetsTheSecondCopyRun)
{
    auto first = Copy();
    int asked = 0;
    auto second = Copy([&](TOneInstance* guard) {
        guard->setShowMessage(true);
        QObject::connect(
            guard, &TOneInstance::OnShowMessage, guard,
            [&](TOneInstance*, bool& terminate) {
                EXPECT_TRUE(terminate);
                terminate = false;
                ++asked;
            },
            Qt::DirectConnection);
    });
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(GuardOf(second)->Terminated());
    EXPECT_EQ(FTerminations, 0);
    // The handler replaces the message box.
    EXPECT_TRUE(FBoxes.isEmpty());
}

TEST_F(Guard, CopyAfterTheFirstHasEndedStartsNormally)
{
    auto first = Copy();
    first.reset();
    auto next = Copy();
    EXPECT_FALSE(GuardOf(next)->Terminated());
    EXPECT_TRUE(GuardOf(next)->HoldsInstanceLock());
}

TEST_F(Guard, UnusableLockFilesLetTheProgramStartWithoutTheGuard)
{
    // A runtime folder that is not there, and a lock name taken by a folder: neither means
    // that another copy runs.
    // The fallback folder cannot be made either: a file stands where ~/.cache should be.
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir home;
    QFile(home.filePath(".cache")).open(QIODevice::WriteOnly);
    const TScopedEnv homeEnv("HOME", home.path());
    qputenv("XDG_RUNTIME_DIR", (FRuntime.Path() + "/missing").toLocal8Bit());
    auto missing = Copy();
    EXPECT_FALSE(GuardOf(missing)->Terminated());
    EXPECT_TRUE(GuardOf(missing)->Unguarded());
    qputenv("XDG_RUNTIME_DIR", old);

    ASSERT_TRUE(QDir(FRuntime.Path()).mkdir("Deskora.OneInstance.CriticalSection"));
    auto blocked = Copy();
    EXPECT_FALSE(GuardOf(blocked)->Terminated());
    EXPECT_TRUE(GuardOf(blocked)->Unguarded());
    EXPECT_EQ(FTerminations, 0);
}

TEST_F(Guard, CheckLockHeldByAnotherCopyCountsAsAnotherCopy)
{
    // Another copy in the middle of its check holds the check lock.
    const QByteArray path =
        (FRuntime.Path() + "/Deskora.OneInstance.CriticalSection").toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto copy = Copy();
    EXPECT_TRUE(GuardOf(copy)->Terminated());
    ::close(fd);
}

// Folders that must not hold the locks: a link to a private folder, one others may enter, and
// one of another user.
enum class TBadFolder { Link, Open, Foreign };

void MakeBadFolder(const QString& path, TBadFolder kind, const QString& privateTarget)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case TBadFolder::Link:
        ASSERT_EQ(::symlink(QFile::encodeName(privateTarget).constData(), name.constData()), 0);
        break;
    case TBadFolder::Open:
        ASSERT_EQ(::mkdir(name.constData(), 0700), 0);
        ASSERT_EQ(::chmod(name.constData(), 0755), 0);
        break;
    case TBadFolder::Foreign:
        ASSERT_EQ(::mkdir(name.constData(), 0700), 0);
        ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);  // nobody
        break;
    }
}

// Checks the runtime folder and the fallback folder against each kind of bad folder.
void CheckFolderRules(const std::vector<TBadFolder>& kinds)
{
    QTemporaryDir home, runtime;  // both 0700
    const TScopedEnv homeEnv("HOME", home.path());
    const QString fallback = home.path() + "/.cache/deskora";

    // A private runtime folder is used; a missing one or an unset variable leads to the
    // fallback, which is created 0700.
    for (const QString& value : {runtime.path(), runtime.filePath("missing"), QString()}) {
        const TScopedEnv env("XDG_RUNTIME_DIR", value);
        EXPECT_EQ(TOneInstance::LockFolder(), value == runtime.path() ? value : fallback)
            << value.toStdString();
    }
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fallback).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    for (const TBadFolder kind : kinds) {
        const int k = static_cast<int>(kind);
        // As the runtime folder: passed over for the fallback.
        const QString bad = runtime.filePath(QString::number(k));
        MakeBadFolder(bad, kind, runtime.path());
        {
            const TScopedEnv env("XDG_RUNTIME_DIR", bad);
            EXPECT_EQ(TOneInstance::LockFolder(), fallback) << k;
        }
        // As the fallback: no folder at all, so the guard is off rather than open to others.
        ::rmdir(QFile::encodeName(fallback).constData());
        MakeBadFolder(fallback, kind, runtime.path());
        {
            const TScopedEnv env("XDG_RUNTIME_DIR", bad);
            EXPECT_EQ(TOneInstance::LockFolder(), QString()) << k;
        }
        ::unlink(QFile::encodeName(fallback).constData());
        ::rmdir(QFile::encodeName(fallback).constData());
    }
}

TEST(GuardFolder, OnlyAPrivateRealFolderHoldsTheLocks)
{
    CheckFolderRules({TBadFolder::Link, TBadFolder::Open});
}

TEST(GuardFolder, AFolderOfAnotherUserIsPassedOver)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "a folder of another user needs root to be made (chown to nobody)";
    CheckFolderRules({TBadFolder::Foreign});
}

// --- real processes ----------------------------------------------------------------------

class GuardProcesses : public ::testing::Test {
protected:
    ~GuardProcesses() override
    {
        for (auto& process : FProcesses) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(ProcessTimeoutMs);
            }
        }
    }

    QProcess* Start(const QString& program = QStringLiteral(DESKORA_GUARD_PROBE))
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", FRuntime.Path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(FRuntime.Path());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, {});
        FProcesses.push_back(std::move(process));
        return FProcesses.back().get();
    }

    // The next line the process prints, or "<none>" when none comes in time.
    static QString Line(QProcess* process)
    {
        QElapsedTimer clock;
        clock.start();
        while (!process->canReadLine()) {
            if (clock.elapsed() > ProcessTimeoutMs || process->state() == QProcess::NotRunning)
                break;
            process->waitForReadyRead(200);
        }
        if (!process->canReadLine())
            return QStringLiteral("<none>");
        return QString::fromLocal8Bit(process->readLine()).trimmed();
    }

    TPrivateRuntime FRuntime;
    std::vector<std::unique_ptr<QProcess>> FProcesses;
};

TEST_F(GuardProcesses, SecondCopyEndsAndAsksTheHolderToComeForward)
{
    QProcess* holder = Start();
    ASSERT_EQ(Line(holder), QStringLiteral("ALONE"));
    QProcess* second = Start();
    EXPECT_EQ(Line(second), QStringLiteral("OTHER"));
    ASSERT_TRUE(second->waitForFinished(ProcessTimeoutMs));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 3);
    EXPECT_EQ(Line(holder), QStringLiteral("RAISED"));
    EXPECT_EQ(holder->state(), QProcess::Running);

    // A holder that ends in order gives the place to the next copy.
    holder->closeWriteChannel();
    ASSERT_TRUE(holder->waitForFinished(ProcessTimeoutMs));
    EXPECT_EQ(holder->exitCode(), 0);
    EXPECT_EQ(Line(Start()), QStringLiteral("ALONE"));
}

TEST_F(GuardProcesses, OfTenStartedTogetherExactlyOneStays)
{
    std::vector<QProcess*> copies;
    for (int i = 0; i < 10; ++i)
        copies.push_back(Start());
    int alone = 0, other = 0;
    for (QProcess* copy : copies) {
        const QString line = Line(copy);
        if (line == QStringLiteral("ALONE")) {
            ++alone;
        } else {
            EXPECT_EQ(line, QStringLiteral("OTHER"));
            ++other;
            EXPECT_TRUE(copy->waitForFinished(ProcessTimeoutMs));
            EXPECT_EQ(copy->exitCode(), 3);
        }
    }
    EXPECT_EQ(alone, 1);
    EXPECT_EQ(other, 9);
}

TEST_F(GuardProcesses, CopyAfterTheHolderWasKilledStartsNormally)
{
    QProcess* holder = Start();
    ASSERT_EQ(Line(holder), QStringLiteral("ALONE"));
    ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
    ASSERT_TRUE(holder->waitForFinished(ProcessTimeoutMs));
    EXPECT_EQ(holder->exitStatus(), QProcess::CrashExit);

    // The killed holder left its socket behind; the next holder takes it over.
    QProcess* next = Start();
    EXPECT_EQ(Line(next), QStringLiteral("ALONE"));
    QProcess* after = Start();
    EXPECT_EQ(Line(after), QStringLiteral("OTHER"));
    EXPECT_EQ(Line(next), QStringLiteral("RAISED"));
}

TEST_F(GuardProcesses, SecondPlannerEndsWhileTheFirstRuns)
{
    QProcess* first = Start(QStringLiteral(DESKORA_PROGRAM));
    ASSERT_TRUE(first->waitForStarted(ProcessTimeoutMs));
    // The first planner holds the instance lock once it is up.
    const QByteArray lock = (FRuntime.Path() + "/Deskora.OneInstance.Default").toLocal8Bit();
    const bool held = QTest::qWaitFor(
        [&] {
            const int fd = ::open(lock.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                return false;
            const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            ::close(fd);
            return taken;
        },
        ProcessTimeoutMs);
    ASSERT_TRUE(held);

    // The first planner is held still while the second asks it to come forward, so that the
    // request to end below finds that request still unread: the end must not depend on which
    // of the two the planner reads first (the raise once showed the closed window again, and
    // the planner ran on).
    const auto firstPid = static_cast<pid_t>(first->processId());
    ::kill(firstPid, SIGSTOP);
    QProcess* second = Start(QStringLiteral(DESKORA_PROGRAM));
    const bool secondEnded = second->waitForFinished(ProcessTimeoutMs);
    first->terminate();
    ::kill(firstPid, SIGCONT);
    ASSERT_TRUE(secondEnded);
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    // A request to end saves the page (nothing here) and ends with status 0.
    EXPECT_TRUE(first->waitForFinished(ProcessTimeoutMs));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
}

}  // namespace
}  // namespace deskora
