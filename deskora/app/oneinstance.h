// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// TOneInstance: keeps the program to one running copy per user session.
//
// Placed on the main window, it checks while the window is built whether another copy of the
// same application title runs. Two locks, files held with flock in a folder only the user can
// enter (the session's runtime folder, else ~/.cache/deskora), stand for the two named locks
// of the check:
//
//   <title>.OneInstance.CriticalSection   serialises the check of copies starting together
//   <title>.OneInstance.Default           held by the running copy for its whole life
//
// The kernel drops a flock when its holder ends in any way, so a copy started after the first
// one has ended, or was killed, passes the check. The running copy listens on a local socket
// beside the locks (a Unix stream socket, "activate" and a line feed per request); a second copy
// asks it there to restore or raise its window.
//
// A lock file that cannot be created at all (neither folder private to the user, say) is no
// sign of another copy: the program then starts without the guard.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QSocketNotifier;
class QWidget;

namespace deskora {

class TOneInstance : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ActivatePrevInstance READ ActivatePrevInstance WRITE setActivatePrevInstance)
    Q_PROPERTY(QString Message READ Message WRITE setMessage)
    Q_PROPERTY(bool ShowMessage READ ShowMessage WRITE setShowMessage)

public:
    // The owner is the main window: the one raised when a later copy starts.
    explicit TOneInstance(QWidget* owner);
    ~TOneInstance() override;

    bool ActivatePrevInstance() const { return FActivatePrevInstance; }
    void setActivatePrevInstance(bool on) { FActivatePrevInstance = on; }
    QString Message() const { return FMessage; }
    void setMessage(const QString& text) { FMessage = text; }
    bool ShowMessage() const { return FShowMessage; }
    void setShowMessage(bool on) { FShowMessage = on; }

    // Runs the check once the owner's settings are in place; a second copy is handled at once.
    void Loaded();

    // The check itself: true when another copy holds the instance lock (or is checking at this
    // very moment). A copy that finds none holds the instance lock from then on.
    bool IsAnotherInstance();
    // Tells the user (when asked to), raises the running copy and asks this one to end.
    void HandlePrevInstance();

    // Whether this copy was asked to end because another one runs.
    bool Terminated() const { return FTerminated; }
    // Whether this copy holds the instance lock.
    bool HoldsInstanceLock() const { return FInstanceFd >= 0; }
    // Whether the locks could not be used, so that the copy runs unguarded.
    bool Unguarded() const { return FUnguarded; }

    // The standard text: Application "<title>" is already running.
    static QString StandardMessage(const QString& title);
    // Names of the two locks for an application title.
    static QString CheckLockName(const QString& title);
    static QString InstanceLockName(const QString& title);
    // The folder of the locks: $XDG_RUNTIME_DIR when it is a private folder, else
    // ~/.cache/deskora (created with mode 0700 when missing) when that is one; empty when
    // neither is.
    static QString LockFolder();
    // Private: a real folder, not a link, owned by the user, with mode 0700.
    static bool IsPrivateFolder(const QString& path);

    // The message box of ShowMessage (caption, text); tests install a recorder.
    using TMessageBox = std::function<void(const QString& caption, const QString& text)>;
    static TMessageBox SetMessageBox(TMessageBox box);
    // What "the application is asked to end" does; by default a queued quit of the event loop,
    // so that the copy leaves as soon as its loop runs. Tests install a recorder.
    using TTerminator = std::function<void()>;
    static TTerminator SetTerminator(TTerminator terminator);

signals:
    // Replaces the message box; a handler that clears Terminate lets this copy run.
    // Connect it directly.
    void OnShowMessage(deskora::TOneInstance* Sender, bool& Terminate);

private:
    void StartServer();
    void AcceptRequests();
    void AskRunningCopy();
    void RaiseOwner();
    QString SocketPath() const;

    QPointer<QWidget> FOwner;
    int FServerFd = -1;
    QSocketNotifier* FServerNotifier = nullptr;
    bool FActivatePrevInstance = true;
    QString FMessage;
    bool FShowMessage = false;
    bool FTerminated = false;
    bool FUnguarded = false;
    QString FFolder;
    int FInstanceFd = -1;
};

}  // namespace deskora
