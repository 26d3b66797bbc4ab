#include "records/Autosave.h"

#include "core/Errors.h"
#include "core/TextFile.h"
#include "records/SaveFile.h"
#include "records/SaveLoad.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {
const char* const SaveFolder = "Save";
const char* const AutosaveName = "Автосохранение.sav";
// Beside the autosave: why the last one failed, until the next start tells the player or a later one succeeds.
const char* const FailureNoteName = "Автосохранение не удалось.txt";

QString InSaveFolder(const char* name)
{
    return QDir::current().absoluteFilePath(
        QStringLiteral("%1/%2").arg(QLatin1String(SaveFolder), QString::fromUtf8(name)));
}

void KeepFailureNote(const QString& reason)
{
    // The player reads this at the next start; the terminal, if any, hears of it at once.
    std::fprintf(stderr, "Автосохранение не удалось: %s\n", reason.toLocal8Bit().constData());
    try {
        QDir::current().mkpath(QLatin1String(SaveFolder));
        WriteLines1251(InSaveFolder(FailureNoteName), SplitLines(reason));
    } catch (const EGameError&) {
        // The folder takes no file at all: the terminal's line is all that can be done.
    }
}
}

QString AutosavePath() { return InSaveFolder(AutosaveName); }

bool AutosaveExists() { return QFileInfo(AutosavePath()).isFile(); }

QString WriteAutosave(const TGameState& state)
{
    const QStringList lines = SavedGameLines(state);
    QString reason = CheckSavedGameLines(lines);
    if (!reason.isEmpty()) {
        reason = QStringLiteral("игра не сохранена, потому что не загрузилась бы: %1").arg(reason);
    } else {
        try {
            QDir::current().mkpath(QLatin1String(SaveFolder));
            WriteSavedGame(AutosavePath(), lines);
        } catch (const EGameError& error) {
            reason = error.message();
        }
    }
    if (reason.isEmpty()) {
        QFile::remove(InSaveFolder(FailureNoteName));
        return {};
    }
    KeepFailureNote(reason);
    return reason;
}

QString TakeAutosaveFailure()
{
    const QString notePath = InSaveFolder(FailureNoteName);
    if (!QFileInfo::exists(notePath))
        return {};
    QString reason;
    try {
        reason = ReadLines1251(notePath).join(QLatin1Char('\n'));
    } catch (const EGameError& error) {
        reason = error.message();
    }
    QFile::remove(notePath);
    const QString kept = AutosaveExists()
        ? QStringLiteral("В «Save/Автосохранение.sav» осталась игра, сохранённая до этого.")
        : QStringLiteral("Автосохранения нет.");
    return QStringLiteral("В прошлый раз автосохранение не удалось.\n%1\n%2").arg(reason, kept);
}

bool LoadAutosave(GameWindows& windows) { return LoadSavedGame(windows, AutosavePath()); }
