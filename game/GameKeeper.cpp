#include "game/GameKeeper.h"

#include "core/DailyEvents.h"
#include "core/Errors.h"
#include "core/GameWindows.h"
#include "core/Ui.h"

#include <QFileInfo>

void GameKeeper::GameReplaced(const QString& loadedFrom)
{
    m_midnightDue = false;
    AutosaveFile autosave;
    const QFileInfo file(loadedFrom);
    if (!loadedFrom.isEmpty() && file.absolutePath() == SaveFolderPath() && ReadAutosaveName(file.fileName(), autosave)
        && autosave.series > 0)
        m_series = autosave.series;
    else
        m_series = NewAutosaveSeries();
}

QString GameKeeper::LastOwnAutosave() const
{
    for (const AutosaveFile& file : Autosaves()) {
        if (file.series == m_series)
            return file.path;
    }
    return {};
}

void GameKeeper::KeepIfDue()
{
    if (!m_midnightDue || ui().noticesOpen())
        return;
    m_midnightDue = false;
    const QString failure = keep(AutosaveMoment::Midnight);
    if (!failure.isEmpty())
        ui().notice(QStringLiteral("Автосохранение не удалось: %1\nИгра идёт дальше; сохраните её сами кнопкой "
                                   "«Сохранить игру...».")
                        .arg(failure));
}

QString GameKeeper::KeepOnWayOut()
{
    if (m_keptOnWayOut)
        return {};
    m_keptOnWayOut = true;
    ui().BeginLeaving();
    return keep(AutosaveMoment::WayOut);
}

void GameKeeper::KeepOnSuddenEnd()
{
    if (m_keptOnWayOut)
        return;
    m_keptOnWayOut = true;
    keep(AutosaveMoment::WayOut);
}

QString GameKeeper::keep(AutosaveMoment moment)
{
    if (!m_ready)
        return {};
    try {
        // The last autosave of a living player stays.
        if (!DeathCause(m_windows.state()).isEmpty())
            return {};
    } catch (const EConvertError&) {
        // A value that is no number: the writer refuses such a game and says why.
    }
    if (m_series == 0)
        m_series = NewAutosaveSeries();
    return WriteAutosave(m_windows.state(), m_windows.lifeLog(), m_series, moment).failure;
}
