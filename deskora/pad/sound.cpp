#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

namespace deskora {

namespace {

TSoundPlayer& Player()
{
    static TSoundPlayer player;
    return player;
}

QString FindSoundFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    if (info.isFile())
        return info.absoluteFilePath();
    if (info.isRelative() && QCoreApplication::instance()) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()), fileName);
        if (beside.isFile())
            return beside.absoluteFilePath();
        // An installed program keeps its data in <prefix>/share/deskora.
        const QFileInfo shared(QDir(QCoreApplication::applicationDirPath()),
                               QStringLiteral("../share/deskora/") + fileName);
        if (shared.isFile())
            return shared.absoluteFilePath();
    }
    return {};
}

void PlayWithSoundEffect(const QString& fileName, int /*flags*/)
{
    // QSoundEffect always plays without blocking, so the asynchronous flag needs nothing.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    const QString path = FindSoundFile(fileName);
    if (path.isEmpty())
        return;
    // One effect for the whole process, owned by the application so that it goes before the
    // audio back end does.
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(app);
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect->source() != source)
        effect->setSource(source);
    else
        effect->stop();
    // Playing while the file still loads starts it once loaded; a file that fails to load or a
    // missing device stays silent.
    effect->play();
}

}  // namespace

void PlaySoundFile(const QString& fileName, int flags)
{
    const TSoundPlayer& player = Player();
    if (player)
        player(fileName, flags);
    else
        PlayWithSoundEffect(fileName, flags);
}

TSoundPlayer SetSoundPlayer(TSoundPlayer player)
{
    return std::exchange(Player(), std::move(player));
}

}  // namespace deskora
