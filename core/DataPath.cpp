#include "core/DataPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

QString DataPath(const QString& gamePath)
{
    QString path = gamePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().filePath(path);
}

#ifndef TRAMBUL_INSTALLED_LIBRARIES
#define TRAMBUL_INSTALLED_LIBRARIES "../lib/trambul"
#endif

bool LoadOwnLibrary(QLibrary& library, const QString& name)
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QDir installed(QDir::cleanPath(program.absoluteFilePath(QStringLiteral(TRAMBUL_INSTALLED_LIBRARIES))));
    for (const QDir& folder : { program, installed }) {
        library.setFileName(folder.filePath(name));
        if (library.load())
            return true;
    }
    return false;
}

namespace {
// A Data folder is the game's when it holds at least one of the game's content folders; a file, an empty folder or a
// folder of something else named Data would only make every read fail later, one error box after another.
bool HoldsGameContent(const QString& data)
{
    if (!QFileInfo(data).isDir())
        return false;
    const QDir dir(data);
    for (const char* folder :
        { "Questions", "Dialogs", "Girls", "Ending", "Works", "Mobiles", "SMS", "Soundtracks", "Help" }) {
        if (QFileInfo(dir.filePath(QString::fromLatin1(folder))).isDir())
            return true;
    }
    return false;
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

WorkingDirectoryChoice Refused(const QString& problem) { return { {}, problem }; }
}

WorkingDirectoryChoice ChooseWorkingDirectory(
    const QString& currentFolder, const QString& installedData, const QString& playerFolder)
{
    const QFileInfo shared(installedData);
    if (!shared.isDir()) {
        const QString data = QDir(currentFolder).filePath(QStringLiteral("Data"));
        if (!HoldsGameContent(data))
            return Refused(QStringLiteral("В папке «%1» нет данных игры (папки Data с её файлами). Запустите игру "
                                          "из той папки, где лежит Data.")
                               .arg(Shown(currentFolder)));
        return { currentFolder, {} };
    }
    // Without its own folder the game has nowhere to keep the player's saved games; the folder it was started in
    // (the home folder, from a menu) is not the game's to write in, nor is a Data folder there the game's.
    if (!QDir().mkpath(playerFolder))
        return Refused(QStringLiteral("Не удалось создать папку «%1», в которой игра хранит ваши сохранённые игры. "
                                      "Проверьте, можно ли писать в папку над ней, и запустите игру снова.")
                           .arg(Shown(playerFolder)));

    const QString link = QDir(playerFolder).filePath(QStringLiteral("Data"));
    const QFileInfo existing(link);
    // A link whose folder is gone was left by an installation since removed or moved: it is pointed at this one. A
    // link to a folder that is there, like a real folder, is the player's choice and stays.
    if (existing.isSymLink() && !existing.exists() && !QFile::remove(link))
        return Refused(QStringLiteral("Папка «%1» ведёт в «%2», а такой папки больше нет, и заменить ссылку не "
                                      "удалось: в папку «%3» нельзя писать. Удалите ссылку или разрешите запись в "
                                      "папку и запустите игру снова.")
                           .arg(Shown(link), Shown(existing.symLinkTarget()), Shown(playerFolder)));
    if (!QFileInfo(link).exists() && !QFileInfo(link).isSymLink() && !QFile::link(shared.absoluteFilePath(), link))
        return Refused(QStringLiteral("Не удалось связать папку «%1» с данными игры «%2». Проверьте, можно ли писать "
                                      "в папку «%3», и запустите игру снова.")
                           .arg(Shown(link), Shown(installedData), Shown(playerFolder)));
    if (!HoldsGameContent(link))
        return Refused(QStringLiteral("«%1» — не папка с данными игры: в ней нет файлов игры. Уберите или "
                                      "переименуйте её, и при следующем запуске игра сама свяжет её с установленными "
                                      "данными.")
                           .arg(Shown(link)));
    return { QDir(playerFolder).absolutePath(), {} };
}
