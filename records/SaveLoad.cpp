#include "records/SaveLoad.h"

#include "core/Errors.h"
#include "core/GameClock.h"
#include "core/GameState.h"
#include "core/GameWindows.h"
#include "core/TextFile.h"
#include "core/Ui.h"
#include "records/LifeLog.h"
#include "records/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>

namespace {

enum class Dialog { Save, Load };

// Asks for a saved-game file with the clock held. The dialog may wander into other folders, so the working
// directory, which every "Data\..." path hangs on, is put back afterwards. Returns the chosen file as an absolute
// path, or an empty text when the player cancelled.
QString AskForFile(GameWindows& windows, Dialog dialog)
{
    const QString workingDir = QDir::currentPath();
    const QString saveDir = QDir(workingDir).absoluteFilePath(QStringLiteral("Save"));
    QDir(workingDir).mkpath(QStringLiteral("Save")); // a folder that cannot be made just leaves the dialog elsewhere

    FileDialogOptions options;
    options.filters = QStringList { QStringLiteral("Файл сохранения игры (*.sav)"), QStringLiteral("Все файлы (*)") };
    options.initialDir = saveDir;
    options.defaultSuffix = QStringLiteral("sav");
    options.preview = SavedGamePreview;

    QString path;
    {
        ClockPause pause(windows.clock());
        // The music moves on by itself again once the dialog is closed, whatever the player chose.
        windows.SetMusicWatch(false);
        const auto watchOn = qScopeGuard([&windows] { windows.SetMusicWatch(true); });
        if (dialog == Dialog::Save) {
            options.title = QStringLiteral("Сохранение текущей игры");
            path = ui().saveFileName(options);
        } else {
            options.title = QStringLiteral("Загрузка сохраненной игры");
            path = ui().openFileName(options);
        }
        if (!QDir::setCurrent(workingDir))
            throw EInOutError::forFile(workingDir, QStringLiteral("не удалось вернуться в рабочую папку игры"));
    }
    if (path.isEmpty())
        return {};
    return QDir(workingDir).absoluteFilePath(path);
}

} // namespace

void SaveGameCommand(GameWindows& windows)
{
    try {
        const QString path = AskForFile(windows, Dialog::Save);
        if (path.isEmpty())
            return;
        bool changed = false;
        WriteSavedGame(path, SavedGameLines(windows.state(), &changed));
        // The life log goes beside the game; a log that cannot be written costs the charts, never the saved game.
        QString logNotice;
        QString logError;
        try {
            logNotice = SaveLifeLogBeside(path, windows.lifeLog());
        } catch (const EGameError& error) {
            logError = error.message();
        }
        ui().message(QStringLiteral("Успешно сохранено!"));
        if (changed) {
            ui().message(QStringLiteral("В имени (или названии мобильника) были знаки, которые в файл сохранения не "
                                        "записываются; вместо них сохранены знаки «?»."));
        }
        if (!logNotice.isEmpty())
            ui().message(logNotice);
        if (!logError.isEmpty())
            ui().errorBox(QStringLiteral("Игра сохранена, а журнал дней — нет.\n%1").arg(logError));
    } catch (const EGameError& error) {
        ui().errorBox(QStringLiteral("Игра не сохранена.\n%1").arg(error.message()));
    }
}

void LoadGameCommand(GameWindows& windows)
{
    try {
        const QString path = AskForFile(windows, Dialog::Load);
        QString logNotice;
        if (!path.isEmpty() && LoadSavedGame(windows, path, &logNotice)) {
            ui().message(QStringLiteral("Успешно загружено!"));
            if (!logNotice.isEmpty())
                ui().message(logNotice);
        }
    } catch (const EGameError& error) {
        ui().errorBox(QStringLiteral("Игра не загружена.\n%1").arg(error.message()));
    }
}

void WriteSavedGame(const QString& path, const QStringList& lines) { WriteLines1251(path, lines); }

bool LoadSavedGame(GameWindows& windows, const QString& path, QString* logNotice)
{
    try {
        const QStringList lines = ReadLines1251(path, AnyLineLength);
        const QString problem = CheckSavedGameLines(lines);
        if (!problem.isEmpty()) {
            ui().errorBox(QStringLiteral("Файл «%1» не похож на сохранённую игру: %2.\nИгра осталась прежней.")
                              .arg(QDir::toNativeSeparators(path), problem));
            return false;
        }
        ApplySavedGameLines(windows.state(), lines);
        windows.GameReplaced(path);
        // The life log beside the game comes with it; a damaged one is set aside and never stops the load.
        LifeLogLoad log = LoadLifeLogBeside(path);
        windows.lifeLog() = std::move(log.log);
        if (logNotice)
            *logNotice = log.notice;
        else if (!log.notice.isEmpty())
            ui().message(log.notice);
        return true;
    } catch (const EGameError& error) {
        ui().errorBox(QStringLiteral("Игра не загружена.\n%1").arg(error.message()));
        return false;
    }
}

namespace {

// The last days of the log beside a saved game, one line each, the newest last; empty when there is none or it does
// not read (the load itself says so and sets it aside: a preview touches nothing).
QString LastDaysOfLog(const QString& savePath)
{
    QFile file(LifeLogPathBeside(savePath));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTextFileSize)
        return {};
    const LifeLogReading reading = ReadLifeLog(file.readAll());
    if (!reading.problem.isEmpty())
        return QStringLiteral("\nЖурнал дней рядом с игрой не читается: %1.").arg(reading.problem);
    const QVector<LifeLogDay>& days = reading.log.days();
    QString text;
    if (!days.isEmpty())
        text += QStringLiteral("\nПоследние дни:");
    for (qsizetype i = std::max<qsizetype>(0, days.size() - 3); i < days.size(); ++i) {
        const LifeLogDay& day = days[i];
        text += QStringLiteral("\n%1: деньги %2, сытость %3, настроение %4, бодрость %5")
                    .arg(DateInWords(day.year, day.month, day.day))
                    .arg(day.value(LogValue::Money))
                    .arg(day.value(LogValue::Satiety))
                    .arg(day.value(LogValue::Mood))
                    .arg(day.value(LogValue::Vigor));
    }
    const QVector<LifeLogEvent>& events = reading.log.events();
    if (!events.isEmpty())
        text += QStringLiteral("\nПоследнее событие (%1): %2").arg(events.last().stamp(), events.last().text);
    return text;
}

} // namespace

QString SavedGamePreview(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    try {
        const QStringList lines = ReadLines1251(path, AnyLineLength);
        const QString problem = CheckSavedGameLines(lines);
        if (!problem.isEmpty())
            return QStringLiteral("Это не сохранённая игра или файл повреждён: %1.").arg(problem);
        TGameState game;
        ApplySavedGameLines(game, lines);
        const QString quarter = QuarterOfMonth(game.text(Field::Month).toInt());
        return QStringLiteral("Игрок: %1\nДата: %2, %3:%4\nДеньги: %5\nЧетверть: %6")
                   .arg(game.text(Field::PlayerName),
                       DateInWords(game.text(Field::Year).toInt(), game.text(Field::Month).toInt(),
                           game.text(Field::Day).toInt()),
                       game.text(Field::Hour), game.text(Field::Minute).rightJustified(2, QLatin1Char('0')),
                       game.text(Field::Money), quarter.isEmpty() ? QStringLiteral("каникулы") : quarter)
            + LastDaysOfLog(path);
    } catch (const EGameError& error) {
        return QStringLiteral("Файл не прочитан: %1").arg(error.message());
    }
}
