#include "records/Autosave.h"

#include "core/Errors.h"
#include "core/GameState.h"
#include "core/TextFile.h"
#include "records/LifeLog.h"
#include "records/SaveFile.h"
#include "records/SaveLoad.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {
const char* const SaveFolder = "Save";
const char* const AutosaveWord = "Автосохранение";
const char* const WayOutMark = " (выход)";
// The single autosave of the versions before the series; it stays offered until a newer one exists.
const char* const OldAutosaveName = "Автосохранение.sav";
// Why the last autosave failed, until the next start tells the player or a later one succeeds. Hidden, and marked by
// its first line, so that no file of the player's is ever taken for it.
const char* const FailureNoteName = ".trambul-autosave-failure.txt";
const char* const FailureNoteMark = "Трамбуль: автосохранение не удалось";
const char* const LockName = ".trambul.lock";

QString InSaveFolder(const QString& name) { return QDir(SaveFolderPath()).absoluteFilePath(name); }

// Where the note goes when the save folder takes no file: the player's own cache, one note per game folder.
QString SpareFailureNotePath()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    const QByteArray folderKey = QCryptographicHash::hash(SaveFolderPath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("%1/trambul/autosave-failure-%2.txt").arg(cache, QString::fromLatin1(folderKey.left(12)));
}

QStringList FailureNotePaths()
{
    QStringList paths { InSaveFolder(QString::fromUtf8(FailureNoteName)) };
    if (const QString spare = SpareFailureNotePath(); !spare.isEmpty())
        paths.append(spare);
    return paths;
}

void KeepFailureNote(const QString& reason)
{
    // The player reads this at the next start; the terminal, if any, hears of it at once.
    std::fprintf(stderr, "Автосохранение не удалось: %s\n", reason.toLocal8Bit().constData());
    const QStringList lines = QStringList { QString::fromUtf8(FailureNoteMark) } + SplitLines(reason);
    for (const QString& path : FailureNotePaths()) {
        try {
            QDir().mkpath(QFileInfo(path).absolutePath());
            WriteLines1251(path, lines);
            return;
        } catch (const EGameError&) {
            // That place takes no file either: try the next one.
        }
    }
}

void RemoveFailureNotes()
{
    for (const QString& path : FailureNotePaths()) {
        if (QFileInfo(path).isFile())
            QFile::remove(path);
    }
}

// A player's name as a file name can hold it: no folder separators, no control characters, not too long.
QString NameForFile(const QString& name)
{
    QString safe;
    for (QChar c : name.simplified()) {
        if (c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c))
            safe += c;
        else
            safe += QLatin1Char('_');
    }
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    safe = safe.left(40).trimmed();
    return safe.isEmpty() ? QStringLiteral("без имени") : safe;
}

QString TimeText(const TGameState& state)
{
    const auto two = [&state](Field field) { return state.text(field).rightJustified(2, QLatin1Char('0')); };
    return QStringLiteral("%1-%2-%3 %4.%5")
        .arg(state.text(Field::Year), two(Field::Month), two(Field::Day), two(Field::Hour), two(Field::Minute));
}

// Newest first: by when the file was written, then by name, so that files written within one tick still order.
bool NewerFirst(const QFileInfo& a, const QFileInfo& b)
{
    const QDateTime ta = a.lastModified();
    const QDateTime tb = b.lastModified();
    if (ta != tb)
        return ta > tb;
    return a.fileName() > b.fileName();
}

void RemoveAutosave(const QString& path)
{
    QFile::remove(path);
    QFile::remove(LifeLogPathBeside(path));
}

// The series keeps its newest autosaves of each kind and lets the older ones go, never the one just written.
void DropOlderAutosaves(int series, const QString& justWritten)
{
    int midnights = 0;
    int wayOuts = 0;
    for (const AutosaveFile& file : Autosaves()) {
        if (file.series != series)
            continue;
        int& kept = file.moment == AutosaveMoment::Midnight ? midnights : wayOuts;
        const int limit = file.moment == AutosaveMoment::Midnight ? KeptMidnights : KeptWayOuts;
        if (file.path == justWritten || kept < limit)
            ++kept;
        else
            RemoveAutosave(file.path);
    }
}
}

QString SaveFolderPath() { return QDir::current().absoluteFilePath(QLatin1String(SaveFolder)); }

bool ReadAutosaveName(const QString& fileName, AutosaveFile& file)
{
    if (fileName == QString::fromUtf8(OldAutosaveName)) {
        file.series = 0;
        file.moment = AutosaveMoment::WayOut;
        return true;
    }
    static const QRegularExpression pattern(
        QStringLiteral("^%1 (\\d{1,9}) — .* — [^—]*\\.sav$").arg(QString::fromUtf8(AutosaveWord)));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    file.series = match.captured(1).toInt();
    file.moment = fileName.endsWith(QString::fromUtf8(WayOutMark) + QStringLiteral(".sav")) ? AutosaveMoment::WayOut
                                                                                            : AutosaveMoment::Midnight;
    return true;
}

QString AutosaveFileName(int series, const TGameState& state, AutosaveMoment moment)
{
    return QStringLiteral("%1 %2 — %3 — %4%5.sav")
        .arg(QString::fromUtf8(AutosaveWord))
        .arg(series)
        .arg(NameForFile(state.text(Field::PlayerName)), TimeText(state),
            moment == AutosaveMoment::WayOut ? QString::fromUtf8(WayOutMark) : QString());
}

QVector<AutosaveFile> Autosaves()
{
    QFileInfoList infos = QDir(SaveFolderPath()).entryInfoList({ QStringLiteral("*.sav") }, QDir::Files);
    std::sort(infos.begin(), infos.end(), NewerFirst);
    QVector<AutosaveFile> files;
    for (const QFileInfo& info : infos) {
        AutosaveFile file;
        if (!info.isSymLink() && ReadAutosaveName(info.fileName(), file)) {
            file.path = info.absoluteFilePath();
            files.append(file);
        }
    }
    return files;
}

QString NewestAutosave()
{
    const QVector<AutosaveFile> files = Autosaves();
    return files.isEmpty() ? QString() : files.first().path;
}

int NewAutosaveSeries()
{
    int highest = 0;
    for (const AutosaveFile& file : Autosaves())
        highest = std::max(highest, file.series);
    return highest + 1;
}

AutosaveWriting WriteAutosave(const TGameState& state, const LifeLog& log, int series, AutosaveMoment moment)
{
    AutosaveWriting writing;
    const QStringList lines = SavedGameLines(state);
    QString reason = CheckSavedGameLines(lines);
    if (!reason.isEmpty()) {
        reason = QStringLiteral("игра не сохранена, потому что не загрузилась бы: %1").arg(reason);
    } else {
        const QString path = InSaveFolder(AutosaveFileName(series, state, moment));
        try {
            if (!QDir().mkpath(SaveFolderPath()))
                throw EInOutError::forFile(SaveFolderPath(), QStringLiteral("не удалось создать папку"));
            // The log first, so that a game is never on the disk beside a log of another moment. A log that cannot
            // be written costs only the charts of «Мой год», never the game.
            try {
                WriteFileSafely(LifeLogPathBeside(path), LifeLogBytes(log));
            } catch (const EGameError&) {
            }
            WriteSavedGame(path, lines);
            writing.path = path;
        } catch (const EGameError& error) {
            reason = error.message();
        }
    }
    if (reason.isEmpty()) {
        RemoveFailureNotes();
        DropOlderAutosaves(series, writing.path);
        return writing;
    }
    KeepFailureNote(reason);
    writing.failure = reason;
    return writing;
}

QString TakeAutosaveFailure()
{
    QString reason;
    for (const QString& path : FailureNotePaths()) {
        if (!QFileInfo(path).isFile())
            continue;
        try {
            const QStringList lines = ReadLines1251(path);
            if (lines.value(0) != QString::fromUtf8(FailureNoteMark))
                continue;
            reason = lines.mid(1).join(QLatin1Char('\n'));
        } catch (const EGameError& error) {
            reason = error.message();
        }
        QFile::remove(path);
        break;
    }
    if (reason.isEmpty())
        return {};
    const QString newest = NewestAutosave();
    const QString kept = newest.isEmpty()
        ? QStringLiteral("Автосохранений нет.")
        : QStringLiteral("Последнее удавшееся автосохранение — «%1».").arg(QFileInfo(newest).fileName());
    return QStringLiteral("В прошлый раз автосохранение не удалось.\n%1\n%2").arg(reason, kept);
}

void CleanSaveFolder()
{
    const QDir folder(SaveFolderPath());
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = info.fileName();
        // Temporaries of the writer, and those an earlier version's writer left beside the single autosave.
        static const QRegularExpression oldTemporary(
            QStringLiteral("^%1\\.[A-Za-z0-9]{6}$")
                .arg(QRegularExpression::escape(QString::fromUtf8(OldAutosaveName))));
        if (IsSafeWriteTemporary(name) || oldTemporary.match(name).hasMatch()) {
            QFile::remove(info.absoluteFilePath());
            continue;
        }
        // A log whose autosave was never written (the writer was killed between the two).
        AutosaveFile file;
        if (info.suffix() == QLatin1String("csv") && !info.isSymLink()
            && ReadAutosaveName(info.completeBaseName() + QStringLiteral(".sav"), file)
            && !QFileInfo::exists(folder.absoluteFilePath(info.completeBaseName() + QStringLiteral(".sav"))))
            QFile::remove(info.absoluteFilePath());
    }
}

SaveFolderLock::SaveFolderLock() = default;

QString SaveFolderLock::Take()
{
    QDir().mkpath(SaveFolderPath());
    m_lock = std::make_unique<QLockFile>(InSaveFolder(QString::fromUtf8(LockName)));
    // A lock left by a game that no longer runs is taken over at once.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError)
        return {};
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock->getLockInfo(&pid, &host, &application);
    return QStringLiteral("В этой папке уже идёт другая игра «Трамбуль» (процесс %1): две игры сразу записали бы свои "
                          "автосохранения друг поверх друга. Закройте ту игру или продолжите в ней.")
        .arg(pid);
}
