#include "core/DataPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DataPath(const QString& gamePath)
{
    QString path = gamePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().filePath(path);
}

WorkingDirectoryChoice ChooseWorkingDirectory(
    const QString& currentFolder, const QString& installedData, const QString& playerFolder)
{
    const QFileInfo shared(installedData);
    if (!shared.isDir())
        return { currentFolder, {} };
    if (!QDir().mkpath(playerFolder))
        return { currentFolder, QStringLiteral("Не удалось создать папку игрока %1").arg(playerFolder) };

    const QString link = QDir(playerFolder).filePath(QStringLiteral("Data"));
    const QFileInfo existing(link);
    // A link left by another installation (the game moved, a new version) is pointed at this one; a real folder the
    // player put there is the player's own data and stays.
    if (existing.isSymLink() && existing.symLinkTarget() != shared.absoluteFilePath())
        QFile::remove(link);
    if (!QFileInfo(link).exists() && !QFileInfo(link).isSymLink() && !QFile::link(shared.absoluteFilePath(), link))
        return { currentFolder,
            QStringLiteral("Не удалось связать папку %1 с данными игры %2").arg(link, installedData) };
    return { QDir(playerFolder).absolutePath(), {} };
}
