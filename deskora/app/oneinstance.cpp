// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "oneinstance.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMetaMethod>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace deskora {

namespace {

// The request a second copy sends to the running one.
constexpr char ActivateRequest[] = "activate\n";
// How long a second copy tries to reach the running one.
constexpr int RequestTimeoutMs = 1000;
// A connection that sends more than this without a line feed is no copy of ours: it is closed.
constexpr qsizetype LongestRequest = 256;

TOneInstance::TMessageBox& MessageBoxHook()
{
    static TOneInstance::TMessageBox hook;
    return hook;
}

TOneInstance::TTerminator& TerminatorHook()
{
    static TOneInstance::TTerminator hook;
    return hook;
}

enum class TLockResult { Taken, HeldByOther, Unusable };

// Opens (creating when missing) a lock file and tries to take it without waiting. The
// descriptor is not inherited by programs this copy starts, which would otherwise keep the
// lock after this copy has ended.
TLockResult TakeLock(const QString& path, int& fd)
{
    const QByteArray name = QFile::encodeName(path);
    fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return TLockResult::Unusable;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0)
        return TLockResult::Taken;
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    fd = -1;
    return held ? TLockResult::HeldByOther : TLockResult::Unusable;
}

void ReleaseLock(int& fd)
{
    if (fd < 0)
        return;
    ::flock(fd, LOCK_UN);
    ::close(fd);
    fd = -1;
}

// A folder only this user can enter: a real folder (not a link to one), owned by the user,
// with mode 0700. Anything else could be read, replaced or filled with locks by someone else.
bool IsPrivate(const QByteArray& name)
{
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

// The same for a folder that is created with mode 0700 when missing.
bool MakePrivateFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsPrivate(name);
}

// The socket address of a path; false when the path does not fit (the kernel takes 107 bytes).
bool SocketAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

}  // namespace

TOneInstance::TMessageBox TOneInstance::SetMessageBox(TMessageBox box)
{
    return std::exchange(MessageBoxHook(), std::move(box));
}

TOneInstance::TTerminator TOneInstance::SetTerminator(TTerminator terminator)
{
    return std::exchange(TerminatorHook(), std::move(terminator));
}

TOneInstance::TOneInstance(QWidget* owner) : QObject(owner), FOwner(owner) {}

TOneInstance::~TOneInstance()
{
    // The notifier goes before its descriptor is closed.
    delete FServerNotifier;
    if (FServerFd >= 0)
        ::close(FServerFd);
    ReleaseLock(FInstanceFd);
}

QString TOneInstance::StandardMessage(const QString& title)
{
    return QStringLiteral("Application \"%1\" is already running.").arg(title);
}

QString TOneInstance::CheckLockName(const QString& title)
{
    return title + QStringLiteral(".OneInstance.") + QStringLiteral("CriticalSection");
}

QString TOneInstance::InstanceLockName(const QString& title)
{
    return title + QStringLiteral(".OneInstance.") + QStringLiteral("Default");
}

bool TOneInstance::IsPrivateFolder(const QString& path)
{
    return !path.isEmpty() && IsPrivate(QFile::encodeName(path));
}

QString TOneInstance::LockFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsPrivateFolder(runtime))
        return QDir::cleanPath(runtime);
    // One fixed folder per user, so that every copy of the user finds the same locks wherever
    // it was started from. The cache folder above it is created as the user's base folders are.
    const QString cache = QDir::homePath() + QStringLiteral("/.cache");
    ::mkdir(QFile::encodeName(cache).constData(), 0700);
    const QString folder = cache + QStringLiteral("/deskora");
    return MakePrivateFolder(folder) ? folder : QString();
}

QString TOneInstance::SocketPath() const
{
    return FFolder + QLatin1Char('/') + InstanceLockName(QApplication::applicationName())
           + QStringLiteral(".socket");
}

void TOneInstance::Loaded()
{
    if (IsAnotherInstance())
        HandlePrevInstance();
    else if (HoldsInstanceLock())
        StartServer();
}

bool TOneInstance::IsAnotherInstance()
{
    FFolder = LockFolder();
    if (FFolder.isEmpty()) {
        FUnguarded = true;
        return false;
    }
    const QString title = QApplication::applicationName();

    // 1. The check lock, taken at once: held means another copy is checking right now.
    int checkFd = -1;
    switch (TakeLock(FFolder + QLatin1Char('/') + CheckLockName(title), checkFd)) {
    case TLockResult::HeldByOther: return true;
    case TLockResult::Unusable: FUnguarded = true; return false;
    case TLockResult::Taken: break;
    }

    // 2. and 3. The instance lock, tried without waiting: held means another copy runs.
    bool another = false;
    if (FInstanceFd < 0) {
        switch (TakeLock(FFolder + QLatin1Char('/') + InstanceLockName(title), FInstanceFd)) {
        case TLockResult::HeldByOther: another = true; break;
        case TLockResult::Unusable: FUnguarded = true; break;
        case TLockResult::Taken: break;
        }
    }

    // 4. The check is over.
    ReleaseLock(checkFd);
    return another;
}

void TOneInstance::HandlePrevInstance()
{
    bool terminate = true;
    if (FShowMessage) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TOneInstance::OnShowMessage))) {
            emit OnShowMessage(this, terminate);
        } else {
            const QString title = QApplication::applicationName();
            const QString text = FMessage.isEmpty() ? StandardMessage(title) : FMessage;
            if (const TMessageBox& box = MessageBoxHook())
                box(title, text);
            else
                QMessageBox::warning(nullptr, title, text);
        }
    }
    if (FActivatePrevInstance)
        AskRunningCopy();
    if (terminate) {
        FTerminated = true;
        if (const TTerminator& terminator = TerminatorHook())
            terminator();
        else
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void TOneInstance::AskRunningCopy()
{
    sockaddr_un address;
    if (FFolder.isEmpty() || !SocketAddress(SocketPath(), address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A running copy whose queue of waiting connections is full lets the connection wait: at
    // most the request time, for the connection and for the request alike.
    const timeval limit{RequestTimeoutMs / 1000, (RequestTimeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        [[maybe_unused]] const ssize_t sent = ::send(fd, ActivateRequest,
                                                     sizeof ActivateRequest - 1, MSG_NOSIGNAL);
    }
    ::close(fd);
}

void TOneInstance::StartServer()
{
    // Holding the instance lock, this copy owns the socket name: one left behind by a copy that
    // was killed is removed.
    const QString path = SocketPath();
    sockaddr_un address;
    if (!SocketAddress(path, address))
        return;
    ::unlink(address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return;
    }
    FServerFd = fd;
    FServerNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(FServerNotifier, &QSocketNotifier::activated, this, &TOneInstance::AcceptRequests);
}

void TOneInstance::AcceptRequests()
{
    int client;
    while ((client = ::accept4(FServerFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        // Each connection is read as its bytes come, line by line, and closed at its end or with
        // the guard.
        auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connect(notifier, &QObject::destroyed, [client] { ::close(client); });
        connect(notifier, &QSocketNotifier::activated, this,
                [this, notifier, client, line = QByteArray()]() mutable {
                    char buffer[256];
                    ssize_t got;
                    while ((got = ::read(client, buffer, sizeof buffer)) > 0) {
                        line.append(buffer, got);
                        for (qsizetype end; (end = line.indexOf('\n')) >= 0;
                             line.remove(0, end + 1)) {
                            if (line.first(end + 1) == ActivateRequest)
                                RaiseOwner();
                        }
                    }
                    const bool open = got < 0 && (errno == EAGAIN || errno == EINTR);
                    if (!open || line.size() > LongestRequest) {
                        notifier->setEnabled(false);
                        notifier->deleteLater();
                    }
                });
    }
}

void TOneInstance::RaiseOwner()
{
    if (!FOwner)
        return;
    QWidget* window = FOwner->window();
    // Minimised, or hidden to the notification area: restored; otherwise brought forward.
    if (window->isMinimized() || !window->isVisible())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

}  // namespace deskora
